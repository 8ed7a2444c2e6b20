// The Add Book command end to end against the in-process test server acting
// as Open Library: dialog, lookup on the worker, results dialog, batch and
// the book sheet, into a real catalogue.
#include "app/strings.h"
#include "browse/ordolistview.h"
#include "catalog/bookrecord.h"
#include "catalog/imagesfolder.h"
#include "catalog/isbn.h"
#include "catalog/ordodoc.h"
#include "edit/bookeditor.h"
#include "edit/bookproperties.h"
#include "fakeopenlibrary.h"
#include "findcontrol.h"
#include "online/addbookcommand.h"
#include "online/addbookdlg.h"
#include "online/batchquerydlg.h"
#include "online/isbnlist.h"
#include "online/lookupprogressdlg.h"
#include "online/onlinequeryresultsdlg.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testhttpserver.h"
#include "testsettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>

namespace {

// Calls fn on the user-interface thread as soon as test() holds.
void when(QObject *context, std::function<bool()> test, std::function<void()> fn)
{
    auto *poll = new QTimer(context);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, context, [=] {
        if (!test())
            return;
        poll->stop();
        poll->deleteLater();
        fn();
    });
    poll->start();
}

CLookupProgressDlg *progressWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *p = qobject_cast<CLookupProgressDlg *>(w); p && p->isVisible())
            return p;
    return nullptr;
}

int requestsFor(const TestHttpServer &server, const QString &path, const QString &key = {},
                const QString &value = {})
{
    int n = 0;
    for (const TestHttpServer::Request &r : server.requests())
        if (r.path == path && (key.isEmpty() || r.queryValue(key) == value))
            ++n;
    return n;
}

struct Fixture
{
    TestSettings settings;
    RecordingMessenger messages;
    TestHttpServer server{QStringLiteral("openlibrary")};
    TestCatalog cat;
    COrdoDoc doc;
    CBookEditor editor{&doc};
    CAddBookCommand *command = nullptr;
    QList<CBookRecord> sheets;     // the records the sheet opened with
    QStringList coversAtSheetTime; // whether the cover file existed then
    int resultsShown = 0;

    Fixture()
    {
        PointLookupAtServer(server);
        ServeMadeUpBooks(server);
        server.serveFile("/api/books?bibkeys=ISBN:0596000278", "api/books-0596000278.json");
        server.serveFile("/api/books?bibkeys=ISBN:9791090636071", "api/books-9791090636071.json");
        server.serveFile("/api/books?bibkeys=OLID:OL1003M", "api/books-olid-OL1003M.json");
        notFound("1565922433");
        if (!doc.OnOpenDocument(cat.path()))
            qFatal("catalogue did not open");
        doc.setCurrentCategory(1);
        command = editor.addBookCommand();
        editor.setSheetRunner([this](CBookProperties &sheet) {
            sheets << sheet.record();
            coversAtSheetTime << (QFile::exists(sheet.record().newFrontCoverSource) ? "cover" : "none");
            sheet.show();
            // A book added by hand needs a title before the sheet takes it.
            auto *title = sheet.findChild<QLineEdit *>("editTitle");
            if (title && title->text().isEmpty())
                title->setText("Added by hand");
            sheet.okButton()->click();
            return sheet.result();
        });
    }

    void notFound(const QString &isbn)
    {
        server.serveData("/api/books?bibkeys=ISBN:" + isbn, "{}", "application/json");
        const QString other = OtherIsbnForm(isbn);
        if (!other.isEmpty())
            server.serveData("/api/books?bibkeys=ISBN:" + other, "{}", "application/json");
    }

    void enterIsbns(const QString &text)
    {
        command->setAddBookDialogRunner([text](CAddBookDlg &d) {
            d.setIsbnText(text);
            d.accept();
            return d.result();
        });
    }

