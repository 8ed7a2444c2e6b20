// Rows left behind by deletions made outside the program (the stock shell
// runs with foreign keys off) and by "PRAGMA foreign_keys=OFF" in Run SQL.
#include "catalog/bookrecord.h"
#include "catalog/ordodoc.h"
#include "catalog/orphanrows.h"
#include "catalog/recordset.h"
#include "catalog/sqlconsole.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {

// A book in the root collection and in Favorites, with two links.
void addLinkedBook(TestCatalog &cat, int id, const QString &title)
{
    cat.exec(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (%1, '%2')").arg(id).arg(title));
    cat.exec(QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (%1, 1)").arg(id));
    cat.exec(QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (%1, 2)").arg(id));
    cat.exec(
        QStringLiteral("INSERT INTO link (BookID, LinkID, Name, Path) VALUES (%1, 1, 'Старая ссылка', 'a')")
            .arg(id));
    cat.exec(
        QStringLiteral("INSERT INTO link (BookID, LinkID, Name, Path) VALUES (%1, 2, 'Παλιό', 'b')").arg(id));
}

// Runs statements in the stock sqlite3 shell, as a user would.
bool shell(const QString &path, const QString &sql)
{
    const QString binary = QStandardPaths::findExecutable("sqlite3");
    if (binary.isEmpty())
        return false;
    QProcess process;
    process.start(binary, {path, sql});
    return process.waitForFinished(30000) && process.exitCode() == 0;
}

} // namespace

class OrphanRowsTest : public QObject
{
    Q_OBJECT

private slots:
    void newBook_doesNotInheritRowsOfADeletedBook()
    {
        RecordingMessenger messenger;
        TestSettings settings;
        TestCatalog cat;
        addLinkedBook(cat, 1, "Kept");
        addLinkedBook(cat, 2, "Deleted in the shell");
        if (!shell(cat.path(), "DELETE FROM book WHERE BookID=2;"))
            QSKIP("the sqlite3 shell is not installed");
        QCOMPARE(cat.count("SELECT COUNT(*) FROM link WHERE BookID=2"), 2);

        CBookRecord r;
        r.Title = "Новая книга";
        r.links.append(CLinkEntry{QString(), "Own link", "c", QString()});
        QVERIFY(r.Save(true, 4, QDir::tempPath(), cat.connection()));
        QCOMPARE(cat.count("SELECT MAX(BookID) FROM book"), 2); // the freed number
        QCOMPARE(cat.scalar("SELECT group_concat(Name) FROM link WHERE BookID=2"), QString("Own link"));
        QCOMPARE(cat.scalar("SELECT group_concat(CatID) FROM book_category WHERE BookID=2"), QString("4"));
        // The other book is untouched.
        QCOMPARE(cat.count("SELECT COUNT(*) FROM link WHERE BookID=1"), 2);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book_category WHERE BookID=1"), 2);
        QVERIFY(messenger.messages.isEmpty());
    }

    void open_removesOrphanRowsAndSaysSoOnce()
    {
        RecordingMessenger messenger;
        TestSettings settings;
        TestCatalog cat;
        addLinkedBook(cat, 1, "Kept");
        addLinkedBook(cat, 2, "Gone");
        cat.exec("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Parent', 1)");
        cat.exec("INSERT INTO category (CatID, Name, ParentID) VALUES (33, 'Child', 32)");
        cat.exec("INSERT INTO category (CatID, Name, ParentID) VALUES (34, 'Grandchild', 33)");
        cat.exec("INSERT INTO book_category (BookID, CatID) VALUES (1, 34)");
        if (!shell(cat.path(), "DELETE FROM book WHERE BookID=2; DELETE FROM category WHERE CatID=32;"))
            QSKIP("the sqlite3 shell is not installed");

        COrdoDoc doc;
        QSignalSpy spy(&doc, &COrdoDoc::orphanRowsRemoved);
        QVERIFY(doc.OnOpenDocument(cat.path()));
        // Two memberships and two links of book 2, category 33 (its parent
        // is gone); 34 and its membership go with 33.
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().first().toInt(), 5);
        QCOMPARE(doc.lastOrphanRowCount(), 5);
        Connection &c = *doc.connection();
        const auto count = [&c](const char *sql) {
            auto rs = c.execute(QString::fromLatin1(sql));
            return rs ? rs->field(0).toInt() : -1;
        };
        QCOMPARE(count("SELECT COUNT(*) FROM link"), 2);
        QCOMPARE(count("SELECT COUNT(*) FROM book_category"), 2);
        QCOMPARE(count("SELECT COUNT(*) FROM category WHERE CatID >= 32"), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM pragma_foreign_key_check"), 0);
        QVERIFY(messenger.messages.isEmpty()); // the status bar tells, no box

        // A clean catalogue says nothing at the next open.
        COrdoDoc again;
        QSignalSpy quiet(&again, &COrdoDoc::orphanRowsRemoved);
        QVERIFY(again.OnOpenDocument(cat.path()));
        QCOMPARE(quiet.count(), 0);
        QCOMPARE(RemoveOrphanRows(*again.connection()), 0);
    }

    void orphanText_countsInEnglish()
    {
        // The source text counts with %n; without the English forms loaded
        // the core still names the number.
        QVERIFY(COrdoDoc::OrphanRowsRemovedText(3).contains("3"));
    }

    void runSql_foreignKeysOffLastsOneStatementOnly()
    {
        RecordingMessenger messenger;
        TestCatalog cat;
        addLinkedBook(cat, 1, "Edited after the pragma");
        QVERIFY(cat.connection().foreignKeysEnforced());

        SqlRunResult result = RunSql(cat.connection(), "PRAGMA foreign_keys=OFF");
        QVERIFY(result.ok);
        QVERIFY(cat.connection().foreignKeysEnforced());
        // Also after a statement that fails.
        QVERIFY(!RunSql(cat.connection(), "PRAGMA foreign_keys=OFF; SELEC").ok);
        QVERIFY(cat.connection().foreignKeysEnforced());

        // Saving an edited book (delete, then insert) leaves one copy of its
        // links and memberships, and deleting a book takes them along.
        CBookRecord r;
        QVERIFY(r.Load(1, cat.connection()));
        r.Title = "Отредактировано";
        QVERIFY(r.Save(false, 1, QDir::tempPath(), cat.connection()));
        QCOMPARE(cat.count("SELECT COUNT(*) FROM link WHERE BookID=1"), 2);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book_category WHERE BookID=1"), 2);
        result = RunSql(cat.connection(), "DELETE FROM book WHERE BookID=1");
        QVERIFY(result.ok);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM link"), 0);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book_category"), 0);
    }
};

QTEST_GUILESS_MAIN(OrphanRowsTest)
#include "orphanrows_test.moc"
