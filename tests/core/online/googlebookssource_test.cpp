// The Google Books source, through the record's lookup and on its own.
#include "catalog/bookrecord.h"
#include "googlebooksfixture.h"
#include "online/googlebookssource.h"
#include "online/keywordquery.h"

#include <QFile>
#include <QTest>

class GoogleBooksSourceTest : public QObject
{
    Q_OBJECT

private slots:
    void lookupByIsbn_fillsEveryMappedField()
    {
        GoogleBooksFixture f;
        CBookRecord r;
        QVERIFY(r.LookupByIsbn(QStringLiteral("0-9751334-3-8"), true));
        QVERIFY(f.messenger.messages.isEmpty());
        QCOMPARE(r.Title, QString("Θάλασσα και φως"));
        QCOMPARE(r.Subtitle, QString("Ταξίδια στο Αιγαίο — Voyages en mer Égée"));
        QCOMPARE(r.Author, QString("Μαρία Κωνσταντίνου / Jean-Luc Ébrard / 李明"));
        QCOMPARE(r.Publisher, QString("Éditions de l'Étoile"));
        QCOMPARE(r.ReleaseDate, QString("May 17, 2004"));
        QCOMPARE(r.PageCount, QString("288"));
        QCOMPARE(r.Dimension, QString("24.00 cm x 16.00 cm x 2.10 cm"));
        QCOMPARE(r.Description,
                 QString("<p>Sea and <b>light</b>.</p><p>Second paragraph<img src=\"x\"></p>"));
        QCOMPARE(r.URL, f.server.url("/books/about/Thalassa.html?id=zYx3AAAAQBAJ"));
        QCOMPARE(r.Language, QString("Greek"));
        QCOMPARE(r.ISBN, QString("0975133438"));
        QVERIFY(r.ListPrice.isEmpty());
        // The thumbnail without the page curl.
        QCOMPARE(
            r.largeImageUrl,
            f.server.url("/books/content?id=zYx3AAAAQBAJ&printsec=frontcover&img=1&zoom=1&source=gbs_api"));
        QVERIFY(r.newFrontCoverSource.endsWith(".jpg"));
        QCOMPARE(
            f.targets(),
            QStringList({"/books/v1/volumes?q=isbn%3A0975133438", "/books/v1/volumes/zYx3AAAAQBAJ",
                         "/books/content?id=zYx3AAAAQBAJ&printsec=frontcover&img=1&zoom=1&source=gbs_api"}));
    }

    void lookupByIsbn_bothFormsAndTheKey()
    {
        GoogleBooksFixture f;
        f.change([](COnlineSettings &s) {
            s.googleBooksKey = QStringLiteral("k&y=1");
            s.isbnForm = 13;
        });
        CBookRecord r;
        r.Language = QStringLiteral("Ελληνικά");
        QVERIFY(r.LookupByIsbn(QStringLiteral("9780975133439"), false));
        QCOMPARE(r.ISBN, QString("9780975133439"));
        QCOMPARE(r.Language, QString("Ελληνικά")); // the default for new books stays
        const auto requests = f.server.requests();
        QCOMPARE(requests.at(0).queryValue("q"), QString("isbn:9780975133439"));
        for (const auto &request : requests.mid(0, 2))
            QCOMPARE(request.queryValue("key"), QString("k&y=1"));
        QCOMPARE(requests.at(1).path, QString("/books/v1/volumes/zYx3AAAAQBAJ"));
    }

    void lookupByIsbn_nearMatchesAreNotTheBook()
    {
        GoogleBooksFixture f;
        // The search answers with items, but none of them lists the ISBN
        // asked for (in either form): that is no book.
        f.serve(QStringLiteral("/books/v1/volumes?q=isbn:1551920115"),
                QStringLiteral("isbn-0975133438.json"));
        f.serve(QStringLiteral("/books/v1/volumes?q=isbn:9781551920115"),
                QStringLiteral("isbn-0975133438.json"));
        CBookRecord r;
        QVERIFY(!r.LookupByIsbn(QStringLiteral("1551920115"), true));
        QCOMPARE(r.errorText, QString("No book with ISBN 1551920115 was found at Google Books."));
        QVERIFY(!r.fatalError);
        QCOMPARE(f.targets(), QStringList({"/books/v1/volumes?q=isbn%3A1551920115",
                                           "/books/v1/volumes?q=isbn%3A9781551920115"}));
    }

    void lookupByIsbn_fullRecordFailingFallsBackToTheSearchCopy()
    {
        GoogleBooksFixture f;
        f.server.serveData(QStringLiteral("/books/v1/volumes/zYx3AAAAQBAJ"), "oops", "text/plain", 503);
        CBookRecord r;
        QVERIFY(r.LookupByIsbn(QStringLiteral("0975133438"), true));
        QCOMPARE(r.Title, QString("Θάλασσα και φως"));
        QCOMPARE(r.Publisher, QString("Search copy publisher"));
        QCOMPARE(r.PageCount, QString("111"));
    }

