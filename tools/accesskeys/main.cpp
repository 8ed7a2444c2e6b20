// Lists the access-key clashes of the menus and dialogs in English and in
// each interface language found in the Languages folder; exits with 1 when
// there is one. scripts/update-translations runs it after each refresh.
// Usage: ordo_accesskeys [LANGUAGES_FOLDER]
#include "accesskeysurvey.h"
#include "app/apppaths.h"
#include "app/interfacelanguage.h"

#include <QApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // No window is shown; the main window's page view starts without a GPU.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    // The main window reads the user's settings; keep the real ones out of it.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    SetAppFolder(QStringLiteral(ORDO_APP_DIR));

    const QString languages =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(ORDO_APP_DIR "/Languages");
    QStringList codes{QString()};
    for (const QString &file : QDir(languages).entryList({QStringLiteral("OrdoRes*.qm")}, QDir::Files, QDir::Name))
        codes << file.mid(7, file.size() - 10);

    QTextStream out(stdout);
    int found = 0;
    for (const QString &code : codes) {
        CInterfaceLanguage language;
        if (!code.isEmpty() && !language.Install(code, languages)) {
            out << code << ": cannot load " << languages << "/OrdoRes" << code << ".qm\n";
            ++found;
            continue;
        }
        const AccessKeySurvey survey = SurveyAccessKeys(QStringLiteral(ORDO_SOURCE_DIR));
        const QString name = code.isEmpty() ? QStringLiteral("English") : code;
        for (const AccessKeyClash &clash : survey.clashes)
            out << name << ", " << DescribeClash(clash) << '\n';
        for (const QString &what : survey.leftOut)
            out << name << ", not checked: " << what << '\n';
        found += int(survey.clashes.size() + survey.leftOut.size());
    }
    out << (found ? QStringLiteral("%1 access-key faults\n").arg(found) : QStringLiteral("No access-key clashes\n"));
    return found ? 1 : 0;
}
