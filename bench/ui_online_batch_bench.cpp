// A batch of 200 ISBNs against the in-process test server acting as Open
// Library (no gap between requests): each book is looked up, its cover
// downloaded and the book saved with the cover into a real catalogue, through
// the batch dialog and its worker. Target: 20 books per second or more
// (counter books_per_second).
#include "benchmain.h"
#include "catalog/imagesfolder.h"
#include "catalog/isbn.h"
#include "catalog/ordodoc.h"
#include "fakeopenlibrary.h"
#include "online/batchquerydlg.h"
#include "testcatalog.h"
#include "testhttpserver.h"
#include "testsettings.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

namespace {

constexpr int kBatchSize = 200;

// count ISBN-10s, all different from those of earlier batches.
QStringList freshIsbns(int count)
{
    static int next = 100000000;
    QStringList isbns;
    while (isbns.size() < count) {
        const QString nine = QString::number(next++);
        for (const QChar check : QStringLiteral("0123456789X")) {
            if (IsValidIsbn(nine + check)) {
                isbns << nine + check;
                break;
            }
        }
    }
    return isbns;
}

void BM_BatchOf200WithCovers(benchmark::State &state)
{
    qputenv("no_proxy", "127.0.0.1,localhost");
    TestSettings settings;
    TestHttpServer server(QStringLiteral("openlibrary"));
    PointLookupAtServer(server);
    ServeMadeUpBooks(server);
    TestCatalog catalogue;
    COrdoDoc doc;
    if (!server.isRunning() || !doc.OnOpenDocument(catalogue.path())) {
        state.SkipWithError("no server or catalogue");
        return;
    }

    int saved = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CBatchQueryDlg batch;
        batch.setQueue(freshIsbns(kBatchSize));
        batch.setTarget(1, doc.sharedConnection(), ImagesFolder());
        QTimer::singleShot(0, &batch, &CBatchQueryDlg::OnStart);
        state.ResumeTiming();
        const int result = batch.exec();
        state.PauseTiming();
        if (result != QDialog::Accepted) {
            state.SkipWithError("the batch did not finish");
            return;
        }
        saved += kBatchSize;
        state.ResumeTiming();
    }

    // Every book is in the catalogue with its own cover file.
    const int books =
        catalogue.count(QStringLiteral("SELECT COUNT(*) FROM book WHERE FrontCover IS NOT NULL"));
    const int covers = int(QDir(ImagesFolder()).entryList(QDir::Files).size());
    if (books != saved || covers != saved)
        state.SkipWithError("not every book was saved with its cover");
    state.counters["books_per_second"] = benchmark::Counter(saved, benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(BM_BatchOf200WithCovers)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

int main(int argc, char **argv)
{
    return RunBenchmarksWithApp<QApplication>(argc, argv);
}
