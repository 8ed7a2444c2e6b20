// Print Preview of 1,000 selected books, chosen from the File menu of the
// real main window with the first-start template: from the command to the
// preview window showing its first page drawn. Target: 10 s. Run for books
// as a lookup brings them (no long description) and for books with about
// 1 KB of description each (some 2,000 pages). The reference is the engine
// alone writing the same full page to a PDF file (Print to a file), so the
// ratio shows what the preview adds to the engine's own work.
#include "app/apppaths.h"
#include "app/commandids.h"
#include "app/mainframe.h"
#include "app/ordoapp.h"
#include "benchmain.h"
#include "eventwait.h"
#include "browse/ordolistview.h"
#include "catalog/booklistquery.h"
#include "catalog/ordodoc.h"
#include "largecatalog.h"
#include "page/ordohtmlview.h"
#include "page/pageprinter.h"
#include "page/printpreviewdlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QItemSelectionModel>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kBooks = 1000;
constexpr double kTargetMs = 10000;

void BM_PrintPreviewThousandBooks(benchmark::State &state)
{
    const bool described = state.range(0) != 0;
    QTemporaryDir dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath(QStringLiteral("settings")));
    LargeCatalogOptions options;
    options.books = kBooks;
    options.descriptions = described;
    const QString path = CreateLargeCatalog(dir.path(), options);
    COrdoApp app;
    app.setApplicationFolder(QStringLiteral(ORDO_BENCH_APPDIR));
    app.setUseMessageBoxes(false);
    if (path.isEmpty() || !app.InitInstance(path)) {
        state.SkipWithError("the program did not start on the catalogue");
        return;
    }
    CMainFrame *frame = app.mainFrame();
    COrdoHtmlView *page = frame->htmlView();
    CPagePrinter *printer = page->pagePrinter();
    int displays = 0;
    QObject::connect(page, &COrdoHtmlView::pageDisplayed, [&] { ++displays; });
    if (!WaitForEvents([&] { return page->isBlankPageReady(); }, 60000)) {
        state.SkipWithError("the page pane did not start");
        return;
    }
    // All Books, every row selected, as Ctrl+A in the list does.
    frame->document()->setCurrentCategory(AllBooksCategory);
    frame->listView()->LoadBooks();
    frame->listView()->selectAll();
    if (!WaitForEvents([&] { return page->slice().total() == kBooks && !page->isBuilding() && displays > 0; }, 60000)) {
        state.SkipWithError("the selection's page never showed");
        return;
    }

    double previewMs = 0;
    int pages = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        frame->router().run(Cmd::PrintPreview);
        QImage first;
        const bool shown = WaitForEvents(
            [&] {
                CPrintPreviewDlg *dialog = printer->previewDialog();
                if (!dialog || !dialog->isVisible() || dialog->pageCount() == 0)
                    return false;
                first = dialog->renderPage(0, 800);
                return !first.isNull();
            },
            120000);
        const double tookMs = double(clock.elapsed());
        if (!shown) {
            state.SkipWithError("the preview never showed");
            return;
        }
        pages = printer->previewDialog()->pageCount();
        state.SetIterationTime(tookMs / 1000);
        previewMs = std::max(previewMs, tookMs);
        printer->previewDialog()->reject();
        WaitForEvents([&] { return !printer->isBusy(); }, 10000);
    }

    // The engine alone: the same full page printed to a PDF file.
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    page->setPrintDialog([&](QPrinter *target, QWidget *) {
        target->setOutputFormat(QPrinter::PdfFormat);
        target->setOutputFileName(pdf);
        return true;
    });
    QElapsedTimer clock;
    clock.start();
    frame->router().run(Cmd::Print);
    WaitForEvents([&] { return !printer->isBusy(); }, 120000);
    const double engineMs = double(clock.elapsed());

    state.counters["books"] = kBooks;
    state.counters["pages"] = pages;
    state.counters["preview_ms"] = previewMs;
    state.counters["target_ms"] = kTargetMs;
    state.counters["target_ratio"] = previewMs / kTargetMs;
    state.counters["engine_pdf_ms"] = engineMs;
    state.counters["engine_ratio"] = previewMs / engineMs;
    app.ExitInstance();
}
BENCHMARK(BM_PrintPreviewThousandBooks)
    ->ArgName("descriptions")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

} // namespace

int main(int argc, char **argv)
{
    return RunWebEngineBenchmarks<QApplication>(argc, argv, &COrdoApp::RegisterUrlSchemes);
}
