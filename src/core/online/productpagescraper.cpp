#include "productpagescraper.h"

#include "app/messenger.h"
#include "app/strings.h"
#include "catalog/bookrecord.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>

namespace {

const QLatin1String kDetailsMarker("<b class=\"h1\"><a name=\"product-details\">Product Details</a></b>");
const QLatin1String kReviewsMarker("<a name=\"amzn-reviews\"><b class=h1>Editorial Reviews</b><br></a>");
const QLatin1String kSeparator("; ");
const QLatin1String kSmallPrint("class=\"small\"");
const QLatin1String kReviewStart("<span class=\"serif\">");
const QLatin1String kReviewCut("--This text refers to the");
const int kLinesSkipped = 300;
// How much of the review line is dropped when it lacks the review start:
// one less than the start's length, as the page layout of its time needs.
const int kReviewStartFallback = 19;
// A paragraph mark this close to the start opens the review rather than
// ending its first paragraph.
const int kLeadingMarkLimit = 12;

// The page's lines, read one at a time; reading past the end keeps the
// current line as it was.
class LineReader
{
public:
    explicit LineReader(const QString &page)
    {
        m_lines = page.split(QLatin1Char('\n'));
        if (page.endsWith(QLatin1Char('\n')))
            m_lines.removeLast();
        for (QString &line : m_lines) {
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
        }
    }

    bool next()
    {
        if (m_next >= m_lines.size())
            return false;
        m_current = m_lines.at(m_next++);
        return true;
    }
    void skip(int count)
    {
        for (int i = 0; i < count; ++i)
            next();
    }
    const QString &current() const { return m_current; }

private:
    QStringList m_lines;
    int m_next = 0;
    QString m_current;
};

void readDetails(LineReader &lines, CBookRecord &record)
{
    lines.skip(3);
    const QString &binding = lines.current();
    if (binding.contains(QLatin1String("Hardcover")))
        record.Binding = LoadStr(IDS_HARDCOVER);
    else if (binding.contains(QLatin1String("Paperback")))
        record.Binding = LoadStr(IDS_PAPERBACK);
    else
        record.Binding = LoadStr(IDS_UNKNOWN_BINDING);

    lines.next();
    if (lines.current().contains(QLatin1String("pages")))
        record.PageCount = lines.current();
    else if (lines.current().contains(QLatin1String("Dimensions")))
        record.Dimension = lines.current();
    lines.next();
    if (lines.current().contains(QLatin1String("Dimensions")))
        record.Dimension = lines.current();
    if (record.Dimension.startsWith(kSeparator))
        record.Dimension.remove(0, kSeparator.size());

    // The edition line comes later when there were more lines before it.
    lines.skip(3 - (record.PageCount.isEmpty() ? 1 : 0) - (record.Dimension.isEmpty() ? 1 : 0));
    QString edition = lines.current();
    edition.replace(QLatin1String("&amp;"), QLatin1String("&"));
    const int at = edition.indexOf(kSeparator);
    record.Edition = at >= 0 ? edition.mid(at + kSeparator.size()) : edition.mid(1);
    if (record.Edition.contains(kSmallPrint))
        record.Edition.clear();
}

QString readReview(LineReader &lines)
{
    lines.next();
    if (lines.current() == QLatin1String("<br>") || lines.current() == QLatin1String("<BR>"))
        lines.next();
    QString text = lines.current();
    const int start = text.indexOf(kReviewStart);
    text = start >= 0 ? text.mid(start + kReviewStart.size()) : text.mid(kReviewStartFallback);
    text.replace(QLatin1String("<p>"), QLatin1String("<P>"));
    const QLatin1String mark("<P>");
    const int p = text.indexOf(mark);
    if (p >= 0 && p < kLeadingMarkLimit) {
        text = text.mid(p + mark.size());
        const int end = text.indexOf(mark);
        if (end >= 0)
            text.truncate(end);
    } else if (p >= 0) {
        text.truncate(p);
    }
    const int cut = text.indexOf(kReviewCut);
    if (cut >= 0)
        text.truncate(cut);
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text += QLatin1String("...");
    return text;
}

QByteArray charsetOf(const QByteArray &text)
{
    static const QRegularExpression kCharset(QStringLiteral("charset\\s*=\\s*[\"']?([A-Za-z0-9_.:-]+)"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = kCharset.match(QString::fromLatin1(text));
    return m.hasMatch() ? m.captured(1).toLatin1() : QByteArray();
}

} // namespace

CProductPageScraper::CProductPageScraper(const COnlineSettings &settings, const CCancelToken *cancel)
    : m_http(settings, cancel)
{
}

QString CProductPageScraper::DecodePage(const QByteArray &body, const QByteArray &contentType)
{
    QByteArray charset = charsetOf(contentType);
    if (charset.isEmpty())
        charset = charsetOf(body.left(2048)); // <meta charset=...> or http-equiv
    if (!charset.isEmpty()) {
        QStringDecoder decoder(charset.constData());
        if (decoder.isValid())
            return decoder.decode(body);
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(body);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(body);
}

void CProductPageScraper::ReadPage(const QString &page, CBookRecord &record)
{
    LineReader lines(page);
    for (int i = 0; i < kLinesSkipped; ++i) {
        if (!lines.next())
            return;
    }
    while (lines.next()) {
        if (lines.current() == kDetailsMarker) {
            readDetails(lines, record);
        } else if (record.Description.isEmpty() && lines.current() == kReviewsMarker) {
            record.Description = readReview(lines);
            return;
        }
    }
}

bool CProductPageScraper::ParseProductPage(const QString &url, CBookRecord &record)
{
    record.statusText = LoadStr(IDS_PARSING_HTML);
    const CHttpResponse response = m_http.GetAnswer(url);
    if (response.error == CHttpResponse::Error::Cancelled)
        return false;
    if (!response.ok()) {
        record.errorText = LoadStr(IDS_HTML_DOWNLOAD_FAILED);
        messenger().showMessage(record.errorText, IMessenger::Icon::Warning);
        return false;
    }
    ReadPage(DecodePage(response.body, response.contentType), record);
    return true;
}
