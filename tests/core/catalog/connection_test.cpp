#include "catalog/connection.h"
#include "catalog/recordset.h"
#include "catalog/sqlvalue.h"
#include "testcatalog.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray fileHash(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}
} // namespace

class ConnectionTest : public QObject
{
    Q_OBJECT

private slots:
    void open_missingFile_isNotCreated()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/missing.mdb";
        DbError error;
        QVERIFY(!Connection::open(path, &error));
        QVERIFY(error.isSet());
        QVERIFY(!QFile::exists(path));
    }

    void open_nonDatabase_isRefusedAndUntouched()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/notes.mdb";
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("Standard Jet DB, or so it claims\n").repeated(200));
        f.close();
        const QByteArray before = fileHash(path);
        const QDateTime modified = QFileInfo(path).lastModified();

        DbError error;
        QVERIFY(!Connection::open(path, &error));
        QVERIFY(error.message.contains("not a database"));
        QCOMPARE(fileHash(path), before);
        QCOMPARE(QFileInfo(path).lastModified(), modified);
        QVERIFY(!QFile::exists(path + "-journal"));
    }

    void names_matchWithoutRegardToCase()
    {
        TestCatalog cat;
        QCOMPARE(cat.scalar("SELECT name FROM BOOKBINDING WHERE bindingid=2"), QString("Paperback"));
        Recordset rs;
        QVERIFY(rs.open(cat.connection(), "SELECT PublisherID, Name FROM bookpublisher"));
        QCOMPARE(rs.fieldIndex("publisherID"), 0);
        QCOMPARE(rs.fieldIndex("NAME"), 1);
        QCOMPARE(rs.fieldIndex("nothing"), -1);
    }

    void textComparison_ignoresCase()
    {
        TestCatalog cat;
        QCOMPARE(cat.count("SELECT COUNT(*) FROM bookbinding WHERE Name='paperback'"), 1);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM bookstatus WHERE Name LIKE '%LIST%'"), 1);
        cat.exec("INSERT INTO book (BookID, Title) VALUES (1, 'The Art of Computer Programming')");
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book WHERE Title LIKE '%art OF%'"), 1);
    }

    void dates_roundTripAndSortChronologically()
    {
        TestCatalog cat;
        cat.exec("INSERT INTO book (BookID, Title, ReleaseDate) VALUES (1, 'a', 'Jan 05, 2004')");
        cat.exec("INSERT INTO book (BookID, Title, ReleaseDate) VALUES (2, 'b', 'Dec 31, 1999')");
        cat.exec("INSERT INTO book (BookID, Title, ReleaseDate) VALUES (3, 'c', '2001-06-15')");
        cat.exec("INSERT INTO book (BookID, Title, ReleaseDate) VALUES (4, 'd', 'Feb 3, 2003')");
        QCOMPARE(cat.scalar("SELECT ReleaseDate FROM book WHERE BookID=1"), QString("Jan 05, 2004"));
        QCOMPARE(cat.scalar("SELECT ReleaseDate FROM book WHERE BookID=4"), QString("Feb 03, 2003"));
        QCOMPARE(cat.scalar("SELECT group_concat(BookID) FROM (SELECT BookID FROM book ORDER BY ReleaseDate)"),
                 QString("2,3,4,1"));
        // An update through free SQL is stored the same way.
        cat.exec("UPDATE book SET PurchaseDate='Mar 09, 2010' WHERE BookID=2");
        QCOMPARE(cat.scalar("SELECT PurchaseDate FROM book WHERE BookID=2"), QString("Mar 09, 2010"));
        // The stored form is plain ISO text, readable by any tool.
        QCOMPARE(cat.scalar("SELECT CAST(ReleaseDate AS TEXT) FROM book WHERE BookID=1"), QString("2004-01-05"));
    }

    void deletes_cascadeToMembershipsLinksAndSubCategories()
    {
        TestCatalog cat;
        cat.exec("INSERT INTO book (BookID, Title) VALUES (1, 'a')");
        cat.exec("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'x', 1)");
        cat.exec("INSERT INTO category (CatID, Name, ParentID) VALUES (33, 'y', 32)");
        cat.exec("INSERT INTO book_category (BookID, CatID) VALUES (1, 33)");
        cat.exec("INSERT INTO book_category (BookID, CatID) VALUES (1, 2)");
        cat.exec("INSERT INTO link (BookID, LinkID, Name, Path) VALUES (1, 1, 'n', 'p')");

        cat.exec("DELETE FROM category WHERE CatID=32");
        QCOMPARE(cat.count("SELECT COUNT(*) FROM category WHERE CatID IN (32, 33)"), 0);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book_category"), 1);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book"), 1);

        cat.exec("DELETE FROM book WHERE BookID=1");
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book_category"), 0);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM link"), 0);
    }

    void insert_existingKeyFails()
    {
        TestCatalog cat;
        DbError error;
        QVERIFY(!cat.connection().execute("INSERT INTO category(CatID, Name) VALUES(3, 'Search Results')", nullptr, &error));
        QVERIFY(error.isSet());
        cat.exec("INSERT INTO book (BookID, Title) VALUES (1, 'a')");
        cat.exec("INSERT INTO book_category(BookID,CatID) VALUES(1,2)");
        QVERIFY(!cat.connection().execute("INSERT INTO book_category(BookID,CatID) VALUES(1,2)", nullptr, &error));
    }

    void queries_notInSubqueryJoinAndMax()
    {
        TestCatalog cat;
        for (int id : {1, 2, 9})
            cat.exec(QString("INSERT INTO book (BookID, Title) VALUES (%1, 'b%1')").arg(id));
        cat.exec("INSERT INTO book_category (BookID, CatID) VALUES (2, 1)");
        QCOMPARE(cat.scalar("SELECT group_concat(BookID) FROM (SELECT BookID FROM book WHERE BookID NOT IN "
                            "(SELECT DISTINCT BookID FROM book_category) ORDER BY Title DESC)"),
                 QString("9,1"));
        QCOMPARE(cat.scalar("SELECT book.BookID FROM book, book_category WHERE book.BookID = "
                            "book_category.BookID AND book_category.CatID = 1"),
                 QString("2"));
        QCOMPARE(cat.count("SELECT MAX(BookID) FROM book") + 1, 10);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book"), 3);
    }

    void execute_countsAffectedRowsAndReturnsRows()
    {
        TestCatalog cat;
        for (int id = 1; id <= 5; ++id)
            cat.exec(QString("INSERT INTO book (BookID, Title) VALUES (%1, 't')").arg(id));
        qint64 affected = -1;
        auto rs = cat.connection().execute("UPDATE book SET Edition='2nd'", &affected);
        QVERIFY(rs);
        QCOMPARE(affected, qint64(5));
        QVERIFY(!rs->isOpen());

        rs = cat.connection().execute("SELECT BookID FROM book", &affected);
        QVERIFY(rs && rs->isOpen());
        QCOMPARE(affected, qint64(0));
        int rows = 0;
        while (!rs->isEOF()) {
            ++rows;
            rs->moveNext();
        }
        QCOMPARE(rows, 5);
    }

    // The engine keeps the count of the last INSERT, UPDATE or DELETE until
    // the next one: statements of other kinds and a reused recordset must
    // not report it again.
    void execute_countsOnlyWhatThisStatementChanged()
    {
        TestCatalog cat;
        for (int id = 1; id <= 5; ++id)
            cat.exec(QString("INSERT INTO book (BookID, Title) VALUES (%1, 't')").arg(id));
        qint64 affected = -1;
        QVERIFY(cat.connection().execute("UPDATE book SET Edition='2nd'", &affected));
        QCOMPARE(affected, qint64(5));
        for (const char *sql : {"CREATE TABLE extra (a INTEGER)", "CREATE INDEX book_isbn ON book(ISBN)",
                                "DROP TABLE extra", "PRAGMA user_version = 7"}) {
            affected = -1;
            QVERIFY2(cat.connection().execute(sql, &affected), sql);
            QCOMPARE(affected, qint64(0));
        }

        Recordset rs;
        QVERIFY(rs.open(cat.connection(), "DELETE FROM book WHERE BookID<=2"));
        QCOMPARE(rs.recordsAffected(), 2);
        QVERIFY(rs.open(cat.connection(), "SELECT * FROM book"));
        QCOMPARE(rs.recordsAffected(), 0);
    }

    void execute_refusesASecondStatement()
    {
        TestCatalog cat;
        DbError error;
        QVERIFY(!cat.connection().execute("DELETE FROM book; DROP TABLE book", nullptr, &error));
        QVERIFY(error.message.contains("one SQL statement"));
        QCOMPARE(cat.count("SELECT COUNT(*) FROM sqlite_master WHERE name='book'"), 1);
        QVERIFY(cat.connection().execute("SELECT 1; -- a comment is fine", nullptr, &error));
        QVERIFY(cat.connection().execute("SELECT 1;  ", nullptr, &error));
    }

    void transaction_rollsBackWithoutCommit()
    {
        TestCatalog cat;
        {
            Transaction t(cat.connection());
            QVERIFY(t.isActive());
            cat.exec("INSERT INTO book (BookID, Title) VALUES (1, 'a')");
        }
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book"), 0);
        {
            Transaction t(cat.connection());
            cat.exec("INSERT INTO book (BookID, Title) VALUES (1, 'a')");
            QVERIFY(t.commit());
        }
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book"), 1);
    }

    void template_isUsableFromTheSqliteShell()
    {
        TestCatalog cat;
        cat.connection();
        QProcess shell;
        shell.start("sqlite3", {cat.path(), "PRAGMA foreign_keys=ON; "
                                            "INSERT INTO book (BookID, Title, ReleaseDate) VALUES (7, 'Shell', 'Jan 05, 2004'); "
                                            "SELECT BookID, Title, ReleaseDate FROM book;"});
        if (!shell.waitForStarted())
            QSKIP("sqlite3 shell not installed");
        QVERIFY(shell.waitForFinished());
        QCOMPARE(shell.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(shell.readAllStandardOutput()).trimmed(), QString("7|Shell|2004-01-05"));
        QCOMPARE(cat.scalar("SELECT Title FROM book WHERE BookID=7"), QString("Shell"));
    }
};

QTEST_GUILESS_MAIN(ConnectionTest)
#include "connection_test.moc"
