#include "catalog/autobackup.h"
#include "catalog/bookrecord.h"
#include "catalog/cataloguebackup.h"
#include "catalog/connection.h"
#include "catalog/imagesfolder.h"
#include "catalog/ordodoc.h"
#include "catalog/recordset.h"
#include "filebytes.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <cstdio>

namespace {

int scalarInt(const QString &path, const QString &sql)
{
    auto c = Connection::open(path);
    Recordset rs;
    return c && rs.open(*c, sql) ? rs.field(0).toInt() : -1;
}

} // namespace

class CatalogueBackupTest : public QObject
{
    Q_OBJECT

private slots:
    void backupsAreNamedKeptAndListedNewestFirst()
    {
        TestSettings settings;
        RecordingMessenger m;
        TestCatalog cat("Мои книги.mdb");
        cat.exec("INSERT INTO book (BookID, Title) VALUES (1, '書')");
        QCOMPARE(CCatalogueBackup::IntervalDays(), 1);
        QCOMPARE(CCatalogueBackup::KeepCount(), 5);
        QVERIFY(CCatalogueBackup::IsDue(cat.path()));

        CCatalogueBackup::SetKeepCount(3);
        const QDateTime start(QDate(2026, 3, 1), QTime(9, 0));
        for (int day = 0; day < 5; ++day) {
            QString error;
            QVERIFY2(CCatalogueBackup::Make(cat.path(), &error, start.addDays(day)), qPrintable(error));
        }
        const QStringList list = CCatalogueBackup::List(cat.path());
        QCOMPARE(list.size(), 3);
        QCOMPARE(QFileInfo(list.first()).fileName(), QString("Мои книги 2026-03-05 09-00-00.mdb"));
        QCOMPARE(QFileInfo(list.last()).fileName(), QString("Мои книги 2026-03-03 09-00-00.mdb"));
        QCOMPARE(QFileInfo(list.first()).path(), cat.dir() + "/Мои книги_backups");
        QCOMPARE(scalarInt(list.first(), "SELECT COUNT(*) FROM book"), 1);

        // Just made: not due again until a day has gone by; 0 days is "never".
        QVERIFY(!CCatalogueBackup::IsDue(cat.path()));
        QVERIFY(CCatalogueBackup::IsDue(cat.path(), QDateTime::currentDateTime().addDays(1).addSecs(60)));
        CCatalogueBackup::SetIntervalDays(0);
        QVERIFY(!CCatalogueBackup::IsDue(cat.path(), QDateTime::currentDateTime().addDays(30)));
    }

