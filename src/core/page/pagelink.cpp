#include "pagelink.h"

#include "catalog/bookrecord.h"

namespace {

QString coverFileName(QString rest)
{
    rest = rest.trimmed();
    if (rest.endsWith(QLatin1Char('/')))
        rest.chop(1);
    const qsizetype separator =
        std::max(rest.lastIndexOf(QLatin1Char('\\')), rest.lastIndexOf(QLatin1Char('/')));
    QString name = rest.mid(separator + 1);
    while (!name.isEmpty() && name.back().isSpace())
        name.chop(1);
    return name;
}

} // namespace

QString ResolveLinkReference(const QString &reference, Connection *connection)
{
    const QString text = reference.trimmed();
    const qsizetype slash = text.indexOf(QLatin1Char('/'));
    if (connection && slash >= 0) {
        QString path;
        if (CBookRecord::GetLinkPath(text.left(slash), text.mid(slash + 1), *connection, path))
            return path;
    }
    return text;
}

QString ResolvePageLink(const QString &address, const QString &imagesFolder, Connection *connection)
{
    const QLatin1String cover(kCoverScheme);
    const QLatin1String link(kLinkScheme);
    // Schemes reach the view lower-cased by the URL parser; accept any case.
    if (address.startsWith(cover, Qt::CaseInsensitive)) {
        // Only a file of the images folder itself: never the folder, never
        // its parent.
        const QString name = coverFileName(address.mid(cover.size()));
        if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
            return QString();
        return imagesFolder + QLatin1Char('/') + name;
    }
    if (address.startsWith(link, Qt::CaseInsensitive))
        return ResolveLinkReference(address.mid(link.size()), connection);
    return address;
}
