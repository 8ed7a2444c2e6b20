#include "catalog/bookid.h"
#include "app/apppaths.h"
#include "app/commandids.h"
#include "app/ordoapp.h"
#include "app/registrykey.h"
#include "app/strings.h"
#include "catalog/bookrecord.h"
#include "catalog/imagesfolder.h"
#include "catalog/ordodoc.h"
#include "page/ordohtmlview.h"
#include "page/ordowebpage.h"
#include "page/pageprinter.h"
#include "page/printpreviewdlg.h"
#include "page/pagescript.h"
#include "page/pagetarget.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineScript>

namespace {

constexpr int kWait = 20000; // WebEngine is slow to start on a busy machine

const QString kSettingsKey = QStringLiteral("Software\\Quenlow\\Ordo\\Settings");
const QString kTitle = QStringLiteral("The Left Hand of Darkness");
const QString kPageTitle = QStringLiteral("Ordoteca Book Information");

QStringList fileTitles(const QString &folder, const QString &pattern)
{
    QStringList titles;
    for (const QFileInfo &info : QDir(folder).entryInfoList({pattern}, QDir::Files, QDir::Name))
        titles << info.completeBaseName();
    return titles;
}

// A catalogue with one book saved the way the program saves it: a cover, a
// web address, a related link to a real file, and a description that tries
// to run scripts, re-direct the page and open a window.
struct PageFixture
{
    TestSettings settings;
    RecordingMessenger messenger;
    TestCatalog cat;
    COrdoDoc doc;
    QTemporaryDir work;
    QStringList styles = fileTitles(AppFolder() + "Styles/CSS", "*.css");
    QStringList templates = fileTitles(AppFolder() + "Styles", "*.xsl");
    std::unique_ptr<COrdoHtmlView> view;
    QStringList opened;
    bool openerResult = true;
    int bookId = 0;
    QString linkPath;

    explicit PageFixture(const QStringList &extraTemplates = {}, bool show = true)
    {
        templates << extraTemplates;
        // The detailed template shows everything a book holds.
        CRegistryKey key;
        key.SetKey(kSettingsKey, true);
        key.WriteInt("XSL", int(templates.indexOf("DetailsEnu")));
        if (!doc.OnOpenDocument(cat.path()))
            qFatal("cannot open the test catalogue");
        saveBook();
        makeView(show);
    }

    void saveBook()
    {
        QImage cover(40, 60, QImage::Format_RGB32);
        cover.fill(Qt::darkRed);
        const QString coverSource = work.filePath("cover.png");
        cover.save(coverSource);
        linkPath = work.filePath("review notes.txt");
        QFile link(linkPath);
        link.open(QIODevice::WriteOnly);
        link.write("a review\n");
        link.close();

        CBookRecord r;
        r.Title = kTitle;
        r.Author = "Ursula K. Le Guin";
        r.URL = "https://example.org/book";
        r.Description =
            "<p id=\"intro\">Winter is a planet.</p>"
            "<script>document.title='pwned by script'</script>"
            "<img id=\"broken\" src=\"missing-picture.png\" onerror=\"document.title='pwned by handler'\">"
            "<meta http-equiv=\"refresh\" content=\"0;url=https://example.org/refresh\">"
            "<p><a id=\"popup\" href=\"https://example.org/popup\" target=\"_blank\">popup</a>"
            " <a id=\"about\" href=\"about:version\">about</a></p>";
        r.newFrontCoverSource = coverSource;
        r.links.append(CLinkEntry{QString(), "Review", linkPath, QString()});
        if (!r.Save(true, 1, ImagesFolder(), cat.connection()))
            qFatal("cannot save the test book");
        bookId = cat.count("SELECT MAX(BookID) FROM book");
    }

    void makeView(bool show)
    {
        view = std::make_unique<COrdoHtmlView>(&doc, styles, templates);
        view->setOpener([this](const QString &target) {
            opened << target;
            return openerResult;
        });
        view->resize(900, 700);
        if (show) {
            view->show();
            if (!QTest::qWaitForWindowExposed(view.get()))
                qWarning("the page view was not exposed");
        }
    }

    COrdoWebPage *page() const { return static_cast<COrdoWebPage *>(view->page()); }

