#include "catalog/bookbatchloader.h"
#include "catalog/bookrecord.h"
#include "catalog/catalogueupgrade.h"
#include "catalog/ordodoc.h"
#include "catalog/readinglog.h"

#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

// Every stored value of the book table's older columns, as the engine quotes them.
const char *const kOldData =
    "SELECT group_concat(quote(BookID)||quote(Title)||quote(Author)||quote(PurchaseDate)||quote(PublisherID)||"
    "quote(MyRating)||quote(Notes)||quote(DateAdded), '|') FROM (SELECT * FROM book ORDER BY BookID)";

bool shell(const QString &path, const QString &sql, QString *out = nullptr)
{
    const QString binary = QStandardPaths::findExecutable("sqlite3");
    if (binary.isEmpty())
        return false;
    QProcess process;
    process.start(binary, {path, sql});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return false;
    if (out)
        *out = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    return true;
}

// A catalogue as the version before series and readings made it.
void makeOlder(TestCatalog &cat)
{
    cat.exec("DROP TABLE reading");
    cat.exec("DROP TABLE bookseries");
    cat.exec("DROP INDEX book_series");
    cat.exec("ALTER TABLE book DROP COLUMN SeriesNumber");
    cat.exec("ALTER TABLE book DROP COLUMN SeriesID");
}

} // namespace

class ReadingLogTest : public QObject
{
    Q_OBJECT

private slots:
    void state_followsTheLastReading()
    {
        QCOMPARE(ReadingStateOf({}), ReadingState::Unread);
        const CReading done{"Jan 05, 2020", "Feb 01, 2020", true, {}};
        const CReading open{"Mar 01, 2025", {}, false, {}};
        const CReading undated{{}, {}, true, {}};
        QCOMPARE(ReadingStateOf({done}), ReadingState::Read);
        QCOMPARE(ReadingStateOf({done, open}), ReadingState::Reading);
        QCOMPARE(ReadingStateOf({undated}), ReadingState::Read);
        QCOMPARE(CompletedReadings({done, undated, open}), 2);
        QCOMPARE(LastFinished({undated, done, open}), QDate(2020, 2, 1));
        QVERIFY(!LastFinished({undated, open}).isValid());
    }

