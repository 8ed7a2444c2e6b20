#include "englishplurals.h"

#include <QCoreApplication>
#include <QTranslator>

bool InstallEnglishPlurals()
{
    // Lives as long as the application: translators are never copied.
    static QTranslator *translator = nullptr;
    if (translator)
        return true;
    auto *candidate = new QTranslator(QCoreApplication::instance());
    if (!candidate->load(QStringLiteral(":/i18n/ordoteca_en.qm")) ||
        !QCoreApplication::installTranslator(candidate)) {
        delete candidate;
        return false;
    }
    translator = candidate;
    return true;
}
