#include "catalog/bookcommands.h"
#include "catalog/bookid.h"
#include "catalog/booklistquery.h"
#include "catalog/booklistrows.h"
#include "catalog/bookrecord.h"
#include "catalog/recordset.h"
#include "catalog/sqlvalue.h"
#include "page/bookxml.h"
#include "page/pagelink.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"
#include "transfer/bookimporter.h"
#include "transfer/catalogexporter.h"
#include "transfer/importreader.h"

#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

namespace {

// 2^32 + 1 and 2^32 + 4: cut to 32 bits they are book 1 and category 4
// (the Reading List).
constexpr BookId kWideBook = 4294967297LL;
constexpr CategoryId kWideCategory = 4294967300LL;

struct Fixture
{
    TestSettings settings;
    RecordingMessenger messenger;
    TestCatalog cat;
    QString images = cat.dir() + "/images";

    Fixture()
    {
        cat.exec("INSERT INTO book (BookID, Title, Author, ISBN, Edition) VALUES (1, 'Narrow', 'Ann', "
                 "'1111111111', 'first')");
        cat.exec(QString("INSERT INTO book (BookID, Title, Author, ISBN, Edition) VALUES (%1, 'Wide', 'Bob', "
                         "'2222222222', 'second')")
                     .arg(kWideBook));
        cat.exec(QString("INSERT INTO category (CatID, Name, ParentID) VALUES (%1, 'Far', 1)").arg(kWideCategory));
        cat.exec("INSERT INTO book_category (BookID, CatID) VALUES (1, 1)");
        cat.exec(QString("INSERT INTO book_category (BookID, CatID) VALUES (%1, %2)").arg(kWideBook).arg(kWideCategory));
        cat.exec(QString("INSERT INTO link (BookID, LinkID, Name, Path) VALUES (%1, 1, 'Far away', "
                         "'file:///tmp/wide.html')")
                     .arg(kWideBook));
        cat.exec("INSERT INTO link (BookID, LinkID, Name, Path) VALUES (1, 1, 'Near', 'file:///tmp/narrow.html')");
    }

    QString title(BookId id) { return cat.scalar(QString("SELECT Title FROM book WHERE BookID=%1").arg(id)); }
};

QVector<BookId> idsOf(const BookListRows &rows)
{
    QVector<BookId> ids;
    for (qsizetype i = 0; i < rows.size(); ++i)
        ids << rows.bookId(i);
    std::sort(ids.begin(), ids.end());
    return ids;
}

} // namespace

class WideIdsTest : public QObject
{
    Q_OBJECT

private slots:
    void fieldOfAWideId_isTheWholeNumber()
    {
        Fixture f;
        Recordset rs;
        QVERIFY(rs.open(f.cat.connection(), "SELECT BookID FROM book ORDER BY BookID"));
        QCOMPARE(rs.field(0).kind, FieldValue::Kind::Int32); // small values keep their kind
        QCOMPARE(rs.field(0).toInt64(), qint64(1));
        QVERIFY(rs.moveNext());
        QCOMPARE(rs.field(0).kind, FieldValue::Kind::Int64);
        QCOMPARE(rs.field(0).toInt64(), kWideBook);
        QCOMPARE(FieldToText(rs.field(0)), QString("4294967297"));
    }

    void bookList_showsTwoDistinctIds()
    {
        Fixture f;
        BookListRows rows;
        QCOMPARE(LoadBookListRows(f.cat.connection(), AllBooksCategory, rows), BookListLoad::Loaded);
        QCOMPARE(idsOf(rows), (QVector<BookId>{1, kWideBook}));

        QCOMPARE(LoadBookListRows(f.cat.connection(), kWideCategory, rows), BookListLoad::Loaded);
        QCOMPARE(idsOf(rows), QVector<BookId>{kWideBook});
        QCOMPARE(rows.text(0, 0).toString(), QString("Wide"));

        BookListRow row;
        QVERIFY(LoadBookListRow(f.cat.connection(), kWideBook, row));
        QCOMPARE(row.bookId, kWideBook);
        QCOMPARE(row.title, QString("Wide"));
    }

    void loadAndSave_changeTheWideBookOnly()
    {
        Fixture f;
        CBookRecord r;
        QVERIFY(r.Load(kWideBook, f.cat.connection()));
        QCOMPARE(r.BookID, kWideBook);
        QCOMPARE(r.Title, QString("Wide"));
        QCOMPARE(r.links.size(), 1);
        QCOMPARE(r.links.first().Name, QString("Far away"));

        r.Title = "Wide, edited";
        QVERIFY(r.Save(false, 1, f.images, f.cat.connection()));
        QCOMPARE(f.title(kWideBook), QString("Wide, edited"));
        QCOMPARE(f.title(1), QString("Narrow"));
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book"), 2);
        // Its membership and link stay with it.
        QCOMPARE(f.cat.scalar(QString("SELECT CatID FROM book_category WHERE BookID=%1").arg(kWideBook)),
                 QString("4294967300"));
        QCOMPARE(f.cat.scalar(QString("SELECT Name FROM link WHERE BookID=%1").arg(kWideBook)), QString("Far away"));
        QCOMPARE(f.cat.scalar("SELECT Name FROM link WHERE BookID=1"), QString("Near"));
        QVERIFY(f.messenger.messages.isEmpty());
    }

    void newBook_takesTheNumberAfterTheWideOne()
    {
        Fixture f;
        CBookRecord r;
        r.Title = "Newer";
        QVERIFY(r.Save(true, kWideCategory, f.images, f.cat.connection()));
        QCOMPARE(f.cat.scalar("SELECT BookID FROM book WHERE Title='Newer'"), QString("4294967298"));
        QCOMPARE(f.cat.scalar("SELECT CatID FROM book_category WHERE BookID=4294967298"), QString("4294967300"));
        QVERIFY(f.messenger.messages.isEmpty());
    }

