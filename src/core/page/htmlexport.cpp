#include "htmlexport.h"

#include "encodeutf8.h"
#include "pagelink.h"

#include <QSaveFile>

namespace {

const QLatin1String kUtf16Meta("<META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-16\">");
const QLatin1String kUtf8Meta("<META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">");
const QLatin1String kStyleSheetRef("HREF=\"ordo.css\">");

// One pass over the text for both schemes: each "ordolink://" reference is
// replaced where it stands, each "ordocover://" dropped, and the scan goes
// on after it. Inserted paths are never searched again, and removing one
// scheme text cannot join its neighbours into a new one
// ("ordoordocover://cover://" leaves "ordocover://", as written around it).
QString rewriteSchemes(const QString &text, Connection *connection)
{
    const QLatin1String link(kLinkScheme);
    const QLatin1String cover(kCoverScheme);
    QString out;
    out.reserve(text.size());
    qsizetype copied = 0;
    for (;;) {
        const qsizetype nextLink = text.indexOf(link, copied);
        const qsizetype nextCover = text.indexOf(cover, copied);
        if (nextLink < 0 && nextCover < 0)
            break;
        if (nextCover >= 0 && (nextLink < 0 || nextCover < nextLink)) {
            out.append(QStringView(text).mid(copied, nextCover - copied));
            copied = nextCover + cover.size();
            continue;
        }
        out.append(QStringView(text).mid(copied, nextLink - copied));
        qsizetype end = text.indexOf(QLatin1Char('"'), nextLink);
        if (end < 0)
            end = text.size();
        const qsizetype start = nextLink + link.size();
        out.append(ResolveLinkReference(text.mid(start, std::max<qsizetype>(0, end - start)), connection));
        copied = end;
    }
    out.append(QStringView(text).mid(copied));
    return out;
}

} // namespace

QString MakeHtmlExportText(const QString &pageHtml, const QString &cssPath, Connection *connection)
{
    QString text = pageHtml;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(kUtf16Meta, kUtf8Meta);
    text.replace(kStyleSheetRef, QLatin1String("HREF=\"") + cssPath + QLatin1String("\">"));
    text = rewriteSchemes(text, connection);
    return QLatin1String("<HTML>\n") + text + QLatin1String("</HTML>\n");
}

bool WriteExportFile(const QString &filePath, const QString &text)
{
    const QByteArray utf8 = EncodeUtf8(text);
    QByteArray bytes;
    bytes.reserve(utf8.size() + utf8.count('\n'));
    char previous = 0;
    for (const char c : utf8) {
        if (c == '\n' && previous != '\r')
            bytes.append('\r');
        bytes.append(c);
        previous = c;
    }

    QSaveFile file(filePath);
    // A file in a folder we may not create files in can still be replaced
    // in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
