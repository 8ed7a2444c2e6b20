#include "app/aboutdlg.h"
#include "app/apppaths.h"
#include "app/commandids.h"
#include "app/languagetable.h"
#include "app/mainframe.h"
#include "app/messageboxmessenger.h"
#include "app/ordoapp.h"
#include "app/recentfilelist.h"
#include "app/registrykey.h"
#include "app/welcomepage.h"
#include "app/strings.h"
#include "catalog/ordodoc.h"
#include "page/ordohtmlview.h"
#include "recordingmessenger.h"
#include "urlcatcher.h"
#include "testcatalog.h"
#include "copytree.h"
#include "testsettings.h"
#include "widgets/urllabel.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWebEngineUrlScheme>

namespace {

const QString kLrelease = QStringLiteral("/usr/lib/qt6/bin/lrelease");

void setLanguageSetting(const QString &code)
{
    CRegistryKey key;
    QVERIFY(key.SetKey(QStringLiteral("Software\\Quenlow\\Ordo\\Settings"), true));
    QVERIFY(key.WriteString(QStringLiteral("UILanguage"), code));
}

void setRecentSetting(const QStringList &paths)
{
    CRecentFileList list;
    for (auto it = paths.crbegin(); it != paths.crend(); ++it)
        list.Add(*it);
}

// Answers the next message box that opens, whichever way it was opened.
void answerNextBox(QMessageBox::StandardButton button, QString *text = nullptr, QWidget **parent = nullptr)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [=] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box || !box->isVisible())
                continue;
            if (text)
                *text = box->text();
            if (parent)
                *parent = box->parentWidget();
            timer->deleteLater();
            box->button(button)->click();
            return;
        }
    });
    timer->start();
}

} // namespace

class OrdoAppTest : public QObject
{
    Q_OBJECT

private:
    // A fresh application folder: template, styles and the test translation.
    std::unique_ptr<QTemporaryDir> m_appDir;
    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<RecordingMessenger> m_messages;
    QTemporaryDir m_qmDir; // the test translation, compiled once
    bool m_haveItalian = false;
    int m_openDialogCalls = 0;
    bool m_frameShownAtDialog = false;
    QString m_openAnswer;
    QString m_saveAnswer;

    std::unique_ptr<COrdoApp> makeApp()
    {
        auto app = std::make_unique<COrdoApp>();
        app->setApplicationFolder(m_appDir->path());
        app->setUseMessageBoxes(false);
        app->setOpenFileDialog([this](QWidget *parent, const QString &) {
            ++m_openDialogCalls;
            m_frameShownAtDialog = parent && parent->isVisible();
            return m_openAnswer;
        });
        app->setSaveFileDialog([this](QWidget *, const QString &) { return m_saveAnswer; });
        return app;
    }

    QString title(COrdoApp &app) { return app.mainFrame()->windowTitle(); }

private slots:
    void initTestCase()
    {
        if (!QFileInfo(kLrelease).isExecutable())
            return;
        QProcess process;
        process.start(kLrelease, {QStringLiteral(ORDO_TEST_DATADIR "/lang/OrdoResIta.ts"),
                                  QStringLiteral("-qm"), m_qmDir.filePath(QStringLiteral("OrdoResIta.qm"))});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        m_haveItalian = true;
    }

    void init()
    {
        m_appDir = std::make_unique<QTemporaryDir>();
        QFile::copy(TestCatalog::templatePath(), m_appDir->filePath(QStringLiteral("ordo.dbt")));
        CopyTree(TestCatalog::appDir() + QStringLiteral("/Styles"),
                 m_appDir->filePath(QStringLiteral("Styles")));
        QDir().mkpath(m_appDir->filePath(QStringLiteral("Languages")));
        if (m_haveItalian)
            QVERIFY(QFile::copy(m_qmDir.filePath(QStringLiteral("OrdoResIta.qm")),
                                m_appDir->filePath(QStringLiteral("Languages/OrdoResIta.qm"))));
        m_settings = std::make_unique<TestSettings>();
        m_messages = std::make_unique<RecordingMessenger>();
        m_openDialogCalls = 0;
        m_frameShownAtDialog = false;
        m_openAnswer.clear();
        m_saveAnswer.clear();
    }

