#include "catalog/bookid.h"
#include "filebytes.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"
#include "transfer/catalogexporter.h"
#include "transfer/csvparser.h"
#include "transfer/zipreader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

QVector<BookId> idsOf(const QVector<CExportBook> &books)
{
    QVector<BookId> ids;
    for (const CExportBook &b : books)
        ids << b.bookId;
    return ids;
}

// Root, Fiction (32) > Poetry (33); book 1 in the root, 2 in Fiction, 3 in
// Poetry and Favorites, 4 in no category.
void fill(TestCatalog &cat)
{
    cat.exec("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Fiction', 1)");
    cat.exec("INSERT INTO category (CatID, Name, ParentID) VALUES (33, 'Poetry', 32)");
    cat.exec("INSERT INTO bookpublisher (PublisherID, Name) VALUES (5, 'Presses «Étoile»')");
    cat.exec(
        "INSERT INTO book (BookID, Title, Author, PublisherID, ReleaseDate, ListPrice, EBookOnly, MyRating) "
        "VALUES (1, 'Comma, \"quote\" and\nline', 'Ann', 5, 'Jan 05, 2004', 12.5, 1, 3)");
    cat.exec("INSERT INTO book (BookID, Title, Subtitle, UserText1) VALUES (2, 'Ελληνικά', "
             "'=HYPERLINK(\"http://x\")', '-12.5')");
    cat.exec("INSERT INTO book (BookID, Title) VALUES (3, '诗')");
    cat.exec("INSERT INTO book (BookID, Title) VALUES (4, 'Lost')");
    cat.exec("INSERT INTO book_category VALUES (1, 1)");
    cat.exec("INSERT INTO book_category VALUES (2, 32)");
    cat.exec("INSERT INTO book_category VALUES (3, 33)");
    cat.exec("INSERT INTO book_category VALUES (3, 2)");
}

} // namespace

