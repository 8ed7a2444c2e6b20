// Clicked addresses and cover sources of the page.
#include "page/coverurl.h"
#include "page/linkopenrule.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class LinkOpenRuleTest : public QObject
{
    Q_OBJECT

private slots:
    void everyScheme_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("rule");
        const int open = int(LinkOpenRule::Open), ask = int(LinkOpenRule::Ask),
                  refuse = int(LinkOpenRule::Refuse);
        QTest::newRow("http") << "http://example.org/книга" << open;
        QTest::newRow("https") << "HTTPS://example.org/" << open;
        QTest::newRow("ftp") << "ftp://example.org/pub" << open;
        QTest::newRow("mailto") << "mailto:lector@example.org" << open;
        QTest::newRow("javascript") << "javascript:alert(1)" << ask;
        QTest::newRow("smb") << "smb://server/share" << ask;
        QTest::newRow("data") << "data:text/html,<b>x</b>" << ask;
        QTest::newRow("custom handler") << "steam://run/1" << ask;
        QTest::newRow("vbscript") << "vbscript:msgbox" << ask;
        QTest::newRow("missing file") << "file:///no/such/file/書.pdf" << refuse;
        QTest::newRow("empty") << "" << refuse;
    }

    void everyScheme()
    {
        QFETCH(QString, address);
        QFETCH(int, rule);
        QCOMPARE(int(LinkOpenRuleFor(QUrl(address))), rule);
    }

    void existingFilesAndFolders_open()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/Βιβλία #1";
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(LinkOpenRuleFor(QUrl::fromLocalFile(folder)), LinkOpenRule::Open);
        QVERIFY(AskToOpenLinkText(QUrl("smb://server/share")).contains("smb://server/share"));
    }

    // A catalogue folder holding #, ? or % still shows its covers.
    void coverSources_becomeFileUrls()
    {
        QCOMPARE(CoverFileUrl("/home/r/Books #2?/100% 书_images/12.jpg"),
                 QString("file:///home/r/Books%20%232%3F/100%25%20%E4%B9%A6_images/12.jpg"));
        QCOMPARE(QUrl(CoverFileUrl("/a/b#c/12.jpg")).toLocalFile(), QString("/a/b#c/12.jpg"));
        QCOMPARE(CoverFileUrl("relative/12.jpg"), QString("relative/12.jpg"));
        const auto imageSources = [](const QString &html) {
            return QString::fromUtf8(RewriteOrdoAttributes(html.toUtf8(), false));
        };
        QCOMPARE(imageSources("<p><img ordosrc=\"/x/R&amp;D #1/1.jpg\" class=\"c\"></p>"
                              "<img ordosrc=\"/y/2.png\">"),
                 QString("<p><img src=\"file:///x/R&amp;D%20%231/1.jpg\" class=\"c\"></p>"
                         "<img src=\"file:///y/2.png\">"));
        QCOMPARE(imageSources("<img ordosrc=\"/x"), QString("<img ordosrc=\"/x"));
    }
};

QTEST_GUILESS_MAIN(LinkOpenRuleTest)
#include "linkopenrule_test.moc"
