// A catalogue of 100,000 books on a local PostgreSQL server (a private one,
// started by the benchmark on 127.0.0.1), driven as a user drives it:
//
// - ServerTreeClickAllBooks: a click on All Books until the list's rows are
//   painted, against psql running the list's query to /dev/null as its own
//   process. Target: within 1.5x.
// - ServerOpenAndTree: opening the server catalogue (File > Open of it again,
//   in the running program) until the category tree is painted. Target:
//   under 300 ms.
// - ServerChangeToList: a book added by another connection until the list
//   of All Books shows it, painted. Target: under 2 s.
#include "app/mainframe.h"
#include "app/ordoapp.h"
#include "benchmain.h"
#include "browse/ordolistview.h"
#include "browse/ordotreeview.h"
#include "catalog/booklistquery.h"
#include "catalog/cataloguecopy.h"
#include "catalog/ordodoc.h"
#include "catalog/pgdialect.h"
#include "catalog/recordset.h"
#include "catalog/serveraddress.h"
#include "eventwait.h"
#include "largecatalog.h"
#include "paintwatch.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidgetItem>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kBooks = 100000;
constexpr CategoryId kSmallCategory = 32;

// The private server and the catalogue on it, made once for every benchmark.
struct Server
{
    QTemporaryDir dir;
    QString address;
    int port = 0;
    bool ready = false;

    Server()
    {
        // The server may run as another user (root cannot run one).
        QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ExeOther | QFile::ReadOther);
        const QString folder = dir.filePath(QStringLiteral("pg"));
        if (QProcess::execute(QStringLiteral(ORDO_SOURCE_DIR "/scripts/pg-test-server"),
                              {QStringLiteral("start"), folder}) != 0)
            return;
        QFile portFile(folder + QStringLiteral("/port"));
        if (!portFile.open(QIODevice::ReadOnly))
            return;
        port = portFile.readAll().trimmed().toInt();
        ServerAddress a;
        a.host = QStringLiteral("127.0.0.1");
        a.port = port;
        a.database = QStringLiteral("ordotest");
        a.user = QStringLiteral("ordo_admin");
        a.schema = QStringLiteral("bench");
        a.sslMode = QStringLiteral("disable");
        address = a.toString();
        ServerPasswords::set(address, QStringLiteral("ordo_admin-pw"));

        LargeCatalogOptions options;
        options.books = kBooks;
        options.descriptions = true;
        const QString file = CreateLargeCatalog(dir.path(), options);
        DbError error;
        auto from = Connection::open(file, &error);
        if (!from || !Connection::createServerCatalogue(address, &error)) {
            qWarning("%s", qPrintable(error.message));
            return;
        }
        auto to = Connection::open(address, &error);
        CatalogueCopy copy;
        copy.from = from.get();
        copy.to = to.get();
        ready = to && copy.run(&error);
        if (!ready)
            qWarning("%s", qPrintable(error.message));
        else
            to->execute(QStringLiteral("ANALYZE"));
    }
    ~Server()
    {
        QProcess::execute(QStringLiteral(ORDO_SOURCE_DIR "/scripts/pg-test-server"),
                          {QStringLiteral("stop"), dir.filePath(QStringLiteral("pg"))});
    }

    // psql running sql on the catalogue, output thrown away; milliseconds.
    double psqlMilliseconds(const QString &sql) const
    {
        QProcess psql;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PGPASSWORD"), QStringLiteral("ordo_admin-pw"));
        psql.setProcessEnvironment(env);
        psql.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        psql.start(QStringLiteral("psql"),
                   {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-h"), QStringLiteral("127.0.0.1"),
                    QStringLiteral("-p"), QString::number(port), QStringLiteral("-U"), QStringLiteral("ordo_admin"),
                    QStringLiteral("-d"), QStringLiteral("ordotest"), QStringLiteral("-c"),
                    QStringLiteral("SET search_path TO bench, public"), QStringLiteral("-c"), sql});
        if (!psql.waitForFinished(120000) || psql.exitCode() != 0)
            return -1;
        return timer.nsecsElapsed() / 1e6;
    }
};

Server &server()
{
    static Server s;
    return s;
}

// The program with settings of its own, its window shown, no catalogue yet.
struct Program
{
    QTemporaryDir dir;
    std::unique_ptr<COrdoApp> app;
    CMainFrame *frame = nullptr;

