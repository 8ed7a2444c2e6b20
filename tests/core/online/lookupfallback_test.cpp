// Asking the other sources when the chosen one does not know an ISBN: three
// local servers play Open Library, Google Books and the Library of Congress.
#include "catalog/bookrecord.h"
#include "online/batchitem.h"
#include "online/httpclient.h"
#include "online/onlinesettings.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testhttpserver.h"
#include "testsettings.h"

#include <QTest>

namespace {

struct Services
{
    Services()
        : openLibrary(QStringLiteral("openlibrary")), google(QStringLiteral("googlebooks")),
          loc(QStringLiteral("loc"))
    {
        online.openLibraryUrl = openLibrary.baseUrl();
        online.openLibraryCoversUrl = openLibrary.baseUrl();
        online.googleBooksUrl = google.baseUrl();
        online.locSruUrl = loc.baseUrl();
        online.requestGap = 0;
        online.totalTimeout = 5;
        CHttpClient::ResetHostGaps();

        openLibrary.serveData(QStringLiteral("/api/books"), "{}", "application/json");
        google.serveData(QStringLiteral("/books/v1/volumes"),
                         TestHttpServer::readFixture("googlebooks/none.json"), "application/json");
        const QByteArray googleAnswer = TestHttpServer::readFixture("googlebooks/isbn-0975133438.json")
                                            .replace("{{SERVER}}", google.baseUrl().toUtf8());
        google.serveData(QStringLiteral("/books/v1/volumes?q=isbn:0975133438"), googleAnswer,
                         "application/json");
        google.serveData(QStringLiteral("/books/v1/volumes/zYx3AAAAQBAJ"),
                         TestHttpServer::readFixture("googlebooks/volume-zYx3AAAAQBAJ.json")
                             .replace("{{SERVER}}", google.baseUrl().toUtf8()),
                         "application/json");
        loc.serveData(QStringLiteral("/LCDB"), TestHttpServer::readFixture("loc/none.xml"), "text/xml");
        loc.serveData(QStringLiteral("/LCDB?query=bath.isbn=\"1551920123\" or bath.isbn=\"9781551920122\""),
                      TestHttpServer::readFixture("loc/isbn-1551920123.xml"), "text/xml");
        loc.serveData(QStringLiteral("/LCDB?query=bath.isbn=\"9781551920122\" or bath.isbn=\"1551920123\""),
                      TestHttpServer::readFixture("loc/isbn-1551920123.xml"), "text/xml");
    }

    void use(const QString &source, bool fallback, const QStringList &chain = {})
    {
        online.source = source;
        online.fallback = fallback;
        if (!chain.isEmpty())
            online.fallbackSources = chain;
        online.Save();
    }

    TestSettings settings;
    RecordingMessenger messenger;
    TestHttpServer openLibrary;
    TestHttpServer google;
    TestHttpServer loc;
    COnlineSettings online;
};

} // namespace

class LookupFallbackTest : public QObject
{
    Q_OBJECT

private slots:
    void offByDefault()
    {
        Services s;
        s.use(QStringLiteral("OpenLibrary"), false);
        CBookRecord r;
        QVERIFY(!r.LookupByIsbn(QStringLiteral("0975133438"), true));
        QCOMPARE(s.messenger.messages,
                 QStringList{"No book with ISBN 0975133438 was found at Open Library."});
        QCOMPARE(s.google.requestCount() + s.loc.requestCount(), 0);
    }

    void nextSourceAnswersAndSaysSo()
    {
        Services s;
        s.use(QStringLiteral("OpenLibrary"), true);
        CBookRecord r;
        QVERIFY(r.LookupByIsbn(QStringLiteral("0975133438"), true));
        QVERIFY(s.messenger.messages.isEmpty());
        QCOMPARE(r.Title, QString("Θάλασσα και φως"));
        QCOMPARE(r.ISBN, QString("0975133438"));
        QCOMPARE(r.statusText.get(), QString("Found at Google Books."));
        QCOMPARE(s.openLibrary.requestCount(), 2); // both forms
        QCOMPARE(s.loc.requestCount(), 0);         // the chain stops at the first find
    }

