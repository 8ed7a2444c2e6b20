#include "catalog/bookrecord.h"
#include "filebytes.h"
#include "importsamples.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"
#include "transfer/bookimporter.h"
#include "transfer/catalogexporter.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const char *const kGoodreadsHeader =
    "Book Id,Title,Author,Author l-f,Additional Authors,ISBN,ISBN13,My Rating,Average Rating,Publisher,Binding,"
    "Number of Pages,Year Published,Original Publication Year,Date Read,Date Added,Bookshelves,"
    "Bookshelves with positions,Exclusive Shelf,My Review,Spoiler,Private Notes,Read Count,Owned Copies\n";

struct Imported
{
    CImportSummary summary;
    QString error;
};

Imported importFile(TestCatalog &cat, const QString &path)
{
    const CImportTable t = readTable(path);
    CImportOptions options;
    options.imagesFolder = cat.dir() + "/test_images";
    CBookImporter importer(cat.connection(), t, DefaultImportMapping(t), options);
    Imported result;
    if (!importer.Run(result.summary))
        result.error = result.summary.error;
    return result;
}

} // namespace

class SeriesImportTest : public QObject
{
    Q_OBJECT

private slots:
    // The title keeps only the book's own name; the dates read and the read
    // count become the log; a date that cannot be read is kept and reported.
    void goodreads_splitsTitlesAndLogsReadings()
    {
        RecordingMessenger messenger;
        TestSettings settings;
        TestCatalog cat;
        QTemporaryDir dir;
        const QString path = dir.filePath("goodreads_library_export.csv");
        WriteFileBytes(path, QByteArray(kGoodreadsHeader) +
                                 "1,\"The Colour of Magic (Discworld, #1)\",Terry Pratchett,,,,,5,,,,,,,2023/03/15,"
                                 "2020/01/02,,,read,,,,3,1\n"
                                 "2,Python (Second Edition),Ann Coder,,,,,0,,,,,,,,,,,to-read,,,,0,0\n"
                                 "3,Пикник (Миры #3.5),Стругацкие,,,,,0,,,,,,,15 mars 2021,,,,read,,,,1,0\n"
                                 "4,\"Mort (Discworld, #4; Death, #1)\",Terry Pratchett,,,,,0,,,,,,,,,,,"
                                 "currently-reading,,,,many,0\n");
        const Imported imported = importFile(cat, path);
        QVERIFY2(imported.error.isEmpty(), qPrintable(imported.error));
        QVERIFY2(imported.summary.refused.isEmpty(), qPrintable(imported.summary.refused.join('|')));
        QCOMPARE(imported.summary.added, 4);

        const CBookRecord magic = loadByTitle(cat, "The Colour of Magic");
        QCOMPARE(magic.Series, QStringLiteral("Discworld"));
        QCOMPARE(magic.SeriesNumber, QStringLiteral("1"));
        // Read three times, the last on the day given.
        QCOMPARE(magic.readings, (CReadingLog{{{}, {}, true, {}}, {{}, {}, true, {}}, {{}, "Mar 15, 2023", true, {}}}));

        const CBookRecord python = loadByTitle(cat, "Python (Second Edition)");
        QVERIFY(python.Series.isEmpty());
        QVERIFY(python.readings.isEmpty());

        const CBookRecord picnic = loadByTitle(cat, "Пикник");
        QCOMPARE(picnic.Series, QStringLiteral("Миры"));
        QCOMPARE(picnic.SeriesNumber, QStringLiteral("3.5"));
        QCOMPARE(picnic.readings.size(), 1);
        QVERIFY(picnic.readings.at(0).Completed);
        QCOMPARE(picnic.readings.at(0).Notes, QStringLiteral("15 mars 2021"));

        const CBookRecord mort = loadByTitle(cat, "Mort");
        QCOMPARE(mort.Series, QStringLiteral("Discworld"));
        QVERIFY2(mort.Notes.contains("Death, #1"), qPrintable(mort.Notes));
        QVERIFY(mort.readings.isEmpty());

        const QString mended = imported.summary.mended.join('|');
        QVERIFY2(mended.contains("\"15 mars 2021\" is not a date"), qPrintable(mended));
        QVERIFY2(mended.contains("\"many\" is not a number of readings"), qPrintable(mended));
        QCOMPARE(imported.summary.mended.size(), 2);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM bookseries"), 2);
    }

    void libraryThing_seriesAndDaysStartedAndRead()
    {
        RecordingMessenger messenger;
        TestSettings settings;
        TestCatalog cat;
        QTemporaryDir dir;
        const QString path = dir.filePath("librarything_export.tsv");
        WriteFileBytes(path, "Book Id\tTitle\tPrimary Author\tDate Started\tDate Read\tSeries\tEntry Date\n"
                             "1\tGuards! Guards!\tPratchett, Terry\t2024-02-01\t2024-02-20\tDiscworld (8); "
                             "City Watch (1)\t2024-01-01\n"
                             "2\t哈利波特\t罗琳\t2025-05-01\t\t哈利波特 (3)\t\n");
        const Imported imported = importFile(cat, path);
        QVERIFY2(imported.error.isEmpty(), qPrintable(imported.error));
        const CBookRecord guards = loadByTitle(cat, "Guards! Guards!");
        QCOMPARE(guards.Series, QStringLiteral("Discworld"));
        QCOMPARE(guards.SeriesNumber, QStringLiteral("8"));
        QVERIFY(guards.Notes.contains("City Watch (1)"));
        QCOMPARE(guards.readings, (CReadingLog{{"Feb 01, 2024", "Feb 20, 2024", true, {}}}));
        // Started and not finished: being read.
        const CBookRecord potter = loadByTitle(cat, "哈利波特");
        QCOMPARE(potter.SeriesNumber, QStringLiteral("3"));
        QCOMPARE(ReadingStateOf(potter.readings), ReadingState::Reading);
    }

    // Tellico's own "read" says only that the book was read once.
    void tellico_readFlagAndSeries()
    {
        RecordingMessenger messenger;
        TestSettings settings;
        TestCatalog cat;
        QTemporaryDir dir;
        const QString path = dir.filePath("books.xml");
        WriteFileBytes(path, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<tellico xmlns=\"http://periapsis.org/tellico/\" syntaxVersion=\"11\">"
                             "<collection title=\"Books\" type=\"2\"><fields><field name=\"_default\"/></fields>"
                             "<entry id=\"1\"><title>Ἰλιάς</title><series>Κύκλος</series><series_num>2</series_num>"
                             "<read>true</read></entry>"
                             "<entry id=\"2\"><title>Unread</title><read>false</read></entry>"
                             "</collection></tellico>");
        const Imported imported = importFile(cat, path);
        QVERIFY2(imported.error.isEmpty(), qPrintable(imported.error));
        const CBookRecord iliad = loadByTitle(cat, "Ἰλιάς");
        QCOMPARE(iliad.Series, QStringLiteral("Κύκλος"));
        QCOMPARE(iliad.SeriesNumber, QStringLiteral("2"));
        QCOMPARE(iliad.readings, (CReadingLog{{{}, {}, true, {}}}));
        QVERIFY(loadByTitle(cat, "Unread").readings.isEmpty());
        QVERIFY(imported.summary.mended.isEmpty());
    }
};

QTEST_GUILESS_MAIN(SeriesImportTest)
#include "seriesimport_test.moc"
