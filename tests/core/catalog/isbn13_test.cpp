#include "catalog/isbn.h"

#include <QTest>

// ISBN-13 and the conversions the online lookup uses. The ISBN-10 check and
// the EAN conversion keep their own tests in textfunctions_test.
class Isbn13Test : public QObject
{
    Q_OBJECT

private slots:
    void normalize()
    {
        QCOMPARE(NormalizeIsbn(QStringLiteral(" 0-596-00027-8 ")), QString("0596000278"));
        QCOMPARE(NormalizeIsbn(QStringLiteral("284426025x")), QString("284426025X"));
        QCOMPARE(NormalizeIsbn(QStringLiteral("978 0 596\t00027 1")), QString("9780596000271"));
        QCOMPARE(NormalizeIsbn(QString()), QString());
    }

    void isValidIsbn13_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("978") << "9780596000271" << true;
        QTest::newRow("978 hyphens") << "978-0-596-00027-1" << true;
        QTest::newRow("979-1") << "979-10-90636-07-1" << true;
        QTest::newRow("979-0 is music") << "9790000000001" << false;
        QTest::newRow("bad check digit") << "9780596000272" << false;
        QTest::newRow("other prefix") << "9770596000278" << false;
        QTest::newRow("twelve digits") << "978059600027" << false;
        QTest::newRow("fourteen digits") << "97805960002710" << false;
        QTest::newRow("letter") << "978059600027X" << false;
        QTest::newRow("isbn-10") << "0596000278" << false;
        QTest::newRow("arabic-indic digits") << QString::fromUtf8("٩٧٨٠٥٩٦٠٠٠٢٧١") << false;
    }

    void isValidIsbn13()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(IsValidIsbn13(text), valid);
        QCOMPARE(IsValidAnyIsbn(text), valid || IsValidIsbn(text));
    }

    void convert_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to13");
        QTest::addColumn<QString>("to10");
        QTest::addColumn<QString>("other");
        QTest::newRow("10") << "0-596-00027-8" << "9780596000271" << "" << "9780596000271";
        QTest::newRow("10 with X") << "284426025x" << "9782844260253" << "" << "9782844260253";
        QTest::newRow("13 to X") << "9782844260253" << "" << "284426025X" << "284426025X";
        QTest::newRow("13 to 10") << "978-0-306-40615-7" << "" << "0306406152" << "0306406152";
        QTest::newRow("979 has no 10") << "9791090636071" << "" << "" << "";
        QTest::newRow("invalid 10") << "0596000279" << "" << "" << "";
        QTest::newRow("invalid 13") << "9780596000272" << "" << "" << "";
    }

    void convert()
    {
        QFETCH(QString, from);
        QFETCH(QString, to13);
        QFETCH(QString, to10);
        QFETCH(QString, other);
        QCOMPARE(Isbn10To13(from), to13);
        QCOMPARE(Isbn13To10(from), to10);
        QCOMPARE(OtherIsbnForm(from), other);
    }

    void inForm_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("stored");
        QTest::newRow("10: scanned 978 becomes 10") << "9780596000271" << 10 << "0596000278";
        QTest::newRow("10: 10 stays") << "0-596-00027-8" << 10 << "0596000278";
        QTest::newRow("10: 979 stays 13") << "979-10-90636-07-1" << 10 << "9791090636071";
        QTest::newRow("13: 10 becomes 13") << "0596000278" << 13 << "9780596000271";
        QTest::newRow("13: 13 stays") << "9791090636071" << 13 << "9791090636071";
        QTest::newRow("as entered") << "978-0-596-00027-1" << 0 << "978-0-596-00027-1";
        QTest::newRow("invalid unchanged") << "12345" << 13 << "12345";
        QTest::newRow("music unchanged") << "9790000000001" << 10 << "9790000000001";
    }

    void inForm()
    {
        QFETCH(QString, text);
        QFETCH(int, form);
        QFETCH(QString, stored);
        QCOMPARE(IsbnInForm(text, form), stored);
    }

    void designedFunctionsStayIsbn10Only()
    {
        QVERIFY(!IsValidIsbn(QStringLiteral("9780596000271")));
        QCOMPARE(EanToIsbn(QStringLiteral("9791090636071")), QString("9791090636071"));
        QCOMPARE(EanToIsbn(QStringLiteral("9780596000271")), QString("0596000278"));
    }
};

QTEST_GUILESS_MAIN(Isbn13Test)
#include "isbn13_test.moc"
