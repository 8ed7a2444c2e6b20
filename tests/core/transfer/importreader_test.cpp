#include "filebytes.h"
#include "testsettings.h"
#include "transfer/importfield.h"
#include "transfer/importreader.h"
#include "transfer/zipwriter.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString sample(const char *name)
{
    return QStringLiteral(ORDO_TEST_DATADIR "/transfer/") + QLatin1String(name);
}

QString cell(const CImportTable &t, int row, const char *column)
{
    return t.rows.value(row).value(int(t.columns.indexOf(QLatin1String(column))));
}

} // namespace

class ImportReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void goodreads_isRecognisedAndCleaned()
    {
        CImportTable t;
        QString error;
        QVERIFY2(CImportReader::Read(sample("goodreads_library_export.csv"), t, error), qPrintable(error));
        QCOMPARE(t.format, ImportFormat::Goodreads);
        QCOMPARE(t.rows.size(), 6);
        QCOMPARE(cell(t, 0, "Title"), QStringLiteral("The Lantern Keeper of Vézelay"));
        QCOMPARE(cell(t, 0, "ISBN"), QStringLiteral("2070360024"));
        QCOMPARE(cell(t, 1, "ISBN"), QString());
        QCOMPARE(cell(t, 0, "Bookshelves"), QStringLiteral("favorites\nfrançais"));
        QCOMPARE(cell(t, 0, "Date Read"), QStringLiteral("2019-03-14"));
        QCOMPARE(cell(t, 0, "My Review"), QStringLiteral("Lovely, quiet book.\nSecond line of the review."));
        QCOMPARE(cell(t, 3, "Title"), QStringLiteral("山間的燈"));

        const ImportMapping m = DefaultImportMapping(t);
        QCOMPARE(m.at(t.columns.indexOf("ISBN13")), ImportField::ISBN);
        QCOMPARE(m.at(t.columns.indexOf("Bookshelves")), ImportField::Categories);
        QCOMPARE(m.at(t.columns.indexOf("Book Id")), ImportField::None);
    }

    void libraryThing_isRecognisedAndCleaned()
    {
        CImportTable t;
        QString error;
        QVERIFY2(CImportReader::Read(sample("librarything_export.tsv"), t, error), qPrintable(error));
        QCOMPARE(t.format, ImportFormat::LibraryThing);
        QCOMPARE(t.rows.size(), 2);
        QCOMPARE(cell(t, 0, "ISBN"), QStringLiteral("8400000005"));
        QCOMPARE(cell(t, 1, "ISBN"), QString());
        QCOMPARE(cell(t, 0, "Publication"), QStringLiteral("Editorial Sur"));
        QCOMPARE(cell(t, 0, "Tags"), QStringLiteral("gardens\nspain\nhistory"));
        QCOMPARE(cell(t, 1, "Title"), QStringLiteral("Москва зимой"));
    }

    void tellicoXml_flattensEntries()
    {
        CImportTable t;
        QString error;
        QVERIFY2(CImportReader::Read(sample("tellico.xml"), t, error), qPrintable(error));
        QCOMPARE(t.format, ImportFormat::TellicoXml);
        QCOMPARE(t.rows.size(), 3);
        QCOMPARE(cell(t, 0, "author"), QStringLiteral("Μαρία Παππά\nJean Dupré"));
        QCOMPARE(cell(t, 0, "publisher"), QStringLiteral("Άστρο & Σία"));
        QCOMPARE(cell(t, 0, "plot"), QStringLiteral("A <b>lighthouse</b> keeper and the sea."));
        QCOMPARE(cell(t, 0, "genre"), QStringLiteral("Fiction\nSea stories"));
        QCOMPARE(cell(t, 1, "link"),
                 QStringLiteral("[[\"Publisher page\",\"http://example.com/river\",\"In Chinese\"]]"));
        QCOMPARE(cell(t, 2, "author"), QString());
        QVERIFY(t.images.value("lighthouse.png").startsWith("\x89PNG"));
    }

    void tellicoZip_readsTheArchive()
    {
        QTemporaryDir dir;
        CZipWriter zip;
        QVERIFY(zip.add("tellico.xml", FileBytes(sample("tellico.xml"))));
        QVERIFY(zip.add("images/lighthouse.png", "PNGDATA", true));
        const QByteArray bytes = zip.finish();
        QVERIFY(!bytes.isEmpty());
        QFile out(dir.filePath("home.tc"));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();

        CImportTable t;
        QString error;
        QVERIFY2(CImportReader::Read(out.fileName(), t, error), qPrintable(error));
        QCOMPARE(t.format, ImportFormat::TellicoZip);
        QVERIFY(t.imagesInZip);
        QCOMPARE(t.rows.size(), 3);
    }

    void otherEncodingsAndDelimiters()
    {
        QTemporaryDir dir;
        // Latin-1, semicolons: a spreadsheet of a European locale.
        QFile f(dir.filePath("latin1.csv"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Titel;Autor;Seiten\r\nDer gr\xfcne Baum;J\xfcrgen M\xfcller;120\r\n");
        f.close();
        CImportTable t;
        QString error;
        QVERIFY2(CImportReader::Read(f.fileName(), t, error), qPrintable(error));
        QCOMPARE(t.format, ImportFormat::Csv);
        QCOMPARE(t.encoding, QStringLiteral("Windows-1252"));
        QCOMPARE(t.rows.at(0).at(1), QStringLiteral("Jürgen Müller"));
    }

    void badFiles_areRefusedWithAReason_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("ragged rows") << FileBytes(sample("ragged.csv")) << "Line 3 has 2 fields where the header row has 3. Most rows disagree";
        QTest::newRow("broken XML") << FileBytes(sample("broken.xml")) << "not well-formed";
        QTest::newRow("header only") << QByteArray("Title,Author\n") << "holds no books";
        QByteArray garbage(4096, '\0');
        QRandomGenerator rng(7);
        for (char &c : garbage)
            c = char(rng.bounded(256));
        garbage[10] = 0;
        QTest::newRow("binary garbage") << garbage << "neither delimited text";
        QTest::newRow("unterminated quote") << QByteArray("Title\n\"Open\n") << "never ends";
        QByteArray bomb = "<?xml version=\"1.0\"?>\n<!DOCTYPE tellico [\n<!ENTITY a "
                          "\"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">\n";
        for (int i = 1; i < 12; ++i)
            bomb += QByteArray("<!ENTITY ") + char('a' + i) + " \"" + QByteArray("&") + char('a' + i - 1) +
                    ";" + QByteArray("&") + char('a' + i - 1) + ";&" + char('a' + i - 1) + ";&" +
                    char('a' + i - 1) + ";&" + char('a' + i - 1) + ";&" + char('a' + i - 1) + ";&" +
                    char('a' + i - 1) + ";&" + char('a' + i - 1) + ";&" + char('a' + i - 1) + ";&" +
                    char('a' + i - 1) + ";\">\n";
        bomb += "]>\n<tellico><collection><entry><title>&l;</title></entry></collection></tellico>\n";
        QTest::newRow("entity expansion bomb") << bomb << "not well-formed";
        QTest::newRow("external entity")
            << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE tellico [<!ENTITY x SYSTEM "
                          "\"file:///etc/passwd\">]><tellico><collection><entry><title>&x;"
                          "</title></entry></collection></tellico>")
            << "";
        QTest::newRow("XML of another program")
            << QByteArray("<?xml version=\"1.0\"?><books/>") << "not a Tellico";
    }

    void badFiles_areRefusedWithAReason()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QFile f(dir.filePath("bad.csv"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        CImportTable t;
        QString error;
        if (reason.isEmpty()) {
            // Read or refused, but nothing from outside the file comes in.
            if (CImportReader::Read(f.fileName(), t, error))
                QVERIFY(!t.rows.value(0).join(' ').contains("root:"));
            return;
        }
        QVERIFY(!CImportReader::Read(f.fileName(), t, error));
        QVERIFY2(error.contains(reason), qPrintable(error));
    }

    void truncatedZip_isRefused()
    {
        QTemporaryDir dir;
        CZipWriter zip;
        QByteArray xml = FileBytes(sample("tellico.xml"));
        QVERIFY(zip.add("tellico.xml", xml));
        QByteArray bytes = zip.finish();
        bytes.chop(bytes.size() / 3);
        QFile f(dir.filePath("cut.tc"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        CImportTable t;
        QString error;
        QVERIFY(!CImportReader::Read(f.fileName(), t, error));
        QVERIFY2(error.contains("archive"), qPrintable(error));

        // A sound zip without tellico.xml is no collection either.
        CZipWriter other;
        QVERIFY(other.add("readme.txt", "hello"));
        QFile g(dir.filePath("other.tc"));
        QVERIFY(g.open(QIODevice::WriteOnly));
        g.write(other.finish());
        g.close();
        QVERIFY(!CImportReader::Read(g.fileName(), t, error));
        QVERIFY2(error.contains("tellico.xml"), qPrintable(error));
    }

    void hugeFile_isRefusedBeforeReading()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath("huge.csv"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(200LL * 1024 * 1024)); // sparse: nothing is really written
        f.close();
        CImportTable t;
        QString error;
        QVERIFY(!CImportReader::Read(f.fileName(), t, error));
        QVERIFY2(error.contains("too large"), qPrintable(error));
    }

    void mapping_isRememberedPerFormat()
    {
        TestSettings settings;
        CImportTable t;
        QString error;
        QVERIFY(CImportReader::Read(sample("goodreads_library_export.csv"), t, error));
        ImportMapping m = RememberedImportMapping(t);
        QCOMPARE(m, DefaultImportMapping(t));
        const int dateRead = int(t.columns.indexOf("Date Read"));
        m[dateRead] = ImportField::PurchaseDate;
        m[t.columns.indexOf("Book Id")] = ImportField::UserText2;
        RememberImportMapping(t, m);
        QCOMPARE(RememberedImportMapping(t), m);

        // Another format keeps its own defaults.
        CImportTable lt;
        QVERIFY(CImportReader::Read(sample("librarything_export.tsv"), lt, error));
        QCOMPARE(RememberedImportMapping(lt), DefaultImportMapping(lt));
    }
};

QTEST_GUILESS_MAIN(ImportReaderTest)
#include "importreader_test.moc"
