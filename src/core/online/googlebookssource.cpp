#include "googlebookssource.h"

#include "catalog/bookrecord.h"
#include "catalog/isbn.h"
#include "catalog/seriestext.h"
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

// The ISBNs an item lists, ISBN-13 first.
QStringList isbnsOf(const QJsonObject &info)
{
    QStringList thirteen;
    QStringList ten;
    for (const QJsonValue &value : info.value(QLatin1String("industryIdentifiers")).toArray()) {
        const QString id = NormalizeIsbn(JsonText(value.toObject().value(QLatin1String("identifier"))));
        if (IsValidIsbn13(id))
            thirteen << id;
        else if (IsValidIsbn(id))
            ten << id;
    }
    return thirteen + ten;
}

// "q" words for one field: every word with the field's prefix.
QStringList prefixed(const QString &prefix, const QString &words)
{
    QStringList terms;
    for (const QString &word : words.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        terms << prefix + word;
    return terms;
}

QString dimensionText(const QJsonObject &dimensions)
{
    QStringList parts;
    for (const char *name : {"height", "width", "thickness"}) {
        const QString value = JsonText(dimensions.value(QLatin1String(name)));
        if (!value.isEmpty())
            parts << value;
    }
    return parts.join(QLatin1String(" x "));
}

// The thumbnail address without the page-curl effect the service draws
// onto it.
QString coverUrl(const QJsonObject &links)
{
    QString url = JsonText(links.value(QLatin1String("thumbnail")));
    if (url.isEmpty())
        url = JsonText(links.value(QLatin1String("smallThumbnail")));
    static const QRegularExpression kCurl(QStringLiteral("([?&])edge=curl(&|$)"));
    url.replace(kCurl, QStringLiteral("\\1"));
    while (url.endsWith(QLatin1Char('&')) || url.endsWith(QLatin1Char('?')))
        url.chop(1);
    return url;
}

void fillRecord(const QJsonObject &info, CBookRecord &record)
{
    record.Title = JsonText(info.value(QLatin1String("title")));
    record.Subtitle = JsonText(info.value(QLatin1String("subtitle")));
    QStringList authors;
    for (const QJsonValue &author : info.value(QLatin1String("authors")).toArray()) {
        if (!JsonText(author).isEmpty())
            authors << JsonText(author);
    }
    record.Author += authors.join(QLatin1String(" / "));
    record.Publisher = CGoogleBooksSource::CleanPublisher(JsonText(info.value(QLatin1String("publisher"))));
    record.ReleaseDate = NormalizeReleaseDate(JsonText(info.value(QLatin1String("publishedDate"))));
    record.PageCount = JsonText(info.value(QLatin1String("pageCount")));
    if (record.PageCount.isEmpty())
        record.PageCount = JsonText(info.value(QLatin1String("printedPageCount")));
    record.Dimension = dimensionText(info.value(QLatin1String("dimensions")).toObject());
    record.Description = JsonText(info.value(QLatin1String("description")));
    record.URL = JsonText(info.value(QLatin1String("canonicalVolumeLink")));
    if (record.URL.isEmpty())
        record.URL = JsonText(info.value(QLatin1String("infoLink")));
    if (record.Language.isEmpty())
        record.Language = LanguageNameForCode(JsonText(info.value(QLatin1String("language"))));
    record.largeImageUrl = coverUrl(info.value(QLatin1String("imageLinks")).toObject());
}

} // namespace

CLookupSourceInfo CGoogleBooksSource::Info()
{
    return {QLatin1String(kName),
            QCoreApplication::translate("LookupSources", "Google Books"),
            {{QStringLiteral("GoogleBooksUrl"), QCoreApplication::translate("LookupSources", "Google Books:"),
              &COnlineSettings::googleBooksUrl}}};
}

CGoogleBooksSource::CGoogleBooksSource(const COnlineSettings &settings, const CCancelToken *cancel)
    : m_settings(settings), m_http(settings, cancel)
{
}

