// Statistics and Basic Search give the same answers on a server catalogue as
// on the file it was copied from.
#include "catalog/basicsearch.h"
#include "catalog/cataloguecopy.h"
#include "catalog/collectionstats.h"
#include "catalog/connection.h"
#include "catalog/recordset.h"
#include "testcatalog.h"
#include "testserver.h"

#include <QTest>

namespace {

void fill(TestCatalog &cat)
{
    cat.exec("INSERT INTO category (CatID, Name, ParentID) VALUES (10, 'Романы', 1), (11, '小說', 10)");
    cat.exec("INSERT INTO bookpublisher (PublisherID, Name) VALUES (1, 'Gallimard'), (2, 'Азбука'), (3, 'gallimard ')");
    cat.exec("INSERT INTO booklanguage (LanguageID, Name) VALUES (3, 'Français'), (4, 'Русский')");
    cat.exec("INSERT INTO book (BookID, Title, Author, PublisherID, LanguageID, BindingID, ReleaseDate, PageCount, "
             "PurchasePrice, ListPrice, DateAdded, Description) VALUES "
             "(1, 'L''Étranger', 'Albert Camus', 1, 3, 1, '1942-05-19', 185, 12.5, 15, '2023-01-10', 'Un roman'), "
             "(2, 'Война и мир', 'Лев Толстой', 2, 4, 2, '1869-01-01', 1225, 20, 25, '2023-06-01', NULL), "
             "(3, 'Анна Каренина', 'Лев Толстой', 2, 4, 1, 1878, 864, 9.9, NULL, '2024-02-02', 'РОМАН'), "
             "(4, 'Η Οδύσσεια', 'Όμηρος', 3, NULL, 2, '1990-03-04', 500, NULL, 12, NULL, NULL), "
             "(5, '红楼梦', '曹雪芹', NULL, 2, NULL, '1791-01-01', 2500, 30, 35, '2024-12-31', '小说'), "
             "(6, 'Ficciones', 'Jorge Luis Borges / Adolfo Bioy Casares', 1, NULL, 1, 1944, NULL, NULL, NULL, NULL, NULL)");
    cat.exec("INSERT INTO book_category (BookID, CatID) VALUES (1, 1), (2, 10), (3, 10), (4, 11), (5, 11), (6, 2)");
    cat.exec("INSERT INTO reading (BookID, ReadingID, Started, Finished, Completed) VALUES "
             "(2, 1, '2024-01-05', '2024-03-17', 1), (2, 2, '2025-01-01', NULL, 0), (5, 1, NULL, 2024, 1)");
    cat.exec("INSERT INTO borrower (BorrowerID, Name) VALUES (1, 'Ярослава'), (2, 'Zoë')");
    cat.exec("INSERT INTO loan (LoanID, BookID, BorrowerID, Direction, LoanDate, DueDate, ReturnDate) VALUES "
             "(1, 1, 1, 0, '2025-01-01', '2025-02-01', NULL), (2, 3, 2, 0, '2024-01-01', NULL, '2024-02-01'), "
             "(3, 4, 1, 1, '2025-03-01', NULL, NULL)");
}

QStringList lines(const CollectionStats &s)
{
    QStringList out;
    out << QStringLiteral("books %1 authors %2 publishers %3 pages %4").arg(s.books).arg(s.authors).arg(s.publishers).arg(s.pages);
    for (const PriceTotal &p : s.purchaseValue)
        out << QStringLiteral("purchase %1 %2 %3").arg(p.currency).arg(p.amount).arg(p.books);
    for (const PriceTotal &p : s.listValue)
        out << QStringLiteral("list %1 %2 %3").arg(p.currency).arg(p.amount).arg(p.books);
    const QVector<QPair<const char *, const StatsSeries *>> series = {
        {"categories", &s.categories}, {"authors", &s.topAuthors}, {"publishers", &s.topPublishers},
        {"languages", &s.languages},   {"bindings", &s.bindings},  {"decades", &s.decades},
        {"added", &s.addedPerYear},    {"month", &s.readPerMonth}, {"year", &s.readPerYear},
        {"loans", &s.loansPerBorrower}};
    for (const auto &[name, rows] : series) {
        for (const StatsCount &row : *rows)
            out << QStringLiteral("%1: %2 = %3").arg(QLatin1String(name), row.label).arg(row.count);
    }
    return out;
}

QList<BookId> found(Connection &c, const BasicSearchCriteria &criteria)
{
    QList<BookId> ids;
    Recordset rs;
    if (!rs.open(c, BasicSearchSql(criteria, true, true) + QStringLiteral(" ORDER BY BookID")))
        return {-1};
    for (; !rs.isEOF(); rs.moveNext())
        ids << rs.int64Field(0);
    return ids;
}

} // namespace

class SameStatisticsTest : public QObject
{
    Q_OBJECT

    TestCatalog *m_file = nullptr;
    std::shared_ptr<Connection> m_server;

private slots:
    void initTestCase()
    {
        if (!TestServer::available())
            QSKIP("no test server (ORDO_TEST_PGDIR)");
        m_file = new TestCatalog;
        fill(*m_file);
        m_server = TestServer::open(TestServer::newCatalogue());
        CatalogueCopy copy;
        copy.from = &m_file->connection();
        copy.to = m_server.get();
        DbError error;
        QVERIFY2(copy.run(&error), qPrintable(error.message));
    }
    void cleanupTestCase() { delete m_file; }

    void statisticsAreTheSame_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<qint64>("category");
        QTest::newRow("whole catalogue") << int(StatsScope::WholeCatalogue) << qint64(0);
        QTest::newRow("category with sub-categories") << int(StatsScope::Category) << qint64(10);
        QTest::newRow("selection") << int(StatsScope::Selection) << qint64(0);
    }
    void statisticsAreTheSame()
    {
        QFETCH(int, kind);
        QFETCH(qint64, category);
        StatsScope scope;
        scope.kind = StatsScope::Kind(kind);
        scope.category = category;
        scope.books = {1, 3, 5, 6};
        const CollectionStats onFile = ComputeCollectionStats(m_file->connection(), scope);
        const CollectionStats onServer = ComputeCollectionStats(*m_server, scope);
        QVERIFY2(onFile.ok, qPrintable(onFile.error));
        QVERIFY2(onServer.ok, qPrintable(onServer.error));
        QVERIFY(onFile.books > 0);
        QCOMPARE(lines(onServer), lines(onFile));
    }

    void basicSearchFindsTheSameBooks_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<bool>("ignoreAccents");
        QTest::newRow("accent ignored") << QStringLiteral("etranger") << true;
        QTest::newRow("accent kept") << QStringLiteral("etranger") << false;
        QTest::newRow("Cyrillic case") << QStringLiteral("РОМАН") << false;
        QTest::newRow("Greek") << QStringLiteral("οδύσ") << false;
        QTest::newRow("Chinese") << QStringLiteral("小说") << false;
        QTest::newRow("borrower") << QStringLiteral("ярослава") << false;
        QTest::newRow("wildcard") << QStringLiteral("a_na") << false;
    }
    void basicSearchFindsTheSameBooks()
    {
        QFETCH(QString, keyword);
        QFETCH(bool, ignoreAccents);
        BasicSearchCriteria criteria;
        criteria.keyword = keyword;
        criteria.ignoreAccents = ignoreAccents;
        const QList<BookId> onFile = found(m_file->connection(), criteria);
        QCOMPARE(found(*m_server, criteria), onFile);
    }
};

QTEST_GUILESS_MAIN(SameStatisticsTest)
#include "samestatistics_test.moc"
