#include "bookfieldvalues.h"
#include "catalog/bookrecord.h"
#include "catalog/loancommands.h"
#include "filebytes.h"
#include "picturebytes.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"
#include "transfer/bookimporter.h"
#include "transfer/catalogexporter.h"
#include "transfer/importreader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every stored field of a book, its links, its category paths and its cover
// pictures, in one comparable list.
QStringList snapshot(TestCatalog &cat, const QString &images, int bookId)
{
    CBookRecord r;
    if (!r.Load(bookId, cat.connection()))
        qFatal("cannot load book %d", bookId);
    QStringList s = BookFieldValues(r);
    for (const CLinkEntry &l : std::as_const(r.links))
        s << "link:" + l.LinkID + "|" + l.Name + "|" + l.Path + "|" + l.Notes;
    QStringList paths;
    const int n = cat.count(QString("SELECT COUNT(*) FROM book_category WHERE BookID=%1").arg(bookId));
    for (int i = 0; i < n; ++i) {
        int c = cat.count(
            QString("SELECT CatID FROM book_category WHERE BookID=%1 ORDER BY CatID LIMIT 1 OFFSET %2")
                .arg(bookId)
                .arg(i));
        QStringList path;
        while (c != 0) {
            path.prepend(cat.scalar(QString("SELECT Name FROM category WHERE CatID=%1").arg(c)));
            c = cat.count(QString("SELECT ParentID FROM category WHERE CatID=%1").arg(c));
        }
        paths << "category:" + path.join(" > ");
    }
    paths.sort();
    s << paths;
    // The current loan of a book lent out.
    s << "loan:" +
             cat.scalar(QString("SELECT Name || '|' || LoanDate || '|' || IFNULL(DueDate, '') FROM loan "
                                "JOIN borrower USING (BorrowerID) WHERE BookID=%1 AND ReturnDate IS NULL")
                            .arg(bookId));
    s << "front:" + QString::fromLatin1(FileBytes(images + "/" + r.FrontCover).toHex());
    s << "back:" + QString::fromLatin1(FileBytes(images + "/" + r.BackCover).toHex());
    return s;
}

} // namespace

class RoundTripTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_pictures.isValid());
        // Pictures the import takes: it reads their headers.
        WriteFileBytes(m_pictures.filePath("front.jpg"), JpegDeclaring(300, 450));
        WriteFileBytes(m_pictures.filePath("back.png"), PngDeclaring(300, 450));
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("CSV") << int(CCatalogExporter::Csv) << "books.csv";
        QTest::newRow("Tellico") << int(CCatalogExporter::Tellico) << "books.tc";
    }

    void roundTrip()
    {
        QFETCH(int, format);
        QFETCH(QString, fileName);
        TestCatalog source("source.mdb");
        const QString sourceImages = source.dir() + "/source_images";
        QDir().mkpath(sourceImages);
        source.exec("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Fiction', 1)");
        source.exec(
            "INSERT INTO category (CatID, Name, ParentID) VALUES (33, 'Sci-Fi/Fantasy; Misc\\Other', 32)");
        source.exec("INSERT INTO category (CatID, Name, ParentID) VALUES (34, 'Ελληνικά', 1)");

        CBookRecord full;
        full.Title = "Café \"Zeitgeist\", vol. 1";
        full.Subtitle = "Ein Roman über Straßen";
        full.Author = "Jürgen Weiß / 王小波 / Ирина Волкова";
        full.URL = "http://example.com/cafe?x=1&y=2";
        full.Edition = "-first- 中文";
        full.ReleaseDate = "Jan 05, 2004";
        full.Publisher = "Éditions Ωmega";
        full.ISBN = "0306406152";
        full.PageCount = "412";
        full.Language = "Deutsch";
        full.Binding = "Hardcover";
        full.Dimension = "21 x 14 x 3 cm";
        full.Extras = "CD-ROM";
        full.PurchaseDate = "Dec 24, 2010";
        full.Store = "Книжный дом";
        full.PurchasePrice = "24.95";
        full.ListPrice = "29.9";
        full.AmazonPrice = "19.99";
        full.Location = "Shelf 3; top";
        full.Status = "In Collection";
        full.CurrentPage = "77";
        full.AmazonRating = "4.3";
        full.NumOfReviews = "1024";
        full.MyRating = 4;
        full.UserText1 = "signed, first print";
        full.UserText2 = "=1+2 @home";
        full.EBookOnly = 1;
        full.Format = "Paper & ink";
        full.BookSize = "1.25";
        full.Description = "<p>Line one, with \"quotes\" & <b>bold</b>.</p>\n<p>Ελληνικά; русский</p>";
        full.Notes = "Notes\nover two lines";
        full.DateAdded = "Mar 14, 2019";
        full.Series = "Café; \"Zeitgeist\" (Reihe)";
        full.SeriesNumber = "3.5";
        full.readings = {{"Jan 05, 2020", "Feb 01, 2020", true, "第一次, \"première\""},
                         {{}, {}, true, "Ελληνικά"},
                         {"Mar 01, 2025", {}, false, {}}};
        full.links = {{"", "Publisher, page", "http://example.com/p", "see \"here\""},
                      {"", "Κριτική", "file:///tmp/review.html", ""}};
        full.newFrontCoverSource = m_pictures.filePath("front.jpg");
        full.newBackCoverSource = m_pictures.filePath("back.png");
        QVERIFY(full.Save(true, 33, sourceImages, source.connection()));
        QVERIFY(CBookRecord::AddBooksToCategory({1}, 2, source.connection())); // also in Favorites

        CBookRecord small;
        small.Title = "Война и мир";
        small.Binding = "Spiralbindung"; // no Tellico binding: kept as written
        small.links = {{"", "", "http://example.com/only-path", ""}};
        small.Series = "Классика";
        small.SeriesNumber = "IV";
        small.readings = {{{}, "Dec 31, 1999", true, {}}};
        QVERIFY(small.Save(true, 34, sourceImages, source.connection()));

        CBookRecord plain;
        plain.Title = "A plain book";
        plain.Author = "Nobody";
        plain.Binding = "Paperback"; // a Tellico binding as it is
        QVERIFY(plain.Save(true, 1, sourceImages, source.connection()));

        CBookRecord orphan; // in no category: the Recycle Bin
        orphan.Title = "Ohne Regal";
        QVERIFY(orphan.Save(true, 1, sourceImages, source.connection()));
        source.exec("DELETE FROM book_category WHERE BookID=4");

        // Current loans go along; a returned one is history and stays home.
        QVERIFY(LendBooks(source.connection(), {1},
                          {"Ζωή Παπαδοπούλου, \"Zoe\"",
                           LoanDirection::LentTo,
                           QDate(2025, 3, 1),
                           QDate(2025, 3, 31),
                           {}})
                    .ok);
        QVERIFY(LendBooks(source.connection(), {2},
                          {"王小波", LoanDirection::LentTo, QDate(2024, 12, 24), {}, {}})
                    .ok);
        QVERIFY(LendBooks(source.connection(), {3}, {"Ana", LoanDirection::LentTo, QDate(2024, 1, 2), {}, {}})
                    .ok);
        QVERIFY(ReturnBooks(source.connection(), {3}, QDate(2024, 2, 1)).ok);

        QTemporaryDir out;
        CCatalogExporter exporter(source.connection(), sourceImages);
        QString error;
        QVERIFY2(exporter.Collect(CExportScope(), error), qPrintable(error));
        QCOMPARE(exporter.books().size(), 4);
        // Anywhere: a CSV carries its covers in a folder beside it.
        const QString path = out.filePath(fileName);
        QVERIFY2(exporter.Write(CCatalogExporter::Format(format), path, error), qPrintable(error));

        TestCatalog target("target.mdb");
        const QString targetImages = target.dir() + "/target_images";
        CImportTable table;
        QVERIFY2(CImportReader::Read(path, table, error), qPrintable(error));
        QVERIFY(table.ownExport);
        if (format == CCatalogExporter::Tellico) {
            QVERIFY(table.columns.contains("keyword"));
            QVERIFY(!table.columns.contains("category"));
        }
        CImportOptions options;
        options.imagesFolder = targetImages;
        CImportSummary summary;
        QVERIFY2(CBookImporter(target.connection(), table, DefaultImportMapping(table), options).Run(summary),
                 qPrintable(summary.error));
        QCOMPARE(summary.added, 4);
        QVERIFY2(summary.refused.isEmpty() && summary.warnings.isEmpty(),
                 qPrintable(summary.refused.join('\n') + summary.warnings.join('\n')));

        const QStringList first = snapshot(target, targetImages, 1);
        QVERIFY(first.contains("category:Book Collection > Fiction > Sci-Fi/Fantasy; Misc\\Other"));
        QVERIFY(first.contains("category:Favorites"));
        QVERIFY(first.contains("front:" +
                               QString::fromLatin1(FileBytes(m_pictures.filePath("front.jpg")).toHex())));
        QVERIFY(first.contains("link:2|Κριτική|file:///tmp/review.html|"));
        QCOMPARE(target.count("SELECT COUNT(*) FROM book_category WHERE BookID=4"), 0);
        for (int id = 1; id <= 4; ++id) {
            const QStringList a = snapshot(source, sourceImages, id);
            const QStringList b = snapshot(target, targetImages, id);
            QCOMPARE(b, a);
        }
        QVERIFY(first.contains("loan:Ζωή Παπαδοπούλου, \"Zoe\"|2025-03-01|2025-03-31"));
        QCOMPARE(target.count("SELECT COUNT(*) FROM loan"), 2);
        QCOMPARE(target.count("SELECT COUNT(*) FROM borrower"), 2);
        // Nothing but the books' own categories was made.
        QCOMPARE(target.count("SELECT COUNT(*) FROM category"), 7);
    }

private:
    TestSettings m_settings;
    RecordingMessenger m_messenger;
    QTemporaryDir m_pictures;
};

QTEST_GUILESS_MAIN(RoundTripTest)
#include "roundtrip_test.moc"
