#include "catalog/booklistquery.h"
#include "catalog/booklistsort.h"
#include "catalog/connection.h"
#include "catalog/recordset.h"
#include "catalog/sqlvalue.h"
#include "recordingmessenger.h"
#include "testcatalog.h"

#include <QTest>
#include <tuple>

namespace {

void addBook(TestCatalog &cat, int id, const QString &title,
             const QString &publisherId = QStringLiteral("NULL"))
{
    cat.exec(QStringLiteral("INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, Edition) "
                            "VALUES (%1, %2, 'Author %1', %3, 'ISBN%1', 'Ed %1')")
                 .arg(id)
                 .arg(FormatSqlValue(title, SqlText), publisherId));
}

void addMember(TestCatalog &cat, int bookId, int catId)
{
    cat.exec(
        QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (%1, %2)").arg(bookId).arg(catId));
}

QVector<int> idsOf(const BookListRows &rows)
{
    QVector<int> ids;
    for (qsizetype row = 0; row < rows.size(); ++row)
        ids << rows.bookId(row);
    return ids;
}

QVector<int> load(TestCatalog &cat, int category)
{
    BookListRows rows;
    if (LoadBookListRows(cat.connection(), category, rows) != BookListLoad::Loaded)
        return {-1};
    return idsOf(rows);
}

} // namespace

class BookListQueryTest : public QObject
{
    Q_OBJECT

private slots:
    // The list's quick text reads give what FieldToText gives, whatever the
    // column holds (text, numbers in text columns, text in number columns,
    // NULL, dates).
    void fieldText_readsLikeFieldToText()
    {
        SKIP_ON_SERVER("a server column holds no text in a number column");
        TestCatalog cat;
        cat.exec("INSERT INTO book (BookID, Title, Author, ISBN, Edition, PageCount, ReleaseDate) VALUES "
                 "(1, 'Ἰλιάς 红楼梦', NULL, 1234, 'Первое', 'x12', 'Jan 05, 2004')");
        Recordset rs;
        QVERIFY(rs.open(cat.connection(),
                        "SELECT BookID, Title, Author, ISBN, Edition, PageCount, ReleaseDate "
                        "FROM book"));
        for (int i = 0; i < rs.fieldCount(); ++i)
            QCOMPARE(rs.fieldText(i), FieldToText(rs.field(i)));
        QCOMPARE(rs.fieldText(1), QString("Ἰλιάς 红楼梦"));
        QCOMPARE(rs.fieldText(99), QString());
    }

    // All Books is read from the index alone.
    void listIndexCoversTheListedColumns()
    {
        SKIP_ON_SERVER("reads the file's schema table");
        TestCatalog cat;
        QCOMPARE(cat.count("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND name = 'book_rows'"),
                 1);
        Recordset rs;
        QVERIFY(rs.open(cat.connection(), "EXPLAIN QUERY PLAN " + BookListSql(AllBooksCategory)));
        QString details;
        for (; !rs.isEOF(); rs.moveNext())
            details += rs.fieldText(rs.fieldCount() - 1) + "\n";
        QVERIFY2(details.contains("COVERING INDEX book_rows"), qPrintable(details));
    }

    void sql_byCategory_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("sql");
        QTest::newRow("all books")
            << 5
            << "SELECT BookID, Title, Author, PublisherID, ISBN, Edition, DateAdded FROM book ORDER BY "
               "Title DESC";
        QTest::newRow("recycle bin")
            << 6
            << "SELECT BookID, Title, Author, PublisherID, ISBN, Edition, DateAdded FROM book WHERE "
               "BookID NOT IN (SELECT DISTINCT BookID FROM book_category) ORDER BY Title "
               "DESC";
        QTest::newRow("user category")
            << 32
            << "SELECT book.BookID, Title, Author, PublisherID, ISBN, Edition, DateAdded FROM book, "
               "book_category WHERE book.BookID = book_category.BookID AND "
               "book_category.CatID = 32 ORDER BY Title DESC";
        QTest::newRow("no category yet")
            << -1
            << "SELECT book.BookID, Title, Author, PublisherID, ISBN, Edition, DateAdded FROM "
               "book, book_category WHERE book.BookID = book_category.BookID AND "
               "book_category.CatID = -1 ORDER BY Title DESC";
    }
    void sql_byCategory()
    {
        QFETCH(int, category);
        QFETCH(QString, sql);
        QCOMPARE(BookListSql(category), sql);
    }

