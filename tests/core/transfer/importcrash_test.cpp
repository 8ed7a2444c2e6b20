// Cover files against an import cut short: a child process imports a file
// of books with covers and is killed (SIGKILL) at every crash point of the
// import in turn; each time the catalogue is opened again as the program
// would, and must hold none of the import or all of it with every picture.
#include "catalog/cataloguecheck.h"
#include "catalog/imagesfolder.h"
#include "catalog/ordodoc.h"
#include "catalog/recordset.h"
#include "filebytes.h"
#include "picturebytes.h"
#include "recordingmessenger.h"
#include "testcatalog.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString coverOf(Connection &connection, const QString &title, const char *column)
{
    Recordset rs;
    if (!rs.open(connection, QString("SELECT %1 FROM book WHERE Title='%2'").arg(column, title)) || rs.isEOF())
        return QStringLiteral("<no book>");
    return rs.field(0).toString();
}

} // namespace

class ImportCrashTest : public QObject
{
    Q_OBJECT

private slots:
    void crashAtEveryStep()
    {
        RecordingMessenger quiet;
        const QByteArray oldFront = PngDeclaring(7, 7);
        // title -> front, back (the names in the file and their pictures)
        const QByteArray alpha = PngDeclaring(2, 3);
        const QByteArray alphaBack = JpegDeclaring(10, 20);
        const QByteArray shared = GifOfFrames(2);
        const QByteArray renewed = PngDeclaring(4, 5);
        const QMap<QString, QPair<QByteArray, QByteArray>> expected{
            {"Alpha", {alpha, alphaBack}},
            {"Beta", {shared, {}}},
            {"Gamma", {shared, {}}},
            {"Old", {renewed, {}}},
        };

        int steps = 0;
        for (int n = 1; n < 100; ++n) {
            TestCatalog cat;
            const QString images = ImagesFolderForCatalog(cat.path());
            QVERIFY(QDir().mkpath(images));
            WriteFileBytes(images + "/12.png", oldFront);
            cat.exec("INSERT INTO book (BookID, Title, Author, FrontCover) VALUES (12, 'Old', 'Someone', '12.png')");
            cat.exec("INSERT INTO book_category (BookID, CatID) VALUES (12, 1)");

            QTemporaryDir source;
            QVERIFY(QDir(source.path()).mkdir("pictures"));
            WriteFileBytes(source.filePath("pictures/alpha.png"), alpha);
            WriteFileBytes(source.filePath("pictures/alpha-back.jpg"), alphaBack);
            WriteFileBytes(source.filePath("pictures/shared.gif"), shared);
            WriteFileBytes(source.filePath("pictures/renewed.png"), renewed);
            WriteFileBytes(source.filePath("books.csv"),
                           "Title,Author,FrontCover,BackCover\n"
                           "Alpha,Ann,pictures/alpha.png,pictures/alpha-back.jpg\n"
                           "Beta,Bob,pictures/shared.gif,\n"
                           "Gamma,Cy," + source.filePath("pictures/shared.gif").toUtf8() + ",\n"
                           "Old,Someone,pictures/renewed.png,\n");

            QProcess child;
            child.start(IMPORT_CRASH_CHILD, {cat.path(), images, source.filePath("books.csv"), QString::number(n)});
            QVERIFY(child.waitForFinished(30000));
            const bool finished = child.exitStatus() == QProcess::NormalExit;
            if (finished)
                QCOMPARE(child.exitCode(), 0);

            // Opened again: an interrupted import is tidied up.
            COrdoDoc doc;
            QVERIFY(doc.OnOpenDocument(cat.path()));
            Connection &connection = *doc.connection();
            CCatalogueCheck check;
            QVERIFY(check.Run(connection, images));
            QVERIFY2(check.isClean(), qPrintable(QString("crash at step %1:\n%2").arg(n).arg(check.ReportText())));

            const bool imported = coverOf(connection, "Alpha", "FrontCover") != "<no book>";
            if (finished)
                QVERIFY(imported);
            if (!imported) {
                for (const char *title : {"Beta", "Gamma"})
                    QCOMPARE(coverOf(connection, title, "FrontCover"), QString("<no book>"));
                QCOMPARE(coverOf(connection, "Old", "FrontCover"), QString("12.png"));
                QCOMPARE(FileBytes(images + "/12.png"), oldFront);
                QCOMPARE(QDir(images).entryList(QDir::Files | QDir::Hidden), QStringList{"12.png"});
            } else {
                for (auto it = expected.begin(); it != expected.end(); ++it) {
                    const QString front = coverOf(connection, it.key(), "FrontCover");
                    const QString back = coverOf(connection, it.key(), "BackCover");
                    QVERIFY2(!front.isEmpty(), qPrintable(QString("step %1: %2").arg(n).arg(it.key())));
                    QVERIFY2(FileBytes(images + "/" + front) == it.value().first,
                             qPrintable(QString("step %1: %2 front %3").arg(n).arg(it.key(), front)));
                    if (it.value().second.isEmpty())
                        QCOMPARE(back, QString());
                    else
                        QVERIFY2(FileBytes(images + "/" + back) == it.value().second,
                                 qPrintable(QString("step %1: %2 back %3").arg(n).arg(it.key(), back)));
                }
                // The replaced picture is gone; the check found nothing else unnamed.
                QVERIFY(coverOf(connection, "Old", "FrontCover") != "12.png");
            }
            if (finished) {
                steps = n;
                break;
            }
        }
        // The journal, every copy and rename, the commit and the deletions each had their turn.
        QVERIFY2(steps >= 14, qPrintable(QString::number(steps)));
    }
};

QTEST_GUILESS_MAIN(ImportCrashTest)
#include "importcrash_test.moc"
