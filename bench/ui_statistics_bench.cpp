// Tools > Statistics on a catalogue of 100,000 books with about 1 KB of
// description each, 5,000 loans and 25,000 finished readings: from the
// command until the window shows its totals and its charts are painted,
// against the stock sqlite3 shell (a process of its own) running the same
// aggregate queries on the same file. Target: the window within 1 s.
// Counters: ours_ms, sqlite3_ms, ratio; filled_ms is the part of ours_ms
// until the numbers and charts were set in the window (before painting).
#include "app/commandids.h"
#include "app/mainframe.h"
#include "app/ordoapp.h"
#include "benchmain.h"
#include "catalog/ordodoc.h"
#include "eventwait.h"
#include "largecatalog.h"
#include "paintwatch.h"
#include "sampleloans.h"
#include "stats/statisticswindow.h"

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Program
{
    QTemporaryDir dir;
    std::unique_ptr<COrdoApp> app;
    CMainFrame *frame = nullptr;
    QString path;

    bool start()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath(QStringLiteral("settings")));
        LargeCatalogOptions options;
        options.descriptions = true;
        path = CreateLargeCatalog(dir.path(), options);
        if (path.isEmpty())
            return false;
        app = std::make_unique<COrdoApp>();
        app->setApplicationFolder(QStringLiteral(ORDO_BENCH_APPDIR));
        app->setUseMessageBoxes(false);
        if (!app->InitInstance(path))
            return false;
        frame = app->mainFrame();
        frame->resize(1280, 800);
        Connection &connection = *app->document()->connection();
        // Opening added the loan tables and the reading log.
        return LendSampleBooks(connection, 5000, 60) &&
               connection.execute(QStringLiteral(
                   "INSERT INTO reading (BookID, ReadingID, Started, Finished, Completed) SELECT BookID, 1, NULL, "
                   "date('2015-01-01', '+' || (BookID % 3650) || ' days'), 1 FROM book WHERE BookID % 4 = 0"));
    }

    ~Program()
    {
        if (app)
            app->ExitInstance();
    }

    CStatisticsWindow *window() const { return frame->findChild<CStatisticsWindow *>(); }
};

double shellMilliseconds(const QString &path, const QString &sql)
{
    QProcess shell;
    shell.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    shell.start(QStringLiteral("sqlite3"), {path, sql});
    if (!shell.waitForFinished(120000) || shell.exitStatus() != QProcess::NormalExit || shell.exitCode() != 0)
        return -1;
    return timer.nsecsElapsed() / 1e6;
}

// The command until the numbers are shown and the chart on show painted;
// countMs gets the part until the count was done and the window filled.
double openStatistics(Program &program, double *countMs = nullptr)
{
    if (CStatisticsWindow *old = program.window()) {
        old->close();
        if (!WaitForEvents([&] { return !program.window(); }, 10000))
            return -1;
    }
    QElapsedTimer timer;
    timer.start();
    program.frame->action(Cmd::Statistics)->trigger();
    CStatisticsWindow *window = program.window();
    if (!window)
        return -1;
    bool shown = false;
    QObject::connect(window, &CStatisticsWindow::statsShown, window, [&] {
        shown = true;
        if (countMs)
            *countMs = timer.nsecsElapsed() / 1e6;
    });
    PaintWatch watch(window->chartView(CStatisticsWindow::Categories)->viewport());
    int paintsAtShow = -1;
    if (!WaitForEvents(
            [&] {
                if (shown && paintsAtShow < 0)
                    paintsAtShow = watch.paints;
                return shown && watch.paints > paintsAtShow;
            },
            60000))
        return -1;
    return timer.nsecsElapsed() / 1e6;
}

void BM_StatisticsVsSqlite3Shell(benchmark::State &state)
{
    Program program;
    if (!program.start()) {
        state.SkipWithError("the program did not start on the catalogue");
        return;
    }
    // Once, to warm the file cache for both, and to learn the queries.
    if (openStatistics(program) < 0 || !program.window()->stats().ok) {
        state.SkipWithError("the statistics did not show");
        return;
    }
    const QString sql = program.window()->stats().statements.join(QStringLiteral(";\n"));
    if (shellMilliseconds(program.path, sql) < 0) {
        state.SkipWithError("the sqlite3 shell did not run");
        return;
    }
    double ours = 0;
    double counted = 0;
    double shell = 0;
    for (auto _ : state) {
        double countMs = 0;
        const double ms = openStatistics(program, &countMs);
        if (ms < 0) {
            state.SkipWithError("the statistics did not show");
            return;
        }
        state.SetIterationTime(ms / 1000);
        ours += ms;
        counted += countMs;
        shell += shellMilliseconds(program.path, sql);
    }
    const double n = double(state.iterations());
    state.counters["books"] = double(program.window()->stats().books);
    state.counters["ours_ms"] = ours / n;
    state.counters["filled_ms"] = counted / n;
    state.counters["sqlite3_ms"] = shell / n;
    state.counters["ratio"] = shell > 0 ? ours / shell : 0;
}
BENCHMARK(BM_StatisticsVsSqlite3Shell)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksWithApp<QApplication>(argc, argv);
}
