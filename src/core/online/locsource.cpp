#include "locsource.h"

#include "catalog/bookrecord.h"
#include "catalog/isbn.h"
#include "catalog/seriestext.h"
#include "descriptionhtml.h"
#include "languagecodes.h"
#include "releasedate.h"
#include "xmlanswer.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

namespace {

const char kSrwNs[] = "http://www.loc.gov/zing/srw/";
const char kModsNs[] = "http://www.loc.gov/mods/v3";
const char kDiagNs[] = "http://www.loc.gov/zing/srw/diagnostic/";
const QLatin1String kLccnPrefix("lccn:");

QString percent(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

// Catalogue records end their fields with the punctuation that joined them
// on a card ("Example Press,", "Perl cookbook /").
QString withoutTrailingPunctuation(const QString &text)
{
    static const QRegularExpression kTrailing(QStringLiteral("[\\s,;:/.=]+$"));
    QString t = text.simplified();
    t.remove(kTrailing);
    return t;
}

QString titleOf(const CXmlAnswer &xml, CXmlAnswer::Node mods, QString *subtitle)
{
    CXmlAnswer::Node info = xml.First(QStringLiteral("mods:titleInfo[not(@type)]"), mods);
    if (!info)
        info = xml.First(QStringLiteral("mods:titleInfo"), mods);
    if (subtitle)
        subtitle->clear();
    if (!info)
        return {};
    if (subtitle)
        *subtitle = withoutTrailingPunctuation(xml.Text(QStringLiteral("mods:subTitle"), info));
    // "The" + "art of maps": the non-sorting word leads the title.
    QString nonSort = xml.Text(QStringLiteral("mods:nonSort"), info);
    const QString title = withoutTrailingPunctuation(xml.Text(QStringLiteral("mods:title"), info));
    if (!nonSort.isEmpty() && !nonSort.endsWith(QLatin1Char(' ')) && !nonSort.endsWith(QLatin1Char('\'')))
        nonSort += QLatin1Char(' ');
    return nonSort.trimmed().isEmpty() ? title : nonSort + title;
}

QStringList personalNames(const CXmlAnswer &xml, CXmlAnswer::Node mods)
{
    QStringList names;
    for (const CXmlAnswer::Node name : xml.Select(QStringLiteral("mods:name[@type='personal']"), mods)) {
        QStringList parts;
        for (const CXmlAnswer::Node part : xml.Select(QStringLiteral("mods:namePart[not(@type)]"), name))
            parts << CXmlAnswer::TextOf(part).simplified();
        QString text = parts.join(QLatin1Char(' '));
        if (text.isEmpty()) {
            text = (xml.Text(QStringLiteral("mods:namePart[@type='given']"), name) + QLatin1Char(' ') +
                    xml.Text(QStringLiteral("mods:namePart[@type='family']"), name))
                       .simplified();
        }
        static const QRegularExpression kTrailingComma(QStringLiteral("[\\s,]+$"));
        text.remove(kTrailingComma);
        if (!text.isEmpty())
            names << text;
    }
    return names;
}

QStringList isbnsOf(const CXmlAnswer &xml, CXmlAnswer::Node mods)
{
    QStringList isbns;
    for (const CXmlAnswer::Node id : xml.Select(QStringLiteral("mods:identifier[@type='isbn']"), mods)) {
        // "0596000278 (pbk.)": the number is the first word.
        const QString isbn =
            NormalizeIsbn(CXmlAnswer::TextOf(id).simplified().section(QLatin1Char(' '), 0, 0));
        if (IsValidAnyIsbn(isbn) && !isbns.contains(isbn))
            isbns << isbn;
    }
    return isbns;
}

QString lccnOf(const CXmlAnswer &xml, CXmlAnswer::Node mods)
{
    QString lccn = xml.Text(QStringLiteral("mods:identifier[@type='lccn']"), mods);
    static const QRegularExpression kSpace(QStringLiteral("\\s"));
    lccn.remove(kSpace);
    static const QRegularExpression kLccn(QStringLiteral("^[a-z]{0,3}\\d{6,12}$"));
    return kLccn.match(lccn).hasMatch() ? lccn : QString();
}

QString releaseDateOf(const CXmlAnswer &xml, CXmlAnswer::Node mods)
{
    for (const CXmlAnswer::Node date : xml.Select(QStringLiteral("mods:originInfo/mods:dateIssued"), mods)) {
        const QString normalized = NormalizeReleaseDate(CXmlAnswer::TextOf(date));
        if (!normalized.isEmpty())
            return normalized;
    }
    return {};
}

// "xvi, 432 p. : ill. ; 24 cm." -> "432" and "24 cm".
void readExtent(const QString &extent, CBookRecord &record)
{
    static const QRegularExpression kPages(QStringLiteral("(\\d+)\\s*(?:p\\.|p\\b|pages)"));
    static const QRegularExpression kSize(
        QStringLiteral("(\\d+(?:\\.\\d+)?(?:\\s*x\\s*\\d+(?:\\.\\d+)?)?\\s*(?:cm|mm|in\\.?))"));
    int pages = 0;
    for (auto it = kPages.globalMatch(extent); it.hasNext();)
        pages = qMax(pages, it.next().captured(1).toInt());
    record.PageCount = pages > 0 ? QString::number(pages) : QString();
    const QRegularExpressionMatch size = kSize.match(extent);
    record.Dimension = size.hasMatch() ? size.captured(1) : QString();
}

} // namespace

CLookupSourceInfo CLocSource::Info()
{
    return {QLatin1String(kName),
            QCoreApplication::translate("LookupSources", "Library of Congress"),
            {{QStringLiteral("LocSruUrl"),
              QCoreApplication::translate("LookupSources", "Library of Congress (SRU):"),
              &COnlineSettings::locSruUrl}}};
}

CLocSource::CLocSource(const COnlineSettings &settings, const CCancelToken *cancel)
    : m_settings(settings), m_http(settings, cancel)
{
}

QString CLocSource::DisplayName() const
{
    return Info().displayName;
}

bool CLocSource::IsItemKey(const QString &key) const
{
    static const QRegularExpression kKey(QStringLiteral("^lccn:[a-z]{0,3}\\d{6,12}$"));
    return kKey.match(key).hasMatch();
}

QString CLocSource::CqlTerm(const QString &index, const QString &value)
{
    QString escaped;
    for (const QChar c : value) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"') || c == QLatin1Char('*') ||
            c == QLatin1Char('?') || c == QLatin1Char('^'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return index + QStringLiteral("=\"") + escaped + QLatin1Char('"');
}

LookupOutcome CLocSource::retrieve(const QString &cql, int start, int count, CXmlAnswer &xml,
                                   QString &serviceText)
{
    const QString url =
        m_settings.locSruUrl + QStringLiteral("/LCDB?version=1.1&operation=searchRetrieve&query=") +
        percent(cql) +
        QStringLiteral("&startRecord=%1&maximumRecords=%2&recordSchema=mods").arg(start).arg(count);
    const CHttpResponse response = m_http.GetAnswer(url);
    if (response.error == CHttpResponse::Error::Cancelled)
        return LookupOutcome::Cancelled;
    if (!response.completed() || xml.Parse(response.body) != CXmlAnswer::Result::Parsed)
        return LookupOutcome::Unreachable;
    xml.AddNamespace("zs", kSrwNs);
    xml.AddNamespace("mods", kModsNs);
    xml.AddNamespace("diag", kDiagNs);
    if (!xml.First(QStringLiteral("/zs:searchRetrieveResponse")))
        return LookupOutcome::Unreachable;
    // A diagnostic is the service saying what it did not like.
    if (const CXmlAnswer::Node diagnostic = xml.First(QStringLiteral("//diag:diagnostic"))) {
        const QString message = xml.Text(QStringLiteral("diag:message"), diagnostic).simplified();
        const QString details = xml.Text(QStringLiteral("diag:details"), diagnostic).simplified();
        serviceText = message.isEmpty()   ? details
                      : details.isEmpty() ? message
                                          : message + QStringLiteral(": ") + details;
        if (serviceText.isEmpty())
            serviceText = xml.Text(QStringLiteral("diag:uri"), diagnostic).simplified();
        return LookupOutcome::ServiceError;
    }
    if (!response.ok())
        return LookupOutcome::Unreachable;
    return LookupOutcome::Found;
}

LookupOutcome CLocSource::LookupIsbn(const QString &isbn, CBookRecord &record, QString &serviceText)
{
    QString cql = CqlTerm(QStringLiteral("bath.isbn"), isbn);
    const QString other = OtherIsbnForm(isbn);
    if (!other.isEmpty())
        cql += QStringLiteral(" or ") + CqlTerm(QStringLiteral("bath.isbn"), other);
    return lookupQuery(cql, isbn, record, serviceText);
}

LookupOutcome CLocSource::LookupItem(const QString &itemKey, CBookRecord &record, QString &serviceText)
{
    if (!IsItemKey(itemKey))
        return LookupOutcome::NotFound;
    return lookupQuery(CqlTerm(QStringLiteral("bath.lccn"), itemKey.mid(kLccnPrefix.size())), QString(),
                       record, serviceText);
}

LookupOutcome CLocSource::lookupQuery(const QString &cql, const QString &isbn, CBookRecord &record,
                                      QString &serviceText)
{
    CXmlAnswer xml;
    const LookupOutcome outcome = retrieve(cql, 1, 1, xml, serviceText);
    if (outcome != LookupOutcome::Found)
        return outcome;
    const CXmlAnswer::Node mods = xml.First(QStringLiteral("//zs:record/zs:recordData//mods:mods"));
    if (!mods)
        return LookupOutcome::NotFound;

    record.Title = titleOf(xml, mods, &record.Subtitle);
    const QStringList names = personalNames(xml, mods);
    record.Author += names.join(QLatin1String(" / "));
    record.Publisher =
        withoutTrailingPunctuation(xml.Text(QStringLiteral("mods:originInfo/mods:publisher"), mods));
    record.ReleaseDate = releaseDateOf(xml, mods);
    record.Edition = xml.Text(QStringLiteral("mods:originInfo/mods:edition"), mods).simplified();
    // The series as transcribed ("Visual QuickPro guide", "Discworld ; 3"),
    // its number sometimes apart.
    const CXmlAnswer::Node series = xml.First(QStringLiteral("mods:relatedItem[@type='series']/mods:titleInfo"), mods);
    if (series)
        SetRecordSeries(record,
                        withoutTrailingPunctuation(xml.Text(QStringLiteral("mods:title"), series).simplified()),
                        xml.Text(QStringLiteral("mods:partNumber"), series).simplified());
    readExtent(xml.Text(QStringLiteral("mods:physicalDescription/mods:extent"), mods), record);
    record.Description = PlainTextToHtml(xml.Text(QStringLiteral("mods:abstract"), mods).trimmed());
    const QString lccn = lccnOf(xml, mods);
    record.URL = lccn.isEmpty() ? QString() : QStringLiteral("https://lccn.loc.gov/") + lccn;
    if (record.Language.isEmpty())
        record.Language = LanguageNameForCode(
            xml.Text(QStringLiteral("mods:language/mods:languageTerm[@type='code']"), mods));

    // The library keeps no covers; Open Library may have one for the ISBN.
    QString coverIsbn = isbn;
    if (!IsValidAnyIsbn(coverIsbn))
        coverIsbn = isbnsOf(xml, mods).value(0);
    record.largeImageUrl = coverIsbn.isEmpty()
                               ? QString()
                               : m_settings.openLibraryCoversUrl +
                                     QStringLiteral("/b/isbn/%1-L.jpg?default=false").arg(percent(coverIsbn));
    return LookupOutcome::Found;
}

CSearchPage CLocSource::Search(const QString &title, const QString &author, const QString &publisher,
                               int page)
{
    CSearchPage result;
    result.page = page;
    QStringList terms;
    if (!title.isEmpty())
        terms << CqlTerm(QStringLiteral("dc.title"), title);
    if (!author.isEmpty())
        terms << CqlTerm(QStringLiteral("dc.creator"), author);
    if (!publisher.isEmpty())
        terms << CqlTerm(QStringLiteral("dc.publisher"), publisher);
    CXmlAnswer xml;
    result.outcome = retrieve(terms.join(QLatin1String(" and ")), (qMax(page, 1) - 1) * kPageSize + 1,
                              kPageSize, xml, result.serviceText);
    if (result.outcome != LookupOutcome::Found)
        return result;
    result.totalResults =
        qMax(0, xml.Text(QStringLiteral("/zs:searchRetrieveResponse/zs:numberOfRecords")).toInt());
    result.totalPages = (result.totalResults + kPageSize - 1) / kPageSize;
    for (const CXmlAnswer::Node mods : xml.Select(QStringLiteral("//zs:record/zs:recordData//mods:mods"))) {
        CSearchRow row;
        const QStringList isbns = isbnsOf(xml, mods);
        const QString lccn = lccnOf(xml, mods);
        if (!isbns.isEmpty()) {
            row.isbn = IsbnInForm(isbns.first(), m_settings.isbnForm == 0 ? 13 : m_settings.isbnForm);
            row.itemKey = row.isbn;
        } else if (!lccn.isEmpty()) {
            row.itemKey = kLccnPrefix + lccn;
        } else {
            continue;
        }
        row.title = titleOf(xml, mods, nullptr);
        row.author = personalNames(xml, mods).value(0);
        row.publisher =
            withoutTrailingPunctuation(xml.Text(QStringLiteral("mods:originInfo/mods:publisher"), mods));
        row.releaseDate = releaseDateOf(xml, mods);
        result.rows << row;
    }
    return result;
}
