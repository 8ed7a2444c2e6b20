#include "bookstoresource.h"

#include "app/strings.h"
#include "canceltoken.h"
#include "catalog/bookrecord.h"
#include "catalog/isbn.h"
#include "catalog/seriestext.h"
#include "lookupmessages.h"
#include "releasedate.h"
#include "xmlanswer.h"

#include <QCoreApplication>
#include <QStringList>
#include <QUrl>

namespace {

const QLatin1String kRequestPath("/onca/xml3");
const QLatin1String kProductPagePath("/exec/obidos/tg/detail/-/");

// Characters a query value may carry as they are; '%' only ever starts an
// escape made before.
bool isSafeInQuery(char32_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           QByteArrayView("-._~!$'()*,:@%").contains(char(c));
}

// Everything but the safe characters as UTF-8 percent escapes.
QString encodeRest(const QString &text)
{
    QString out;
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x80 && isSafeInQuery(c)) {
            out += QChar(char16_t(c));
            continue;
        }
        const QByteArray bytes = QString::fromUcs4(&c, 1).toUtf8();
        for (const char byte : bytes)
            out += QStringLiteral("%%1").arg(uchar(byte), 2, 16, QLatin1Char('0')).toUpper();
    }
    return out;
}

// The integer value of leading digits, 0 when there are none.
int leadingNumber(const QString &text)
{
    const QString t = text.trimmed();
    int digits = 0;
    while (digits < t.size() && t.at(digits).isDigit() && t.at(digits).unicode() < 0x80)
        ++digits;
    bool ok = false;
    const int value = t.left(qMin(digits, 9)).toInt(&ok);
    return ok ? value : 0;
}

} // namespace

CLookupSourceInfo CBookstoreSource::Info()
{
    return {QLatin1String(kName),
            QCoreApplication::translate("LookupSources", "Bookstore service"),
            {{QStringLiteral("BookstoreHost"),
              QCoreApplication::translate("LookupSources", "Bookstore web service:"),
              &COnlineSettings::bookstoreHost},
             {QStringLiteral("BookstorePageHost"),
              QCoreApplication::translate("LookupSources", "Bookstore product pages:"),
              &COnlineSettings::bookstorePageHost}}};
}

CBookstoreSource::CBookstoreSource(const COnlineSettings &settings, const CCancelToken *cancel)
    : m_settings(settings), m_cancel(cancel), m_http(settings, cancel)
{
}

QString CBookstoreSource::DisplayName() const
{
    const QString host = QUrl(m_settings.bookstoreHost).host();
    return host.isEmpty() ? m_settings.bookstoreHost : host;
}

QString CBookstoreSource::LoadingText() const
{
    return LoadStr(IDS_LOADING_XML, DisplayName());
}

QString CBookstoreSource::UnreachableText() const
{
    return LoadStr(m_noParser ? IDS_XML_DOM_FAILED : IDS_BOOKSTORE_LOAD_FAILED);
}

QString CBookstoreSource::ServiceErrorText(const QString &serviceText) const
{
    return LoadStr(IDS_BOOKSTORE_ERROR, serviceText);
}

bool CBookstoreSource::IsItemKey(const QString &) const
{
    return false; // every listed item is a book with an ISBN-10
}

LookupOutcome CBookstoreSource::LookupItem(const QString &, CBookRecord &, QString &)
{
    return LookupOutcome::NotFound;
}

QString CBookstoreSource::SearchWords(const QString &typed) const
{
    return CleanWords(typed);
}

QString CBookstoreSource::CleanWords(const QString &words)
{
    QString text = words;
    text.remove(QLatin1Char(':'));
    text.remove(QLatin1Char('&'));
    text = QLatin1Char(' ') + text.toLower() + QLatin1Char(' ');
    // Replacing " and " by " " can leave a second operator right behind the
    // space it kept ("a and and b"), so repeat until none is left.
    for (const QLatin1String op : {QLatin1String(" and "), QLatin1String(" or "), QLatin1String(" not ")}) {
        while (text.contains(op))
            text.replace(op, QLatin1String(" "));
    }
    return text.trimmed();
}