    // Runs script in the pane's script world and waits for its result.
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
    QString text(const QString &script) { return eval(script).toString(); }
    QString bodyText() { return text("document.body.innerText"); }
    QString documentTitle() { return text("document.title"); }
    QString styleHref() { return text("document.getElementById('ordo-style-sheet').href"); }

    // Shows the selection and waits until the page holds it.
    bool display(const QVector<BookId> &books, bool reload = false)
    {
        doc.setSelectedBooks(books);
        return displayAfter([&] { view->ShowBookPage(reload); });
    }
    // Pages are built on a worker: an earlier display (the first welcome
    // page) may still report while the new page is being built.
    template <class Action> bool displayAfter(Action action)
    {
        bool done = false;
        const auto connection = QObject::connect(view.get(), &COrdoHtmlView::pageDisplayed, [&] {
            if (!view->isBuilding())
                done = true;
        });
        action();
        const bool shown = QTest::qWaitFor([&] { return done; }, kWait);
        QObject::disconnect(connection);
        return shown;
    }
    bool ready()
    {
        return QTest::qWaitFor([&] { return view->isBlankPageReady(); }, kWait);
    }
    QString coverFile() const { return ImagesFolder() + "/" + QString::number(bookId) + ".png"; }
};

} // namespace

class OrdoHtmlViewTest : public QObject
{
    Q_OBJECT

    // One fixture for all rows of a table-driven case: starting a page
    // costs seconds.
    PageFixture &shared()
    {
        if (!m_shared) {
            m_shared = std::make_unique<PageFixture>();
            m_sharedFor = QTest::currentTestFunction();
            if (!m_shared->ready() || !m_shared->display({m_shared->bookId}))
                qWarning("the shared page did not show its book");
        }
        return *m_shared;
    }

    std::unique_ptr<PageFixture> m_shared;
    QByteArray m_sharedFor;

private slots:
    void initTestCase()
    {
        SetAppFolder(TestCatalog::appDir());
        QStandardPaths::setTestModeEnabled(true);
    }
    void init()
    {
        if (m_shared && m_sharedFor != QTest::currentTestFunction())
            m_shared.reset();
    }
    void cleanupTestCase() { m_shared.reset(); }

    // The window closes while a page is being written: the script's
    // callback and the page's last signals must not reach the dying view
    // (the sanitizers run this test too).
    void destroyedWhileAPageIsBeingShown_isQuiet()
    {
        PageFixture f;
        QVERIFY(f.ready());
        QVERIFY(f.display({f.bookId}));
        f.doc.setSelectedBooks({f.bookId});
        f.view->ShowBookPage(true);
        f.view.reset();
        QTest::qWait(300);
        f.makeView(true);
        QVERIFY(f.ready());
        f.view->ShowBookPage(false);
        f.view.reset(); // before the blank page had any chance to load twice
        QTest::qWait(300);
        QVERIFY(f.messenger.messages.isEmpty());
    }

    void firstDisplayIsTheWelcomePage()
    {
        PageFixture f;
        QSignalSpy displayed(f.view.get(), &COrdoHtmlView::pageDisplayed);
        QVERIFY(f.ready());
        QTRY_VERIFY_WITH_TIMEOUT(!displayed.isEmpty(), kWait);
        QVERIFY(f.bodyText().contains("Welcome to Ordoteca"));
        QCOMPARE(f.documentTitle(), kPageTitle);
        QVERIFY(f.view->bookPage().Html().isEmpty());
        for (int id :
             {Cmd::SaveAsHtml, Cmd::SaveAsXml, Cmd::Refresh, Cmd::Print, Cmd::PrintPreview, Cmd::SelectAll}) {
            QVERIFY2(f.view->servesCommand(id), qPrintable(QString::number(id)));
            QVERIFY2(!f.view->isCommandEnabled(id), qPrintable(QString::number(id)));
        }
        QVERIFY(f.view->isCommandEnabled(Cmd::PageSetup));
        QVERIFY(f.messenger.messages.isEmpty());
    }