    // The shown order is the descending query read backwards: ascending
    // without regard to case, equal titles in the reverse of the query's order.
    void allBooks_ascendingTitles_equalTitlesReversedFromQuery()
    {
        TestCatalog cat;
        addBook(cat, 1, "banana");
        addBook(cat, 2, "apple");
        addBook(cat, 3, "Banana");
        addBook(cat, 4, "Cherry");
        addBook(cat, 5, "apple");
        addBook(cat, 6, "APPLE pie");

        QVector<int> queryOrder;
        Recordset rs;
        QVERIFY(rs.open(cat.connection(), BookListSql(5)));
        for (; !rs.isEOF(); rs.moveNext())
            queryOrder.prepend(rs.field(0).toInt());

        const QVector<int> shown = load(cat, 5);
        QCOMPARE(shown, queryOrder);
        QCOMPARE(shown, (QVector<int>{2, 5, 6, 1, 3, 4}));
    }

    void recycleBin_holdsExactlyBooksWithoutMembership()
    {
        TestCatalog cat;
        cat.exec("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Novels', 1)");
        addBook(cat, 1, "In Favorites");
        addBook(cat, 2, "Nowhere B");
        addBook(cat, 3, "In a user category");
        addBook(cat, 4, "Nowhere A");
        addBook(cat, 5, "In two");
        addMember(cat, 1, 2);
        addMember(cat, 3, 32);
        addMember(cat, 5, 1);
        addMember(cat, 5, 4);

        QCOMPARE(load(cat, 6), (QVector<int>{4, 2}));
        QCOMPARE(load(cat, 32), (QVector<int>{3}));
        QCOMPARE(load(cat, 2), (QVector<int>{1}));
        QCOMPARE(load(cat, 5).size(), 5);
        QCOMPARE(load(cat, -1), QVector<int>());
    }

    void rows_carryColumnTextsAndPublisherNames()
    {
        TestCatalog cat;
        cat.exec("INSERT INTO bookpublisher (PublisherID, Name) VALUES (7, 'Addison-Wesley')");
        cat.exec("INSERT INTO bookpublisher (PublisherID, Name) VALUES (8, NULL)");
        addBook(cat, 1, "A", "7");
        addBook(cat, 2, "B", "NULL");
        addBook(cat, 3, "C", "99"); // no such publisher
        addBook(cat, 4, "D", "8");
        addBook(cat, 5, "E", "7");

        BookListRows rows;
        QCOMPARE(LoadBookListRows(cat.connection(), 5, rows), BookListLoad::Loaded);
        QCOMPARE(rows.size(), 5);
        const QStringList expected = {"Addison-Wesley", "", "", "", "Addison-Wesley"};
        for (int i = 0; i < rows.size(); ++i)
            QCOMPARE(rows.text(i, 2), expected.at(i));
        const BookListRow first = rows.row(0);
        QCOMPARE(first.bookId, 1);
        QCOMPARE(first.title, QStringLiteral("A"));
        QCOMPARE(first.author, QStringLiteral("Author 1"));
        QCOMPARE(first.isbn, QStringLiteral("ISBN1"));
        QCOMPARE(first.edition, QStringLiteral("Ed 1"));
        QCOMPARE(first.text(0), first.title);
        QCOMPARE(first.text(2), first.publisher);
        QCOMPARE(first.text(4), first.edition);
    }

