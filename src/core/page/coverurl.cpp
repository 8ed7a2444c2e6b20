#include "coverurl.h"

#include <QUrl>

namespace {

// The few entities the HTML serializer writes into attribute values.
QString unescapeAttribute(QString value)
{
    value.replace(QLatin1String("&quot;"), QLatin1String("\""));
    value.replace(QLatin1String("&lt;"), QLatin1String("<"));
    value.replace(QLatin1String("&gt;"), QLatin1String(">"));
    value.replace(QLatin1String("&#39;"), QLatin1String("'"));
    value.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return value;
}

} // namespace

QString CoverFileUrl(const QString &path)
{
    if (!path.startsWith(QLatin1Char('/')))
        return path;
    return QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded(QUrl::FullyEncoded));
}

QString RewriteImageSources(const QString &html)
{
    const QLatin1String marker("<img ordosrc=\"");
    QString out;
    out.reserve(html.size() + 64);
    qsizetype copied = 0;
    for (qsizetype at = html.indexOf(marker); at >= 0; at = html.indexOf(marker, copied)) {
        const qsizetype valueStart = at + marker.size();
        const qsizetype valueEnd = html.indexOf(QLatin1Char('"'), valueStart);
        if (valueEnd < 0)
            break;
        out.append(QStringView(html).mid(copied, at - copied));
        out.append(QLatin1String("<img src=\""));
        QString url = CoverFileUrl(unescapeAttribute(html.mid(valueStart, valueEnd - valueStart)));
        url.replace(QLatin1Char('&'), QLatin1String("&amp;"));
        url.replace(QLatin1Char('"'), QLatin1String("&quot;"));
        out.append(url);
        copied = valueEnd;
    }
    out.append(QStringView(html).mid(copied));
    return out;
}
