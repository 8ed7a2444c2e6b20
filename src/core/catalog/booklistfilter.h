#pragma once

#include "bookid.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QVector>
#include <atomic>
#include <cstdint>
#include <functional>
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

private:
    friend class BookFilterIndex;
    struct Word
    {
        // Each form one way to find the word; any one is enough. Without
        // wildcards a form is its folded UTF-8 text, found by a plain byte
        // search in the folded texts of the index.
        std::vector<std::string> folded;
        // With wildcards: LIKE patterns, each tried on one text at a time so
        // that "%" cannot reach from one field into the next.
        std::vector<std::unique_ptr<LikeMatcher>> patterns;
    };
    std::vector<Word> m_words;
};

// The texts the filter looks in, for every book of the catalogue, read once
// and kept folded (case and accents set aside, as LIKE with accents ignored
// compares them): a keystroke then costs a byte search through memory, not a
// query and not a folding of every text again.
class BookFilterIndex
{
public:
    static constexpr char kFieldEnd = '\x1f';

    // Reads every book. False after a database error or when stop became
    // true (the index is then empty).
    bool load(Connection &connection, const std::atomic<bool> *stop = nullptr);
    void clear();

    qsizetype size() const { return qsizetype(m_ids.size()); }
    // Position of each book of ids in the index, -1 for one it has not.
    std::vector<int> positionsOf(const QVector<BookId> &ids) const;

    // The rows of ids (the books of the list, in list order) that words keep,
    // as row numbers in that order; positions are positionsOf(ids). Rows whose
    // book has no place in the index (added since it was read) are kept: a
    // book the list shows is not hidden for lack of its texts. Returns false,
    // with rows incomplete, when cancelled() said so (it is asked now and
    // then).
    bool filterRows(BookFilterWords &words, const std::vector<int> &positions, QVector<int> &rows,
                    const std::function<bool()> &cancelled) const;
    // The same, finding the positions itself.
    bool filterRows(BookFilterWords &words, const QVector<BookId> &ids, QVector<int> &rows) const;

    // The SELECT the index is read with.
    static QString Sql(bool series);

private:
    // The books (index positions, ascending) that hold word, by one search
    // through all the texts; false when cancelled.
    bool findEverywhere(const BookFilterWords::Word &word, std::vector<int> &books,
                        const std::function<bool()> &cancelled) const;
    bool bookHolds(const BookFilterWords::Word &word, size_t book) const;
    int bookAt(size_t offset, int from) const;

    std::vector<BookId> m_ids;
    std::vector<std::uint32_t> m_starts{0};
    std::string m_text; // the folded texts, each ended by kFieldEnd
    QHash<BookId, int> m_positions;
};

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

    // Tests: each check for a newer request waits this long first, so that
    // a request is still running when the next one comes.
    void setCheckDelayForTests(int milliseconds) { m_checkDelayMs = milliseconds; }

signals:
    // The rows of the request's ids that the text keeps, in their order.
    // ok is false when the index could not be read (rows then holds every
    // row: nothing is hidden).
    void rowsFiltered(int generation, const QVector<int> &rows, bool ok);

private:
    struct Worker;
    static bool ensureIndex(Worker &worker, const std::atomic<bool> &stop);

    QThreadPool m_pool;
    std::shared_ptr<Worker> m_worker;
    std::atomic<int> m_latest{0};
    int m_checkDelayMs = 0;
};
