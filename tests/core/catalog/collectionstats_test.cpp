// Tools > Statistics' numbers: every total and series checked against SQL
// written here on its own, for each kind of scope, and older catalogues
// without the reading log, the loans or Date Added.
#include "catalog/collectionstats.h"
#include "catalog/connection.h"
#include "catalog/recordset.h"

#include "testcatalog.h"

#include <QMap>
#include <QTest>

namespace {

using CountMap = QMap<QString, qint64>;

CountMap mapOf(const StatsSeries &series)
{
    CountMap map;
    for (const StatsCount &c : series)
        map.insert(c.label, c.count);
    return map;
}

CountMap sqlMap(Connection &connection, const QString &sql)
{
    CountMap map;
    Recordset rs;
    if (!rs.open(connection, sql))
        qFatal("%s", qPrintable(sql));
    for (; !rs.isEOF(); rs.moveNext())
        map.insert(rs.fieldText(0), rs.field(1).value.toLongLong());
    return map;
}

// Labels that differ only in letter case are one (the engine's lower() knows
// A-Z only).
CountMap folded(const CountMap &map)
{
    CountMap out;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        out[it.key().toLower()] += it.value();
    return out;
}

bool byCountDescending(const StatsSeries &series)
{
    for (int i = 1; i < series.size(); ++i) {
        if (series.at(i - 1).count < series.at(i).count)
            return false;
    }
    return true;
}

// Seven books in five scripts, categories two deep with a name used twice,
// prices as plain numbers and with currencies, readings over two years and
// loans in both directions. Book 7 is in no category.
void fill(TestCatalog &cat)
{
    cat.exec("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Fiction', 1), (33, 'Русская проза', 32), "
             "(34, 'Ποίηση', 1), (35, '中文', 34), (36, 'Novels', 32), (37, 'Novels', 34)");
    cat.exec("INSERT INTO booklanguage (LanguageID, Name) VALUES (3, 'Français'), (4, 'Русский'), (5, 'Ελληνικά'), "
             "(6, 'français')");
    cat.exec("INSERT INTO bookpublisher (PublisherID, Name) VALUES (1, 'Gallimard'), (2, 'Эксмо'), (3, 'Κέδρος'), "
             "(4, '人民文学出版社'), (5, 'Emecé'), (6, 'gallimard')");
    cat.exec("INSERT INTO book (BookID, Title, Author, PublisherID, LanguageID, BindingID, ReleaseDate, PageCount, "
             "PurchasePrice, ListPrice, DateAdded) VALUES "
             "(1, 'L''Étranger', 'Albert Camus', 1, 3, 1, '1942-05-19', 185, 12.5, 15, '2023-01-10'),"
             "(2, 'Война и мир', 'Лев Толстой', 2, 4, 2, '1869-01-01', 1225, '€20,00', 'EUR 25.00', '2023-06-01'),"
             "(3, 'Анна Каренина', 'Лев Толстой', 2, 4, 1, '1878', 864, 9.9, NULL, '2024-02-02'),"
             "(4, 'Η Οδύσσεια', 'Όμηρος', 3, 5, 2, '1990-03-04', 500, 'USD 9.40', '12.00 usd', NULL),"
             "(5, '红楼梦', '曹雪芹', 4, 2, NULL, '1791-01-01', 2500, 30, 35, '2024-12-31'),"
             "(6, 'Ficciones', 'Jorge Luis Borges / Adolfo Bioy Casares', 5, NULL, 1, '1944', NULL, NULL, NULL, ''),"
             "(7, 'Ärger', 'Zoë Ångström', 6, 6, 2, '1995-01-01', 100, 7.25, 8, '2024-05-05')");
    cat.exec("INSERT INTO book_category (BookID, CatID) VALUES (1, 32), (2, 33), (3, 33), (3, 36), (4, 34), (5, 35), "
             "(5, 37), (6, 37), (6, 2)");
    cat.exec("INSERT INTO reading (BookID, ReadingID, Started, Finished, Completed) VALUES "
             "(1, 1, '2023-03-01', '2023-03-15', 1), (1, 2, '2024-03-01', '2024-03-20', 1), "
             "(2, 1, NULL, '2023-03-01', 1), (3, 1, '2024-01-01', NULL, 0), (5, 1, NULL, '2024-12-01', 1), "
             "(4, 1, NULL, '2024-03-05', 1), (6, 1, NULL, '', 1)");
    cat.exec("INSERT INTO borrower (BorrowerID, Name) VALUES (1, 'Мария'), (2, 'Ζωή'), (3, '王芳')");
    cat.exec("INSERT INTO loan (BookID, BorrowerID, Direction, LoanDate, ReturnDate) VALUES "
             "(1, 1, 0, '2023-01-01', '2023-02-01'), (1, 2, 0, '2024-01-01', NULL), "
             "(2, 1, 0, '2023-05-01', '2023-06-01'), (5, 3, 0, '2024-06-01', NULL), (4, 2, 1, '2024-02-01', NULL)");
}

// The scope's books as a condition on BookID, spelt out by hand.
struct ScopeCase
{
    const char *name;
    StatsScope scope;
    QString books; // "1, 2, 3"; empty: every book
};

QList<ScopeCase> scopeCases()
{
    auto category = [](CategoryId id) {
        StatsScope s;
        s.kind = StatsScope::Category;
        s.category = id;
        return s;
    };
    StatsScope selection;
    selection.kind = StatsScope::Selection;
    selection.books = {2, 5, 7, 5, 999}; // a repeat and a book that is gone
    return {
        {"whole catalogue", StatsScope{}, ""},
        {"All Books", category(5), ""},
        {"Fiction and below", category(32), "1, 2, 3"},
        {"Ποίηση and below", category(34), "4, 5, 6"},
        {"a leaf", category(35), "5"},
        {"Recycle Bin", category(6), "7"},
        {"On Loan", category(7), "1, 5"},
        {"Borrowed", category(8), "4"},
        {"selection", selection, "2, 5, 7"},
    };
}

// "<table.>BookID IN (...)", or a condition every row meets.
QString inScope(const QString &books, const QString &table = QString())
{
    return books.isEmpty() ? QString("1") : table + "BookID IN (" + books + ")";
}

void compareWithSql(Connection &sql, const CollectionStats &s, const QString &books)
{
    QVERIFY2(s.ok, qPrintable(s.error));
    const QString where = " WHERE " + inScope(books);
    QCOMPARE(s.books, sqlMap(sql, "SELECT 'n', COUNT(*) FROM book" + where).value("n"));
    QCOMPARE(s.pages, sqlMap(sql, "SELECT 'n', TOTAL(PageCount) FROM book" + where).value("n"));

    // Authors: the field split at " / ".
    const QString names = "WITH RECURSIVE part(name, rest, id) AS (SELECT '', Author || ' / ', BookID FROM book" +
                          where + " AND Author <> '' UNION ALL SELECT substr(rest, 1, instr(rest, ' / ') - 1), "
                                  "substr(rest, instr(rest, ' / ') + 3), id FROM part WHERE rest <> '') ";
    const CountMap authors =
        sqlMap(sql, names + "SELECT name, COUNT(*) FROM part WHERE name <> '' GROUP BY name");
    QCOMPARE(s.authors, qint64(authors.size()));
    QCOMPARE(mapOf(s.topAuthors), authors);
    QVERIFY(byCountDescending(s.topAuthors));

    // Publishers by name, letter case aside (Gallimard and gallimard).
    const CountMap publishers =
        folded(sqlMap(sql, "SELECT p.Name, COUNT(*) FROM book b JOIN bookpublisher p ON p.PublisherID = "
                           "b.PublisherID WHERE " + inScope(books, "b.") + " GROUP BY p.Name COLLATE BINARY"));
    QCOMPARE(s.publishers, qint64(publishers.size()));
    QCOMPARE(folded(mapOf(s.topPublishers)), publishers);

    const CountMap languages =
        folded(sqlMap(sql, "SELECT COALESCE(l.Name, ''), COUNT(*) FROM book b LEFT JOIN booklanguage l "
                           "ON l.LanguageID = b.LanguageID WHERE " + inScope(books, "b.") + " GROUP BY l.Name COLLATE BINARY"));
    QCOMPARE(folded(mapOf(s.languages)), languages);
    QVERIFY(byCountDescending(s.languages));
    QCOMPARE(mapOf(s.bindings), sqlMap(sql, "SELECT COALESCE(x.Name, ''), COUNT(*) FROM book b LEFT JOIN "
                                            "bookbinding x ON x.BindingID = b.BindingID WHERE " + inScope(books, "b.") +
                                                " GROUP BY x.Name"));
    QCOMPARE(mapOf(s.decades), sqlMap(sql, "SELECT CAST(substr(ReleaseDate, 1, 4) AS INTEGER) / 10 * 10, COUNT(*) "
                                           "FROM book" + where + " AND ReleaseDate <> '' GROUP BY 1"));
    QCOMPARE(mapOf(s.addedPerYear), sqlMap(sql, "SELECT substr(DateAdded, 1, 4), COUNT(*) FROM book" + where +
                                                    " AND DateAdded <> '' GROUP BY 1"));
    QCOMPARE(mapOf(s.categories),
             sqlMap(sql, "WITH g AS (SELECT c.CatID, c.Name, c.ParentID, COUNT(*) AS n FROM book_category bc JOIN "
                         "category c ON c.CatID = bc.CatID WHERE " + inScope(books, "bc.") + " GROUP BY c.CatID) "
                         "SELECT CASE WHEN (SELECT COUNT(*) FROM g AS h WHERE h.Name = g.Name) > 1 THEN (SELECT "
                         "Name FROM category WHERE CatID = g.ParentID) || ' / ' || g.Name ELSE g.Name END, n "
                         "FROM g"));
    QCOMPARE(mapOf(s.readPerMonth), sqlMap(sql, "SELECT substr(Finished, 1, 7), COUNT(*) FROM reading" + where +
                                                    " AND Finished <> '' GROUP BY 1"));
    QCOMPARE(mapOf(s.readPerYear), sqlMap(sql, "SELECT substr(Finished, 1, 4), COUNT(*) FROM reading" + where +
                                                   " AND Finished <> '' GROUP BY 1"));
    QCOMPARE(mapOf(s.loansPerBorrower),
             sqlMap(sql, "SELECT r.Name, COUNT(*) FROM loan l JOIN borrower r ON r.BorrowerID = l.BorrowerID "
                         "WHERE l.Direction = 0 AND " + inScope(books, "l.") + " GROUP BY r.Name"));
    // Time series run in time order.
    for (const StatsSeries *series : {&s.decades, &s.addedPerYear, &s.readPerMonth, &s.readPerYear}) {
        for (int i = 1; i < series->size(); ++i)
            QVERIFY(series->at(i - 1).label < series->at(i).label);
    }
}

QString valueText(const QVector<PriceTotal> &totals)
{
    QStringList parts;
    for (const PriceTotal &t : totals)
        parts << QString("%1=%2/%3").arg(t.currency).arg(t.amount, 0, 'f', 2).arg(t.books);
    return parts.join(' ');
}

} // namespace

