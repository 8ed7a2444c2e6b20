// The book list's filter: which books a text keeps, and the worker that runs
// it, where only the latest text's rows may ever come back.
#include "catalog/booklistfilter.h"
#include "catalog/sqlvalue.h"
#include "testcatalog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

namespace {

struct SampleBook
{
    int id;
    QString title, subtitle, author, isbn;
    int publisher; // 0: none
    int series;    // 0: none
};

// Books in several scripts, each with its words in other fields.
void addSampleBooks(TestCatalog &cat)
{
    cat.exec("INSERT INTO bookpublisher (PublisherID, Name) VALUES (1, 'Penguin Classics'), "
             "(2, 'Éditions Gallimard'), (3, 'Издательство Азбука')");
    cat.exec("INSERT INTO bookseries (SeriesID, Name) VALUES (1, 'Russian Library'), (2, '中国古典小说'), "
             "(3, 'Βιβλιοθήκη Αρχαίων')");
    const SampleBook books[] = {
        {1, "War and Peace", "", "Lev Tolstoy", "978-0-14-044793-4", 1, 1},
        {2, "L'Étranger", "roman", "Albert Camus", "9782070360024", 2, 0},
        {3, "Анна Каренина", "", "Léon Tolstoï", "", 3, 0},
        {4, "Η Οδύσσεια", "", "Όμηρος", "", 0, 3},
        {5, "红楼梦", "", "曹雪芹", "", 0, 2},
        {6, "The Peace Treaty", "a history", "Jane Doe", "", 0, 0},
        {7, "Numbers", "", "", "0-306-40615-2", 0, 0},
    };
    for (const SampleBook &b : books) {
        cat.exec(QString("INSERT INTO book (BookID, Title, Subtitle, Author, ISBN, PublisherID, SeriesID) "
                         "VALUES (%1, %2, %3, %4, %5, %6, %7)")
                     .arg(b.id)
                     .arg(FormatSqlValue(b.title, SqlText), FormatSqlValue(b.subtitle, SqlText),
                          FormatSqlValue(b.author, SqlText), FormatSqlValue(b.isbn, SqlText),
                          b.publisher ? QString::number(b.publisher) : QString("NULL"),
                          b.series ? QString::number(b.series) : QString("NULL")));
    }
}

const QVector<BookId> kAllSamples = {1, 2, 3, 4, 5, 6, 7};

QList<int> keptBooks(const BookFilterIndex &index, const QString &text, const QVector<BookId> &ids = kAllSamples)
{
    BookFilterWords words(text);
    QVector<int> rows;
    if (!index.filterRows(words, ids, rows))
        return {-1};
    QList<int> books;
    for (int row : rows)
        books << int(ids[row]);
    return books;
}

// count plain books "Book n" by "Author n", ids 1000 on.
void addManyBooks(TestCatalog &cat, int count)
{
    cat.exec(QString("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                     "INSERT INTO book (BookID, Title, Author) SELECT 999 + i, 'Book ' || i, 'Author ' || i "
                     "FROM n")
                 .arg(count));
}

} // namespace

class BookListFilterTest : public QObject
{
    Q_OBJECT

private slots:
    void words_keepBooksHoldingEveryWord_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("books");

        QTest::newRow("two words") << "tolst war" << QList<int>{1};
        QTest::newRow("any order") << "war tolst" << QList<int>{1};
        QTest::newRow("a word in two books") << "peace" << QList<int>{1, 6};
        QTest::newRow("a book lacking one word") << "peace war" << QList<int>{1};
        QTest::newRow("no book has all") << "war zebra" << QList<int>{};
        QTest::newRow("extra blanks") << "  war \t  tolstoy  " << QList<int>{1};
        QTest::newRow("case") << "WAR AND PEACE" << QList<int>{1};

        QTest::newRow("accent ignored: tolstoi") << "tolstoi" << QList<int>{3};
        QTest::newRow("accent typed: Tolstoï") << "Tolstoï" << QList<int>{3};
        QTest::newRow("tolsto finds both") << "tolsto" << QList<int>{1, 3};
        QTest::newRow("etranger") << "etranger" << QList<int>{2};
        QTest::newRow("ÉTRANGER") << "ÉTRANGER" << QList<int>{2};

