#include "booklistfilter.h"

#include "catalogueupgrade.h"
#include "connection.h"
#include "isbn.h"
#include "likematcher.h"
#include "recordset.h"

#include "unicodetext.h"

#include <QThread>
#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

// Hyphens and blanks may split an ISBN anywhere; "X" ends an ISBN-10.
bool looksLikeIsbnPart(const QString &word)
{
    bool digit = false;
    bool separator = false;
    for (const QChar c : word) {
        if (c.isDigit())
            digit = true;
        else if (c == QLatin1Char('-'))
            separator = true;
        else if (c != QLatin1Char('x') && c != QLatin1Char('X'))
            return false;
    }
    return digit && separator;
}

std::unique_ptr<LikeMatcher> containsPattern(const QString &word)
{
    const QByteArray pattern = (QLatin1Char('%') + word + QLatin1Char('%')).toUtf8();
    return std::make_unique<LikeMatcher>(pattern.constData(), int(pattern.size()), 0, true);
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// UTF-8 text as the index keeps it: every character folded as LIKE with
// accents ignored compares it, marks that went with their accents dropped.
// A word folded the same way is then found by comparing bytes (UTF-8 never
// matches in the middle of a character). The separator of the texts becomes
// a blank.
void appendFolded(std::string &out, const char *utf8, int bytes)
{
    static const char16_t *const table = FoldTable(true);
    const auto *s = reinterpret_cast<const unsigned char *>(utf8);
    int i = 0;
    while (i < bytes) {
        if (s[i] < 0x80) {
            const unsigned char b = s[i++];
            out += b == static_cast<unsigned char>(BookFilterIndex::kFieldEnd) ? ' ' : char(table[b]);
            continue;
        }
        const char32_t c = NextCodePoint(s, bytes, i);
        const char32_t f = c <= 0xFFFF ? char32_t(table[c]) : FoldCodePoint(c, true);
        if (f != 0)
            appendUtf8(out, f);
    }
}

std::string foldedUtf8(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    std::string out;
    appendFolded(out, utf8.constData(), int(utf8.size()));
    return out;
}

} // namespace

BookFilterWords::BookFilterWords(const QString &text)
{
    // Any run of blanks (tabs, no-break spaces) parts two words.
    for (QString part : text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        // The separator of the indexed texts can never be part of a word.
        part.remove(QLatin1Char(BookFilterIndex::kFieldEnd));
        if (part.isEmpty())
            continue;
        QStringList forms{part};
        if (looksLikeIsbnPart(part))
            forms << QString(part).remove(QLatin1Char('-'));
        Word word;
        const bool wildcards = part.contains(QLatin1Char('%')) || part.contains(QLatin1Char('_'));
        for (const QString &form : std::as_const(forms)) {
            if (wildcards) {
                word.patterns.push_back(containsPattern(form));
                continue;
            }
            std::string folded = foldedUtf8(form);
            // A word of marks only folds to nothing and is found everywhere.
            if (!folded.empty())
                word.folded.push_back(std::move(folded));
        }
        if (!word.folded.empty() || !word.patterns.empty())
            m_words.push_back(std::move(word));
    }
    // Words found by a byte search first, the longest (likely the rarest)
    // of them leading: the others are then tried on the few books left.
    std::stable_sort(m_words.begin(), m_words.end(), [](const Word &a, const Word &b) {
        if (a.patterns.empty() != b.patterns.empty())
            return a.patterns.empty();
        return (a.folded.empty() ? 0 : a.folded.front().size()) > (b.folded.empty() ? 0 : b.folded.front().size());
    });
}

BookFilterWords::~BookFilterWords() = default;
BookFilterWords::BookFilterWords(BookFilterWords &&) noexcept = default;
BookFilterWords &BookFilterWords::operator=(BookFilterWords &&) noexcept = default;

QString BookFilterIndex::Sql(bool series)
{
    // Publisher and series are names in their own tables.
    return QStringLiteral("SELECT book.BookID, Title, Subtitle, Author, ISBN, "
                          "(SELECT Name FROM bookpublisher WHERE bookpublisher.PublisherID = book.PublisherID), "
                          "%1 FROM book")
        .arg(series ? QStringLiteral("(SELECT Name FROM bookseries WHERE bookseries.SeriesID = book.SeriesID)")
                    : QStringLiteral("NULL"));
}

void BookFilterIndex::clear()
{
    m_ids.clear();
    m_starts.assign(1, 0);
    m_text.clear();
    m_positions.clear();
}

