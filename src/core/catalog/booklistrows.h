#pragma once

#include "bookid.h"

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringView>
#include <QVector>
#include <memory>
#include <vector>

// One row of the book list as separate texts: a single edited book, or a row
// put together by hand.
struct BookListRow
{
    BookId bookId = 0;
    QString title;
    QString author;
    QString publisher;
    QString isbn;
    QString edition;
    QString dateAdded; // yyyy-mm-dd, so that the text sorts as the date
    QString borrower;  // On Loan and Borrowed only: who has the book, or whose it is
    QString dueDate;   // On Loan and Borrowed only: yyyy-mm-dd, empty for none
    QString series;       // when the list shows series: the series' name
    QString seriesNumber; // and the book's number in it, as typed

    // Column text by column index (0 Title ... 5 Date added, 6 Borrower, 7 Due,
    // 8 Series, 9 Number in series).
    const QString &text(int column) const;
};

// The rows of the book list. The texts of the rows sit back to back in a few
// large blocks and a row is its book id and where its texts start: reading a
// category of 100,000 books allocates no string per cell, and letting it go
// frees a handful of blocks instead of half a million strings.
class BookListRows
{
public:
    static constexpr int ColumnCount = 10;
    static constexpr int SeriesColumn = 8;
    static constexpr int SeriesNumberColumn = 9;

    BookListRows() = default;
    BookListRows(BookListRows &&) noexcept = default;
    BookListRows &operator=(BookListRows &&) noexcept = default;

    qsizetype size() const { return qsizetype(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    void clear();
    void reserve(qsizetype rows) { m_rows.reserve(size_t(rows)); }

    BookId bookId(qsizetype row) const { return m_rows[size_t(row)].bookId; }
    // Valid until the rows change.
    QStringView text(qsizetype row, int column) const;
    BookListRow row(qsizetype row) const;

    void append(const BookListRow &row);
    // A row straight from the engine: UTF-8 texts, decoded into the blocks.
    // The publisher is already a name.
    void appendUtf8(BookId bookId, QByteArrayView title, QByteArrayView author, QStringView publisher,
                    QByteArrayView isbn, QByteArrayView edition, QByteArrayView dateAdded,
                    QByteArrayView borrower = {}, QByteArrayView dueDate = {}, QByteArrayView series = {},
                    QByteArrayView seriesNumber = {});
    // The row's texts are written anew; the old ones stay unused until the
    // rows are cleared.
    void replace(qsizetype row, const BookListRow &values);

    // Row i of the result is old row order[i]; order holds every row once.
    void reorder(const QVector<int> &order);
    void reverse();

private:
    struct Entry
    {
        BookId bookId;
        int block;
        // Column c is [start[c], start[c + 1]) in the block.
        quint32 start[ColumnCount + 1];
    };
    struct Block
    {
        std::unique_ptr<char16_t[]> text;
        qsizetype used = 0;
        qsizetype capacity = 0;
    };

    // Room for a row of at most units UTF-16 units in the last block; the
    // entry of a row starting there.
    Entry beginRow(BookId bookId, qsizetype units);
    char16_t *cursor() { return m_blocks.back().text.get() + m_blocks.back().used; }
    void endText(Entry &entry, int column, const char16_t *end);
    char16_t *decode(char16_t *out, QByteArrayView utf8);
    Entry makeEntry(const BookListRow &row);

    std::vector<Entry> m_rows;
    std::vector<Block> m_blocks;
    // Each cell decodes on its own, as QString::fromUtf8 would: a broken
    // sequence at the end of one text must not run into the next, and a
    // leading byte order mark is dropped.
    QStringDecoder m_decoder{QStringConverter::Utf8, QStringConverter::Flag::Stateless};
};
