#pragma once

#include "bookid.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QVector>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Connection;
class LikeMatcher;

// The words typed in the book list's filter bar. A book is kept when every
// word is found somewhere in its Title, Subtitle, Author, ISBN, Publisher or
// Series, in any order: LIKE rules as Basic Search has them ("%" and "_" are
// wildcards), case and accents ignored in every script. A word that looks
// like part of an ISBN ("978-0-14") is also tried without its hyphens, and
// the ISBNs are searched with and without theirs, so either form finds
// either.
class BookFilterWords
{
public:
    explicit BookFilterWords(const QString &text);
    ~BookFilterWords();
    BookFilterWords(BookFilterWords &&) noexcept;
    BookFilterWords &operator=(BookFilterWords &&) noexcept;

    bool isEmpty() const { return m_words.empty(); }
    int count() const { return int(m_words.size()); }

    // haystack: the texts of one book, each ended by kFieldEnd (see
    // BookFilterIndex). Not thread-safe: one set of words per thread.
    bool matches(const char *haystack, int bytes);

    static constexpr char kFieldEnd = '\x1f';

private:
    struct Word
    {
        // Each pattern one way to find the word; any one is enough.
        std::vector<std::unique_ptr<LikeMatcher>> patterns;
        // With wildcards a pattern could reach from one text into the next:
        // such a word is tried on each text alone.
        bool perField = false;
    };
    bool wordMatches(Word &word, const char *haystack, int bytes);

    std::vector<Word> m_words;
};

// The texts the filter looks in, for every book of the catalogue, read once
// and kept: a keystroke then costs a scan of memory, not a query.
class BookFilterIndex
{
public:
    // Reads every book. False after a database error or when stop became
    // true (the index is then empty).
    bool load(Connection &connection, const std::atomic<bool> *stop = nullptr);
    void clear();

    qsizetype size() const { return qsizetype(m_ids.size()); }
    // Position of a book in the index, -1 when it has none.
    int position(BookId id) const { return m_positions.value(id, -1); }
    const char *texts(int position) const { return m_text.data() + m_starts[size_t(position)]; }
    int bytes(int position) const { return int(m_starts[size_t(position) + 1] - m_starts[size_t(position)]); }

    // The SELECT the index is read with.
    static QString Sql(bool series);

private:
    void append(BookId id, const QString &title, const QString &subtitle, const QString &author,
                const QString &isbn, const QString &publisher, const QString &series);

    std::vector<BookId> m_ids;
    std::vector<std::uint32_t> m_starts{0};
    std::string m_text;
    QHash<BookId, int> m_positions;
};

// The rows of ids (the books of the list, in list order) that words keep,
// as row numbers in that order. Rows whose book has no place in the index
// (added since it was read) are kept: a book the list shows is not hidden
// for lack of its texts. Returns false, with rows incomplete, when
// cancelled() said so (it is asked every few thousand rows).
template <typename Cancelled>
bool FilterBookRows(const BookFilterIndex &index, BookFilterWords &words, const QVector<BookId> &ids,
                    QVector<int> &rows, Cancelled cancelled)
{
    rows.clear();
    const qsizetype count = ids.size();
    for (qsizetype row = 0; row < count; ++row) {
        if ((row & 4095) == 0 && cancelled())
            return false;
        const int at = index.position(ids[row]);
        if (at < 0 || words.matches(index.texts(at), index.bytes(at)))
            rows.append(int(row));
    }
    return true;
}

// Runs the filter off the caller's thread with a read-only connection of its
// own. Each request supersedes the ones before: a request still waiting is
// skipped, one running stops at its next check, and a result that arrives
// after a newer request was made is dropped, so only the latest text's rows
// are ever delivered. The index is read on first use and again whenever the
// catalogue has changed since (seen through PRAGMA data_version).
class BookListFilter : public QObject
{
    Q_OBJECT

public:
    explicit BookListFilter(QObject *parent = nullptr);
    ~BookListFilter() override;

    // The catalogue to read; an empty path closes the connection. Requests
    // made before are cancelled.
    void setCatalogue(const QString &path);
    // Reads the index now, ahead of the first request (the bar got the focus).
    void prepare();
    // Starts filtering ids by text; rowsFiltered follows with the returned
    // generation unless a newer request came first.
    int request(const QString &text, const QVector<BookId> &ids);
    // Drops whatever is pending or running; nothing more is delivered.
    void cancel();
    int latestGeneration() const { return m_latest.load(); }

    // Tests: each row scanned waits this long, so that a request is still
    // running when the next one comes.
    void setRowDelayForTests(int microseconds) { m_rowDelayUs = microseconds; }

signals:
    // The rows of the request's ids that the text keeps, in their order.
    // ok is false when the index could not be read (rows then holds every
    // row: nothing is hidden).
    void rowsFiltered(int generation, const QVector<int> &rows, bool ok);

private:
    struct Worker;
    bool ensureIndex(Worker &worker, const std::atomic<bool> &stop);

    QThreadPool m_pool;
    std::shared_ptr<Worker> m_worker;
    std::atomic<int> m_latest{0};
    int m_rowDelayUs = 0;
};
