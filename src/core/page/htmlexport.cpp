#include "htmlexport.h"

#include "encodeutf8.h"
#include "pagelink.h"

#include <QSaveFile>

namespace {

const QLatin1String kUtf16Meta("<META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-16\">");
const QLatin1String kUtf8Meta("<META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">");
const QLatin1String kStyleSheetRef("HREF=\"ordo.css\">");

// One pass over the text: each reference is replaced where it stands and
// the scan goes on after the replacement, so a link whose path holds
// "ordolink://" again cannot make the rewriting loop.
QString resolveLinkReferences(const QString &text, Connection *connection)
{
    const QLatin1String scheme(kLinkScheme);
    qsizetype position = text.indexOf(scheme);
    if (position < 0)
        return text;
    QString out;
    out.reserve(text.size());
    qsizetype copied = 0;
    while (position >= 0) {
        out.append(QStringView(text).mid(copied, position - copied));
        qsizetype end = text.indexOf(QLatin1Char('"'), position);
        if (end < 0)
            end = text.size();
        const qsizetype start = position + scheme.size();
        out.append(ResolveLinkReference(text.mid(start, std::max<qsizetype>(0, end - start)), connection));
        copied = end;
        position = text.indexOf(scheme, end);
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
    text = resolveLinkReferences(text, connection);
    text.remove(QLatin1String(kCoverScheme));
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
