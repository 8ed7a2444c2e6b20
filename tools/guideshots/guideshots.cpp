// Renders the pictures of the user guide from the real program: a sample
// catalogue is opened, the main window and the dialogs are shown one after
// another and each is saved as a PNG. Run by scripts/make-screenshots under
// a virtual X display, so the pictures can be made again after each change.
#include "app/commandids.h"
#include "app/mainframe.h"
#include "app/ordoapp.h"
#include "browse/ordolistview.h"
#include "browse/ordotreeview.h"
#include "catalog/booklistquery.h"
#include "catalog/ordodoc.h"
#include "online/httpclient.h"
#include "page/ordohtmlview.h"
#include "page/pageprinter.h"
#include "page/printpreviewdlg.h"
#include "widgets/appicon.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QTreeWidgetItem>
#include <functional>

namespace {

QString g_outDir;
int g_failures = 0;

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void save(QWidget *widget, const QString &name)
{
    const QString path = g_outDir + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!widget || !widget->grab().save(path)) {
        QTextStream(stderr) << "could not save " << path << '\n';
        ++g_failures;
        return;
    }
    QTextStream(stdout) << path << '\n';
}

// Runs a command that opens a modal window, saves a picture of it once it has
// settled and closes it again with Cancel.
// onPicture runs after the first picture, before the window closes.
void shootModal(CMainFrame &frame, int command, const QString &name, int settleMs = 2500,
                std::function<void(QWidget *)> onPicture = {})
{
    QTimer::singleShot(settleMs, [name, onPicture] {
        QWidget *modal = QApplication::activeModalWidget();
        save(modal, name);
        if (modal && onPicture)
            onPicture(modal);
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else if (modal)
            modal->close();
    });
    frame.updateCommandStates();
    if (!frame.router().run(command)) {
        QTextStream(stderr) << "command " << command << " did not run for " << name << '\n';
        ++g_failures;
        wait(settleMs + 200);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    COrdoApp::RegisterUrlSchemes();
    CHttpClient::GlobalInit();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quenlow"));
    QApplication::setApplicationName(QStringLiteral("Ordo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Ordoteca"));
    QApplication::setWindowIcon(OrdotecaIcon());
    const QStringList args = QApplication::arguments();
    if (args.size() != 4) {
        QTextStream(stderr) << "usage: guideshots APP_FOLDER CATALOGUE OUT_DIR\n";
        return 2;
    }
    g_outDir = args.at(3);
    QDir().mkpath(g_outDir);

    // The pictures never show, or change, the settings of whoever runs this.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());

    COrdoApp ordo;
    ordo.setApplicationFolder(args.at(1));
    ordo.setUseMessageBoxes(false);
    ordo.setOpenFileDialog([](QWidget *, const QString &) { return QString(); });
    ordo.setSaveFileDialog([](QWidget *, const QString &) { return QString(); });
    if (!ordo.InitInstance())
        return 1;
    CMainFrame &frame = *ordo.mainFrame();
    frame.showNormal();
    frame.setGeometry(0, 0, 1100, 720);
    wait(1500);
    save(&frame, QStringLiteral("welcome"));

    if (!ordo.OpenDocumentFile(args.at(2)))
        return 1;
    frame.outerSplitter()->setSizes({230, 870});
    frame.innerSplitter()->setSizes({250, 420});
    wait(1000);
    // One of the user's categories, its first book shown on the page.
    COrdoTreeView *tree = frame.treeView();
    if (QTreeWidgetItem *item = tree->FindItemByCatID(32))
        tree->setCurrentItem(item);
    tree->expandAll();
    wait(500);
    frame.listView()->selectRow(0);
    wait(3000);
    save(&frame, QStringLiteral("main-window"));

    tree->SelectFixedEntry(AllBooksCategory);
    wait(500);
    frame.listView()->selectAll();
    wait(3000);
    save(&frame, QStringLiteral("several-books"));

    // The books out, one overdue, with the status bar's notice.
    tree->SelectFixedEntry(OnLoanCategory);
    wait(500);
    frame.listView()->selectRow(0);
    wait(3000);
    save(&frame, QStringLiteral("loans"));
    tree->SelectFixedEntry(AllBooksCategory);
    wait(500);

    frame.listView()->selectRow(0);
    frame.listView()->setFocus();
    wait(1500);
    // The preview opens once the engine has made the pages.
    frame.updateCommandStates();
    if (frame.router().run(Cmd::PrintPreview)) {
        CPagePrinter *printer = frame.htmlView()->pagePrinter();
        QElapsedTimer clock;
        clock.start();
        while (!(printer->previewDialog() && printer->previewDialog()->isVisible()) && clock.elapsed() < 60000)
            wait(100);
        wait(1500); // its pages drawn
        save(printer->previewDialog(), QStringLiteral("print-preview"));
        if (printer->previewDialog())
            printer->previewDialog()->reject();
        wait(500);
    } else {
        ++g_failures;
    }
    shootModal(frame, Cmd::EditBook, QStringLiteral("book-sheet"), 4000);
    if (QTreeWidgetItem *item = tree->FindItemByCatID(32))
        tree->setCurrentItem(item);
    wait(500);
    tree->setFocus();
    shootModal(frame, Cmd::EditCategory, QStringLiteral("category-sheet"));
    frame.listView()->setFocus();
    // Add Book, then the scan window it opens (without a camera here, it
    // says so and offers pictures instead).
    QTimer::singleShot(2500, [] {
        auto *add = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        save(add, QStringLiteral("add-book"));
        auto *scan = add ? add->findChild<QPushButton *>(QStringLiteral("buttonScanCamera")) : nullptr;
        QTimer::singleShot(3000, [add] {
            auto *window = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (window && window != add) {
                save(window, QStringLiteral("scan-window"));
                window->reject();
            } else {
                ++g_failures;
            }
            QTimer::singleShot(300, [add] { add->reject(); });
        });
        if (scan)
            scan->click();
        else if (add)
            add->reject();
    });
    frame.listView()->setFocus();
    frame.updateCommandStates();
    if (!frame.router().run(Cmd::AddBook))
        ++g_failures;
    shootModal(frame, Cmd::BasicSearch, QStringLiteral("basic-search"));
    shootModal(frame, Cmd::RunSql, QStringLiteral("run-sql"));
    shootModal(frame, Cmd::Options, QStringLiteral("options"), 2500, [](QWidget *sheet) {
        if (auto *tabs = sheet->findChild<QTabWidget *>()) {
            tabs->setCurrentIndex(tabs->count() - 1);
            wait(800);
            save(sheet, QStringLiteral("options-online"));
        }
    });

    // Statistics opens a window of its own beside the main window.
    frame.updateCommandStates();
    if (frame.router().run(Cmd::Statistics)) {
        wait(3000);
        QWidget *statistics = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->objectName() == QLatin1String("statisticsWindow") && widget->isVisible())
                statistics = widget;
        if (statistics) {
            statistics->resize(900, 620);
            wait(800);
        }
        save(statistics, QStringLiteral("statistics"));
        if (statistics)
            statistics->close();
    } else {
        ++g_failures;
    }

    ordo.ExitInstance();
    return g_failures == 0 ? 0 : 1;
}
