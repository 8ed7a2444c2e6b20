// Each lookup source fills the series from answers written by hand in the
// shape each service documents, including the older and sparser shapes.
#include "bookstorefixture.h"
#include "catalog/bookrecord.h"
#include "googlebooksfixture.h"
#include "locfixture.h"
#include "openlibraryfixture.h"

#include <QTest>

namespace {

const char *const kIsbn = "9780316508889";

QByteArray modsAnswer(const QByteArray &seriesItems)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<zs:searchRetrieveResponse xmlns:zs=\"http://www.loc.gov/zing/srw/\"><zs:numberOfRecords>1"
           "</zs:numberOfRecords><zs:records><zs:record><zs:recordData>"
           "<mods xmlns=\"http://www.loc.gov/mods/v3\" version=\"3.8\">"
           "<titleInfo><title>Nevermoor</title></titleInfo>" +
           seriesItems +
           "<identifier type=\"isbn\">9780316508889</identifier></mods>"
           "</zs:recordData></zs:record></zs:records></zs:searchRetrieveResponse>";
}

} // namespace

class SeriesAnswersTest : public QObject
{
    Q_OBJECT

private slots:
    void openLibrary_editionSeries_data()
    {
        QTest::addColumn<QByteArray>("series");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("number");
        QTest::newRow("statement with number") << QByteArray("[\"Nevermoor ; 1\"]") << "Nevermoor" << "1";
        QTest::newRow("several, first wins") << QByteArray("[\"Nevermoor -- 2\", \"Morrigan Crow\"]") << "Nevermoor"
                                             << "2";
        QTest::newRow("name only") << QByteArray("[\"Visual QuickPro guide\"]") << "Visual QuickPro guide" << "";
        QTest::newRow("older single text") << QByteArray("\"Невермур ; т. 3\"") << "Невермур" << "3";
        QTest::newRow("empty list") << QByteArray("[]") << "" << "";
        QTest::newRow("not text") << QByteArray("{\"name\": 5}") << "" << "";
    }
    void openLibrary_editionSeries()
    {
        QFETCH(QByteArray, series);
        QFETCH(QString, name);
        QFETCH(QString, number);
        OpenLibraryFixture f;
        f.server.serveData(QStringLiteral("/api/books?bibkeys=ISBN:%1").arg(kIsbn),
                           QByteArray("{\"ISBN:") + kIsbn + "\": {\"key\": \"/books/OL9001M\", \"title\": \"Nevermoor\"}}",
                           "application/json");
        f.server.serveData(QStringLiteral("/books/OL9001M.json"),
                           "{\"key\": \"/books/OL9001M\", \"title\": \"Nevermoor\", \"series\": " + series + "}",
                           "application/json");
        CBookRecord r;
        QVERIFY(r.LookupByIsbn(QLatin1String(kIsbn), true));
        QCOMPARE(r.Title, QStringLiteral("Nevermoor"));
        QCOMPARE(r.Series, name);
        QCOMPARE(r.SeriesNumber, number);
    }

    // The volume gives the number, the series record its name.
    void googleBooks_seriesInfo()
    {
        GoogleBooksFixture f;
        const QByteArray info =
            "{\"title\": \"Nevermoor\", \"industryIdentifiers\": [{\"type\": \"ISBN_13\", \"identifier\": \"" +
            QByteArray(kIsbn) +
            "\"}], \"seriesInfo\": {\"kind\": \"books#volume_series_info\", \"bookDisplayNumber\": \"1\", "
            "\"volumeSeries\": [{\"seriesId\": \"sErIeS_01\", \"seriesBookType\": \"COLLECTED_EDITION\", "
            "\"orderNumber\": 1}]}}";
        f.server.serveData(QStringLiteral("/books/v1/volumes?q=isbn:%1").arg(kIsbn),
                           "{\"totalItems\": 1, \"items\": [{\"id\": \"nevermoor001\", \"volumeInfo\": " + info + "}]}",
                           "application/json");
        f.server.serveData(QStringLiteral("/books/v1/volumes/nevermoor001"),
                           "{\"id\": \"nevermoor001\", \"volumeInfo\": " + info + "}", "application/json");
        f.server.serveData(QStringLiteral("/books/v1/series/get?series_id=sErIeS_01"),
                           "{\"kind\": \"books#series\", \"series\": [{\"seriesId\": \"sErIeS_01\", "
                           "\"title\": \"Nevermoor\", \"seriesType\": \"BOOK\"}]}",
                           "application/json");
        CBookRecord r;
        QVERIFY(r.LookupByIsbn(QLatin1String(kIsbn), true));
        QCOMPARE(r.Series, QStringLiteral("Nevermoor"));
        QCOMPARE(r.SeriesNumber, QStringLiteral("1"));
    }

