// Loans in a 100,000-book catalogue with 5,000 current loans. Targets: the
// On Loan list read and painted within 1.2x of what the stock sqlite3 shell
// process takes to run the same query (counters ours_ms, sqlite3_ms and
// ratio, side by side); Lend and Return on 1,000 selected books under 1 s each.
#include "benchmain.h"
#include "catalog/booklistquery.h"
#include "catalog/loancommands.h"
#include "catalog/ordodoc.h"
#include "catalog/recordset.h"
#include "largecatalog.h"
#include "listvsshell.h"
#include "sampleloans.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kLoans = 5000;
constexpr int kBorrowers = 60;

struct Catalogue
{
    QTemporaryDir dir;
    COrdoDoc doc;
    bool ready = false;

    Catalogue()
    {
        const QString path = CreateLargeCatalog(dir.path());
        // Opening adds the loan tables; then every 20th book goes out, a
        // fifth of them past their due date.
        ready = !path.isEmpty() && doc.OnOpenDocument(path) && lendSample();
    }
    bool lendSample() { return LendSampleBooks(*doc.connection(), kLoans, kBorrowers); }
};

Catalogue &catalogue()
{
    static Catalogue instance;
    return instance;
}

// Our On Loan load with the rows painted, and the shell on the same query,
// in the same run.
void BM_OnLoanVsSqlite3Shell(benchmark::State &state)
{
    Catalogue &c = catalogue();
    if (!c.ready) {
        state.SkipWithError("the catalogue could not be made");
        return;
    }
    MeasureListAgainstShell(state, c.doc, OnLoanCategory);
}
BENCHMARK(BM_OnLoanVsSqlite3Shell)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// Lend, then Return, 1,000 books that are not out (spread over the file).
void BM_LendAndReturn1000(benchmark::State &state)
{
    Catalogue &c = catalogue();
    if (!c.ready) {
        state.SkipWithError("the catalogue could not be made");
        return;
    }
    QVector<BookId> books;
    for (int i = 0; i < 1000; ++i)
        books << BookId(i * 20 + 7); // none of them out already
    const LoanRequest request{QStringLiteral("Zoë Ångström"), LoanDirection::LentTo, QDate(2025, 5, 1),
                              QDate(2025, 6, 1), QString()};
    double lend = 0;
    double back = 0;
    int lent = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const LoanOutcome out = LendBooks(*c.doc.connection(), books, request);
        const double lendMs = timer.nsecsElapsed() / 1e6;
        timer.restart();
        const LoanOutcome in = ReturnBooks(*c.doc.connection(), books, QDate(2025, 5, 20));
        const double returnMs = timer.nsecsElapsed() / 1e6;
        if (!out.ok || !in.ok) {
            state.SkipWithError("lend or return failed");
            return;
        }
        lent = out.changed;
        state.SetIterationTime((lendMs + returnMs) / 1000);
        lend += lendMs;
        back += returnMs;
    }
    const double n = double(state.iterations());
    state.counters["books"] = lent;
    state.counters["lend_ms"] = lend / n;
    state.counters["return_ms"] = back / n;
}
BENCHMARK(BM_LendAndReturn1000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksWithApp<QApplication>(argc, argv);
}