    // Started as from the command line with the server address.
    bool start()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath(QStringLiteral("settings")));
        app = std::make_unique<COrdoApp>();
        app->setApplicationFolder(QStringLiteral(ORDO_BENCH_APPDIR));
        app->setUseMessageBoxes(false);
        if (!app->InitInstance(server().address))
            return false;
        frame = app->mainFrame();
        frame->resize(1280, 800);
        return WaitForEvents([&] { return frame->treeView()->FindItemByCatID(kSmallCategory) != nullptr; }, 60000);
    }
    ~Program()
    {
        if (app)
            app->ExitInstance();
    }
    void clickCategory(CategoryId category)
    {
        COrdoTreeView *tree = frame->treeView();
        QTreeWidgetItem *item = tree->FindItemByCatID(category);
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    }
    bool waitForRows(const PaintWatch &watch, int paintsBefore, int rows)
    {
        COrdoListView *list = frame->listView();
        return WaitForEvents(
            [&] {
                return watch.paints > paintsBefore && (rows < 0 || list->model()->rowCount() == rows);
            },
            60000);
    }
};

void BM_ServerOpenAndTree(benchmark::State &state)
{
    if (!server().ready) {
        state.SkipWithError("no server catalogue");
        return;
    }
    Program program;
    if (!program.start()) {
        state.SkipWithError("the program did not start");
        return;
    }
    COrdoTreeView *tree = program.frame->treeView();
    PaintWatch watch(tree->viewport());
    double total = 0;
    for (auto _ : state) {
        const int before = watch.paints;
        QElapsedTimer timer;
        timer.start();
        if (!program.frame->document()->OnOpenDocument(server().address) ||
            !WaitForEvents([&] { return watch.paints > before && tree->FindItemByCatID(kSmallCategory); }, 60000)) {
            state.SkipWithError("the catalogue did not open");
            return;
        }
        const double ms = timer.nsecsElapsed() / 1e6;
        state.SetIterationTime(ms / 1000);
        total += ms;
    }
    state.counters["ours_ms"] = total / double(state.iterations());
}
BENCHMARK(BM_ServerOpenAndTree)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ServerTreeClickAllBooks(benchmark::State &state)
{
    Program program;
    if (!server().ready || !program.start()) {
        state.SkipWithError("the server catalogue did not open");
        return;
    }
    COrdoListView *list = program.frame->listView();
    PaintWatch watch(list->viewport());
    const QString sql = SqliteToPostgres(BookListSql(AllBooksCategory));
    program.clickCategory(AllBooksCategory);
    if (!program.waitForRows(watch, 0, kBooks) || server().psqlMilliseconds(sql) < 0) {
        state.SkipWithError("All Books did not list");
        return;
    }
    double ours = 0;
    double psql = 0;
    for (auto _ : state) {
        program.clickCategory(kSmallCategory);
        if (!program.waitForRows(watch, watch.paints, -1)) {
            state.SkipWithError("the small category did not list");
            return;
        }
        const int before = watch.paints;
        QElapsedTimer timer;
        timer.start();
        program.clickCategory(AllBooksCategory);
        if (!program.waitForRows(watch, before, kBooks)) {
            state.SkipWithError("All Books did not list");
            return;
        }
        const double ms = timer.nsecsElapsed() / 1e6;
        state.SetIterationTime(ms / 1000);
        ours += ms;
        psql += server().psqlMilliseconds(sql);
    }
    const double n = double(state.iterations());
    state.counters["rows"] = kBooks;
    state.counters["ours_ms"] = ours / n;
    state.counters["psql_ms"] = psql / n;
    state.counters["ratio"] = psql > 0 ? ours / psql : 0;
}
BENCHMARK(BM_ServerTreeClickAllBooks)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_ServerChangeToList(benchmark::State &state)
{
    Program program;
    if (!server().ready || !program.start()) {
        state.SkipWithError("the server catalogue did not open");
        return;
    }
    COrdoListView *list = program.frame->listView();
    PaintWatch watch(list->viewport());
    program.clickCategory(AllBooksCategory);
    if (!program.waitForRows(watch, 0, -1)) {
        state.SkipWithError("All Books did not list");
        return;
    }
    DbError error;
    auto other = Connection::open(server().address, &error);
    if (!other) {
        state.SkipWithError("no second connection");
        return;
    }
    qint64 nextId = 10000000;
    double total = 0;
    for (auto _ : state) {
        const int rowsBefore = list->model()->rowCount();
        const int before = watch.paints;
        QElapsedTimer timer;
        timer.start();
        other->execute(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (%1, 'Новая книга %1')").arg(++nextId));
        other->execute(QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (%1, 1)").arg(nextId));
        if (!program.waitForRows(watch, before, rowsBefore + 1)) {
            state.SkipWithError("the new book did not show");
            return;
        }
        const double ms = timer.nsecsElapsed() / 1e6;
        state.SetIterationTime(ms / 1000);
        total += ms;
    }
    state.counters["ours_ms"] = total / double(state.iterations());
}
BENCHMARK(BM_ServerChangeToList)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    return RunWebEngineBenchmarks<QApplication>(argc, argv, &COrdoApp::RegisterUrlSchemes);
}