QString CBookstoreSource::HeavyRequestUrl(const QString &asin) const
{
    return m_settings.bookstoreHost + kRequestPath +
           QStringLiteral("?t=webservices-20&dev-t=%1&mode=books&type=heavy&f=xml&AsinSearch=")
               .arg(QLatin1String(kDeveloperToken)) +
           encodeRest(asin);
}

QString CBookstoreSource::LiteRequestUrl(const QString &escapedExpression, int page) const
{
    return m_settings.bookstoreHost + kRequestPath +
           QStringLiteral(
               "?t=webservices-20&dev-t=%1&mode=books&type=lite&f=xml&sort=+titlerank&PowerSearch=")
               .arg(QLatin1String(kDeveloperToken)) +
           escapedExpression + QStringLiteral("&page=%1").arg(page);
}

QString CBookstoreSource::ProductPageBaseUrl() const
{
    return m_settings.bookstorePageHost + kProductPagePath;
}

QString CBookstoreSource::KeywordExpression(const QString &title, const QString &author,
                                            const QString &publisher)
{
    QStringList parts;
    if (!title.isEmpty())
        parts << QStringLiteral("title:") + title;
    if (!author.isEmpty())
        parts << QStringLiteral("author:") + author;
    if (!publisher.isEmpty())
        parts << QStringLiteral("publisher:") + publisher;
    return parts.join(QLatin1String(" and "));
}

QString CBookstoreSource::EscapeExpression(const QString &expression)
{
    QString text = expression;
    text.replace(QLatin1String("%"), QLatin1String("%25"));
    text.replace(QLatin1String(" "), QLatin1String("%20"));
    text.replace(QLatin1String("+"), QLatin1String("%2B"));
    text.replace(QLatin1String("/"), QLatin1String("%2F"));
    text.replace(QLatin1String("?"), QLatin1String("%3F"));
    text.replace(QLatin1String("#"), QLatin1String("%23"));
    return encodeRest(text);
}

LookupOutcome CBookstoreSource::LookupIsbn(const QString &isbn, CBookRecord &record, QString &serviceText)
{
    // The service knows books by their ISBN-10; a 978 ISBN-13 is asked for
    // in that form (a 979 one has none and goes as it is).
    QString asin = isbn;
    if (IsValidIsbn13(isbn) && !Isbn13To10(isbn).isEmpty())
        asin = Isbn13To10(isbn);

    m_noParser = false;
    const CHttpResponse response = m_http.GetAnswer(HeavyRequestUrl(asin));
    if (response.error == CHttpResponse::Error::Cancelled)
        return LookupOutcome::Cancelled;
    if (!response.ok())
        return LookupOutcome::Unreachable;
    CXmlAnswer xml;
    const CXmlAnswer::Result parsed = xml.Parse(response.body);
    if (parsed != CXmlAnswer::Result::Parsed) {
        m_noParser = parsed == CXmlAnswer::Result::Unavailable;
        return LookupOutcome::Unreachable;
    }
    if (const CXmlAnswer::Node error = xml.First(QStringLiteral("ProductInfo/ErrorMsg"))) {
        serviceText = CXmlAnswer::TextOf(error);
        return LookupOutcome::ServiceError;
    }
    const CXmlAnswer::Node item = xml.First(QStringLiteral("ProductInfo/Details"));
    if (!item)
        return LookupOutcome::NotFound;

    QStringList authors;
    for (const CXmlAnswer::Node author : xml.Select(QStringLiteral(".//Authors/Author"), item))
        authors << CXmlAnswer::TextOf(author);
    record.Author += authors.join(QLatin1String(" / "));
    record.Title = xml.Text(QStringLiteral(".//ProductName"), item);
    // The service has no series field, but a product name may end in a
    // numbered series as readers' sites write it ("Mort (Discworld, #4)").
    // Other parentheses stay in the title.
    if (const std::optional<CTitleSeries> split = SplitSeriesFromTitle(record.Title)) {
        record.Title = split->title;
        record.Series = split->series.series;
        record.SeriesNumber = split->series.number;
    }
    record.productPageBaseUrl = ProductPageBaseUrl();
    record.URL = record.productPageBaseUrl + asin;
    record.Publisher = xml.Text(QStringLiteral(".//Manufacturer"), item);
    record.ReleaseDate = NormalizeReleaseDate(xml.Text(QStringLiteral(".//ReleaseDate"), item));
    record.AmazonPrice = xml.Text(QStringLiteral(".//OurPrice"), item);
    record.ListPrice = xml.Text(QStringLiteral(".//ListPrice"), item);
    record.AmazonRating = xml.Text(QStringLiteral(".//Reviews/AvgCustomerRating"), item);
    record.NumOfReviews = xml.Text(QStringLiteral(".//Reviews/TotalCustomerReviews"), item);
    record.largeImageUrl = xml.Text(QStringLiteral(".//ImageUrlLarge"), item);
    record.Description = xml.Text(QStringLiteral(".//ProductDescription"), item);

    // What the page adds is a bonus: its failure does not fail the lookup.
    record.ParseProductPage(asin);
    if (m_cancel && m_cancel->isCancelled())
        return LookupOutcome::Cancelled;
    return LookupOutcome::Found;
}

