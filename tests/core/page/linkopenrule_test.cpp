// Clicked addresses and cover sources of the page.
#include "page/coverurl.h"
#include "page/linkopenrule.h"

#include <QDir>
#include <QTemporaryDir>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
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

    // A cover replaced under the same name gets a new address, so the page
    // never shows the picture the engine cached for the old one.
    void replacedCover_getsANewAddress()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/Εξώφυλλα #1_images/12.jpg";
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        const auto write = [&](const QByteArray &bytes, const QDateTime &time) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            file.close();
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
        };
        const QDateTime first = QDateTime::currentDateTime().addSecs(-60);
        write("first picture", first);
        const QString before = CoverFileUrl(path);
        QCOMPARE(QUrl(before).toLocalFile(), path);
        QVERIFY(QUrl(before).hasQuery());
        QCOMPARE(CoverFileUrl(path), before); // the same file, the same address

        // Same size, same second: the milliseconds still tell them apart.
        write("other picture", first.addMSecs(5));
        const QString after = CoverFileUrl(path);
        QVERIFY(after != before);
        QCOMPARE(QUrl(after).toLocalFile(), path);
        const QString html = QString::fromUtf8(
            RewriteOrdoAttributes(QString("<img ordosrc=\"%1\">").arg(path).toUtf8(), false));
        QCOMPARE(html, QString("<img src=\"%1\">").arg(after));
    }
};

QTEST_GUILESS_MAIN(LinkOpenRuleTest)
#include "linkopenrule_test.moc"