    // An older catalogue gets the series and the log; its data stays byte
    // for byte, and the stock shell still works on it, cascade included.
    void olderCatalogue_gainsSeriesAndReadings()
    {
        SKIP_ON_SERVER("server catalogues are made whole");
        RecordingMessenger messenger;
        TestSettings settings;
        TestCatalog cat;
        makeOlder(cat);
        cat.exec("INSERT INTO bookpublisher (PublisherID, Name) VALUES (7, 'Éditions Ψ')");
        cat.exec("INSERT INTO book (BookID, Title, Author, PurchaseDate, PublisherID, MyRating, Notes, DateAdded) "
                 "VALUES (1, 'Война и мир', 'Толстой', '2001-02-03', 7, 4, '<b>笔记</b>', '1999-12-31')");
        cat.exec("INSERT INTO book (BookID, Title, UserText1) VALUES (2, 'Mort (Discworld, #4)', '2019/03/04')");
        const QString before = cat.scalar(kOldData);
        const QString userText = cat.scalar("SELECT UserText1 FROM book WHERE BookID=2");
        {
            COrdoDoc doc;
            QVERIFY(doc.OnOpenDocument(cat.path()));
        }
        QVERIFY(messenger.messages.isEmpty());
        QCOMPARE(cat.scalar(kOldData), before);
        QCOMPARE(cat.scalar("SELECT UserText1 FROM book WHERE BookID=2"), userText);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book WHERE SeriesID IS NULL AND SeriesNumber IS NULL"), 2);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM reading"), 0);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM bookseries"), 0);

        // Opening again changes nothing more.
        {
            COrdoDoc doc;
            QVERIFY(doc.OnOpenDocument(cat.path()));
        }
        QCOMPARE(cat.scalar(kOldData), before);

        QString out;
        if (!shell(cat.path(), "PRAGMA foreign_keys=ON; INSERT INTO reading (BookID, ReadingID, Finished, Completed) "
                               "VALUES (1, 1, '2024-05-06', 1); DELETE FROM book WHERE BookID=1; "
                               "SELECT COUNT(*) FROM reading;",
                   &out))
            QSKIP("the sqlite3 shell is not installed");
        QCOMPARE(out, QStringLiteral("0"));
    }

    // An older catalogue not upgraded (opened read-only) reads as it is: no
    // series, no log.
    void olderCatalogueNotUpgraded_loadsWithoutTheNewParts()
    {
        RecordingMessenger messenger;
        TestSettings settings;
        TestCatalog cat;
        makeOlder(cat);
        cat.exec("INSERT INTO book (BookID, Title) VALUES (1, 'Ἰλιάς')");
        CBookRecord book;
        QVERIFY(book.Load(1, cat.connection()));
        QCOMPARE(book.Title, QStringLiteral("Ἰλιάς"));
        QVERIFY(book.Series.isEmpty());
        QVERIFY(book.readings.isEmpty());
        CBookBatchLoader loader(cat.connection());
        QVector<CBookRecord> books;
        const BookId id = 1;
        QVERIFY(loader.Load(&id, 1, books));
        QCOMPARE(books.value(0).Title, QStringLiteral("Ἰλιάς"));
        QVERIFY(messenger.messages.isEmpty());
    }

    void record_keepsSeriesAndLogThroughSaveAndEdit()
    {
        RecordingMessenger messenger;
        TestSettings settings;
        TestCatalog cat;
        const QString images = cat.dir() + "/test_images";
        QDir().mkpath(images);
        CBookRecord book;
        book.Title = "Пикник на обочине";
        book.Series = "Мир Полудня";
        book.SeriesNumber = "3.5";
        book.readings = {{"Jan 05, 2020", "Feb 01, 2020", true, "第一次 — première"},
                         {{}, {}, true, "Ελληνικά"},
                         {"Mar 01, 2025", {}, false, {}}};
        book.BookID = 1;
        QVERIFY(book.Save(true, 1, images, cat.connection()));
        QCOMPARE(cat.scalar("SELECT Started || '' FROM reading WHERE BookID=1 AND ReadingID=1"), QStringLiteral("2020-01-05"));

        CBookRecord loaded;
        QVERIFY(loaded.Load(1, cat.connection()));
        QCOMPARE(loaded.Series, book.Series);
        QCOMPARE(loaded.SeriesNumber, book.SeriesNumber);
        QCOMPARE(loaded.readings, book.readings);

        // An edit (delete and insert) keeps the log; a second book of the
        // series uses the same series row, whatever the case.
        loaded.readings.removeAt(1);
        QVERIFY(loaded.Save(false, 1, images, cat.connection()));
        CBookRecord other;
        other.Title = "Жук в муравейнике";
        other.Series = "МИР ПОЛУДНЯ";
        other.SeriesNumber = "IV";
        other.BookID = 2;
        QVERIFY(other.Save(true, 1, images, cat.connection()));
        QCOMPARE(cat.count("SELECT COUNT(*) FROM bookseries"), 1);
        CBookRecord again;
        QVERIFY(again.Load(1, cat.connection()));
        QCOMPARE(again.readings.size(), 2);
        QCOMPARE(again.readings.at(1).Started, QStringLiteral("Mar 01, 2025"));

        // Many books at once read the same log.
        CBookBatchLoader loader(cat.connection());
        QVector<CBookRecord> books;
        const BookId ids[] = {2, 1};
        QVERIFY(loader.Load(ids, 2, books));
        QCOMPARE(books.at(1).readings, again.readings);
        QVERIFY(books.at(0).readings.isEmpty());
        QCOMPARE(books.at(0).Series, QStringLiteral("Мир Полудня"));
        QVERIFY(messenger.messages.isEmpty());
    }

    void startAndFinish_followTheReadingUnderWay()
    {
        SKIP_ON_SERVER("checked with the file engine's SQL");
        RecordingMessenger messenger;
        TestSettings settings;
        TestCatalog cat;
        cat.exec("INSERT INTO book (BookID, Title) VALUES (1, 'Unread'), (2, 'Being read'), (3, 'Read')");
        cat.exec("INSERT INTO reading (BookID, ReadingID, Started, Completed) VALUES (2, 1, '2025-01-02', 0)");
        cat.exec("INSERT INTO reading (BookID, ReadingID, Started, Finished, Completed) "
                 "VALUES (3, 1, '2024-01-02', '2024-02-03', 1)");
        const QDate day(2025, 3, 15);
        QVERIFY(StartReading(cat.connection(), {1, 2, 3}, day));
        // Starting again does not open a second reading.
        QCOMPARE(cat.count("SELECT COUNT(*) FROM reading WHERE BookID=2"), 1);
        QCOMPARE(cat.scalar("SELECT Started || '' FROM reading WHERE BookID=1"), QStringLiteral("2025-03-15"));
        QCOMPARE(cat.count("SELECT COUNT(*) FROM reading WHERE BookID=3"), 2);

        QVERIFY(FinishReading(cat.connection(), {1, 2}, day.addDays(1)));
        QCOMPARE(cat.scalar("SELECT Started || ' ' || Finished || ' ' || Completed FROM reading WHERE BookID=2"),
                 QStringLiteral("2025-01-02 2025-03-16 1"));
        // Finishing a book not under way logs a reading of that day.
        QVERIFY(FinishReading(cat.connection(), {2}, day.addDays(2)));
        QCOMPARE(cat.scalar("SELECT Started IS NULL AND Finished = '2025-03-17' FROM reading WHERE BookID=2 "
                            "AND ReadingID=2"),
                 QStringLiteral("1"));
        QVERIFY(messenger.messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(ReadingLogTest)
#include "readinglog_test.moc"
