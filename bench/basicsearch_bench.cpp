// Basic Search on a 100,000-book catalogue with ~1 KB descriptions, a sixth
// of their words in other scripts, for a keyword found in 5,000 books: the
// core alone (the main window's path is in ui_mainwindow_bench).
#include "app/messenger.h"
#include "benchmain.h"
#include "catalog/basicsearch.h"
#include "catalog/connection.h"
#include "catalog/recordset.h"
#include "largecatalog.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kBooks = 100000;
constexpr int kFound = 5000;
// A word the generator never writes.
const QString kKeyword = QStringLiteral("quokkafire");

struct Catalogue
{
    QTemporaryDir dir;
    std::shared_ptr<Connection> connection;

    Catalogue()
    {
        LargeCatalogOptions options;
        options.books = kBooks;
        options.descriptions = true;
        options.mixedScripts = true; // the harder case: texts to fold on nearly every row
        const QString path = CreateLargeCatalog(dir.path(), options);
        if (path.isEmpty())
            return;
        if (!PlantWordInDescriptions(path, kKeyword, kBooks / kFound))
            return;
        connection = Connection::open(path);
    }
};

Catalogue *catalogue(benchmark::State &state)
{
    static Catalogue instance;
    if (!instance.connection)
        state.SkipWithError("the large catalogue could not be made");
    return instance.connection ? &instance : nullptr;
}

int searchResultCount(Connection &connection)
{
    auto rs = connection.execute(QStringLiteral("SELECT COUNT(*) FROM book_category WHERE CatID=3"));
    return rs ? rs->field(0).toInt() : -1;
}

// The whole command: empty Search Results, search, add 5,000 memberships.
// Argument 1: accents ignored, as the dialog offers by default.
void BM_BasicSearch_ClearAndFill(benchmark::State &state)
{
    Catalogue *c = catalogue(state);
    if (!c)
        return;
    for (auto _ : state) {
        const std::optional<int> found = RunBasicSearch(*c->connection, kKeyword, true, state.range(0) != 0);
        if (found != kFound) {
            state.SkipWithError("unexpected number of books found");
            return;
        }
    }
    if (searchResultCount(*c->connection) != kFound)
        state.SkipWithError("Search Results does not hold the books found");
}
BENCHMARK(BM_BasicSearch_ClearAndFill)
    ->ArgName("ignoreAccents")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(5.0);

// Searching again without clearing: every membership exists already and each
// refused insert still costs its statement.
void BM_BasicSearch_AddAgain(benchmark::State &state)
{
    Catalogue *c = catalogue(state);
    if (!c)
        return;
    (void)RunBasicSearch(*c->connection, kKeyword, true);
    for (auto _ : state) {
        const std::optional<int> found = RunBasicSearch(*c->connection, kKeyword, false);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_BasicSearch_AddAgain)->Unit(benchmark::kMillisecond)->MinTime(5.0);

// The query alone, for comparison: how much of the time is the scan.
void BM_BasicSearch_QueryOnly(benchmark::State &state)
{
    Catalogue *c = catalogue(state);
    if (!c)
        return;
    const QString sql = BasicSearchSql(kKeyword);
    for (auto _ : state) {
        Recordset rs;
        int rows = 0;
        for (bool ok = rs.open(*c->connection, sql); ok && !rs.isEOF(); ok = rs.moveNext())
            ++rows;
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_BasicSearch_QueryOnly)->Unit(benchmark::kMillisecond)->MinTime(5.0);

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarks(argc, argv);
}