    void showsTheSelectedBookThenTheWelcomePageAgain()
    {
        PageFixture f;
        QVERIFY(f.ready());
        QVERIFY(f.display({f.bookId}));
        const QString body = f.bodyText();
        QVERIFY2(body.contains(kTitle), qPrintable(body));
        QVERIFY2(body.contains("Winter is a planet."),
                 qPrintable(f.view->bookPage().Html() + "\n----\n" +
                            f.text("document.documentElement.outerHTML")));
        QCOMPARE(f.documentTitle(), kPageTitle);
        for (int id : {Cmd::SaveAsHtml, Cmd::SaveAsXml, Cmd::Refresh, Cmd::Print, Cmd::PrintPreview,
                       Cmd::SelectAll, Cmd::PageSetup})
            QVERIFY2(f.view->isCommandEnabled(id), qPrintable(QString::number(id)));

        // The cover is a plain path: it displays because the page has a file base.
        QTRY_COMPARE_WITH_TIMEOUT(f.eval("(function () { var i = document.querySelector('img.cover');"
                                         " return i && i.complete ? i.naturalWidth : -1; })()")
                                      .toInt(),
                                  40, kWait);

        QVERIFY(f.display({}));
        QVERIFY(f.bodyText().contains("Welcome to Ordoteca"));
        QVERIFY(f.view->bookPage().Xml().isEmpty());
        QVERIFY(!f.view->isCommandEnabled(Cmd::SaveAsXml));
        QVERIFY(!f.view->isCommandEnabled(Cmd::Print));
    }

    void settingsChooseStyleAndTemplate_data()
    {
        QTest::addColumn<QVariant>("css");
        QTest::addColumn<QVariant>("xsl");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("templ"); // -1: the details template of the interface language
        QTest::newRow("missing") << QVariant() << QVariant() << 0 << -1;
        QTest::newRow("stored") << QVariant(2) << QVariant(1) << 2 << 1;
        QTest::newRow("negative") << QVariant(-1) << QVariant(-5) << 0 << -1;
        QTest::newRow("beyond the files") << QVariant(3) << QVariant(100) << 0 << -1;
    }
    void settingsChooseStyleAndTemplate()
    {
        QFETCH(QVariant, css);
        QFETCH(QVariant, xsl);
        QFETCH(int, style);
        QFETCH(int, templ);
        TestSettings settings;
        CRegistryKey key;
        QVERIFY(key.SetKey(kSettingsKey, true));
        if (css.isValid())
            QVERIFY(key.WriteInt("CSS", css.toInt()));
        if (xsl.isValid())
            QVERIFY(key.WriteInt("XSL", xsl.toInt()));
        COrdoDoc doc;
        const QStringList styles = fileTitles(AppFolder() + "Styles/CSS", "*.css");
        const QStringList templates = fileTitles(AppFolder() + "Styles", "*.xsl");
        QCOMPARE(styles.size(), 3);
        // Details and List in each interface language.
        QCOMPARE(templates.size(), 8);
        if (templ < 0)
            templ = int(templates.indexOf("DetailsEnu"));
        COrdoHtmlView view(&doc, styles, templates);
        QCOMPARE(view.currentStyle(), style);
        QCOMPARE(view.currentTemplate(), templ);
        QVERIFY(view.isCommandChecked(Cmd::StyleFirst + style));
        QVERIFY(!view.isCommandChecked(Cmd::StyleFirst + (style + 1) % 3));
        QVERIFY(view.isCommandChecked(Cmd::TemplateFirst + templ));
        QCOMPARE(view.currentStyleSheetPath(), AppFolder() + "Styles/CSS/" + styles.at(style) + ".css");
    }

