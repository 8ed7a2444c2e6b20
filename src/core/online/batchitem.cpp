#include "batchitem.h"

#include "app/collectingmessenger.h"
#include "catalog/bookrecord.h"
#include "catalog/isbn.h"
#include "catalog/recordset.h"
#include "catalog/sqlvalue.h"
#include "canceltoken.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

QString digitsOf(const QString &isbn)
{
    QString digits = isbn;
    digits.remove(QLatin1Char('-'));
    digits.remove(QLatin1Char(' '));
    return digits.trimmed().toUpper();
}

// The ISBN-13 of a book's ISBN-10 (978 prefix), empty for anything else.
QString isbn13Of(const QString &isbn10)
{
    if (isbn10.size() != 10 || !IsValidIsbn(isbn10))
        return {};
    QString ean = QLatin1String("978") + isbn10.left(9);
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (ean.at(i).unicode() - '0') * (i % 2 ? 3 : 1);
    return ean + QChar(QLatin1Char(char('0' + (10 - sum % 10) % 10)));
}

// The reason a failed step gives: its last message, the engine's own text
// after the statement a database error repeats.
QString reasonOf(const QStringList &messages, const QString &fallback)
{
    const QString last = messages.isEmpty() ? fallback : messages.constLast();
    const QStringList lines = last.trimmed().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.isEmpty() ? fallback : lines.constLast().trimmed();
}

QString errorRow(const QString &reason)
{
    // One line in the list, whatever the message looked like in a box.
    return QCoreApplication::translate("CBatchQueryDlg", "Error: ") + reason.simplified();
}

} // namespace

bool IsIsbnInCatalogue(const QString &isbn, Connection &connection)
{
    const QString digits = digitsOf(isbn);
    if (digits.isEmpty())
        return false;
    QStringList forms = {FormatSqlValue(digits, SqlText)};
    const QString other = digits.size() == 10 ? isbn13Of(digits) : EanToIsbn(digits);
    if (!other.isEmpty() && other != digits)
        forms << FormatSqlValue(other, SqlText);
    Recordset rs;
    const QString sql = QStringLiteral("SELECT COUNT(*) FROM book WHERE "
                                       "UPPER(REPLACE(REPLACE(ISBN, '-', ''), ' ', '')) IN (%1)")
                            .arg(forms.join(QLatin1Char(',')));
    if (!rs.open(connection, sql) || rs.isEOF())
        return false;
    return rs.field(0).toInt() > 0;
}

CBatchItemResult LookUpAndSaveIsbn(CBookRecord &record, const QString &isbn, const CBatchTarget &target)
{
    CBatchItemResult result;
    CCollectingMessenger collected;
    CThreadMessengerScope scope(&collected);

    if (!target.addDuplicates && target.connection && IsIsbnInCatalogue(isbn, *target.connection)) {
        result.kind = CBatchItemResult::Duplicate;
        result.rowText = QCoreApplication::translate("CBatchQueryDlg", "Already in the catalogue");
        return result;
    }

    if (!record.LookupByIsbn(isbn, true)) {
        if (record.cancelToken && record.cancelToken->isCancelled()) {
            result.kind = CBatchItemResult::Cancelled;
            return result;
        }
        result.rowText = errorRow(record.errorText.isEmpty() ? reasonOf(collected.messages, QString())
                                                             : record.errorText);
        result.fatal = record.fatalError;
        record.fatalError = false;
        return result;
    }

    collected.messages.clear();
    if (!target.connection || !record.Save(true, target.categoryId, target.imagesFolder, *target.connection)) {
        result.rowText = errorRow(reasonOf(collected.messages, QCoreApplication::translate("CBatchQueryDlg",
                                                                                           "the book was not saved")));
        return result;
    }
    result.kind = CBatchItemResult::Saved;
    result.rowText = record.Title;
    return result;
}
