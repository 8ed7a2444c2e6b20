#include "languagetable.h"

#include "strings.h"

#include <QCoreApplication>
#include <QHash>
#include <QVector>
#include <utility>

namespace {

struct LanguageTable
{
    bool filled = false;
    QVector<std::pair<QString, QString>> pairs; // code, display name
    QHash<QString, QString> nameOfCode;
    QHash<QString, QString> codeOfName;
};

LanguageTable &table()
{
    static LanguageTable instance;
    return instance;
}

void addPair(LanguageTable &t, const QString &code, const QString &name)
{
    t.pairs.append({code, name});
    t.nameOfCode.insert(code, name);
    t.codeOfName.insert(name, code);
}

const LanguageTable &filledTable()
{
    LanguageTable &t = table();
    if (!t.filled)
        FillLanguageTable();
    return t;
}

} // namespace

void FillLanguageTable()
{
    LanguageTable &t = table();
    t = LanguageTable();
    addPair(t, QStringLiteral("Enu"), LoadStr(IDS_ENGLISH));
    addPair(t, QStringLiteral("Chs"), LoadStr(IDS_SIMPLIFIED_CHINESE));
    addPair(t, QStringLiteral("Cht"), LoadStr(IDS_TRADITIONAL_CHINESE));
    // Italian has no id in the string table, but its name is translated like
    // the others so that each language is listed in the interface language.
    addPair(t, QStringLiteral("Ita"), QCoreApplication::translate("LanguageTable", "Italian"));
    t.filled = true;
}

QString LanguageDisplayName(const QString &code)
{
    return filledTable().nameOfCode.value(code);
}

QString LanguageCodeOf(const QString &displayName)
{
    return filledTable().codeOfName.value(displayName);
}

QStringList KnownLanguageCodes()
{
    QStringList codes;
    for (const auto &pair : filledTable().pairs)
        codes << pair.first;
    return codes;
}

QString LanguageTag(const QString &code)
{
    if (code == QLatin1String("Enu"))
        return QStringLiteral("en");
    if (code == QLatin1String("Chs"))
        return QStringLiteral("zh-CN");
    if (code == QLatin1String("Cht"))
        return QStringLiteral("zh-TW");
    if (code == QLatin1String("Ita"))
        return QStringLiteral("it");
    return {};
}