    // Every cell is decoded on its own into the rows' shared buffer: texts in
    // any script, a broken byte sequence that must not spill into the next
    // column, a leading byte order mark dropped as everywhere else, and an edited
    // row that leaves its neighbours alone.
    void rows_keepEveryTextAsStored()
    {
        TestCatalog cat;
        cat.exec(QStringLiteral("INSERT INTO book (BookID, Title, Author, ISBN, Edition) VALUES "
                                "(1, 'Война и мир', 'Λέων Τολστόι', '978-5', '战争与和平 😀'), "
                                "(2, 'Bá' || CAST(X'C3' AS TEXT), CAST(X'EFBBBF41' AS TEXT), 'é', ''), "
                                "(3, 'Zürich', NULL, NULL, 'Ré-édition')"));
        BookListRows rows;
        QCOMPARE(LoadBookListRows(cat.connection(), 5, rows), BookListLoad::Loaded);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.row(0).title, QStringLiteral("Bá") + QString::fromUtf8("\xC3", 1));
        QCOMPARE(rows.text(0, 1), QString::fromUtf8("\xEF\xBB\xBF" "A"));
        QCOMPARE(rows.text(0, 3), QStringLiteral("é"));
        // Latin titles come before Cyrillic ones.
        QCOMPARE(rows.text(1, 0), QStringLiteral("Zürich"));
        QCOMPARE(rows.text(1, 4), QStringLiteral("Ré-édition"));
        QVERIFY(rows.text(1, 1).isEmpty());
        QCOMPARE(rows.text(2, 0), QStringLiteral("Война и мир"));
        QCOMPARE(rows.text(2, 1), QStringLiteral("Λέων Τολστόι"));
        QCOMPARE(rows.text(2, 4), QStringLiteral("战争与和平 😀"));

