// Filling the category tree from a catalogue with 2,000 categories nested six
// levels deep. Target: under 200 ms per FillTree.
#include "benchmain.h"
#include "browse/ordotreeview.h"
#include "catalog/connection.h"
#include "catalog/ordodoc.h"
#include "catalog/recordset.h"
#include "catalog/sqlvalue.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidgetItemIterator>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kCategories = 2000;
constexpr int kBranching = 4; // 4 + 16 + 64 + 256 + 1024 + 636: six levels

// Names in mixed case with shared prefixes, so sorting has real work to do.
QString categoryName(int index)
{
    static const char *const kWords[] = {"history", "Art",   "science", "Poetry", "travel", "Cooking",
                                         "maps",    "Music", "law",     "Drama",  "sport",  "Religion"};
    const unsigned mixed = unsigned(index) * 2654435761u;
    return QStringLiteral("%1 %2 %3")
        .arg(QString::fromLatin1(kWords[mixed % 12]), QString::fromLatin1(kWords[(mixed >> 8) % 12]))
        .arg(index);
}

struct Catalogue
{
    QTemporaryDir dir;
    COrdoDoc doc;
    bool ready = false;

    Catalogue()
    {
        const QString path = dir.path() + QStringLiteral("/tree.mdb");
        if (!QFile::copy(QStringLiteral(ORDO_BENCH_APPDIR "/ordo.dbt"), path))
            return;
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        if (!doc.OnOpenDocument(path))
            return;
        Connection &connection = *doc.connection();
        Transaction transaction(connection);
        for (int i = 0; i < kCategories; ++i) {
            const int parent = i < kBranching ? 1 : 32 + i / kBranching - 1;
            const QString sql =
                QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (%1, %2, %3)")
                    .arg(QString::number(32 + i), FormatSqlValue(categoryName(i), SqlText),
                         QString::number(parent));
            if (!connection.execute(sql))
                return;
        }
        ready = transaction.commit();
    }
};

void BM_FillTree(benchmark::State &state)
{
    static Catalogue catalogue;
    if (!catalogue.ready) {
        state.SkipWithError("the catalogue could not be made");
        return;
    }
    COrdoTreeView tree(&catalogue.doc);
    for (auto _ : state) {
        tree.FillTree();
        benchmark::DoNotOptimize(tree.topLevelItemCount());
    }
    int items = 0;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        ++items;
    if (items != 1 + kCategories + 5)
        state.SkipWithError("the tree does not show every category");
    state.counters["items"] = items;
}
BENCHMARK(BM_FillTree)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksWithApp<QApplication>(argc, argv);
}
