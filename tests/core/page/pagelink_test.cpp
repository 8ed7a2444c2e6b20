#include "page/pagelink.h"
#include "recordingmessenger.h"
#include "testcatalog.h"

#include <QTest>

namespace {
const QString kImages = QStringLiteral("/home/reader/My Books_images");
}

class PageLinkTest : public QObject
{
    Q_OBJECT

private slots:
    void resolve_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("expected");

        QTest::newRow("cover: full path") << "ordocover:///srv/other_images/12.jpg" << kImages + "/12.jpg";
        QTest::newRow("cover: Windows path with trailing slash")
            << "ordocover://C:\\x\\12.jpg/" << kImages + "/12.jpg";
        QTest::newRow("cover: trailing-slash name") << "ordocover://12b.jpg/" << kImages + "/12b.jpg";
        QTest::newRow("cover: white space around") << "ordocover://  /a/12.gif  " << kImages + "/12.gif";
        QTest::newRow("cover: white space before the slash") << "ordocover://12.jpg /" << kImages + "/12.jpg";
        // Never the images folder itself, nor anything above it.
        QTest::newRow("cover: only one slash dropped, no name left") << "ordocover://a/12.jpg//" << QString();
        QTest::newRow("cover: parent folder") << "ordocover://x/.." << QString();
        QTest::newRow("cover: parent folder, backslash") << "ordocover://..\\..\\" << QString();
        QTest::newRow("cover: the folder itself") << "ordocover://." << QString();
        QTest::newRow("cover: scheme in capitals") << "ORDOCOVER://12.jpg" << kImages + "/12.jpg";
        QTest::newRow("link: found") << "ordolink://12/2"
                                     << "/home/reader/docs/bentley.html";
        QTest::newRow("link: white space around") << "ordolink:// 12/5 "
                                                  << "http://www.example.com/errata";
        QTest::newRow("link: gone") << "ordolink://12/9"
                                    << "12/9";
        QTest::newRow("link: no slash") << "ordolink://12"
                                        << "12";
        QTest::newRow("link: not numbers") << "ordolink://12/2 OR 1=1"
                                           << "12/2 OR 1=1";
        QTest::newRow("link: statement injection") << "ordolink://12/2;DROP TABLE link"
                                                   << "12/2;DROP TABLE link";
        QTest::newRow("web address unchanged") << "http://www.example.com/a?b=1"
                                               << "http://www.example.com/a?b=1";
        QTest::newRow("file path unchanged") << "/home/reader/file.pdf"
                                             << "/home/reader/file.pdf";
        QTest::newRow("almost a scheme") << "ordocover:/12.jpg"
                                         << "ordocover:/12.jpg";
    }

    void resolve()
    {
        QFETCH(QString, address);
        QFETCH(QString, expected);

        TestCatalog cat;
        cat.exec("INSERT INTO book (BookID, Title, EBookOnly) VALUES (12, 'T', 0)");
        cat.exec("INSERT INTO link (BookID, LinkID, Name, Path) VALUES (12, 2, 'A', "
                 "'/home/reader/docs/bentley.html')");
        cat.exec("INSERT INTO link (BookID, LinkID, Name, Path) VALUES (12, 5, 'E', "
                 "'http://www.example.com/errata')");
        RecordingMessenger messenger;

        QCOMPARE(ResolvePageLink(address, kImages, &cat.connection()), expected);
        QVERIFY(messenger.messages.isEmpty());
        QCOMPARE(cat.count("SELECT COUNT(*) FROM link"), 2);
    }

    void resolveLink_withoutCatalogueKeepsTheReference()
    {
        QCOMPARE(ResolvePageLink("ordolink://12/2", kImages, nullptr), QString("12/2"));
        QCOMPARE(ResolveLinkReference("  7/1 ", nullptr), QString("7/1"));
    }
};

QTEST_GUILESS_MAIN(PageLinkTest)
#include "pagelink_test.moc"
