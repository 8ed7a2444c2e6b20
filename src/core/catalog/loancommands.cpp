#include "loancommands.h"

#include "app/messenger.h"
#include "borrowers.h"
#include "catalogueupgrade.h"
#include "connection.h"
#include "recordset.h"
#include "sqlvalue.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// Statements name books by id; a long selection is cut into lists the
// engine takes comfortably.
constexpr int kIdsPerStatement = 500;

QVector<QString> idLists(const QVector<BookId> &bookIds)
{
    QVector<QString> lists;
    for (qsizetype at = 0; at < bookIds.size(); at += kIdsPerStatement) {
        QStringList ids;
        for (qsizetype i = at; i < qMin(bookIds.size(), at + kIdsPerStatement); ++i)
            ids << QString::number(bookIds.at(i));
        lists << ids.join(QLatin1Char(','));
    }
    return lists;
}

bool execute(Connection &connection, const QString &sql, qint64 *affected)
{
    DbError error;
    if (connection.execute(sql, affected, &error))
        return true;
    ShowDbError(sql, error);
    return false;
}

} // namespace

QString LoanDateSql(const QDate &date)
{
    return date.isValid() ? FormatSqlValue(date.toString(Qt::ISODate), SqlText) : QStringLiteral("NULL");
}

QDate LoanDateFromField(const FieldValue &value)
{
    if (value.kind == FieldValue::Kind::Date)
        return value.toDateTime().date();
    return QDate::fromString(value.toString().left(10), Qt::ISODate);
}

LoanOutcome LendBooks(Connection &connection, const QVector<BookId> &bookIds, const LoanRequest &request)
{
    LoanOutcome outcome;
    if (request.borrower.trimmed().isEmpty()) {
        messenger().showMessage(
            QCoreApplication::translate("CLoans", "Please enter who the book is lent to or borrowed from."),
            IMessenger::Icon::Warning);
        return outcome;
    }
    if (!request.loanDate.isValid()) {
        messenger().showMessage(QCoreApplication::translate("CLoans", "Please enter the date of the loan."),
                                IMessenger::Icon::Warning);
        return outcome;
    }
    if (request.dueDate.isValid() && request.dueDate < request.loanDate) {
        messenger().showMessage(
            QCoreApplication::translate("CLoans", "The due date cannot come before the date of the loan."),
            IMessenger::Icon::Warning);
        return outcome;
    }

    Transaction transaction(connection);
    if (!transaction.isActive())
        return outcome;
    const std::optional<qint64> borrower = FindOrAddBorrower(connection, request.borrower);
    if (!borrower)
        return outcome;
    for (const QString &ids : idLists(bookIds)) {
        // Books out already keep their loan; the others start one.
        qint64 added = 0;
        const QString sql =
            QStringLiteral(
                "INSERT INTO loan (BookID, BorrowerID, Direction, LoanDate, DueDate, Note) "
                "SELECT BookID, %1, %2, %3, %4, %5 FROM book WHERE BookID IN (%6) AND BookID NOT IN "
                "(SELECT BookID FROM loan WHERE ReturnDate IS NULL)")
                .arg(*borrower)
                .arg(int(request.direction))
                .arg(LoanDateSql(request.loanDate), LoanDateSql(request.dueDate),
                     FormatSqlValue(request.note, SqlText), ids);
        if (!execute(connection, sql, &added))
            return outcome;
        outcome.changed += int(added);
    }
    if (!transaction.commit())
        return LoanOutcome();
    outcome.ok = true;
    outcome.skipped = int(bookIds.size()) - outcome.changed;
    return outcome;
}