    void cleanup()
    {
        m_messages.reset();
        m_settings.reset();
        m_appDir.reset();
    }

    void linkSchemesAreRegistered()
    {
        for (const char *name : {"ordocover", "ordolink"}) {
            const QWebEngineUrlScheme scheme = QWebEngineUrlScheme::schemeByName(name);
            QCOMPARE(scheme.name(), QByteArray(name));
            QCOMPARE(scheme.syntax(), QWebEngineUrlScheme::Syntax::Path);
        }
    }

    void interfaceLanguage_data()
    {
        QTest::addColumn<QString>("setting"); // "<missing>" writes nothing
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("translated");
        QTest::newRow("missing") << "<missing>"
                                 << "Enu" << false;
        QTest::newRow("empty") << ""
                               << "Enu" << false;
        QTest::newRow("built-in English") << "Enu"
                                          << "Enu" << false;
        QTest::newRow("lower case is another code") << "enu"
                                                    << "enu" << false;
        QTest::newRow("no file for the code") << "Deu"
                                              << "Deu" << false;
        QTest::newRow("Italian") << "Ita"
                                 << "Ita" << true;
    }
    void interfaceLanguage()
    {
        QFETCH(QString, setting);
        QFETCH(QString, code);
        QFETCH(bool, translated);
        if (translated && !m_haveItalian)
            QSKIP("lrelease is not installed (/usr/lib/qt6/bin/lrelease): the translated start-up is not "
                  "tested");
        if (setting != QLatin1String("<missing>"))
            setLanguageSetting(setting);

        auto app = makeApp();
        QVERIFY(app->InitInstance());
        QCOMPARE(app->languageCode(), code);
        QCOMPARE(UILanguageCode(), code);
        QCOMPARE(app->translationLoaded(), translated);
        const QString english = translated ? QStringLiteral("Inglese") : QStringLiteral("English");
        QCOMPARE(LoadStr(IDS_ENGLISH), english);
        QCOMPARE(LanguageDisplayName(QStringLiteral("Enu")), english);
        QCOMPARE(LanguageCodeOf(english), QStringLiteral("Enu"));
        QCOMPARE(m_messages->messages, QStringList()); // a missing language is silent
        // Counts take the plural forms of the language, English ones otherwise.
        const auto count = [](int n) {
            return QCoreApplication::translate("COrdoListView", "%n book(s); %1", nullptr, n)
                .arg(QCoreApplication::translate("COrdoListView", "%n selected", nullptr, 0));
        };
        QCOMPARE(count(1), translated ? QStringLiteral("1 libro; 0 selezionati")
                                      : QStringLiteral("1 book; 0 selected"));
        QCOMPARE(count(7), translated ? QStringLiteral("7 libri; 0 selezionati")
                                      : QStringLiteral("7 books; 0 selected"));

        app->ExitInstance();
        QCOMPARE(LoadStr(IDS_ENGLISH), QStringLiteral("English"));
    }

