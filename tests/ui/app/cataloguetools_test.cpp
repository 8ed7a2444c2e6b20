// Tools > Check Catalogue, File > Restore Backup, the automatic backup on
// open, and what a read-only catalogue does to the window.
#include "app/apppaths.h"
#include "app/cataloguetools.h"
#include "app/commandids.h"
#include "app/mainframe.h"
#include "catalog/autobackup.h"
#include "catalog/cataloguebackup.h"
#include "catalog/imagesfolder.h"
#include "catalog/ordodoc.h"
#include "catalog/recordset.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"
#include "writelock.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Fixture
{
    QTemporaryDir app;
    TestSettings settings;
    RecordingMessenger messenger;
    TestCatalog cat{"Каталог.mdb"};
    COrdoDoc doc;
    CMainFrame frame{&doc};

    Fixture()
    {
        QDir().mkpath(app.path() + "/Styles/CSS");
        for (const QString &name : {QString("/Styles/CSS/Plain.css"), QString("/Styles/ListEnu.xsl")}) {
            QFile f(app.path() + name);
            f.open(QIODevice::WriteOnly);
        }
        SetAppFolder(app.path());
        if (!frame.create())
            qFatal("the main window was not created");
    }
    CCatalogueTools *tools() const { return frame.catalogueTools(); }
};

} // namespace

class CatalogueToolsTest : public QObject
{
    Q_OBJECT

private slots:
    void openingMakesTheBackupInTheBackground()
    {
        Fixture f;
        QSignalSpy finished(f.tools()->autoBackup(), &CAutoBackup::finished);
        QVERIFY(f.doc.OnOpenDocument(f.cat.path()));
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.first().at(0).toBool(), true);
        QCOMPARE(CCatalogueBackup::List(f.cat.path()).size(), 1);
        QVERIFY(f.messenger.messages.isEmpty());
        QVERIFY2(!f.frame.statusBar()->currentMessage().contains("backup"),
                 qPrintable(f.frame.statusBar()->currentMessage()));
    }

    void failedBackup_isAStatusBarNoteOnly()
    {
        Fixture f;
        QFile blocker(f.cat.dir() + "/Каталог_backups");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QSignalSpy finished(f.tools()->autoBackup(), &CAutoBackup::finished);
        QVERIFY(f.doc.OnOpenDocument(f.cat.path()));
        QVERIFY(finished.wait(20000));
        QVERIFY(f.frame.statusBar()->currentMessage().startsWith("The automatic backup failed:"));
        QVERIFY(f.messenger.messages.isEmpty());
    }

    void checkCatalogue_reportsAndRepairsOnYes()
    {
        Fixture f;
        QVERIFY(f.doc.OnOpenDocument(f.cat.path()));
        f.tools()->autoBackup()->waitForFinished();
        f.cat.exec("INSERT INTO book (BookID, Title, FrontCover) VALUES (5, 'Ὅμηρος', '5.jpg')");
        const QString images = ImagesFolderForCatalog(f.cat.path());
        QFile stray(images + "/stray.png");
        QVERIFY(stray.open(QIODevice::WriteOnly));
        stray.close();

        f.messenger.answer = false;
        f.frame.router().run(Cmd::CheckCatalogue);
        QCOMPARE(f.messenger.questions.size(), 1);
        QVERIFY(f.messenger.questions.first().contains(QString::fromUtf8("“Ὅμηρος” (book 5): the cover picture 5.jpg is missing.")));
        QVERIFY(f.messenger.questions.first().endsWith("Repair what can be repaired?"));
        QVERIFY(QFile::exists(images + "/stray.png"));

        f.messenger.clear();
        f.messenger.answer = true;
        f.frame.router().run(Cmd::CheckCatalogue);
        QCOMPARE(f.messenger.messages.size(), 1);
        QVERIFY(f.messenger.messages.first().contains("Cleared 1 missing cover name(s)."));
        QVERIFY(QFile::exists(images + "/Lost covers/stray.png"));

        f.messenger.clear();
        f.frame.router().run(Cmd::CheckCatalogue);
        QVERIFY(f.messenger.questions.isEmpty());
        QVERIFY(f.messenger.messages.first().contains("No problems were found."));
    }

    void restoreBackup_replacesTheCatalogue()
    {
        Fixture f;
        f.cat.exec("INSERT INTO book (BookID, Title) VALUES (1, 'Before')");
        QVERIFY(f.doc.OnOpenDocument(f.cat.path()));
        f.tools()->autoBackup()->waitForFinished();
        f.doc.connection()->execute("UPDATE book SET Title='After'");
        QStringList offered;
        f.tools()->setBackupChooser([&](QWidget *, const QStringList &backups) {
            offered = backups;
            return backups.first();
        });
        QSignalSpy refill(&f.doc, &COrdoDoc::treeRefillRequested);
        f.frame.router().run(Cmd::RestoreBackup);
        QCOMPARE(offered.size(), 1);
        QCOMPARE(f.messenger.questions.size(), 1);
        Recordset rs;
        QVERIFY(rs.open(*f.doc.connection(), "SELECT Title FROM book"));
        QCOMPARE(rs.field(0).toString(), QString("Before"));
        QCOMPARE(refill.size(), 1);
    }

    void readOnlyCatalogue_saysSoAndGreysWritingCommands()
    {
        Fixture f;
        WriteLock lock(f.cat.path());
        if (!lock.ok())
            QSKIP("this file system cannot make a file unwritable for root");
        QVERIFY(f.doc.OnOpenDocument(f.cat.path()));
        QVERIFY(f.frame.windowTitle().contains("(read-only)"));
        f.frame.updateCommandStates();
        for (int id : {Cmd::AddBook, Cmd::RemoveBook, Cmd::EditBook, Cmd::AddSubCategory, Cmd::Paste,
                       Cmd::BasicSearch, Cmd::RestoreBackup})
            QVERIFY2(!f.frame.router().isEnabled(id), qPrintable(QString::number(id)));
        QVERIFY(f.frame.router().isEnabled(Cmd::CheckCatalogue));
        QVERIFY(!f.frame.router().run(Cmd::BasicSearch));
    }

    void writingCommandsList()
    {
        for (int id : {Cmd::AddBook, Cmd::RemoveBook, Cmd::EditBook, Cmd::AddSubCategory, Cmd::RemoveCategory,
                       Cmd::EditCategory, Cmd::Cut, Cmd::Paste, Cmd::SendToFavorites, Cmd::BasicSearch})
            QVERIFY(CMainFrame::writesCatalogue(id));
        for (int id : {Cmd::Copy, Cmd::SaveAsHtml, Cmd::Print, Cmd::CheckCatalogue, Cmd::OpenDatabase})
            QVERIFY(!CMainFrame::writesCatalogue(id));
    }
};

QTEST_MAIN(CatalogueToolsTest)
#include "cataloguetools_test.moc"