    void enterWords(const QString &title, const QString &author = {})
    {
        command->setAddBookDialogRunner([=](CAddBookDlg &d) {
            d.setMode(CAddBookDlg::ModeKeywords);
            d.findChild<QLineEdit *>("editTitle")->setText(title);
            d.findChild<QLineEdit *>("editAuthor")->setText(author);
            d.accept();
            return d.result();
        });
    }

    int books() { return cat.count("SELECT COUNT(*) FROM book"); }
    QString titleOfIsbn(const QString &isbn)
    {
        return cat.scalar("SELECT Title FROM book WHERE ISBN='" + isbn + "'");
    }
};

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

class AddBookCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void oneIsbnOpensTheSheetWithTheBookAndItsCover()
    {
        Fixture f;
        QSignalSpy added(&f.editor, &CBookEditor::bookAdded);
        f.enterIsbns(" 0-596-00027-8 \n");
        QVERIFY(f.command->Run());
        QCOMPARE(f.sheets.size(), 1);
        const CBookRecord &r = f.sheets.first();
        QCOMPARE(r.Title, QString("Café Cartography"));
        QCOMPARE(r.Subtitle, QString("Maps of Ελλάδα, Россия and 中国"));
        QCOMPARE(r.Author, QString("Zoë Ångström / Дмитрий Соколов / Ελένη Παππά"));
        QCOMPARE(r.Publisher, QString("Éditions Lumière & Fils"));
        QCOMPARE(r.ISBN, QString("0596000278"));
        QCOMPARE(r.ReleaseDate, QString("Jun 01, 2003"));
        QVERIFY(r.newFrontCoverSource.endsWith(".jpg"));
        QCOMPARE(f.coversAtSheetTime, QStringList{"cover"});
        QVERIFY(f.messages.messages.isEmpty());
        QVERIFY(f.messages.questions.isEmpty());
        QCOMPARE(requestsFor(f.server, "/api/books", "bibkeys", "ISBN:0596000278"), 1);

        // Saved by the sheet, cover and all; the list is told to reload.
        QCOMPARE(added.count(), 1);
        QCOMPARE(f.titleOfIsbn("0596000278"), QString("Café Cartography"));
        const QString front = f.cat.scalar("SELECT FrontCover FROM book");
        QVERIFY(front.endsWith(".jpg"));
        QVERIFY(QFile::exists(ImagesFolder() + "/" + front));
        // The downloaded temporary file went with the lookup's record.
        QVERIFY(!QFile::exists(r.newFrontCoverSource));
    }

    void notFoundOffersToAddByHand()
    {
        Fixture f;
        f.messages.answer = false;
        f.enterIsbns("1565922433");
        QVERIFY(!f.command->Run());
        const QString question = "No book with ISBN 1565922433 was found at Open Library.\n\n"
                                 "Do you want to add this book by hand?";
        QCOMPARE(f.messages.questions, QStringList{question});
        QVERIFY(f.messages.messages.isEmpty()); // one question, not a message and a question
        QVERIFY(f.sheets.isEmpty());

        f.messages.clear();
        f.messages.answer = true;
        QVERIFY(f.command->Run());
        QCOMPARE(f.messages.questions, QStringList{question});
        QCOMPARE(f.sheets.size(), 1);
        QCOMPARE(f.sheets.first().ISBN, QString("1565922433"));
        QVERIFY(f.sheets.first().Title.isEmpty());
        QVERIFY(f.sheets.first().newFrontCoverSource.isEmpty());
    }

    void oneIsbnAlreadyCataloguedIsAskedAboutFirst()
    {
        Fixture f;
        // Stored in its ISBN-13 form, typed as ISBN-10.
        f.cat.exec(
            "INSERT INTO book (BookID, Title, ISBN) VALUES (100, 'Cartes du café', '978-0-596-00027-1')");
        const QString question =
            "This book is already in the catalogue as \"Cartes du café\". Add another copy?";
        f.messages.answer = false;
        f.enterIsbns("0-596-00027-8");
        QVERIFY(!f.command->Run());
        QCOMPARE(f.messages.questions, QStringList{question});
        QCOMPARE(f.server.requestCount(), 0); // not even looked up
        QVERIFY(f.sheets.isEmpty());

        f.messages.clear();
        f.messages.answer = true;
        QVERIFY(f.command->Run());
        QCOMPARE(f.messages.questions, QStringList{question});
        QCOMPARE(f.sheets.size(), 1);
        QCOMPARE(f.books(), 2);

        // An ISBN-13 typed for a book stored as ISBN-10.
        f.messages.clear();
        f.messages.answer = false;
        f.enterIsbns("9780596000271");
        QVERIFY(!f.command->Run());
        QCOMPARE(f.messages.questions.size(), 1);
        QCOMPARE(f.books(), 2);

        // A book the catalogue lacks is not asked about.
        f.messages.clear();
        f.enterIsbns("9791090636071");
        QVERIFY(f.command->Run());
        QVERIFY(f.messages.questions.isEmpty());
        QCOMPARE(f.books(), 3);
    }

    void anUnreachableServiceIsReportedWithoutTheOffer()
    {
        Fixture f;
        f.server.serveData("/api/books", "<html>down</html>", "text/html", 500);
        f.enterIsbns("0596000278");
        QVERIFY(!f.command->Run());
        QCOMPARE(f.messages.messages, QStringList{"Failed to load book info from Open Library."});
        QVERIFY(f.messages.questions.isEmpty());
        QVERIFY(f.sheets.isEmpty());
    }

    void byHandOpensAnEmptySheet()
    {
        Fixture f;
        f.command->setAddBookDialogRunner([](CAddBookDlg &d) {
            d.setMode(CAddBookDlg::ModeManual);
            d.accept();
            return d.result();
        });
        QVERIFY(f.command->Run());
        QCOMPARE(f.sheets.size(), 1);
        QVERIFY(f.sheets.first().Title.isEmpty());
        QVERIFY(f.sheets.first().ISBN.isEmpty());
        QCOMPARE(f.server.requestCount(), 0);

        // Cancel in the Add Book dialog does nothing at all.
        f.command->setAddBookDialogRunner([](CAddBookDlg &) { return int(QDialog::Rejected); });
        QVERIFY(!f.command->Run());
        QCOMPARE(f.sheets.size(), 1);
    }

    void keywordsShowTheResultsPageByPage()
    {
        Fixture f;
        f.server.serveFile("/search.json?page=1", "search/page1.json");
        f.server.serveFile("/search.json?page=2", "search/page1.json");
        f.enterWords("  Café Cartography ", "Ångström");
        int searchesWhenShown = -1;
        f.command->setResultsDialogRunner([&](COnlineQueryResultsDlg &d) {
            ++f.resultsShown;
            searchesWhenShown = requestsFor(f.server, "/search.json");
            d.OnNextPage();
            if (!QTest::qWaitFor([&] { return !d.isQueryRunning(); }, 5000))
                return int(QDialog::Rejected);
            auto *list = d.findChild<QTableWidget *>("listResults");
            list->selectRow(0);
            d.accept();
            return d.result();
        });
        QVERIFY(f.command->Run());
        QCOMPARE(f.resultsShown, 1);
        QCOMPARE(searchesWhenShown, 1);
        QCOMPARE(requestsFor(f.server, "/search.json"), 2);
        QCOMPARE(requestsFor(f.server, "/search.json", "page", "2"), 1);
        QCOMPARE(requestsFor(f.server, "/search.json", "title", "Café Cartography"), 2);
        QCOMPARE(f.sheets.size(), 1);
        QCOMPARE(f.sheets.first().Title, QString("Café Cartography"));
        QCOMPARE(f.coversAtSheetTime, QStringList{"cover"});
        QVERIFY(f.messages.messages.isEmpty());
    }

    void aPickedRowWhoseLookupFailsStillOpensTheSheet()
    {
        Fixture f;
        f.server.serveFile("/search.json", "search/page1.json");
        f.notFound("0596000278");
        f.enterWords("Café Cartography");
        f.command->setResultsDialogRunner([&](COnlineQueryResultsDlg &d) {
            d.findChild<QTableWidget *>("listResults")->selectRow(0);
            d.accept();
            return d.result();
        });
        QSignalSpy notes(f.command, &CAddBookCommand::statusMessage);
        QVERIFY(f.command->Run());
        QCOMPARE(f.sheets.size(), 1);
        const CBookRecord &r = f.sheets.first();
        QCOMPARE(r.Title, QString("Café Cartography"));
        QCOMPARE(r.Author, QString("Zoë Ångström"));
        QCOMPARE(r.Publisher, QString("Éditions Lumière & Fils"));
        QCOMPARE(r.ReleaseDate, QString("Jun 01, 2003"));
        QCOMPARE(r.ISBN, QString("0596000278"));
        // No box: the reason goes to the status bar.
        QVERIFY(f.messages.messages.isEmpty());
        QVERIFY(f.messages.questions.isEmpty());
        QCOMPARE(notes.count(), 1);
        QVERIFY2(notes.first().first().toString().endsWith(
                     "No book with ISBN 0596000278 was found at Open Library."),
                 qPrintable(notes.first().first().toString()));
        QCOMPARE(f.titleOfIsbn("0596000278"), QString("Café Cartography"));
    }

    void keywordsWithNoOrOneResultSkipTheDialog()
    {
        Fixture f;
        f.command->setResultsDialogRunner([&](COnlineQueryResultsDlg &) {
            ++f.resultsShown;
            return int(QDialog::Rejected);
        });
        f.server.serveFile("/search.json", "search/none.json");
        f.enterWords("nothing like this");
        QVERIFY(!f.command->Run());
        QCOMPARE(f.messages.messages, QStringList{"No valid results found.\nNote: e-books are ignored."});
        QVERIFY(f.sheets.isEmpty());

        f.messages.clear();
        f.server.serveFile("/search.json", "search/single.json");
        f.enterWords("old almanac");
        QVERIFY(f.command->Run());
        QCOMPARE(f.resultsShown, 0);
        QCOMPARE(f.sheets.size(), 1);
        QCOMPARE(f.sheets.first().Title, QString("Old Almanac"));
        QCOMPARE(requestsFor(f.server, "/api/books", "bibkeys", "OLID:OL1003M"), 1);
    }

    void batchOfFiveWithAFailureASaveErrorAndADuplicate()
    {
        Fixture f;
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
        Fixture f;
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
        Fixture f;
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
        Fixture f;
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
        Fixture f;
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
        Fixture f;
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
        Fixture f;
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

    void cancelOfAHungLookupClosesAtOnce()
    {
        Fixture f;
        PointLookupAtServer(f.server, 30);
        f.server.hang("/api/books");
        f.enterIsbns("0596000278");
        QElapsedTimer sinceCancel;
        QString status;
        when(
            qApp, [&] { return f.server.requestCount() > 0 && progressWindow(); },
            [&] {
                status = progressWindow()->statusText();
                sinceCancel.start();
                progressWindow()->reject();
            });
        QVERIFY(!f.command->Run());
        QCOMPARE(status, QString("Loading book information from Open Library..."));
        QVERIFY(sinceCancel.isValid());
        QVERIFY2(sinceCancel.elapsed() < 2000, qPrintable(QString::number(sinceCancel.elapsed())));
        QVERIFY(f.sheets.isEmpty());
        QVERIFY(f.messages.messages.isEmpty());
    }

    void cancelOfAHungBatchClosesWithinTwoSeconds()
    {
        Fixture f;
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

QTEST_MAIN(AddBookCommandTest)
#include "addbookcommand_test.moc"
