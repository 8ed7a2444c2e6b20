// The Library of Congress source, through the record's lookup and on its own.
#include "catalog/bookrecord.h"
#include "locfixture.h"
#include "online/keywordquery.h"
#include "online/locsource.h"

#include <QFile>
#include <QTest>

class LocSourceTest : public QObject
{
    Q_OBJECT

private slots:
    void lookupByIsbn_fillsEveryMappedField()
    {
        LocFixture f;
        CBookRecord r;
        QVERIFY(r.LookupByIsbn(QStringLiteral("1-55192-012-3"), true));
        QVERIFY(f.messenger.messages.isEmpty());
        QCOMPARE(r.Title, QString("The art of northern maps"));
        QCOMPARE(r.Subtitle, QString("Карты Севера, 1700–1900"));
        // Personal names only, in record order.
        QCOMPARE(r.Author, QString("Søndergaard, Åse / Γιώργος Παπαδόπουλος"));
        QCOMPARE(r.Publisher, QString("Polar Light Press"));
        QCOMPARE(r.ReleaseDate, QString("Jan 01, 2002"));
        QCOMPARE(r.Edition, QString("2nd ed."));
        QCOMPARE(r.PageCount, QString("432"));
        QCOMPARE(r.Dimension, QString("24 cm"));
        QCOMPARE(r.Description, QString("<p>Maps of the far north &amp; the people who drew them.<br>"
                                        "Ελληνικά, русский, 中文 &lt;b&gt;not markup&lt;/b&gt;</p>"));
        QCOMPARE(r.URL, QString("https://lccn.loc.gov/2002012345"));
        QCOMPARE(r.Language, QString("English"));
        QCOMPARE(r.ISBN, QString("1551920123"));
        // The cover comes from the covers service, by ISBN.
        QCOMPARE(r.largeImageUrl, f.server.url("/b/isbn/1551920123-L.jpg?default=false"));
        QVERIFY(r.newFrontCoverSource.endsWith(".jpg"));

        const auto search = f.server.requests().first();
        QCOMPARE(search.path, QString("/LCDB"));
        QCOMPARE(search.queryValue("version"), QString("1.1"));
        QCOMPARE(search.queryValue("operation"), QString("searchRetrieve"));
        QCOMPARE(search.queryValue("recordSchema"), QString("mods"));
        QCOMPARE(search.queryValue("query"),
                 QString("bath.isbn=\"1551920123\" or bath.isbn=\"9781551920122\""));
        QVERIFY(search.rawTarget.contains(
            "query=bath.isbn%3D%221551920123%22%20or%20bath.isbn%3D%229781551920122%22&"));
    }

