// Opening a catalogue that held rows left behind by deletions made outside
// the program says so once, in the status bar, with the count in words.
#include "app/apppaths.h"
#include "app/englishplurals.h"
#include "app/mainframe.h"
#include "catalog/ordodoc.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"

#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

class OrphanRowsNoteTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(InstallEnglishPlurals()); }

    void open_notesRemovedRowsInTheStatusBar_data()
    {
        QTest::addColumn<int>("links");
        QTest::addColumn<QString>("note");
        QTest::newRow("one") << 0
                             << "Removed 1 row left behind by books or categories deleted outside Ordoteca.";
        QTest::newRow("three")
            << 2 << "Removed 3 rows left behind by books or categories deleted outside Ordoteca.";
    }

    void open_notesRemovedRowsInTheStatusBar()
    {
        QFETCH(int, links);
        QFETCH(QString, note);
        QTemporaryDir app;
        QDir().mkpath(app.path() + "/Styles/CSS");
        for (const QString &name : {QString("/Styles/CSS/Plain.css"), QString("/Styles/ListEnu.xsl")}) {
            QFile f(app.path() + name);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        SetAppFolder(app.path());
        TestSettings settings;
        RecordingMessenger messenger;
        TestCatalog cat;
        cat.exec("INSERT INTO book (BookID, Title) VALUES (7, 'Ушедшая книга')");
        cat.exec("INSERT INTO book_category (BookID, CatID) VALUES (7, 1)");
        for (int i = 1; i <= links; ++i)
            cat.exec(QString("INSERT INTO link (BookID, LinkID, Name) VALUES (7, %1, 'Σύνδεσμος')").arg(i));
        // What the stock shell does: foreign keys off, the book deleted alone.
        cat.exec("PRAGMA foreign_keys=OFF");
        cat.exec("DELETE FROM book WHERE BookID=7");
        cat.exec("PRAGMA foreign_keys=ON");

        COrdoDoc doc;
        CMainFrame frame(&doc);
        QVERIFY(frame.create());
        QVERIFY(doc.OnOpenDocument(cat.path()));
        QCOMPARE(frame.statusBar()->currentMessage(), note);
        QVERIFY(messenger.messages.isEmpty());
    }
};

QTEST_MAIN(OrphanRowsNoteTest)
#include "orphanrowsnote_test.moc"
