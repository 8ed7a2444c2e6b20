// A catalogue file copied to a server and back keeps every row, value and
// picture; a cancelled copy leaves the target as it was.
#include "catalog/cataloguecopy.h"
#include "catalog/connection.h"
#include "catalog/recordset.h"
#include "catalog/sqlvalue.h"
#include "testcatalog.h"
#include "testserver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char *const kTables[] = {"category", "book", "book_category", "link", "reading", "borrower", "loan",
                               "bookpublisher", "booklanguage", "bookseries", "bookstatus"};

// Every row of every table as text, in key order: two catalogues with the
// same dump hold the same values.
QString dump(Connection &c)
{
    QString out;
    for (const char *table : kTables) {
        Recordset rs;
        if (!rs.open(c, QStringLiteral("SELECT * FROM %1 ORDER BY 1, 2").arg(QLatin1String(table))))
            return QStringLiteral("<cannot read %1>").arg(QLatin1String(table));
        out += QLatin1String(table) + QLatin1Char('\n');
        for (; !rs.isEOF(); rs.moveNext()) {
            for (int i = 0; i < rs.fieldCount(); ++i)
                out += rs.fieldName(i).toLower() + QLatin1Char('=') + FieldToText(rs.field(i)) + QLatin1Char('|');
            out += QLatin1Char('\n');
        }
    }
    return out;
}

void fill(TestCatalog &cat, const QString &images)
{
    cat.exec("INSERT INTO category (CatID, Name, ParentID) VALUES (10, 'Романы', 1), (11, '小說', 10), (12, 'Ποίηση', 11)");
    cat.exec("INSERT INTO bookpublisher (PublisherID, Name) VALUES (1, 'Éditions Gallimard')");
    cat.exec("INSERT INTO bookseries (SeriesID, Name) VALUES (1, 'Discworld')");
    cat.exec("INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, PageCount, ReleaseDate, PurchasePrice, "
             "EBookOnly, AmazonRating, Description, FrontCover, BackCover, DateAdded, SeriesID, SeriesNumber) VALUES "
             "(1, 'L''Étranger', 'Albert Camus', 1, '978-2-07-036002-4', 186, '1942-05-19', 7.95, 0, 4.5, "
             "'<p>Un <b>roman</b></p>', '1.jpg', '1b.png', '2025-03-01', NULL, NULL), "
             "(2, 'Война и мир', 'Лев Толстой', NULL, NULL, 1225, 1869, 12.5, 1, NULL, NULL, NULL, NULL, NULL, 1, '3.5'), "
             "(3, '紅樓夢', '曹雪芹', NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL, '3.jpg', NULL, NULL, NULL, NULL)");
    cat.exec("INSERT INTO book_category (BookID, CatID) VALUES (1, 1), (2, 10), (3, 12), (1, 2)");
    cat.exec("INSERT INTO link (BookID, LinkID, Name, Path, Notes) VALUES (1, 1, 'Wikipedia', 'https://fr.wikipedia.org/wiki/L%27%C3%89tranger', 'ça')");
    cat.exec("INSERT INTO reading (BookID, ReadingID, Started, Finished, Completed, Notes) VALUES (2, 1, '2024-12-01', 2025, 1, 'Длинная')");
    cat.exec("INSERT INTO borrower (BorrowerID, Name, Contact) VALUES (1, 'Ярослава Ébert', 'ya@example.org')");
    cat.exec("INSERT INTO loan (LoanID, BookID, BorrowerID, Direction, LoanDate, DueDate) VALUES (1, 3, 1, 0, '2025-01-01', '2025-02-01')");
    QDir().mkpath(images);
    for (const char *name : {"1.jpg", "1b.png"}) {
        QFile file(images + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(name) + QByteArray(5000, '\xFF'));
    }
    // 3.jpg is named but missing: reported, not fatal.
}

} // namespace

class CatalogueCopyTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!TestServer::available())
            QSKIP("no test server (ORDO_TEST_PGDIR)");
    }

    void fileToServerAndBackKeepsEverything()
    {
        TestCatalog file;
        const QString images = file.dir() + QStringLiteral("/test_images");
        fill(file, images);

        auto server = TestServer::open(TestServer::newCatalogue());
        CatalogueCopy up;
        up.from = &file.connection();
        up.fromImages = images;
        up.to = server.get();
        qint64 lastDone = -1;
        qint64 lastTotal = 0;
        up.progress = [&](qint64 done, qint64 total) {
            lastDone = done;
            lastTotal = total;
            return true;
        };
        DbError error;
        QVERIFY2(up.run(&error), qPrintable(error.message));
        QCOMPARE(lastDone, lastTotal);
        QCOMPARE(up.problems.size(), 1);
        QVERIFY(up.problems.first().contains(QStringLiteral("3.jpg")));
        QCOMPARE(dump(*server), dump(file.connection()));

        TestCatalog back(QStringLiteral("back.mdb"));
        CatalogueCopy down;
        down.from = server.get();
        down.to = &back.connection();
        down.toImages = back.dir() + QStringLiteral("/back_images");
        QVERIFY2(down.run(&error), qPrintable(error.message));
        QVERIFY(down.problems.isEmpty());
        QCOMPARE(dump(back.connection()), dump(file.connection()));
        // The values are stored as the file had them, not only shown alike.
        QCOMPARE(back.scalar("SELECT typeof(Finished) FROM reading"), file.scalar("SELECT typeof(Finished) FROM reading"));
        QCOMPARE(back.scalar("SELECT typeof(PurchasePrice) FROM book WHERE BookID=2"), QStringLiteral("real"));
        for (const char *name : {"1.jpg", "1b.png"}) {
            QFile a(images + QLatin1Char('/') + QLatin1String(name));
            QFile b(down.toImages + QLatin1Char('/') + QLatin1String(name));
            QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            QCOMPARE(b.readAll(), a.readAll());
        }
    }

    void aWordInANumberColumnIsReportedAndTheRestKept()
    {
        TestCatalog file;
        file.exec("INSERT INTO book (BookID, Title, PageCount, ListPrice) VALUES (1, 'Kept', 'about 300', '12,50 €')");
        auto server = TestServer::open(TestServer::newCatalogue());
        CatalogueCopy copy;
        copy.from = &file.connection();
        copy.to = server.get();
        QVERIFY(copy.run());
        QCOMPARE(copy.problems.size(), 2);
        QVERIFY(copy.problems.at(0).contains(QStringLiteral("about 300")));
        QVERIFY(copy.problems.at(1).contains(QStringLiteral("12,50")));
        Recordset rs;
        QVERIFY(rs.open(*server, QStringLiteral("SELECT Title, PageCount FROM book")));
        QCOMPARE(rs.fieldText(0), QStringLiteral("Kept"));
        QVERIFY(rs.field(1).isNull());
    }

    void cancellingLeavesTheTargetAsItWas()
    {
        TestCatalog file;
        QStringList rows;
        for (int id = 1; id <= 1000; ++id)
            rows << QStringLiteral("(%1, 'Book %1')").arg(id);
        file.exec(QStringLiteral("INSERT INTO book (BookID, Title) VALUES ") + rows.join(QLatin1Char(',')));
        auto server = TestServer::open(TestServer::newCatalogue());
        CatalogueCopy copy;
        copy.from = &file.connection();
        copy.to = server.get();
        copy.progress = [](qint64 done, qint64) { return done < 400; };
        DbError error;
        QVERIFY(!copy.run(&error));
        QVERIFY(copy.cancelled);
        QVERIFY(error.message.contains(QStringLiteral("cancelled")));
        Recordset rs;
        QVERIFY(rs.open(*server, QStringLiteral("SELECT COUNT(*), (SELECT COUNT(*) FROM category) FROM book")));
        QCOMPARE(rs.field(0).toInt(), 0);
        QCOMPARE(rs.field(1).toInt(), 4);
    }
};

QTEST_GUILESS_MAIN(CatalogueCopyTest)
#include "cataloguecopy_test.moc"
