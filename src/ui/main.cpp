#include "app/ordoapp.h"
#include "online/httpclient.h"
#include "widgets/appicon.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    // Must happen before the application object exists.
    COrdoApp::RegisterUrlSchemes();
    // Before any thread exists: lookups may start on worker threads.
    CHttpClient::GlobalInit();

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quenlow"));
    QApplication::setApplicationName(QStringLiteral("Ordo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Ordoteca"));
    QApplication::setApplicationVersion(QStringLiteral("1.0 RC1"));
    QApplication::setWindowIcon(OrdotecaIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Catalogue manager for a book collection"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("catalogue"),
                                 QCoreApplication::translate("main", "The catalogue (.mdb) to open."),
                                 QStringLiteral("[catalogue]"));
    parser.process(app);

    COrdoApp ordo;
    if (!ordo.InitInstance(COrdoApp::CatalogueFromArguments(parser.positionalArguments())))
        return 1;
    const int result = app.exec();
    ordo.ExitInstance();
    return result;
}
