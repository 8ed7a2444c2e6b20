// Files as people's exports really are: stray bytes of another encoding,
// LibraryThing in its comma form, several authors, ISBNs a spreadsheet has
// mangled, page counts with Roman front matter, a row cut short.
#include "filebytes.h"
#include "importsamples.h"
#include "recordingmessenger.h"
#include "testsettings.h"
#include "transfer/bookimporter.h"
#include "transfer/importfield.h"
#include "catalog/sqlvalue.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString cell(const CImportTable &t, int row, const char *column)
{
    return t.rows.value(row).value(int(t.columns.indexOf(QLatin1String(column))));
}

CImportSummary importInto(TestCatalog &cat, const CImportTable &t)
{
    CImportOptions options;
    options.imagesFolder = cat.dir() + "/test_images";
    CImportSummary summary;
    if (!CBookImporter(cat.connection(), t, DefaultImportMapping(t), options).Run(summary))
        qFatal("import failed: %s", qPrintable(summary.error));
    return summary;
}

CImportTable tableOf(const QByteArray &bytes)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath("file.csv");
    WriteFileBytes(path, bytes);
    return readTable(path);
}

} // namespace

class RealExportsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_messenger.clear(); }

    void libraryThingCsv_readLikeItsTabForm()
    {
        const CImportTable t = readTable(sample("librarything_export.csv"));
        QCOMPARE(t.format, ImportFormat::LibraryThing);
        QCOMPARE(t.encoding, QStringLiteral("UTF-8")); // one stray byte does not make it Latin-1
        QCOMPARE(t.rows.size(), 4);
        QCOMPARE(t.lines, (QVector<int>{2, 3, 5, 6}));
        QCOMPARE(t.refusedRows, QStringList{"Line 4 has 4 fields where the header row has 49."});
        // Only the cell with the stray byte is read as Windows-1252.
        QCOMPARE(cell(t, 0, "Title"), QStringLiteral("Refactoring Café"));
        QCOMPARE(cell(t, 0, "Subjects"), QStringLiteral("Software -- Café design"));
        QCOMPARE(t.repairedCells, QStringList{"Line 2, Subjects"});
        QCOMPARE(cell(t, 0, "ISBN"), QStringLiteral("0201485672"));
        QCOMPARE(cell(t, 0, "Publication"), QStringLiteral("Addison-Wesley"));
        QCOMPARE(cell(t, 0, "Secondary Author"), QStringLiteral("Fowler, Martin\nRoberts, Don\nBrant, John"));
        QCOMPARE(cell(t, 0, "Tags"), QStringLiteral("programming\ncafé culture"));
        QCOMPARE(cell(t, 3, "Title"), QStringLiteral("北方的河"));
    }

    void libraryThingCsv_arrivesFieldByField()
    {
        TestCatalog cat;
        const CImportTable t = readTable(sample("librarything_export.csv"));
        const CImportSummary summary = importInto(cat, t);
        QCOMPARE(summary.added, 4);
        QCOMPARE(summary.refused, QStringList{"Line 4 has 4 fields where the header row has 49."});
        QCOMPARE(summary.mended,
                 (QStringList{"Line 2, Subjects: text that was not UTF-8 read as Windows-1252.",
                              "Line 2, Page Count: \"xxxviii; 431\" read as 431.",
                              "Line 3, ISBN: \"9.78067172365e+12\" is not a valid ISBN; kept in the notes.",
                              "Line 5, ISBN: \"306406152\" had lost its leading zero; stored as 0306406152."}));

        const CBookRecord refactoring = loadByTitle(cat, "Refactoring Café");
        QCOMPARE(refactoring.Author, QStringLiteral("Beck, Kent / Fowler, Martin / Roberts, Don / Brant, John"));
        QCOMPARE(refactoring.ISBN, QStringLiteral("0201485672"));
        QCOMPARE(refactoring.PageCount, QStringLiteral("431"));
        QCOMPARE(refactoring.Publisher, QStringLiteral("Addison-Wesley"));
        QCOMPARE(refactoring.ReleaseDate, QStringLiteral("1999"));
        QCOMPARE(refactoring.Format, QStringLiteral("Hardcover"));
        QCOMPARE(refactoring.Store, QStringLiteral("Bücherstube"));
        QCOMPARE(categoryNamesOf(cat, refactoring.BookID), (QStringList{"café culture", "programming"}));
        QCOMPARE(refactoring.DateAdded, QStringLiteral("Mar 09, 2017")); // the "Entry Date"

        const CBookRecord greek = loadByTitle(cat, "Ελληνικά για αρχάριους");
        QCOMPARE(greek.ISBN, QString());
        QVERIFY2(greek.Notes.contains("9.78067172365e+12"), qPrintable(greek.Notes));
        QCOMPARE(greek.Author, QStringLiteral("Παπαδόπουλος, Γιώργος"));

        QCOMPARE(loadByTitle(cat, "Zero Lost").ISBN, QStringLiteral("0306406152"));
        QCOMPARE(loadByTitle(cat, "北方的河").ISBN, QStringLiteral("9787020000005"));
        QCOMPARE(loadByTitle(cat, "北方的河").MyRating, 4);
    }

    void goodreads_additionalAuthorsAndBadValues()
    {
        TestCatalog cat;
        const CImportTable t = readTable(sample("goodreads_authors_and_bad_values.csv"));
        QCOMPARE(t.format, ImportFormat::Goodreads);
        const CImportSummary summary = importInto(cat, t);
        QCOMPARE(summary.added, 3);
        QVERIFY(summary.refused.isEmpty());
        QCOMPARE(summary.mended,
                 (QStringList{"Line 3, ISBN: \"9.78067172365e+12\" is not a valid ISBN; kept in the notes.",
                              "Line 4, ISBN: \"140449264\" had lost its leading zero; stored as 0140449264.",
                              "Line 4, Number of Pages: \"xii, 520\" read as 520."}));

        const CBookRecord refactoring = loadByTitle(cat, "Refactoring");
        QCOMPARE(refactoring.Author,
                 QStringLiteral("Martin Fowler / Kent Beck / John Brant / William Opdyke / Don Roberts"));
        QCOMPARE(refactoring.ISBN, QStringLiteral("0201485672"));
        QCOMPARE(refactoring.DateAdded, QStringLiteral("Dec 24, 2019"));

        const CBookRecord war = loadByTitle(cat, "Война и мир");
        QCOMPARE(war.Author, QStringLiteral("Лев Толстой / Louise Maude / Aylmer Maude"));
        QCOMPARE(war.ISBN, QString());
        QVERIFY(war.Notes.contains("9.78067172365e+12"));

        const CBookRecord odyssey = loadByTitle(cat, "Οδύσσεια");
        QCOMPARE(odyssey.ISBN, QStringLiteral("0140449264"));
        QCOMPARE(odyssey.PageCount, QStringLiteral("520"));
    }

    // A whole Goodreads library: every book, every author and every date
    // arrives, whatever script the titles are in.
    void goodreadsLibraryOf900Books_arrivesWhole()
    {
        const char *titles[] = {"Ἰλιάς", "Война и мир", "红楼梦", "L'Étranger", "Don Quijote"};
        QByteArray csv = "Book Id,Title,Author,Author l-f,Additional Authors,ISBN,ISBN13,My Rating,Average Rating,"
                         "Publisher,Binding,Number of Pages,Year Published,Original Publication Year,Date Read,"
                         "Date Added,Bookshelves,Bookshelves with positions,Exclusive Shelf,My Review,Spoiler,"
                         "Private Notes,Read Count,Owned Copies\n";
        for (int i = 0; i < 900; ++i) {
            const QByteArray n = QByteArray::number(i);
            const QByteArray day = QByteArray::number(1 + i % 28).rightJustified(2, '0');
            csv += n + ",\"" + titles[i % 5] + " " + n + "\",Author " + n + ",\"" + n + ", Author\"," +
                   (i % 3 == 0 ? "\"Second " + n + ", Third " + n + "\"" : QByteArray()) + ",=\"\",=\"\"," +
                   QByteArray::number(i % 6) + ",3.9,Publisher,Paperback," + QByteArray::number(100 + i) +
                   ",2001,2001,,2020/03/" + day + ",to-read,,to-read," +
                   (i % 7 == 0 ? "\"Two lines,\nof review\"" : QByteArray()) + ",,,0,1\n";
        }
        TestCatalog cat;
        const CImportTable t = tableOf(csv);
        QCOMPARE(t.format, ImportFormat::Goodreads);
        const CImportSummary summary = importInto(cat, t);
        QCOMPARE(summary.added, 900);
        QVERIFY(summary.refused.isEmpty());
        QVERIFY(summary.mended.isEmpty());
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book"), 900);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book WHERE Author LIKE '% / Second % / Third %'"), 300);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book WHERE DateAdded LIKE '2020-03-__'"), 900);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book WHERE Notes LIKE 'Two lines,%review'"), 129);
        const CBookRecord last = loadByTitle(cat, "Ἰλιάς 895");
        QCOMPARE(last.Author, QStringLiteral("Author 895"));
        QCOMPARE(last.PageCount, QStringLiteral("995"));
        QCOMPARE(last.DateAdded, QStringLiteral("Mar 28, 2020"));
        const CBookRecord third = loadByTitle(cat, "红楼梦 897");
        QCOMPARE(third.Author, QStringLiteral("Author 897 / Second 897 / Third 897"));
    }

    void isbns_areCheckedAndStoredBare_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("mended"); // start of the summary line, empty for none
        QTest::newRow("dashes and blanks") << "978-0-306-40615-7" << "9780306406157" << "";
        QTest::newRow("prefix and spaces") << "ISBN 0 306 40615 2" << "0306406152" << "";
        QTest::newRow("small x") << "0-8044-2957-x" << "080442957X" << "";
        QTest::newRow("full-width digits") << "９７８０３０６４０６１５７" << "9780306406157" << "";
        QTest::newRow("two in one cell") << "0306406152, 9780306406157" << "0306406152" << "";
        QTest::newRow("wrong check digit") << "0306406153" << "" << "Line 2, ISBN: \"0306406153\" is not a valid";
        QTest::newRow("truncated") << "97803064061" << "" << "Line 2, ISBN: \"97803064061\" is not a valid";
        QTest::newRow("exponent") << "9.78030640616e+12" << "" << "Line 2, ISBN: \"9.78030640616e+12\" is not";
        QTest::newRow("lost zero") << "306406152" << "0306406152" << "Line 2, ISBN: \"306406152\" had lost";
        QTest::newRow("nine digits, no zero lost") << "306406153" << "" << "Line 2, ISBN: \"306406153\" is not";
    }

    void isbns_areCheckedAndStoredBare()
    {
        QFETCH(QString, given);
        QFETCH(QString, stored);
        QFETCH(QString, mended);
        TestCatalog cat;
        const CImportSummary summary = importInto(cat, tableOf(("Title,ISBN\nA book,\"" + given + "\"\n").toUtf8()));
        QCOMPARE(summary.added, 1);
        const CBookRecord book = loadByTitle(cat, "A book");
        QCOMPARE(book.ISBN, stored);
        // A file without dates adds its books today, as adding by hand does.
        QCOMPARE(book.DateAdded, FormatCatalogDate(QDate::currentDate()));
        if (mended.isEmpty()) {
            QVERIFY2(summary.mended.isEmpty(), qPrintable(summary.mended.join('|')));
        } else {
            QCOMPARE(summary.mended.size(), 1);
            QVERIFY2(summary.mended.at(0).startsWith(mended), qPrintable(summary.mended.at(0)));
        }
        // Whatever is no ISBN stays visible in the notes.
        QCOMPARE(book.Notes.contains(given.toHtmlEscaped()), stored.isEmpty());
    }

    void raggedRows_costOnlyThemselves()
    {
        QByteArray csv = "Title,Author,Pages\n";
        for (int i = 1; i <= 9; ++i)
            csv += "Book " + QByteArray::number(i) + ",Автор,1" + QByteArray::number(i) + "\n";
        csv += "Too long,Автор,12,extra\n";
        csv += "\"Quoted\nover lines\",Ἀριστοτέλης\n"; // too short; starts on line 12
        csv += "Last book,王小波,99\n";
        TestCatalog cat;
        const CImportTable t = tableOf(csv);
        QCOMPARE(t.rows.size(), 10);
        const CImportSummary summary = importInto(cat, t);
        QCOMPARE(summary.added, 10);
        QCOMPARE(summary.refused, (QStringList{"Line 11 has 4 fields where the header row has 3.",
                                               "Line 12 has 2 fields where the header row has 3."}));
        // Rows after a multi-line cell are still named by their own line.
        QCOMPARE(ImportRowLabel(t, 9), QStringLiteral("Line 14"));
        QCOMPARE(loadByTitle(cat, "Last book").PageCount, QStringLiteral("99"));
    }

    void mostlyRaggedFile_isRefusedWhole()
    {
        CImportTable t;
        QString error;
        QVERIFY(!CImportReader::ReadBytes("Title,Author\nA;b;c\nD;e;f\nG,h\n", "x.csv", t, error));
        QVERIFY2(error.contains("Most rows disagree with the header"), qPrintable(error));
    }

    void windows1252File_keepsItsQuotesAndDashes()
    {
        TestCatalog cat;
        const CImportTable t =
            tableOf("Title;Author;Notes\r\n\x93" "Caf\xe9\x94 \x96 a story;M\xfcller;Wait\x85 \x80" "5\r\n");
        QCOMPARE(t.encoding, QStringLiteral("Windows-1252"));
        QVERIFY(t.repairedCells.isEmpty()); // the whole file is Windows-1252, nothing to repair
        importInto(cat, t);
        const CBookRecord book = loadByTitle(cat, "“Café” – a story");
        QCOMPARE(book.Author, QStringLiteral("Müller"));
        QCOMPARE(book.Notes, QStringLiteral("Wait… €5"));
    }

private:
    TestSettings m_settings;
    RecordingMessenger m_messenger;
};

QTEST_GUILESS_MAIN(RealExportsTest)
#include "realexports_test.moc"
