// The book page for a large selection: 1,000 books picked across a
// 100,000-book catalogue (with descriptions), built as book XML and
// transformed with the detailed template.
// Targets: XML + transformation under 1 s; the transformation alone within
// 1.5x the stock xsltproc on the same files (reported side by side).
#include "catalog/connection.h"
#include "largecatalog.h"
#include "page/booktransform.h"
#include "page/bookxml.h"
#include "page/encodeutf8.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {

constexpr int kBooks = 100000;
constexpr int kSelected = 1000;

struct Catalogue
{
    std::shared_ptr<Connection> connection;
    QVector<int> selection;
    QString xsl = QStringLiteral(ORDO_BENCH_APPDIR "/Styles/DetailsEnu.xsl");
    QString images = QStringLiteral("/catalogs/large_images");

    Catalogue()
    {
        LargeCatalogOptions options;
        options.books = kBooks;
        options.descriptions = true;
        const QString path = LargeCatalogCachePath(options);
        if (path.isEmpty())
            return;
        connection = Connection::open(path);
        // Spread over the whole table, in an order a user's sort might give.
        for (int i = 0; i < kSelected; ++i)
            selection.append(int((qint64(i) * 7919) % kBooks) + 1);
    }
};

Catalogue *catalogue(benchmark::State &state)
{
    static Catalogue instance;
    if (!instance.connection)
        state.SkipWithError("the large catalogue could not be made");
    return instance.connection ? &instance : nullptr;
}

void BM_BuildBookXml(benchmark::State &state)
{
    Catalogue *cat = catalogue(state);
    if (!cat)
        return;
    qsizetype size = 0;
    for (auto _ : state) {
        const QString xml = BuildBookXml(cat->selection, *cat->connection, cat->images);
        size = xml.size();
        benchmark::DoNotOptimize(size);
    }
    state.counters["xml_chars"] = double(size);
}
BENCHMARK(BM_BuildBookXml)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// What the page pane does for each display: build, then transform.
void BM_BuildAndTransform(benchmark::State &state)
{
    Catalogue *cat = catalogue(state);
    if (!cat)
        return;
    qsizetype size = 0;
    for (auto _ : state) {
        const QString xml = BuildBookXml(cat->selection, *cat->connection, cat->images);
        const TransformResult result = TransformBookXml(xml, cat->xsl);
        if (!result.ok()) {
            state.SkipWithError(qPrintable(result.errorText));
            return;
        }
        size = result.html.size();
    }
    state.counters["html_chars"] = double(size);
}
BENCHMARK(BM_BuildAndTransform)->Unit(benchmark::kMillisecond)->MinTime(3.0);

double seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// The transformation alone against xsltproc on the same XML and XSL files.
// The benchmark's own time is ours (manual time); the counters give both and
// their ratio.
void BM_TransformVersusXsltproc(benchmark::State &state)
{
    Catalogue *cat = catalogue(state);
    if (!cat)
        return;
    const QString xsltproc = QStandardPaths::findExecutable(QStringLiteral("xsltproc"));
    if (xsltproc.isEmpty()) {
        state.SkipWithError("xsltproc is not installed");
        return;
    }
    QTemporaryDir dir;
    const QString xmlPath = dir.filePath(QStringLiteral("books.xml"));
    const QString outPath = dir.filePath(QStringLiteral("books.htm"));
    const QString xml = BuildBookXml(cat->selection, *cat->connection, cat->images);
    {
        QFile file(xmlPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(EncodeUtf8(xml)) < 0) {
            state.SkipWithError("cannot write the XML file");
            return;
        }
    }

    double ours = 0;
    double theirs = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        const TransformResult result = TransformBookXml(xml, cat->xsl);
        const double oursNow = seconds(std::chrono::steady_clock::now() - start);
        if (!result.ok()) {
            state.SkipWithError(qPrintable(result.errorText));
            return;
        }

        start = std::chrono::steady_clock::now();
        const int exitCode = QProcess::execute(
            xsltproc, {QStringLiteral("--nonet"), QStringLiteral("-o"), outPath, cat->xsl, xmlPath});
        const double theirsNow = seconds(std::chrono::steady_clock::now() - start);
        if (exitCode != 0) {
            state.SkipWithError("xsltproc failed");
            return;
        }
        state.SetIterationTime(oursNow);
        ours += oursNow;
        theirs += theirsNow;
    }
    const double n = double(state.iterations());
    state.counters["ours_ms"] = ours / n * 1000;
    state.counters["xsltproc_ms"] = theirs / n * 1000;
    state.counters["ratio"] = theirs > 0 ? ours / theirs : 0;
}
BENCHMARK(BM_TransformVersusXsltproc)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

BENCHMARK_MAIN();
