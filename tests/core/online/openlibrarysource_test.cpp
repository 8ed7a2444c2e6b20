#include "catalog/bookrecord.h"
#include "online/keywordquery.h"
#include "online/openlibrarysource.h"
#include "openlibraryfixture.h"

#include <QTest>

// The Open Library source on its own, below the record's lookup.
class OpenLibrarySourceTest : public QObject
{
    Q_OBJECT

private slots:
    void search_encodesEveryWord()
    {
        OpenLibraryFixture f;
        COpenLibrarySource source(f.online);
        source.Search(QStringLiteral("a&b=c #1+2"), QStringLiteral("Ёлка ü/?"), QStringLiteral("中文 出版"), 4);
        const auto request = f.server.lastRequest();
        QCOMPARE(request.queryValue("title"), QString("a&b=c #1+2"));
        QCOMPARE(request.queryValue("author"), QString("Ёлка ü/?"));
        QCOMPARE(request.queryValue("publisher"), QString("中文 出版"));
        QCOMPARE(request.queryValue("page"), QString("4"));
        QCOMPARE(request.queryValue("limit"), QString("20"));
        QVERIFY(request.queryValue("fields").contains("editions.isbn"));
        QVERIFY(request.rawTarget.startsWith("/search.json?title=a%26b%3Dc%20%231%2B2&author=%D0%81%D0%BB%D0%BA%D0%B0"
                                             "%20%C3%BC%2F%3F&publisher=%E4%B8%AD%E6%96%87%20%E5%87%BA%E7%89%88&page=4&"));
    }

    // Only the bookstore service cleans the words: here and/or/not, ":",
    // "&" and capitals reach the service as typed.
    void keywordQuery_sendsTheWordsAsTyped()
    {
        OpenLibraryFixture f;
        COpenLibrarySource source(f.online);
        CKeywordQuery(source, QStringLiteral("Pride and Prejudice"), QStringLiteral("Austen OR Brontë"),
                      QStringLiteral("Penguin: Classics & Co"))
            .Run(1);
        const auto request = f.server.lastRequest();
        QCOMPARE(request.queryValue("title"), QString("Pride and Prejudice"));
        QCOMPARE(request.queryValue("author"), QString("Austen OR Brontë"));
        QCOMPARE(request.queryValue("publisher"), QString("Penguin: Classics & Co"));

        // A word that is an operator elsewhere is a word here.
        CKeywordQuery(source, QStringLiteral("Not"), QString(), QString()).Run(1);
        QCOMPARE(f.server.lastRequest().queryValue("title"), QString("Not"));
        QVERIFY(f.messenger.messages.isEmpty());
    }

    void search_countsPages_data()
    {
        QTest::addColumn<int>("found");
        QTest::addColumn<int>("pages");
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("one") << 1 << 1;
        QTest::newRow("exactly two pages") << 40 << 2;
        QTest::newRow("one more") << 41 << 3;
    }

    void search_countsPages()
    {
        QFETCH(int, found);
        QFETCH(int, pages);
        OpenLibraryFixture f;
        f.server.serveData(QStringLiteral("/search.json"),
                           QStringLiteral("{\"numFound\": %1, \"docs\": []}").arg(found).toUtf8(), "application/json");
        COpenLibrarySource source(f.online);
        const CSearchPage page = source.Search(QStringLiteral("x"), QString(), QString(), 1);
        QCOMPARE(page.outcome, LookupOutcome::Found);
        QCOMPARE(page.totalResults, found);
        QCOMPARE(page.totalPages, pages);
    }

    void lookup_answersThatAreNoBook_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("outcome");
        QTest::newRow("404 page") << 404 << QByteArray("<html>Not Found</html>") << int(LookupOutcome::Unreachable);
        QTest::newRow("json array") << 200 << QByteArray("[]") << int(LookupOutcome::Unreachable);
        QTest::newRow("truncated json") << 200 << QByteArray("{\"ISBN:0596000278\": {") << int(LookupOutcome::Unreachable);
        QTest::newRow("oversize") << 200 << QByteArray("{\"x\": \"") + QByteArray(5000, 'a') + "\"}"
                                  << int(LookupOutcome::Unreachable);
        QTest::newRow("empty object") << 200 << QByteArray("{}") << int(LookupOutcome::NotFound);
        QTest::newRow("error text") << 200 << QByteArray("{\"error\": \"bad bibkey\"}") << int(LookupOutcome::ServiceError);
    }

    void lookup_answersThatAreNoBook()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(int, outcome);
        OpenLibraryFixture f;
        f.change([](COnlineSettings &s) { s.maxAnswerBytes = 4096; });
        f.server.serveData(QStringLiteral("/api/books"), body, "application/json", status);
        COpenLibrarySource source(f.online);
        CBookRecord r;
        QString serviceText;
        QCOMPARE(int(source.LookupIsbn(QStringLiteral("0596000278"), r, serviceText)), outcome);
        QVERIFY(r.Title.isEmpty());
        QCOMPARE(serviceText, outcome == int(LookupOutcome::ServiceError) ? QString("bad bibkey") : QString());
    }

    void itemKeys()
    {
        COpenLibrarySource source{COnlineSettings()};
        QVERIFY(source.IsItemKey(QStringLiteral("/books/OL1003M")));
        QVERIFY(!source.IsItemKey(QStringLiteral("/works/OL2001W")));
        QVERIFY(!source.IsItemKey(QStringLiteral("/books/OL1003M/../../x")));
        QVERIFY(!source.IsItemKey(QStringLiteral("0596000278")));
    }
};

QTEST_GUILESS_MAIN(OpenLibrarySourceTest)
#include "openlibrarysource_test.moc"
