#include "booklistfilter.h"

#include "catalogueupgrade.h"
#include "connection.h"
#include "isbn.h"
#include "likematcher.h"
#include "recordset.h"

#include <QThread>
#include <sqlite3.h>

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

} // namespace

BookFilterWords::BookFilterWords(const QString &text)
{
    // Any run of blanks (tabs, no-break spaces) parts two words.
    for (QString part : text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        // The separator of the indexed texts can never be part of a word.
        part.remove(QLatin1Char(kFieldEnd));
        if (part.isEmpty())
            continue;
        Word word;
        word.perField = part.contains(QLatin1Char('%')) || part.contains(QLatin1Char('_'));
        word.patterns.push_back(containsPattern(part));
        if (looksLikeIsbnPart(part))
            word.patterns.push_back(containsPattern(QString(part).remove(QLatin1Char('-'))));
        m_words.push_back(std::move(word));
    }
}

BookFilterWords::~BookFilterWords() = default;
BookFilterWords::BookFilterWords(BookFilterWords &&) noexcept = default;
BookFilterWords &BookFilterWords::operator=(BookFilterWords &&) noexcept = default;

bool BookFilterWords::wordMatches(Word &word, const char *haystack, int bytes)
{
    for (const auto &pattern : word.patterns) {
        if (!word.perField) {
            // A plain word holds no separator, so it cannot match across two
            // texts: the whole row is one search.
            if (pattern->matches(haystack, bytes))
                return true;
            continue;
        }
        int from = 0;
        while (from < bytes) {
            int end = from;
            while (end < bytes && haystack[end] != kFieldEnd)
                ++end;
            if (pattern->matches(haystack + from, end - from))
                return true;
            from = end + 1;
        }
    }
    return false;
}

bool BookFilterWords::matches(const char *haystack, int bytes)
{
    for (Word &word : m_words) {
        if (!wordMatches(word, haystack, bytes))
            return false;
    }
    return true;
}

QString BookFilterIndex::Sql(bool series)
{
    // Publisher and series are names in their own tables; the series columns
    // come last in the row, so they are read from their index (book_series)
    // when there are any, not by reading each whole book.
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

void BookFilterIndex::append(BookId id, const QString &title, const QString &subtitle, const QString &author,
                             const QString &isbn, const QString &publisher, const QString &series)
{
    const auto add = [this](const QString &text) {
        if (!text.isEmpty()) {
            QString clean = text;
            clean.replace(QLatin1Char(BookFilterWords::kFieldEnd), QLatin1Char(' '));
            m_text += clean.toStdString();
        }
        m_text += BookFilterWords::kFieldEnd;
    };
    add(title);
    add(subtitle);
    add(author);
    add(isbn);
    // The ISBN also as bare digits, and in its other form (10 <-> 13), so
    // that a number typed either way finds it.
    const QString bare = NormalizeIsbn(isbn);
    if (bare != isbn)
        add(bare);
    add(OtherIsbnForm(isbn));
    add(publisher);
    add(series);
    m_positions.insert(id, int(m_ids.size()));
    m_ids.push_back(id);
    m_starts.push_back(std::uint32_t(m_text.size()));
}

bool BookFilterIndex::load(Connection &connection, const std::atomic<bool> *stop)
{
    clear();
    const bool series = BookTableHasColumn(connection, QStringLiteral("SeriesID"));
    Recordset rs;
    if (!rs.open(connection, Sql(series)))
        return false;
    m_text.reserve(64 * 1024);
    for (int n = 0; !rs.isEOF(); ++n) {
        if ((n & 1023) == 0 && stop && stop->load()) {
            clear();
            return false;
        }
        append(rs.int64Field(0), rs.fieldText(1), rs.fieldText(2), rs.fieldText(3), rs.fieldText(4),
               rs.fieldText(5), rs.fieldText(6));
        DbError error;
        if (!rs.moveNext(&error) && error.isSet()) {
            clear();
            return false;
        }
    }
    return true;
}

struct BookListFilter::Worker
{
    QString path;
    std::shared_ptr<Connection> connection;
    BookFilterIndex index;
    qint64 dataVersion = -1;
    bool indexed = false;
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
    const int delayUs = m_rowDelayUs;
    m_pool.start([this, worker, generation, text, ids, delayUs] {
        const auto stale = [this, generation] { return m_latest.load() != generation; };
        if (stale())
            return; // a newer key came while this one waited
        QVector<int> rows;
        bool ok = ensureIndex(*worker, worker->stop);
        if (stale())
            return;
        if (ok) {
            BookFilterWords words(text);
            const bool done = FilterBookRows(worker->index, words, ids, rows, [&] {
                if (delayUs > 0)
                    QThread::usleep(4096UL * unsigned(delayUs));
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
