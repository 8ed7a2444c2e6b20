#include "openlibrarysource.h"

#include "app/strings.h"
#include "canceltoken.h"
#include "catalog/bookrecord.h"
#include "catalog/isbn.h"
#include "catalog/seriestext.h"
#include "descriptionhtml.h"
#include "jsonanswer.h"
#include "jsontext.h"
#include "languagecodes.h"
#include "releasedate.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QUrl>

namespace {

QString percent(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

// A description is either a string or {"type": "/type/text", "value": "..."}.
QString textValue(const QJsonValue &value)
{
    if (value.isObject())
        return value.toObject().value(QLatin1String("value")).toString().trimmed();
    return value.toString().trimmed();
}

QString bindingName(const QString &format)
{
    const QString lower = format.toLower();
    if (lower.contains(QLatin1String("hardcover")) || lower.contains(QLatin1String("hardback")) ||
        lower.contains(QLatin1String("hard cover")))
        return LoadStr(IDS_HARDCOVER);
    if (lower.contains(QLatin1String("paperback")) || lower.contains(QLatin1String("softcover")) ||
        lower.contains(QLatin1String("soft cover")) || lower.contains(QLatin1String("mass market")))
        return LoadStr(IDS_PAPERBACK);
    return format;
}

// The cover id inside a covers-service address (".../b/id/12345-L.jpg").
qint64 coverIdFromUrl(const QString &url)
{
    static const QRegularExpression kId(QStringLiteral("/b/id/(\\d+)-"));
    const QRegularExpressionMatch m = kId.match(url);
    return m.hasMatch() ? m.captured(1).toLongLong() : 0;
}

} // namespace

CLookupSourceInfo COpenLibrarySource::Info()
{
    return {QLatin1String(kName),
            QCoreApplication::translate("LookupSources", "Open Library"),
            {{QStringLiteral("OpenLibraryUrl"), QCoreApplication::translate("LookupSources", "Open Library:"),
              &COnlineSettings::openLibraryUrl},
             {QStringLiteral("OpenLibraryCoversUrl"),
              QCoreApplication::translate("LookupSources", "Open Library covers:"),
              &COnlineSettings::openLibraryCoversUrl}}};
}

COpenLibrarySource::COpenLibrarySource(const COnlineSettings &settings, const CCancelToken *cancel)
    : m_settings(settings), m_cancel(cancel), m_http(settings, cancel)
{
}

QString COpenLibrarySource::DisplayName() const
{
    return Info().displayName;
}

bool COpenLibrarySource::IsItemKey(const QString &key) const
{
    static const QRegularExpression kEditionKey(QStringLiteral("^/books/OL\\d+M$"));
    return kEditionKey.match(key).hasMatch();
}

LookupOutcome COpenLibrarySource::getJson(const QString &url, QJsonObject &object, QString &serviceText)
{
    // {"error": "..."}, whatever the status short of a server failure.
    const JsonComplaint complaint{
        [](const QJsonDocument &doc) { return JsonText(doc.object().value(QLatin1String("error"))); }, 200};
    return ReadJsonAnswer(m_http.GetAnswer(url), complaint, object, serviceText);
}

LookupOutcome COpenLibrarySource::LookupIsbn(const QString &isbn, CBookRecord &record, QString &serviceText)
{
    LookupOutcome outcome = lookupBibKey(QStringLiteral("ISBN:") + isbn, isbn, record, serviceText);
    if (outcome != LookupOutcome::NotFound)
        return outcome;
    const QString other = OtherIsbnForm(isbn);
    if (other.isEmpty())
        return outcome;
    return lookupBibKey(QStringLiteral("ISBN:") + other, other, record, serviceText);
}

LookupOutcome COpenLibrarySource::LookupItem(const QString &itemKey, CBookRecord &record,
                                             QString &serviceText)
{
    if (!IsItemKey(itemKey))
        return LookupOutcome::NotFound;
    return lookupBibKey(QStringLiteral("OLID:") + itemKey.section(QLatin1Char('/'), -1), QString(), record,
                        serviceText);
}

LookupOutcome COpenLibrarySource::lookupBibKey(const QString &bibKey, const QString &isbn,
                                               CBookRecord &record, QString &serviceText)
{
    const QString url = m_settings.openLibraryUrl + QStringLiteral("/api/books?bibkeys=") + percent(bibKey) +
                        QStringLiteral("&jscmd=data&format=json");
    QJsonObject answer;
    const LookupOutcome outcome = getJson(url, answer, serviceText);
    if (outcome != LookupOutcome::Found)
        return outcome;
    // "{}" is the books API's way of saying it does not know the book.
    QJsonObject data = answer.value(bibKey).toObject();
    if (data.isEmpty() && !answer.isEmpty())
        data = answer.begin()->toObject();
    if (data.isEmpty())
        return LookupOutcome::NotFound;

    record.Title = JsonText(data.value(QLatin1String("title")));
    record.Subtitle = JsonText(data.value(QLatin1String("subtitle")));
    QStringList authors;
    for (const QJsonValue &author : data.value(QLatin1String("authors")).toArray()) {
        const QString name = JsonText(author.toObject().value(QLatin1String("name")));
        if (!name.isEmpty())
            authors << name;
    }
    if (!authors.isEmpty())
        record.Author += authors.join(QLatin1String(" / "));
    record.Publisher =
        JsonText(JsonFirst(data.value(QLatin1String("publishers"))).toObject().value(QLatin1String("name")));
    record.ReleaseDate = NormalizeReleaseDate(JsonText(data.value(QLatin1String("publish_date"))));
    record.PageCount = JsonText(data.value(QLatin1String("number_of_pages")));

    const QString key = JsonText(data.value(QLatin1String("key")));
    if (IsItemKey(key))
        record.URL = m_settings.openLibraryUrl + key;
    else
        record.URL = JsonText(data.value(QLatin1String("url")));

    qint64 coverId =
        coverIdFromUrl(JsonText(data.value(QLatin1String("cover")).toObject().value(QLatin1String("large"))));
    if (IsItemKey(key)) {
        // The edition record has what the books API leaves out.
        QJsonObject edition;
        QString ignored;
        const LookupOutcome editionOutcome =
            getJson(m_settings.openLibraryUrl + key + QStringLiteral(".json"), edition, ignored);
        if (editionOutcome == LookupOutcome::Cancelled)
            return editionOutcome;
        if (editionOutcome == LookupOutcome::Found) {
            record.Binding = bindingName(JsonText(edition.value(QLatin1String("physical_format"))));
            record.Dimension = JsonText(edition.value(QLatin1String("physical_dimensions")));
            record.Edition = JsonText(edition.value(QLatin1String("edition_name")));
            // A list of series statements ("Nevermoor ; 1"); older records
            // hold one text.
            SetRecordSeries(record, JsonFirstText(edition.value(QLatin1String("series"))));
            if (record.PageCount.isEmpty())
                record.PageCount = JsonText(edition.value(QLatin1String("number_of_pages")));
            if (record.Language.isEmpty())
                record.Language =
                    LanguageNameForCode(JsonText(JsonFirst(edition.value(QLatin1String("languages")))
                                                     .toObject()
                                                     .value(QLatin1String("key"))));
            for (const QJsonValue &id : edition.value(QLatin1String("covers")).toArray()) {
                if (id.toDouble() > 0) { // -1 marks a deleted picture
                    coverId = qint64(id.toDouble());
                    break;
                }
            }
            QString description = textValue(edition.value(QLatin1String("description")));
            const QString work = JsonText(
                JsonFirst(edition.value(QLatin1String("works"))).toObject().value(QLatin1String("key")));
            if (description.isEmpty() && work.startsWith(QLatin1String("/works/"))) {
                QJsonObject workRecord;
                const LookupOutcome workOutcome =
                    getJson(m_settings.openLibraryUrl + work + QStringLiteral(".json"), workRecord, ignored);
                if (workOutcome == LookupOutcome::Cancelled)
                    return workOutcome;
                description = textValue(workRecord.value(QLatin1String("description")));
            }
            record.Description = PlainTextToHtml(description);
        }
    }

    if (coverId > 0)
        record.largeImageUrl =
            m_settings.openLibraryCoversUrl + QStringLiteral("/b/id/%1-L.jpg").arg(coverId);
    else if (!isbn.isEmpty())
        record.largeImageUrl = m_settings.openLibraryCoversUrl +
                               QStringLiteral("/b/isbn/%1-L.jpg?default=false").arg(percent(isbn));
    else
        record.largeImageUrl.clear();
    return LookupOutcome::Found;
}

CSearchPage COpenLibrarySource::Search(const QString &title, const QString &author, const QString &publisher,
                                       int page)
{
    CSearchPage result;
    result.page = page;
    QString url = m_settings.openLibraryUrl + QStringLiteral("/search.json?");
    if (!title.isEmpty())
        url += QStringLiteral("title=") + percent(title) + QLatin1Char('&');
    if (!author.isEmpty())
        url += QStringLiteral("author=") + percent(author) + QLatin1Char('&');
    if (!publisher.isEmpty())
        url += QStringLiteral("publisher=") + percent(publisher) + QLatin1Char('&');
    url += QStringLiteral("page=%1&limit=%2").arg(page).arg(kPageSize);
    url += QStringLiteral("&fields=key,title,author_name,publisher,first_publish_year,cover_edition_key,"
                          "editions,editions.key,editions.title,editions.isbn,editions.publisher,"
                          "editions.publish_date");

    QJsonObject answer;
    result.outcome = getJson(url, answer, result.serviceText);
    if (result.outcome != LookupOutcome::Found)
        return result;

    const QJsonValue found = answer.contains(QLatin1String("numFound"))
                                 ? answer.value(QLatin1String("numFound"))
                                 : answer.value(QLatin1String("num_found"));
    result.totalResults = qMax(0, found.toInt());
    result.totalPages = (result.totalResults + kPageSize - 1) / kPageSize;

    for (const QJsonValue &value : answer.value(QLatin1String("docs")).toArray()) {
        const QJsonObject work = value.toObject();
        // The work's edition that matched the words best.
        const QJsonObject edition =
            JsonFirst(work.value(QLatin1String("editions")).toObject().value(QLatin1String("docs")))
                .toObject();

        CSearchRow row;
        for (const QJsonValue &isbn : edition.value(QLatin1String("isbn")).toArray()) {
            const QString candidate = NormalizeIsbn(JsonText(isbn));
            if (IsValidAnyIsbn(candidate) && (row.isbn.isEmpty() || candidate.size() == 13))
                row.isbn = candidate;
        }
        QString editionKey = JsonText(edition.value(QLatin1String("key")));
        if (editionKey.isEmpty() && !JsonText(work.value(QLatin1String("cover_edition_key"))).isEmpty())
            editionKey = QStringLiteral("/books/") + JsonText(work.value(QLatin1String("cover_edition_key")));
        if (!row.isbn.isEmpty()) {
            row.isbn = IsbnInForm(row.isbn, m_settings.isbnForm == 0 ? 13 : m_settings.isbnForm);
            row.itemKey = row.isbn;
        } else if (IsItemKey(editionKey)) {
            row.itemKey = editionKey;
        } else {
            continue; // nothing to look it up by
        }
        row.title = JsonText(edition.value(QLatin1String("title")));
        if (row.title.isEmpty())
            row.title = JsonText(work.value(QLatin1String("title")));
        row.author = JsonFirstText(work.value(QLatin1String("author_name")));
        row.publisher = JsonFirstText(edition.value(QLatin1String("publisher")));
        if (row.publisher.isEmpty())
            row.publisher = JsonFirstText(work.value(QLatin1String("publisher")));
        row.releaseDate = NormalizeReleaseDate(JsonFirstText(edition.value(QLatin1String("publish_date"))));
        if (row.releaseDate.isEmpty())
            row.releaseDate = NormalizeReleaseDate(JsonText(work.value(QLatin1String("first_publish_year"))));
        result.rows << row;
    }
    return result;
}