bool BookFilterIndex::load(Connection &connection, const std::atomic<bool> *stop)
{
    clear();
    const bool series = BookTableHasColumn(connection, QStringLiteral("SeriesID"));
    Recordset rs;
    if (!rs.open(connection, Sql(series)))
        return false;
    m_text.reserve(8 * 1024 * 1024);
    // The texts come straight from the engine and are folded as they are
    // appended: no string per cell on the way.
    const auto add = [this, &rs](int column) {
        const QByteArrayView text = rs.fieldUtf8(column);
        if (!text.isEmpty())
            appendFolded(m_text, text.data(), int(text.size()));
        m_text += kFieldEnd;
    };
    for (int n = 0; !rs.isEOF(); ++n) {
        if ((n & 1023) == 0 && stop && stop->load()) {
            clear();
            return false;
        }
        add(1); // title
        add(2); // subtitle
        add(3); // author
        add(4); // ISBN as stored
        // The ISBN also as bare digits, and in its other form (10 <-> 13), so
        // that a number typed either way finds it.
        if (!rs.fieldUtf8(4).isEmpty()) {
            const QString isbn = rs.fieldText(4);
            const QString bare = NormalizeIsbn(isbn);
            if (bare != isbn)
                m_text += foldedUtf8(bare) + kFieldEnd;
            const QString other = OtherIsbnForm(isbn);
            if (!other.isEmpty())
                m_text += foldedUtf8(other) + kFieldEnd;
        }
        add(5); // publisher
        add(6); // series
        const BookId id = rs.int64Field(0);
        m_positions.insert(id, int(m_ids.size()));
        m_ids.push_back(id);
        m_starts.push_back(std::uint32_t(m_text.size()));
        DbError error;
        if (!rs.moveNext(&error) && error.isSet()) {
            clear();
            return false;
        }
    }
    return true;
}

std::vector<int> BookFilterIndex::positionsOf(const QVector<BookId> &ids) const
{
    std::vector<int> positions(size_t(ids.size()));
    for (qsizetype row = 0; row < ids.size(); ++row)
        positions[size_t(row)] = m_positions.value(ids[row], -1);
    return positions;
}

int BookFilterIndex::bookAt(size_t offset, int from) const
{
    // The book whose texts hold offset: the last start at or before it.
    const auto it = std::upper_bound(m_starts.begin() + from, m_starts.end(), std::uint32_t(offset));
    return int(it - m_starts.begin()) - 1;
}

bool BookFilterIndex::bookHolds(const BookFilterWords::Word &word, size_t book) const
{
    const char *text = m_text.data() + m_starts[book];
    const size_t size = m_starts[book + 1] - m_starts[book];
    for (const std::string &needle : word.folded) {
        if (memmem(text, size, needle.data(), needle.size()))
            return true;
    }
    // Wildcards: each text on its own.
    const char *from = text;
    const char *end = text + size;
    while (from < end && !word.patterns.empty()) {
        const char *fieldEnd = static_cast<const char *>(memchr(from, kFieldEnd, size_t(end - from)));
        if (!fieldEnd)
            fieldEnd = end;
        for (const auto &pattern : word.patterns) {
            if (pattern->matches(from, int(fieldEnd - from)))
                return true;
        }
        from = fieldEnd + 1;
    }
    return false;
}

bool BookFilterIndex::findEverywhere(const BookFilterWords::Word &word, std::vector<int> &books,
                                     const std::function<bool()> &cancelled) const
{
    std::vector<char> hit(m_ids.size(), 0);
    const char *text = m_text.data();
    const size_t size = m_text.size();
    // One search through all the books' texts at once: a word holds no
    // separator, so a place found never straddles two texts, and the search
    // goes on from the next book.
    for (const std::string &needle : word.folded) {
        size_t from = 0;
        int book = 0;
        for (int found = 1; from < size; ++found) {
            const void *at = memmem(text + from, size - from, needle.data(), needle.size());
            if (!at)
                break;
            book = bookAt(size_t(static_cast<const char *>(at) - text), book);
            hit[size_t(book)] = 1;
            from = m_starts[size_t(book) + 1];
            if ((found & 4095) == 0 && cancelled())
                return false;
        }
        if (cancelled())
            return false;
    }
    books.clear();
    for (size_t book = 0; book < hit.size(); ++book) {
        if ((book & 4095) == 0 && cancelled())
            return false;
        if (hit[book] || (!word.patterns.empty() && bookHolds(word, book)))
            books.push_back(int(book));
    }
    return true;
}

bool BookFilterIndex::filterRows(BookFilterWords &words, const std::vector<int> &positions, QVector<int> &rows,
                                 const std::function<bool()> &cancelled) const
{
    rows.clear();
    // The books holding every word so far, in index order. The first word
    // is searched for everywhere; the next ones only in the books left, one
    // by one once those are few, as they soon are.
    std::vector<int> books;
    bool first = true;
    for (const BookFilterWords::Word &word : words.m_words) {
        if (first || (books.size() * 8 > m_ids.size() && word.patterns.empty())) {
            std::vector<int> found;
            if (!findEverywhere(word, found, cancelled))
                return false;
            if (first) {
                books.swap(found);
            } else {
                std::vector<int> both;
                std::set_intersection(books.begin(), books.end(), found.begin(), found.end(),
                                      std::back_inserter(both));
                books.swap(both);
            }
            first = false;
            continue;
        }
        size_t kept = 0;
        for (size_t i = 0; i < books.size(); ++i) {
            if ((i & 4095) == 0 && cancelled())
                return false;
            if (bookHolds(word, size_t(books[i])))
                books[kept++] = books[i];
        }
        books.resize(kept);
    }
    std::vector<char> kept(m_ids.size(), 0);
    for (int book : books)
        kept[size_t(book)] = 1;
    rows.reserve(qsizetype(positions.size()));
    for (size_t row = 0; row < positions.size(); ++row) {
        const int at = positions[row];
        if (at < 0 || first || kept[size_t(at)])
            rows.append(int(row));
    }
    return !cancelled();
}

