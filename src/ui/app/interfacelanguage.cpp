#include "interfacelanguage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Qt's own texts for the interface languages we know.
QString qtLocaleOf(const QString &code)
{
    if (code == QLatin1String("Chs"))
        return QStringLiteral("zh_CN");
    if (code == QLatin1String("Cht"))
        return QStringLiteral("zh_TW");
    if (code == QLatin1String("Ita"))
        return QStringLiteral("it");
    return {};
}

} // namespace

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

    const QString locale = qtLocaleOf(code);
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
