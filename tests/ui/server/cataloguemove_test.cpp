// File > Copy Catalogue to Server and File > Save Local Copy, driven through
// the main window against the test server.
#include "app/commandids.h"
#include "app/mainframe.h"
#include "app/ordoapp.h"
#include "catalog/connection.h"
#include "catalog/imagesfolder.h"
#include "catalog/ordodoc.h"
#include "catalog/recordset.h"
#include "catalog/serveraddress.h"
#include "picturebytes.h"
#include "recordingmessenger.h"
#include "server/serverkeyring.h"
#include "serverfixture.h"
#include "testcatalog.h"
#include "copytree.h"
#include "testsettings.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDirIterator>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString kPassword = QStringLiteral("ordo_admin-pw");

// The books' values that must survive both ways, one line a book.
QStringList books(Connection &c)
{
    QStringList lines;
    Recordset rs;
    if (!rs.open(c, QStringLiteral("SELECT BookID, Title, Author, PageCount, FrontCover FROM book ORDER BY BookID")))
        return {QStringLiteral("<cannot read>")};
    for (; !rs.isEOF(); rs.moveNext())
        lines << QStringLiteral("%1|%2|%3|%4|%5")
                     .arg(rs.fieldText(0), rs.fieldText(1), rs.fieldText(2), rs.fieldText(3), rs.fieldText(4));
    return lines;
}

int bookCount(const QString &address)
{
    DbError error;
    const auto c = Connection::open(address, &error);
    if (!c)
        return -1;
    Recordset rs;
    return rs.open(*c, QStringLiteral("SELECT COUNT(*) FROM book")) ? int(rs.field(0).toInt64()) : -1;
}

void addManyBooks(Connection &c, int count)
{
    QStringList rows;
    for (int id = 1; id <= count; ++id)
        rows << QStringLiteral("(%1, 'Book %1')").arg(id);
    c.execute(QStringLiteral("INSERT INTO book (BookID, Title) VALUES ") + rows.join(QLatin1Char(',')));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Presses Cancel on the copy's progress dialog once it has moved.
class CancelDuringCopy : public QObject
{
public:
    CancelDuringCopy()
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *dialog = qobject_cast<QProgressDialog *>(w);
                if (dialog && dialog->objectName() == QLatin1String("copyProgress") && dialog->isVisible() &&
                    dialog->value() > 0 && !dialog->wasCanceled()) {
                    dialog->cancel();
                    pressed = true;
                }
            }
        });
        m_timer.start();
    }
    bool pressed = false;

private:
    QTimer m_timer;
};

} // namespace

class CatalogueMoveTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_appDir;
    QTemporaryDir m_work;
    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<RecordingMessenger> m_messages;
    ScriptedPrompt m_prompt;
    QString m_serverAnswer;
    QString m_localAnswer;

    std::unique_ptr<COrdoApp> startOn(const QString &catalogue)
    {
        auto app = std::make_unique<COrdoApp>();
        app->setApplicationFolder(m_appDir.path());
        app->setUseMessageBoxes(false);
        app->setOpenFileDialog([](QWidget *, const QString &) { return QString(); });
        app->setServerDialog([this](QWidget *, bool create) { return create ? m_serverAnswer : QString(); });
        app->setLocalCopyDialog([this](QWidget *, const QString &) { return m_localAnswer; });
        app->setPasswordPrompt(&m_prompt);
        if (!app->InitInstance(catalogue))
            return nullptr;
        return app;
    }

    static bool enabled(COrdoApp &app, int id)
    {
        app.mainFrame()->updateCommandStates();
        return app.mainFrame()->action(id)->isEnabled();
    }

