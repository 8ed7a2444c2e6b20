#include "batchfill.h"

#include "app/collectingmessenger.h"
#include "canceltoken.h"
#include "catalog/bookrecord.h"

#include <QCoreApplication>

namespace {

QString errorRow(const QStringList &messages, const QString &fallback)
{
    const QString last = messages.isEmpty() ? fallback : messages.constLast();
    const QStringList lines = last.trimmed().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString reason = lines.isEmpty() ? fallback : lines.constLast();
    return QCoreApplication::translate("CBatchQueryDlg", "Error: ") + reason.simplified();
}

QString CBookRecord::*const kFillable[] = {
    &CBookRecord::Title,       &CBookRecord::Subtitle,     &CBookRecord::Author,
    &CBookRecord::URL,         &CBookRecord::Edition,      &CBookRecord::ReleaseDate,
    &CBookRecord::Publisher,   &CBookRecord::PageCount,    &CBookRecord::Language,
    &CBookRecord::Binding,     &CBookRecord::Dimension,    &CBookRecord::ListPrice,
    &CBookRecord::AmazonPrice, &CBookRecord::AmazonRating, &CBookRecord::NumOfReviews,
    &CBookRecord::Format,      &CBookRecord::BookSize,     &CBookRecord::Description,
};

} // namespace

void FillEmptyFields(CBookRecord &stored, const CBookRecord &found)
{
    for (QString CBookRecord::*field : kFillable) {
        if ((stored.*field).trimmed().isEmpty() && !(found.*field).trimmed().isEmpty())
            stored.*field = found.*field;
    }
    if (stored.FrontCover.isEmpty())
        stored.newFrontCoverSource = found.newFrontCoverSource;
    if (stored.BackCover.isEmpty())
        stored.newBackCoverSource = found.newBackCoverSource;
}

CBatchItemResult LookUpAndFillBook(CBookRecord &record, const QString &isbn, BookId bookId,
                                   const CBatchTarget &target)
{
    CBatchItemResult result;
    CCollectingMessenger collected;
    CThreadMessengerScope scope(&collected);

    if (!record.LookupByIsbn(isbn, true)) {
        if (record.cancelToken && record.cancelToken->isCancelled()) {
            result.kind = CBatchItemResult::Cancelled;
            return result;
        }
        result.rowText = record.errorText.isEmpty() ? errorRow(collected.messages, QString())
                                                    : errorRow({record.errorText}, QString());
        result.kind = record.notFound ? CBatchItemResult::NotFound : CBatchItemResult::Failed;
        result.fatal = record.fatalError;
        record.fatalError = false;
        return result;
    }

    collected.messages.clear();
    const QString notSaved = QCoreApplication::translate("CBatchQueryDlg", "the book was not saved");
    CBookRecord stored;
    if (!target.connection || !stored.Load(bookId, *target.connection)) {
        result.rowText = errorRow(collected.messages, notSaved);
        return result;
    }
    // Save replaces the covers by the new sources: the present pictures are
    // their own sources, so they stay.
    if (!stored.FrontCover.isEmpty())
        stored.newFrontCoverSource = target.imagesFolder + QLatin1Char('/') + stored.FrontCover;
    if (!stored.BackCover.isEmpty())
        stored.newBackCoverSource = target.imagesFolder + QLatin1Char('/') + stored.BackCover;
    FillEmptyFields(stored, record);
    if (!stored.Save(false, target.categoryId, target.imagesFolder, *target.connection)) {
        result.rowText = errorRow(collected.messages, notSaved);
        return result;
    }
    result.kind = CBatchItemResult::Saved;
    result.rowText = stored.Title;
    return result;
}
