// The book list's bulk commands on 10,000 selected books of a 100,000-book
// catalogue: Remove Book in All Books, in a category and in the Recycle Bin,
// Send To (new and existing memberships) and Paste. Target: each under 2 s.
#include "benchmain.h"
#include "app/messenger.h"
#include "catalog/bookcommands.h"
#include "catalog/bookrecord.h"
#include "catalog/connection.h"
#include "catalog/recordset.h"
#include "largecatalog.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kSelected = 10000;

// Counts what a command would have shown instead of showing it.
class CountingMessenger : public IMessenger
{
public:
    void showMessage(const QString &, Icon) override { ++messages; }
    bool askYesNo(const QString &, Icon) override { return true; }
    int messages = 0;
};

// A fresh private copy of the large catalogue for each measured run.
struct Fixture
{
    QTemporaryDir dir;
    std::shared_ptr<Connection> connection;
    QString images;

    bool reset()
    {
        connection.reset();
        const QString path = CreateLargeCatalog(dir.path());
        if (path.isEmpty())
            return false;
        images = dir.path() + QStringLiteral("/large_images");
        connection = Connection::open(path);
        return bool(connection);
    }

    bool exec(const QString &sql) { return bool(connection->execute(sql)); }

    // Every tenth book: a selection spread over the whole catalogue.
    static QVector<BookId> selection()
    {
        QVector<BookId> ids;
        for (int i = 0; i < kSelected; ++i)
            ids << 1 + 10 * i;
        return ids;
    }

    bool forEach(const QVector<BookId> &ids, const QString &pattern)
    {
        Transaction transaction(*connection);
        for (int id : ids) {
            if (!exec(pattern.arg(id)))
                return false;
        }
        return transaction.commit();
    }
};

using Setup = bool (*)(Fixture &, const QVector<BookId> &);
using Command = void (*)(Fixture &, const QVector<BookId> &, CountingMessenger &);

void runMeasured(benchmark::State &state, Setup setup, Command command)
{
    CountingMessenger messenger;
    setMessenger(&messenger);
    Fixture fixture;
    const QVector<BookId> ids = Fixture::selection();
    for (auto _ : state) {
        state.PauseTiming();
        const bool ready = fixture.reset() && (!setup || setup(fixture, ids));
        state.ResumeTiming();
        if (!ready) {
            state.SkipWithError("the catalogue could not be prepared");
            break;
        }
        command(fixture, ids, messenger);
    }
    state.counters["books"] = ids.size();
    state.counters["messages"] = messenger.messages;
    setMessenger(nullptr);
}

void BM_RemoveFromAllBooks(benchmark::State &state)
{
    runMeasured(state, nullptr, [](Fixture &f, const QVector<BookId> &ids, CountingMessenger &) {
        DeleteSelectedBooks(*f.connection, 5, ids, f.images);
    });
}
BENCHMARK(BM_RemoveFromAllBooks)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RemoveFromCategory(benchmark::State &state)
{
    runMeasured(
        state,
        [](Fixture &f, const QVector<BookId> &ids) {
            return f.exec(QStringLiteral("DELETE FROM book_category WHERE CatID=4")) &&
                   f.forEach(ids, QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (%1, 4)"));
        },
        [](Fixture &f, const QVector<BookId> &ids, CountingMessenger &) {
            DeleteSelectedBooks(*f.connection, 4, ids, f.images);
        });
}
BENCHMARK(BM_RemoveFromCategory)->Unit(benchmark::kMillisecond)->Iterations(3);

// The books are in no category and have front and back cover files.
void BM_RemoveFromRecycleBin(benchmark::State &state)
{
    runMeasured(
        state,
        [](Fixture &f, const QVector<BookId> &ids) {
            if (!f.forEach(ids, QStringLiteral("DELETE FROM book_category WHERE BookID=%1")) ||
                !f.forEach(ids, QStringLiteral("UPDATE book SET FrontCover='%1.jpg', BackCover='%1b.jpg' "
                                               "WHERE BookID=%1")))
                return false;
            for (int id : ids) {
                for (const QString &name : {QStringLiteral("/%1.jpg"), QStringLiteral("/%1b.jpg")}) {
                    QFile file(f.images + name.arg(id));
                    if (!file.open(QIODevice::WriteOnly))
                        return false;
                }
            }
            return true;
        },
        [](Fixture &f, const QVector<BookId> &ids, CountingMessenger &) {
            DeleteSelectedBooks(*f.connection, 6, ids, f.images);
            if (QFile::exists(f.images + QStringLiteral("/1.jpg")))
                std::abort(); // the covers must be gone
        });
}
BENCHMARK(BM_RemoveFromRecycleBin)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SendToNew(benchmark::State &state)
{
    runMeasured(
        state,
        [](Fixture &f, const QVector<BookId> &) {
            return f.exec(QStringLiteral("DELETE FROM book_category WHERE CatID=2"));
        },
        [](Fixture &f, const QVector<BookId> &ids, CountingMessenger &) { SendBooksTo(*f.connection, ids, 2); });
}
BENCHMARK(BM_SendToNew)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every membership exists already: each statement fails, silently.
void BM_SendToExisting(benchmark::State &state)
{
    runMeasured(
        state,
        [](Fixture &f, const QVector<BookId> &ids) {
            return f.forEach(
                ids, QStringLiteral("INSERT OR IGNORE INTO book_category (BookID, CatID) VALUES (%1, 2)"));
        },
        [](Fixture &f, const QVector<BookId> &ids, CountingMessenger &) { SendBooksTo(*f.connection, ids, 2); });
}
BENCHMARK(BM_SendToExisting)->Unit(benchmark::kMillisecond)->Iterations(3);

// Paste into a category: the tree's paste adds the memberships through the
// book record, half of them already there.
void BM_Paste(benchmark::State &state)
{
    runMeasured(
        state,
        [](Fixture &f, const QVector<BookId> &ids) {
            return f.exec(QStringLiteral("DELETE FROM book_category WHERE CatID=3")) &&
                   f.forEach(ids.mid(0, ids.size() / 2),
                             QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (%1, 3)"));
        },
        [](Fixture &f, const QVector<BookId> &ids, CountingMessenger &) {
            CBookRecord::AddBooksToCategory(ids, 3, *f.connection);
        });
}
BENCHMARK(BM_Paste)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksWithApp<QCoreApplication>(argc, argv);
}
