// The online lookup of CBookRecord: the record's side of a lookup (status
// text, messages, ISBN form, cover download) around the source that the
// settings choose.

#include "catalog/bookrecord.h"

#include "app/collectingmessenger.h"
#include "app/messenger.h"
#include "app/strings.h"
#include "app/windows1252.h"
#include "canceltoken.h"
#include "catalog/isbn.h"
#include "descriptionhtml.h"
#include "httpclient.h"
#include "keywordchooser.h"
#include "keywordquery.h"
#include "lookupmessages.h"
#include "lookupsource.h"
#include "onlinesettings.h"
#include "picturecheck.h"
#include "pictureformat.h"
#include "productpagescraper.h"

#include <QDir>
#include <QTemporaryFile>
#include <functional>

namespace {

// Smaller answers are placeholders ("no cover" pictures, 1 x 1 pixels).
const int kMinCoverBytes = 2048;

// What follows a source's item request: messages for the failures, cleaning
// and the cover for a found book.
// askedNames: the sources that did not know the book, for "not found".
bool finishLookup(CBookRecord &record, ILookupSource &source, LookupOutcome outcome, const QString &shownKey,
                  const QString &serviceText, const QStringList &askedNames = {})
{
    switch (outcome) {
    case LookupOutcome::Found:
        break;
    case LookupOutcome::NotFound:
        record.notFound = true;
        record.errorText = NotFoundMessage(
            shownKey, askedNames.isEmpty() ? source.DisplayName() : askedNames.join(QLatin1String(", ")));
        messenger().showMessage(record.errorText, IMessenger::Icon::Warning);
        return false;
    case LookupOutcome::ServiceError:
        record.statusText = serviceText;
        record.errorText = source.ServiceErrorText(serviceText);
        messenger().showMessage(record.errorText, IMessenger::Icon::Warning);
        return false;
    case LookupOutcome::Unreachable:
        record.fatalError = true;
        record.errorText = source.UnreachableText();
        messenger().showMessage(record.errorText, IMessenger::Icon::Warning);
        return false;
    case LookupOutcome::Cancelled:
        record.errorText.clear();
        return false;
    }

    // Some services pass on text once decoded as Latin-1 from Windows-1252:
    // its quotes and dashes arrive as control characters. The answers'
    // readers mend it already; text scraped from a product page is mended
    // here.
    for (QString CBookRecord::*field :
         {&CBookRecord::Title, &CBookRecord::Subtitle, &CBookRecord::Author, &CBookRecord::Edition,
          &CBookRecord::Publisher, &CBookRecord::Language, &CBookRecord::Binding, &CBookRecord::Dimension,
          &CBookRecord::Format, &CBookRecord::Description})
        RepairC1Controls(record.*field);

    // Whatever the service sent, no script reaches the catalogue.
    record.Description = CleanServiceHtml(record.Description);
    if (record.Edition.contains(QLatin1Char('<')))
        record.Edition = CleanServiceHtml(record.Edition);

    QString cover;
    if (!record.largeImageUrl.isEmpty() && record.DownloadCover(cover))
        record.newFrontCoverSource = cover;
    else
        record.newFrontCoverSource.clear();
    return true;
}

} // namespace

bool CBookRecord::LookupByIsbn(const QString &isbn, bool clearFirst)
{
    if (clearFirst)
        ResetToDefaults();
    const COnlineSettings settings = COnlineSettings::Load();
    const std::unique_ptr<ILookupSource> source = CreateLookupSource(settings, cancelToken);
    statusText = source->LoadingText();

    QString normalized = isbn;
    normalized.remove(QLatin1Char('-'));
    normalized = normalized.trimmed();

    largeImageUrl.clear();
    answeredBy.clear();
    notFound = false;
    QString serviceText;
    LookupOutcome outcome = source->LookupIsbn(normalized, *this, serviceText);

    // The other sources the user enabled, in turn, while nobody knows the
    // book. A source that fails is passed over: the chosen one's answer
    // stands unless another finds the book.
    QStringList asked{source->DisplayName()};
    std::unique_ptr<ILookupSource> answered;
    if (outcome == LookupOutcome::NotFound && settings.fallback) {
        for (const QString &name : settings.fallbackSources) {
            if (name == settings.source)
                continue;
            std::unique_ptr<ILookupSource> next = CreateLookupSource(name, settings, cancelToken);
            statusText = next->LoadingText();
            QString ignored;
            const LookupOutcome nextOutcome = next->LookupIsbn(normalized, *this, ignored);
            if (nextOutcome == LookupOutcome::Cancelled || nextOutcome == LookupOutcome::Found) {
                outcome = nextOutcome;
                answered = std::move(next);
                break;
            }
            if (nextOutcome == LookupOutcome::NotFound)
                asked << next->DisplayName();
        }
    }

    if (outcome == LookupOutcome::Found)
        ISBN = IsbnInForm(normalized, settings.isbnForm);
    const bool found =
        finishLookup(*this, answered ? *answered : *source, outcome, normalized, serviceText, asked);
    if (found && answered) {
        answeredBy = answered->DisplayName();
        statusText = LoadStr(IDS_FOUND_AT, answeredBy);
    }
    return found;
}

