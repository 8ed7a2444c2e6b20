// Which covers an import takes: only pictures the program can show, only
// from the imported file itself or its folder, and never more than the
// disk can spare.
#include "catalog/coverbatch.h"
#include "filebytes.h"
#include "importsamples.h"
#include "picturebytes.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "transfer/bookimporter.h"
#include "transfer/zipwriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// A Tellico archive of count entries, every one showing the member
// images/<member>.
QByteArray archiveSharing(int count, const QString &member, const QByteArray &picture)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<tellico xmlns=\"http://periapsis.org/tellico/\" syntaxVersion=\"11\">"
                     "<collection title=\"Books\" type=\"2\"><fields><field name=\"_default\"/></fields>";
    for (int i = 1; i <= count; ++i)
        xml += QString("<entry id=\"%1\"><title>Book %1</title><cover>%2</cover></entry>").arg(i).arg(member).toUtf8();
    xml += QString("<images><image id=\"%1\" format=\"PNG\" width=\"1\" height=\"1\"/></images>").arg(member).toUtf8();
    xml += "</collection></tellico>\n";
    CZipWriter zip;
    if (!zip.add("tellico.xml", xml) || !zip.add("images/" + member, picture))
        qFatal("cannot build the archive");
    return zip.finish();
}

} // namespace

class ImportCoversTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_messenger.clear(); }

    void refusedSources_data()
    {
        QTest::addColumn<QString>("cover"); // as the file names it
        QTest::addColumn<QString>("warning");

        QTest::newRow("a system file") << "/etc/hostname" << "not in the folder of the imported file";
        QTest::newRow("a picture above the folder") << "../outside.png" << "not in the folder of the imported file";
        QTest::newRow("a picture above, by its absolute path") << "@outside.png" << "not in the folder of the imported file";
        QTest::newRow("a link leading out") << "link.png" << "not in the folder of the imported file";
        QTest::newRow("down and back up and out") << "pictures/../../outside.png" << "not in the folder of the imported file";
        QTest::newRow("text named .jpg") << "notes.jpg" << "is not a picture";
        QTest::newRow("png of 30000 x 30000") << "pictures/huge.png" << "too large or has too many frames";
        QTest::newRow("gif of 100000 frames") << "pictures/endless.gif" << "too large or has too many frames";
        QTest::newRow("a 65 MB file") << "pictures/big.png" << "is larger than";
    }

    void refusedSources()
    {
        QFETCH(QString, cover);
        QFETCH(QString, warning);
        if (cover.startsWith("/etc/") && !QFile::exists(cover))
            QSKIP("this system has no such file");
        QTemporaryDir top;
        QVERIFY(QDir(top.path()).mkpath("in/pictures"));
        const QString in = top.filePath("in");
        WriteFileBytes(top.filePath("outside.png"), TinyPng());
        QVERIFY(QFile::link(top.filePath("outside.png"), in + "/link.png"));
        WriteFileBytes(in + "/notes.jpg", "a note, not a picture\n");
        WriteFileBytes(in + "/pictures/huge.png", PngDeclaring(30000, 30000));
        WriteFileBytes(in + "/pictures/endless.gif", GifOfFrames(100000));
        {
            QFile big(in + "/pictures/big.png");
            QVERIFY(big.open(QIODevice::WriteOnly));
            big.write(TinyPng());
            QVERIFY(big.resize(65 * 1024 * 1024)); // sparse: no disk space taken
        }
        if (cover.startsWith('@'))
            cover = top.filePath(cover.mid(1));
        WriteFileBytes(in + "/books.csv", "Title,FrontCover\nRefused,\"" + cover.toUtf8() + "\"\n");

        TestCatalog cat;
        const CImportTable t = readTable(in + "/books.csv");
        CImportOptions options;
        options.imagesFolder = cat.dir() + "/test_images";
        CImportSummary summary;
        QVERIFY2(CBookImporter(cat.connection(), t, DefaultImportMapping(t), options).Run(summary),
                 qPrintable(summary.error));
        // The book comes in, without that cover.
        QCOMPARE(summary.added, 1);
        QCOMPARE(cat.scalar("SELECT FrontCover FROM book WHERE Title='Refused'"), QString());
        QCOMPARE(summary.warnings.size(), 1);
        QVERIFY2(summary.warnings.at(0).contains(warning), qPrintable(summary.warnings.at(0)));
        QVERIFY2(summary.warnings.at(0).contains(cover), qPrintable(summary.warnings.at(0)));
        QVERIFY(summary.text().contains(summary.warnings.at(0)));
        QCOMPARE(filesIn(options.imagesFolder), QStringList());
    }

    void storedUnderTheExtensionOfItsContent()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("pictures"));
        const QByteArray png = PngDeclaring(3, 4);
        const QByteArray gif = GifOfFrames(3);
        WriteFileBytes(dir.filePath("pictures/cover.jpg"), png);
        WriteFileBytes(dir.filePath("pictures/back"), gif);
        WriteFileBytes(dir.filePath("books.csv"), "Title,FrontCover,BackCover\n"
                                                  "Named wrongly,pictures/cover.jpg,pictures/back\n");
        TestCatalog cat;
        const CImportTable t = readTable(dir.filePath("books.csv"));
        CImportOptions options;
        options.imagesFolder = cat.dir() + "/test_images";
        CImportSummary summary;
        QVERIFY(CBookImporter(cat.connection(), t, DefaultImportMapping(t), options).Run(summary));
        QVERIFY2(summary.warnings.isEmpty(), qPrintable(summary.warnings.join('|')));
        const CBookRecord book = loadByTitle(cat, "Named wrongly");
        QCOMPARE(book.FrontCover, QString::number(book.BookID) + ".png");
        QCOMPARE(book.BackCover, QString::number(book.BookID) + "b.gif");
        QCOMPARE(FileBytes(options.imagesFolder + "/" + book.FrontCover), png);
        QCOMPARE(FileBytes(options.imagesFolder + "/" + book.BackCover), gif);
        QCOMPARE(filesIn(options.imagesFolder), (QStringList{book.FrontCover, book.BackCover}));
    }

    void updatedBook_oldPictureGoesNewOneArrives()
    {
        TestCatalog cat;
        const QString images = cat.dir() + "/test_images";
        QVERIFY(QDir().mkpath(images));
        WriteFileBytes(images + "/12.png", PngDeclaring(9, 9));
        cat.exec("INSERT INTO book (BookID, Title, Author, FrontCover) VALUES (12, 'Kept', 'Kay', '12.png')");
        cat.exec("INSERT INTO book_category (BookID, CatID) VALUES (12, 1)");

        QTemporaryDir dir;
        const QByteArray renewed = PngDeclaring(5, 5);
        WriteFileBytes(dir.filePath("new.png"), renewed);
        WriteFileBytes(dir.filePath("books.csv"), "Title,Author,FrontCover\nKept,Kay,new.png\n");
        const CImportTable t = readTable(dir.filePath("books.csv"));
        CImportOptions options;
        options.imagesFolder = images;
        options.updateDuplicates = true;
        CImportSummary summary;
        QVERIFY(CBookImporter(cat.connection(), t, DefaultImportMapping(t), options).Run(summary));
        QCOMPARE(summary.updated, 1);
        const QString front = cat.scalar("SELECT FrontCover FROM book WHERE BookID=12");
        QVERIFY(front != "12.png");
        QCOMPARE(FileBytes(images + "/" + front), renewed);
        QCOMPARE(filesIn(images), QStringList{front});
    }

    void journalLeftBehind_isFinishedByTheNextImport()
    {
        // A batch cut short before its commit, and the catalogue not opened
        // since: its picture is named by no book, only by the journal.
        TestCatalog cat;
        const QString images = cat.dir() + "/test_images";
        QVERIFY(QDir().mkpath(images));
        WriteFileBytes(images + "/99.png", TinyPng());
        WriteFileBytes(images + "/" + CCoverBatch::JournalName(), "99.png\n");

        QTemporaryDir dir;
        WriteFileBytes(dir.filePath("new.png"), PngDeclaring(5, 5));
        WriteFileBytes(dir.filePath("books.csv"), "Title,FrontCover\nFresh,new.png\n");
        const CImportTable t = readTable(dir.filePath("books.csv"));
        CImportOptions options;
        options.imagesFolder = images;
        CImportSummary summary;
        QVERIFY(CBookImporter(cat.connection(), t, DefaultImportMapping(t), options).Run(summary));
        const QString front = cat.scalar("SELECT FrontCover FROM book WHERE Title='Fresh'");
        QVERIFY(front != "99.png");
        QCOMPARE(FileBytes(images + "/" + front), PngDeclaring(5, 5));
        QCOMPARE(filesIn(images), QStringList{front});
    }

    void archive_picturesPastTheSpaceLimit_importNothing()
    {
        QTemporaryDir dir;
        // One member of 100 kB shown by 60 entries: 6 MB once written.
        const QByteArray picture = PngDeclaring(40, 40) + QByteArray(100 * 1024, '\0');
        WriteFileBytes(dir.filePath("many.tc"), archiveSharing(60, "shared.png", picture));
        const CImportTable t = readTable(dir.filePath("many.tc"));

        TestCatalog cat;
        CImportOptions options;
        options.imagesFolder = cat.dir() + "/test_images";
        options.pictureSpaceLimit = 4 * 1024 * 1024;
        CImportSummary summary;
        QVERIFY(!CBookImporter(cat.connection(), t, DefaultImportMapping(t), options).Run(summary));
        QVERIFY2(summary.error.contains("more than the disk of the images folder can spare"), qPrintable(summary.error));
        QCOMPARE(summary.added, 0);
        QVERIFY(summary.text().contains("the catalogue is unchanged"));
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book"), 0);
        QCOMPARE(filesIn(options.imagesFolder), QStringList());

        options.pictureSpaceLimit = 8 * 1024 * 1024;
        QVERIFY2(CBookImporter(cat.connection(), t, DefaultImportMapping(t), options).Run(summary),
                 qPrintable(summary.error));
        QCOMPARE(summary.added, 60);
        QCOMPARE(filesIn(options.imagesFolder).size(), 60);
        const CBookRecord last = loadByTitle(cat, "Book 60");
        QCOMPARE(FileBytes(options.imagesFolder + "/" + last.FrontCover), picture);
    }

    void archive_memberThatIsNoPicture_leftOut()
    {
        QTemporaryDir dir;
        WriteFileBytes(dir.filePath("text.tc"), archiveSharing(2, "cover.jpg", "#!/bin/sh\necho hello\n"));
        const CImportTable t = readTable(dir.filePath("text.tc"));
        TestCatalog cat;
        CImportOptions options;
        options.imagesFolder = cat.dir() + "/test_images";
        CImportSummary summary;
        QVERIFY(CBookImporter(cat.connection(), t, DefaultImportMapping(t), options).Run(summary));
        QCOMPARE(summary.added, 2);
        QCOMPARE(summary.warnings.size(), 2);
        QVERIFY(summary.warnings.at(1).contains("cover.jpg is not a picture"));
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book WHERE COALESCE(FrontCover,'')<>''"), 0);
        QCOMPARE(filesIn(options.imagesFolder), QStringList());
    }

private:
    RecordingMessenger m_messenger;
};

QTEST_GUILESS_MAIN(ImportCoversTest)
#include "importcovers_test.moc"
