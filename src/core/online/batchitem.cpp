#include "batchitem.h"

#include "app/collectingmessenger.h"
#include "canceltoken.h"
#include "catalog/bookrecord.h"
#include "catalog/isbnincatalogue.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

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
        result.rowText =
            errorRow(record.errorText.isEmpty() ? reasonOf(collected.messages, QString()) : record.errorText);
        result.kind = record.notFound ? CBatchItemResult::NotFound : CBatchItemResult::Failed;
        result.fatal = record.fatalError;
        record.fatalError = false;
        return result;
    }

    collected.messages.clear();
    if (!target.connection ||
        !record.Save(true, target.categoryId, target.imagesFolder, *target.connection)) {
        result.rowText = errorRow(reasonOf(
            collected.messages, QCoreApplication::translate("CBatchQueryDlg", "the book was not saved")));
        return result;
    }
    result.kind = CBatchItemResult::Saved;
    result.rowText = record.Title;
    // A book another source found says where it came from.
    if (!record.answeredBy.isEmpty())
        result.rowText += QStringLiteral(" (") + record.answeredBy + QLatin1Char(')');
    return result;
}
