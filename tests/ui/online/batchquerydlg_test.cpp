// Batch Mode end to end against the in-process test server acting as Open
// Library: ISBNs looked up on the worker and saved into a real catalogue,
// the rows, the outcome the window keeps showing, Cancel and fatal errors.
#include "addbookfixture.h"
#include "browse/ordolistview.h"
#include "catalog/imagesfolder.h"
#include "findcontrol.h"
#include "online/batchquerydlg.h"
#include "online/isbnlist.h"

#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>

namespace {

// Starts the batch and runs it modally. The window stays open with the
// outcome, so Close is pressed once the batch has ended.
int startBatch(CBatchQueryDlg &batch)
{
    QObject::connect(&batch, &CBatchQueryDlg::workerFinished, &batch, [&batch] {
        QTimer::singleShot(0, &batch, [&batch] { FindControl<QPushButton>(batch, "buttonCancel")->click(); });
    });
    QTimer::singleShot(0, &batch, &CBatchQueryDlg::OnStart);
    return batch.exec();
}

} // namespace

class BatchQueryDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void batchOfFiveWithAFailureASaveErrorAndADuplicate()
    {
        AddBookFixture f;
        f.doc.setCurrentCategory(2);
        // The catalogue already has 0306406152, stored in its ISBN-13 form.
        f.cat.exec("INSERT INTO book (BookID, Title, ISBN) VALUES (100, 'Mine', '978-0306406157')");
        // Saving the 979 book fails inside the database.
        f.cat.exec("CREATE TRIGGER refuse BEFORE INSERT ON book WHEN NEW.Title = '书的故事' "
                   "BEGIN SELECT RAISE(ABORT, 'refused by test'); END");
        QSignalSpy reloaded(f.command, &CAddBookCommand::booksAdded);
        COrdoListView list(&f.doc);
        f.editor.attachList(&list);
        list.LoadBooks();
        QCOMPARE(list.model()->rowCount(), 0);
        f.enterIsbns("0596000278\n1565922433\n9791090636071\n0306406152\n080442957X");
        QStringList rows;
        int progress = -1;
        f.command->setBatchDialogRunner([&](CBatchQueryDlg &batch) {
            const int result = startBatch(batch);
            for (int i = 0; i < batch.rowCount(); ++i)
                rows << batch.rowTitle(i);
            progress = batch.progress();
            return result;
        });
        QVERIFY(f.command->Run());
        QCOMPARE(
            rows,
            QStringList({"Café Cartography", "Error: No book with ISBN 1565922433 was found at Open Library.",
                         "Error: refused by test", "Already in the catalogue", "Book 080442957X"}));
        QCOMPARE(progress, 100);
        QCOMPARE(reloaded.count(), 1);
        QCOMPARE(list.model()->rowCount(), 2); // the list shows the saved books
        // No box per ISBN.
        QVERIFY(f.messages.messages.isEmpty());
        QVERIFY(f.messages.questions.isEmpty());
        QVERIFY(f.sheets.isEmpty());
        QCOMPARE(f.books(), 3);
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book_category WHERE CatID = 2"), 2);
        QCOMPARE(f.titleOfIsbn("080442957X"), QString("Book 080442957X"));
        // Each saved book has its own cover in the images folder.
        const QString front = f.cat.scalar("SELECT FrontCover FROM book WHERE ISBN = '080442957X'");
        QVERIFY(!front.isEmpty());
        QVERIFY(QFile::exists(ImagesFolder() + "/" + front));
        // The duplicate was never asked for.
        QCOMPARE(requestsFor(f.server, "/api/books", "bibkeys", "ISBN:0306406152"), 0);
    }

    void anEndedBatchStaysOpenWithItsOutcome()
    {
        AddBookFixture f;
        for (const char *isbn : {"0306406152", "080442957X", "0-596-00027-8", "9781565922433"})
            f.cat.exec(QStringLiteral("INSERT INTO book (Title, ISBN) VALUES ('Mine %1', '%1')").arg(isbn));
        f.cat.exec("CREATE TRIGGER refuse BEFORE INSERT ON book WHEN NEW.Title = '书的故事' "
                   "BEGIN SELECT RAISE(ABORT, 'refused by test'); END");
        f.notFound("0451526538");
        COrdoListView list(&f.doc);
        f.editor.attachList(&list);
        list.LoadBooks();
        QCOMPARE(list.model()->rowCount(), 0); // the four are in no category
        QTemporaryDir dir;
        const QString savedPath = dir.filePath("retry.txt");

        // Four ISBNs the catalogue has, one added, one not found, one whose save fails.
        f.enterIsbns("0306406152\n080442957X\n0596000278\n1565922433\n"
                     "0-14-143951-3\n0451526538\n9791090636071");
        f.command->setBatchDialogRunner([&](CBatchQueryDlg &batch) {
            QSignalSpy ended(&batch, &CBatchQueryDlg::workerFinished);
            batch.show();
            batch.OnStart();
            if (!ended.wait(10000))
                return int(QDialog::Rejected);
            // Neither the end nor a while after it closes the window.
            QTest::qWait(300);
            [&] {
                QVERIFY(batch.isVisible());
                QCOMPARE(batch.statusText(),
                         QString("1 added, 4 already in the catalogue, 1 not found, 1 failed"));
                QCOMPARE(batch.rowTitle(0), QString("Already in the catalogue"));
                QCOMPARE(batch.rowTitle(5),
                         QString("Error: No book with ISBN 0451526538 was found at Open Library."));
                QCOMPARE(batch.rowTitle(6), QString("Error: refused by test"));
                // The list already shows the new book while the window is open.
                QCOMPARE(list.model()->rowCount(), 1);
                auto *close = FindControl<QPushButton>(batch, "buttonCancel");
                QCOMPARE(close->text(), QString("&Close"));
                QVERIFY(close->isEnabled());

                // The ISBNs to try again, to the clipboard and to a file the
                // Add Book dialog loads.
                auto *copy = FindControl<QPushButton>(batch, "buttonCopyFailedIsbns");
                QVERIFY(copy->isVisible() && copy->isEnabled());
                copy->click();
                QCOMPARE(QGuiApplication::clipboard()->text(), QString("0451526538\n9791090636071\n"));
                batch.setSaveFileDialog([&](QWidget *, const QString &) { return savedPath; });
                FindControl<QPushButton>(batch, "buttonSaveFailedIsbns")->click();
                QString loaded;
                QCOMPARE(ReadIsbnListFile(savedPath, loaded), IsbnFileRead::Ok);
                QCOMPARE(loaded, QString("0451526538\r\n9791090636071"));
                QCOMPARE(f.messages.messages, QStringList{"File has been saved."});
                close->click();
            }();
            return batch.result();
        });
        QSignalSpy reloaded(f.command, &CAddBookCommand::booksAdded);
        QVERIFY(f.command->Run());
        QCOMPARE(reloaded.count(), 1);
        QCOMPARE(f.books(), 5);
    }

    void aBatchOfKnownBooksSaysSo()
    {
        AddBookFixture f;
        const QStringList isbns = {"0306406152", "080442957X", "0596000278", "1565922433"};
        for (const QString &isbn : isbns)
            f.cat.exec(QStringLiteral("INSERT INTO book (Title, ISBN) VALUES ('Mine', '%1')").arg(isbn));
        CBatchQueryDlg batch;
        batch.setQueue(isbns);
        batch.setTarget(1, f.doc.sharedConnection(), ImagesFolder());
        QSignalSpy ended(&batch, &CBatchQueryDlg::workerFinished);
        batch.show();
        batch.OnStart();
        QVERIFY(ended.wait(5000));
        QTest::qWait(200);
        QVERIFY(batch.isVisible());
        QCOMPARE(batch.statusText(), QString("0 added, 4 already in the catalogue"));
        QVERIFY(batch.failedIsbns().isEmpty());
        QVERIFY(!FindControl<QPushButton>(batch, "buttonCopyFailedIsbns")->isEnabled());
        QVERIFY(!FindControl<QPushButton>(batch, "buttonSaveFailedIsbns")->isEnabled());
        QCOMPARE(f.server.requestCount(), 0);
        // Esc, the close box and Close all close it now.
        batch.reject();
        QVERIFY(!batch.isVisible());
        QCOMPARE(batch.result(), int(QDialog::Accepted));
    }

    void duplicatesAreAddedWhenTheUserSaysSo()
    {
        AddBookFixture f;
        f.cat.exec("INSERT INTO book (BookID, Title, ISBN) VALUES (100, 'Mine', '0306406152')");
        CBatchQueryDlg batch;
        batch.setQueue({"978-0-306-40615-7", "0306406152"});
        batch.setTarget(1, f.doc.sharedConnection(), ImagesFolder());
        batch.findChild<QCheckBox *>("checkAddDuplicates")->setChecked(true);
        QCOMPARE(startBatch(batch), int(QDialog::Accepted));
        QCOMPARE(batch.rowTitle(0), QString("Book 9780306406157"));
        QCOMPARE(batch.rowTitle(1), QString("Book 0306406152"));
        QCOMPARE(f.books(), 3);
    }

    void cancelDuringTheThirdFinishesItAndLeavesTheRest()
    {
        AddBookFixture f;
        const QStringList isbns = {"0306406152", "080442957X", "0596000278", "1565922433", "9791090636071"};
        std::atomic<bool> thirdAsked{false};
        const QString base = f.server.baseUrl();
        f.server.handle(
            "/api/books?bibkeys=ISBN:0596000278", [&](const httplib::Request &, httplib::Response &res) {
                thirdAsked = true;
                f.server.pause(300);
                res.set_content(MadeUpBookAnswer("0596000278", base).toStdString(), "application/json");
            });
        CBatchQueryDlg batch;
        batch.setQueue(isbns);
        batch.setTarget(1, f.doc.sharedConnection(), ImagesFolder());
        QString statusAfterCancel;
        bool cancelEnabled = true;
        when(
            &batch, [&] { return thirdAsked.load(); },
            [&] {
                QCOMPARE(batch.currentIndex(), 2);
                batch.reject();
                statusAfterCancel = batch.findChild<QLabel *>("labelStatus")->text();
                cancelEnabled = batch.findChild<QPushButton *>("buttonCancel")->isEnabled();
                batch.reject(); // a second Cancel changes nothing
            });
        QCOMPARE(startBatch(batch), int(QDialog::Rejected));
        QCOMPARE(statusAfterCancel, QString("Finishing off, please wait..."));
        QVERIFY(!cancelEnabled);
        // The outcome of a stopped batch: what was not looked up is worth another try.
        QCOMPARE(batch.statusText(), QString("3 added, 2 not looked up"));
        QCOMPARE(batch.failedIsbns(), QStringList({"1565922433", "9791090636071"}));
        QCOMPARE(batch.rowTitle(0), QString("Book 0306406152"));
        QCOMPARE(batch.rowTitle(1), QString("Book 080442957X"));
        QCOMPARE(batch.rowTitle(2), QString("Book 0596000278"));
        QVERIFY(batch.rowTitle(3).isEmpty());
        QVERIFY(batch.rowTitle(4).isEmpty());
        QCOMPARE(f.books(), 3);
        QCOMPARE(f.titleOfIsbn("0596000278"), QString("Book 0596000278"));
        QCOMPARE(requestsFor(f.server, "/api/books", "bibkeys", "ISBN:1565922433"), 0);
        QCOMPARE(requestsFor(f.server, "/api/books", "bibkeys", "ISBN:9791090636071"), 0);
    }

    void aFatalErrorStopsTheBatchWithOneMessage()
    {
        AddBookFixture f;
        f.server.serveData("/api/books", "busy", "text/plain", 503);
        CBatchQueryDlg batch;
        batch.setQueue({"0306406152", "080442957X", "0596000278"});
        batch.setTarget(1, f.doc.sharedConnection(), ImagesFolder());
        QCOMPARE(startBatch(batch), int(QDialog::Rejected));
        QCOMPARE(f.messages.messages, QStringList{"Fatal error occurred. Job will be cancelled."});
        QCOMPARE(batch.rowTitle(0), QString("Error: Failed to load book info from Open Library."));
        QCOMPARE(batch.statusText(), QString("0 added, 1 failed, 2 not looked up"));
        QCOMPARE(batch.failedIsbns(), QStringList({"0306406152", "080442957X", "0596000278"}));
        QVERIFY(batch.rowTitle(1).isEmpty());
        QCOMPARE(f.books(), 0);
    }

    void startAndCancelBeforeStarting()
    {
        AddBookFixture f;
        CBatchQueryDlg empty;
        QCOMPARE(empty.windowTitle(), QString("Batch Mode"));
        QCOMPARE(empty.statusText(), QString("Ready"));
        auto *list = empty.findChild<QTableWidget *>("listQueue");
        QCOMPARE(list->horizontalHeaderItem(0)->text(), QString("ISBN"));
        QCOMPARE(list->horizontalHeaderItem(1)->text(), QString("Title"));
        QCOMPARE(list->columnWidth(0), 180);
        QCOMPARE(list->columnWidth(1), 270);
        empty.OnStart();
        QCOMPARE(f.messages.messages, QStringList{"Query queue is empty."});
        QCOMPARE(empty.runState(), int(CBatchQueryDlg::NotStarted));

        CBatchQueryDlg batch;
        batch.setQueue({"0306406152"});
        QTimer::singleShot(0, &batch, &CBatchQueryDlg::reject);
        QCOMPARE(batch.exec(), int(QDialog::Rejected));
        QCOMPARE(f.server.requestCount(), 0);
    }

    void cancelOfAHungBatchClosesWithinTwoSeconds()
    {
        AddBookFixture f;
        PointLookupAtServer(f.server, 30);
        f.server.hang("/api/books");
        CBatchQueryDlg batch;
        batch.setQueue({"0306406152", "080442957X"});
        batch.setTarget(1, f.doc.sharedConnection(), ImagesFolder());
        QElapsedTimer sinceCancel;
        // The status line follows the worker's record.
        when(
            &batch,
            [&] {
                return f.server.requestCount() > 0 &&
                       batch.statusText() == "Loading book information from Open Library...";
            },
            [&] {
                sinceCancel.start();
                batch.reject();
            });
        QCOMPARE(startBatch(batch), int(QDialog::Rejected));
        QVERIFY2(sinceCancel.elapsed() < 2000, qPrintable(QString::number(sinceCancel.elapsed())));
        QVERIFY(batch.rowTitle(0).isEmpty());
        QVERIFY(batch.rowTitle(1).isEmpty());
        QVERIFY(f.messages.messages.isEmpty());
        QCOMPARE(f.books(), 0);
    }
};

QTEST_MAIN(BatchQueryDlgTest)
#include "batchquerydlg_test.moc"