LoanOutcome ReturnBooks(Connection &connection, const QVector<BookId> &bookIds, const QDate &returnDate)
{
    LoanOutcome outcome;
    if (!returnDate.isValid()) {
        messenger().showMessage(
            QCoreApplication::translate("CLoans", "Please enter the date the book came back."),
            IMessenger::Icon::Warning);
        return outcome;
    }
    const QString date = LoanDateSql(returnDate);
    const QVector<QString> lists = idLists(bookIds);
    for (const QString &ids : lists) {
        Recordset early;
        if (!OpenRecordset(
                early, connection,
                QStringLiteral("SELECT COUNT(*) FROM loan WHERE ReturnDate IS NULL AND BookID IN (%1) "
                               "AND LoanDate > %2")
                    .arg(ids, date)))
            return outcome;
        if (early.int64Field(0) > 0) {
            messenger().showMessage(QCoreApplication::translate(
                                        "CLoans",
                                        "A book cannot come back before the date it was lent. Nothing was "
                                        "returned."),
                                    IMessenger::Icon::Warning);
            return outcome;
        }
    }
    Transaction transaction(connection);
    if (!transaction.isActive())
        return outcome;
    for (const QString &ids : lists) {
        qint64 ended = 0;
        if (!execute(
                connection,
                QStringLiteral("UPDATE loan SET ReturnDate=%1 WHERE ReturnDate IS NULL AND BookID IN (%2)")
                    .arg(date, ids),
                &ended))
            return outcome;
        outcome.changed += int(ended);
    }
    if (!transaction.commit())
        return LoanOutcome();
    outcome.ok = true;
    outcome.skipped = int(bookIds.size()) - outcome.changed;
    return outcome;
}

QSet<BookId> BooksOut(Connection &connection, const QVector<BookId> &bookIds)
{
    QSet<BookId> out;
    if (bookIds.isEmpty() || !HasLoanTables(connection))
        return out;
    for (const QString &ids : idLists(bookIds)) {
        Recordset rs;
        if (!rs.open(connection,
                     QStringLiteral("SELECT BookID FROM loan WHERE ReturnDate IS NULL AND BookID IN (%1)")
                         .arg(ids)))
            return out;
        while (!rs.isEOF()) {
            out.insert(rs.int64Field(0));
            if (!rs.moveNext())
                break;
        }
    }
    return out;
}

std::optional<QHash<BookId, QVector<LoanEntry>>> LoansOfBooks(Connection &connection,
                                                              const QVector<BookId> &bookIds)
{
    QHash<BookId, QVector<LoanEntry>> loans;
    if (bookIds.isEmpty() || !HasLoanTables(connection))
        return loans;
    for (const QString &ids : idLists(bookIds)) {
        Recordset rs;
        if (!OpenRecordset(
                rs, connection,
                QStringLiteral("SELECT loan.LoanID, loan.BookID, loan.Direction, loan.BorrowerID, "
                               "borrower.Name, loan.LoanDate, loan.DueDate, loan.ReturnDate, loan.Note "
                               "FROM loan LEFT JOIN borrower ON borrower.BorrowerID=loan.BorrowerID "
                               "WHERE loan.BookID IN (%1) ORDER BY loan.LoanDate DESC, loan.LoanID DESC")
                    .arg(ids)))
            return std::nullopt;
        while (!rs.isEOF()) {
            LoanEntry e;
            e.loanId = rs.int64Field(0);
            e.bookId = rs.int64Field(1);
            e.direction = rs.int64Field(2) == 1 ? LoanDirection::BorrowedFrom : LoanDirection::LentTo;
            e.borrowerId = rs.int64Field(3);
            e.borrower = rs.fieldText(4);
            e.loanDate = LoanDateFromField(rs.field(5));
            e.dueDate = LoanDateFromField(rs.field(6));
            e.returnDate = LoanDateFromField(rs.field(7));
            e.note = rs.fieldText(8);
            loans[e.bookId] << e;
            if (!rs.moveNext() && rs.lastError().isSet())
                return std::nullopt;
        }
    }
    return loans;
}

std::optional<QVector<LoanEntry>> LoansOfBook(Connection &connection, BookId bookId)
{
    const auto loans = LoansOfBooks(connection, {bookId});
    if (!loans)
        return std::nullopt;
    return loans->value(bookId);
}

int OverdueLoanCount(Connection &connection, const QDate &today, LoanDirection direction)
{
    if (!HasLoanTables(connection))
        return 0;
    Recordset rs;
    if (!rs.open(connection,
                 QStringLiteral("SELECT COUNT(*) FROM loan WHERE ReturnDate IS NULL AND Direction=%1 "
                                "AND DueDate IS NOT NULL AND DueDate < %2")
                     .arg(int(direction))
                     .arg(LoanDateSql(today))))
        return 0;
    return int(rs.int64Field(0));
}
