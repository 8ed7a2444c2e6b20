// The bookstore's web service and its product pages, through the record's
// lookup and on their own, against the local test server.
#include "bookstorefixture.h"
#include "catalog/bookrecord.h"
#include "online/bookstoresource.h"
#include "online/canceltoken.h"
#include "online/keywordchooser.h"
#include "online/keywordquery.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <thread>

namespace {

const QString kHeavyPrefix =
    QStringLiteral("/onca/xml3?t=webservices-20&dev-t=K7TQ2MXR9BZL4&mode=books&type=heavy&f=xml&AsinSearch=");
const QString kLitePrefix = QStringLiteral(
    "/onca/"
    "xml3?t=webservices-20&dev-t=K7TQ2MXR9BZL4&mode=books&type=lite&f=xml&sort=+titlerank&PowerSearch=");
const QString kNote = QStringLiteral("  (Note: Some e-books might have been filtered.)");

// Chooses the row with the given title from the first page.
class TitleChooser : public IKeywordChooser
{
public:
    bool Choose(const QString &, const QString &, const QString &, const Query &query, CSearchRow &chosen,
                QString &messageText) override
    {
        const CSearchPage page = query(1);
        for (const CSearchRow &row : page.rows) {
            if (row.title == pick) {
                chosen = row;
                return true;
            }
        }
        messageText = page.message;
        return false;
    }
    QString pick;
};

} // namespace

class BookstoreSourceTest : public QObject
{
    Q_OBJECT

private slots:
    void lookupByIsbn_fillsTheServiceAndPageFields()
    {
        BookstoreFixture f;
        QString coverFile;
        {
            CBookRecord r;
            r.ListPrice = QStringLiteral("old");
            QVERIFY(r.LookupByIsbn(QStringLiteral("1-931822-40-9 "), true));
            QVERIFY2(f.messenger.messages.isEmpty(), qPrintable(f.messenger.messages.join('|')));
            // From the web service.
            QCOMPARE(r.Title, QString("Ледяные мосты: Ice Bridges of the Γαλαξίας"));
            QCOMPARE(r.Author, QString("Ана Лучич / Νίκος Αλεξίου / 王小明"));
            QCOMPARE(r.Publisher, QString("Éditions Fjord & Sœurs"));
            QCOMPARE(r.ReleaseDate, QString("Jun 01, 2003"));
            QCOMPARE(r.AmazonPrice, QString("$23.07"));
            QCOMPARE(r.ListPrice, QString("$32.95"));
            QCOMPARE(r.AmazonRating, QString("4.5"));
            QCOMPARE(r.NumOfReviews, QString("17"));
            QCOMPARE(r.ISBN, QString("1931822409"));
            QCOMPARE(r.URL, f.server.url("/exec/obidos/tg/detail/-/1931822409"));
            QCOMPARE(r.productPageBaseUrl, f.server.url("/exec/obidos/tg/detail/-/"));
            QCOMPARE(r.largeImageUrl, f.server.url("/images/P/1931822409.01.LZZZZZZZ.jpg"));
            // The service's description wins over the page's review, and no
            // script survives.
            QCOMPARE(r.Description,
                     QString("<p>A crossing of <b>frozen</b> straits, told in three voices.</p>"));
            // From the product page.
            QCOMPARE(r.Binding, QString("Paperback"));
            QCOMPARE(r.PageCount, QString("432 pages"));
            QCOMPARE(r.Dimension, QString("Dimensions (in inches): 0.9 x 9.2 x 7.0"));
            QCOMPARE(r.Edition, QString("2nd edition (June 1, 2003)"));
            QVERIFY(!r.fatalError);

            coverFile = r.newFrontCoverSource;
            QVERIFY(coverFile.endsWith(".jpg"));
            QCOMPARE(r.temporaryFiles, QStringList{coverFile});
            QFile cover(coverFile);
            QVERIFY(cover.open(QIODevice::ReadOnly));
            QCOMPARE(cover.readAll(), TestHttpServer::readFixture(BookstoreFixture::kCoverFile));
            QCOMPARE(f.targets(),
                     QStringList({kHeavyPrefix + "1931822409", BookstoreFixture::pagePath("1931822409"),
                                  "/images/P/1931822409.01.LZZZZZZZ.jpg"}));
        }
        QVERIFY(!QFile::exists(coverFile));
    }