        QTest::newRow("Cyrillic lower") << "каренина" << QList<int>{3};
        QTest::newRow("Cyrillic and Latin") << "КАРЕНИНА tolstoi" << QList<int>{3};
        QTest::newRow("Greek without accents") << "οδυσσεια" << QList<int>{4};
        QTest::newRow("Greek capitals") << "ΟΔΎΣΣΕΙΑ ομηρος" << QList<int>{4};
        QTest::newRow("Chinese title") << "红楼" << QList<int>{5};
        QTest::newRow("Chinese author and title") << "曹雪芹 梦" << QList<int>{5};

        QTest::newRow("ISBN typed with hyphens, stored with") << "978-0-14" << QList<int>{1};
        QTest::newRow("ISBN typed bare, stored with hyphens") << "978014" << QList<int>{1};
        QTest::newRow("ISBN typed with hyphens, stored bare") << "978-2-07" << QList<int>{2};
        QTest::newRow("ISBN typed bare, stored bare") << "9782070360024" << QList<int>{2};
        QTest::newRow("ISBN-13 of a stored ISBN-10") << "9780306406157" << QList<int>{7};
        QTest::newRow("ISBN-10 with final check") << "0-306-40615-2" << QList<int>{7};

        QTest::newRow("publisher") << "penguin" << QList<int>{1};
        QTest::newRow("publisher, accents") << "editions gallimard" << QList<int>{2};
        QTest::newRow("publisher, Cyrillic") << "азбука" << QList<int>{3};
        QTest::newRow("series") << "russian library" << QList<int>{1};
        QTest::newRow("series, Chinese") << "古典" << QList<int>{5};
        QTest::newRow("series, Greek") << "βιβλιοθηκη" << QList<int>{4};
        QTest::newRow("subtitle") << "roman" << QList<int>{2};
        QTest::newRow("words in different fields") << "history peace doe" << QList<int>{6};