    void styleAndTemplateSwitch()
    {
        PageFixture f;
        QVERIFY(f.ready());
        QVERIFY(f.display({f.bookId}));
        const QUrl first(f.styleHref());
        QCOMPARE(first.toLocalFile(), AppFolder() + "Styles/CSS/Classic.css");
        // The style sheet really applies (it loads after the display).
        QTRY_COMPARE_WITH_TIMEOUT(f.text("getComputedStyle(document.body).backgroundColor"),
                                  QString("rgb(251, 248, 241)"), kWait);

        QVERIFY(f.displayAfter([&] { f.view->runCommand(Cmd::StyleFirst + 2); }));
        QCOMPARE(f.view->currentStyle(), 2);
        const QUrl night(f.styleHref());
        QCOMPARE(night.adjusted(QUrl::RemoveQuery).toLocalFile(), AppFolder() + "Styles/CSS/Night.css");
        QTRY_COMPARE_WITH_TIMEOUT(f.text("getComputedStyle(document.body).backgroundColor"),
                                  QString("rgb(27, 30, 36)"), kWait);
        QVERIFY(f.view->isCommandChecked(Cmd::StyleFirst + 2));
        QVERIFY(!f.view->isCommandChecked(Cmd::StyleFirst));
        CRegistryKey key;
        QVERIFY(key.SetKey(kSettingsKey, false));
        QCOMPARE(key.ReadInt("CSS", -1), 2);
        QCOMPARE(f.eval("document.querySelectorAll('link#ordo-style-sheet').length").toInt(), 1);

        // Refresh reads the style sheet again under a new address.
        QVERIFY(f.displayAfter([&] { f.view->runCommand(Cmd::Refresh); }));
        const QUrl refreshed(f.styleHref());
        QCOMPARE(refreshed.adjusted(QUrl::RemoveQuery), night.adjusted(QUrl::RemoveQuery));
        QVERIFY(refreshed != night);

        // Another template rebuilds the page and leaves the style sheet alone.
        const int compact = f.templates.indexOf("ListEnu");
        QVERIFY(compact >= 0);
        const QString before = f.view->bookPage().Html();
        QVERIFY(f.displayAfter([&] { f.view->runCommand(Cmd::TemplateFirst + compact); }));
        QCOMPARE(f.view->currentTemplate(), compact);
        QVERIFY(f.view->bookPage().Html() != before);
        QVERIFY(f.bodyText().contains(kTitle));
        QCOMPARE(QUrl(f.styleHref()), refreshed);
        QCOMPARE(key.ReadInt("XSL", -1), compact);
        QVERIFY(f.view->isCommandChecked(Cmd::TemplateFirst + compact));
    }

