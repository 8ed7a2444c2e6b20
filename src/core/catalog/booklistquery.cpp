#include "booklistquery.h"

#include "booklistsort.h"
#include "catalogueupgrade.h"
#include "connection.h"
#include "recordset.h"
#include "sqlvalue.h"

#include <QHash>

namespace {

// Every publisher name by id, read in one pass so that a list of many books
// costs one extra query instead of one per row.
bool readPublishers(Connection &connection, QHash<qint64, QString> &names)
{
    Recordset rs;
    if (!rs.open(connection, QStringLiteral("SELECT PublisherID, Name FROM bookpublisher")))
        return false;
    while (!rs.isEOF()) {
        const FieldValue id = rs.field(0);
        if (id.isInteger())
            names.insert(id.toInt64(), FieldToText(rs.field(1)));
        if (!rs.moveNext() && rs.lastError().isSet())
            return false;
    }
    return true;
}

} // namespace

QString BookListSql(CategoryId category, bool dateAdded, bool series)
{
    // The series are read only when the list shows them: they are not in the
    // index that lets the plain list skip the books' long texts.
    const QString seriesColumns =
        series ? QStringLiteral(", (SELECT Name FROM bookseries WHERE bookseries.SeriesID = book.SeriesID), "
                                "book.SeriesNumber")
               : QString();
    QString columns = QStringLiteral("Title, Author, PublisherID, ISBN, Edition, ") +
                      (dateAdded ? QStringLiteral("DateAdded") : QStringLiteral("NULL"));
    if (IsLoanCategory(category))
        return QStringLiteral("SELECT book.BookID, %1, borrower.Name, loan.DueDate%3 FROM loan "
                              "JOIN book ON book.BookID = loan.BookID "
                              "JOIN borrower ON borrower.BorrowerID = loan.BorrowerID "
                              "WHERE loan.ReturnDate IS NULL AND loan.Direction = %2 ORDER BY Title DESC")
            .arg(columns)
            .arg(category == OnLoanCategory ? 0 : 1)
            .arg(seriesColumns);
    if (series)
        columns += QStringLiteral(", NULL, NULL") + seriesColumns;
    if (category == AllBooksCategory)
        return QStringLiteral("SELECT BookID, %1 FROM book ORDER BY Title DESC").arg(columns);
    if (category == RecycleBinCategory)
        return QStringLiteral("SELECT BookID, %1 FROM book WHERE BookID NOT IN (SELECT DISTINCT BookID FROM "
                              "book_category) ORDER BY Title DESC")
            .arg(columns);
    return QStringLiteral("SELECT book.BookID, %1 FROM book, book_category WHERE book.BookID = "
                          "book_category.BookID AND book_category.CatID = %2 ORDER BY Title DESC")
        .arg(columns)
        .arg(category);
}

BookListLoad LoadBookListRows(Connection &connection, CategoryId category, BookListRows &rows, bool series)
{
    rows.clear();
    // Every click runs this: the schema is asked only when the query fails
    // (a read-only catalogue of an older version has no date column, no
    // series).
    QString sql = BookListSql(category, true, series);
    Recordset rs;
    if (!rs.open(connection, sql)) {
        // A read-only catalogue of an older version has no loans to list.
        if (IsLoanCategory(category) && !HasLoanTables(connection))
            return BookListLoad::Loaded;
        const bool dateAdded = BookTableHasColumn(connection, QStringLiteral("DateAdded"));
        const bool seriesColumns = series && BookTableHasColumn(connection, QStringLiteral("SeriesID"));
        if (dateAdded && seriesColumns == series)
            return BookListLoad::OpenFailed;
        sql = BookListSql(category, dateAdded, seriesColumns);
        if (!rs.open(connection, sql))
            return BookListLoad::OpenFailed;
    }

    QHash<qint64, QString> publishers;
    const bool havePublishers = readPublishers(connection, publishers);

    // The columns come straight from the engine into the rows' one buffer:
    // a category of 100,000 books is read without a string per cell.
    const auto bytes = [&rs](int column) { return rs.fieldUtf8(column); };
    const bool loanColumns = rs.fieldCount() > 7;
    const bool seriesColumns = rs.fieldCount() > 9;
    BookListLoad result = BookListLoad::Loaded;
    rows.reserve(1024);
    while (!rs.isEOF()) {
        // A NULL id, an id with no row or a value that is no id at all give
        // an empty publisher name.
        QStringView publisher;
        if (havePublishers && rs.holdsInteger(3)) {
            const auto found = publishers.constFind(rs.int64Field(3));
            if (found != publishers.cend())
                publisher = *found;
        }
        if (seriesColumns)
            rows.appendUtf8(rs.int64Field(0), bytes(1), bytes(2), publisher, bytes(4), bytes(5),
                            bytes(6), bytes(7), bytes(8), bytes(9), bytes(10));
        else if (loanColumns)
            rows.appendUtf8(rs.int64Field(0), bytes(1), bytes(2), publisher, bytes(4), bytes(5),
                            bytes(6), bytes(7), bytes(8));
        else
            rows.appendUtf8(rs.int64Field(0), bytes(1), bytes(2), publisher, bytes(4), bytes(5),
                            bytes(6));

        DbError error;
        if (!rs.moveNext(&error) && error.isSet()) {
            ShowDbError(sql, error);
            result = BookListLoad::ReadFailed;
            break;
        }
    }
    // The query runs newest title first and the list is built by putting each
    // row at the top: the shown order is the query's order reversed. The
    // engine compares code units (A-Z folded), so the titles are then put in
    // the order of the user's language, as a click on the header does; equal
    // titles keep the reversed order.
    rows.reverse();
    SortBookListRows(rows, 0, true);
    return result;
}

bool LoadBookListRow(Connection &connection, BookId bookId, BookListRow &row)
{
    Recordset rs;
    if (!rs.open(connection,
                 QStringLiteral("SELECT BookID, Title, Author, PublisherID, ISBN, Edition, %1 FROM book "
                                "WHERE BookID=%2")
                     .arg(DateAddedSelect(connection))
                     .arg(bookId)) ||
        rs.isEOF())
        return false;
    row = BookListRow();
    row.bookId = bookId;
    row.title = FieldToText(rs.field(1));
    row.author = FieldToText(rs.field(2));
    const FieldValue publisherId = rs.field(3);
    row.isbn = FieldToText(rs.field(4));
    row.edition = FieldToText(rs.field(5));
    const FieldValue added = rs.field(6);
    row.dateAdded = added.kind == FieldValue::Kind::Date ? added.toDateTime().date().toString(Qt::ISODate)
                                                         : FieldToText(added);
    rs.close();
    if (publisherId.isInteger()) {
        Recordset name;
        if (name.open(connection, QStringLiteral("SELECT Name FROM bookpublisher WHERE PublisherID=%1")
                                      .arg(publisherId.toInt64())) &&
            !name.isEOF())
            row.publisher = FieldToText(name.field(0));
    }
    if (BookTableHasColumn(connection, QStringLiteral("SeriesID"))) {
        Recordset series;
        if (series.open(connection, QStringLiteral("SELECT (SELECT Name FROM bookseries WHERE bookseries.SeriesID = "
                                                   "book.SeriesID), SeriesNumber FROM book WHERE BookID=%1")
                                        .arg(bookId)) &&
            !series.isEOF()) {
            row.series = FieldToText(series.field(0));
            row.seriesNumber = FieldToText(series.field(1));
        }
    }
    return true;
}