        // Basic Search's wildcards, each word kept inside one field.
        QTest::newRow("underscore") << "w_r" << QList<int>{1};
        QTest::newRow("percent inside a field") << "war%peace" << QList<int>{1};
        QTest::newRow("percent never spans two fields") << "peace%tolstoy" << QList<int>{};
    }

    void words_keepBooksHoldingEveryWord()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, books);
        TestCatalog cat;
        addSampleBooks(cat);
        BookFilterIndex index;
        QVERIFY(index.load(cat.connection()));
        QCOMPARE(index.size(), 7);
        QCOMPARE(keptBooks(index, text), books);
    }

    void rows_keepListOrderAndBooksNotIndexed()
    {
        TestCatalog cat;
        addSampleBooks(cat);
        BookFilterIndex index;
        QVERIFY(index.load(cat.connection()));
        // The list's order, not the catalogue's; book 99 was added after the
        // index was read and is kept rather than hidden.
        QCOMPARE(keptBooks(index, "peace", {6, 99, 3, 1}), QList<int>({6, 99, 1}));
        QCOMPARE(keptBooks(index, "", {6, 3}), QList<int>({6, 3}));
    }

    void index_readsACatalogueWithoutSeries()
    {
        TestCatalog cat;
        addSampleBooks(cat);
        cat.exec("DROP INDEX book_series");
        cat.exec("ALTER TABLE book DROP COLUMN SeriesID");
        BookFilterIndex index;
        QVERIFY(index.load(cat.connection()));
        QCOMPARE(keptBooks(index, "tolstoy"), QList<int>{1});
        QCOMPARE(keptBooks(index, "russian"), QList<int>{});
    }

    void worker_deliversOnlyTheLatestRequest()
    {
        TestCatalog cat;
        addSampleBooks(cat);
        addManyBooks(cat, 20000);
        QVector<BookId> ids;
        for (BookId id = 1; id <= 7; ++id)
            ids << id;
        for (BookId id = 1000; id < 21000; ++id)
            ids << id;

        BookListFilter filter;
        filter.setCatalogue(cat.path());
        QSignalSpy delivered(&filter, &BookListFilter::rowsFiltered);
        // A first request reads the index, so that the next ones only scan.
        const int first = filter.request("zebra", ids);
        QVERIFY(delivered.wait(10000));
        QCOMPARE(delivered.takeFirst().at(0).toInt(), first);

        // The old request scans slowly (a pause of 0.2 s before each of its
        // many checks) and is in the middle of it when the new one comes.
        filter.setCheckDelayForTests(200);
        const int old = filter.request("book", ids);
        QTest::qWait(300);
        filter.setCheckDelayForTests(0);
        QElapsedTimer timer;
        timer.start();
        const int latest = filter.request("tolst war", ids);
        QVERIFY(latest != old);
        QVERIFY(delivered.wait(10000));
        // The old scan stopped at its next check instead of running to its end.
        QVERIFY2(timer.elapsed() < 700, qPrintable(QString::number(timer.elapsed())));
        QTest::qWait(500);
        QCOMPARE(delivered.size(), 1);
        const QList<QVariant> result = delivered.takeFirst();
        QCOMPARE(result.at(0).toInt(), latest);
        QCOMPARE(result.at(1).value<QVector<int>>(), QVector<int>{0});
        QVERIFY(result.at(2).toBool());
    }

    void worker_dropsAResultOnItsWayWhenANewRequestCame()
    {
        TestCatalog cat;
        addSampleBooks(cat);
        BookListFilter filter;
        filter.setCatalogue(cat.path());
        QSignalSpy delivered(&filter, &BookListFilter::rowsFiltered);
        filter.request("war", kAllSamples);
        // Finished on the worker, not yet delivered (no event loop ran): a
        // newer request makes it stale, and only the newer one arrives.
        QTest::qSleep(500);
        const int latest = filter.request("peace", kAllSamples);
        QTRY_COMPARE(delivered.size(), 1);
        QTest::qWait(100);
        QCOMPARE(delivered.size(), 1);
        QCOMPARE(delivered.at(0).at(0).toInt(), latest);
        QCOMPARE(delivered.at(0).at(1).value<QVector<int>>(), QVector<int>({0, 5}));

        filter.request("war", kAllSamples);
        filter.cancel();
        QTest::qWait(300);
        QCOMPARE(delivered.size(), 1);
    }

    void worker_readsTheIndexAgainAfterAChange()
    {
        TestCatalog cat;
        addSampleBooks(cat);
        BookListFilter filter;
        filter.setCatalogue(cat.path());
        QSignalSpy delivered(&filter, &BookListFilter::rowsFiltered);
        QVector<BookId> ids = kAllSamples;
        filter.request("anna", ids);
        QVERIFY(delivered.wait(5000));
        QCOMPARE(delivered.takeFirst().at(1).value<QVector<int>>(), QVector<int>{});

        // Committed through the program's own connection, as an edit is.
        cat.exec("UPDATE book SET Title = 'Anna Karenina' WHERE BookID = 6");
        cat.exec("INSERT INTO book (BookID, Title) VALUES (8, 'Anna Karenina, annotated')");
        ids << 8;
        filter.request("anna", ids);
        QVERIFY(delivered.wait(5000));
        QCOMPARE(delivered.takeFirst().at(1).value<QVector<int>>(), QVector<int>({5, 7}));
    }

    void worker_withoutACatalogueHidesNothing()
    {
        BookListFilter filter;
        filter.setCatalogue(QDir::temp().filePath("no-such-catalogue.mdb"));
        QSignalSpy delivered(&filter, &BookListFilter::rowsFiltered);
        filter.request("war", {4, 5});
        QVERIFY(delivered.wait(5000));
        QCOMPARE(delivered.at(0).at(1).value<QVector<int>>(), QVector<int>({0, 1}));
        QVERIFY(!delivered.at(0).at(2).toBool());
    }
};

QTEST_GUILESS_MAIN(BookListFilterTest)
#include "booklistfilter_test.moc"
