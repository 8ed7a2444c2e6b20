// Cover files against a save cut short: a child process saves a book and is
// killed (SIGKILL) at every crash point of the save in turn; each time the
// catalogue is opened again as the program would, and must hold every cover
// it names, old or new, with nothing left over.
#include "catalog/cataloguecheck.h"
#include "catalog/connection.h"
#include "catalog/imagesfolder.h"
#include "catalog/ordodoc.h"
#include "catalog/recordset.h"
#include "recordingmessenger.h"
#include "testcatalog.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class CoverSaveTest : public QObject
{
    Q_OBJECT

private slots:
    void crashAtEveryStep_data()
    {
        QTest::addColumn<int>("bookId");
        QTest::addColumn<QString>("front"); // "@x" = x in the images folder, "x" = x outside
        QTest::addColumn<QString>("back");
        QTest::addColumn<QStringList>("frontAllowed"); // contents; "" = no cover; last = after the save
        QTest::addColumn<QStringList>("backAllowed");

        QTest::newRow("new book, two covers")
            << 0 << "new.jpg"
            << "newback.png" << QStringList{"new front"} << QStringList{"new back"};
        QTest::newRow("new name front, same name back")
            << 12 << "new.jpg"
            << "newback.jpg" << QStringList{"old front", "new front"} << QStringList{"old back", "new back"};
        QTest::newRow("same names") << 12 << "new.gif"
                                    << "newback.jpg" << QStringList{"old front", "new front"}
                                    << QStringList{"old back", "new back"};
        QTest::newRow("back cleared") << 12 << "@12.gif"
                                      << "" << QStringList{"old front"} << QStringList{"old back", ""};
        QTest::newRow("front and back swapped")
            << 12 << "@12b.jpg"
            << "@12.gif" << QStringList{"old front", "old back"} << QStringList{"old back", "old front"};
    }

    void crashAtEveryStep()
    {
        QFETCH(int, bookId);
        QFETCH(QString, front);
        QFETCH(QString, back);
        QFETCH(QStringList, frontAllowed);
        QFETCH(QStringList, backAllowed);
        RecordingMessenger quiet;

        int steps = 0;
        for (int n = 1; n < 200; ++n) {
            TestCatalog cat;
            const QString images = ImagesFolderForCatalog(cat.path());
            QVERIFY(QDir().mkpath(images));
            QTemporaryDir pictures;
            writeFile(pictures.filePath("new.jpg"), "new front");
            writeFile(pictures.filePath("new.gif"), "new front");
            writeFile(pictures.filePath("newback.png"), "new back");
            writeFile(pictures.filePath("newback.jpg"), "new back");
            writeFile(images + "/12.gif", "old front");
            writeFile(images + "/12b.jpg", "old back");
            cat.exec("INSERT INTO book (BookID, Title, FrontCover, BackCover) VALUES (12, 'Old', '12.gif', "
                     "'12b.jpg')");
            cat.exec("INSERT INTO book_category (BookID, CatID) VALUES (12, 1)");
            const auto source = [&](const QString &s) {
                if (s.isEmpty())
                    return QString();
                return s.startsWith('@') ? images + "/" + s.mid(1) : pictures.filePath(s);
            };

            QProcess child;
            child.start(SAVE_CRASH_CHILD, {cat.path(), images, QString::number(bookId), source(front),
                                           source(back), QString::number(n)});
            QVERIFY(child.waitForFinished(30000));
            const bool finished = child.exitStatus() == QProcess::NormalExit;
            if (finished)
                QCOMPARE(child.exitCode(), 0);

            // Opened again: an interrupted save is tidied up.
            COrdoDoc doc;
            QVERIFY(doc.OnOpenDocument(cat.path()));
            CCatalogueCheck check;
            QVERIFY(check.Run(*doc.connection(), images));
            QVERIFY2(check.isClean(),
                     qPrintable(QString("crash at step %1:\n%2").arg(n).arg(check.ReportText())));

            const int id = bookId == 0 ? 13 : bookId;
            Recordset rs;
            QVERIFY(rs.open(*doc.connection(),
                            QString("SELECT FrontCover, BackCover FROM book WHERE BookID=%1").arg(id)));
            if (rs.isEOF()) {
                QVERIFY2(bookId == 0 && !finished, "the book is gone");
            } else {
                const QString f = rs.field(0).toString();
                const QString b = rs.field(1).toString();
                const QString fc = f.isEmpty() ? QString() : QString::fromUtf8(readFile(images + "/" + f));
                const QString bc = b.isEmpty() ? QString() : QString::fromUtf8(readFile(images + "/" + b));
                QVERIFY2(frontAllowed.contains(fc),
                         qPrintable(QString("step %1: front %2 holds %3").arg(n).arg(f, fc)));
                QVERIFY2(backAllowed.contains(bc),
                         qPrintable(QString("step %1: back %2 holds %3").arg(n).arg(b, bc)));
                if (finished) {
                    QCOMPARE(fc, frontAllowed.last());
                    QCOMPARE(bc, backAllowed.last());
                }
            }
            rs.close();
            if (bookId == 0) {
                // The other book never loses anything.
                QCOMPARE(readFile(images + "/12.gif"), QByteArray("old front"));
                QCOMPARE(readFile(images + "/12b.jpg"), QByteArray("old back"));
            }
            if (finished) {
                steps = n;
                break;
            }
        }
        // Statements, copies, renames, the commit and the deletions each had their turn.
        QVERIFY2(steps >= 8, qPrintable(QString::number(steps)));
    }
};

QTEST_GUILESS_MAIN(CoverSaveTest)
#include "coversave_test.moc"
