// The product page's line rules, on pages built here around the page
// markers, and the page download.
#include "bookstorefixture.h"
#include "catalog/bookrecord.h"
#include "online/productpagescraper.h"

#include <QTest>

namespace {

const QString kDetails =
    QStringLiteral("<b class=\"h1\"><a name=\"product-details\">Product Details</a></b>");
const QString kReviews = QStringLiteral("<a name=\"amzn-reviews\"><b class=h1>Editorial Reviews</b><br></a>");
const QString kSerif = QStringLiteral("<span class=\"serif\">");

// 300 lines of page furniture, then the given lines.
QString page(const QStringList &lines, int furniture = 300)
{
    QStringList all;
    for (int i = 0; i < furniture; ++i)
        all << QStringLiteral("<a href=\"/nav/%1\">Section %1</a><br>").arg(i);
    return (all + lines).join(QLatin1Char('\n')) + QLatin1Char('\n');
}

// The details block: marker, two lines, the binding line, then the rest.
QStringList detailsBlock(const QString &binding, const QStringList &rest)
{
    return QStringList{kDetails, QStringLiteral("<ul>"), QStringLiteral("<li>"), binding} + rest;
}

CBookRecord read(const QString &text)
{
    CBookRecord r;
    CProductPageScraper::ReadPage(text, r);
    return r;
}

} // namespace

class ProductPageScraperTest : public QObject
{
    Q_OBJECT

private slots:
    void details_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("binding");
        QTest::addColumn<QString>("pages");
        QTest::addColumn<QString>("dimension");
        QTest::addColumn<QString>("edition");

