// 100 lookups by ISBN, each with its edition, work and cover requests,
// against the local test server with no gap between requests.
// Target: under 2 s for the 100 lookups, i.e. the client adds almost nothing
// to what the network takes.
#include "benchmain.h"
#include "catalog/bookrecord.h"
#include "openlibraryfixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr int kLookups = 100;

void BM_Online_100IsbnLookupsWithCovers(benchmark::State &state)
{
    OpenLibraryFixture fixture;
    double totalMs = 0;
    int runs = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kLookups; ++i) {
            CBookRecord r;
            if (!r.LookupByIsbn(QStringLiteral("0596000278"), true) || r.newFrontCoverSource.isEmpty()) {
                state.SkipWithError("a lookup failed");
                return;
            }
        }
        totalMs += double(timer.nsecsElapsed()) / 1e6;
        ++runs;
    }
    state.counters["requests"] = double(fixture.server.requestCount()) / runs;
    state.counters["ms_per_lookup"] = totalMs / runs / kLookups;
    std::printf("100 ISBN lookups with covers: %.1f ms in total, %.2f ms per lookup (%d requests per run)\n",
                totalMs / runs, totalMs / runs / kLookups, fixture.server.requestCount() / runs);
}
BENCHMARK(BM_Online_100IsbnLookupsWithCovers)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksWithApp<QCoreApplication>(argc, argv);
}
