#include "online/keywordquery.h"
#include "online/lookupsource.h"
#include "openlibraryfixture.h"

#include <QTest>

class KeywordQueryTest : public QObject
{
    Q_OBJECT

private slots:
    void run_listsRowsWithStatusLine()
    {
        OpenLibraryFixture f;
        auto source = CreateLookupSource(COnlineSettings::Load());
        CKeywordQuery query(*source, QStringLiteral("Café"), QString(), QStringLiteral("Ψ & Co"));
        const CSearchPage page = query.Run(2);
        QCOMPARE(page.outcome, LookupOutcome::Found);
        QCOMPARE(page.page, 2);
        QCOMPARE(page.totalResults, 45);
        QCOMPARE(page.totalPages, 3);
        QCOMPARE(page.statusLine,
                 QString("45 result(s) found, 3 page(s). Current page: 2  (Note: Some e-books might have been filtered.)"));
        QVERIFY(page.message.isEmpty());
        QVERIFY(f.messenger.messages.isEmpty());

        // The work without any edition cannot be looked up and is not listed.
        QCOMPARE(page.rows.size(), 3);
        const CSearchRow &first = page.rows.at(0);
        QCOMPARE(first.itemKey, QString("0596000278"));
        QCOMPARE(first.isbn, QString("0596000278"));
        QCOMPARE(first.title, QString("Café Cartography"));
        QCOMPARE(first.author, QString("Zoë Ångström"));
        QCOMPARE(first.publisher, QString("Éditions Lumière & Fils"));
        QCOMPARE(first.releaseDate, QString("Jun 01, 2003"));
        const CSearchRow &noIsbn = page.rows.at(1);
        QCOMPARE(noIsbn.itemKey, QString("/books/OL1003M"));
        QVERIFY(noIsbn.isbn.isEmpty());
        QCOMPARE(noIsbn.releaseDate, QString("Jan 01, 1898"));
        const CSearchRow &third = page.rows.at(2);
        QCOMPARE(third.itemKey, QString("9791090636071"));
        QCOMPARE(third.title, QString("书的故事")); // the work's title when the edition has none
        QCOMPARE(third.publisher, QString("Ψ Publishing"));
        QCOMPARE(third.releaseDate, QString("Sep 01, 2011"));

        const auto request = f.server.lastRequest();
        QCOMPARE(request.queryValue("title"), QString("Café"));
        QCOMPARE(request.queryValue("publisher"), QString("Ψ & Co"));
        QVERIFY(!request.hasQueryItem("author"));
        QCOMPARE(request.queryValue("page"), QString("2"));
    }

    void run_reportsEmptyAndFailedPages()
    {
        OpenLibraryFixture f;
        auto source = CreateLookupSource(COnlineSettings::Load());
        CKeywordQuery query(*source, QStringLiteral("x"), QString(), QString());

        f.server.serveFile(QStringLiteral("/search.json"), QStringLiteral("search/none.json"));
        CSearchPage page = query.Run(1);
        QVERIFY(page.rows.isEmpty());
        QVERIFY(page.message.isEmpty());
        QCOMPARE(f.messenger.messages, QStringList{"No valid results found.\nNote: e-books are ignored."});
        QCOMPARE(page.statusLine.left(37), QString("0 result(s) found, 0 page(s). Current"));

        f.messenger.clear();
        f.server.serveFile(QStringLiteral("/search.json"), QStringLiteral("search/error.json"), {}, 400);
        page = query.Run(1);
        QCOMPARE(page.outcome, LookupOutcome::ServiceError);
        QCOMPARE(page.message, QString("Error message returned from Open Library:\nQuery syntax <b>not</b> understood"));
        QCOMPARE(f.messenger.messages, QStringList{page.message});

        f.messenger.clear();
        f.server.serveData(QStringLiteral("/search.json"), "{\"numFound\": ", "application/json");
        page = query.Run(3);
        QCOMPARE(page.outcome, LookupOutcome::Unreachable);
        QCOMPARE(page.message, QString("Failed to load book info from Open Library."));
        QCOMPARE(f.messenger.messages, QStringList{page.message});
        QVERIFY(page.rows.isEmpty());
    }

    void run_sendsNothingWithoutWords()
    {
        OpenLibraryFixture f;
        auto source = CreateLookupSource(COnlineSettings::Load());
        CKeywordQuery none(*source, QString(), QString(), QString());
        const CSearchPage page = none.Run(1);
        QVERIFY(page.rows.isEmpty());
        QCOMPARE(f.server.requestCount(), 0);
        QVERIFY(f.messenger.messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(KeywordQueryTest)
#include "keywordquery_test.moc"
