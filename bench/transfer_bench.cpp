// Import of a 100,000-row CSV into an empty catalogue (target: under 10 s)
// and export of a 100,000-book catalogue to CSV (target: under 3 s). For
// scale, the sqlite3 shell's own .import and .mode csv of the same data are
// timed as separate processes and the ratio is reported.
#include "app/messenger.h"
#include "benchmain.h"
#include "catalog/connection.h"
#include "largecatalog.h"
#include "transfer/bookimporter.h"
#include "transfer/catalogexporter.h"
#include "transfer/importreader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

class QuietMessenger : public IMessenger
{
public:
    void showMessage(const QString &, Icon) override {}
    bool askYesNo(const QString &, Icon) override { return true; }
};

QTemporaryDir &workDir()
{
    static QTemporaryDir dir;
    return dir;
}

// The CSV export of the large catalogue: the 100,000-row file both
// benchmarks and the sqlite3 shell work on. Made once.
QString largeCsv()
{
    static QString path;
    if (!path.isEmpty())
        return path;
    const QString catalog = LargeCatalogCachePath();
    auto connection = catalog.isEmpty() ? nullptr : Connection::open(catalog);
    if (!connection)
        return QString();
    CCatalogExporter exporter(*connection, QString());
    QString error;
    const QString out = workDir().filePath(QStringLiteral("large.csv"));
    if (!exporter.Collect(CExportScope(), error) || !exporter.Write(CCatalogExporter::Csv, out, error)) {
        std::fprintf(stderr, "cannot export the large catalogue: %s\n", qPrintable(error));
        return QString();
    }
    path = out;
    return path;
}

QString freshCatalog(const QString &name)
{
    const QString path = workDir().filePath(name);
    QFile::remove(path);
    if (!QFile::copy(QStringLiteral(ORDO_BENCH_APPDIR "/ordo.dbt"), path))
        return QString();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

// Seconds the sqlite3 shell takes for script on database, or -1.
double shellSeconds(const QString &database, const QString &script, const QString &output = QString())
{
    QProcess shell;
    if (!output.isEmpty())
        shell.setStandardOutputFile(output);
    QElapsedTimer timer;
    timer.start();
    shell.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), database});
    if (!shell.waitForStarted())
        return -1;
    shell.write(script.toUtf8());
    shell.closeWriteChannel();
    if (!shell.waitForFinished(600000) || shell.exitCode() != 0)
        return -1;
    return timer.nsecsElapsed() / 1e9;
}

void report(benchmark::State &state, double ours, double shell)
{
    state.counters["ours_s"] = ours;
    state.counters["sqlite3_shell_s"] = shell;
    if (shell > 0)
        state.counters["ratio"] = ours / shell;
}

void BM_ImportCsv100k(benchmark::State &state)
{
    QuietMessenger quiet;
    setMessenger(&quiet);
    const QString csv = largeCsv();
    if (csv.isEmpty()) {
        state.SkipWithError("no CSV");
        return;
    }
    double total = 0;
    double reading = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = freshCatalog(QStringLiteral("import.mdb"));
        auto connection = Connection::open(path);
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        CImportTable table;
        QString error;
        CImportSummary summary;
        if (!CImportReader::Read(csv, table, error)) {
            state.SkipWithError(qPrintable(error));
            break;
        }
        reading += timer.nsecsElapsed() / 1e9;
        CImportOptions options;
        options.imagesFolder = workDir().filePath(QStringLiteral("import_images"));
        // The generated catalogue names covers but has no picture files.
        ImportMapping mapping = DefaultImportMapping(table);
        for (ImportField &f : mapping) {
            if (f == ImportField::FrontCover || f == ImportField::BackCover)
                f = ImportField::None;
        }
        CBookImporter importer(*connection, table, mapping, options);
        if (!importer.Run(summary) || summary.added != 100000) {
            state.SkipWithError(qPrintable(
                QStringLiteral("import failed: %1 (%2 added)").arg(summary.error).arg(summary.added)));
            break;
        }
        total += timer.nsecsElapsed() / 1e9;
    }
    const double ours = total / double(qMax<qint64>(1, state.iterations()));
    state.counters["reading_s"] = reading / double(qMax<qint64>(1, state.iterations()));
    const QString shellDb = freshCatalog(QStringLiteral("shell.mdb"));
    report(state, ours, shellSeconds(shellDb, QStringLiteral(".import --csv %1 imported\n").arg(csv)));
    setMessenger(nullptr);
}
BENCHMARK(BM_ImportCsv100k)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_ExportCsv100k(benchmark::State &state)
{
    const QString catalog = LargeCatalogCachePath();
    auto connection = catalog.isEmpty() ? nullptr : Connection::open(catalog);
    if (!connection) {
        state.SkipWithError("no large catalogue");
        return;
    }
    const QString out = workDir().filePath(QStringLiteral("export.csv"));
    double total = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        CCatalogExporter exporter(*connection, QStringLiteral("/images"));
        QString error;
        if (!exporter.Collect(CExportScope(), error) || !exporter.Write(CCatalogExporter::Csv, out, error)) {
            state.SkipWithError(qPrintable(error));
            break;
        }
        total += timer.nsecsElapsed() / 1e9;
        if (exporter.books().size() != 100000) {
            state.SkipWithError("wrong book count");
            break;
        }
    }
    const double ours = total / double(qMax<qint64>(1, state.iterations()));
    report(state, ours,
           shellSeconds(catalog, QStringLiteral(".mode csv\n.headers on\nSELECT * FROM book;\n"),
                        workDir().filePath(QStringLiteral("shell.csv"))));
}
BENCHMARK(BM_ExportCsv100k)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksWithApp<QCoreApplication>(argc, argv);
}
