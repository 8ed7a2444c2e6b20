#include "catalog/linkrules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class LinkRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void webAddress_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("http") << "http://example.org" << true;
        QTest::newRow("https with path") << "https://example.org/книга?a=1" << true;
        QTest::newRow("ftp") << "ftp://files.example.org/x" << true;
        QTest::newRow("mailto") << "mailto:ann@example.org" << true;
        QTest::newRow("scheme with digits and plus") << "svn+ssh2://host.example/repo" << true;
        QTest::newRow("no dot") << "http://localhost" << false;
        QTest::newRow("no scheme") << "www.example.org" << false;
        QTest::newRow("drive letter") << "C:\\books\\a.pdf" << false;
        QTest::newRow("scheme starts with a digit") << "1http://example.org" << false;
        QTest::newRow("blank in scheme") << "ht tp://example.org" << false;
        QTest::newRow("colon first") << ":example.org" << false;
        QTest::newRow("path") << "/home/ann/a.pdf" << false;
        QTest::newRow("Greek scheme") << "αβγ://example.org" << false;
        QTest::newRow("empty") << "" << false;
    }
    void webAddress()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(IsWebAddress(text), valid);
    }

    void guessedType()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("Ἰλιάς 书");
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + "/Война и мир.pdf";
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QCOMPARE(GuessLinkType("https://example.org/a"), LinkType::Url);
        QCOMPARE(GuessLinkType(file), LinkType::File);
        QCOMPARE(GuessLinkType(folder), LinkType::Folder);
        QCOMPARE(GuessLinkType(folder + "/missing.pdf"), LinkType::Other);
        QCOMPARE(GuessLinkType("ISBN 0-201-61622-X"), LinkType::Other);
        QCOMPARE(GuessLinkType(QString()), LinkType::Other);
    }

    void nextNumber_data()
    {
        QTest::addColumn<int>("highest");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("next");
        QTest::newRow("empty list") << 0 << 0 << 1;
        QTest::newRow("1..3") << 3 << 3 << 4;
        QTest::newRow("after a deletion") << 5 << 4 << 6;
        QTest::newRow("numbers below the row count") << 2 << 5 << 6;
        QTest::newRow("unreadable numbers") << -1 << 2 << 3;
        QTest::newRow("at the limit") << INT_MAX << 1 << INT_MAX;
    }
    void nextNumber()
    {
        QFETCH(int, highest);
        QFETCH(int, rows);
        QFETCH(int, next);
        QCOMPARE(NextLinkNumber(highest, rows), next);
    }
};

QTEST_APPLESS_MAIN(LinkRulesTest)
#include "linkrules_test.moc"
