#include "app/apppaths.h"
#include "app/commandids.h"
#include "app/commandtarget.h"
#include "app/helpwindow.h"
#include "app/mainframe.h"
#include "app/registrykey.h"
#include "app/welcomepage.h"
#include "app/windowstate.h"
#include "browse/ordolistview.h"
#include "catalog/ordodoc.h"
#include "recordingmessenger.h"
#include "urlcatcher.h"
#include "testcatalog.h"
#include "testsettings.h"

#include <QApplication>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QSplitter>
#include <QTest>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

// Records the commands the welcome links run.
class CommandRecorder : public ICommandTarget
{
public:
    bool servesCommand(int id) const override { return id == Cmd::NewDatabase || id == Cmd::OpenDatabase; }
    bool isCommandEnabled(int) const override { return true; }
    void runCommand(int id) override { runs << id; }
    QList<int> runs;
};

const char kWindowKey[] = "Software\\Quenlow\\Ordo\\Settings\\Window";

} // namespace

class MainFrameWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SetAppFolder(TestCatalog::appDir()); }

    // Size, maximised state, splitters and column widths come back on the
    // next run, stored under Settings\Window.
    void windowState_roundTrip()
    {
        TestSettings settings;
        QList<int> outer, inner;
        int titleWidth = 0;
        {
            COrdoDoc doc;
            CMainFrame frame(&doc);
            QVERIFY(frame.create());
            frame.showAsRemembered();
            QVERIFY(QTest::qWaitForWindowExposed(&frame));
            frame.showNormal();
            frame.setGeometry(60, 50, 900, 640);
            QTRY_COMPARE(frame.size(), QSize(900, 640));
            frame.outerSplitter()->setSizes({260, 600});
            frame.innerSplitter()->setSizes({180, 400});
            frame.listView()->horizontalHeader()->resizeSection(0, 333);
            outer = frame.outerSplitter()->sizes();
            inner = frame.innerSplitter()->sizes();
            titleWidth = frame.listView()->horizontalHeader()->sectionSize(0);
            QVERIFY(frame.close());
        }
        CRegistryKey key;
        QVERIFY(key.SetKey(kWindowKey, false));
        QCOMPARE(key.ReadInt("Maximized", -1), 0);
        QVERIFY(!key.ReadString("Geometry", QString()).isEmpty());

        COrdoDoc doc;
        CMainFrame frame(&doc);
        QVERIFY(frame.create());
        frame.showAsRemembered();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QVERIFY(!frame.isMaximized());
        QTRY_COMPARE(frame.size(), QSize(900, 640));
        QCOMPARE(frame.outerSplitter()->sizes(), outer);
        QCOMPARE(frame.innerSplitter()->sizes(), inner);
        QCOMPARE(frame.listView()->horizontalHeader()->sectionSize(0), titleWidth);

        // Maximised is remembered as such.
        frame.showMaximized();
        QTRY_VERIFY(frame.isMaximized());
        frame.close();
        CWindowState state;
        QVERIFY(state.Read());
        QVERIFY(state.maximised);
    }

    // A first run: maximised, and a normal size that is most of the screen
    // rather than a tiny window.
    void firstRun_maximisedAtASensibleSize()
    {
        TestSettings settings;
        COrdoDoc doc;
        CMainFrame frame(&doc);
        QVERIFY(frame.create());
        frame.showAsRemembered();
        QVERIFY(frame.isMaximized());
        const QRect normal = frame.normalGeometry();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(normal.width() >= qMin(800, screen.width()) && normal.height() >= qMin(560, screen.height()),
                 qPrintable(QStringLiteral("%1x%2").arg(normal.width()).arg(normal.height())));
        QVERIFY(screen.contains(normal));
    }

    // Damaged settings fall back to the first-run layout, silently.
    void damagedState_isIgnored()
    {
        TestSettings settings;
        CRegistryKey key;
        QVERIFY(key.SetKey(kWindowKey, true));
        key.WriteString("Geometry", "bm90IGEgZ2VvbWV0cnk=");
        key.WriteString("OuterSplitter", "abc,-5");
        key.WriteString("ListColumns", "1,2");
        COrdoDoc doc;
        CMainFrame frame(&doc);
        QVERIFY(frame.create());
        const int before = frame.listView()->horizontalHeader()->sectionSize(0);
        frame.showAsRemembered();
        QVERIFY(frame.isMaximized());
        QCOMPARE(frame.listView()->horizontalHeader()->sectionSize(0), before);
    }

    // No catalogue: the welcome page with its two links; they run New and
    // Open Database. An open catalogue shows the panes instead.
    void welcomePage_untilACatalogueIsOpen()
    {
        TestSettings settings;
        RecordingMessenger messages;
        COrdoDoc doc;
        CMainFrame frame(&doc);
        QVERIFY(frame.create());
        CommandRecorder app;
        frame.addCommandTarget(&app);
        QVERIFY(frame.isWelcomeShown());

        auto *create = frame.welcomePage()->findChild<QLabel *>("linkNew");
        auto *open = frame.welcomePage()->findChild<QLabel *>("linkOpen");
        QVERIFY(create && open);
        QVERIFY(create->text().contains("Create a new catalogue..."));
        QVERIFY(open->text().contains("Open a catalogue..."));
        emit create->linkActivated("new");
        emit open->linkActivated("open");
        QCOMPARE(app.runs, (QList<int>{Cmd::NewDatabase, Cmd::OpenDatabase}));

        TestCatalog cat(QStringLiteral("Bücher 书.mdb"));
        QVERIFY(doc.OnOpenDocument(cat.path()));
        QVERIFY(!frame.isWelcomeShown());
    }

    // F1 and Help Topics open the guide in the program's own window with
    // scripts off, whatever the desktop's handler for HTML files is; Help >
    // User Guide in Web Browser hands it to the desktop, and when nothing
    // takes it says so and shows it in the own window instead.
    void help_opensInItsOwnWindow()
    {
        TestSettings settings;
        RecordingMessenger recorder;
        COrdoDoc doc;
        CMainFrame frame(&doc);
        QVERIFY(frame.create());
        QList<QUrl> asked;
        bool desktopOpens = true;
        frame.setUrlOpener([&](const QUrl &url) {
            asked << url;
            return desktopOpens;
        });
        const QUrl guide = QUrl::fromLocalFile(AppFolder() + "docs/index.html");

        QVERIFY(frame.router().run(Cmd::HelpInBrowser));
        QCOMPARE(asked, QList<QUrl>{guide});
        QVERIFY(!frame.helpWindow());
        QVERIFY(recorder.messages.isEmpty());

        desktopOpens = false;
        QVERIFY(frame.router().run(Cmd::HelpInBrowser));
        QCOMPARE(asked.size(), 2);
        QCOMPARE(recorder.messages, QStringList{"Unable to open hyperlink:\n\n" + guide.toLocalFile()});
        QVERIFY(frame.helpWindow() && frame.helpWindow()->isVisible());
        frame.helpWindow()->close();

        desktopOpens = true;
        QVERIFY(frame.router().run(Cmd::ContextHelp));
        QVERIFY(frame.router().run(Cmd::HelpTopics));
        QCOMPARE(asked.size(), 2); // the desktop was not asked again
        QVERIFY(frame.helpWindow());
        QVERIFY(frame.helpWindow()->isVisible());
        QWebEngineView *view = frame.helpWindow()->view();
        QVERIFY(!view->settings()->testAttribute(QWebEngineSettings::JavascriptEnabled));
        QTRY_COMPARE_WITH_TIMEOUT(view->title(), QString("Ordoteca User Guide"), 30000);
        QCOMPARE(view->url(), guide);
        QCOMPARE(frame.helpWindow()->windowTitle(), QString("Ordoteca User Guide"));

        // A web address the guide names goes to the desktop's browser; the
        // window stays on the guide.
        UrlCatcher browser;
        QDesktopServices::setUrlHandler("https", &browser, "open");
        const auto unset = qScopeGuard([] { QDesktopServices::unsetUrlHandler("https"); });
        view->load(QUrl("https://www.sqlite.org/lang.html"));
        QTRY_COMPARE_WITH_TIMEOUT(browser.urls, QList<QUrl>{QUrl("https://www.sqlite.org/lang.html")}, 10000);
        QCOMPARE(view->url(), guide);
    }
};

QTEST_MAIN(MainFrameWindowTest)
#include "mainframewindow_test.moc"