CSearchPage CBookstoreSource::Search(const QString &title, const QString &author, const QString &publisher,
                                     int page)
{
    CSearchPage result;
    result.page = page;
    m_noParser = false;
    const QString expression = EscapeExpression(KeywordExpression(title, author, publisher));
    const CHttpResponse response = m_http.GetAnswer(LiteRequestUrl(expression, page));
    if (response.error == CHttpResponse::Error::Cancelled) {
        result.outcome = LookupOutcome::Cancelled;
        return result;
    }
    result.outcome = LookupOutcome::Unreachable;
    if (!response.ok())
        return result;
    CXmlAnswer xml;
    const CXmlAnswer::Result parsed = xml.Parse(response.body);
    if (parsed != CXmlAnswer::Result::Parsed) {
        m_noParser = parsed == CXmlAnswer::Result::Unavailable;
        return result;
    }
    if (const CXmlAnswer::Node error = xml.First(QStringLiteral("ProductInfo/ErrorMsg"))) {
        result.outcome = LookupOutcome::ServiceError;
        result.serviceText = CXmlAnswer::TextOf(error);
        return result;
    }
    result.outcome = LookupOutcome::Found;
    // A missing total counts as 0.
    result.totalResults = leadingNumber(xml.Text(QStringLiteral("ProductInfo/TotalResults")));
    result.totalPages = leadingNumber(xml.Text(QStringLiteral("ProductInfo/TotalPages")));
    for (const CXmlAnswer::Node item : xml.Select(QStringLiteral("ProductInfo/Details"))) {
        CSearchRow row;
        row.itemKey = xml.Text(QStringLiteral("Asin"), item);
        // E-books and other items that are no book have identifiers of
        // another form and are never listed.
        if (!IsValidIsbn(row.itemKey))
            continue;
        row.isbn =
            IsbnInForm(NormalizeIsbn(row.itemKey), m_settings.isbnForm == 0 ? 10 : m_settings.isbnForm);
        row.title = xml.Text(QStringLiteral("ProductName"), item);
        row.author = xml.Text(QStringLiteral("Authors/Author"), item);
        row.publisher = xml.Text(QStringLiteral("Manufacturer"), item);
        row.releaseDate = NormalizeReleaseDate(xml.Text(QStringLiteral("ReleaseDate"), item));
        result.rows << row;
    }
    return result;
}
