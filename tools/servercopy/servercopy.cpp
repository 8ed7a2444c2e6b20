// ordo_servercopy FILE ADDRESS: makes a catalogue at the server address and
// copies the catalogue file into it, pictures included. The password comes
// from PGPASSWORD or ~/.pgpass, as for every PostgreSQL client.
#include "catalog/cataloguecopy.h"
#include "catalog/connection.h"
#include "catalog/imagesfolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: ordo_servercopy CATALOGUE-FILE postgresql://user@host:port/database\n");
        return 2;
    }
    const QString file = QFileInfo(args.at(1)).absoluteFilePath();
    const QString address = args.at(2);
    DbError error;
    auto from = Connection::open(file, &error);
    if (!from || !Connection::createServerCatalogue(address, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message));
        return 1;
    }
    auto to = Connection::open(address, &error);
    if (!to) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message));
        return 1;
    }
    CatalogueCopy copy;
    copy.from = from.get();
    copy.fromImages = ImagesFolderForCatalog(file);
    copy.to = to.get();
    const bool ok = copy.run(&error);
    for (const QString &problem : copy.problems)
        std::fprintf(stderr, "%s\n", qPrintable(problem));
    if (!ok) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message));
        return 1;
    }
    return 0;
}
