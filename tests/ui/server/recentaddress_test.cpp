#include "app/commandids.h"
#include "app/mainframe.h"
#include "app/ordoapp.h"
#include "app/recentfilelist.h"
#include "catalog/ordodoc.h"
#include "recordingmessenger.h"
#include "server/serverkeyring.h"
#include "testcatalog.h"
#include "copytree.h"
#include "testsettings.h"

#include <QAction>
#include <QDirIterator>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

namespace {

// An address on this machine where no server listens.
QString unreachableAddress()
{
    QTcpServer server;
    const int port = server.listen(QHostAddress::LocalHost) ? server.serverPort() : 1;
    server.close();
    return QStringLiteral("postgresql://anna@127.0.0.1:%1/libri?sslmode=disable").arg(port);
}

} // namespace

// Server addresses in the recent list and on the command line.
class RecentAddressTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_appDir;
    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<RecordingMessenger> m_messages;
    int m_openDialogCalls = 0;

    std::unique_ptr<COrdoApp> makeApp()
    {
        auto app = std::make_unique<COrdoApp>();
        app->setApplicationFolder(m_appDir->path());
        app->setUseMessageBoxes(false);
        app->setOpenFileDialog([this](QWidget *, const QString &) {
            ++m_openDialogCalls;
            return QString();
        });
        return app;
    }

private slots:
    void init()
    {
        ServerKeyring::setEnabled(false);
        m_appDir = std::make_unique<QTemporaryDir>();
        QFile::copy(TestCatalog::templatePath(), m_appDir->filePath(QStringLiteral("ordo.dbt")));
        CopyTree(TestCatalog::appDir() + QStringLiteral("/Styles"), m_appDir->filePath(QStringLiteral("Styles")));
        m_settings = std::make_unique<TestSettings>();
        m_messages = std::make_unique<RecordingMessenger>();
        m_openDialogCalls = 0;
    }

    void cleanup()
    {
        m_messages.reset();
        m_settings.reset();
        m_appDir.reset();
    }

    void addressIsKeptAsWritten()
    {
        const QString address = QStringLiteral("postgresql://%D0%9F%D1%91%D1%82%D1%80@db.local:5433/books?sslmode=prefer");
        TestCatalog file;
        CRecentFileList list;
        list.Add(file.path());
        list.Add(address);
        list.Add(address); // once only
        CRecentFileList read;
        read.ReadList();
        QCOMPARE(read.entries(), (QStringList{address, file.path()}));
        QVERIFY(read.Remove(address));
        QCOMPARE(read.entries(), QStringList{file.path()});
    }

    void unreachableRecentServerStaysInTheList()
    {
        const QString address = unreachableAddress();
        CRecentFileList list;
        list.Add(address);
        auto app = makeApp();
        QVERIFY(app->InitInstance());
        // Said once; the user picks another catalogue meanwhile.
        QCOMPARE(m_messages->messages.size(), 1);
        QCOMPARE(m_openDialogCalls, 1);
        QVERIFY(!app->document()->hasConnection());
        // A server that is down today may answer tomorrow.
        QCOMPARE(app->recentFiles(), QStringList{address});
        QAction *entry = app->mainFrame()->action(Cmd::RecentFileFirst);
        QVERIFY(entry->isVisible());
        QVERIFY(entry->text().endsWith(address));

        // Picked from the menu it is tried again, and stays.
        m_messages->clear();
        entry->trigger();
        QCOMPARE(m_messages->messages.size(), 1);
        QCOMPARE(app->recentFiles(), QStringList{address});
    }

    void commandLineAddressIsOpened()
    {
        const QString address = unreachableAddress();
        auto app = makeApp();
        // It was tried: the server's failure is what ends start-up.
        QVERIFY(!app->InitInstance(COrdoApp::CatalogueFromArguments({address})));
        QCOMPARE(m_messages->messages.size(), 1);
        QVERIFY(!m_messages->messages.constFirst().contains(QLatin1String("was not found")));
    }
};

QTEST_MAIN(RecentAddressTest)
#include "recentaddress_test.moc"
