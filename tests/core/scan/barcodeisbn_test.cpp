#include "scan/barcodeisbn.h"

#include <QtTest>

class BarcodeIsbnTest : public QObject
{
    Q_OBJECT

private slots:
    void turnsBookBarcodesIntoIsbns_data();
    void turnsBookBarcodesIntoIsbns();
    void refusesWhatIsNoBook_data();
    void refusesWhatIsNoBook();
};

void BarcodeIsbnTest::turnsBookBarcodesIntoIsbns_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("addOn");
    QTest::addColumn<QString>("isbn");

    const int ean = int(BarcodeKind::Ean13);
    QTest::newRow("978 becomes ISBN-10") << ean << "9780596000271"
                                         << ""
                                         << "0596000278";
    QTest::newRow("978 with X check character") << ean << "9780804400138"
                                                << ""
                                                << "080440013X";
    QTest::newRow("979 stays ISBN-13") << ean << "9791032305690"
                                       << ""
                                       << "9791032305690";
    QTest::newRow("price add-on dropped") << ean << "9780596000271"
                                          << "51995"
                                          << "0596000278";
    QTest::newRow("Code 128 ISBN-10") << int(BarcodeKind::Code128) << "0596000278"
                                      << ""
                                      << "0596000278";
    QTest::newRow("Code 128 labelled, hyphens") << int(BarcodeKind::Code128) << "ISBN 0-596-00027-8"
                                                << ""
                                                << "0596000278";
    QTest::newRow("Code 39 ISBN-13 label") << int(BarcodeKind::Code39) << "ISBN-13: 978-0-596-00027-1"
                                           << ""
                                           << "0596000278";
    QTest::newRow("Code 39 small x") << int(BarcodeKind::Code39) << "080440013x"
                                     << ""
                                     << "080440013X";
}

void BarcodeIsbnTest::turnsBookBarcodesIntoIsbns()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(QString, addOn);
    QFETCH(QString, isbn);
    const CBarcodeIsbn code = IsbnFromBarcode(BarcodeKind(kind), text, addOn);
    QVERIFY(code.isIsbn());
    QCOMPARE(code.isbn, isbn);
    QCOMPARE(code.barcode, text);
    QCOMPARE(code.addOn, addOn);
}

void BarcodeIsbnTest::refusesWhatIsNoBook_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("refusal");

    const int ean = int(BarcodeKind::Ean13);
    QTest::newRow("ISSN periodical") << ean << "9771234567003" << int(IsbnRefusal::Issn);
    QTest::newRow("sheet music 979-0") << ean << "9790060115615" << int(IsbnRefusal::SheetMusic);
    QTest::newRow("grocery EAN") << ean << "4006381333931" << int(IsbnRefusal::NotBook);
    QTest::newRow("978 with wrong check digit") << ean << "9780596000272" << int(IsbnRefusal::BadCheckDigit);
    QTest::newRow("979 with wrong check digit") << ean << "9791032305691" << int(IsbnRefusal::BadCheckDigit);
    QTest::newRow("EAN-13 not digits") << ean << "97805960002a1" << int(IsbnRefusal::NotBook);
    QTest::newRow("EAN-8") << int(BarcodeKind::Ean8) << "96385074" << int(IsbnRefusal::NotBook);
    QTest::newRow("UPC-A") << int(BarcodeKind::UpcA) << "036000291452" << int(IsbnRefusal::NotBook);
    QTest::newRow("Code 128 other text")
        << int(BarcodeKind::Code128) << "Книга 书 βιβλίο" << int(IsbnRefusal::NotIsbnText);
    QTest::newRow("Code 39 bad ISBN-10")
        << int(BarcodeKind::Code39) << "0596000279" << int(IsbnRefusal::NotIsbnText);
    QTest::newRow("Code 128 ISSN number")
        << int(BarcodeKind::Code128) << "9771234567003" << int(IsbnRefusal::Issn);
    QTest::newRow("empty Code 128") << int(BarcodeKind::Code128) << "" << int(IsbnRefusal::NotIsbnText);
}

void BarcodeIsbnTest::refusesWhatIsNoBook()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(int, refusal);
    const CBarcodeIsbn code = IsbnFromBarcode(BarcodeKind(kind), text);
    QCOMPARE(int(code.refusal), refusal);
    QVERIFY(!code.isIsbn());
    QVERIFY(code.isbn.isEmpty());
    QCOMPARE(code.barcode, text);
}

QTEST_GUILESS_MAIN(BarcodeIsbnTest)
#include "barcodeisbn_test.moc"
