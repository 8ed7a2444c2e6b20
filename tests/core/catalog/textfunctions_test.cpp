#include "catalog/fileutil.h"
#include "catalog/isbn.h"
#include "catalog/words.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TextFunctionsTest : public QObject
{
    Q_OBJECT

private slots:
    void isValidIsbn_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("hyphenated") << "0-306-40615-2" << true;
        QTest::newRow("wrong check digit") << "0306406153" << false;
        QTest::newRow("lower-case x") << "080442957x" << true;
        QTest::newRow("blanks around") << "  0306406152 " << true;
        QTest::newRow("check 11 is 0") << "0306406152" << true;
        QTest::newRow("too short") << "030640615" << false;
        QTest::newRow("letter inside") << "03064A6152" << false;
        QTest::newRow("X not last") << "X306406152" << false;
        QTest::newRow("isbn-13") << "9780306406157" << false;
    }
    void isValidIsbn()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(IsValidIsbn(text), valid);
    }

    void eanToIsbn_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("book EAN") << "9780306406157" << "0306406152";
        QTest::newRow("with add-on") << "9780306406157-51299" << "0306406152";
        QTest::newRow("check X") << "9780804429573" << "080442957X";
        QTest::newRow("979 prefix unchanged") << "9790306406157" << "9790306406157";
        QTest::newRow("other length unchanged") << "97803064061" << "97803064061";
        QTest::newRow("18 digits unchanged") << "978030640615751299" << "978030640615751299";
        QTest::newRow("isbn-10 unchanged") << "0306406152" << "0306406152";
        QTest::newRow("letters unchanged") << "978ABCDEFGHIJ" << "978ABCDEFGHIJ";
    }
    void eanToIsbn()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(EanToIsbn(text), expected);
    }

    void words()
    {
        QCOMPARE(FirstWord("Smith"), QString());
        QCOMPARE(FirstWord("  John Smith"), QString("John"));
        QCOMPARE(AllButFirstWord("  John   Ronald Smith"), QString("Ronald Smith"));
        QCOMPARE(AllButFirstWord("Smith"), QString("Smith"));
        QCOMPARE(LastWord("John Smith "), QString("Smith"));
        QCOMPARE(LastWord("Smith"), QString("Smith"));
        QCOMPARE(AllButLastWord("John Ronald   Smith "), QString("John Ronald"));
        QCOMPARE(AllButLastWord("Smith"), QString());
        QCOMPARE(FirstTwoWords("John Ronald Reuel Tolkien"), QString("John Ronald"));
        QCOMPARE(FileNameOfPath("C:\\pics\\scan.jpg "), QString("scan.jpg"));
        QCOMPARE(FileNameOfPath("/home/me/pics/scan.jpg"), QString("scan.jpg"));
        QCOMPARE(FileNameOfPath("scan.jpg"), QString("scan.jpg"));
    }

    void replaceNoCase_neverRescansTheReplacement()
    {
        QCOMPARE(ReplaceNoCase("<BR>a<br>b", "<br>", "\n"), QString("\na\nb"));
        QCOMPARE(ReplaceNoCase("aAa", "a", "aa"), QString("aaaaaa"));
        QCOMPARE(ReplaceNoCase("text", "", "x"), QString("text"));
    }

    void files()
    {
        QTemporaryDir dir;
        const QString small = dir.path() + "/small.bin";
        const QString big = dir.path() + "/big.bin";
        QFile f(small);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(1024 * 1024, 'x')); // exactly 1024 KB
        f.close();
        QFile g(big);
        QVERIFY(g.open(QIODevice::WriteOnly));
        g.write(QByteArray(1536 * 1024, 'x'));
        g.close();
        QCOMPARE(FileSizeText(small), QString("1024 KB"));
        QCOMPARE(FileSizeText(big), QString("1.50 MB"));
        QVERIFY(FileExists(small));
        QVERIFY(!FileExists(dir.path()));
        QVERIFY(FolderExists(dir.path()));
        QVERIFY(!FolderExists(small));
        QVERIFY(!FileExists(dir.path() + "/none"));
    }
};

QTEST_GUILESS_MAIN(TextFunctionsTest)
#include "textfunctions_test.moc"