class CollectionStatsTest : public QObject
{
    Q_OBJECT

private slots:
    void everyScope_matchesSqlOfItsOwn_data()
    {
        QTest::addColumn<int>("index");
        const QList<ScopeCase> cases = scopeCases();
        for (int i = 0; i < cases.size(); ++i)
            QTest::newRow(cases.at(i).name) << i;
    }
    void everyScope_matchesSqlOfItsOwn()
    {
        QFETCH(int, index);
        TestCatalog cat;
        fill(cat);
        const ScopeCase c = scopeCases().at(index);
        auto reader = Connection::openReader(cat.path());
        QVERIFY(reader);
        compareWithSql(cat.connection(), ComputeCollectionStats(*reader, c.scope), c.books);
        // The two halves counted on connections of their own add up the same.
        auto second = Connection::openReader(cat.path());
        const CollectionStats merged =
            MergeCollectionStats(ComputeCollectionStats(*reader, c.scope, nullptr, StatsPart::BookTable),
                                 ComputeCollectionStats(*second, c.scope, nullptr, StatsPart::Others));
        compareWithSql(cat.connection(), merged, c.books);
    }

    void knownNumbers_ofTheWholeCatalogue()
    {
        TestCatalog cat;
        fill(cat);
        auto reader = Connection::openReader(cat.path());
        const CollectionStats s = ComputeCollectionStats(*reader, StatsScope{});
        QCOMPARE(s.books, 7);
        // Camus, Толстой, Όμηρος, 曹雪芹, Borges, Bioy Casares, Ångström.
        QCOMPARE(s.authors, 7);
        QCOMPARE(s.topAuthors.first(), (StatsCount{"Лев Толстой", 2}));
        QCOMPARE(s.publishers, 5);
        QCOMPARE(s.topPublishers.first(), (StatsCount{"Gallimard", 2}));
        // Français and français are one language.
        QCOMPARE(mapOf(s.languages).value("Français"), 2);
        QCOMPARE(mapOf(s.languages).value(""), 1);
        QCOMPARE(s.pages, 185 + 1225 + 864 + 500 + 2500 + 100);
        // Plain numbers first, then each currency once.
        QCOMPARE(valueText(s.purchaseValue), QString("=59.65/4 EUR=20.00/1 USD=9.40/1"));
        QCOMPARE(valueText(s.listValue), QString("=58.00/3 EUR=25.00/1 USD=12.00/1"));
        QCOMPARE(mapOf(s.decades), (CountMap{{"1790", 1}, {"1860", 1}, {"1870", 1}, {"1940", 2}, {"1990", 2}}));
        QCOMPARE(mapOf(s.readPerYear), (CountMap{{"2023", 2}, {"2024", 3}}));
        QCOMPARE(mapOf(s.readPerMonth), (CountMap{{"2023-03", 2}, {"2024-03", 2}, {"2024-12", 1}}));
        QCOMPARE(s.loansPerBorrower, (StatsSeries{{"Мария", 2}, {"Ζωή", 1}, {"王芳", 1}}));
        QVERIFY(mapOf(s.categories).contains("Fiction / Novels"));
        QVERIFY(mapOf(s.categories).contains("Ποίηση / Novels"));
    }

