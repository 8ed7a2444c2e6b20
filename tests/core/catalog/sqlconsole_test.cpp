#include "catalog/connection.h"
#include "catalog/recordset.h"
#include "catalog/sqlconsole.h"
#include "recordingmessenger.h"
#include "testcatalog.h"

#include <QTest>
#include <QThread>
#include <sqlite3.h>

namespace {

void addBooks(TestCatalog &cat, int count)
{
    for (int id = 1; id <= count; ++id)
        cat.exec(QStringLiteral("INSERT INTO book (BookID, Title, PublisherID) VALUES (%1, 'Book %1', %2)")
                     .arg(id)
                     .arg(id % 2 ? QStringLiteral("1") : QStringLiteral("NULL")));
}

QString resultText(int affected, int rows)
{
    return QStringLiteral("Records affected: %1\nNumber of records in the returned recordset: %2")
        .arg(affected)
        .arg(rows);
}

} // namespace

class SqlConsoleTest : public QObject
{
    Q_OBJECT

private slots:
    void statement_reportsAffectedOrReturnedRows_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("affected");
        QTest::addColumn<int>("rows");

        QTest::newRow("update of 5 rows") << "UPDATE book SET Notes='x' WHERE BookID<=5" << 5 << 0;
        QTest::newRow("update of no row") << "UPDATE book SET Notes='x' WHERE BookID>100" << 0 << 0;
        QTest::newRow("select") << "SELECT * FROM book" << 0 << 7;
        QTest::newRow("select without rows") << "SELECT * FROM book WHERE ISBN IS NOT NULL" << 0 << 0;
        QTest::newRow("aggregate") << "SELECT PublisherID, COUNT(*) FROM book GROUP BY PublisherID" << 0 << 2;
        QTest::newRow("delete") << "DELETE FROM book WHERE PublisherID IS NULL" << 3 << 0;
        QTest::newRow("blanks and semicolon") << "  SELECT 1;  \n" << 0 << 1;
        QTest::newRow("trailing comment") << "SELECT 1; -- done" << 0 << 1;
    }

    void statement_reportsAffectedOrReturnedRows()
    {
        QFETCH(QString, sql);
        QFETCH(int, affected);
        QFETCH(int, rows);
        TestCatalog cat;
        RecordingMessenger m;
        addBooks(cat, 7);

        const bool refill = RunSqlCommand(cat.connection(), sql);
        QCOMPARE(refill, affected != 0);
        QCOMPARE(m.messages, QStringList{resultText(affected, rows)});
        QCOMPARE(m.icons.first(), IMessenger::Icon::Information);
    }

    // A statement that changes no rows reports 0 and leaves the tree alone,
    // whatever the statement before it changed.
    void schemaStatementAfterAnUpdate_reportsNoRecordsAffected()
    {
        TestCatalog cat;
        addBooks(cat, 7);
        QCOMPARE(RunSql(cat.connection(), "UPDATE book SET Notes='x' WHERE BookID<=5").recordsAffected,
                 qint64(5));

        RecordingMessenger m;
        QVERIFY(!RunSqlCommand(cat.connection(), "CREATE TABLE extra (a INTEGER)"));
        QCOMPARE(m.messages, QStringList{resultText(0, 0)});
    }

    void update_changesTheCatalogue()
    {
        TestCatalog cat;
        addBooks(cat, 7);
        const SqlRunResult r = RunSql(cat.connection(), "UPDATE book SET Notes='seen' WHERE BookID<=5");
        QVERIFY(r.ok);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book WHERE Notes='seen'"), 5);
    }

    void syntaxError_showsStatementAndEngineMessageOnly()
    {
        SKIP_ON_SERVER("the server words its messages its own way");
        TestCatalog cat;
        RecordingMessenger m;
        addBooks(cat, 2);

        QVERIFY(!RunSqlCommand(cat.connection(), "  SELEC * FROM book "));
        QCOMPARE(m.messages.size(), 1);
        QCOMPARE(m.icons.first(), IMessenger::Icon::Error);
        QCOMPARE(m.messages.first(), QString("SELEC * FROM book\nnear \"SELEC\": syntax error"));
    }

    void twoStatements_areRefusedUnrun()
    {
        TestCatalog cat;
        RecordingMessenger m;
        addBooks(cat, 3);

        const QString sql = "UPDATE book SET Notes='a'; DELETE FROM book";
        QVERIFY(!RunSqlCommand(cat.connection(), sql));
        QCOMPARE(m.messages, QStringList{sql + "\nOnly one SQL statement can be run at a time."});
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book WHERE Notes IS NULL"), 3);
    }

    void constraintError_isShown()
    {
        SKIP_ON_SERVER("the server words its messages its own way");
        TestCatalog cat;
        RecordingMessenger m;
        addBooks(cat, 1);
        const SqlRunResult r = RunSql(cat.connection(), "INSERT INTO book (BookID) VALUES (1)");
        QVERIFY(!r.ok);
        QVERIFY(r.error.message.contains("UNIQUE"));
        QVERIFY(m.messages.isEmpty()); // RunSql itself shows nothing
    }

    void begin_doesNotLeaveChangesUncommitted()
    {
        SKIP_ON_SERVER("the server only warns about a COMMIT without a transaction");
        TestCatalog cat;
        RecordingMessenger m;
        addBooks(cat, 2);

        QVERIFY(RunSql(cat.connection(), "BEGIN").ok);
        QVERIFY(!cat.connection().inTransaction());
        QVERIFY(RunSql(cat.connection(), "UPDATE book SET Notes='kept'").ok);
        auto other = Connection::open(cat.path());
        QVERIFY(other);
        auto rs = other->execute("SELECT COUNT(*) FROM book WHERE Notes='kept'");
        QVERIFY(rs);
        QCOMPARE(rs->field(0).toInt(), 2);
        // COMMIT without a transaction is the engine's error, shown as such.
        QVERIFY(!RunSqlCommand(cat.connection(), "COMMIT"));
        QCOMPARE(m.messages.size(), 1);
        QVERIFY(m.messages.first().startsWith("COMMIT\n"));
    }

    // Stop in the console: interrupting from another thread ends a statement
    // that would never finish, and the catalogue stays usable.
    void runningStatement_canBeInterrupted()
    {
        SKIP_ON_SERVER("the stop is reported with the file engine's code");
        TestCatalog cat;
        addBooks(cat, 3);
        SqlRunResult result;
        QThread *worker = QThread::create([&] {
            result = RunSql(
                cat.connection(),
                "WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x+1 FROM c) SELECT COUNT(*) FROM c");
        });
        worker->start();
        QTest::qWait(200);
        QVERIFY(!worker->isFinished());
        cat.connection().interrupt();
        QVERIFY(worker->wait(10000));
        delete worker;
        QVERIFY(!result.ok);
        QCOMPARE(result.error.code & 0xff, SQLITE_INTERRUPT);
        QVERIFY(!cat.connection().inTransaction());
        QCOMPARE(RunSql(cat.connection(), "DELETE FROM book WHERE BookID=1").recordsAffected, qint64(1));
    }

    // Counts beyond 32 bits are written out whole.
    void resultText_takesCountsBeyond32Bits()
    {
        SqlRunResult r;
        r.ok = true;
        r.recordsAffected = 3000000000LL;
        r.rowCount = 5000000000LL;
        QCOMPARE(
            SqlResultText(r),
            QString("Records affected: 3000000000\nNumber of records in the returned recordset: 5000000000"));
    }
};

QTEST_GUILESS_MAIN(SqlConsoleTest)
#include "sqlconsole_test.moc"
