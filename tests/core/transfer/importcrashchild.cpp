// Imports a file with its covers and dies (SIGKILL, like kill -9) at the Nth
// crash point of the import; the import crash test runs it once for every N.
//
//   importcrashchild <catalogue> <images folder> <file> <N>
//
// Books already in the catalogue are updated. Exit code 0: the import
// finished before the Nth point; 3: the import failed.
#include "catalog/connection.h"
#include "crashtarget.h"
#include "transfer/bookimporter.h"
#include "transfer/importreader.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return 2;
    const auto connection = Connection::open(args[1]);
    CImportTable table;
    QString error;
    if (!connection || !CImportReader::Read(args[3], table, error))
        return 2;
    CImportOptions options;
    options.imagesFolder = args[2];
    options.updateDuplicates = true;
    DieAtCrashPoint(args[4].toInt());
    CImportSummary summary;
    return CBookImporter(*connection, table, DefaultImportMapping(table), options).Run(summary) ? 0 : 3;
}
