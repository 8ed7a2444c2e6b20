// Large selections on the book page: built on a worker, shown a slice at a
// time, the newest selection winning, print and exports holding every book.
#include "catalog/bookid.h"
#include "app/apppaths.h"
#include "app/commandids.h"
#include "app/ordoapp.h"
#include "app/registrykey.h"
#include "catalog/ordodoc.h"
#include "page/ordohtmlview.h"
#include "page/ordowebpage.h"
#include "page/pageprinter.h"
#include "page/printpreviewdlg.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProgressDialog>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineScript>

namespace {

constexpr int kWait = 120000; // a loaded machine renders ten thousand books slowly
const QString kSettingsKey = QStringLiteral("Software\\Quenlow\\Ordo\\Settings");

QStringList fileTitles(const QString &folder, const QString &pattern)
{
    QStringList titles;
    for (const QFileInfo &info : QDir(folder).entryInfoList({pattern}, QDir::Files, QDir::Name))
        titles << info.completeBaseName();
    return titles;
}

// Titles in several scripts, so that every slice holds more than Latin text.
const QStringList kTitles = {QStringLiteral("Éléments de géométrie"), QStringLiteral("Война и мир"),
                             QStringLiteral("Ἰλιάς"), QStringLiteral("红楼梦")};

struct SliceFixture
{
    TestSettings settings;
    RecordingMessenger messenger;
    TestCatalog cat;
    COrdoDoc doc;
    QTemporaryDir work;
    std::unique_ptr<COrdoHtmlView> view;
    int displays = 0;

    explicit SliceFixture(int books)
    {
        const QStringList templates = fileTitles(AppFolder() + "Styles", "*.xsl");
        CRegistryKey key;
        key.SetKey(kSettingsKey, true);
        key.WriteInt("XSL", int(templates.indexOf("DetailsEnu")));
        // About a kilobyte of description per book.
        const QString description =
            QString("<p>%1</p>").arg(QString("Une description, описание, περιγραφή, 描述. ").repeated(22));
        {
            Transaction transaction(cat.connection());
            for (int i = 1; i <= books; ++i)
                cat.exec(QString("INSERT INTO book (BookID, Title, Description) VALUES (%1, '%2 %1', '%3')")
                             .arg(i)
                             .arg(kTitles[i % kTitles.size()], description));
            if (!transaction.commit())
                qFatal("cannot fill the test catalogue");
        }
        if (!doc.OnOpenDocument(cat.path()))
            qFatal("cannot open the test catalogue");
        view =
            std::make_unique<COrdoHtmlView>(&doc, fileTitles(AppFolder() + "Styles/CSS", "*.css"), templates);
        QObject::connect(view.get(), &COrdoHtmlView::pageDisplayed, [this] { ++displays; });
        view->resize(900, 700);
    }

    QVariant eval(const QString &script)
    {
        QVariant result;
        bool done = false;
        view->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld, [&](const QVariant &value) {
            result = value;
            done = true;
        });
        if (!QTest::qWaitFor([&] { return done; }, kWait))
            qWarning("no answer from the page to: %s", qPrintable(script.left(80)));
        return result;
    }
    int booksOnPage() { return eval("document.querySelectorAll('div.book').length").toInt(); }
    QString text(const QString &script) { return eval(script).toString(); }

    bool ready()
    {
        return QTest::qWaitFor([&] { return view->isBlankPageReady() && displays > 0; }, kWait);
    }
    bool displayAfter(const std::function<void()> &action)
    {
        const int before = displays;
        action();
        return QTest::qWaitFor([&] { return displays > before && !view->isBuilding(); }, kWait);
    }
    bool show(const QVector<BookId> &books)
    {
        doc.setSelectedBooks(books);
        return displayAfter([&] { view->ShowBookPage(false); });
    }
    bool click(const QString &address)
    {
        return displayAfter([&] {
            auto *page = static_cast<COrdoWebPage *>(view->page());
            QVERIFY(!page->acceptNavigationRequest(QUrl(address), QWebEnginePage::NavigationTypeLinkClicked,
                                                   true));
        });
    }
    static QVector<BookId> firstBooks(int count)
    {
        QVector<BookId> ids;
        for (int i = 1; i <= count; ++i)
            ids << i;
        return ids;
    }
};

int occurrences(const QByteArray &text, const QByteArray &what)
{
    int count = 0;
    for (qsizetype at = text.indexOf(what); at >= 0; at = text.indexOf(what, at + what.size()))
        ++count;
    return count;
}

} // namespace

class PageSliceTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        SetAppFolder(TestCatalog::appDir());
        QStandardPaths::setTestModeEnabled(true);
    }

    void tenThousandDescribedBooksShowTheirFirstSlice()
    {
        SliceFixture f(10000);
        QVERIFY(f.ready());
        QVERIFY(f.show(SliceFixture::firstBooks(10000)));
        QVERIFY2(f.messenger.messages.isEmpty(), qPrintable(f.messenger.messages.join('\n')));
        QCOMPARE(f.view->slice().total(), 10000);
        QCOMPARE(f.view->slice().shown(), 200);
        QCOMPARE(f.booksOnPage(), 200);
        const QString body = f.text("document.body.innerText");
        QVERIFY(body.contains(kTitles[1] + " 1"));
        QVERIFY(body.contains(kTitles[0] + " 200"));
        QVERIFY(!body.contains(kTitles[1] + " 201"));
        QCOMPARE(f.text("document.getElementById('ordo-slice-next').textContent"),
                 QString("Show the next 200 books"));
        QCOMPARE(f.text("document.getElementById('ordo-slice-all').textContent"),
                 QString("Show all 10000 books"));
        // The page's own texts hold the slice; nothing of the links.
        QCOMPARE(occurrences(f.view->bookPage().Xml().toUtf8(), "<Book>"), 200);
        QVERIFY(!f.view->bookPage().Html().contains("ordoslice"));
    }

    void nextSliceThenEveryBook()
    {
        SliceFixture f(450);
        QVERIFY(f.ready());
        QVERIFY(f.show(SliceFixture::firstBooks(450)));
        QCOMPARE(f.booksOnPage(), 200);

        QVERIFY(f.click("ordoslice://next"));
        QCOMPARE(f.view->slice().shown(), 400);
        QCOMPARE(f.booksOnPage(), 400);
        // Fewer than a slice remain: the link says how many.
        QCOMPARE(f.text("document.getElementById('ordo-slice-next').textContent"),
                 QString("Show the next 50 books"));

        QVERIFY(f.click("ordoslice://all"));
        QCOMPARE(f.booksOnPage(), 450);
        QVERIFY(!f.view->slice().isSliced());
        QVERIFY(!f.eval("!!document.getElementById('ordo-slice')").toBool());

        // Refresh keeps every book; a new selection starts at a slice again.
        QVERIFY(f.displayAfter([&] { f.view->runCommand(Cmd::Refresh); }));
        QCOMPARE(f.booksOnPage(), 450);
        QVERIFY(f.show(SliceFixture::firstBooks(449)));
        QCOMPARE(f.booksOnPage(), 200);
        QVERIFY(f.messenger.messages.isEmpty());
    }

    void aNewerSelectionReplacesAPageInTheMaking()
    {
        SliceFixture f(3000);
        QVERIFY(f.ready());
        f.doc.setSelectedBooks(SliceFixture::firstBooks(3000));
        const int before = f.displays;
        f.view->ShowBookPage(false);
        QVERIFY(f.view->isBuilding());
        f.doc.setSelectedBooks({7});
        f.view->ShowBookPage(false);
        QVERIFY(QTest::qWaitFor([&] { return f.displays > before && !f.view->isBuilding(); }, kWait));
        QTest::qWait(500); // an older page arriving late would show now
        QCOMPARE(f.displays, before + 1);
        QCOMPARE(occurrences(f.view->bookPage().Xml().toUtf8(), "<Book>"), 1);
        QCOMPARE(f.booksOnPage(), 1);
        QVERIFY(f.text("document.body.innerText").contains(kTitles[3] + " 7"));
    }

    void printAndExportsHoldEveryBook()
    {
        SliceFixture f(450);
        QVERIFY(f.ready());
        QVERIFY(f.show(SliceFixture::firstBooks(450)));
        QVERIFY(f.view->slice().isSliced());
        QString answer;
        f.view->setSaveDialog(
            [&](QWidget *, const QString &, const QString &, const QString &) { return answer; });

        answer = f.work.filePath("books.xml");
        QSignalSpy full(f.view.get(), &COrdoHtmlView::fullPageFinished);
        f.view->runCommand(Cmd::SaveAsXml);
        QVERIFY(full.wait(kWait) || !full.isEmpty());
        QFile xml(answer);
        QVERIFY(xml.open(QIODevice::ReadOnly));
        const QByteArray xmlBytes = xml.readAll();
        QCOMPARE(occurrences(xmlBytes, "<Book>"), 450);
        QVERIFY(xmlBytes.contains(QString(kTitles[2] + " 450").toUtf8()));

        answer = f.work.filePath("books.htm");
        full.clear();
        f.view->runCommand(Cmd::SaveAsHtml);
        QVERIFY(full.wait(kWait) || !full.isEmpty());
        QFile html(answer);
        QVERIFY(html.open(QIODevice::ReadOnly));
        const QByteArray htmlBytes = html.readAll();
        QCOMPARE(occurrences(htmlBytes, "<div class=\"book\">"), 450);
        QVERIFY(!htmlBytes.contains("ordoslice"));
        // The exports leave the page as it was.
        QCOMPARE(f.view->slice().shown(), 200);

        const QString pdf = f.work.filePath("books.pdf");
        f.view->setPrintDialog([&](QPrinter *printer, QWidget *) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return true;
        });
        f.view->runCommand(Cmd::Print);
        QVERIFY(f.view->isPrinting());
        QTRY_VERIFY_WITH_TIMEOUT(!f.view->isPrinting(), kWait);
        QVERIFY2(f.messenger.messages.isEmpty(), qPrintable(f.messenger.messages.join('\n')));
        // Printing goes through the pane, which now shows every book.
        QCOMPARE(f.booksOnPage(), 450);
        QFile printed(pdf);
        QVERIFY(printed.open(QIODevice::ReadOnly));
        QVERIFY(printed.readAll().startsWith("%PDF-"));
    }

    // Print Preview of a large selection holds every book, not the slice on
    // screen; while it is being made a second Print Preview or Print is
    // refused (never started inside the first), and it works again once
    // closed.
    void printPreviewHoldsEveryBookTwiceInARow_data()
    {
        QTest::addColumn<int>("books");
        QTest::newRow("241 books") << 241;
        QTest::newRow("1000 books") << 1000;
    }
    void printPreviewHoldsEveryBookTwiceInARow()
    {
        QFETCH(int, books);
        SliceFixture f(books);
        QVERIFY(f.ready());
        QVERIFY(f.show(SliceFixture::firstBooks(books)));
        QVERIFY(f.view->slice().isSliced());
        int printDialogs = 0;
        f.view->setPrintDialog([&](QPrinter *, QWidget *) {
            ++printDialogs;
            return false;
        });
        CPagePrinter *printer = f.view->pagePrinter();
        int pagesFirstTime = 0;
        for (int round = 0; round < 2; ++round) {
            QSignalSpy shown(printer, &CPagePrinter::previewShown);
            f.view->runCommand(Cmd::PrintPreview);
            QVERIFY(printer->isBusy());
            for (int id : {Cmd::PrintPreview, Cmd::Print, Cmd::PageSetup}) {
                QVERIFY(!f.view->isCommandEnabled(id));
                f.view->runCommand(id);
            }
            QVERIFY(shown.wait(kWait) || !shown.isEmpty());
            QTest::qWait(200); // a second preview would show now
            QCOMPARE(shown.count(), 1);
            QCOMPARE(printDialogs, 0);
            CPrintPreviewDlg *dialog = printer->previewDialog();
            QVERIFY(dialog && dialog->isVisible());
            QCOMPARE(f.booksOnPage(), books);
            const int pages = dialog->pageCount();
            QVERIFY2(pages > books / 10, qPrintable(QString::number(pages)));
            if (round == 0)
                pagesFirstTime = pages;
            QCOMPARE(pages, pagesFirstTime);
            // The last page is drawn, as scrolling to the end draws it.
            QVERIFY(!dialog->renderPage(pages - 1, 300).isNull());
            QVERIFY2(f.messenger.messages.isEmpty(), qPrintable(f.messenger.messages.join('\n')));
            dialog->reject();
            QTRY_VERIFY_WITH_TIMEOUT(!printer->isBusy(), kWait);
            QVERIFY(f.view->isCommandEnabled(Cmd::PrintPreview));
        }
    }

    // Cancel while every book is being prepared ends the preview: nothing
    // opens, and the commands come back.
    void cancelledPreviewOpensNothing()
    {
        SliceFixture f(3000);
        QVERIFY(f.ready());
        QVERIFY(f.show(SliceFixture::firstBooks(3000)));
        CPagePrinter *printer = f.view->pagePrinter();
        QSignalSpy shown(printer, &CPagePrinter::previewShown);
        QSignalSpy ended(printer, &CPagePrinter::jobFinished);
        f.view->runCommand(Cmd::PrintPreview);
        QProgressDialog *progress = nullptr;
        QVERIFY(QTest::qWaitFor([&] {
            progress = f.view->findChild<QProgressDialog *>("fullPageProgress");
            return progress != nullptr;
        }, kWait));
        emit progress->canceled(); // as its Cancel button does
        QTRY_VERIFY_WITH_TIMEOUT(!ended.isEmpty(), kWait);
        QCOMPARE(ended.constFirst().at(0).toBool(), false);
        QVERIFY(!printer->isBusy());
        QTest::qWait(300);
        QVERIFY(shown.isEmpty());
        QVERIFY(!printer->previewDialog());
        QVERIFY(f.view->isCommandEnabled(Cmd::PrintPreview));
    }
};

int main(int argc, char *argv[])
{
    // The page's schemes must be known before the application object exists.
    COrdoApp::RegisterUrlSchemes();
    QApplication app(argc, argv);
    PageSliceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "pageslice_test.moc"
