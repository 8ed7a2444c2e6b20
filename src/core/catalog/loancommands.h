#pragma once

#include "bookid.h"
#include "fieldvalue.h"
#include "loanentry.h"

#include <QHash>
#include <QSet>
#include <QVector>
#include <optional>

class Connection;

// Lending and returning books. Each command runs in one transaction: it takes
// effect for every book or for none. Bad input and database errors are shown
// through the messenger and change nothing.

struct LoanOutcome
{
    bool ok = false;
    int changed = 0; // loans started or ended
    int skipped = 0; // books already out (Lend) or not out (Return)
};

// Starts a loan of each book that is not out already, to or from the named
// borrower (found by name, added when new). Refused: no borrower name, no
// loan date, a due date before the loan date.
[[nodiscard]] LoanOutcome LendBooks(Connection &connection, const QVector<BookId> &bookIds,
                                    const LoanRequest &request);

// Ends the current loan of each book that is out. Refused: a return date
// before a loan's date (no book is returned then).
[[nodiscard]] LoanOutcome ReturnBooks(Connection &connection, const QVector<BookId> &bookIds,
                                      const QDate &returnDate);

// The books among bookIds that are out now, in either direction.
QSet<BookId> BooksOut(Connection &connection, const QVector<BookId> &bookIds);

// Every loan of the book, the newest first; nullopt when the query failed.
// Empty for a catalogue without loan tables.
std::optional<QVector<LoanEntry>> LoansOfBook(Connection &connection, BookId bookId);

// The loans of each of the books (newest first), in one query per few
// hundred books; nullopt when a query failed.
std::optional<QHash<BookId, QVector<LoanEntry>>> LoansOfBooks(Connection &connection,
                                                              const QVector<BookId> &bookIds);

// Books lent (or borrowed) and not back by their due date, as of today.
int OverdueLoanCount(Connection &connection, const QDate &today,
                     LoanDirection direction = LoanDirection::LentTo);

// A date as the loan table keeps it (yyyy-mm-dd), NULL for an invalid one.
QString LoanDateSql(const QDate &date);
// A date read back from the loan table.
QDate LoanDateFromField(const FieldValue &value);