    // Without the series record the book is still found; the series stays empty.
    void googleBooks_seriesRecordMissing()
    {
        GoogleBooksFixture f;
        const QByteArray info = "{\"title\": \"Nevermoor\", \"industryIdentifiers\": [{\"type\": \"ISBN_13\", "
                                "\"identifier\": \"" +
                                QByteArray(kIsbn) +
                                "\"}], \"seriesInfo\": {\"volumeSeries\": [{\"seriesId\": \"gone\"}]}}";
        f.server.serveData(QStringLiteral("/books/v1/volumes?q=isbn:%1").arg(kIsbn),
                           "{\"totalItems\": 1, \"items\": [{\"id\": \"nevermoor001\", \"volumeInfo\": " + info + "}]}",
                           "application/json");
        f.server.serveData(QStringLiteral("/books/v1/volumes/nevermoor001"),
                           "{\"id\": \"nevermoor001\", \"volumeInfo\": " + info + "}", "application/json");
        f.server.serveData(QStringLiteral("/books/v1/series/get"), "{\"error\": {\"code\": 404, \"message\": \"x\"}}",
                           "application/json", 404);
        CBookRecord r;
        QVERIFY(r.LookupByIsbn(QLatin1String(kIsbn), true));
        QCOMPARE(r.Title, QStringLiteral("Nevermoor"));
        QVERIFY(r.Series.isEmpty());
    }

    void loc_relatedItemSeries_data()
    {
        QTest::addColumn<QByteArray>("items");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("number");
        QTest::newRow("transcribed with volume")
            << QByteArray("<relatedItem type=\"series\"><titleInfo><title>Visual QuickPro guide ; v. 2</title>"
                          "</titleInfo></relatedItem>")
            << "Visual QuickPro guide" << "2";
        QTest::newRow("part number apart")
            << QByteArray("<relatedItem type=\"series\"><titleInfo><title>Nevermoor.</title><partNumber>book 1"
                          "</partNumber></titleInfo></relatedItem>")
            << "Nevermoor" << "book 1";
        QTest::newRow("other related items first")
            << QByteArray("<relatedItem type=\"original\"><titleInfo><title>Ursprung</title></titleInfo>"
                          "</relatedItem><relatedItem type=\"series\"><titleInfo><title>Collection Ω</title>"
                          "</titleInfo></relatedItem>")
            << "Collection Ω" << "";
        QTest::newRow("none") << QByteArray() << "" << "";
    }
    void loc_relatedItemSeries()
    {
        QFETCH(QByteArray, items);
        QFETCH(QString, name);
        QFETCH(QString, number);
        LocFixture f;
        f.server.serveData(QStringLiteral("/LCDB"), modsAnswer(items), "application/xml");
        CBookRecord r;
        QVERIFY(r.LookupByIsbn(QLatin1String(kIsbn), true));
        QCOMPARE(r.Title, QStringLiteral("Nevermoor"));
        QCOMPARE(r.Series, name);
        QCOMPARE(r.SeriesNumber, number);
    }

    // The bookstore has no series field: a numbered series at the end of the
    // product name is read; any other parentheses, an unnumbered series
    // among them, stay in the title.
    void bookstore_seriesInProductName_data()
    {
        QTest::addColumn<QString>("productName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("number");
        QTest::newRow("numbered") << "Mort (Discworld, #4)" << "Mort" << "Discworld" << "4";
        QTest::newRow("cyrillic, decimal") << "Мор (Плоский мир, #4.5)" << "Мор" << "Плоский мир" << "4.5";
        QTest::newRow("unnumbered stays") << "PHP for the Web (Visual QuickStart Guide)"
                                      << "PHP for the Web (Visual QuickStart Guide)" << "" << "";
        QTest::newRow("edition") << "Python (Second Edition)" << "Python (Second Edition)" << "" << "";
    }
    void bookstore_seriesInProductName()
    {
        QFETCH(QString, productName);
        QFETCH(QString, title);
        QFETCH(QString, name);
        QFETCH(QString, number);
        BookstoreFixture f;
        const QString heavy = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ProductInfo>"
                                             "<Details url=\"x\"><Asin>0552131067</Asin><ProductName>%1</ProductName>"
                                             "<Authors><Author>Terry Pratchett</Author></Authors></Details>"
                                             "</ProductInfo>")
                                  .arg(productName.toHtmlEscaped());
        f.server.serveData(QStringLiteral("/onca/xml3?type=heavy&AsinSearch=0552131067"), heavy.toUtf8(), "text/xml");
        f.server.serveData(BookstoreFixture::pagePath("0552131067"), "<html><body></body></html>", "text/html");
        CBookRecord r;
        QVERIFY(r.LookupByIsbn(QStringLiteral("0552131067"), false));
        QCOMPARE(r.Title, title);
        QCOMPARE(r.Series, name);
        QCOMPARE(r.SeriesNumber, number);
        QCOMPARE(r.Author, QStringLiteral("Terry Pratchett"));
    }
};

QTEST_GUILESS_MAIN(SeriesAnswersTest)
#include "seriesanswers_test.moc"