    void lookupByIsbn_readsOnlyTheFirstItem()
    {
        BookstoreFixture f;
        CBookRecord r;
        r.Author = QStringLiteral("Kept");
        r.ListPrice = QStringLiteral("old");
        QVERIFY(r.LookupByIsbn(QStringLiteral("0944011071"), false));
        QCOMPARE(r.Title, QString("茶の本 — Notes on Tea"));
        // No Author nodes: Author stays as it was. Missing nodes give empty
        // text, never the old value nor the second item's.
        QCOMPARE(r.Author, QString("Kept"));
        QVERIFY(r.ListPrice.isEmpty());
        QVERIFY(r.AmazonRating.isEmpty());
        QVERIFY(r.NumOfReviews.isEmpty());
        QCOMPARE(r.AmazonPrice, QString("$9.99"));
        QCOMPARE(r.ReleaseDate, QString("Mar 01, 1998"));
        // The Latin-1 page with CR LF line ends: binding, no pages or
        // dimensions line, the edition one line later, and the review as
        // the description.
        QCOMPARE(r.Binding, QString("Hardcover"));
        QVERIFY(r.PageCount.isEmpty());
        QVERIFY(r.Dimension.isEmpty());
        QCOMPARE(r.Edition, QString("Première édition, révisée"));
        QCOMPARE(r.Description, QString("Le thé, c'est la vie. Café noir <b>aussi</b>."));
    }

