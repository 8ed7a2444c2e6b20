#include "catalog/cataloguecheck.h"
#include "catalog/connection.h"
#include "catalog/imagesfolder.h"
#include "recordingmessenger.h"
#include "testcatalog.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(content);
}

struct Fixture
{
    TestCatalog cat;
    QString images;
    RecordingMessenger m;

    Fixture() : images(ImagesFolderForCatalog(cat.path())) { QDir().mkpath(images); }
};

} // namespace

class CatalogueCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanCatalogue_reportsNothing()
    {
        Fixture f;
        f.cat.exec("INSERT INTO book (BookID, Title, FrontCover) VALUES (1, 'Фауст', '1.jpg')");
        writeFile(f.images + "/1.jpg", "x");
        CCatalogueCheck check;
        QVERIFY(check.Run(f.cat.connection(), f.images));
        QVERIFY(check.isClean());
        QVERIFY(!check.canRepair());
        QVERIFY(check.ReportText().contains("No problems were found."));
        QVERIFY(f.m.messages.isEmpty());
    }

    // Everything a crash, the stock shell or a file manager can leave behind,
    // found and then repaired; a second check finds the catalogue clean.
    void findsAndRepairsEveryKindOfProblem()
    {
        Fixture f;
        f.cat.exec("INSERT INTO book (BookID, Title, FrontCover, BackCover) VALUES (1, '红楼梦', '1.jpg', "
                   "'1b.png')");
        f.cat.exec("INSERT INTO book (BookID, Title, FrontCover) VALUES (2, 'Ἰλιάς', '../outside.jpg')");
        f.cat.exec("INSERT INTO book (BookID, Title, FrontCover) VALUES (3, '  ', '3.jpg')");
        writeFile(f.images + "/1.jpg", "front");
        writeFile(f.images + "/stray é.gif", "lost");
        writeFile(f.images + "/.1.jpg.saving", "half");
        // A book deleted with foreign keys off leaves its rows.
        f.cat.exec("PRAGMA foreign_keys=OFF");
        f.cat.exec("INSERT INTO link (BookID, LinkID, Name, Path) VALUES (99, 1, 'x', 'y')");
        f.cat.exec("INSERT INTO book_category (BookID, CatID) VALUES (99, 1)");
        f.cat.exec("PRAGMA foreign_keys=ON");

        CCatalogueCheck check;
        QVERIFY(check.Run(f.cat.connection(), f.images));
        QVERIFY(!check.isClean());
        QVERIFY(check.integrityProblems.isEmpty());
        QCOMPARE(check.orphanRows, 2);
        QCOMPARE(check.missingCovers.size(), 3);
        QVERIFY(check.ReportText().contains("Book 3 (untitled): the cover picture 3.jpg is missing."));
        QCOMPARE(check.missingCovers[0].name, QString("1b.png"));
        QVERIFY(check.missingCovers[0].back);
        QCOMPARE(check.missingCovers[1].bookId, 2);
        QCOMPARE(check.unreferencedPictures, QStringList({"stray é.gif"}));
        QCOMPARE(check.leftoverFiles, QStringList({".1.jpg.saving"}));
        // Books are named by their title, with the id for copies of one title.
        QVERIFY2(check.ReportText().contains(QString::fromUtf8("“红楼梦” (book 1): the cover picture 1b.png is missing.")),
                 qPrintable(check.ReportText()));
        QVERIFY(check.ReportText().contains(QString::fromUtf8("“Ἰλιάς” (book 2): the cover picture ../outside.jpg")));

        // A file of the same name already in Lost covers is not overwritten.
        QDir(f.images).mkdir("Lost covers");
        writeFile(f.images + "/Lost covers/stray é.gif", "older");
        QVERIFY(check.canRepair());
        QVERIFY(check.Repair(f.cat.connection(), f.images));
        QCOMPARE(check.orphanRowsRemoved, 2);
        QCOMPARE(check.coverNamesCleared, 3);
        QCOMPARE(check.picturesMoved, 1);
        QCOMPARE(check.leftoversRemoved, 1);
        QVERIFY(QFile::exists(f.images + "/Lost covers/stray é (2).gif"));
        QVERIFY(QFile::exists(f.images + "/Lost covers/stray é.gif"));
        QCOMPARE(
            f.cat.scalar("SELECT FrontCover || '|' || COALESCE(BackCover, 'null') FROM book WHERE BookID=1"),
            QString("1.jpg|null"));
        QCOMPARE(f.cat.scalar("SELECT COALESCE(FrontCover, 'null') FROM book WHERE BookID=2"),
                 QString("null"));
        QVERIFY(check.ReportText().contains("Moved 1 picture(s) to the folder \"Lost covers\"."));
        QVERIFY(f.m.messages.isEmpty());

        CCatalogueCheck again;
        QVERIFY(again.Run(f.cat.connection(), f.images));
        QVERIFY2(again.isClean(), qPrintable(again.ReportText()));
    }

    void damagedFile_isReportedAndNotRepaired()
    {
        Fixture f;
        for (int i = 1; i <= 200; ++i)
            f.cat.exec(QString("INSERT INTO book (BookID, Title) VALUES (%1, 'Book %1')").arg(i));
        // Rows whose index entries are gone: writable_schema lets the test
        // break the index the way a bad disk would.
        f.cat.exec("CREATE INDEX byTitle ON book(Title)");
        f.cat.exec("PRAGMA writable_schema=ON");
        f.cat.exec(
            "UPDATE sqlite_master SET sql='CREATE INDEX byTitle ON book(Subtitle)' WHERE name='byTitle'");
        f.cat.exec("PRAGMA writable_schema=OFF");
        auto reopened = Connection::open(f.cat.path());
        QVERIFY(reopened);
        CCatalogueCheck check;
        QVERIFY(check.Run(*reopened, f.images));
        QVERIFY(!check.integrityProblems.isEmpty());
        QVERIFY(!check.isClean());
        QVERIFY(check.ReportText().contains("The database file is damaged"));
    }
};

QTEST_GUILESS_MAIN(CatalogueCheckTest)
#include "cataloguecheck_test.moc"
