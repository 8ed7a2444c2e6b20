#include "coverurl.h"

#include <QDateTime>
#include <QFileInfo>
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
    QUrl url = QUrl::fromLocalFile(path);
    // A replaced cover keeps its file name; the engine's cache would keep
    // answering with the old picture unless the address changes with it.
    const QFileInfo info(path);
    if (info.isFile())
        url.setQuery(QStringLiteral("v=%1-%2").arg(info.lastModified().toMSecsSinceEpoch()).arg(info.size()));
    return QString::fromLatin1(url.toEncoded(QUrl::FullyEncoded));
}

QByteArray RewriteOrdoAttributes(QByteArrayView html, bool allAttributes)
{
    // Both attributes start with " ordo": one search finds either.
    const QByteArrayView marker(" ordo");
    const QByteArrayView image("<img ordosrc=");
    const QByteArrayView link("<a ordohref=");
    const auto startsAt = [&](qsizetype at, QByteArrayView what) {
        return at >= 0 && at + what.size() <= html.size() && html.sliced(at, what.size()) == what;
    };
    QByteArray out;
    out.reserve(html.size() + 1024);
    qsizetype copied = 0;
    // Once a quoted source runs to the end without its closing quote, the
    // sources after it keep their value as it stands.
    bool urls = true;
    for (qsizetype at = html.indexOf(marker); at >= 0; at = html.indexOf(marker, at + 1)) {
        if (allAttributes && startsAt(at - 2, link)) {
            out.append(html.sliced(copied, at - 2 - copied)).append("<a href=");
            copied = at - 2 + link.size();
            continue;
        }
        if (!startsAt(at - 4, image) || at - 4 < copied)
            continue;
        const qsizetype start = at - 4;
        const qsizetype valueStart = start + image.size() + 1;
        const bool quoted = valueStart <= html.size() && html.at(valueStart - 1) == '"';
        const qsizetype valueEnd = urls && quoted ? html.indexOf('"', valueStart) : -1;
        if (valueEnd < 0) {
            urls = urls && !quoted;
            if (allAttributes) {
                out.append(html.sliced(copied, start - copied)).append("<img src=");
                copied = start + image.size();
            } else if (!urls) {
                break;
            }
            continue;
        }
        out.append(html.sliced(copied, start - copied)).append("<img src=\"");
        QString url = CoverFileUrl(
            unescapeAttribute(QString::fromUtf8(html.sliced(valueStart, valueEnd - valueStart))));
        url.replace(QLatin1Char('&'), QLatin1String("&amp;"));
        url.replace(QLatin1Char('"'), QLatin1String("&quot;"));
        out.append(url.toUtf8());
        copied = valueEnd;
        at = valueEnd;
    }
    out.append(html.sliced(copied));
    return out;
}
