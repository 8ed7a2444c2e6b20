// Loading and saving one book on a 100,000-book catalogue.
// Targets: Load under 2 ms, each Save under 10 ms (median).
#include "benchmain.h"
#include "catalog/bookrecord.h"
#include "catalog/connection.h"
#include "largecatalog.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

constexpr int kBooks = 100000;

// One writable copy of the large catalogue for the whole run.
struct Catalogue
{
    QTemporaryDir dir;
    QString images;
    std::shared_ptr<Connection> connection;
    QString cover;

    Catalogue()
    {
        const QString path = CreateLargeCatalog(dir.path(), kBooks);
        if (path.isEmpty())
            return;
        images = dir.path() + QStringLiteral("/large_images");
        connection = Connection::open(path);
        // A picture the size of a typical downloaded cover.
        cover = dir.path() + QStringLiteral("/download.jpg");
        QFile f(cover);
        if (f.open(QIODevice::WriteOnly))
            f.write(QByteArray(40 * 1024, 'x'));
    }
};

Catalogue *catalogue(benchmark::State &state)
{
    static Catalogue instance;
    if (!instance.connection)
        state.SkipWithError("the large catalogue could not be made");
    return instance.connection ? &instance : nullptr;
}

// Spread the ids over the whole table rather than walking warm pages.
int spreadId(int64_t i)
{
    return int((i * 7919) % kBooks) + 1;
}

CBookRecord newBook()
{
    CBookRecord r;
    r.Title = QStringLiteral("The Hidden Patterns of Modern Harbor Systems");
    r.Subtitle = QStringLiteral("A Practical Guide");
    r.Author = QStringLiteral("Mary O'Brien, Wei Zhang");
    r.URL = QStringLiteral("http://books.example.com/detail/0306406152");
    r.Edition = QStringLiteral("2nd");
    r.ReleaseDate = QStringLiteral("Jan 05, 2004");
    r.Publisher = QStringLiteral("Harbor Press");
    r.ISBN = QStringLiteral("0306406152");
    r.PageCount = QStringLiteral("352");
    r.Language = QStringLiteral("English");
    r.Binding = QStringLiteral("Paperback");
    r.Dimension = QStringLiteral("9.1 x 6.2 x 1.1 inches");
    r.PurchaseDate = QStringLiteral("Mar 14, 2024");
    r.Store = QStringLiteral("Shelf Street Books");
    r.PurchasePrice = QStringLiteral("$24.95");
    r.ListPrice = QStringLiteral("$34.99");
    r.AmazonPrice = QStringLiteral("$23.09");
    r.Location = QStringLiteral("Shelf 3");
    r.Status = QStringLiteral("In Collection");
    r.AmazonRating = QStringLiteral("4.5");
    r.NumOfReviews = QStringLiteral("128");
    r.MyRating = 4;
    r.Description = QStringLiteral("<p>") + QString(1000, QLatin1Char('d')) + QStringLiteral("</p>");
    r.links = {
        {QString(), QStringLiteral("Review"), QStringLiteral("http://reviews.example.org/1"), QString()},
        {QString(), QStringLiteral("Errata"), QStringLiteral("http://example.org/errata"), QString()}};
    return r;
}

void BM_BookRecord_Load(benchmark::State &state)
{
    Catalogue *c = catalogue(state);
    if (!c)
        return;
    int64_t i = 0;
    for (auto _ : state) {
        CBookRecord r;
        if (!r.Load(spreadId(i++), *c->connection))
            state.SkipWithError("Load failed");
        benchmark::DoNotOptimize(r.Title);
    }
}
BENCHMARK(BM_BookRecord_Load)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Arg 1: with a downloaded cover to copy into the images folder.
void BM_BookRecord_SaveNew(benchmark::State &state)
{
    Catalogue *c = catalogue(state);
    if (!c)
        return;
    const CBookRecord prepared = newBook();
    for (auto _ : state) {
        CBookRecord r = prepared;
        if (state.range(0))
            r.newFrontCoverSource = c->cover;
        if (!r.Save(true, 32, c->images, *c->connection))
            state.SkipWithError("Save failed");
    }
}
BENCHMARK(BM_BookRecord_SaveNew)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_BookRecord_SaveExisting(benchmark::State &state)
{
    Catalogue *c = catalogue(state);
    if (!c)
        return;
    std::vector<CBookRecord> books(64);
    for (size_t k = 0; k < books.size(); ++k) {
        if (!books[k].Load(spreadId(int64_t(k) * 31 + 5), *c->connection)) {
            state.SkipWithError("Load failed");
            return;
        }
        // As the book sheet hands it back: the cover already in place.
        if (!books[k].FrontCover.isEmpty())
            books[k].newFrontCoverSource = c->images + QLatin1Char('/') + books[k].FrontCover;
    }
    size_t i = 0;
    for (auto _ : state) {
        CBookRecord &r = books[i++ % books.size()];
        r.Title = QStringLiteral("Edited title %1").arg(i);
        if (!r.Save(false, 0, c->images, *c->connection))
            state.SkipWithError("Save failed");
    }
}
BENCHMARK(BM_BookRecord_SaveExisting)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarks(argc, argv);
}
