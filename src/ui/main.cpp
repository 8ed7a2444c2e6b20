#include "app/installcheck.h"
#include "app/memorytuning.h"
#include "app/ordoapp.h"
#include "online/httpclient.h"
#include "widgets/appicon.h"

#include <QApplication>
#include "online/picturecheck.h"

#include <QCommandLineParser>
#include <QImageReader>
#include <QTextStream>

int main(int argc, char *argv[])
{
    TuneMemoryAllocator();
    // Must happen before the application object exists.
    COrdoApp::RegisterUrlSchemes();
    // Before any thread exists: lookups may start on worker threads.
    CHttpClient::GlobalInit();

    QApplication app(argc, argv);
    // One limit for every Qt version: covers are checked against it before
    // they are stored.
    QImageReader::setAllocationLimit(int(kMaxPictureBytes / (1024 * 1024)));
    QApplication::setOrganizationName(QStringLiteral("Quenlow"));
    QApplication::setApplicationName(QStringLiteral("Ordo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Ordoteca"));
    QApplication::setApplicationVersion(QStringLiteral("1.0 RC1"));
    QApplication::setWindowIcon(OrdotecaIcon());
    // Ties the windows to the menu entry and its icon (Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.ordoteca"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Catalogue manager for a book collection"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("catalogue"),
                                 QCoreApplication::translate("main", "The catalogue (.mdb) to open."),
                                 QStringLiteral("[catalogue]"));
    const QCommandLineOption check(
        QStringLiteral("check"),
        QCoreApplication::translate("main",
                                    "Open the catalogue, report where the program's files were found, "
                                    "and quit (exit code 0 when everything is there)."));
    parser.addOption(check);
    parser.process(app);

    COrdoApp ordo;
    if (parser.isSet(check)) {
        QTextStream out(stdout);
        return RunInstallCheck(ordo, COrdoApp::CatalogueFromArguments(parser.positionalArguments()), out);
    }
    if (!ordo.InitInstance(COrdoApp::CatalogueFromArguments(parser.positionalArguments())))
        return 1;
    const int result = app.exec();
    ordo.ExitInstance();
    return result;
}