class CatalogExporterTest : public QObject
{
    Q_OBJECT

private slots:
    void scopes_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("category");
        QTest::addColumn<bool>("subCategories");
        QTest::addColumn<QVector<BookId>>("selection");
        QTest::addColumn<QVector<BookId>>("expected");
        QTest::newRow("whole catalogue")
            << int(CExportScope::WholeCatalogue) << 0 << false << QVector<BookId>() << QVector<BookId>{1, 2, 3, 4};
        QTest::newRow("category with sub-categories")
            << int(CExportScope::Category) << 32 << true << QVector<BookId>() << QVector<BookId>{2, 3};
        QTest::newRow("category alone")
            << int(CExportScope::Category) << 32 << false << QVector<BookId>() << QVector<BookId>{2};
        QTest::newRow("root with everything below")
            << int(CExportScope::Category) << 1 << true << QVector<BookId>() << QVector<BookId>{1, 2, 3};
        QTest::newRow("All Books") << int(CExportScope::Category) << 5 << true << QVector<BookId>()
                                   << QVector<BookId>{1, 2, 3, 4};
        QTest::newRow("Recycle Bin") << int(CExportScope::Category) << 6 << true << QVector<BookId>()
                                     << QVector<BookId>{4};
        QTest::newRow("selection keeps its order")
            << int(CExportScope::Selection) << 0 << false << QVector<BookId>{3, 1} << QVector<BookId>{3, 1};
    }

    void scopes()
    {
        QFETCH(int, kind);
        QFETCH(int, category);
        QFETCH(bool, subCategories);
        QFETCH(QVector<BookId>, selection);
        QFETCH(QVector<BookId>, expected);
        TestCatalog cat;
        fill(cat);
        CExportScope scope;
        scope.kind = CExportScope::Kind(kind);
        scope.categoryId = category;
        scope.subCategories = subCategories;
        scope.bookIds = selection;
        CCatalogExporter exporter(cat.connection(), cat.dir() + "/test_images");
        QString error;
        QVERIFY(exporter.Collect(scope, error));
        QCOMPARE(idsOf(exporter.books()), expected);
    }

    void csv_isWhatASpreadsheetReads()
    {
        TestCatalog cat;
        fill(cat);
        QTemporaryDir dir;
        CCatalogExporter exporter(cat.connection(), "/pics");
        QString error;
        QVERIFY(exporter.Collect(CExportScope(), error));
        const QString path = dir.filePath("all.csv");
        QVERIFY2(exporter.Write(CCatalogExporter::Csv, path, error), qPrintable(error));
        const QByteArray bytes = FileBytes(path);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBFTitle,Subtitle,Author,URL,")); // UTF-8 with its mark
        QVERIFY(bytes.contains(",Categories,Links,FrontCover,BackCover,DateAdded,Borrower,LoanDate,DueDate,Series,"
                               "SeriesNumber,Readings,DateStarted,TimesRead\r\n"));
        QVERIFY(bytes.contains("\"Comma, \"\"quote\"\" and\nline\""));

        QVector<QStringList> rows;
        QVERIFY(CCsvParser::Parse(QString::fromUtf8(bytes.mid(3)), QLatin1Char(','), rows, error));
        QCOMPARE(rows.size(), 5);
        const QStringList header = rows.at(0);
        const auto value = [&](int row, const char *column) {
            return rows.at(row).at(header.indexOf(column));
        };
        QCOMPARE(value(1, "Title"), QStringLiteral("Comma, \"quote\" and\nline"));
        QCOMPARE(value(1, "Publisher"), QStringLiteral("Presses «Étoile»")); // the name, not the id
        QCOMPARE(value(1, "ReleaseDate"), QStringLiteral("2004-01-05"));
        QCOMPARE(value(1, "ListPrice"), QStringLiteral("12.5"));
        QCOMPARE(value(1, "EBookOnly"), QStringLiteral("Yes"));
        QCOMPARE(value(1, "MyRating"), QStringLiteral("3"));
        QCOMPARE(value(1, "Categories"), QStringLiteral("Book Collection"));
        QCOMPARE(value(2, "Title"), QStringLiteral("Ελληνικά"));
        QCOMPARE(value(3, "Categories"), QStringLiteral("Favorites\nBook Collection/Fiction/Poetry"));
        QCOMPARE(value(4, "Categories"), QString());
        QCOMPARE(value(4, "EBookOnly"), QStringLiteral("No"));
        // A formula in a field stays text in a spreadsheet.
        QCOMPARE(value(2, "Subtitle"), QStringLiteral("'=HYPERLINK(\"http://x\")"));
        QCOMPARE(value(2, "UserText1"), QStringLiteral("-12.5"));
    }

    void bookXml_inPartsIsOneDocument()
    {
        TestCatalog cat;
        cat.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 450) "
                 "INSERT INTO book (BookID, Title) SELECT i, 'Book ' || i || ' & <more>' FROM n");
        QTemporaryDir dir;
        CCatalogExporter exporter(cat.connection(), cat.dir() + "/test_images");
        QString error;
        QVERIFY(exporter.Collect(CExportScope(), error));
        const QString path = dir.filePath("all.xml");
        int calls = 0;
        QVERIFY2(
            exporter.Write(CCatalogExporter::BookXml, path, error, [&](int, int) { return ++calls > 0; }),
            qPrintable(error));
        QVERIFY(calls >= 3);
        QXmlStreamReader xml(FileBytes(path));
        int books = 0;
        QString last;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("Title"))
                last = xml.readElementText(), ++books;
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(books, 450);
        QCOMPARE(last, QStringLiteral("Book 450 & <more>"));
    }

    void tellico_archiveHoldsTheCollectionAndCovers()
    {
        TestCatalog cat;
        fill(cat);
        const QString images = cat.dir() + "/test_images";
        QVERIFY(QDir().mkpath(images));
        QFile pic(images + "/1.jpg");
        QVERIFY(pic.open(QIODevice::WriteOnly));
        pic.write("JPEGDATA");
        pic.close();
        cat.exec("UPDATE book SET FrontCover='1.jpg', BackCover='missing.jpg' WHERE BookID=1");
        QTemporaryDir dir;
        CCatalogExporter exporter(cat.connection(), images);
        QString error;
        QVERIFY(exporter.Collect(CExportScope(), error));
        QVERIFY2(exporter.Write(CCatalogExporter::Tellico, dir.filePath("all.tc"), error), qPrintable(error));
        CZipReader zip;
        QVERIFY(zip.open(dir.filePath("all.tc")));
        QByteArray data;
        QVERIFY(zip.read("images/1.jpg", 1024, data));
        QCOMPARE(data, QByteArray("JPEGDATA"));
        QVERIFY(!zip.contains("images/missing.jpg"));
        QVERIFY(zip.read("tellico.xml", 1 << 20, data));
        QVERIFY(data.contains("<cover>1.jpg</cover>"));
        QVERIFY(data.contains("<publisher>Presses «Étoile»</publisher>"));
        QVERIFY(!data.contains("missing.jpg"));
    }

    // The covers travel beside the CSV, named relative to it; a cover the
    // catalogue names but does not have, or a name that is a path, is left out.
    void csv_carriesItsCoversInAFolderBesideIt()
    {
        TestCatalog cat;
        fill(cat);
        const QString images = cat.dir() + "/test_images";
        QVERIFY(QDir().mkpath(images));
        WriteFileBytes(images + "/1.jpg", "JPEGDATA");
        cat.exec("UPDATE book SET FrontCover='1.jpg', BackCover='missing.jpg' WHERE BookID=1");
        cat.exec("UPDATE book SET FrontCover='../../etc/hostname' WHERE BookID=2");
        QTemporaryDir dir;
        CCatalogExporter exporter(cat.connection(), images);
        QString error;
        QVERIFY(exporter.Collect(CExportScope(), error));
        QVERIFY2(exporter.Write(CCatalogExporter::Csv, dir.filePath("Книги.csv"), error), qPrintable(error));
        QCOMPARE(QDir(dir.filePath("Книги_files")).entryList(QDir::Files), QStringList{"1.jpg"});
        QCOMPARE(FileBytes(dir.filePath("Книги_files/1.jpg")), QByteArray("JPEGDATA"));
        const QString text = QString::fromUtf8(FileBytes(dir.filePath("Книги.csv")));
        QVERIFY(text.contains(",Книги_files/1.jpg,"));
        QVERIFY(!text.contains("missing.jpg"));
        QVERIFY(!text.contains("hostname"));
        QVERIFY(!text.contains(images));
    }

    void failedOrCancelledWrite_keepsTheOldFile()
    {
        TestCatalog cat;
        fill(cat);
        QTemporaryDir dir;
        const QString path = dir.filePath("old.csv");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old contents");
        old.close();
        CCatalogExporter exporter(cat.connection(), cat.dir());
        QString error;
        QVERIFY(exporter.Collect(CExportScope(), error));
        for (auto format : {CCatalogExporter::Csv, CCatalogExporter::Tellico, CCatalogExporter::BookXml}) {
            QVERIFY(!exporter.Write(format, path, error, [](int, int) { return false; }));
            QVERIFY(error.isEmpty()); // cancelled, not failed
            QCOMPARE(FileBytes(path), QByteArray("old contents"));
        }
        QVERIFY(!exporter.Write(CCatalogExporter::Csv, dir.filePath("no/such/folder/x.csv"), error));
        QVERIFY2(error.startsWith("Cannot open file for writing."), qPrintable(error));
    }

private:
    TestSettings m_settings;
    RecordingMessenger m_messenger;
};

QTEST_GUILESS_MAIN(CatalogExporterTest)
#include "catalogexporter_test.moc"
