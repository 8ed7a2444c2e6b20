#include "catalog/isbnincatalogue.h"
#include "online/isbnlist.h"
#include "testcatalog.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class IsbnListTest : public QObject
{
    Q_OBJECT

private slots:
    void listLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("isbn");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("isbn-10") << " 0596000278\r" << "0596000278" << true;
        QTest::newRow("lower-case x") << "080442957x" << "080442957x" << true;
        QTest::newRow("978 barcode") << "9780596000271" << "0596000278" << true;
        QTest::newRow("978 + add-on joined") << "978059600027152499" << "0596000278" << true;
        QTest::newRow("978 + add-on, hyphen") << "9780596000271-52499" << "0596000278" << true;
        QTest::newRow("979 barcode stays 13") << "9791090636071" << "9791090636071" << true;
        QTest::newRow("979 + add-on") << "979109063607190000" << "9791090636071" << true;
        QTest::newRow("979-0 music") << "9790000000001" << "9790000000001" << false;
        QTest::newRow("add-on of 4 digits kept") << "97805960002715249" << "97805960002715249" << false;
        // A misread barcode is not turned into some other valid ISBN-10.
        QTest::newRow("978, bad check digit") << "9780596000272" << "9780596000272" << false;
        QTest::newRow("other text") << "Война и мир" << "Война и мир" << false;
    }
    void listLines()
    {
        QFETCH(QString, line);
        QFETCH(QString, isbn);
        QFETCH(bool, accepted);
        QCOMPARE(IsbnFromListLine(line), isbn);
        QCOMPARE(IsAcceptedIsbn(IsbnFromListLine(line)), accepted);
    }

    void filesReadAnyLineEnd()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("list.txt");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("  0596000278\r1565922433\r\n\n \t \n9791090636071  \nКнига\n");
        file.close();
        QString text = "unchanged";
        QCOMPARE(ReadIsbnListFile(path, text), IsbnFileRead::Ok);
        QCOMPARE(text, QString("0596000278\r\n1565922433\r\n9791090636071\r\nКнига"));

        QVERIFY(WriteIsbnListFile(path, text));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), QString("0596000278\r\n1565922433\r\n9791090636071\r\nКнига\r\n"));
        file.close();

        text = "unchanged";
        QCOMPARE(ReadIsbnListFile(dir.filePath("missing.txt"), text), IsbnFileRead::CannotOpen);
        QCOMPARE(ReadIsbnListFile(dir.path(), text), IsbnFileRead::CannotOpen); // a folder
        QCOMPARE(text, QString("unchanged"));
        QVERIFY(!WriteIsbnListFile(dir.filePath("no/such/list.txt"), "0596000278"));
    }

    void catalogueKnowsAnIsbnInEitherForm()
    {
        TestCatalog cat;
        cat.exec("INSERT INTO book (BookID, Title, ISBN) VALUES (1, 'A', '0-596-00027-8')");
        cat.exec("INSERT INTO book (BookID, Title, ISBN) VALUES (2, 'B', '080442957x')");
        cat.exec("INSERT INTO book (BookID, Title, ISBN) VALUES (3, 'C', NULL)");
        QVERIFY(IsIsbnInCatalogue("0596000278", cat.connection()));
        QString title;
        QVERIFY(IsIsbnInCatalogue("978-0-596-00027-1", cat.connection(), &title));
        QCOMPARE(title, QString("A"));
        QVERIFY(IsIsbnInCatalogue("080442957X", cat.connection()));
        QVERIFY(IsIsbnInCatalogue("080442957x", cat.connection()));
        QVERIFY(!IsIsbnInCatalogue("1565922433", cat.connection()));
        QVERIFY(!IsIsbnInCatalogue("", cat.connection()));
        // Quotes in odd input cannot break the statement.
        QVERIFY(!IsIsbnInCatalogue("0596'000278", cat.connection()));
    }
};

QTEST_GUILESS_MAIN(IsbnListTest)
#include "isbnlist_test.moc"
