#include "interfacelanguage.h"

#include "app/languagetable.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

CInterfaceLanguage::CInterfaceLanguage() = default;

CInterfaceLanguage::~CInterfaceLanguage()
{
    Remove();
}

bool CInterfaceLanguage::Install(const QString &code, const QString &folder)
{
    Remove();
    auto own = std::make_unique<QTranslator>();
    const QString file = folder + QStringLiteral("/OrdoRes") + code + QStringLiteral(".qm");
    if (!QFileInfo(file).isFile() || !own->load(file) || !QCoreApplication::installTranslator(own.get()))
        return false;
    m_own = std::move(own);

    // Qt names its files by locale: "zh-CN" -> qtbase_zh_CN.qm.
    const QString locale = LanguageTag(code).replace(QLatin1Char('-'), QLatin1Char('_'));
    if (locale.isEmpty())
        return true;
    for (const char *module : {"qtbase_", "qtwebengine_", "qtmultimedia_"}) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLatin1String(module) + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
            QCoreApplication::installTranslator(qt.get()))
            m_qt.push_back(std::move(qt));
    }
    return true;
}

void CInterfaceLanguage::Remove()
{
    for (const auto &qt : m_qt)
        QCoreApplication::removeTranslator(qt.get());
    m_qt.clear();
    if (m_own) {
        QCoreApplication::removeTranslator(m_own.get());
        m_own.reset();
    }
}
