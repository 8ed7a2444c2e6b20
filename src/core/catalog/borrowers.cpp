#include "borrowers.h"

#include "app/messenger.h"
#include "connection.h"
#include "recordset.h"
#include "sqlvalue.h"

#include <QCollator>
#include <QCoreApplication>
#include <algorithm>

namespace {

bool run(Connection &connection, const QString &sql)
{
    return ExecuteSql(sql, true, connection);
}

// The id of another borrower called name, 0 when there is none, -1 on error.
// Letter case is ignored in every script ("дмитрий" is "Дмитрий"): the
// connection's LIKE folds Unicode; the name's own % and _ match only
// themselves.
qint64 otherWithName(Connection &connection, const QString &name, qint64 except)
{
    Recordset rs;
    const QString sql =
        QStringLiteral("SELECT BorrowerID FROM borrower WHERE Name LIKE %1 ESCAPE '\\' AND BorrowerID<>%2 "
                       "ORDER BY BorrowerID")
            .arg(FormatSqlValue(EscapeLikePattern(name), SqlText))
            .arg(except);
    if (!OpenRecordset(rs, connection, sql))
        return -1;
    return rs.isEOF() ? 0 : rs.int64Field(0);
}

} // namespace

std::optional<QVector<BorrowerInfo>> LoadBorrowers(Connection &connection)
{
    Recordset rs;
    if (!OpenRecordset(rs, connection,
                       QStringLiteral("SELECT b.BorrowerID, b.Name, b.Contact, b.Notes, "
                                      "(SELECT COUNT(*) FROM loan WHERE loan.BorrowerID=b.BorrowerID AND "
                                      "ReturnDate IS NULL), "
                                      "(SELECT COUNT(*) FROM loan WHERE loan.BorrowerID=b.BorrowerID) "
                                      "FROM borrower b")))
        return std::nullopt;
    QVector<BorrowerInfo> result;
    while (!rs.isEOF()) {
        BorrowerInfo b;
        b.id = rs.int64Field(0);
        b.name = rs.fieldText(1);
        b.contact = rs.fieldText(2);
        b.notes = rs.fieldText(3);
        b.booksNow = int(rs.int64Field(4));
        b.booksEver = int(rs.int64Field(5));
        result << b;
        if (!rs.moveNext() && rs.lastError().isSet())
            return std::nullopt;
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::stable_sort(result.begin(), result.end(), [&collator](const BorrowerInfo &a, const BorrowerInfo &b) {
        return collator.compare(a.name, b.name) < 0;
    });
    return result;
}

std::optional<qint64> FindOrAddBorrower(Connection &connection, const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const qint64 existing = otherWithName(connection, trimmed, 0);
    if (existing < 0)
        return std::nullopt;
    if (existing > 0)
        return existing;
    Transaction transaction(connection);
    Recordset next;
    if (!transaction.isActive() ||
        !OpenRecordset(next, connection,
                       QStringLiteral("SELECT COALESCE(MAX(BorrowerID), 0) + 1 FROM borrower")))
        return std::nullopt;
    const qint64 id = next.int64Field(0);
    next.close();
    if (!run(connection, QStringLiteral("INSERT INTO borrower (BorrowerID, Name) VALUES (%1, %2)")
                             .arg(id)
                             .arg(FormatSqlValue(trimmed, SqlText))) ||
        !transaction.commit())
        return std::nullopt;
    return id;
}

bool UpdateBorrower(Connection &connection, const BorrowerInfo &borrower)
{
    const QString name = borrower.name.trimmed();
    if (name.isEmpty()) {
        messenger().showMessage(QCoreApplication::translate("CBorrowers", "A borrower needs a name."),
                                IMessenger::Icon::Warning);
        return false;
    }
    const qint64 other = otherWithName(connection, name, borrower.id);
    if (other < 0)
        return false;
    if (other > 0) {
        messenger().showMessage(
            QCoreApplication::translate(
                "CBorrowers", "There is already a borrower called %1. To make the two one, use Merge.")
                .arg(name),
            IMessenger::Icon::Warning);
        return false;
    }
    return run(connection,
               QStringLiteral("UPDATE borrower SET Name=%1, Contact=%2, Notes=%3 WHERE BorrowerID=%4")
                   .arg(FormatSqlValue(name, SqlText), FormatSqlValue(borrower.contact, SqlText),
                        FormatSqlValue(borrower.notes, SqlText))
                   .arg(borrower.id));
}

bool MergeBorrowers(Connection &connection, qint64 from, qint64 into)
{
    if (from == into)
        return true;
    Transaction transaction(connection);
    return transaction.isActive() &&
           run(connection,
               QStringLiteral(
                   "UPDATE borrower SET "
                   "Contact=COALESCE(NULLIF(Contact, ''), (SELECT Contact FROM borrower WHERE "
                   "BorrowerID=%1)), "
                   "Notes=COALESCE(NULLIF(Notes, ''), (SELECT Notes FROM borrower WHERE BorrowerID=%1)) "
                   "WHERE BorrowerID=%2")
                   .arg(from)
                   .arg(into)) &&
           run(connection,
               QStringLiteral("UPDATE loan SET BorrowerID=%1 WHERE BorrowerID=%2").arg(into).arg(from)) &&
           run(connection, QStringLiteral("DELETE FROM borrower WHERE BorrowerID=%1").arg(from)) &&
           transaction.commit();
}

bool DeleteBorrower(Connection &connection, qint64 id)
{
    Recordset rs;
    if (!OpenRecordset(rs, connection,
                       QStringLiteral("SELECT COUNT(*) FROM loan WHERE BorrowerID=%1").arg(id)))
        return false;
    if (rs.int64Field(0) > 0) {
        messenger().showMessage(
            QCoreApplication::translate(
                "CBorrowers", "This borrower has loans and cannot be deleted. Rename or merge instead."),
            IMessenger::Icon::Warning);
        return false;
    }
    rs.close();
    return run(connection, QStringLiteral("DELETE FROM borrower WHERE BorrowerID=%1").arg(id));
}