    void failedBackup_saysWhyAndLeavesNothing()
    {
        TestSettings settings;
        TestCatalog cat;
        // A file where the folder should be.
        QFile blocker(cat.dir() + "/test_backups");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QString error;
        QVERIFY(!CCatalogueBackup::Make(cat.path(), &error));
        QVERIFY(error.contains("test_backups"));

        CAutoBackup autoBackup;
        QSignalSpy finished(&autoBackup, &CAutoBackup::finished);
        QVERIFY(autoBackup.startIfDue(cat.path()));
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.first().at(0).toBool(), false);
        QVERIFY(!finished.first().at(1).toString().isEmpty());
    }

    // Books are saved on the program's connection while the backup copies
    // the file: the backup is one consistent state, never a mix.
    void backupWhileBooksAreSaved_isConsistent()
    {
        TestSettings settings;
        RecordingMessenger m;
        TestCatalog cat;
        for (int i = 1; i <= 300; ++i)
            cat.exec(QString("INSERT INTO book (BookID, Title, Description) VALUES (%1, 'Book %1', '%2')")
                         .arg(i)
                         .arg(QString(2000, QChar(0x0416))));
        QAtomicInt stop(0);
        QAtomicInt saved(0);
        QThread *saver = QThread::create([&] {
            auto c = Connection::open(cat.path());
            while (!stop.loadRelaxed()) {
                CBookRecord r;
                r.Title = "Νέο βιβλίο";
                r.Description = QString(3000, QChar(0x4E66));
                if (r.Save(true, 1, cat.dir() + "/test_images", *c))
                    saved.fetchAndAddRelaxed(1);
            }
        });
        saver->start();
        QTest::qWait(50);
        CAutoBackup autoBackup;
        QSignalSpy finished(&autoBackup, &CAutoBackup::finished);
        const bool started = autoBackup.startIfDue(cat.path());
        const bool second = autoBackup.startIfDue(cat.path());
        const bool done = started && finished.wait(60000);
        stop.storeRelaxed(1);
        saver->wait();
        delete saver;
        QVERIFY(started);
        QVERIFY(!second); // one at a time
        QVERIFY(done);
        QCOMPARE(finished.first().at(0).toBool(), true);
        QVERIFY(saved.loadRelaxed() > 0);

        const QString backup = CCatalogueBackup::List(cat.path()).value(0);
        QVERIFY(!backup.isEmpty());
        auto c = Connection::open(backup);
        QVERIFY(c);
        Recordset rs;
        QVERIFY(rs.open(*c, "PRAGMA integrity_check"));
        QCOMPARE(rs.field(0).toString(), QString("ok"));
        rs.close();
        // Every saved book is whole: its membership came with it.
        QVERIFY(rs.open(*c, "SELECT COUNT(*) FROM book WHERE BookID>300 AND BookID NOT IN "
                            "(SELECT BookID FROM book_category)"));
        QCOMPARE(rs.field(0).toInt(), 0);
        rs.close();
        QVERIFY(rs.open(*c, "SELECT COUNT(*) FROM book"));
        QVERIFY(rs.field(0).toInt() >= 300);
    }

    void restore_bringsBackTheBackupAndKeepsTheReplacedState()
    {
        TestSettings settings;
        RecordingMessenger m;
        TestCatalog cat;
        cat.exec("INSERT INTO book (BookID, Title) VALUES (1, 'Alt')");
        QVERIFY(CCatalogueBackup::Make(cat.path(), nullptr, QDateTime(QDate(2026, 1, 1), QTime(0, 0))));
        cat.exec("DELETE FROM book");
        cat.exec("INSERT INTO book (BookID, Title) VALUES (2, 'Neu')");

        const QString backup = CCatalogueBackup::List(cat.path()).last();
        QString error;
        QVERIFY2(CCatalogueBackup::Restore(cat.connection(), backup, &error), qPrintable(error));
        QCOMPARE(cat.scalar("SELECT group_concat(Title) FROM book"), QString("Alt"));
        QVERIFY(cat.connection().foreignKeysEnforced());
        const QStringList list = CCatalogueBackup::List(cat.path());
        QCOMPARE(list.size(), 2);
        QCOMPARE(scalarInt(list.first(), "SELECT BookID FROM book"), 2);

        // Something that is no catalogue never replaces one.
        QFile junk(cat.dir() + "/junk.mdb");
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'x'));
        junk.close();
        QVERIFY(!CCatalogueBackup::Restore(cat.connection(), junk.fileName(), &error));
        QVERIFY(error.contains("junk.mdb"));
        QCOMPARE(cat.scalar("SELECT group_concat(Title) FROM book"), QString("Alt"));
    }

    // A backup holds the pictures its books name; restoring brings back the
    // books with their covers as they were, whatever happened to the files.
    void backupWithCovers_restoresThePictures()
    {
        TestSettings settings;
        RecordingMessenger m;
        TestCatalog cat("Книги.mdb");
        const QString images = ImagesFolderForCatalog(cat.path());
        QVERIFY(QDir().mkpath(images));
        WriteFileBytes(images + "/1.jpg", "\xFF\xD8\xFF old front");
        WriteFileBytes(images + "/1b.png", "\x89PNG old back");
        WriteFileBytes(images + "/unrelated.gif", "GIF89a not a cover");
        cat.exec("INSERT INTO book (BookID, Title, FrontCover, BackCover) VALUES (1, '紅樓夢', '1.jpg', '1b.png')");
        cat.exec("INSERT INTO book (BookID, Title, FrontCover) VALUES (2, 'Lost', 'missing.jpg')");
        cat.exec("INSERT INTO book (BookID, Title, FrontCover) VALUES (3, 'Outside', '../../etc/hostname')");
        QString error;
        QVERIFY2(CCatalogueBackup::Make(cat.path(), &error, QDateTime(QDate(2026, 1, 1), QTime(0, 0))),
                 qPrintable(error));
        const QString backup = CCatalogueBackup::List(cat.path()).first();
        const QString pictures = CCatalogueBackup::PicturesFolder(backup);
        QCOMPARE(QDir(pictures).entryList(QDir::Files), (QStringList{"1.jpg", "1b.png"}));

        // The covers change (replaced by renaming, as saves do) or go.
        WriteFileBytes(images + "/new.jpg", "\xFF\xD8\xFF new front");
        QVERIFY(::rename(QFile::encodeName(images + "/new.jpg").constData(),
                         QFile::encodeName(images + "/1.jpg").constData()) == 0);
        QVERIFY(QFile::remove(images + "/1b.png"));
        QCOMPARE(FileBytes(pictures + "/1.jpg"), QByteArray("\xFF\xD8\xFF old front"));

        QVERIFY2(CCatalogueBackup::Restore(cat.connection(), backup, &error), qPrintable(error));
        QCOMPARE(FileBytes(images + "/1.jpg"), QByteArray("\xFF\xD8\xFF old front"));
        QCOMPARE(FileBytes(images + "/1b.png"), QByteArray("\x89PNG old back"));
        QCOMPARE(FileBytes(images + "/unrelated.gif"), QByteArray("GIF89a not a cover"));
        QVERIFY(QDir(images).entryList({".*"}, QDir::Files | QDir::Hidden).isEmpty()); // nothing staged left
        // The safety backup made first holds the pictures it replaced.
        const QStringList list = CCatalogueBackup::List(cat.path());
        QCOMPARE(list.size(), 2);
        QCOMPARE(FileBytes(CCatalogueBackup::PicturesFolder(list.first()) + "/1.jpg"),
                 QByteArray("\xFF\xD8\xFF new front"));
    }

    // Restoring the oldest backup when the list is full: the safety backup
    // must not prune the one being restored.
    void restoringTheOldestBackup_keepsIt()
    {
        TestSettings settings;
        RecordingMessenger m;
        CCatalogueBackup::SetKeepCount(2);
        TestCatalog cat;
        cat.exec("INSERT INTO book (BookID, Title) VALUES (1, 'Первая')");
        QVERIFY(CCatalogueBackup::Make(cat.path(), nullptr, QDateTime(QDate(2020, 1, 1), QTime(0, 0))));
        cat.exec("UPDATE book SET Title='Вторая'");
        QVERIFY(CCatalogueBackup::Make(cat.path(), nullptr, QDateTime(QDate(2021, 1, 1), QTime(0, 0))));
        const QString oldest = CCatalogueBackup::List(cat.path()).last();
        QString error;
        QVERIFY2(CCatalogueBackup::Restore(cat.connection(), oldest, &error), qPrintable(error));
        QCOMPARE(cat.scalar("SELECT Title FROM book"), QString("Первая"));
        QVERIFY(QFileInfo::exists(oldest));
        QVERIFY(CCatalogueBackup::List(cat.path()).contains(oldest));
        // Restoring it again still works.
        QVERIFY2(CCatalogueBackup::Restore(cat.connection(), oldest, &error), qPrintable(error));
    }

    // Two backups within one second are two backups, newest first.
    void backupsInTheSameSecond_areBothKept()
    {
        TestSettings settings;
        RecordingMessenger m;
        TestCatalog cat;
        const QDateTime now(QDate(2026, 5, 5), QTime(12, 0, 0));
        cat.exec("INSERT INTO book (BookID, Title) VALUES (1, 'one')");
        QVERIFY(CCatalogueBackup::Make(cat.path(), nullptr, now));
        cat.exec("UPDATE book SET Title='two'");
        QVERIFY(CCatalogueBackup::Make(cat.path(), nullptr, now));
        const QStringList list = CCatalogueBackup::List(cat.path());
        QCOMPARE(list.size(), 2);
        QCOMPARE(scalarInt(list.first(), "SELECT COUNT(*) FROM book WHERE Title='two'"), 1);
        QCOMPARE(scalarInt(list.last(), "SELECT COUNT(*) FROM book WHERE Title='one'"), 1);
    }

    // What a killed backup leaves is cleaned by the next backup or open.
    void killedBackupLeftovers_areCleaned()
    {
        TestSettings settings;
        RecordingMessenger m;
        TestCatalog cat;
        const QString folder = CCatalogueBackup::BackupFolder(cat.path());
        const QString base = QFileInfo(cat.path()).completeBaseName();
        QVERIFY(QDir().mkpath(folder + "/" + base + " 2026-01-01 00-00-00_images.part"));
        QVERIFY(QDir().mkpath(folder + "/" + base + " 2026-01-02 00-00-00_images"));
        WriteFileBytes(folder + "/" + base + " 2026-01-01 00-00-00.mdb.part", "half");
        WriteFileBytes(folder + "/unrelated.txt", "keep");
        {
            COrdoDoc doc;
            QVERIFY(doc.OnOpenDocument(cat.path()));
        }
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"unrelated.txt"});

        WriteFileBytes(folder + "/" + base + " 2026-01-03 00-00-00.mdb.part", "half");
        QVERIFY(CCatalogueBackup::Make(cat.path()));
        QCOMPARE(QDir(folder).entryList({"*.part"}, QDir::Files | QDir::Dirs), QStringList());
    }
};

QTEST_GUILESS_MAIN(CatalogueBackupTest)
#include "cataloguebackup_test.moc"