        QTest::newRow("pages only in the binding line are not taken")
            << detailsBlock("Paperback: 320 pages",
                            {"Language: English", "ISBN: 1", "Publisher: P; 1st edition"})
            << "Paperback"
            << ""
            << ""
            << "1st edition";
        QTest::newRow("pages and dimensions, three lines to the edition")
            << detailsBlock("<b>Hardcover</b>",
                            {"432 pages", "; Dimensions (in inches): 1 x 9 x 6", "Language: Ελληνικά",
                             "ISBN: 1", "Publisher: Example Press; 2nd edition (June 1, 2003)"})
            << "Hardcover"
            << "432 pages"
            << "Dimensions (in inches): 1 x 9 x 6"
            << "2nd edition (June 1, 2003)";
        QTest::newRow("no pages, no dimensions: one line to the edition")
            << detailsBlock("Audio CD", {"Language: English", "ISBN: 1",
                                         "Publisher: Example Press; Abridged edition", "Not this"})
            << "Unknown Binding"
            << ""
            << ""
            << "Abridged edition";
        QTest::newRow("dimensions in the pages' place: two lines to the edition")
            << detailsBlock("Paperback", {"Dimensions: 8 x 5", "ISBN: 1", "Language: English",
                                          "Publisher: Example Press; 3rd", "Not this"})
            << "Paperback"
            << ""
            << "Dimensions: 8 x 5"
            << "3rd";
        QTest::newRow("pages without dimensions: two lines to the edition")
            << detailsBlock("Paperback",
                            {"96 pages", "ISBN: 1", "Language: Greek", "Publisher: Σ; Β' έκδοση", "Not this"})
            << "Paperback"
            << "96 pages"
            << ""
            << "Β' έκδοση";
        QTest::newRow("&amp; decoded before the separator is found")
            << detailsBlock("Paperback", {"Language: English", "ISBN: 1",
                                          "Publisher: Example &amp; Sons Press; 2nd edition (June 1, 2003)"})
            << "Paperback"
            << ""
            << ""
            << "2nd edition (June 1, 2003)";
        QTest::newRow("no separator: the line without its first character")
            << detailsBlock("Paperback", {"Language: English", "ISBN: 1", "(第二版)"}) << "Paperback"
            << ""
            << ""
            << "第二版)";
        QTest::newRow("small print is no edition")
            << detailsBlock("Paperback",
                            {"Language: English", "ISBN: 1", "<span class=\"small\">See all editions</span>"})
            << "Paperback"
            << ""
            << ""
            << "";
    }

    void details()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, binding);
        QFETCH(QString, pages);
        QFETCH(QString, dimension);
        QFETCH(QString, edition);
        const CBookRecord r = read(page(lines));
        QCOMPARE(r.Binding, binding);
        QCOMPARE(r.PageCount, pages);
        QCOMPARE(r.Dimension, dimension);
        QCOMPARE(r.Edition, edition);
    }

    void shortPageChangesNothing()
    {
        // The marker on line 300 lies inside the lines skipped first.
        const QStringList lines =
            detailsBlock("Hardcover", {"432 pages", "Dimensions: 1", "a", "b", "P; 1st"});
        const CBookRecord r = read(page(lines, 299));
        QVERIFY(r.Binding.isEmpty());
        QVERIFY(r.PageCount.isEmpty());
        QVERIFY(r.Edition.isEmpty());
        QCOMPARE(read(page(lines, 300)).Binding, QString("Hardcover")); // line 301 is read
        QVERIFY(read(page({}, 120)).Binding.isEmpty());
        QVERIFY(read(QString()).Binding.isEmpty());
    }

    void pageEndingInsideTheDetailsKeepsTheLastLine()
    {
        // Every read past the end leaves the current line as it was: the
        // marker itself becomes the binding and edition line.
        const CBookRecord r = read(page({kDetails}));
        QCOMPARE(r.Binding, QString("Unknown Binding"));
        QCOMPARE(r.Edition, kDetails.mid(1));
    }

    void review_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("description");
        QTest::newRow("leading mark skipped, second paragraph cut")
            << QStringList{kReviews, kSerif + "<p>First paragraph.<p>Second"} << "First paragraph.";
        QTest::newRow("first paragraph kept")
            << QStringList{kReviews, kSerif + "A long first paragraph here.<P>More"}
            << "A long first paragraph here.";
        QTest::newRow("colon at the end")
            << QStringList{kReviews, kSerif + "  Inside you will find: "} << "Inside you will find:...";
        QTest::newRow("a <br> line first")
            << QStringList{kReviews, "<br>", kSerif + "Кратко и ясно."} << "Кратко и ясно.";
        QTest::newRow("a <BR> line first")
            << QStringList{kReviews, "<BR>", kSerif + "中文简介"} << "中文简介";
        QTest::newRow("edition note cut")
            << QStringList{kReviews, kSerif + "Good. --This text refers to the Paperback edition."}
            << "Good.";
        QTest::newRow("no review start: 19 characters dropped")
            << QStringList{kReviews, "<span class=serif >Plain review"} << "Plain review";
        QTest::newRow("only the first review line")
            << QStringList{kReviews, kSerif + "One.", kReviews, kSerif + "Two."} << "One.";
    }

    void review()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, description);
        QCOMPARE(read(page(lines)).Description, description);
    }

    void reviewIgnoredWhenTheServiceGaveADescription()
    {
        CBookRecord r;
        r.Description = QStringLiteral("From the service");
        // Reading goes on to the end: the details after the review are read.
        CProductPageScraper::ReadPage(page(QStringList{kReviews, kSerif + "Page review"} +
                                           detailsBlock("Hardcover", {"1 pages", "x", "y", "P; 9th"})),
                                      r);
        QCOMPARE(r.Description, QString("From the service"));
        QCOMPARE(r.Binding, QString("Hardcover"));
        QCOMPARE(r.Edition, QString("9th"));
    }

    void reviewStopsReading()
    {
        const CBookRecord r = read(
            page(QStringList{kReviews, kSerif + "Review"} + detailsBlock("Hardcover", {"a", "b", "P; 1st"})));
        QCOMPARE(r.Description, QString("Review"));
        QVERIFY(r.Binding.isEmpty());
    }

    void lineEnds()
    {
        QString text = page(detailsBlock("Paperback", {"Language: English", "ISBN: 1", "P; 1st edition"}));
        text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        const CBookRecord r = read(text);
        QCOMPARE(r.Binding, QString("Paperback"));
        QCOMPARE(r.Edition, QString("1st edition"));
    }

    void decodePage_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QString>("text");
        QTest::newRow("charset of the answer")
            << QByteArray("caf\xe9") << QByteArray("text/html; charset=ISO-8859-1") << "café";
        QTest::newRow("quoted charset")
            << QByteArray("\xd0\x81") << QByteArray("text/html;charset=\"utf-8\"") << "Ё";
        QTest::newRow("meta charset") << QByteArray("<meta charset=\"iso-8859-1\">\xe9")
                                      << QByteArray("text/html") << "<meta charset=\"iso-8859-1\">é";
        QTest::newRow("valid UTF-8 without charset")
            << QByteArray("\xce\xb1\xe4\xb8\xad") << QByteArray() << "α中";
        QTest::newRow("anything else as Latin-1") << QByteArray("na\xefve") << QByteArray() << "naïve";
        QTest::newRow("unknown charset")
            << QByteArray("\xce\xb1") << QByteArray("text/html; charset=x-nonesuch") << "α";
    }

    void decodePage()
    {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, contentType);
        QFETCH(QString, text);
        QCOMPARE(CProductPageScraper::DecodePage(body, contentType), text);
    }

    void parseProductPage_needsA2xxAnswer()
    {
        BookstoreFixture f;
        CBookRecord r;
        r.productPageBaseUrl = f.server.url(BookstoreFixture::pagePath(QString()));
        QVERIFY(r.ParseProductPage(QStringLiteral("1931822409")));
        QCOMPARE(r.statusText.get(), QString("Parsing html..."));
        QCOMPARE(r.Edition, QString("2nd edition (June 1, 2003)"));
        QVERIFY(f.messenger.messages.isEmpty());
        QVERIFY(r.temporaryFiles.isEmpty()); // read from memory, no file left behind

        // An error page is never read as the product page.
        f.server.serveData(BookstoreFixture::pagePath("0944011071"),
                           TestHttpServer::readFixture("bookstore/page-0944011071.html"), "text/html", 404);
        CBookRecord missing;
        missing.productPageBaseUrl = r.productPageBaseUrl;
        QVERIFY(!missing.ParseProductPage(QStringLiteral("0944011071")));
        QVERIFY(missing.Binding.isEmpty());
        QCOMPARE(missing.errorText, QString("Unable to download the html page."));
        QCOMPARE(f.messenger.messages, QStringList{missing.errorText});
    }
};

QTEST_GUILESS_MAIN(ProductPageScraperTest)
#include "productpagescraper_test.moc"
