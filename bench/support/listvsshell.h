#pragma once

#include "browse/ordolistview.h"
#include "catalog/booklistquery.h"
#include "catalog/ordodoc.h"

#include <QElapsedTimer>
#include <QPixmap>
#include <QProcess>
#include <benchmark/benchmark.h>

// Runs sql in the stock sqlite3 shell, a process of its own, with its output
// thrown away; milliseconds, or a negative value when the shell did not run.
inline double ShellMilliseconds(const QString &path, const QString &sql)
{
    QProcess shell;
    shell.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    shell.start(QStringLiteral("sqlite3"), {path, sql});
    if (!shell.waitForFinished(60000) || shell.exitStatus() != QProcess::NormalExit || shell.exitCode() != 0)
        return -1;
    return timer.nsecsElapsed() / 1e6;
}

// The list of category loaded and its rows painted (what the user waits
// for), and the shell running the same query, side by side in each
// iteration: counters rows, ours_ms, sqlite3_ms and ratio. For ui_ benches
// (the list is a widget).
inline void MeasureListAgainstShell(benchmark::State &state, COrdoDoc &doc, CategoryId category)
{
    COrdoListView view(&doc);
    view.resize(1000, 700);
    doc.setCurrentCategory(category);
    const QString sql = BookListSql(category);
    view.LoadBooks(); // warm the file cache
    (void)view.grab();
    if (ShellMilliseconds(doc.path(), sql) < 0) {
        state.SkipWithError("the sqlite3 shell did not run");
        return;
    }
    double ours = 0;
    double shell = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        view.LoadBooks();
        const QPixmap painted = view.grab();
        benchmark::DoNotOptimize(painted.cacheKey());
        const double ms = timer.nsecsElapsed() / 1e6;
        state.SetIterationTime(ms / 1000);
        ours += ms;
        shell += ShellMilliseconds(doc.path(), sql);
    }
    const double n = double(state.iterations());
    state.counters["rows"] = view.model()->rowCount();
    state.counters["ours_ms"] = ours / n;
    state.counters["sqlite3_ms"] = shell / n;
    state.counters["ratio"] = shell > 0 ? ours / shell : 0;
}