    void lookupByIsbn_serviceErrorsAndFailures_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("fatal");
        QTest::newRow("bad key")
            << 400 << "error.json"
            << "Error message returned from Google Books:\nAPI key not valid. Please pass a valid API key."
            << false;
        QTest::newRow("500") << 500 << "error.json"
                             << "Failed to load book info from Google Books." << true;
        QTest::newRow("not JSON") << 200 << ""
                                  << "Failed to load book info from Google Books." << true;
    }

    void lookupByIsbn_serviceErrorsAndFailures()
    {
        QFETCH(int, status);
        QFETCH(QString, file);
        QFETCH(QString, message);
        QFETCH(bool, fatal);
        GoogleBooksFixture f;
        if (file.isEmpty())
            f.server.serveData(QStringLiteral("/books/v1/volumes"), "<html>", "text/html", status);
        else
            f.serve(QStringLiteral("/books/v1/volumes"), file, status);
        CBookRecord r;
        QVERIFY(!r.LookupByIsbn(QStringLiteral("1551920115"), true));
        QCOMPARE(f.messenger.messages, QStringList{message});
        QCOMPARE(r.fatalError, fatal);
    }

    void search_queryAndRows()
    {
        GoogleBooksFixture f;
        CGoogleBooksSource source(f.online);
        const CSearchPage page = CKeywordQuery(source, QStringLiteral("Θάλασσα Φως"),
                                               QStringLiteral("Κωνσταντίνου"), QStringLiteral("l'Étoile #2"))
                                     .Run(2);
        const auto request = f.server.lastRequest();
        QCOMPARE(
            request.queryValue("q"),
            QString("intitle:Θάλασσα intitle:Φως inauthor:Κωνσταντίνου inpublisher:l'Étoile inpublisher:#2"));
        QCOMPARE(request.queryValue("startIndex"), QString("20"));
        QCOMPARE(request.queryValue("maxResults"), QString("20"));
        QVERIFY(request.rawTarget.contains("inpublisher%3A%232&startIndex=20"));

        QCOMPARE(page.totalResults, 45);
        QCOMPARE(page.totalPages, 3);
        QCOMPARE(page.statusLine.left(40), QString("45 result(s) found, 3 page(s). Current p"));
        QCOMPARE(page.rows.size(), 3); // the item without ISBN or usable id is left out
        QCOMPARE(page.rows.at(0).itemKey, QString("0975133438"));
        QCOMPARE(page.rows.at(0).author, QString("Μαρία Κωνσταντίνου"));
        QCOMPARE(page.rows.at(0).publisher, QString("Éditions de l'Étoile"));
        QCOMPARE(page.rows.at(0).releaseDate, QString("May 17, 2004"));
        QCOMPARE(page.rows.at(1).itemKey, QString("noIsbn000001"));
        QVERIFY(page.rows.at(1).isbn.isEmpty());
        QCOMPARE(page.rows.at(1).releaseDate, QString("Mar 01, 1911"));
        QCOMPARE(page.rows.at(2).itemKey, QString("9791090636071"));
    }

    // Only the bookstore service cleans the words: and/or/not, ":" and
    // capitals reach Google Books as typed, word by word.
    void keywordQuery_sendsTheWordsAsTyped()
    {
        GoogleBooksFixture f;
        CGoogleBooksSource source(f.online);
        CKeywordQuery(source, QStringLiteral("Pride and Prejudice"), QStringLiteral("Austen"),
                      QStringLiteral("Penguin: Classics"))
            .Run(1);
        QCOMPARE(f.server.lastRequest().queryValue("q"),
                 QString("intitle:Pride intitle:and intitle:Prejudice inauthor:Austen inpublisher:Penguin: "
                         "inpublisher:Classics"));
        QVERIFY(f.messenger.messages.isEmpty());
    }

    void lookupItem_byVolumeId()
    {
        GoogleBooksFixture f;
        CGoogleBooksSource source(f.online);
        QVERIFY(source.IsItemKey("noIsbn000001"));
        QVERIFY(!source.IsItemKey("0975133438"));
        QVERIFY(!source.IsItemKey("../x/y/z/abc"));
        CBookRecord r;
        QString text;
        QCOMPARE(source.LookupItem(QStringLiteral("noIsbn000001"), r, text), LookupOutcome::Found);
        QCOMPARE(r.Title, QString("Рукописный сборник"));
        QCOMPARE(r.Language, QString("Russian"));
        QVERIFY(r.largeImageUrl.isEmpty());
    }

    void cleanPublisher_data()
    {
        QTest::addColumn<QString>("publisher");
        QTest::addColumn<QString>("cleaned");
        QTest::newRow("quoted") << "\"O'Brien & Co\""
                                << "O'Brien & Co";
        QTest::newRow("opening quote only") << "\"Φάρος"
                                            << "Φάρος";
        QTest::newRow("stray inside") << "Pan \"Books"
                                      << "Pan Books";
        QTest::newRow("balanced inside kept") << "The \"Blue\" Press"
                                              << "The \"Blue\" Press";
        QTest::newRow("plain") << "中华书局"
                               << "中华书局";
    }

    void cleanPublisher()
    {
        QFETCH(QString, publisher);
        QFETCH(QString, cleaned);
        QCOMPARE(CGoogleBooksSource::CleanPublisher(publisher), cleaned);
    }
};

QTEST_GUILESS_MAIN(GoogleBooksSourceTest)
#include "googlebookssource_test.moc"