    void lookupByIsbn_sendsTheIsbn10_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("sent");
        QTest::newRow("hyphens and a blank") << "0-596-00027-8 "
                                             << "0596000278";
        QTest::newRow("978 ISBN-13") << "978-1-931822-40-4"
                                     << "1931822409";
        QTest::newRow("979 goes as it is") << "9791090636071"
                                           << "9791090636071";
        QTest::newRow("no check made") << "12 34/5"
                                       << "12%2034%2F5";
    }

    void lookupByIsbn_sendsTheIsbn10()
    {
        QFETCH(QString, typed);
        QFETCH(QString, sent);
        BookstoreFixture f;
        CBookRecord r;
        r.LookupByIsbn(typed, true);
        QCOMPARE(f.targets().value(0), kHeavyPrefix + sent);
    }

    void lookupByIsbn_serviceErrorMessage()
    {
        BookstoreFixture f;
        CBookRecord r;
        r.Title = QStringLiteral("kept");
        QVERIFY(!r.LookupByIsbn(QStringLiteral("1893582167"), false));
        const QString message =
            QStringLiteral("Error message returned from Amazon:\nThere are no exact matches for the search.");
        QCOMPARE(f.messenger.messages, QStringList{message});
        QCOMPARE(r.errorText, message);
        QCOMPARE(r.statusText.get(), QString("There are no exact matches for the search."));
        QVERIFY(!r.fatalError);
        QCOMPARE(r.Title, QString("kept"));
        QCOMPARE(f.server.requestCount(), 1); // no page, no cover
    }

    void lookupByIsbn_unloadableAnswerIsFatal_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("404") << 404 << QByteArray("<html>Not Found</html>");
        QTest::newRow("500 with an error answer")
            << 500 << QByteArray("<ProductInfo><ErrorMsg>x</ErrorMsg></ProductInfo>");
        QTest::newRow("not XML") << 200 << QByteArray("<html><body>maintenance");
        QTest::newRow("cut answer") << 200
                                    << QByteArray("<?xml version=\"1.0\"?><ProductInfo><Details><Asin>1");
        QTest::newRow("entity expansion")
            << 200
            << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE p [<!ENTITY x SYSTEM "
                          "\"file:///etc/passwd\">]><ProductInfo><Details>"
                          "<ProductName>&x;</ProductName></Details></ProductInfo>");
    }

    void lookupByIsbn_unloadableAnswerIsFatal()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        BookstoreFixture f;
        f.server.serveData(QStringLiteral("/onca/xml3?type=heavy"), body, "text/xml", status);
        CBookRecord r;
        const bool found = r.LookupByIsbn(QStringLiteral("1931822409"), true);
        if (QByteArray(QTest::currentDataTag()) == "entity expansion") {
            // An external entity is never fetched: the title stays empty.
            QVERIFY(found);
            QVERIFY(!r.Title.contains("root"));
            return;
        }
        QVERIFY(!found);
        QVERIFY(r.fatalError);
        QCOMPARE(r.errorText, QString("Failed to load book info from Amazon.com."));
        QCOMPARE(f.messenger.messages, QStringList{r.errorText});
    }

    void lookupByIsbn_answerWithoutItemIsNotFound()
    {
        BookstoreFixture f;
        f.server.serveData(QStringLiteral("/onca/xml3?type=heavy"), "<ProductInfo/>", "text/xml");
        CBookRecord r;
        QVERIFY(!r.LookupByIsbn(QStringLiteral("1893582167"), true));
        QCOMPARE(r.errorText, QString("No book with ISBN 1893582167 was found at 127.0.0.1."));
        QVERIFY(!r.fatalError);
    }

    void productPage_failureIsReportedButTheLookupSucceeds_data()
    {
        QTest::addColumn<int>("status");
        QTest::newRow("404") << 404;
        QTest::newRow("503") << 503;
        QTest::newRow("nobody listening") << 0;
    }

    void productPage_failureIsReportedButTheLookupSucceeds()
    {
        QFETCH(int, status);
        BookstoreFixture f;
        if (status)
            f.server.serveData(BookstoreFixture::pagePath("1931822409"), "<html>gone</html>", "text/html",
                               status);
        else
            f.change([](COnlineSettings &s) { s.bookstorePageHost = QStringLiteral("http://127.0.0.1:1"); });
        CBookRecord r;
        QVERIFY(r.LookupByIsbn(QStringLiteral("1931822409"), true));
        QCOMPARE(f.messenger.messages, QStringList{"Unable to download the html page."});
        QCOMPARE(r.errorText, QString("Unable to download the html page."));
        QVERIFY(!r.fatalError);
        QCOMPARE(r.Title, QString("Ледяные мосты: Ice Bridges of the Γαλαξίας"));
        QVERIFY(r.Binding.isEmpty());
        QVERIFY(!r.newFrontCoverSource.isEmpty());
    }

    void statusTexts_followTheLookup()
    {
        BookstoreFixture f;
        QCOMPARE(CBookstoreSource(f.online).LoadingText(), QString("Loading XML from 127.0.0.1..."));
        QCOMPARE(CBookstoreSource(COnlineSettings()).LoadingText(),
                 QString("Loading XML from xml.amazon.com..."));

        f.server.hang(BookstoreFixture::pagePath("1931822409"));
        CCancelToken token;
        CBookRecord r;
        r.cancelToken = &token;
        bool result = true;
        std::thread worker([&] { result = r.LookupByIsbn(QStringLiteral("1931822409"), true); });
        QTRY_COMPARE(f.server.requestCount(), 2);
        QCOMPARE(r.statusText.get(), QString("Parsing html..."));
        QElapsedTimer timer;
        timer.start();
        token.cancel();
        worker.join();
        QVERIFY(timer.elapsed() < 1000);
        QVERIFY(!result);
        QVERIFY(f.messenger.messages.isEmpty());
        QCOMPARE(f.server.requestCount(), 2); // no cover
    }

    void hosts_defaultToTheDesignedOnes()
    {
        TestSettings settings;
        CBookstoreSource source(COnlineSettings::Load());
        QCOMPARE(source.HeavyRequestUrl("0596000278"), "http://xml.amazon.com" + kHeavyPrefix + "0596000278");
        QCOMPARE(source.ProductPageBaseUrl(), QString("http://www.amazon.com/exec/obidos/tg/detail/-/"));
        QCOMPARE(source.LiteRequestUrl("author:knuth", 3),
                 "http://xml.amazon.com" + kLitePrefix + "author:knuth&page=3");
    }

    void cleanWords_data()
    {
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("cleaned");
        QTest::newRow("operators dropped") << "the art and science"
                                           << "the art science";
        QTest::newRow("only an operator") << "and"
                                          << "";
        QTest::newRow("lower case") << "Knuth"
                                    << "knuth";
        QTest::newRow("colon and ampersand") << "Perl: Tips & Tricks"
                                             << "perl tips  tricks";
        QTest::newRow("operators anywhere") << "Not Now OR never"
                                            << "now never";
        QTest::newRow("repeated operators") << "war and and peace"
                                            << "war peace";
        QTest::newRow("inside words kept") << "android notation"
                                           << "android notation";
        QTest::newRow("accents and scripts") << "Ÿ ÉLAN Δέλτα И 中文"
                                             << "ÿ élan δέλτα и 中文";
    }

    void cleanWords()
    {
        QFETCH(QString, words);
        QFETCH(QString, cleaned);
        QCOMPARE(CBookstoreSource::CleanWords(words), cleaned);
    }

    void keywordRequest_expressionAndEscaping_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("author");
        QTest::addColumn<QString>("publisher");
        QTest::addColumn<QString>("sent"); // PowerSearch as sent

        QTest::newRow("operators dropped, author left out")
            << "the art and science"
            << ""
            << "and press"
            << "title:the%20art%20science%20and%20publisher:press";
        QTest::newRow("author only") << ""
                                     << "Knuth"
                                     << ""
                                     << "author:knuth";
        QTest::newRow("all three") << "Perl Cookbook"
                                   << "Tom"
                                   << "O'Reilly"
                                   << "title:perl%20cookbook%20and%20author:tom%20and%20publisher:o'reilly";
        QTest::newRow("a field of only 'and'") << "and"
                                               << "Wall"
                                               << ""
                                               << "author:wall";
        QTest::newRow("designed escapes") << "c++ 50% a/b? #1"
                                          << ""
                                          << ""
                                          << "title:c%2B%2B%2050%25%20a%2Fb%3F%20%231";
        QTest::newRow("colons and ampersands removed") << "Tips: Tricks & More"
                                                       << ""
                                                       << ""
                                                       << "title:tips%20tricks%20%20more";
        QTest::newRow("everything else percent-encoded") << "a=b \"q\" <x>"
                                                         << ""
                                                         << ""
                                                         << "title:a%3Db%20%22q%22%20%3Cx%3E";
        QTest::newRow("accents and scripts in UTF-8")
            << "Éclair"
            << "Ёж"
            << "Ψ 中"
            << "title:%C3%A9clair%20and%20author:%D1%91%D0%B6%20and%20publisher:%CF%88%20%E4%B8%AD";
    }

    void keywordRequest_expressionAndEscaping()
    {
        QFETCH(QString, title);
        QFETCH(QString, author);
        QFETCH(QString, publisher);
        QFETCH(QString, sent);
        BookstoreFixture f;
        CBookstoreSource source(f.online);
        CKeywordQuery query(source, title, author, publisher);
        query.Run(2);
        QCOMPARE(f.targets(), QStringList{kLitePrefix + sent + "&page=2"});
    }

    void keywordRequest_nothingLeftAfterCleaningSendsNothing()
    {
        BookstoreFixture f;
        CBookstoreSource source(f.online);
        CKeywordQuery query(source, QStringLiteral("and"), QStringLiteral(" OR "), QStringLiteral("not"));
        const CSearchPage page = query.Run(1);
        QCOMPARE(f.server.requestCount(), 0);
        QVERIFY(page.rows.isEmpty());
        const QString message =
            QStringLiteral("Please enter at least one of them: title, author and publisher.");
        QCOMPARE(page.message, message);
        QCOMPARE(f.messenger.messages, QStringList{message});
    }

    void keywordRequest_listsBooksWithTheStatusLine()
    {
        BookstoreFixture f;
        CBookstoreSource source(f.online);
        CKeywordQuery query(source, QStringLiteral("light"), QString(), QString());
        const CSearchPage page = query.Run(2);
        QCOMPARE(page.outcome, LookupOutcome::Found);
        QCOMPARE(page.statusLine, "68 result(s) found, 7 page(s). Current page: 2" + kNote);
        QVERIFY(f.messenger.messages.isEmpty());
        // The e-book is left out; the rows keep the service's order.
        QCOMPARE(page.rows.size(), 3);
        QCOMPARE(page.rows.at(0).itemKey, QString("0975133403"));
        QCOMPARE(page.rows.at(0).title, QString("Ζωγραφική με φως"));
        QCOMPARE(page.rows.at(0).author, QString("Ελένη Μαρκοπούλου")); // first author only
        QCOMPARE(page.rows.at(0).publisher, QString("Φάρος Εκδόσεις"));
        QCOMPARE(page.rows.at(0).releaseDate, QString("Sep 15, 2001"));
        QCOMPARE(page.rows.at(1).title, QString("Свет и тень"));
        QVERIFY(page.rows.at(1).author.isEmpty());
        QVERIFY(page.rows.at(1).publisher.isEmpty());
        QCOMPARE(page.rows.at(2).itemKey, QString("097513342X"));
        QCOMPARE(page.rows.at(2).publisher, QString("Lumière & Ombre"));
    }

    void keywordRequest_pageOfEbooksOnly()
    {
        BookstoreFixture f;
        f.serveAnswer(QStringLiteral("/onca/xml3?type=lite"), QStringLiteral("lite-ebooks.xml"));
        CBookstoreSource source(f.online);
        const CSearchPage page = CKeywordQuery(source, QStringLiteral("light"), QString(), QString()).Run(1);
        QVERIFY(page.rows.isEmpty());
        QCOMPARE(page.totalResults, 3);
        QCOMPARE(page.statusLine, "3 result(s) found, 1 page(s). Current page: 1" + kNote);
        QCOMPARE(f.messenger.messages, QStringList{"No valid results found.\nNote: e-books are ignored."});
        QVERIFY(page.message.isEmpty());
    }

    void keywordRequest_failures_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("message");
        QTest::newRow("ErrorMsg")
            << 200 << QByteArray("lite-error.xml")
            << "Error message returned from Amazon:\nYour PowerSearch could not be understood.";
        QTest::newRow("500") << 500 << QByteArray("<html/>") << "Failed to load book info from Amazon.com.";
        QTest::newRow("not XML") << 200 << QByteArray("{}") << "Failed to load book info from Amazon.com.";
    }

    void keywordRequest_failures()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, message);
        BookstoreFixture f;
        if (body.endsWith(".xml"))
            body = f.answer(QString::fromLatin1(body));
        f.server.serveData(QStringLiteral("/onca/xml3?type=lite"), body, "text/xml", status);
        CBookstoreSource source(f.online);
        const CSearchPage page = CKeywordQuery(source, QStringLiteral("light"), QString(), QString()).Run(1);
        QVERIFY(page.rows.isEmpty());
        QCOMPARE(page.message, message);
        QCOMPARE(f.messenger.messages, QStringList{message});
    }

    void keywordRequest_missingTotalsCountAsZero()
    {
        BookstoreFixture f;
        f.server.serveData(QStringLiteral("/onca/xml3?type=lite"),
                           "<ProductInfo><TotalPages>2 pages</TotalPages><Details><Asin>0975133403</Asin>"
                           "</Details></ProductInfo>",
                           "text/xml");
        CBookstoreSource source(f.online);
        const CSearchPage page = CKeywordQuery(source, QStringLiteral("x"), QString(), QString()).Run(1);
        QCOMPARE(page.totalResults, 0);
        QCOMPARE(page.totalPages, 2);
        QCOMPARE(page.rows.size(), 1);
    }

    void lookupByKeywords_looksUpTheChosenBook()
    {
        BookstoreFixture f;
        f.serveAnswer(QStringLiteral("/onca/xml3?type=heavy&AsinSearch=0975133403"),
                      QStringLiteral("heavy-1931822409.xml"));
        TitleChooser chooser;
        chooser.pick = QStringLiteral("Ζωγραφική με φως");
        CBookRecord r;
        QVERIFY(r.LookupByKeywords(QStringLiteral("Light"), QString(), QString(), true, chooser));
        QCOMPARE(r.ISBN, QString("0975133403"));
        const QStringList targets = f.targets();
        QCOMPARE(targets.value(0), kLitePrefix + "title:light&page=1");
        QCOMPARE(targets.value(1), kHeavyPrefix + "0975133403");
        QCOMPARE(targets.value(2), BookstoreFixture::pagePath("0975133403"));
    }
};

QTEST_GUILESS_MAIN(BookstoreSourceTest)
#include "bookstoresource_test.moc"
