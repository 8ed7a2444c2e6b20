#include "filebytes.h"
#include "importsamples.h"
#include "recordingmessenger.h"
#include "testsettings.h"
#include "transfer/bookimporter.h"
#include "transfer/zipwriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kPng = QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQV"
                                               "R42mP8z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg==");

QString cell(const CImportTable &t, int row, const char *column)
{
    return t.rows.value(row).value(int(t.columns.indexOf(QLatin1String(column))));
}

ImportField mapped(const CImportTable &t, const char *column)
{
    return DefaultImportMapping(t).value(int(t.columns.indexOf(QLatin1String(column))), ImportField::None);
}

void writeArchive(const QString &path, const QVector<QPair<QString, QByteArray>> &members)
{
    CZipWriter zip;
    for (const auto &m : members) {
        if (!zip.add(m.first, m.second, m.first.startsWith("images/")))
            qFatal("cannot add %s", qPrintable(m.first));
    }
    WriteFileBytes(path, zip.finish());
}

// A current collection of one entry whose cover is only referred to.
QByteArray collectionWithCover(const QString &cover)
{
    return QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<tellico xmlns=\"http://periapsis.org/tellico/\" syntaxVersion=\"11\">"
                   "<collection title=\"Books\" type=\"2\"><fields><field name=\"_default\"/></fields>"
                   "<entry id=\"1\"><title>Pictured</title><cover>%1</cover></entry>"
                   "<images><image id=\"%1\" format=\"PNG\" width=\"1\" height=\"1\"/></images>"
                   "</collection></tellico>\n")
        .arg(cover)
        .toUtf8();
}

QByteArray collectionOf(const QByteArray &entries, const QByteArray &fields = QByteArray())
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<tellico xmlns=\"http://periapsis.org/tellico/\" syntaxVersion=\"11\">"
           "<collection title=\"Books\" type=\"2\"><fields><field name=\"_default\"/>" +
           fields + "</fields>" + entries + "</collection></tellico>\n";
}

} // namespace

class TellicoImportTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_messenger.clear(); }

    // Syntax 1: <book> entries, one <author> and <keywords> as plain text,
    // yes/no fields as empty elements, no XML declaration.
    void bookcaseSyntax1_plain()
    {
        const CImportTable t = readTable(sample("bookcase-v1.xml"));
        QCOMPARE(t.format, ImportFormat::TellicoXml);
        QVERIFY(!t.ownExport);
        QCOMPARE(t.rows.size(), 2);
        QCOMPARE(cell(t, 0, "title"), QStringLiteral("Die Brücke am Fluss"));
        QCOMPARE(cell(t, 0, "author"), QStringLiteral("Hanna Keßler; Tomás Ruiz"));
        QCOMPARE(cell(t, 0, "keywords"), QStringLiteral("rivers; travel"));
        QCOMPARE(cell(t, 0, "signed"), QStringLiteral("true"));
        QCOMPARE(cell(t, 0, "gift"), QStringLiteral("Gift"));
        QCOMPARE(cell(t, 0, "read"), QString());
        QCOMPARE(cell(t, 1, "title"), QStringLiteral("Короткие заметки"));
        QCOMPARE(cell(t, 1, "read"), QStringLiteral("true"));
        QCOMPARE(cell(t, 1, "signed"), QString());
        QVERIFY(!t.columns.contains("attribute")); // field definitions are no entries
        QCOMPARE(mapped(t, "keywords"), ImportField::Categories);
        QCOMPARE(mapped(t, "gift"), ImportField::Notes);
        QCOMPARE(mapped(t, "signed"), ImportField::None);

        TestCatalog cat;
        CImportOptions options;
        options.imagesFolder = cat.dir() + "/test_images";
        CImportSummary summary;
        QVERIFY2(CBookImporter(cat.connection(), t, DefaultImportMapping(t), options).Run(summary),
                 qPrintable(summary.error));
        QCOMPARE(summary.added, 2);
        QVERIFY(summary.refused.isEmpty());
        const CBookRecord b = loadByTitle(cat, "Die Brücke am Fluss");
        QCOMPARE(b.Author, QStringLiteral("Hanna Keßler / Tomás Ruiz"));
        QCOMPARE(b.Binding, QStringLiteral("Paperback"));
        QCOMPARE(b.Publisher, QStringLiteral("Verlag Mondschein"));
        QCOMPARE(b.ReleaseDate, QStringLiteral("1987"));
        QCOMPARE(b.ISBN, QStringLiteral("3000000003"));
        QCOMPARE(b.PageCount, QStringLiteral("256"));
        QCOMPARE(b.Language, QStringLiteral("German"));
        QCOMPARE(b.MyRating, 3);
        QCOMPARE(b.Notes, QStringLiteral("Found in Basel.<br>\nGift"));
        QCOMPARE(categoryNamesOf(cat, b.BookID), (QStringList{"rivers", "travel"}));
        const CBookRecord notes = loadByTitle(cat, "Короткие заметки");
        QCOMPARE(notes.Notes, QString());
        QCOMPARE(categoryNamesOf(cat, notes.BookID), QStringList{"Book Collection"});
    }

    // Syntax 2: lists in containers, still <book> entries, the root first.
    void bookcaseSyntax2_plain()
    {
        const CImportTable t = readTable(sample("bookcase-v2.xml"));
        QCOMPARE(t.format, ImportFormat::TellicoXml);
        QCOMPARE(t.rows.size(), 1);
        QCOMPARE(cell(t, 0, "title"), QStringLiteral("Salt and Cedar"));
        QCOMPARE(cell(t, 0, "author"), QStringLiteral("Leila Haddad\nOmar Nasser"));
        QCOMPARE(cell(t, 0, "language"), QStringLiteral("English\nArabic"));
        QCOMPARE(cell(t, 0, "genre"), QStringLiteral("Travel"));
        QCOMPARE(cell(t, 0, "keyword"), QStringLiteral("Levant\nCooking"));
        QCOMPARE(cell(t, 0, "loaned"), QStringLiteral("true"));
        QCOMPARE(cell(t, 0, "pub_year"), QStringLiteral("1999"));
        QCOMPARE(mapped(t, "keyword"), ImportField::Categories);
        QCOMPARE(mapped(t, "loaned"), ImportField::None);
    }

    // Syntax 5: the bookcase namespace, <entry>, pictures in the archive,
    // whose collection member has either name.
    void bookcaseSyntax5_zipped_data()
    {
        QTest::addColumn<QString>("member");
        QTest::newRow("bookcase.xml") << "bookcase.xml";
        QTest::newRow("tellico.xml") << "tellico.xml";
    }

    void bookcaseSyntax5_zipped()
    {
        QFETCH(QString, member);
        QTemporaryDir dir;
        const QString path = dir.filePath("old.tc");
        writeArchive(path, {{member, FileBytes(sample("bookcase-v5.xml"))}, {"images/horloge.png", kPng}});
        const CImportTable t = readTable(path);
        QCOMPARE(t.format, ImportFormat::TellicoZip);
        QCOMPARE(t.rows.size(), 1);
        QCOMPARE(cell(t, 0, "signed"), QStringLiteral("true"));

        TestCatalog cat;
        CImportOptions options;
        options.imagesFolder = cat.dir() + "/test_images";
        CImportSummary summary;
        QVERIFY2(CBookImporter(cat.connection(), t, DefaultImportMapping(t), options).Run(summary),
                 qPrintable(summary.error));
        QCOMPARE(summary.added, 1);
        QVERIFY2(summary.warnings.isEmpty(), qPrintable(summary.warnings.join('\n')));
        const CBookRecord b = loadByTitle(cat, "L'Horloge de Lyon");
        QCOMPARE(b.Author, QStringLiteral("Claire Morel"));
        QCOMPARE(b.Binding, QStringLiteral("Hardback"));
        QCOMPARE(b.Publisher, QStringLiteral("Éditions du Rhône"));
        QCOMPARE(b.ReleaseDate, QStringLiteral("2002"));
        QCOMPARE(b.ISBN, QStringLiteral("2000000002"));
        QCOMPARE(b.PageCount, QStringLiteral("198"));
        QCOMPARE(b.Notes, QStringLiteral("From the author.<br>\nGift"));
        QCOMPARE(categoryNamesOf(cat, b.BookID), QStringList{"Lyon"});
        QCOMPARE(b.FrontCover, QString::number(b.BookID) + ".png");
        QCOMPARE(FileBytes(options.imagesFolder + "/" + b.FrontCover), kPng);
    }

    void bookcaseRoot_isRecognisedWithoutDeclaration_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("root first") << QByteArray("<bookcase version=\"3\"><collection unit=\"book\">"
                                                  "<book><title>Bare</title></book></collection></bookcase>");
        QTest::newRow("doctype first")
            << QByteArray("<!DOCTYPE bookcase>\n<bookcase syntaxVersion=\"4\" "
                          "xmlns=\"http://periapsis.org/bookcase/\"><collection type=\"2\">"
                          "<entry><title>Bare</title></entry></collection></bookcase>");
    }

    void bookcaseRoot_isRecognisedWithoutDeclaration()
    {
        QFETCH(QByteArray, bytes);
        CImportTable t;
        QString error;
        QVERIFY2(CImportReader::ReadBytes(bytes, "bare.xml", t, error), qPrintable(error));
        QCOMPARE(t.format, ImportFormat::TellicoXml);
        QCOMPARE(cell(t, 0, "title"), QStringLiteral("Bare"));
    }

    // Pictures Tellico keeps beside the file: books_files/<id>.
    void coversInFilesFolder_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("plain XML") << "books.xml";
        QTest::newRow("archive") << "books.tc";
    }

    void coversInFilesFolder()
    {
        QFETCH(QString, fileName);
        QTemporaryDir dir;
        const QString path = dir.filePath(fileName);
        if (fileName.endsWith(".tc"))
            writeArchive(path, {{"tellico.xml", collectionWithCover("c0ffee.png")}});
        else
            WriteFileBytes(path, collectionWithCover("c0ffee.png"));
        QVERIFY(QDir(dir.path()).mkpath("books_files"));
        WriteFileBytes(dir.filePath("books_files/c0ffee.png"), kPng);
        // A picture of that name beside the file is not the one meant.
        WriteFileBytes(dir.filePath("c0ffee.png"), "other picture");

        TestCatalog cat;
        const CImportTable t = readTable(path);
        CImportOptions options;
        options.imagesFolder = cat.dir() + "/test_images";
        CImportSummary summary;
        QVERIFY2(CBookImporter(cat.connection(), t, DefaultImportMapping(t), options).Run(summary),
                 qPrintable(summary.error));
        QVERIFY2(summary.warnings.isEmpty(), qPrintable(summary.warnings.join('\n')));
        const CBookRecord b = loadByTitle(cat, "Pictured");
        QCOMPARE(b.FrontCover, QString::number(b.BookID) + ".png");
        QCOMPARE(FileBytes(options.imagesFolder + "/" + b.FrontCover), kPng);
        // The picture was copied, not moved.
        QCOMPARE(FileBytes(dir.filePath("books_files/c0ffee.png")), kPng);
    }

    void filesFolder_takesBareNamesOnly()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("books.xml");
        WriteFileBytes(path, collectionWithCover("inner/c0ffee.png"));
        QVERIFY(QDir(dir.path()).mkpath("books_files/inner"));
        WriteFileBytes(dir.filePath("books_files/inner/c0ffee.png"), kPng);

        TestCatalog cat;
        const CImportTable t = readTable(path);
        CImportOptions options;
        options.imagesFolder = cat.dir() + "/test_images";
        CImportSummary summary;
        QVERIFY(CBookImporter(cat.connection(), t, DefaultImportMapping(t), options).Run(summary));
        QCOMPARE(summary.added, 1);
        QCOMPARE(summary.warnings.size(), 1);
        QVERIFY(summary.warnings.at(0).contains("inner/c0ffee.png"));
        QCOMPARE(loadByTitle(cat, "Pictured").FrontCover, QString());
    }

    // The year of publication fills the release date only when there is no
    // fuller one, whichever column comes first.
    void releaseDate_winsOverYear_data()
    {
        QTest::addColumn<QByteArray>("entries");
        QTest::newRow("year first") << QByteArray(
            "<entry id=\"1\"><title>Dated</title><pub_year>2014</pub_year>"
            "<release-date>2014-03-02</release-date></entry>"
            "<entry id=\"2\"><title>Year only</title><pub_year>1990</pub_year></entry>");
        QTest::newRow("date first") << QByteArray(
            "<entry id=\"1\"><title>Dated</title><release-date>2014-03-02</release-date>"
            "<pub_year>2014</pub_year></entry>"
            "<entry id=\"2\"><title>Year only</title><pub_year>1990</pub_year></entry>");
    }

    void releaseDate_winsOverYear()
    {
        QFETCH(QByteArray, entries);
        CImportTable t;
        QString error;
        QVERIFY2(CImportReader::ReadBytes(collectionOf(entries), "dates.xml", t, error), qPrintable(error));
        QCOMPARE(mapped(t, "pub_year"), ImportField::ReleaseDate);
        QCOMPARE(mapped(t, "release-date"), ImportField::ReleaseDate);

        TestCatalog cat;
        CBookImporter importer(cat.connection(), t, DefaultImportMapping(t), CImportOptions());
        const QVector<CImportedBook> preview = importer.Preview();
        QCOMPARE(preview.at(0).value(ImportField::ReleaseDate), QStringLiteral("2014-03-02"));
        QCOMPARE(preview.at(1).value(ImportField::ReleaseDate), QStringLiteral("1990"));
        CImportSummary summary;
        QVERIFY(importer.Run(summary));
        QCOMPARE(loadByTitle(cat, "Dated").ReleaseDate, QStringLiteral("Mar 02, 2014"));
        QCOMPARE(loadByTitle(cat, "Year only").ReleaseDate, QStringLiteral("1990"));
    }

    void gift_isKeptInTheNotes()
    {
        CImportTable t;
        QString error;
        QVERIFY(CImportReader::ReadBytes(
            collectionOf("<entry id=\"1\"><title>Present</title><gift>true</gift></entry>"
                         "<entry id=\"2\"><title>Bought</title><comments>Cheap.</comments>"
                         "<gift>false</gift></entry>"
                         "<entry id=\"3\"><title>Both</title><comments>From Ana.</comments>"
                         "<gift>TRUE</gift></entry>"),
            "gifts.xml", t, error));
        QCOMPARE(cell(t, 0, "gift"), QStringLiteral("Gift"));
        QCOMPARE(cell(t, 1, "gift"), QString());
        QCOMPARE(mapped(t, "gift"), ImportField::Notes);
        QCOMPARE(ImportFieldLabel(mapped(t, "gift")), QStringLiteral("Notes"));

        TestCatalog cat;
        CImportSummary summary;
        QVERIFY(CBookImporter(cat.connection(), t, DefaultImportMapping(t), CImportOptions()).Run(summary));
        QCOMPARE(summary.added, 3);
        QCOMPARE(loadByTitle(cat, "Present").Notes, QStringLiteral("Gift"));
        QCOMPARE(loadByTitle(cat, "Bought").Notes, QStringLiteral("Cheap."));
        QCOMPARE(loadByTitle(cat, "Both").Notes, QStringLiteral("From Ana.<br>\nGift"));
    }

    // Tellico's <borrowers> after the entries: each loan's entry is lent to
    // its borrower from its loan date until its due date. A loan naming no
    // entry, a borrower without a name and a due date before the loan are
    // left aside; nothing else is lost.
    void borrowers_lendTheirEntries()
    {
        CImportTable t;
        QString error;
        QVERIFY(CImportReader::ReadBytes(
            collectionOf("<entry id=\"1\"><title>Lent</title><loaned>true</loaned></entry>"
                         "<entry id=\"2\"><title>Also lent</title></entry>"
                         "<entry id=\"3\"><title>Home</title></entry>"
                         "<borrowers>"
                         "<borrower name=\" Σοφία Ö \" uid=\"a1\">"
                         "<loan uid=\"l1\" entryRef=\"1\" loanDate=\"2025-04-02\" dueDate=\"2025-05-02\" "
                         "calendar=\"true\">ask in May</loan>"
                         "<loan uid=\"l2\" entryRef=\"9\" loanDate=\"2025-04-02\"/>"
                         "</borrower>"
                         "<borrower name=\"Пётр\" uid=\"a2\">"
                         "<loan uid=\"l3\" entryRef=\"2\" loanDate=\"2025-04-10\" dueDate=\"2025-04-01\"/>"
                         "</borrower>"
                         "<borrower name=\"\" uid=\"a3\"><loan uid=\"l4\" entryRef=\"3\" "
                         "loanDate=\"2025-01-01\"/></borrower>"
                         "</borrowers>"),
            "loans.tc", t, error));
        QCOMPARE(cell(t, 0, "loan-borrower"), QStringLiteral("Σοφία Ö"));
        QCOMPARE(mapped(t, "loan-borrower"), ImportField::Borrower);
        QCOMPARE(mapped(t, "loan-due"), ImportField::DueDate);

        TestCatalog cat;
        CImportSummary summary;
        QVERIFY(CBookImporter(cat.connection(), t, DefaultImportMapping(t), CImportOptions()).Run(summary));
        QCOMPARE(summary.added, 3);
        QCOMPARE(
            cat.scalar(
                "SELECT Title || '|' || Name || '|' || LoanDate || '|' || IFNULL(DueDate, '-') FROM loan "
                "JOIN book USING (BookID) JOIN borrower USING (BorrowerID) ORDER BY LoanID"),
            QStringLiteral("Lent|Σοφία Ö|2025-04-02|2025-05-02"));
        QCOMPARE(
            cat.scalar(
                "SELECT IFNULL(DueDate, '-') FROM loan JOIN book USING (BookID) WHERE Title='Also lent'"),
            QStringLiteral("-"));
        QCOMPARE(cat.count("SELECT COUNT(*) FROM loan"), 2);
        QVERIFY(m_messenger.messages.isEmpty());
    }

    // Every list field comes as one cell; dates and yes/no fields Tellico
    // keeps stay columns of their own, not imported unless mapped.
    void listFieldsAndUnmappedColumns()
    {
        CImportTable t;
        QString error;
        QVERIFY(CImportReader::ReadBytes(
            collectionOf("<entry id=\"1\"><title>Many</title>"
                         "<authors><author>Ann</author><author>Bo</author></authors>"
                         "<languages><language>French</language><language>Occitan</language></languages>"
                         "<genres><genre>Poetry</genre><genre>Essays</genre></genres>"
                         "<keywords><keyword>south</keyword><keyword>songs/old</keyword></keywords>"
                         "<read>true</read><signed>true</signed><loaned>true</loaned>"
                         "<cdate><year>2011</year><month>2</month><day>3</day></cdate>"
                         "<mdate><year>2012</year><month>04</month><day>05</day></mdate></entry>"),
            "lists.xml", t, error));
        QCOMPARE(cell(t, 0, "author"), QStringLiteral("Ann\nBo"));
        QCOMPARE(cell(t, 0, "language"), QStringLiteral("French\nOccitan"));
        QCOMPARE(cell(t, 0, "genre"), QStringLiteral("Poetry\nEssays"));
        QCOMPARE(cell(t, 0, "keyword"), QStringLiteral("south\nsongs/old"));
        QCOMPARE(cell(t, 0, "read"), QStringLiteral("true"));
        QCOMPARE(cell(t, 0, "cdate"), QStringLiteral("2011-02-03"));
        QCOMPARE(cell(t, 0, "mdate"), QStringLiteral("2012-04-05"));
        QCOMPARE(mapped(t, "cdate"), ImportField::DateAdded); // Tellico's "Date Created"
        QCOMPARE(mapped(t, "read"), ImportField::TimesRead);  // read at least once
        for (const char *column : {"signed", "loaned", "mdate", "genre"}) {
            QCOMPARE(mapped(t, column), ImportField::None);
            QCOMPARE(ImportFieldLabel(mapped(t, column)), QStringLiteral("(not imported)"));
        }

        TestCatalog cat;
        CImportSummary summary;
        QVERIFY(CBookImporter(cat.connection(), t, DefaultImportMapping(t), CImportOptions()).Run(summary));
        const CBookRecord b = loadByTitle(cat, "Many");
        QCOMPARE(b.Language, QStringLiteral("French; Occitan"));
        QCOMPARE(b.DateAdded, QStringLiteral("Feb 03, 2011"));
        QCOMPARE(categoryNamesOf(cat, b.BookID), (QStringList{"old", "south"}));
        QCOMPARE(cat.scalar("SELECT ParentID FROM category WHERE Name='old'"),
                 cat.scalar("SELECT CatID FROM category WHERE Name='songs'"));
    }

    // Our exports are known by the fields they add (group "Ordoteca"), also
    // the older ones that kept the categories in a field of their own.
    void ownExport_isRecognised()
    {
        CImportTable t;
        QString error;
        const QByteArray older = collectionOf(
            "<entry id=\"1\"><title>Shelved</title><categorys><category>Book Collection/Fiction</category>"
            "<category>Favorites</category></categorys></entry>"
            "<entry id=\"2\"><title>Nowhere</title></entry>",
            "<field name=\"category\" title=\"Category\" type=\"1\" flags=\"3\" category=\"Ordoteca\"/>");
        QVERIFY(CImportReader::ReadBytes(older, "older.xml", t, error));
        QVERIFY(t.ownExport);
        QCOMPARE(mapped(t, "category"), ImportField::Categories);

        TestCatalog cat;
        CImportSummary summary;
        QVERIFY(CBookImporter(cat.connection(), t, DefaultImportMapping(t), CImportOptions()).Run(summary));
        const CBookRecord shelved = loadByTitle(cat, "Shelved");
        QCOMPARE(categoryNamesOf(cat, shelved.BookID), (QStringList{"Favorites", "Fiction"}));
        QCOMPARE(cat.scalar("SELECT ParentID FROM category WHERE Name='Fiction'"), QStringLiteral("1"));
        QCOMPARE(categoryNamesOf(cat, loadByTitle(cat, "Nowhere").BookID), QStringList());

        // Another group, or no fields at all: someone else's collection.
        QVERIFY(CImportReader::ReadBytes(
            collectionOf("<entry id=\"1\"><title>Theirs</title></entry>",
                         "<field name=\"shelf\" title=\"Shelf\" type=\"1\" flags=\"0\" category=\"Personal\"/>"),
            "theirs.xml", t, error));
        QVERIFY(!t.ownExport);
    }

private:
    TestSettings m_settings;
    RecordingMessenger m_messenger;
};

QTEST_GUILESS_MAIN(TellicoImportTest)
#include "tellicoimport_test.moc"