    // A first start has no template chosen: the page comes in the interface
    // language. English starts from nothing at all; the others from a
    // settings file that holds only the language.
    void firstStartPageFollowsTheInterfaceLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("lang");
        QTest::newRow("Enu") << "Enu" << "by" << "en";
        QTest::newRow("Chs") << "Chs" << QString::fromUtf8("作者：") << "zh-CN";
        QTest::newRow("Cht") << "Cht" << QString::fromUtf8("作者：") << "zh-TW";
        QTest::newRow("Ita") << "Ita" << "di" << "it";
    }
    void firstStartPageFollowsTheInterfaceLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QString, label);
        QFETCH(QString, lang);
        QVERIFY(!QFileInfo::exists(m_settings->iniPath()));
        if (code != QLatin1String("Enu"))
            setLanguageSetting(code);
        TestCatalog catalog(QStringLiteral("first.mdb"));
        catalog.exec(QString::fromUtf8("INSERT INTO book (BookID, Title, Author) VALUES (1, 'Ἰλιάς', 'Όμηρος')"));
        m_openAnswer = catalog.path();

        auto app = makeApp();
        QVERIFY(app->InitInstance());
        COrdoHtmlView *view = app->mainFrame()->htmlView();
        const QStringList templates = QDir(m_appDir->filePath(QStringLiteral("Styles")))
                                          .entryList({QStringLiteral("*.xsl")}, QDir::Files, QDir::Name);
        QCOMPARE(templates.value(view->currentTemplate()), QStringLiteral("Details%1.xsl").arg(code));
        QVERIFY(view->isCommandChecked(Cmd::TemplateFirst + view->currentTemplate()));

        // The page of a book carries the language's labels.
        app->document()->setSelectedBooks({1});
        view->ShowBookPage(false);
        QTRY_VERIFY_WITH_TIMEOUT(!view->isBuilding() && !view->bookPage().Html().isEmpty(), 20000);
        const QString html = view->bookPage().Html();
        QVERIFY2(html.contains(QStringLiteral("<span class=\"by\">%1 </span>").arg(label)), qPrintable(html.left(600)));
        QVERIFY2(html.contains(QStringLiteral("lang=\"%1\"").arg(lang)), qPrintable(html.left(600)));
        app->ExitInstance();
    }

    void emptyRecentListAsksForACatalogue()
    {
        auto app = makeApp();
        QVERIFY(app->InitInstance());
        QCOMPARE(m_openDialogCalls, 1);
        QVERIFY(m_frameShownAtDialog);
        QVERIFY(app->mainFrame()->isMaximized() || app->mainFrame()->windowState() & Qt::WindowMaximized);
        // Cancelled: the program runs with no catalogue and greets the user
        // with the ways to get one.
        QVERIFY(!app->document()->hasConnection());
        QCOMPARE(title(*app), QStringLiteral("Ordoteca"));
        QVERIFY(app->recentFiles().isEmpty());
        QCOMPARE(m_messages->messages, QStringList());
        QVERIFY(app->mainFrame()->isWelcomeShown());
        QVERIFY(app->mainFrame()->welcomePage()->isVisible());

        // Its Create link runs New Database: the catalogue made opens.
        m_saveAnswer = m_appDir->filePath(QStringLiteral("Première.mdb"));
        auto *create = app->mainFrame()->welcomePage()->findChild<QLabel *>(QStringLiteral("linkNew"));
        QVERIFY(create);
        emit create->linkActivated(QStringLiteral("new"));
        QVERIFY(app->document()->hasConnection());
        QVERIFY(!app->mainFrame()->isWelcomeShown());
        QCOMPARE(app->recentFiles(), QStringList{m_saveAnswer});
    }

    void chosenCatalogueIsOpenedAndRemembered()
    {
        TestCatalog catalog(QStringLiteral("home.mdb"));
        m_openAnswer = catalog.path();
        auto app = makeApp();
        QVERIFY(app->InitInstance());
        QCOMPARE(m_openDialogCalls, 1);
        QVERIFY(app->document()->hasConnection());
        QCOMPARE(app->document()->path(), catalog.path());
        QCOMPARE(title(*app), QStringLiteral("home.mdb - Ordoteca"));
        QCOMPARE(app->recentFiles(), QStringList{catalog.path()});
    }

    void mostRecentCatalogueIsOpenedAtStartUp()
    {
        TestCatalog catalog(QStringLiteral("last.mdb"));
        setRecentSetting({catalog.path(), QStringLiteral("/nowhere/older.mdb")});
        auto app = makeApp();
        QVERIFY(app->InitInstance());
        QCOMPARE(m_openDialogCalls, 0);
        QCOMPARE(app->document()->path(), catalog.path());
        QCOMPARE(title(*app), QStringLiteral("last.mdb - Ordoteca"));
        QCOMPARE(m_messages->messages, QStringList());
    }

    void commandLineCatalogueBecomesTheFirstRecentEntry()
    {
        TestCatalog catalog(QStringLiteral("given.mdb"));
        const QStringList older = {"/c/1.mdb", "/c/2.mdb", "/c/3.mdb", "/c/4.mdb"};
        setRecentSetting(older);
        auto app = makeApp();
        QVERIFY(app->InitInstance(catalog.path()));
        QCOMPARE(m_openDialogCalls, 0);
        QCOMPARE(app->document()->path(), catalog.path());
        QCOMPARE(app->recentFiles(), QStringList({catalog.path(), "/c/1.mdb", "/c/2.mdb", "/c/3.mdb"}));
        QCOMPARE(m_messages->messages, QStringList());

        // Given again, it stays a single entry.
        app.reset();
        auto second = makeApp();
        QVERIFY(second->InitInstance(catalog.path()));
        QCOMPARE(second->recentFiles(), QStringList({catalog.path(), "/c/1.mdb", "/c/2.mdb", "/c/3.mdb"}));
        CRecentFileList stored;
        stored.ReadList();
        QCOMPARE(stored.entries(), second->recentFiles());
    }

    void commandLineArgumentsName_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("none") << QStringList() << "";
        QTest::newRow("path") << QStringList{"/home/me/books.mdb"} << "/home/me/books.mdb";
        QTest::newRow("file URL") << QStringList{"file:///home/me/my%20books.mdb"} << "/home/me/my books.mdb";
    }
    void commandLineArgumentsName()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, catalogue);
        QCOMPARE(COrdoApp::CatalogueFromArguments(arguments), catalogue);
    }

    // A catalogue named on the command line that does not open: its message
    // is shown and start-up ends; the most recent catalogue is not opened.
    void commandLineCatalogueThatFailsToOpenEndsStartUp()
    {
        TestCatalog recent(QStringLiteral("récent.mdb"));
        setRecentSetting({recent.path()});
        auto app = makeApp();
        const QString missing = m_appDir->filePath(QStringLiteral("Каталог 目录.mdb"));
        QVERIFY(!app->InitInstance(missing));
        QCOMPARE(m_messages->messages, QStringList{missing + QStringLiteral(" was not found.")});
        QVERIFY(!app->document()->hasConnection());
        QVERIFY(!app->mainFrame() || !app->mainFrame()->isVisible());
        QCOMPARE(m_openDialogCalls, 0);
        CRecentFileList list;
        list.ReadList();
        QCOMPARE(list.entries(), QStringList{recent.path()});
    }

    void recentCatalogueThatFailsLeavesTheListAndIsNotTriedAgain()
    {
        TestCatalog other(QStringLiteral("other.mdb"));
        TestCatalog picked(QStringLiteral("picked.mdb"));
        const QString gone = m_appDir->filePath(QStringLiteral("gone.mdb"));
        setRecentSetting({gone, other.path()});
        m_openAnswer = picked.path();
        {
            auto app = makeApp();
            QVERIFY(app->InitInstance());
            QCOMPARE(m_messages->messages, QStringList{gone + QStringLiteral(" was not found.")});
            QCOMPARE(m_openDialogCalls, 1);
            QVERIFY(app->document()->hasConnection());
            QCOMPARE(app->document()->path(), picked.path());
            QCOMPARE(app->recentFiles(), QStringList({picked.path(), other.path()}));
        }
        // The next start opens the picked catalogue without a word.
        m_messages->clear();
        m_openDialogCalls = 0;
        auto second = makeApp();
        QVERIFY(second->InitInstance());
        QVERIFY(m_messages->messages.isEmpty());
        QCOMPARE(m_openDialogCalls, 0);
        QCOMPARE(second->document()->path(), picked.path());
    }

    void missingStylesEndStartUp()
    {
        QVERIFY(QDir(m_appDir->filePath(QStringLiteral("Styles/CSS"))).removeRecursively());
        auto app = makeApp();
        QVERIFY(!app->InitInstance());
        QCOMPARE(app->mainFrame(), nullptr);
        QCOMPARE(m_messages->messages, QStringList{QStringLiteral("No CSS files found.")});
        QCOMPARE(m_openDialogCalls, 0);
    }

    void recentFileCommandsOpenTheirEntry()
    {
        TestCatalog a(QStringLiteral("a.mdb"));
        TestCatalog b(QStringLiteral("b.mdb"));
        const QString gone = m_appDir->filePath(QStringLiteral("gone.mdb"));
        setRecentSetting({a.path(), b.path(), gone});
        auto app = makeApp();
        QVERIFY(app->InitInstance());
        CMainFrame *frame = app->mainFrame();
        QVERIFY(frame->router().isEnabled(Cmd::RecentFileFirst + 2));
        QVERIFY(!frame->router().isEnabled(Cmd::RecentFileFirst + 3));
        QVERIFY(frame->action(Cmd::RecentFileFirst + 1)->text().contains(b.path()));

        QVERIFY(frame->router().run(Cmd::RecentFileFirst + 1));
        QCOMPARE(app->document()->path(), b.path());
        QCOMPARE(title(*app), QStringLiteral("b.mdb - Ordoteca"));
        QCOMPARE(app->recentFiles(), QStringList({b.path(), a.path(), gone}));
        QVERIFY(frame->action(Cmd::RecentFileFirst)->text().contains(b.path()));

        // An entry that no longer opens is dropped; the open catalogue stays.
        QVERIFY(frame->router().run(Cmd::RecentFileFirst + 2));
        QCOMPARE(m_messages->messages, QStringList{gone + QStringLiteral(" was not found.")});
        QCOMPARE(app->recentFiles(), QStringList({b.path(), a.path()}));
        QCOMPARE(app->document()->path(), b.path());
        QVERIFY(!frame->action(Cmd::RecentFileFirst + 2)->isVisible());
    }

    void openDatabaseCommandUsesTheDialog()
    {
        TestCatalog a(QStringLiteral("a.mdb"));
        TestCatalog b(QStringLiteral("b.mdb"));
        setRecentSetting({a.path()});
        auto app = makeApp();
        QVERIFY(app->InitInstance());
        QCOMPARE(title(*app), QStringLiteral("a.mdb - Ordoteca"));

        QVERIFY(app->mainFrame()->router().run(Cmd::OpenDatabase)); // cancelled
        QCOMPARE(m_openDialogCalls, 1);
        QCOMPARE(app->document()->path(), a.path());

        m_openAnswer = b.path();
        QVERIFY(app->mainFrame()->router().run(Cmd::OpenDatabase));
        QCOMPARE(app->document()->path(), b.path());
        QCOMPARE(title(*app), QStringLiteral("b.mdb - Ordoteca"));
        QCOMPARE(app->recentFiles(), QStringList({b.path(), a.path()}));
    }

    void newDatabaseCommandCreatesAndOpensACopy()
    {
        QTemporaryDir dir;
        auto app = makeApp();
        QVERIFY(app->InitInstance());
        QVERIFY(app->mainFrame()->router().isEnabled(Cmd::NewDatabase));

        QVERIFY(app->mainFrame()->router().run(Cmd::NewDatabase)); // cancelled
        QVERIFY(!app->document()->hasConnection());
        QVERIFY(QDir(dir.path()).isEmpty());

        m_saveAnswer = dir.filePath(QStringLiteral("fresh.mdb"));
        QVERIFY(app->mainFrame()->router().run(Cmd::NewDatabase));
        QCOMPARE(m_messages->messages, QStringList());
        QCOMPARE(app->document()->path(), m_saveAnswer);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("fresh_images"))).isDir());
        QCOMPARE(title(*app), QStringLiteral("fresh.mdb - Ordoteca"));
        QCOMPARE(app->recentFiles(), QStringList{m_saveAnswer});
    }

    void newDatabaseWithoutTemplateReportsIt()
    {
        QFile::remove(m_appDir->filePath(QStringLiteral("ordo.dbt")));
        QTemporaryDir dir;
        auto app = makeApp();
        QVERIFY(app->InitInstance());
        m_saveAnswer = dir.filePath(QStringLiteral("fresh.mdb"));
        QVERIFY(app->mainFrame()->router().run(Cmd::NewDatabase));
        QCOMPARE(m_messages->messages, QStringList{QStringLiteral("Cannot create file:\n") + m_saveAnswer});
        QVERIFY(!app->document()->hasConnection());
        QVERIFY(app->recentFiles().isEmpty());
    }

    void exitClosesTheMainWindow()
    {
        auto app = makeApp();
        QVERIFY(app->InitInstance());
        QVERIFY(app->mainFrame()->isVisible());
        QVERIFY(app->mainFrame()->router().run(Cmd::Exit));
        QVERIFY(!app->mainFrame()->isVisible());
    }

    void aboutBoxShowsVersionMakerAndLink()
    {
        CAboutDlg dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About Ordo"));
        QStringList texts;
        for (QLabel *label : dialog.findChildren<QLabel *>())
            texts << label->text();
        QVERIFY(texts.contains(QStringLiteral("Ordoteca Version 1.0 RC1")));
        QVERIFY(texts.contains(QStringLiteral("Quenlow Software")));
        QVERIFY(texts.contains(QStringLiteral("Unicode")));
        QVERIFY(!dialog.findChild<QLabel *>(QStringLiteral("labelIcon"))->pixmap().isNull());
        QVERIFY(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok));

        // The link is a hyperlink control: its address as tooltip, and a
        // click hands the site's address to the desktop.
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        auto *link = dialog.findChild<CUrlLabel *>(QStringLiteral("labelLink"));
        QVERIFY(link);
        QCOMPARE(link->text(), QStringLiteral("https://ordoteca.example.org/"));
        QCOMPARE(link->url(), CAboutDlg::websiteUrl());
        dialog.show();
        QCOMPARE(link->toolTip(), CAboutDlg::websiteUrl());
        QTest::mouseClick(link, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QVERIFY(link->isVisited());
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl(QStringLiteral("https://ordoteca.example.org/"))});
    }

    void messageBoxesOpenOverTheirParent()
    {
        QWidget window;
        window.show();
        CMessageBoxMessenger messenger(&window);
        QString text;
        QWidget *parent = nullptr;
        answerNextBox(QMessageBox::Yes, &text, &parent);
        QVERIFY(messenger.askYesNo(QStringLiteral("Remove the book?")));
        QCOMPARE(text, QStringLiteral("Remove the book?"));
        QCOMPARE(parent, &window);

        answerNextBox(QMessageBox::No);
        QVERIFY(!messenger.askYesNo(QStringLiteral("Remove the book?")));
    }

    void messageTextFromAServerIsNeverRenderedAsHtml()
    {
        CMessageBoxMessenger messenger;
        Qt::TextFormat format = Qt::RichText;
        QString shown;
        auto *timer = new QTimer;
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, [&format, &shown, timer] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(w);
                if (!box || !box->isVisible())
                    continue;
                format = box->textFormat();
                if (auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
                    shown = label->text();
                timer->deleteLater();
                box->button(QMessageBox::Ok)->click();
                return;
            }
        });
        timer->start();
        const QString text = QStringLiteral("Error message returned from Open Library:\n<b>bold</b> <img src=x>");
        messenger.showMessage(text);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shown, text);
    }

    void messageFromAWorkerIsShownByTheInterfaceThread()
    {
        CMessageBoxMessenger messenger;
        answerNextBox(QMessageBox::Ok);
        std::unique_ptr<QThread> worker(QThread::create([&] {
            messenger.showMessage(QStringLiteral("Fatal error occurred. Job will be cancelled."),
                                  IMessenger::Icon::Error);
        }));
        worker->start();
        QTRY_VERIFY_WITH_TIMEOUT(worker->isFinished(), 10000);
        worker->wait();
    }
};

int main(int argc, char *argv[])
{
    COrdoApp::RegisterUrlSchemes();
    QApplication app(argc, argv);
    OrdoAppTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ordoapp_test.moc"
