#include "app/commandids.h"
#include "app/mainframe.h"
#include "app/ordoapp.h"
#include "app/recentfilelist.h"
#include "browse/booklistmodel.h"
#include "browse/ordolistview.h"
#include "catalog/bookrecord.h"
#include "catalog/connection.h"
#include "catalog/ordodoc.h"
#include "catalog/recordset.h"
#include "recordingmessenger.h"
#include "server/serverkeyring.h"
#include "serverfixture.h"
#include "testcatalog.h"
#include "copytree.h"
#include "testsettings.h"

#include <QAction>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

namespace {

int rowOf(const COrdoListView &list, const QString &title)
{
    const CBookListModel *model = list.bookListModel();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->text(row, CBookListModel::TitleColumn) == title)
            return row;
    }
    return -1;
}

} // namespace

// Another person's changes to a shared catalogue reach an open window.
class LiveUpdatesTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_appDir;
    std::unique_ptr<TestSettings> m_settings;
    QString m_address;
    std::shared_ptr<Connection> m_other; // the other person's connection
    std::unique_ptr<RecordingMessenger> m_messages;
    std::unique_ptr<COrdoApp> m_app;

    BookId addBook(const QString &title, CategoryId category)
    {
        CBookRecord book;
        book.Title = title;
        if (!book.Save(true, category, QString(), *m_other))
            return 0;
        const std::unique_ptr<Recordset> rs = m_other->execute(QStringLiteral("SELECT MAX(BookID) FROM book"));
        return rs && !rs->isEOF() ? BookId(rs->field(0).toInt64()) : 0;
    }

