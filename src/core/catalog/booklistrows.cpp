#include "booklistrows.h"

#include <algorithm>

const QString &BookListRow::text(int column) const
{
    switch (column) {
    case 0:
        return title;
    case 1:
        return author;
    case 2:
        return publisher;
    case 3:
        return isbn;
    case 4:
        return edition;
    case 5:
        return dateAdded;
    case 6:
        return borrower;
    case 7:
        return dueDate;
    case 8:
        return series;
    default:
        return seriesNumber;
    }
}

namespace {

// Most blocks hold many rows; a row longer than this gets a block of its own.
constexpr qsizetype kBlockUnits = 256 * 1024;

} // namespace

void BookListRows::clear()
{
    m_rows.clear();
    m_blocks.clear();
}

QStringView BookListRows::text(qsizetype row, int column) const
{
    if (column < 0 || column >= ColumnCount)
        return {};
    const Entry &entry = m_rows[size_t(row)];
    const char16_t *block = m_blocks[size_t(entry.block)].text.get();
    return QStringView(block + entry.start[column], qsizetype(entry.start[column + 1] - entry.start[column]));
}

BookListRow BookListRows::row(qsizetype row) const
{
    BookListRow values;
    values.bookId = bookId(row);
    values.title = text(row, 0).toString();
    values.author = text(row, 1).toString();
    values.publisher = text(row, 2).toString();
    values.isbn = text(row, 3).toString();
    values.edition = text(row, 4).toString();
    values.dateAdded = text(row, 5).toString();
    values.borrower = text(row, 6).toString();
    values.dueDate = text(row, 7).toString();
    values.series = text(row, SeriesColumn).toString();
    values.seriesNumber = text(row, SeriesNumberColumn).toString();
    return values;
}

BookListRows::Entry BookListRows::beginRow(BookId bookId, qsizetype units)
{
    if (m_blocks.empty() || m_blocks.back().capacity - m_blocks.back().used < units) {
        Block block;
        block.capacity = std::max(units, kBlockUnits);
        block.text.reset(new char16_t[size_t(block.capacity)]);
        m_blocks.push_back(std::move(block));
    }
    Entry entry;
    entry.bookId = bookId;
    entry.block = int(m_blocks.size() - 1);
    entry.start[0] = quint32(m_blocks.back().used);
    return entry;
}

void BookListRows::endText(Entry &entry, int column, const char16_t *end)
{
    Block &block = m_blocks.back();
    block.used = end - block.text.get();
    entry.start[column + 1] = quint32(block.used);
}

char16_t *BookListRows::decode(char16_t *out, QByteArrayView utf8)
{
    // Most cells are plain ASCII: widening them is one simple loop.
    // Widened as they come; the first byte that is not ASCII hands the cell
    // to the decoder (which writes it again from its start).
    const auto *in = reinterpret_cast<const unsigned char *>(utf8.data());
    const qsizetype n = utf8.size();
    qsizetype i = 0;
    for (; i < n && in[i] < 0x80; ++i)
        out[i] = in[i];
    if (i == n)
        return out + n;
    return reinterpret_cast<char16_t *>(m_decoder.appendToBuffer(reinterpret_cast<QChar *>(out), utf8));
}

void BookListRows::append(const BookListRow &row)
{
    m_rows.push_back(makeEntry(row));
}

BookListRows::Entry BookListRows::makeEntry(const BookListRow &row)
{
    qsizetype units = 0;
    for (int column = 0; column < ColumnCount; ++column)
        units += row.text(column).size();
    Entry entry = beginRow(row.bookId, units);
    for (int column = 0; column < ColumnCount; ++column) {
        const QString &text = row.text(column);
        char16_t *out = cursor();
        std::copy(text.utf16(), text.utf16() + text.size(), out);
        endText(entry, column, out + text.size());
    }
    return entry;
}

void BookListRows::appendUtf8(BookId bookId, QByteArrayView title, QByteArrayView author,
                              QStringView publisher, QByteArrayView isbn, QByteArrayView edition,
                              QByteArrayView dateAdded, QByteArrayView borrower, QByteArrayView dueDate,
                              QByteArrayView series, QByteArrayView seriesNumber)
{
    // UTF-8 never needs more UTF-16 units than it has bytes.
    Entry entry = beginRow(bookId, title.size() + author.size() + publisher.size() + isbn.size() +
                                       edition.size() + dateAdded.size() + borrower.size() + dueDate.size() +
                                       series.size() + seriesNumber.size());
    endText(entry, 0, decode(cursor(), title));
    endText(entry, 1, decode(cursor(), author));
    char16_t *out = cursor();
    std::copy(publisher.utf16(), publisher.utf16() + publisher.size(), out);
    endText(entry, 2, out + publisher.size());
    endText(entry, 3, decode(cursor(), isbn));
    endText(entry, 4, decode(cursor(), edition));
    endText(entry, 5, decode(cursor(), dateAdded));
    endText(entry, 6, decode(cursor(), borrower));
    endText(entry, 7, decode(cursor(), dueDate));
    endText(entry, SeriesColumn, decode(cursor(), series));
    endText(entry, SeriesNumberColumn, decode(cursor(), seriesNumber));
    m_rows.push_back(entry);
}

void BookListRows::replace(qsizetype row, const BookListRow &values)
{
    if (row < 0 || row >= size())
        return;
    m_rows[size_t(row)] = makeEntry(values);
}

void BookListRows::reorder(const QVector<int> &order)
{
    std::vector<Entry> rows;
    rows.reserve(size_t(order.size()));
    for (int old : order)
        rows.push_back(m_rows[size_t(old)]);
    m_rows = std::move(rows);
}

void BookListRows::reverse()
{
    std::reverse(m_rows.begin(), m_rows.end());
}