private slots:
    void initTestCase()
    {
        SKIP_WITHOUT_SERVER();
        ServerKeyring::setEnabled(false);
        QFile::copy(TestCatalog::templatePath(), m_appDir.filePath(QStringLiteral("ordo.dbt")));
        CopyTree(TestCatalog::appDir() + QStringLiteral("/Styles"), m_appDir.filePath(QStringLiteral("Styles")));
    }

    void init()
    {
        m_settings = std::make_unique<TestSettings>();
        m_messages = std::make_unique<RecordingMessenger>();
        m_prompt = ScriptedPrompt();
        m_serverAnswer.clear();
        m_localAnswer.clear();
    }

    void cleanup()
    {
        m_messages.reset();
        m_settings.reset();
    }

    void fileGoesToServerAndComesBackTheSame()
    {
        TestCatalog file(QStringLiteral("home.mdb"));
        file.exec("INSERT INTO book (BookID, Title, Author, PageCount, FrontCover) VALUES "
                  "(1, 'L''Étranger', 'Albert Camus', 186, 'cover.png'), (2, 'Война и мир', 'Лев Толстой', 1225, NULL), "
                  "(3, 'Η Οδύσσεια', 'Όμηρος', NULL, NULL), (4, '红楼梦', '曹雪芹', 2500, NULL)");
        file.exec("INSERT INTO book_category (BookID, CatID) VALUES (1, 1), (2, 1), (3, 1), (4, 1)");
        const QString images = ImagesFolderForCatalog(file.path());
        QDir().mkpath(images);
        // Bytes that no re-encoding would keep: a picture and a tail.
        const QByteArray picture = TinyPng() + QByteArray(3000, '\x9c');
        {
            QFile cover(images + QStringLiteral("/cover.png"));
            QVERIFY(cover.open(QIODevice::WriteOnly));
            cover.write(picture);
        }
        const QStringList expected = books(file.connection());
        QCOMPARE(expected.size(), 4);

        auto app = startOn(file.path());
        QVERIFY(app);
        // Only a file goes to the server; only a server catalogue comes back.
        QVERIFY(enabled(*app, Cmd::CopyToServer));
        QVERIFY(!enabled(*app, Cmd::SaveLocalCopy));

        const ServerAddress where = ServerFixture::freshAddress();
        m_serverAnswer = where.toString();
        m_prompt.answers = {{true, kPassword, false}};
        m_messages->answer = true; // open it there
        app->mainFrame()->action(Cmd::CopyToServer)->trigger();
        QCOMPARE(m_messages->messages, QStringList());
        QCOMPARE(m_messages->questions,
                 QStringList{QStringLiteral("The catalogue is now on the server as %1. Open it there?")
                                 .arg(where.displayName())});
        QCOMPARE(m_prompt.asked.size(), 1);
        COrdoDoc *doc = app->document();
        QCOMPARE(doc->path(), where.toString());
        QVERIFY(doc->connection()->isShared());
        QCOMPARE(app->recentFiles().constFirst(), where.toString());
        QCOMPARE(books(*doc->connection()), expected);

        QVERIFY(!enabled(*app, Cmd::CopyToServer));
        QVERIFY(enabled(*app, Cmd::SaveLocalCopy));
        m_messages->clear();
        m_localAnswer = m_work.filePath(QStringLiteral("back.mdb"));
        app->mainFrame()->action(Cmd::SaveLocalCopy)->trigger();
        QCOMPARE(m_messages->messages.size(), 1);
        QVERIFY(m_messages->messages.constFirst().contains(QDir::toNativeSeparators(m_localAnswer)));
        QCOMPARE(m_messages->icons.constFirst(), IMessenger::Icon::Information);
        // The server catalogue stays open; the copy is only written.
        QCOMPARE(doc->path(), where.toString());
        DbError error;
        const auto back = Connection::open(m_localAnswer, &error);
        QVERIFY2(back, qPrintable(error.message));
        QVERIFY(!back->isShared());
        QCOMPARE(books(*back), expected);
        QCOMPARE(readAll(ImagesFolderForCatalog(m_localAnswer) + QStringLiteral("/cover.png")), picture);
        ServerPasswords::forget(where.toString());
    }

    void aSchemaThatHoldsACatalogueIsRefused()
    {
        TestCatalog file;
        file.exec("INSERT INTO book (BookID, Title) VALUES (1, 'Kept here')");
        const ServerAddress where = ServerFixture::freshAddress();
        ServerPasswords::set(where.toString(), kPassword);
        QVERIFY(Connection::createServerCatalogue(where.toString()));
        auto app = startOn(file.path());
        QVERIFY(app);
        m_serverAnswer = where.toString();
        app->mainFrame()->action(Cmd::CopyToServer)->trigger();
        QCOMPARE(m_messages->messages.size(), 1);
        QCOMPARE(m_messages->icons.constFirst(), IMessenger::Icon::Error);
        QCOMPARE(m_messages->questions, QStringList());
        QCOMPARE(bookCount(where.toString()), 0);
        QCOMPARE(app->document()->path(), file.path());
        ServerPasswords::forget(where.toString());
    }

    void cancelledCopiesLeaveNothing()
    {
        TestCatalog file;
        addManyBooks(file.connection(), 3000);
        auto app = startOn(file.path());
        QVERIFY(app);
        const ServerAddress where = ServerFixture::freshAddress();
        m_serverAnswer = where.toString();
        m_prompt.answers = {{true, kPassword, false}};
        {
            CancelDuringCopy canceller;
            app->mainFrame()->action(Cmd::CopyToServer)->trigger();
            QVERIFY(canceller.pressed);
        }
        QCOMPARE(m_messages->messages.size(), 1);
        QVERIFY(m_messages->messages.constFirst().contains(QLatin1String("cancelled")));
        QCOMPARE(m_messages->questions, QStringList());
        QCOMPARE(app->document()->path(), file.path());
        QCOMPARE(bookCount(where.toString()), 0);

        // The other way: a server catalogue saved to a file, cancelled.
        {
            DbError error;
            const auto server = Connection::open(where.toString(), &error);
            QVERIFY2(server, qPrintable(error.message));
            addManyBooks(*server, 3000);
        }
        QVERIFY(app->OpenDocumentFile(where.toString()));
        m_messages->clear();
        m_localAnswer = m_work.filePath(QStringLiteral("cancelled.mdb"));
        {
            CancelDuringCopy canceller;
            app->mainFrame()->action(Cmd::SaveLocalCopy)->trigger();
            QVERIFY(canceller.pressed);
        }
        QCOMPARE(m_messages->messages.size(), 1);
        QVERIFY(m_messages->messages.constFirst().contains(QLatin1String("cancelled")));
        QVERIFY(!QFileInfo::exists(m_localAnswer));
        QVERIFY(!QFileInfo::exists(ImagesFolderForCatalog(m_localAnswer)));
        ServerPasswords::forget(where.toString());
    }

    void nothingStartsUnderAModalDialog()
    {
        TestCatalog file;
        auto app = startOn(file.path());
        QVERIFY(app);
        QVERIFY(enabled(*app, Cmd::CopyToServer));
        QDialog sheet(app->mainFrame());
        sheet.setModal(true);
        sheet.open();
        QVERIFY(!enabled(*app, Cmd::CopyToServer));
        sheet.close();
        QVERIFY(enabled(*app, Cmd::CopyToServer));
    }
};

QTEST_MAIN(CatalogueMoveTest)
#include "cataloguemove_test.moc"
