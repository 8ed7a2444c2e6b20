// Catalogues the program may read but not write, and catalogues another
// program holds locked.
#include "catalog/basicsearch.h"
#include "catalog/bookrecord.h"
#include "catalog/connection.h"
#include "catalog/ordodoc.h"
#include "catalog/recordset.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "writelock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

QByteArray hashOf(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class ReadOnlyCatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void unwritableFileOrFolder_opensReadOnlyAndWritesNothing_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("file") << false;
        QTest::newRow("folder") << true;
    }

    void unwritableFileOrFolder_opensReadOnlyAndWritesNothing()
    {
        QFETCH(bool, folder);
        RecordingMessenger m;
        TestCatalog cat("Библиотека.mdb");
        cat.exec("INSERT INTO book (BookID, Title) VALUES (1, 'Ὀδύσσεια')");
        cat.exec("INSERT INTO book (BookID, Title) VALUES (2, '西游记')");
        cat.exec("DELETE FROM category WHERE CatID=4"); // opening would put it back
        QDir().mkpath(cat.dir() + "/Библиотека_images");
        const QByteArray before = hashOf(cat.path());
        WriteLock lock(folder ? cat.dir() : cat.path());
        if (!lock.ok())
            QSKIP("this file system cannot make a file unwritable for root");

        COrdoDoc doc;
        QVERIFY(doc.OnOpenDocument(cat.path()));
        QVERIFY(doc.isReadOnly());
        QVERIFY(doc.connection()->isReadOnly());
        QVERIFY(m.messages.isEmpty());
        Recordset rs;
        QVERIFY(rs.open(*doc.connection(), "SELECT COUNT(*) FROM book"));
        QCOMPARE(rs.field(0).toInt(), 2);
        rs.close();

        // Basic Search cannot store its results: it says so and reports no count.
        QVERIFY(!RunBasicSearch(*doc.connection(), "西游", true, false).has_value());
        QCOMPARE(m.messages.size(), 1);
        m.clear();
        QCOMPARE(BasicSearch(*doc.connection(), "Ὀδύσ", false, 1, false), BasicSearchOutcome::Failed);
        QVERIFY(!m.messages.isEmpty());
        QVERIFY(!m.messages.join(' ').contains("found"));

        CBookRecord r;
        r.Title = "Neu";
        QVERIFY(!r.Save(true, 1, cat.dir() + "/Библиотека_images", *doc.connection()));
        QCOMPARE(hashOf(cat.path()), before);
    }

    void writableCatalogue_isNotReadOnly()
    {
        RecordingMessenger m;
        TestCatalog cat;
        COrdoDoc doc;
        QVERIFY(doc.OnOpenDocument(cat.path()));
        QVERIFY(!doc.isReadOnly());
    }

    // Another program holds the catalogue: the message names the file and
    // says what is going on, instead of "database is locked".
    void catalogueLockedByAnotherProgram_saysSo()
    {
        RecordingMessenger m;
        TestCatalog cat("Zürich 书.mdb");
        QProcess holder;
        holder.start(SAVE_CRASH_CHILD, {"--lock", cat.path()});
        QVERIFY(holder.waitForReadyRead(20000));
        QCOMPARE(holder.readAll().trimmed(), QByteArray("locked"));

        COrdoDoc doc;
        QVERIFY(!doc.OnOpenDocument(cat.path()));
        QVERIFY(!doc.hasConnection());
        QCOMPARE(m.messages.size(), 1);
        QCOMPARE(m.messages.first(), QDir::toNativeSeparators(cat.path()) +
                                         " is in use by another program. Close it there and try again.");
        holder.kill();
        holder.waitForFinished();

        m.clear();
        QVERIFY(doc.OnOpenDocument(cat.path()));
        QVERIFY(m.messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(ReadOnlyCatalogueTest)
#include "readonlycatalogue_test.moc"
