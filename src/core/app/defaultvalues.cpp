#include "defaultvalues.h"

#include "languagetable.h"
#include "registrykey.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace {

const QString kDefaultKey = QStringLiteral("Software\\Quenlow\\Ordo\\Settings\\Default");
const QString kSettingsKey = QStringLiteral("Software\\Quenlow\\Ordo\\Settings");

} // namespace

QDate ParsePurchaseDate(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    // Our own form first: its month names are English whatever the locale.
    const QLocale c = QLocale::c();
    for (const char *format : {"MMM dd, yyyy", "MMM d, yyyy", "yyyy-MM-dd"}) {
        const QDate d = c.toDate(t, QLatin1String(format));
        if (d.isValid())
            return d;
    }
    const QLocale user;
    for (QLocale::FormatType type : {QLocale::ShortFormat, QLocale::LongFormat, QLocale::NarrowFormat}) {
        const QString format = user.dateFormat(type);
        const QDate d = user.toDate(t, format);
        if (!d.isValid())
            continue;
        // Two-digit years read as 19xx; take 00-29 as 2000-2029 instead.
        if (!format.contains(QLatin1String("yyyy")) && d.year() < 1930)
            return d.addYears(100);
        return d;
    }
    return {};
}

QString PurchaseDateText(const QDate &date)
{
    if (!date.isValid())
        return {};
    return QLocale::c().toString(date, QStringLiteral("MMM dd, yyyy"));
}

DefaultValues ReadDefaultValues()
{
    DefaultValues v;
    CRegistryKey key;
    if (!key.SetKey(kDefaultKey, false))
        return v;
    const QString none;
    v.language = key.ReadString(QStringLiteral("Language"), none);
    v.extras = key.ReadString(QStringLiteral("Extras"), none);
    v.store = key.ReadString(QStringLiteral("Store"), none);
    v.location = key.ReadString(QStringLiteral("Location"), none);
    v.userText1 = key.ReadString(QStringLiteral("UserText1"), none);
    v.userText2 = key.ReadString(QStringLiteral("UserText2"), none);
    v.format = key.ReadString(QStringLiteral("Format"), none);
    v.status = key.ReadString(QStringLiteral("Status"), none);
    v.ebookOnly = key.ReadInt(QStringLiteral("EbookOnly"), 0) != 0;
    v.purchaseDate = ParsePurchaseDate(key.ReadString(QStringLiteral("PurchaseDate"), none));
    v.purchaseToday = key.ReadInt(QStringLiteral("PurchaseDateToday"), 0) != 0;
    return v;
}

void WriteDefaultValues(const DefaultValues &v)
{
    CRegistryKey key;
    if (!key.SetKey(kDefaultKey, true))
        return;
    key.WriteString(QStringLiteral("Language"), v.language);
    key.WriteString(QStringLiteral("Extras"), v.extras);
    key.WriteString(QStringLiteral("Store"), v.store);
    key.WriteString(QStringLiteral("Location"), v.location);
    key.WriteString(QStringLiteral("UserText1"), v.userText1);
    key.WriteString(QStringLiteral("UserText2"), v.userText2);
    key.WriteString(QStringLiteral("Format"), v.format);
    key.WriteString(QStringLiteral("Status"), v.status);
    key.WriteInt(QStringLiteral("EbookOnly"), v.ebookOnly ? 1 : 0);
    key.WriteString(QStringLiteral("PurchaseDate"), PurchaseDateText(v.purchaseDate));
    key.WriteInt(QStringLiteral("PurchaseDateToday"), v.purchaseToday ? 1 : 0);
}

QStringList FindLanguageCodes(const QString &appFolder)
{
    QStringList codes{QStringLiteral("Enu")};
    const QDir dir(appFolder + QStringLiteral("Languages"));
    const QStringList files =
        dir.entryList({QStringLiteral("*.qm")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QString &file : files) {
        const QString code = QFileInfo(file).completeBaseName().right(3);
        if (!code.isEmpty() && !codes.contains(code))
            codes << code;
    }
    return codes;
}

QString LanguageListName(const QString &code)
{
    const QString name = LanguageDisplayName(code);
    return name.isEmpty() ? code : name;
}

QString LanguageCodeForName(const QString &name)
{
    const QString code = LanguageCodeOf(name);
    if (!code.isEmpty())
        return code;
    // A language file the table does not know is listed under its code.
    if (name.size() == 3 && LanguageDisplayName(name).isEmpty())
        return name;
    return {};
}

int TemplateIndexForLanguage(const QStringList &templates, int currentTemplate, const QString &code)
{
    if (currentTemplate < 0 || currentTemplate >= templates.size())
        return currentTemplate;
    QString wanted = templates.at(currentTemplate);
    wanted.chop(3);
    wanted += code;
    const int index = templates.indexOf(wanted); // exact, case-sensitive
    return index >= 0 ? index : currentTemplate;
}

void SaveOptions(const DefaultValues &values, const std::optional<QString> &chosenLanguage,
                 const QStringList &templates, int currentTemplate)
{
    WriteDefaultValues(values);
    if (!chosenLanguage)
        return;
    CRegistryKey key;
    if (!key.SetKey(kSettingsKey, true))
        return;
    const QString code = LanguageCodeForName(*chosenLanguage);
    key.WriteString(QStringLiteral("UILanguage"), code);
    key.WriteInt(QStringLiteral("XSL"), TemplateIndexForLanguage(templates, currentTemplate, code));
}
