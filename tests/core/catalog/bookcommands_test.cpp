#include "catalog/bookcommands.h"
#include "catalog/booklistquery.h"
#include "recordingmessenger.h"
#include "testcatalog.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

void addBook(TestCatalog &cat, int id, const QString &front = QStringLiteral("NULL"),
             const QString &back = QStringLiteral("NULL"))
{
    cat.exec(QStringLiteral(
                 "INSERT INTO book (BookID, Title, FrontCover, BackCover) VALUES (%1, 'Book %1', %2, %3)")
                 .arg(id)
                 .arg(front, back));
}

void addMember(TestCatalog &cat, int bookId, int catId)
{
    cat.exec(
        QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (%1, %2)").arg(bookId).arg(catId));
}

int members(TestCatalog &cat, int bookId)
{
    return cat.count(QStringLiteral("SELECT COUNT(*) FROM book_category WHERE BookID=%1").arg(bookId));
}

bool bookExists(TestCatalog &cat, int bookId)
{
    return cat.count(QStringLiteral("SELECT COUNT(*) FROM book WHERE BookID=%1").arg(bookId)) == 1;
}

void touch(const QString &path)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write("x");
}

// Books 1..3 in the user category 32, book 1 also in Favorites.
void fillCategories(TestCatalog &cat)
{
    cat.exec("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Novels', 1)");
    for (int id = 1; id <= 3; ++id) {
        addBook(cat, id);
        addMember(cat, id, 32);
    }
    addMember(cat, 1, 2);
}

} // namespace

class BookCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void removeQuestion_dependsOnRecycleBin_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("question");
        const QString fromCategory =
            "Are you sure you want to remove the selected book(s) from this category?";
        QTest::newRow("recycle bin") << 6
                                     << "Are you sure you want to permanently delete the selected book(s)?";
        QTest::newRow("all books") << 5 << fromCategory;
        QTest::newRow("favorites") << 2 << fromCategory;
        QTest::newRow("user") << 40 << fromCategory;
    }
    void removeQuestion_dependsOnRecycleBin()
    {
        QFETCH(int, category);
        QFETCH(QString, question);
        QCOMPARE(RemoveBooksQuestion(category), question);
    }

    void allBooks_removesEveryMembership_booksGoToRecycleBin()
    {
        RecordingMessenger messenger;
        TestCatalog cat;
        fillCategories(cat);
        QCOMPARE(DeleteSelectedBooks(cat.connection(), 5, {1, 2}, cat.dir()), 0);
        QCOMPARE(members(cat, 1), 0);
        QCOMPARE(members(cat, 2), 0);
        QCOMPARE(members(cat, 3), 1);
        QVERIFY(bookExists(cat, 1));
        BookListRows rows;
        QCOMPARE(LoadBookListRows(cat.connection(), 6, rows), BookListLoad::Loaded);
        QCOMPARE(rows.size(), 2);
        QVERIFY(messenger.messages.isEmpty());
    }

    void userCategory_removesOnlyThatMembership()
    {
        TestCatalog cat;
        fillCategories(cat);
        QCOMPARE(DeleteSelectedBooks(cat.connection(), 32, {1, 3}, cat.dir()), 0);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book_category WHERE CatID=32"), 1);
        QCOMPARE(members(cat, 1), 1); // still a favourite
        QCOMPARE(members(cat, 3), 0);
    }

    void recycleBin_deletesBooksLinksAndCoverFiles()
    {
        RecordingMessenger messenger;
        TestCatalog cat;
        const QString images = cat.dir() + "/test_images";
        QVERIFY(QDir().mkpath(images));
        addBook(cat, 12, "'12.jpg'", "'12b.jpg'");
        addBook(cat, 13, "'13.jpg'", "'13b.gif'"); // back cover file missing
        addBook(cat, 14, "'14.jpg'");
        cat.exec("INSERT INTO link (BookID, LinkID, Name, Path) VALUES (12, 1, 'home', 'http://x')");
        touch(images + "/12.jpg");
        touch(images + "/12b.jpg");
        touch(images + "/13.jpg");
        touch(images + "/14.jpg");

        QCOMPARE(DeleteSelectedBooks(cat.connection(), 6, {12, 13}, images), 0);
        QVERIFY(!bookExists(cat, 12));
        QVERIFY(!bookExists(cat, 13));
        QVERIFY(bookExists(cat, 14));
        QCOMPARE(cat.count("SELECT COUNT(*) FROM link"), 0);
        QVERIFY(!QFile::exists(images + "/12.jpg"));
        QVERIFY(!QFile::exists(images + "/12b.jpg"));
        QVERIFY(!QFile::exists(images + "/13.jpg"));
        QVERIFY(QFile::exists(images + "/14.jpg"));
        QVERIFY(messenger.messages.isEmpty());
    }

    // A stored cover name is a file name in the images folder, never a path.
    void recycleBin_neverDeletesOutsideImagesFolder()
    {
        TestCatalog cat;
        const QString images = cat.dir() + "/test_images";
        QVERIFY(QDir().mkpath(images));
        touch(cat.dir() + "/precious.txt");
        addBook(cat, 1, "'../precious.txt'", "'..'");
        QCOMPARE(DeleteSelectedBooks(cat.connection(), 6, {1}, images), 0);
        QVERIFY(!bookExists(cat, 1));
        QVERIFY(QFile::exists(cat.dir() + "/precious.txt"));
        QVERIFY(QDir(images).exists());
    }

    // Each failing statement is shown with its SQL and the engine's message;
    // the others still take effect.
    void failingStatement_isShownAndTheRestIsKept_data()
    {
        QTest::addColumn<QString>("raise");
        QTest::newRow("statement aborted") << "ABORT";
        // The engine drops the whole transaction here: the statements that had
        // worked must be redone.
        QTest::newRow("transaction rolled back") << "ROLLBACK";
    }
    void failingStatement_isShownAndTheRestIsKept()
    {
        SKIP_ON_SERVER("the failure is made with a file trigger");
        QFETCH(QString, raise);
        RecordingMessenger messenger;
        TestCatalog cat;
        fillCategories(cat);
        cat.exec(QStringLiteral("CREATE TRIGGER keep2 BEFORE DELETE ON book_category WHEN OLD.BookID=2 "
                                "BEGIN SELECT RAISE(%1, 'book 2 is locked'); END")
                     .arg(raise));

        QCOMPARE(DeleteSelectedBooks(cat.connection(), 32, {1, 2, 3}, cat.dir()), 1);
        QCOMPARE(messenger.messages,
                 QStringList{"DELETE FROM book_category WHERE CatID=32 AND BookID=2\nbook 2 is locked"});
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book_category WHERE CatID=32"), 1);
        QCOMPARE(members(cat, 2), 1);
        QVERIFY(!cat.connection().inTransaction());
    }

    void recycleBin_failedDelete_keepsTheCovers()
    {
        SKIP_ON_SERVER("the failure is made with a file trigger");
        RecordingMessenger messenger;
        TestCatalog cat;
        addBook(cat, 1, "'1.jpg'");
        addBook(cat, 2, "'2.jpg'");
        touch(cat.dir() + "/1.jpg");
        touch(cat.dir() + "/2.jpg");
        cat.exec("CREATE TRIGGER keep1 BEFORE DELETE ON book WHEN OLD.BookID=1 BEGIN SELECT RAISE(ABORT, "
                 "'no'); END");
        QCOMPARE(DeleteSelectedBooks(cat.connection(), 6, {1, 2}, cat.dir()), 1);
        QCOMPARE(messenger.messages.size(), 1);
        QVERIFY(bookExists(cat, 1));
        QVERIFY(QFile::exists(cat.dir() + "/1.jpg"));
        QVERIFY(!QFile::exists(cat.dir() + "/2.jpg"));
    }

    void sendTo_addsMembershipsAndIsSilentOnDuplicates()
    {
        RecordingMessenger messenger;
        TestCatalog cat;
        fillCategories(cat);
        QCOMPARE(SendBooksTo(cat.connection(), {1, 2, 3}, 2), 2);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book_category WHERE CatID=2"), 3);
        QCOMPARE(SendBooksTo(cat.connection(), {3}, 4), 1);
        QCOMPARE(SendBooksTo(cat.connection(), {1, 2, 3}, 2), 0);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book_category WHERE CatID=2"), 3);
        QVERIFY(messenger.messages.isEmpty());
        QVERIFY(!cat.connection().inTransaction());
    }

    // Inside a caller's transaction the work joins it instead of committing.
    void callerTransaction_isJoined()
    {
        TestCatalog cat;
        fillCategories(cat);
        {
            Transaction transaction(cat.connection());
            QCOMPARE(SendBooksTo(cat.connection(), {2, 3}, 4), 2);
            QVERIFY(cat.connection().inTransaction());
        } // rolled back
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book_category WHERE CatID=4"), 0);
    }
};

QTEST_GUILESS_MAIN(BookCommandsTest)
#include "bookcommands_test.moc"
