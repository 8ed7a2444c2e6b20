#include "scan/barcodereader.h"

#include "barcodepictures.h"

#include <QtTest>

using namespace BarcodePictures;
using ZXing::BarcodeFormat;

namespace {

const QSize kFrame(1280, 720);

Placement at(Modules modules, QPointF centre, qreal degrees = 0, qreal moduleWidth = 3)
{
    Placement code;
    code.modules = std::move(modules);
    code.centre = centre;
    code.degrees = degrees;
    code.moduleWidth = moduleWidth;
    return code;
}

Modules ean(const std::string &digits)
{
    return Encode(BarcodeFormat::EAN13, digits);
}

QStringList isbnsOf(const QVector<CBarcodeIsbn> &codes)
{
    QStringList isbns;
    for (const CBarcodeIsbn &code : codes)
        if (code.isIsbn())
            isbns << code.isbn;
    isbns.sort();
    return isbns;
}

} // namespace

class BarcodeReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void readsBookBarcodesInHardPictures_data();
    void readsBookBarcodesInHardPictures();
    void readsAddOnsAndDropsThem();
    void refusesBarcodesOfOtherGoods();
    void obliquePhotoNeedsPictureEffort();
    void emptyAndBarcodeFreePicturesGiveNothing();
};

void BarcodeReaderTest::readsBookBarcodesInHardPictures_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QStringList>("isbns");

    const QPointF mid(640, 360);
    const QStringList ten{QStringLiteral("0596000278")};
    QTest::newRow("978 plain") << Scene(kFrame, {at(ean("9780596000271"), mid)}) << ten;
    QTest::newRow("979") << Scene(kFrame, {at(ean("9791032305690"), mid)})
                         << QStringList{QStringLiteral("9791032305690")};
    QTest::newRow("ISBN as Code 128")
        << Scene(kFrame, {at(Encode(BarcodeFormat::Code128, "0596000278"), mid, 0, 2)}) << ten;
    QTest::newRow("ISBN as Code 39") << Scene(kFrame,
                                              {at(Encode(BarcodeFormat::Code39, "080440013X"), mid, 0, 2)})
                                     << QStringList{QStringLiteral("080440013X")};
    QTest::newRow("tilted 12 degrees") << Scene(kFrame, {at(ean("9780596000271"), mid, 12)}) << ten;
    QTest::newRow("upright (90)") << Scene(kFrame, {at(ean("9780596000271"), mid, 90, 2)}) << ten;
    QTest::newRow("upside down") << Scene(kFrame, {at(ean("9780596000271"), mid, 180)}) << ten;
    QTest::newRow("small, far from the camera")
        << Scene(kFrame, {at(ean("9780596000271"), QPointF(300, 200), 0, 2)}) << ten;
    QTest::newRow("blurred") << Blurred(Scene(kFrame, {at(ean("9780596000271"), mid)}), 3) << ten;
    QTest::newRow("noisy") << Noisy(Scene(kFrame, {at(ean("9780596000271"), mid)}), 40) << ten;
    QTest::newRow("low contrast") << Scene(kFrame, {at(ean("9780596000271"), mid)}, QColor(140, 140, 140),
                                           QColor(105, 105, 105), QColor(150, 150, 150))
                                  << ten;
    QTest::newRow("blurred, noisy, tilted, dim")
        << Noisy(Blurred(Scene(kFrame, {at(ean("9780596000271"), mid, -8)}, QColor(90, 80, 70),
                               QColor(60, 60, 60), QColor(170, 170, 170)),
                         2),
                 20)
        << ten;
    QTest::newRow("light bars on a dark cover")
        << Scene(kFrame, {at(ean("9780596000271"), mid)}, QColor(20, 20, 40), Qt::white, QColor(20, 20, 40))
        << ten;
    QTest::newRow("two books in one picture")
        << Scene(kFrame, {at(ean("9780596000271"), QPointF(330, 200)),
                          at(ean("9791032305690"), QPointF(950, 520), 5)})
        << QStringList{QStringLiteral("0596000278"), QStringLiteral("9791032305690")};
}