    void manyAuthors_keepTheTwentyLargest()
    {
        TestCatalog cat;
        cat.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 30) "
                 "INSERT INTO book (BookID, Author) SELECT i, 'Автор ' || (i % 25) FROM n");
        auto reader = Connection::openReader(cat.path());
        const CollectionStats s = ComputeCollectionStats(*reader, StatsScope{});
        QCOMPARE(s.authors, 25);
        QCOMPARE(s.topAuthors.size(), CollectionStats::kTopCount);
        // The five authors with two books come first.
        for (int i = 0; i < 5; ++i)
            QCOMPARE(s.topAuthors.at(i).count, 2);
    }

    void olderCatalogue_withoutReadingsLoansOrDateAdded_givesEmptySeries()
    {
        TestCatalog cat;
        fill(cat);
        cat.exec("DROP TABLE reading");
        cat.exec("DROP TABLE loan");
        cat.exec("DROP TABLE borrower");
        cat.exec("DROP INDEX book_rows");
        cat.exec("ALTER TABLE book DROP COLUMN DateAdded");
        auto reader = Connection::openReader(cat.path());
        for (const ScopeCase &c : scopeCases()) {
            const CollectionStats s = ComputeCollectionStats(*reader, c.scope);
            QVERIFY2(s.ok, qPrintable(QString(c.name) + ": " + s.error));
            QVERIFY(s.readPerMonth.isEmpty() && s.readPerYear.isEmpty());
            QVERIFY(s.loansPerBorrower.isEmpty() && s.addedPerYear.isEmpty());
            if (c.scope.kind == StatsScope::Category && (c.scope.category == 7 || c.scope.category == 8))
                QCOMPARE(s.books, 0); // no loans, no books out
            else
                QCOMPARE(s.books, cat.count("SELECT COUNT(*) FROM book WHERE " + inScope(c.books)));
        }
    }

    void cancelled_stopsWithoutAnError()
    {
        TestCatalog cat;
        fill(cat);
        auto reader = Connection::openReader(cat.path());
        const std::atomic_bool cancel{true};
        const CollectionStats s = ComputeCollectionStats(*reader, StatsScope{}, &cancel);
        QVERIFY(!s.ok);
        QVERIFY(s.error.isEmpty());
    }

    void priceCurrency_namesTheCodeOnce()
    {
        QCOMPARE(PriceCurrency("12.50"), QString());
        QCOMPARE(PriceCurrency("€12,50"), QString("EUR"));
        QCOMPARE(PriceCurrency("12,50 €"), QString("EUR"));
        QCOMPARE(PriceCurrency("eur 12.50"), QString("EUR"));
        QCOMPARE(PriceCurrency("£ 1,234.50"), QString("GBP"));
        QCOMPARE(PriceCurrency("₽ 500"), QString("₽"));
        QCOMPARE(PriceCurrency("¥3000"), QString("¥"));
    }
};

QTEST_GUILESS_MAIN(CollectionStatsTest)
#include "collectionstats_test.moc"
