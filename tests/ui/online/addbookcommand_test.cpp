// The Add Book command end to end against the in-process test server acting
// as Open Library: dialog, lookup on the worker, results dialog and the book
// sheet, into a real catalogue. Batch Mode has tests of its own.
#include "addbookfixture.h"
#include "catalog/imagesfolder.h"
#include "online/lookupprogressdlg.h"
#include "online/onlinequeryresultsdlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

namespace {

CLookupProgressDlg *progressWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *p = qobject_cast<CLookupProgressDlg *>(w); p && p->isVisible())
            return p;
    return nullptr;
}

} // namespace

class AddBookCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void oneIsbnOpensTheSheetWithTheBookAndItsCover()
    {
        AddBookFixture f;
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
        AddBookFixture f;
        f.enterIsbns("1565922433");
        QVERIFY(!f.runAnswering(false));
        const QString question = "No book with ISBN 1565922433 was found at Open Library.\n\n"
                                 "Do you want to add this book by hand?";
        QCOMPARE(f.messages.questions, QStringList{question});
        QVERIFY(f.messages.messages.isEmpty()); // one question, not a message and a question
        QVERIFY(f.sheets.isEmpty());

        QVERIFY(f.runAnswering(true));
        QCOMPARE(f.messages.questions, QStringList{question});
        QCOMPARE(f.sheets.size(), 1);
        QCOMPARE(f.sheets.first().ISBN, QString("1565922433"));
        QVERIFY(f.sheets.first().Title.isEmpty());
        QVERIFY(f.sheets.first().newFrontCoverSource.isEmpty());
    }

    void oneIsbnAlreadyCataloguedIsAskedAboutFirst()
    {
        AddBookFixture f;
        // Stored in its ISBN-13 form, typed as ISBN-10.
        f.cat.exec(
            "INSERT INTO book (BookID, Title, ISBN) VALUES (100, 'Cartes du café', '978-0-596-00027-1')");
        const QString question =
            "This book is already in the catalogue as \"Cartes du café\". Add another copy?";
        f.enterIsbns("0-596-00027-8");
        QVERIFY(!f.runAnswering(false));
        QCOMPARE(f.messages.questions, QStringList{question});
        QCOMPARE(f.server.requestCount(), 0); // not even looked up
        QVERIFY(f.sheets.isEmpty());

        QVERIFY(f.runAnswering(true));
        QCOMPARE(f.sheets.size(), 1);
        QCOMPARE(f.books(), 2);

        // An ISBN-13 typed for a book stored as ISBN-10.
        f.enterIsbns("9780596000271");
        QVERIFY(!f.runAnswering(false));
        QCOMPARE(f.messages.questions.size(), 1);
        QCOMPARE(f.books(), 2);

        // A book the catalogue lacks is not asked about.
        f.enterIsbns("9791090636071");
        QVERIFY(f.runAnswering(false));
        QVERIFY(f.messages.questions.isEmpty());
        QCOMPARE(f.books(), 3);
    }

    void anUnreachableServiceIsReportedWithoutTheOffer()
    {
        AddBookFixture f;
        f.server.serveData("/api/books", "<html>down</html>", "text/html", 500);
        f.enterIsbns("0596000278");
        QVERIFY(!f.command->Run());
        QCOMPARE(f.messages.messages, QStringList{"Failed to load book info from Open Library."});
        QVERIFY(f.messages.questions.isEmpty());
        QVERIFY(f.sheets.isEmpty());
    }

    void byHandOpensAnEmptySheet()
    {
        AddBookFixture f;
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
        AddBookFixture f;
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
        AddBookFixture f;
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
        // What the picked row showed: title, first author, publisher, date, ISBN.
        const CBookRecord &r = f.sheets.first();
        QCOMPARE((QStringList{r.Title, r.Author, r.Publisher, r.ReleaseDate, r.ISBN}),
                 QStringList({"Café Cartography", "Zoë Ångström", "Éditions Lumière & Fils", "Jun 01, 2003",
                              "0596000278"}));
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
        AddBookFixture f;
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

    void cancelOfAHungLookupClosesAtOnce()
    {
        AddBookFixture f;
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
};

QTEST_MAIN(AddBookCommandTest)
#include "addbookcommand_test.moc"
