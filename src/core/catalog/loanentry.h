#pragma once

#include "bookid.h"

#include <QDate>
#include <QString>

// Whose book it is: ours, lent to someone, or theirs, borrowed from them.
// The values are those of loan.Direction.
enum class LoanDirection { LentTo = 0, BorrowedFrom = 1 };

// One row of the loan table with its borrower's name.
struct LoanEntry
{
    qint64 loanId = 0;
    BookId bookId = 0;
    LoanDirection direction = LoanDirection::LentTo;
    qint64 borrowerId = 0;
    QString borrower;
    QDate loanDate;
    QDate dueDate;    // invalid: no due date
    QDate returnDate; // invalid: still out
    QString note;

    bool isOpen() const { return !returnDate.isValid(); }
    bool isOverdue(const QDate &today) const { return isOpen() && dueDate.isValid() && dueDate < today; }
};

// What Lend and Borrowed Book record.
struct LoanRequest
{
    QString borrower; // a name; an existing borrower of that name or a new one
    LoanDirection direction = LoanDirection::LentTo;
    QDate loanDate;
    QDate dueDate; // invalid: none
    QString note;
};
