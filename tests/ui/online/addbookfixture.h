#pragma once

// What the Add Book command and batch tests share: a real catalogue open in
// a document, the book editor with its Add Book command, and the in-process
// test server acting as Open Library (made-up books for any ISBN, the fixture
// books for their own ISBNs and edition).
#include "catalog/bookrecord.h"
#include "catalog/isbn.h"
#include "catalog/ordodoc.h"
#include "edit/bookeditor.h"
#include "edit/bookproperties.h"
#include "fakeopenlibrary.h"
#include "online/addbookcommand.h"
#include "online/addbookdlg.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testhttpserver.h"
#include "testsettings.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

// Calls fn on the user-interface thread as soon as test() holds.
inline void when(QObject *context, std::function<bool()> test, std::function<void()> fn)
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

inline int requestsFor(const TestHttpServer &server, const QString &path, const QString &key = {},
                       const QString &value = {})
{
    int n = 0;
    for (const TestHttpServer::Request &r : server.requests())
        if (r.path == path && (key.isEmpty() || r.queryValue(key) == value))
            ++n;
    return n;
}

struct AddBookFixture
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

    AddBookFixture()
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

    // Runs the command once more, answering its questions with answer.
    bool runAnswering(bool answer)
    {
        messages.clear();
        messages.answer = answer;
        return command->Run();
    }

    int books() { return cat.count("SELECT COUNT(*) FROM book"); }
    QString titleOfIsbn(const QString &isbn)
    {
        return cat.scalar("SELECT Title FROM book WHERE ISBN='" + isbn + "'");
    }
};