bool CBookRecord::ParseProductPage(const QString &isbn)
{
    CProductPageScraper scraper(COnlineSettings::Load(), cancelToken);
    return scraper.ParseProductPage(productPageBaseUrl + isbn, *this);
}

bool CBookRecord::LookupByKeywords(const QString &title, const QString &author, const QString &publisher,
                                   bool clearFirst, IKeywordChooser &chooser)
{
    if (clearFirst)
        ResetToDefaults();
    onlySearchRow = false;
    notFound = false;
    const COnlineSettings settings = COnlineSettings::Load();
    const std::unique_ptr<ILookupSource> source = CreateLookupSource(settings, cancelToken);
    const QString t = title.trimmed();
    const QString a = author.trimmed();
    const QString p = publisher.trimmed();
    CKeywordQuery query(*source, t, a, p);

    CSearchRow chosen;
    QString message;
    if (!chooser.Choose(t, a, p, [&query](int page) { return query.Run(page); }, chosen, message)) {
        if (!message.isEmpty())
            errorText = message;
        return false;
    }
    const bool byIsbn = IsValidAnyIsbn(chosen.itemKey);
    if (!byIsbn && !source->IsItemKey(chosen.itemKey))
        return false;

    // The item's messages wait: its failure is no reason for a box when the
    // row the user picked can still be used.
    CCollectingMessenger collected;
    bool found = false;
    {
        CThreadMessengerScope scope(&collected);
        if (byIsbn) {
            ISBN = chosen.itemKey;
            found = LookupByIsbn(chosen.itemKey, false);
        } else {
            // An item without an ISBN: looked up by the source's own key.
            statusText = source->LoadingText();
            largeImageUrl.clear();
            QString serviceText;
            const LookupOutcome outcome = source->LookupItem(chosen.itemKey, *this, serviceText);
            found = finishLookup(*this, *source, outcome, chosen.itemKey, serviceText);
        }
    }
    if (found) {
        // A cover that could not be had is still worth saying.
        for (int i = 0; i < collected.messages.size(); ++i)
            messenger().showMessage(collected.messages.at(i), collected.icons.at(i));
        return true;
    }
    if (cancelToken && cancelToken->isCancelled())
        return false;

    const QString reason =
        errorText.isEmpty() && !collected.messages.isEmpty() ? collected.messages.constLast() : errorText;
    // Nothing half-filled by the failed lookup stays.
    if (clearFirst)
        ResetToDefaults();
    Title = chosen.title;
    Author = chosen.author;
    Publisher = chosen.publisher;
    ReleaseDate = chosen.releaseDate;
    ISBN = chosen.isbn;
    newFrontCoverSource.clear();
    largeImageUrl.clear();
    errorText = reason;
    onlySearchRow = true;
    return true;
}

bool CBookRecord::DownloadCover(QString &coverPath)
{
    statusText = LoadStr(IDS_DOWNLOADING_COVER);
    CHttpClient http(COnlineSettings::Load(), cancelToken);
    const CHttpResponse response = http.Get(largeImageUrl, CHttpClient::Kind::Cover);
    if (response.error == CHttpResponse::Error::Cancelled)
        return false;
    if (!response.completed()) {
        errorText = LoadStr(IDS_COVER_DOWNLOAD_FAILED);
        messenger().showMessage(errorText, IMessenger::Icon::Warning);
        return false;
    }
    // An error page, a placeholder or something that is no picture: the
    // book simply has no cover.
    if (!response.ok() || response.body.size() < kMinCoverBytes)
        return false;
    const QString extension = PictureExtension(response.body);
    if (extension.isEmpty() || !PictureCanBeShown(response.body))
        return false;

    // Created exclusively under a fresh name: no other file is overwritten,
    // nor one that someone else prepared under a guessable name.
    // QDir::tempPath() is empty when TMPDIR names no existing folder; the
    // file must then not land in the root folder.
    const QString folder = QDir::tempPath();
    const QString pattern = folder + QStringLiteral("/OrdoXXXXXX") + extension;
    QTemporaryFile file(pattern);
    file.setAutoRemove(false);
    if (folder.isEmpty() || !file.open()) {
        errorText = LoadStr(IDS_CANNOT_OPEN_FOR_WRITING) + QLatin1Char('\n') + pattern;
        messenger().showMessage(errorText, IMessenger::Icon::Warning);
        return false;
    }
    const QString path = file.fileName();
    temporaryFiles.append(path);
    if (file.write(response.body) != response.body.size() || !file.flush()) {
        errorText = LoadStr(IDS_CANNOT_OPEN_FOR_WRITING) + QLatin1Char('\n') + path;
        messenger().showMessage(errorText, IMessenger::Icon::Warning);
        return false;
    }
    coverPath = path;
    return true;
}