QString CGoogleBooksSource::DisplayName() const
{
    return Info().displayName;
}

bool CGoogleBooksSource::IsItemKey(const QString &key) const
{
    static const QRegularExpression kVolumeId(QStringLiteral("^[A-Za-z0-9_-]{12}$"));
    return kVolumeId.match(key).hasMatch();
}

QString CGoogleBooksSource::CleanPublisher(const QString &publisher)
{
    QString text = publisher.trimmed();
    while (text.startsWith(QLatin1Char('"')) || text.endsWith(QLatin1Char('"'))) {
        if (text.startsWith(QLatin1Char('"')))
            text.remove(0, 1);
        if (text.endsWith(QLatin1Char('"')))
            text.chop(1);
        text = text.trimmed();
    }
    // A quote left without its partner is stray too.
    if (text.count(QLatin1Char('"')) % 2 == 1)
        text.remove(QLatin1Char('"'));
    return text;
}

QString CGoogleBooksSource::volumesUrl() const
{
    return m_settings.googleBooksUrl + QStringLiteral("/books/v1/volumes");
}

QString CGoogleBooksSource::withKey(const QString &url) const
{
    if (m_settings.googleBooksKey.isEmpty())
        return url;
    return url + (url.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?')) +
           QStringLiteral("key=") + percent(m_settings.googleBooksKey);
}

LookupOutcome CGoogleBooksSource::getJson(const QString &url, QJsonObject &object, QString &serviceText)
{
    // {"error": {"code": 400, "message": "..."}} with a 4xx status: the
    // service refused the request (bad key, quota) and says why.
    const JsonComplaint complaint{
        [](const QJsonDocument &doc) {
            return JsonText(
                doc.object().value(QLatin1String("error")).toObject().value(QLatin1String("message")));
        },
        400};
    return ReadJsonAnswer(m_http.GetAnswer(withKey(url)), complaint, object, serviceText);
}

LookupOutcome CGoogleBooksSource::LookupIsbn(const QString &isbn, CBookRecord &record, QString &serviceText)
{
    const LookupOutcome outcome = findIsbn(isbn, record, serviceText);
    const QString other = OtherIsbnForm(isbn);
    if (outcome != LookupOutcome::NotFound || other.isEmpty())
        return outcome;
    return findIsbn(other, record, serviceText);
}

LookupOutcome CGoogleBooksSource::findIsbn(const QString &isbn, CBookRecord &record, QString &serviceText)
{
    QJsonObject answer;
    const LookupOutcome outcome = getJson(
        volumesUrl() + QStringLiteral("?q=") + percent(QStringLiteral("isbn:") + isbn), answer, serviceText);
    if (outcome != LookupOutcome::Found)
        return outcome;
    // The search also returns near matches: only an item that lists the
    // ISBN itself (in either form) is the book.
    const QString other = OtherIsbnForm(isbn);
    for (const QJsonValue &value : answer.value(QLatin1String("items")).toArray()) {
        const QJsonObject item = value.toObject();
        const QJsonObject info = item.value(QLatin1String("volumeInfo")).toObject();
        const QStringList isbns = isbnsOf(info);
        if (isbns.contains(NormalizeIsbn(isbn)) || (!other.isEmpty() && isbns.contains(other)))
            return readVolume(JsonText(item.value(QLatin1String("id"))), info, record, serviceText);
    }
    return LookupOutcome::NotFound;
}

LookupOutcome CGoogleBooksSource::LookupItem(const QString &itemKey, CBookRecord &record,
                                             QString &serviceText)
{
    if (!IsItemKey(itemKey))
        return LookupOutcome::NotFound;
    return readVolume(itemKey, QJsonObject(), record, serviceText);
}

LookupOutcome CGoogleBooksSource::readVolume(const QString &id, const QJsonObject &fallbackInfo,
                                             CBookRecord &record, QString &serviceText)
{
    QJsonObject volume;
    LookupOutcome outcome = LookupOutcome::NotFound;
    if (IsItemKey(id))
        outcome = getJson(volumesUrl() + QLatin1Char('/') + id, volume, serviceText);
    if (outcome == LookupOutcome::Cancelled)
        return outcome;
    QJsonObject info = volume.value(QLatin1String("volumeInfo")).toObject();
    // The search's copy of the item serves when the full record fails.
    if (outcome != LookupOutcome::Found || info.isEmpty()) {
        if (fallbackInfo.isEmpty())
            return outcome == LookupOutcome::Found ? LookupOutcome::NotFound : outcome;
        info = fallbackInfo;
        serviceText.clear();
    }
    fillRecord(info, record);
    return readSeries(info, record) == LookupOutcome::Cancelled ? LookupOutcome::Cancelled : LookupOutcome::Found;
}

LookupOutcome CGoogleBooksSource::readSeries(const QJsonObject &info, CBookRecord &record)
{
    const QJsonObject seriesInfo = info.value(QLatin1String("seriesInfo")).toObject();
    const QJsonObject volumeSeries = JsonFirst(seriesInfo.value(QLatin1String("volumeSeries"))).toObject();
    const QString id = JsonText(volumeSeries.value(QLatin1String("seriesId")));
    if (id.isEmpty())
        return LookupOutcome::NotFound;
    QJsonObject answer;
    QString ignored;
    const LookupOutcome outcome = getJson(m_settings.googleBooksUrl + QStringLiteral("/books/v1/series/get?series_id=") +
                                              percent(id),
                                          answer, ignored);
    if (outcome != LookupOutcome::Found)
        return outcome;
    const QString name = JsonText(JsonFirst(answer.value(QLatin1String("series"))).toObject().value(QLatin1String("title")));
    QString number = JsonText(seriesInfo.value(QLatin1String("bookDisplayNumber")));
    if (number.isEmpty())
        number = JsonText(volumeSeries.value(QLatin1String("orderNumber")));
    SetRecordSeries(record, name, number);
    return outcome;
}

CSearchPage CGoogleBooksSource::Search(const QString &title, const QString &author, const QString &publisher,
                                       int page)
{
    CSearchPage result;
    result.page = page;
    const QStringList terms = prefixed(QStringLiteral("intitle:"), title) +
                              prefixed(QStringLiteral("inauthor:"), author) +
                              prefixed(QStringLiteral("inpublisher:"), publisher);
    const QString url =
        volumesUrl() + QStringLiteral("?q=") + percent(terms.join(QLatin1Char(' '))) +
        QStringLiteral("&startIndex=%1&maxResults=%2").arg((qMax(page, 1) - 1) * kPageSize).arg(kPageSize);
    QJsonObject answer;
    result.outcome = getJson(url, answer, result.serviceText);
    if (result.outcome != LookupOutcome::Found)
        return result;
    result.totalResults = qMax(0, answer.value(QLatin1String("totalItems")).toInt());
    result.totalPages = (result.totalResults + kPageSize - 1) / kPageSize;
    for (const QJsonValue &value : answer.value(QLatin1String("items")).toArray()) {
        const QJsonObject item = value.toObject();
        const QJsonObject info = item.value(QLatin1String("volumeInfo")).toObject();
        CSearchRow row;
        const QStringList isbns = isbnsOf(info);
        if (!isbns.isEmpty()) {
            row.isbn = IsbnInForm(isbns.first(), m_settings.isbnForm == 0 ? 13 : m_settings.isbnForm);
            row.itemKey = row.isbn;
        } else if (IsItemKey(JsonText(item.value(QLatin1String("id"))))) {
            row.itemKey = JsonText(item.value(QLatin1String("id")));
        } else {
            continue;
        }
        row.title = JsonText(info.value(QLatin1String("title")));
        row.author = JsonFirstText(info.value(QLatin1String("authors")));
        row.publisher = CleanPublisher(JsonText(info.value(QLatin1String("publisher"))));
        row.releaseDate = NormalizeReleaseDate(JsonText(info.value(QLatin1String("publishedDate"))));
        result.rows << row;
    }
    return result;
}
