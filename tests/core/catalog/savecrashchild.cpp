// Saves one book and dies (SIGKILL, like kill -9) at the Nth crash point of
// the save; the cover save crash test runs it once for every N.
//
//   savecrashchild <catalogue> <images folder> <book id, 0 = new> <front> <back> <N>
//
// <front> and <back> are the new cover sources ("" for no cover).
// Exit code 0: the save finished before the Nth point; 3: the save failed.
//
//   savecrashchild --lock <catalogue>
//
// holds an exclusive lock on the catalogue (as another program would),
// prints "locked" and waits to be killed.
#include "catalog/bookrecord.h"
#include "catalog/connection.h"
#include "catalog/recordset.h"
#include "crashtarget.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--lock")) {
        const auto connection = Connection::open(args[2]);
        if (!connection || !connection->execute(QStringLiteral("BEGIN EXCLUSIVE")))
            return 2;
        std::fputs("locked\n", stdout);
        std::fflush(stdout);
        ::sleep(120);
        return 0;
    }
    if (args.size() != 7)
        return 2;
    const auto connection = Connection::open(args[1]);
    if (!connection)
        return 2;
    const int bookId = args[3].toInt();
    CBookRecord record;
    if (bookId > 0 && !record.Load(bookId, *connection))
        return 2;
    record.Title = QStringLiteral("Сохранено · 保存");
    record.newFrontCoverSource = args[4];
    record.newBackCoverSource = args[5];
    DieAtCrashPoint(args[6].toInt());
    return record.Save(bookId == 0, 1, args[2], *connection) ? 0 : 3;
}