    void batchRowNamesTheSourceThatFoundTheBook()
    {
        Services s;
        s.use(QStringLiteral("OpenLibrary"), true);
        TestCatalog catalog;
        CBatchTarget target;
        target.connection = &catalog.connection();
        target.imagesFolder = catalog.dir() + QStringLiteral("/images");
        CBookRecord r;
        const CBatchItemResult result = LookUpAndSaveIsbn(r, QStringLiteral("0975133438"), target);
        QCOMPARE(result.kind, CBatchItemResult::Saved);
        QCOMPARE(result.rowText, QString("Θάλασσα και φως (Google Books)"));

        // The next lookup, answered by the chosen source, says nothing more.
        s.openLibrary.serveData(QStringLiteral("/api/books?bibkeys=ISBN:0975133438"),
                                "{\"ISBN:0975133438\": {\"title\": \"Из Open Library\"}}",
                                "application/json");
        CBookRecord again;
        target.addDuplicates = true;
        QCOMPARE(LookUpAndSaveIsbn(again, QStringLiteral("0975133438"), target).rowText,
                 QString("Из Open Library"));
        QVERIFY(again.answeredBy.isEmpty());
    }

    void chosenSourceIsSkippedInTheChain()
    {
        Services s;
        s.use(QStringLiteral("GoogleBooks"), true);
        CBookRecord r;
        QVERIFY(r.LookupByIsbn(QStringLiteral("9781551920122"), true));
        QCOMPARE(r.Title, QString("The art of northern maps"));
        QCOMPARE(r.statusText.get(), QString("Found at Library of Congress."));
        QCOMPARE(s.google.requestCount(), 2);      // asked once as the chosen source, both forms
        QCOMPARE(s.openLibrary.requestCount(), 3); // both forms, then the cover by ISBN
    }

    void nobodyKnowsIt()
    {
        Services s;
        s.use(QStringLiteral("GoogleBooks"), true);
        CBookRecord r;
        QVERIFY(!r.LookupByIsbn(QStringLiteral("1893582167"), true));
        const QString message = QStringLiteral(
            "No book with ISBN 1893582167 was found at Google Books, Open Library, Library of Congress.");
        QCOMPARE(s.messenger.messages, QStringList{message});
        QCOMPARE(r.errorText, message);
        QVERIFY(!r.fatalError);
    }

    void unreachableFallbackIsPassedOver()
    {
        Services s;
        s.online.googleBooksUrl = QStringLiteral("http://127.0.0.1:1");
        s.use(QStringLiteral("OpenLibrary"), true);
        CBookRecord r;
        QVERIFY(r.LookupByIsbn(QStringLiteral("1551920123"), true));
        QCOMPARE(r.statusText.get(), QString("Found at Library of Congress."));
        QVERIFY(!r.fatalError);
        QVERIFY(s.messenger.messages.isEmpty());
    }

    void onlyTheEnabledSourcesAreAsked()
    {
        Services s;
        s.use(QStringLiteral("OpenLibrary"), true, {QStringLiteral("LibraryOfCongress")});
        CBookRecord r;
        QVERIFY(!r.LookupByIsbn(QStringLiteral("0975133438"), true));
        QCOMPARE(s.google.requestCount(), 0);
        QCOMPARE(s.loc.requestCount(), 1);
        QCOMPARE(r.errorText,
                 QString("No book with ISBN 0975133438 was found at Open Library, Library of Congress."));
    }

    void chosenSourceFailingEndsTheLookup()
    {
        // Only "not found" moves on: a service that cannot be reached is
        // reported as such (a batch must stop), not hidden by another source.
        Services s;
        s.online.openLibraryUrl = QStringLiteral("http://127.0.0.1:1");
        s.use(QStringLiteral("OpenLibrary"), true);
        CBookRecord r;
        QVERIFY(!r.LookupByIsbn(QStringLiteral("0975133438"), true));
        QVERIFY(r.fatalError);
        QCOMPARE(s.google.requestCount(), 0);
    }
};

QTEST_GUILESS_MAIN(LookupFallbackTest)
#include "lookupfallback_test.moc"