        BookListRow edited = rows.row(2);
        edited.title = QStringLiteral("Анна Каренина");
        rows.replace(2, edited);
        rows.replace(7, edited); // no such row: nothing happens
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.text(2, 0), QStringLiteral("Анна Каренина"));
        QCOMPARE(rows.text(2, 4), QStringLiteral("战争与和平 😀"));
        QCOMPARE(rows.text(1, 0), QStringLiteral("Zürich"));
        rows.reorder({2, 0, 1});
        QCOMPARE(rows.bookId(0), 1);
        QCOMPARE(rows.text(0, 0), QStringLiteral("Анна Каренина"));
        QCOMPARE(rows.text(2, 0), QStringLiteral("Zürich"));
    }

    void nullTexts_readAsEmpty()
    {
        TestCatalog cat;
        cat.exec("INSERT INTO book (BookID) VALUES (3)");
        BookListRows rows;
        QCOMPARE(LoadBookListRows(cat.connection(), 5, rows), BookListLoad::Loaded);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.bookId(0), 3);
        QVERIFY(rows.text(0, 0).isEmpty());
        QVERIFY(rows.text(0, 1).isEmpty());
    }

    // The date a book was added is a list column that sorts as a date; a
    // read-only catalogue of an earlier version (no such column) still lists.
    void dateAddedColumn_sortsByDate_andMayBeMissing()
    {
        TestCatalog cat;
        addBook(cat, 1, "Ἰλιάς");
        addBook(cat, 2, "红楼梦");
        addBook(cat, 3, "Война и мир");
        cat.exec("UPDATE book SET DateAdded='2024-12-01' WHERE BookID=1");
        cat.exec("UPDATE book SET DateAdded='2019-03-14' WHERE BookID=2");
        BookListRows rows;
        QCOMPARE(LoadBookListRows(cat.connection(), 5, rows), BookListLoad::Loaded);
        SortBookListRows(rows, 5, true);
        QCOMPARE(rows.bookId(0), 3); // no date first
        QCOMPARE(rows.text(1, 5).toString(), QStringLiteral("2019-03-14"));
        QCOMPARE(rows.text(2, 5).toString(), QStringLiteral("2024-12-01"));
        BookListRow one;
        QVERIFY(LoadBookListRow(cat.connection(), 1, one));
        QCOMPARE(one.dateAdded, QStringLiteral("2024-12-01"));

        cat.exec("DROP INDEX book_rows");
        cat.exec("ALTER TABLE book DROP COLUMN DateAdded");
        auto reader = Connection::openReader(cat.path());
        QVERIFY(reader);
        QCOMPARE(LoadBookListRows(*reader, 5, rows), BookListLoad::Loaded);
        QCOMPARE(rows.size(), 3);
        QVERIFY(rows.text(0, 5).isEmpty());
        QVERIFY(LoadBookListRow(*reader, 1, one));
        QCOMPARE(one.title, QStringLiteral("Ἰλιάς"));
        QVERIFY(one.dateAdded.isEmpty());
    }

    // Series come with the rows only when asked; sorting by series orders
    // the names, then the numbers by value whatever script or numeral they
    // are written in, and puts books in no series last.
    void seriesColumns_readWhenAsked_sortByNameThenNumber()
    {
        TestCatalog cat;
        cat.exec("INSERT INTO bookseries (SeriesID, Name) VALUES (1, 'Discworld'), (2, 'Ἀργοναυτικά')");
        const QList<std::tuple<int, QString, int, QString>> books = {
            {1, "Small Gods", 1, "13"},        {2, "Mort", 1, "4"},          {3, "Colour of Magic", 1, "1"},
            {4, "Βιβλίο Γ", 2, "III"},         {5, "No series", 0, ""},      {6, "Βιβλίο Α", 2, "I"},
            {7, "Equal Rites", 1, "3.5"},      {8, "Interesting Times", 1, "Book 17"}};
        for (const auto &[id, title, series, number] : books) {
            addBook(cat, id, title);
            cat.exec(QStringLiteral("UPDATE book SET SeriesID=%1, SeriesNumber=%2 WHERE BookID=%3")
                         .arg(series ? QString::number(series) : QStringLiteral("NULL"),
                              number.isEmpty() ? QStringLiteral("NULL") : FormatSqlValue(number, SqlText))
                         .arg(id));
        }
        BookListRows rows;
        QCOMPARE(LoadBookListRows(cat.connection(), 5, rows), BookListLoad::Loaded);
        QVERIFY(rows.text(0, BookListRows::SeriesColumn).isEmpty()); // not asked for
        QCOMPARE(LoadBookListRows(cat.connection(), 5, rows, true), BookListLoad::Loaded);
        SortBookListRows(rows, BookListRows::SeriesColumn, true);
        QCOMPARE(idsOf(rows), (QVector<int>{3, 7, 2, 1, 8, 6, 4, 5}));
        QCOMPARE(rows.text(0, BookListRows::SeriesColumn).toString(), QStringLiteral("Discworld"));
        QCOMPARE(rows.text(5, BookListRows::SeriesNumberColumn).toString(), QStringLiteral("I"));
        SortBookListRows(rows, BookListRows::SeriesColumn, false);
        QCOMPARE(idsOf(rows), (QVector<int>{4, 6, 8, 1, 2, 7, 3, 5}));

        // On Loan lists carry the loan columns and the series side by side.
        cat.exec("INSERT INTO borrower (BorrowerID, Name) VALUES (1, 'Ана')");
        cat.exec("INSERT INTO loan (BookID, BorrowerID, Direction, LoanDate) VALUES (2, 1, 0, '2025-01-02')");
        QCOMPARE(LoadBookListRows(cat.connection(), OnLoanCategory, rows, true), BookListLoad::Loaded);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.text(0, 6).toString(), QStringLiteral("Ана"));
        QCOMPARE(rows.text(0, BookListRows::SeriesNumberColumn).toString(), QStringLiteral("4"));

        BookListRow one;
        QVERIFY(LoadBookListRow(cat.connection(), 4, one));
        QCOMPARE(one.series, QStringLiteral("Ἀργοναυτικά"));
        QCOMPARE(one.seriesNumber, QStringLiteral("III"));

        // A read-only catalogue of an older version has no series to show.
        cat.exec("DROP INDEX book_series");
        cat.exec("ALTER TABLE book DROP COLUMN SeriesNumber");
        cat.exec("ALTER TABLE book DROP COLUMN SeriesID");
        auto reader = Connection::openReader(cat.path());
        QVERIFY(reader);
        QCOMPARE(LoadBookListRows(*reader, 5, rows, true), BookListLoad::Loaded);
        QCOMPARE(rows.size(), 8);
        QVERIFY(rows.text(0, BookListRows::SeriesColumn).isEmpty());
    }

    void queryThatCannotRun_failsQuietlyWithNoRows()
    {
        RecordingMessenger messenger;
        TestCatalog cat;
        addBook(cat, 1, "A");
        cat.exec("ALTER TABLE book RENAME COLUMN Edition TO Printing");
        BookListRows rows;
        rows.append(BookListRow{});
        QCOMPARE(LoadBookListRows(cat.connection(), 5, rows), BookListLoad::OpenFailed);
        QVERIFY(rows.isEmpty());
        QVERIFY(messenger.messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(BookListQueryTest)
#include "booklistquery_test.moc"
