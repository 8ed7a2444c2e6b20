#pragma once

#include "bookid.h"

#include "booklistrows.h"

#include <QString>

class Connection;

// Category values that exist only in the tree.
enum : int {
    AllBooksCategory = 5,
    RecycleBinCategory = 6,
    OnLoanCategory = 7,   // books of ours lent and not back yet
    BorrowedCategory = 8, // books borrowed from others and not given back yet
    NoCategory = -1
};

// All Books, the Recycle Bin, On Loan and Borrowed: lists with no category
// row behind them, which take no memberships.
inline bool IsListOnlyCategory(CategoryId category)
{
    return category >= AllBooksCategory && category <= BorrowedCategory;
}

inline bool IsLoanCategory(CategoryId category)
{
    return category == OnLoanCategory || category == BorrowedCategory;
}

// The list's query for a category: All Books, the Recycle Bin (books in no
// category) or the members of one category, newest titles first. Without
// dateAdded (a read-only catalogue of an older version has no such column)
// the date column is NULL. On Loan and Borrowed list the current loans of
// their direction with two more columns: the borrower and the due date.
// With series, every list also has those two (NULL outside the loan lists)
// and then the series' name and the book's number in it.
QString BookListSql(CategoryId category, bool dateAdded = true, bool series = false);

enum class BookListLoad {
    Loaded,     // every row read
    OpenFailed, // the query could not run; nothing was read, nothing shown
    ReadFailed  // rows stopped early; the error has been shown, rows holds what was read
};

// Reads the rows of a category in the order the list shows them after a load:
// ascending titles in the user's collation (see BookListSortOrder), books
// with equal titles in the reverse of the query's order (the list builds
// itself by putting each row of the descending query at the top). Publisher
// names are read once, not per row.
// With series the rows also hold the series and number (left empty by a
// catalogue that has no series).
[[nodiscard]] BookListLoad LoadBookListRows(Connection &connection, CategoryId category, BookListRows &rows,
                                            bool series = false);

// Reads the list row of one book (after an edit) without re-reading the
// category. False when the book is gone or the query failed (nothing shown).
[[nodiscard]] bool LoadBookListRow(Connection &connection, BookId bookId, BookListRow &row);