    void clickedAddressesOpenOutside_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("expected"); // %I images folder, %B book id, %L link path
        QTest::newRow("web address") << "https://example.org/a?b=c"
                                     << "https://example.org/a?b=c";
        QTest::newRow("cover") << "ordocover://%I/%B.png"
                               << "%I/%B.png";
        QTest::newRow("cover, trailing slash, other folder") << "ordocover:///elsewhere/pictures/%B.png/"
                                                             << "%I/%B.png";
        QTest::newRow("related link") << "ordolink://%B/1"
                                      << "%L";
        QTest::newRow("related link gone") << "ordolink://%B/9"
                                           << "%B/9";
        QTest::newRow("book number beyond 255") << "ordolink://4660/2"
                                                << "4660/2";
        QTest::newRow("file") << "file:///tmp/some%20file.pdf"
                              << "/tmp/some file.pdf";
    }
    void clickedAddressesOpenOutside()
    {
        QFETCH(QString, address);
        QFETCH(QString, expected);
        PageFixture *f = &shared();
        QVERIFY(f->view->isBlankPageReady());
        const auto fill = [&](QString text) {
            return text.replace("%I", ImagesFolder())
                .replace("%B", QString::number(f->bookId))
                .replace("%L", f->linkPath);
        };
        f->opened.clear();
        QVERIFY(!f->page()->acceptNavigationRequest(QUrl(fill(address)),
                                                    QWebEnginePage::NavigationTypeLinkClicked, true));
        QTRY_COMPARE_WITH_TIMEOUT(f->opened, QStringList{fill(expected)}, kWait);
        QVERIFY(f->messenger.messages.isEmpty());
        QVERIFY(f->bodyText().contains(kTitle));
    }

    void onlyClicksAreOpened()
    {
        PageFixture f;
        QVERIFY(f.ready());
        QVERIFY(f.display({f.bookId}));
        COrdoWebPage *page = f.page();
        const QUrl web("https://example.org/x");
        QVERIFY(!page->acceptNavigationRequest(web, QWebEnginePage::NavigationTypeRedirect, true));
        QVERIFY(!page->acceptNavigationRequest(web, QWebEnginePage::NavigationTypeFormSubmitted, true));
        QVERIFY(!page->acceptNavigationRequest(web, QWebEnginePage::NavigationTypeOther, true));
        QVERIFY(!page->acceptNavigationRequest(web, QWebEnginePage::NavigationTypeTyped, true));
        QVERIFY(!page->acceptNavigationRequest(web, QWebEnginePage::NavigationTypeLinkClicked, false));
        // The blank page itself loads once, when the pane asks for it.
        QVERIFY(!page->acceptNavigationRequest(page->blankPageUrl(),
                                               QWebEnginePage::NavigationTypeLinkClicked, true));
        QTest::qWait(100);
        QCOMPARE(f.opened, QStringList{page->blankPageUrl().toLocalFile()});
    }

    void clicksInThePageOpenOutside()
    {
        PageFixture f;
        QVERIFY(f.ready());
        QVERIFY(f.display({f.bookId}));
        const auto click = [&](const QString &selector) {
            return f
                .eval(QString("(function () { var a = document.querySelector('%1');"
                              " if (!a) return false; a.click(); return true; })()")
                          .arg(selector))
                .toBool();
        };
        QVERIFY(click("a.web-link"));
        QTRY_COMPARE_WITH_TIMEOUT(f.opened, QStringList{"https://example.org/book"}, kWait);
        QVERIFY(click("a.cover-link"));
        QTRY_COMPARE_WITH_TIMEOUT(f.opened.size(), 2, kWait);
        QCOMPARE(f.opened.at(1), f.coverFile());
        QVERIFY(click("a.related-link"));
        QTRY_COMPARE_WITH_TIMEOUT(f.opened.size(), 3, kWait);
        QCOMPARE(f.opened.at(2), f.linkPath);

        // A link with a target window opens outside too, and no window
        // appears. The engine opens windows only for a user's click.
        const QWidgetList windows = QApplication::topLevelWidgets();
        f.eval("document.getElementById('popup').scrollIntoView()");
        // The first click may come before the scrolled page is hit-tested.
        for (int attempt = 0; attempt < 10 && f.opened.size() < 4; ++attempt) {
            const QVariantList box =
                f.eval("(function () { var r = document.getElementById('popup')"
                       ".getBoundingClientRect(); return [r.left, r.top, r.width, r.height]; })()")
                    .toList();
            QCOMPARE(box.size(), 4);
            const QPoint centre(int(box.at(0).toDouble() + box.at(2).toDouble() / 2),
                                int(box.at(1).toDouble() + box.at(3).toDouble() / 2));
            QTest::mouseClick(f.view->focusProxy(), Qt::LeftButton, {}, centre);
            (void)QTest::qWaitFor([&] { return f.opened.size() >= 4; }, 1000);
        }
        QTRY_COMPARE_WITH_TIMEOUT(f.opened.size(), 4, kWait);
        QCOMPARE(f.opened.at(3), QString("https://example.org/popup"));
        for (QWidget *window : QApplication::topLevelWidgets())
            QVERIFY(windows.contains(window));

        QCOMPARE(QUrl(f.text("location.href")), f.page()->blankPageUrl());
        QVERIFY(f.bodyText().contains(kTitle));
        QVERIFY(f.messenger.messages.isEmpty());

        // The engine blocks an about: link by replacing the page; the pane
        // loads its blank page again and shows the book once more.
        QSignalSpy displayed(f.view.get(), &COrdoHtmlView::pageDisplayed);
        QVERIFY(click("a#about"));
        QVERIFY(displayed.wait(kWait) || !displayed.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(f.view->isBlankPageReady(), kWait);
        QCOMPARE(f.view->page()->url(), f.page()->blankPageUrl());
        QVERIFY(f.bodyText().contains(kTitle));
        QCOMPARE(f.opened.size(), 4);
    }

    void failingOpenerShowsTheTarget()
    {
        PageFixture f;
        QVERIFY(f.ready());
        QVERIFY(f.display({f.bookId}));
        f.openerResult = false;
        f.view->OpenPageAddress(QString("ordolink://%1/7").arg(f.bookId));
        QCOMPARE(f.messenger.messages,
                 QStringList{"Operation failed. Please make sure the following is a valid path:\n" +
                             QString("%1/7").arg(f.bookId)});
        QVERIFY(f.bodyText().contains(kTitle));
    }

    void contentRunsNoScripts()
    {
        PageFixture f;
        QVERIFY(f.ready());
        QVERIFY(f.display({f.bookId}));
        // Wait until the broken picture has failed, which fires its handler
        // when scripts run.
        QTRY_VERIFY_WITH_TIMEOUT(f.eval("document.getElementById('broken').complete").toBool(), kWait);
        QTest::qWait(300);
        QCOMPARE(f.documentTitle(), kPageTitle);
        // The refresh tag in the description is cancelled without a word.
        QVERIFY(f.opened.isEmpty());
        QCOMPARE(QUrl(f.text("location.href")), f.page()->blankPageUrl());
    }

    void jsStringLiteralRoundTrips_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("quotes") << QString("say \"hi\" and 'bye'");
        QTest::newRow("backslashes") << QString("C:\\Books\\a\\\\b\\");
        QTest::newRow("lines") << QString("one\ntwo\r\nthree\tfour");
        QTest::newRow("controls") << QString::fromUtf16(u"a\u0000b\u0001c\u001fd\u007fe");
        QTest::newRow("line terminators") << QString::fromUtf16(u"x\u2028y\u2029z");
        QTest::newRow("script end") << QString("</script><script>alert(1)</script>");
        QTest::newRow("non-ascii") << QString::fromUtf16(u"Ça \u4e2d\u6587 \U0001F4DA");
    }
    void jsStringLiteralRoundTrips()
    {
        QFETCH(QString, text);
        PageFixture &f = shared();
        const QVariant value = f.eval(JsStringLiteral(text));
        QCOMPARE(value.toString(), text);
    }

    void savesAsHtmlAndXml()
    {
        PageFixture f;
        QVERIFY(f.ready());
        QVERIFY(f.display({f.bookId}));
        QStringList asked;
        QString answer;
        f.view->setSaveDialog([&](QWidget *, const QString &, const QString &filter, const QString &suffix) {
            asked << filter + "|" + suffix;
            return answer;
        });

        answer = f.work.filePath("page.htm");
        f.view->runCommand(Cmd::SaveAsHtml);
        answer = f.work.filePath("page.xml");
        f.view->runCommand(Cmd::SaveAsXml);
        QCOMPARE(asked, (QStringList{"HTML Files (*.htm *.html)|htm", "XML Files (*.xml)|xml"}));

        QFile html(f.work.filePath("page.htm"));
        QVERIFY(html.open(QIODevice::ReadOnly));
        const QByteArray htmlBytes = html.readAll();
        QVERIFY(htmlBytes.startsWith("<HTML>\r\n"));
        QVERIFY(htmlBytes.contains(kTitle.toUtf8()));
        QVERIFY(htmlBytes.contains(f.view->currentStyleSheetPath().toUtf8()));
        QVERIFY(htmlBytes.contains(f.linkPath.toUtf8()));
        QVERIFY(!htmlBytes.contains("ordocover://"));
        QVERIFY(!htmlBytes.contains("ordolink://"));
        QFile xml(f.work.filePath("page.xml"));
        QVERIFY(xml.open(QIODevice::ReadOnly));
        const QByteArray xmlBytes = xml.readAll();
        QVERIFY(xmlBytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"));
        QVERIFY(xmlBytes.contains("<Title>" + kTitle.toUtf8() + "</Title>"));

        // Cancelling writes nothing; a file that cannot be written is reported.
        answer.clear();
        f.view->runCommand(Cmd::SaveAsHtml);
        QCOMPARE(QDir(f.work.path()).entryList({"*.htm", "*.xml"}).size(), 2);
        QVERIFY(f.messenger.messages.isEmpty());
        answer = f.work.filePath("no such folder/page.xml");
        f.view->runCommand(Cmd::SaveAsXml);
        QCOMPARE(f.messenger.messages, QStringList{"Cannot open file for writing."});
    }

    void missingTemplateShowsTheWelcomePage()
    {
        PageFixture f({"NoSuchTemplate"});
        QVERIFY(f.ready());
        QVERIFY(f.display({f.bookId}));
        QVERIFY(f.bodyText().contains(kTitle));
        QVERIFY(f.displayAfter([&] { f.view->SelectTemplate(f.templates.size() - 1); }));
        QCOMPARE(f.messenger.messages, QStringList{"Failed to load XSL."});
        QVERIFY(f.bodyText().contains("Welcome to Ordoteca"));
        QVERIFY(f.view->bookPage().Html().isEmpty());
        QVERIFY(f.view->bookPage().Xml().isEmpty());
        for (int id : {Cmd::SaveAsHtml, Cmd::SaveAsXml, Cmd::Refresh, Cmd::Print, Cmd::SelectAll})
            QVERIFY(!f.view->isCommandEnabled(id));
    }

    void selectAllThenCopy()
    {
        PageFixture f;
        QVERIFY(f.ready());
        QVERIFY(f.display({f.bookId}));
        f.view->setFocus();
        f.view->runCommand(Cmd::SelectAll);
        QTRY_VERIFY_WITH_TIMEOUT(f.text("window.getSelection().toString()").contains(kTitle), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(f.view->isCommandEnabled(Cmd::Copy), kWait);
        QApplication::clipboard()->clear();
        f.view->runCommand(Cmd::Copy);
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::clipboard()->text().contains(kTitle), kWait);
        // A new display starts without a selection.
        QVERIFY(f.display({f.bookId}));
        QTRY_VERIFY_WITH_TIMEOUT(f.text("window.getSelection().toString()").isEmpty(), kWait);
    }

    void contextMenuIsTheFramesPopup()
    {
        PageFixture f;
        QVERIFY(f.ready());
        QVERIFY(f.display({f.bookId}));
        QSignalSpy spy(f.view.get(), &COrdoHtmlView::contextMenuRequested);
        QWidget *surface = f.view->focusProxy();
        QVERIFY(surface);
        const QPoint at(200, 150);
        QTest::mouseClick(surface, Qt::RightButton, {}, at);
        if (!spy.wait(kWait) && spy.isEmpty())
            QSKIP("the offscreen platform delivered no context menu request");
        QCOMPARE(spy.constFirst().at(0).toString(), QString("Html"));
        QCOMPARE(spy.constFirst().at(1).toPoint(), surface->mapToGlobal(at));
    }

    void printsToPdf()
    {
        PageFixture f({}, false);
        QVERIFY(f.ready());
        QVERIFY(f.display({f.bookId}));
        const QString pdf = f.work.filePath("page.pdf");
        f.view->setPrintDialog([&](QPrinter *printer, QWidget *) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return true;
        });
        f.view->runCommand(Cmd::Print);
        QVERIFY(f.view->isPrinting());
        QVERIFY(!f.view->isCommandEnabled(Cmd::Print));
        QTRY_VERIFY_WITH_TIMEOUT(!f.view->isPrinting(), kWait);
        QVERIFY(f.messenger.messages.isEmpty());
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.size() > 1000);

        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the book title in the PDF was not checked");
        QProcess extract;
        extract.start(pdftotext, {pdf, "-"});
        QVERIFY(extract.waitForFinished(kWait));
        QVERIFY(QString::fromUtf8(extract.readAllStandardOutput()).contains(kTitle));
    }

    // The preview shows the page's PDF; Print from it prints the same page,
    // and Page Setup makes the pages again with the new layout.
    void printPreviewShowsThePageAndPrintsFromIt()
    {
        PageFixture f;
        QVERIFY(f.ready());
        QVERIFY(f.display({f.bookId}));
        CPagePrinter *printer = f.view->pagePrinter();
        QSignalSpy shown(printer, &CPagePrinter::previewShown);
        f.view->runCommand(Cmd::PrintPreview);
        QVERIFY(shown.wait(kWait) || !shown.isEmpty());
        CPrintPreviewDlg *dialog = printer->previewDialog();
        QVERIFY(dialog && dialog->isVisible());
        QVERIFY(dialog->pageCount() > 0);
        const QImage picture = dialog->renderPage(0, 400);
        QVERIFY(!picture.isNull());
        // Something is drawn on the page: not every pixel is the paper's.
        const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
        int inked = 0;
        for (int y = 0; y < grey.height(); ++y)
            for (int x = 0; x < grey.width(); ++x)
                inked += grey.constScanLine(y)[x] < 128;
        QVERIFY(inked > 50);
        QVERIFY(f.messenger.messages.isEmpty());

        const QString pdf = f.work.filePath("from-preview.pdf");
        int dialogs = 0;
        f.view->setPrintDialog([&](QPrinter *target, QWidget *) {
            ++dialogs;
            target->setOutputFormat(QPrinter::PdfFormat);
            target->setOutputFileName(pdf);
            return true;
        });
        auto *print = dialog->findChild<QPushButton *>("buttonPrint");
        QVERIFY(print);
        print->click();
        QTRY_VERIFY_WITH_TIMEOUT(!printer->previewDialog(), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(dialogs == 1 && !printer->isBusy(), kWait);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF-"));
        QVERIFY(f.messenger.messages.isEmpty());
    }

    void displaysAThousandBooks()
    {
        PageFixture f({}, false);
        QVERIFY(f.ready());
        // Each book carries a long description: the page runs to megabytes,
        // more than a data: address could carry.
        const QString description = QString("<p>%1</p>").arg(QString("A long description. ").repeated(150));
        {
            Transaction transaction(f.cat.connection());
            for (int i = 0; i < 999; ++i)
                f.cat.exec(
                    QString("INSERT INTO book (BookID, Title, Description) VALUES (%1, 'Book %1', '%2')")
                        .arg(f.bookId + 1 + i)
                        .arg(description));
            QVERIFY(transaction.commit());
        }
        QVector<BookId> books;
        for (int i = 0; i < 1000; ++i)
            books << f.bookId + i;
        QVERIFY(f.display(books));
        // The first slice, then every book through the page's own link.
        QCOMPARE(f.eval("document.querySelectorAll('div.book').length").toInt(), 200);
        QVERIFY(f.displayAfter([&] {
            QVERIFY(!f.page()->acceptNavigationRequest(QUrl("ordoslice://all"),
                                                       QWebEnginePage::NavigationTypeLinkClicked, true));
        }));
        QTRY_VERIFY_WITH_TIMEOUT(!f.view->isBuilding(), kWait);
        QVERIFY(f.view->bookPage().Html().size() > 2 * 1024 * 1024);
        QCOMPARE(f.eval("document.querySelectorAll('div.book').length").toInt(), 1000);
        QVERIFY(f.text("document.body.innerText").contains("Book 999"));
    }

    void addressTexts_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("text");
        QTest::newRow("link") << "ordolink://12/3"
                              << "ordolink://12/3";
        QTest::newRow("big book number") << "ordolink://70000/12"
                                         << "ordolink://70000/12";
        QTest::newRow("cover") << "ordocover:///a%20b/c.jpg"
                               << "ordocover:///a b/c.jpg";
        QTest::newRow("file") << "file:///a%20b/c.pdf"
                              << "/a b/c.pdf";
        QTest::newRow("web") << "https://example.org/p?q=1"
                             << "https://example.org/p?q=1";
    }
    void addressTexts()
    {
        QFETCH(QString, url);
        QFETCH(QString, text);
        QCOMPARE(PageAddressText(QUrl(url)), text);
    }

    void targetsTheDesktopCanOpen_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("url"); // empty: refused
        const QString existing = QDir::tempPath();
        QTest::newRow("web") << "https://example.org/a b"
                             << "https://example.org/a%20b";
        QTest::newRow("www") << "www.example.org"
                             << "http://www.example.org";
        QTest::newRow("mail") << "mailto:someone@example.org"
                              << "mailto:someone@example.org";
        QTest::newRow("existing folder") << existing << QUrl::fromLocalFile(existing).toString();
        QTest::newRow("existing file url")
            << QUrl::fromLocalFile(existing).toString() << QUrl::fromLocalFile(existing).toString();
        QTest::newRow("missing file") << "/no/such/file.pdf" << QString();
        QTest::newRow("missing file url") << "file:///no/such/file.pdf" << QString();
        QTest::newRow("gone link") << "12/3" << QString();
        QTest::newRow("windows drive") << "C:\\Books\\a.pdf" << QString();
        QTest::newRow("empty") << "  " << QString();
    }
    void targetsTheDesktopCanOpen()
    {
        QFETCH(QString, target);
        QFETCH(QString, url);
        const QUrl result = PageTargetUrl(target);
        if (url.isEmpty())
            QVERIFY2(!result.isValid(), qPrintable(result.toString()));
        else
            QCOMPARE(result.toString(QUrl::FullyEncoded), url);
    }
};

int main(int argc, char *argv[])
{
    // The page's schemes must be known before the application object exists.
    COrdoApp::RegisterUrlSchemes();
    QApplication app(argc, argv);
    OrdoHtmlViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ordohtmlview_test.moc"