private slots:
    void initTestCase()
    {
        SKIP_WITHOUT_SERVER();
        ServerKeyring::setEnabled(false);
        QFile::copy(TestCatalog::templatePath(), m_appDir.filePath(QStringLiteral("ordo.dbt")));
        CopyTree(TestCatalog::appDir() + QStringLiteral("/Styles"), m_appDir.filePath(QStringLiteral("Styles")));
        m_settings = std::make_unique<TestSettings>();
        m_messages = std::make_unique<RecordingMessenger>();

        m_address = ServerFixture::freshAddress().toString();
        ServerPasswords::set(m_address, QStringLiteral("ordo_admin-pw"));
        DbError error;
        QVERIFY2(Connection::createServerCatalogue(m_address, &error), qPrintable(error.message));
        m_other = Connection::open(m_address, &error);
        QVERIFY2(m_other, qPrintable(error.message));

        CRecentFileList recent;
        recent.Add(m_address);
        m_app = std::make_unique<COrdoApp>();
        m_app->setApplicationFolder(m_appDir.path());
        m_app->setUseMessageBoxes(false);
        m_app->setOpenFileDialog([](QWidget *, const QString &) { return QString(); });
        QVERIFY(m_app->InitInstance());
        QVERIFY(m_app->document()->hasConnection());
        QCOMPARE(m_app->document()->path(), m_address);
        QCOMPARE(m_app->recentFiles(), QStringList{m_address});
    }

    void cleanupTestCase()
    {
        m_app.reset();
        m_other.reset();
        m_messages.reset();
    }

    void titleNamesTheServer()
    {
        const std::optional<ServerAddress> where = ServerAddress::parse(m_address);
        QVERIFY(where);
        QCOMPARE(m_app->mainFrame()->windowTitle(), where->displayName() + QStringLiteral(" - Ordoteca"));
    }

    void othersChangesShowKeepingTheSelection()
    {
        COrdoDoc *doc = m_app->document();
        COrdoListView *list = m_app->mainFrame()->listView();
        const CategoryId category = doc->currentCategory();
        QVERIFY(category > 0);

        QVERIFY(addBook(QStringLiteral("Alpha"), category));
        const BookId beta = addBook(QStringLiteral("Beta"), category);
        QVERIFY(beta);
        QTRY_COMPARE_WITH_TIMEOUT(list->bookListModel()->rowCount(), 2, 2000);

        list->selectRow(rowOf(*list, QStringLiteral("Beta")));
        QCOMPARE(doc->selectedBooks(), QVector<BookId>{beta});

        const BookId gamma = addBook(QStringLiteral("Gamma"), category);
        QVERIFY(gamma);
        QTRY_COMPARE_WITH_TIMEOUT(list->bookListModel()->rowCount(), 3, 2000);
        // The user's book stays selected and current.
        QCOMPARE(doc->selectedBooks(), QVector<BookId>{beta});
        QCOMPARE(list->currentIndex().row(), rowOf(*list, QStringLiteral("Beta")));

        // An edit shows as well.
        CBookRecord edited;
        QVERIFY(edited.Load(gamma, *m_other));
        edited.Title = QStringLiteral("Gamma, revised");
        QVERIFY(edited.Save(false, category, QString(), *m_other));
        QTRY_VERIFY_WITH_TIMEOUT(rowOf(*list, QStringLiteral("Gamma, revised")) >= 0, 2000);

        // And a deletion.
        QVERIFY(m_other->execute(QStringLiteral("DELETE FROM book_category WHERE BookID=%1").arg(gamma)));
        QVERIFY(m_other->execute(QStringLiteral("DELETE FROM book WHERE BookID=%1").arg(gamma)));
        QTRY_COMPARE_WITH_TIMEOUT(list->bookListModel()->rowCount(), 2, 2000);
        QCOMPARE(doc->selectedBooks(), QVector<BookId>{beta});
        QCOMPARE(m_messages->messages, QStringList());
    }

    void readerGetsTheReadOnlyWindow()
    {
        ServerAddress reader = *ServerAddress::parse(m_address);
        reader.user = QStringLiteral("ordo_watcher");
        const QString schema = reader.schema;
        QVERIFY(m_other->execute(QStringLiteral("GRANT USAGE ON SCHEMA %1 TO ordo_watcher").arg(schema)));
        QVERIFY(m_other->execute(QStringLiteral("GRANT SELECT ON ALL TABLES IN SCHEMA %1 TO ordo_watcher").arg(schema)));
        ServerPasswords::set(reader.toString(), QStringLiteral("ordo_watcher-pw"));
        QVERIFY(m_app->OpenDocumentFile(reader.toString()));
        QVERIFY(m_app->document()->isReadOnly());
        QCOMPARE(m_app->mainFrame()->windowTitle(),
                 reader.displayName() + QStringLiteral(" (read-only) - Ordoteca"));
        m_app->mainFrame()->updateCommandStates();
        QVERIFY(!m_app->mainFrame()->action(Cmd::AddBook)->isEnabled());
        QVERIFY(!m_app->mainFrame()->action(Cmd::EditBook)->isEnabled());
        // Nothing is lost, so there is nothing to reconnect.
        QVERIFY(!m_app->mainFrame()->action(Cmd::Reconnect)->isEnabled());
        QVERIFY(m_app->mainFrame()->action(Cmd::OpenServerCatalogue)->isEnabled());
    }

    void lostConnectionIsOfferedAgain()
    {
        // The reader's connections (this window's only) are cut by the server.
        QAction *reconnect = m_app->mainFrame()->action(Cmd::Reconnect);
        const int rows = m_app->mainFrame()->listView()->bookListModel()->rowCount();
        QVERIFY(m_other->execute(
            QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE usename = 'ordo_watcher'")));
        QTRY_VERIFY_WITH_TIMEOUT(reconnect->isEnabled(), 5000);
        QVERIFY(m_app->document()->connection()->isConnectionLost());

        reconnect->trigger();
        QVERIFY(!m_app->document()->connection()->isConnectionLost());
        m_app->mainFrame()->updateCommandStates();
        QVERIFY(!reconnect->isEnabled());
        QCOMPARE(m_app->mainFrame()->listView()->bookListModel()->rowCount(), rows);

        // Watching goes on over the new connection.
        QVERIFY(addBook(QStringLiteral("Delta"), m_app->document()->currentCategory()));
        QTRY_COMPARE_WITH_TIMEOUT(m_app->mainFrame()->listView()->bookListModel()->rowCount(), rows + 1, 2000);
    }
};

QTEST_MAIN(LiveUpdatesTest)
#include "liveupdates_test.moc"