bool BookFilterIndex::filterRows(BookFilterWords &words, const QVector<BookId> &ids, QVector<int> &rows) const
{
    return filterRows(words, positionsOf(ids), rows, [] { return false; });
}

struct BookListFilter::Worker
{
    QString path;
    std::shared_ptr<Connection> connection;
    BookFilterIndex index;
    qint64 dataVersion = -1;
    bool indexed = false;
    // The positions of the last list's books: the same list (the very same
    // shared vector) with the same index needs no look-ups again.
    QVector<BookId> listIds;
    std::vector<int> listPositions;
    bool positionsValid = false;
    // Set when the catalogue changes or the filter goes: the index read in
    // progress stops.
    std::atomic<bool> stop{false};
};

BookListFilter::BookListFilter(QObject *parent) : QObject(parent), m_worker(std::make_shared<Worker>())
{
    // One thread: the connection and the index are only ever used by it, one
    // request after the other.
    m_pool.setMaxThreadCount(1);
    m_pool.setExpiryTimeout(-1);
}

BookListFilter::~BookListFilter()
{
    cancel();
    m_worker->stop = true;
    m_pool.waitForDone();
}

void BookListFilter::setCatalogue(const QString &path)
{
    cancel();
    m_worker->stop = true;
    auto worker = std::make_shared<Worker>();
    worker->path = path;
    m_worker = worker;
}

void BookListFilter::cancel()
{
    ++m_latest;
}

bool BookListFilter::ensureIndex(Worker &worker, const std::atomic<bool> &stop)
{
    if (worker.path.isEmpty())
        return false;
    if (!worker.connection) {
        worker.connection = Connection::openReader(worker.path);
        if (!worker.connection)
            return false;
    }
    // Another connection's commit (an edit, an import) changes the number:
    // the index is read again. The number is taken before reading, so a
    // commit during the read is caught next time.
    qint64 version = -1;
    {
        Recordset rs;
        if (rs.open(*worker.connection, QStringLiteral("PRAGMA data_version")) && !rs.isEOF())
            version = rs.int64Field(0);
    }
    if (worker.indexed && version == worker.dataVersion && version >= 0)
        return true;
    worker.positionsValid = false;
    worker.indexed = worker.index.load(*worker.connection, &stop);
    worker.dataVersion = version;
    return worker.indexed;
}

void BookListFilter::prepare()
{
    std::shared_ptr<Worker> worker = m_worker;
    m_pool.start([this, worker] {
        if (!worker->stop)
            ensureIndex(*worker, worker->stop);
    });
}

int BookListFilter::request(const QString &text, const QVector<BookId> &ids)
{
    const int generation = ++m_latest;
    std::shared_ptr<Worker> worker = m_worker;
    const int delayMs = m_checkDelayMs;
    m_pool.start([this, worker, generation, text, ids, delayMs] {
        const auto stale = [this, generation] { return m_latest.load() != generation; };
        if (stale())
            return; // a newer key came while this one waited
        QVector<int> rows;
        const bool ok = ensureIndex(*worker, worker->stop);
        if (stale())
            return;
        if (ok) {
            if (!worker->positionsValid || worker->listIds.constData() != ids.constData() ||
                worker->listIds.size() != ids.size()) {
                worker->listPositions = worker->index.positionsOf(ids);
                worker->listIds = ids;
                worker->positionsValid = true;
            }
            BookFilterWords words(text);
            const bool done = worker->index.filterRows(words, worker->listPositions, rows, [&] {
                if (delayMs > 0)
                    QThread::msleep(unsigned(delayMs));
                return stale();
            });
            if (!done)
                return;
        } else {
            // Without the index nothing is hidden rather than everything.
            rows.resize(ids.size());
            for (int i = 0; i < rows.size(); ++i)
                rows[i] = i;
        }
        QMetaObject::invokeMethod(
            this,
            [this, generation, rows = std::move(rows), ok] {
                // Checked again here: a newer request may have come while
                // this result was on its way.
                if (m_latest.load() == generation)
                    emit rowsFiltered(generation, rows, ok);
            },
            Qt::QueuedConnection);
    });
    return generation;
}