    void deleteAndSend_touchTheWideBookOnly()
    {
        Fixture f;
        QCOMPARE(SendBooksTo(f.cat.connection(), {kWideBook}, 2), 1);
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book_category WHERE BookID=1 AND CatID=2"), 0);
        QCOMPARE(f.cat.count(QString("SELECT COUNT(*) FROM book_category WHERE BookID=%1 AND CatID=2").arg(kWideBook)),
                 1);

        QCOMPARE(DeleteSelectedBooks(f.cat.connection(), AllBooksCategory, {kWideBook}, f.images), 0);
        QCOMPARE(f.cat.count(QString("SELECT COUNT(*) FROM book_category WHERE BookID=%1").arg(kWideBook)), 0);
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book_category WHERE BookID=1"), 1);

        QCOMPARE(DeleteSelectedBooks(f.cat.connection(), RecycleBinCategory, {kWideBook}, f.images), 0);
        QCOMPARE(f.cat.count(QString("SELECT COUNT(*) FROM book WHERE BookID=%1").arg(kWideBook)), 0);
        QCOMPARE(f.title(1), QString("Narrow"));
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM link WHERE BookID=1"), 1);
    }

    void pageXmlAndLink_carryTheWholeId()
    {
        Fixture f;
        const QString xml = BuildBookXml({kWideBook}, f.cat.connection(), f.images, "today");
        QVERIFY2(xml.contains("<Title>Wide</Title>"), qPrintable(xml));
        QVERIFY(!xml.contains("Narrow"));
        QVERIFY2(xml.contains("<LinkID>4294967297/1</LinkID>"), qPrintable(xml));

        QCOMPARE(ResolvePageLink(QString(kLinkScheme) + "4294967297/1", f.images, &f.cat.connection()),
                 QString("file:///tmp/wide.html"));
        QCOMPARE(ResolvePageLink(QString(kLinkScheme) + "1/1", f.images, &f.cat.connection()),
                 QString("file:///tmp/narrow.html"));
    }

    void exportAndImport_keepTheWideBook()
    {
        Fixture f;
        CCatalogExporter exporter(f.cat.connection(), f.images);
        QString error;
        CExportScope selection;
        selection.kind = CExportScope::Selection;
        selection.bookIds = {kWideBook};
        QVERIFY2(exporter.Collect(selection, error), qPrintable(error));
        QCOMPARE(exporter.books().size(), 1);
        QCOMPARE(exporter.books().first().bookId, kWideBook);
        QCOMPARE(exporter.books().first().categories, QVector<QStringList>{(QStringList{"Book Collection", "Far"})});

        CExportScope category;
        category.kind = CExportScope::Category;
        category.categoryId = kWideCategory;
        QVERIFY2(exporter.Collect(category, error), qPrintable(error));
        QCOMPARE(exporter.books().size(), 1);
        QCOMPARE(exporter.books().first().bookId, kWideBook);

        QVERIFY2(exporter.Collect(CExportScope(), error), qPrintable(error));
        QTemporaryDir out;
        const QString path = out.filePath("books.csv");
        QVERIFY2(exporter.Write(CCatalogExporter::Csv, path, error), qPrintable(error));

        // Read back into the same catalogue: each row finds its own book.
        f.cat.exec(QString("UPDATE book SET Edition='changed' WHERE BookID=%1").arg(kWideBook));
        CImportTable table;
        QVERIFY2(CImportReader::Read(path, table, error), qPrintable(error));
        CImportOptions options;
        options.imagesFolder = f.images;
        options.updateDuplicates = true;
        CImportSummary summary;
        QVERIFY2(CBookImporter(f.cat.connection(), table, DefaultImportMapping(table), options).Run(summary),
                 qPrintable(summary.error));
        QCOMPARE(summary.updated, 2);
        QCOMPARE(summary.added, 0);
        QVector<BookId> ids = summary.bookIds;
        std::sort(ids.begin(), ids.end());
        QCOMPARE(ids, (QVector<BookId>{1, kWideBook}));
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book"), 2);
        QCOMPARE(f.cat.scalar(QString("SELECT Edition FROM book WHERE BookID=%1").arg(kWideBook)), QString("second"));
        QCOMPARE(f.cat.scalar("SELECT Edition FROM book WHERE BookID=1"), QString("first"));
        QCOMPARE(f.title(1), QString("Narrow"));
        // No new category: the wide one was found again.
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM category WHERE Name='Far'"), 1);
    }

    void import_newBooksAndCategoriesNumberOnFromTheWideOnes()
    {
        Fixture f;
        QTemporaryDir out;
        const QString path = out.filePath("new.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Title,Author,ISBN,Categories\nFresh,Cid,3333333333,Near\n");
        file.close();
        CImportTable table;
        QString error;
        QVERIFY2(CImportReader::Read(path, table, error), qPrintable(error));
        CImportOptions options;
        options.imagesFolder = f.images;
        CImportSummary summary;
        QVERIFY2(CBookImporter(f.cat.connection(), table, DefaultImportMapping(table), options).Run(summary),
                 qPrintable(summary.error));
        QCOMPARE(summary.added, 1);
        QCOMPARE(summary.bookIds, QVector<BookId>{4294967298LL});
        QCOMPARE(f.title(4294967298LL), QString("Fresh"));
        QCOMPARE(f.title(1), QString("Narrow"));
        QCOMPARE(f.cat.scalar("SELECT CatID FROM category WHERE Name='Near'"), QString("4294967301"));
    }
};

QTEST_GUILESS_MAIN(WideIdsTest)
#include "wideids_test.moc"