    void lookupByIsbn_askedForInBothForms_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("query");
        QTest::newRow("13") << "9781551920122"
                            << "bath.isbn=\"9781551920122\" or bath.isbn=\"1551920123\"";
        QTest::newRow("979 has one form") << "9791090636071"
                                          << "bath.isbn=\"9791090636071\"";
    }

    void lookupByIsbn_askedForInBothForms()
    {
        QFETCH(QString, typed);
        QFETCH(QString, query);
        LocFixture f;
        CBookRecord r;
        r.LookupByIsbn(typed, true);
        QCOMPARE(f.server.requests().first().queryValue("query"), query);
        QCOMPARE(f.server.requests().first().queryValue("maximumRecords"), QString("1"));
    }

    void lookupByIsbn_notFoundDiagnosticsAndFailures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("fatal");
        QTest::newRow("no record") << "none.xml" << 200
                                   << "No book with ISBN 1551920115 was found at Library of Congress."
                                   << false;
        QTest::newRow("diagnostic")
            << "diagnostic.xml" << 200
            << "Error message returned from Library of Congress:\nQuery syntax error: dc.title=\"x" << false;
        QTest::newRow("diagnostic with 400")
            << "diagnostic.xml" << 400
            << "Error message returned from Library of Congress:\nQuery syntax error: "
               "dc.title=\"x"
            << false;
        QTest::newRow("500") << "none.xml" << 500 << "Failed to load book info from Library of Congress."
                             << true;
        QTest::newRow("not SRU") << "" << 200 << "Failed to load book info from Library of Congress." << true;
    }

    void lookupByIsbn_notFoundDiagnosticsAndFailures()
    {
        QFETCH(QString, file);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(bool, fatal);
        LocFixture f;
        if (file.isEmpty())
            f.server.serveData(QStringLiteral("/LCDB"), "<html><body>Z39.50 gateway</body></html>",
                               "text/html");
        else
            f.serve(QStringLiteral("/LCDB"), file, status);
        CBookRecord r;
        QVERIFY(!r.LookupByIsbn(QStringLiteral("1551920115"), true));
        QCOMPARE(f.messenger.messages, QStringList{message});
        QCOMPARE(r.fatalError, fatal);
    }

    void search_cqlAndRows()
    {
        LocFixture f;
        f.serve(QStringLiteral("/LCDB?startRecord=21"), QStringLiteral("search-page1.xml"));
        CLocSource source(f.online);
        const CSearchPage page = CKeywordQuery(source, QStringLiteral("Northern \"Maps\" 50%*"),
                                               QStringLiteral("Søndergaard"), QStringLiteral("a\\b?^"))
                                     .Run(2);
        const auto request = f.server.lastRequest();
        QCOMPARE(request.queryValue("query"),
                 QString("dc.title=\"Northern \\\"Maps\\\" 50%\\*\" and "
                         "dc.creator=\"Søndergaard\" and dc.publisher=\"a\\\\b\\?\\^\""));
        QCOMPARE(request.queryValue("startRecord"), QString("21"));
        QCOMPARE(request.queryValue("maximumRecords"), QString("20"));

        QCOMPARE(page.totalResults, 41);
        QCOMPARE(page.totalPages, 3);
        QCOMPARE(page.rows.size(), 2); // a record without ISBN or LCCN is left out
        QCOMPARE(page.rows.at(0).itemKey, QString("1551920115"));
        QCOMPARE(page.rows.at(0).title, QString("L'atlas du Nord"));
        QCOMPARE(page.rows.at(0).author, QString("Lefèvre, Amélie."));
        QCOMPARE(page.rows.at(0).publisher, QString("Éditions Boréales"));
        QCOMPARE(page.rows.at(0).releaseDate, QString("Jan 01, 1999"));
        QCOMPARE(page.rows.at(1).itemKey, QString("lccn:sn98001234"));
        QVERIFY(page.rows.at(1).isbn.isEmpty());
    }

    // Only the bookstore service cleans the words: a quoted title keeps its
    // "and", or the phrase would match no record.
    void keywordQuery_sendsTheWordsAsTyped()
    {
        LocFixture f;
        CLocSource source(f.online);
        CKeywordQuery(source, QStringLiteral("Pride and Prejudice"), QStringLiteral("Austen, Jane"),
                      QStringLiteral("Penguin: Classics & Co"))
            .Run(1);
        QCOMPARE(f.server.lastRequest().queryValue("query"),
                 QString("dc.title=\"Pride and Prejudice\" and dc.creator=\"Austen, Jane\" and "
                         "dc.publisher=\"Penguin: Classics & Co\""));
    }

    void lookupItem_byLccn()
    {
        LocFixture f;
        CLocSource source(f.online);
        QVERIFY(source.IsItemKey("lccn:sn98001234"));
        QVERIFY(!source.IsItemKey("lccn:\" or 1=1"));
        QVERIFY(!source.IsItemKey("1551920115"));
        CBookRecord r;
        QString text;
        QCOMPARE(source.LookupItem(QStringLiteral("lccn:sn98001234"), r, text), LookupOutcome::Found);
        QCOMPARE(r.Title, QString("Старые карты"));
        QCOMPARE(r.PageCount, QString("96"));
        QCOMPARE(r.Dimension, QString("18 x 12 cm"));
        QCOMPARE(r.Language, QString("Russian"));
        QCOMPARE(r.URL, QString("https://lccn.loc.gov/sn98001234"));
        QVERIFY(r.largeImageUrl.isEmpty()); // no ISBN, no cover to ask for
    }
};

QTEST_GUILESS_MAIN(LocSourceTest)
#include "locsource_test.moc"
