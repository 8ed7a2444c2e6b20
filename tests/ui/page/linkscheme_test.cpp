// A clicked address reaches the desktop at once only when it is a web or
// mail address or an existing file; any other scheme is shown first.
#include "page/pagetarget.h"
#include "recordingmessenger.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

class LinkSchemeTest : public QObject
{
    Q_OBJECT

    QList<QUrl> m_opened;

private slots:
    void init()
    {
        m_opened.clear();
        SetDesktopOpenerForTests([this](const QUrl &url) {
            m_opened << url;
            return true;
        });
    }
    void cleanup() { SetDesktopOpenerForTests(nullptr); }

    void eachScheme_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("asks");
        QTest::newRow("http") << "http://example.org/libro" << false;
        QTest::newRow("https") << "https://example.org/книга" << false;
        QTest::newRow("ftp") << "ftp://example.org/pub/x" << false;
        QTest::newRow("mailto") << "mailto:lector@example.org" << false;
        QTest::newRow("www name") << "www.example.org" << false;
        QTest::newRow("javascript") << "javascript:alert(1)" << true;
        QTest::newRow("smb") << "smb://server/share" << true;
        QTest::newRow("file handler scheme") << "ms-settings:privacy" << true;
        QTest::newRow("data") << "data:text/html,x" << true;
    }

    void eachScheme()
    {
        QFETCH(QString, address);
        QFETCH(bool, asks);
        RecordingMessenger m;
        for (const bool answer : {false, true}) {
            m.clear();
            m_opened.clear();
            m.answer = answer;
            QVERIFY(OpenPageTarget(address));
            QCOMPARE(m.questions.size(), asks ? 1 : 0);
            if (asks)
                QVERIFY2(m.questions.first().contains(address.left(12)), qPrintable(m.questions.first()));
            QCOMPARE(m_opened.size(), !asks || answer ? 1 : 0);
        }
    }

    void localFilesAndFolders()
    {
        RecordingMessenger m;
        QTemporaryDir dir;
        QVERIFY(OpenPageTarget(dir.path()));
        QCOMPARE(m_opened.size(), 1);
        QVERIFY(!OpenPageTarget(dir.path() + "/missing 書.pdf"));
        QVERIFY(!OpenPageTarget("file:///no/such/place"));
        QCOMPARE(m_opened.size(), 1);
        QVERIFY(m.questions.isEmpty());
    }
};

QTEST_MAIN(LinkSchemeTest)
#include "linkscheme_test.moc"