void BarcodeReaderTest::readsBookBarcodesInHardPictures()
{
    QFETCH(QImage, picture);
    QFETCH(QStringList, isbns);
    // The camera's quick effort must already read these.
    QCOMPARE(isbnsOf(CBarcodeReader(CBarcodeReader::Effort::Frame).read(picture)), isbns);
}

void BarcodeReaderTest::readsAddOnsAndDropsThem()
{
    const QImage price = Scene(kFrame, {at(WithAddOn(ean("9780596000271"), "51995"), QPointF(640, 360))});
    const QVector<CBarcodeIsbn> codes = CBarcodeReader().read(price);
    QCOMPARE(codes.size(), 1);
    QCOMPARE(codes[0].isbn, QStringLiteral("0596000278"));
    QCOMPARE(codes[0].barcode, QStringLiteral("9780596000271"));
    QCOMPARE(codes[0].addOn, QStringLiteral("51995"));

    // A magazine's issue number rides on a 2-digit add-on of its ISSN barcode.
    const QImage issue = Scene(kFrame, {at(WithAddOn(ean("9771234567003"), "07"), QPointF(640, 360))});
    const QVector<CBarcodeIsbn> magazine = CBarcodeReader().read(issue);
    QCOMPARE(magazine.size(), 1);
    QCOMPARE(magazine[0].refusal, IsbnRefusal::Issn);
    QCOMPARE(magazine[0].addOn, QStringLiteral("07"));
}

void BarcodeReaderTest::refusesBarcodesOfOtherGoods()
{
    const QImage shelf = Scene(kFrame, {at(ean("4006381333931"), QPointF(330, 200)),
                                        at(Encode(BarcodeFormat::EAN8, "96385074"), QPointF(950, 200)),
                                        at(Encode(BarcodeFormat::UPCA, "036000291452"), QPointF(330, 540)),
                                        at(ean("9780596000271"), QPointF(950, 540))});
    const QVector<CBarcodeIsbn> codes = CBarcodeReader().read(shelf);
    QCOMPARE(isbnsOf(codes), QStringList{QStringLiteral("0596000278")});
    QMap<QString, IsbnRefusal> refusals;
    for (const CBarcodeIsbn &code : codes)
        if (!code.isIsbn())
            refusals.insert(code.barcode, code.refusal);
    QCOMPARE(refusals.value(QStringLiteral("4006381333931"), IsbnRefusal::None), IsbnRefusal::NotBook);
    QCOMPARE(refusals.value(QStringLiteral("96385074"), IsbnRefusal::None), IsbnRefusal::NotBook);
    QCOMPARE(refusals.value(QStringLiteral("036000291452"), IsbnRefusal::None), IsbnRefusal::NotBook);
}

void BarcodeReaderTest::obliquePhotoNeedsPictureEffort()
{
    const QImage photo = Scene(QSize(1600, 1200), {at(ean("9791032305690"), QPointF(800, 600), 45, 4)});
    QCOMPARE(isbnsOf(CBarcodeReader(CBarcodeReader::Effort::Picture).read(photo)),
             QStringList{QStringLiteral("9791032305690")});
}

void BarcodeReaderTest::emptyAndBarcodeFreePicturesGiveNothing()
{
    QVERIFY(CBarcodeReader().read(QImage()).isEmpty());
    QImage text(kFrame, QImage::Format_RGB32);
    text.fill(Qt::white);
    {
        QPainter painter(&text);
        for (int i = 0; i < 40; ++i)
            painter.fillRect(QRect(40 + i * 30, 100 + (i % 7) * 60, 12 + i % 5, 200), Qt::darkGray);
    }
    QVERIFY(CBarcodeReader().read(text).isEmpty());
    QVERIFY(CBarcodeReader().read(Noisy(text, 60)).isEmpty());
}

QTEST_GUILESS_MAIN(BarcodeReaderTest)
#include "barcodereader_test.moc"
