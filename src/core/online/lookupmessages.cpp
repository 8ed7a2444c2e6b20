#include "lookupmessages.h"

#include "app/strings.h"

#include <QStringList>

namespace {

// The string with its "%s" markers replaced in order. Replacing one at a
// time from the left would let a "%s" inside an argument take the next one.
QString formatStr(int id, const QStringList &args)
{
    const QString text = LoadStr(id);
    QString out;
    int from = 0;
    for (const QString &arg : args) {
        const int at = text.indexOf(QLatin1String("%s"), from);
        if (at < 0)
            break;
        out += text.mid(from, at - from) + arg;
        from = at + 2;
    }
    return out + text.mid(from);
}

} // namespace

QString LoadingMessage(const QString &sourceName)
{
    return formatStr(IDS_LOADING_BOOK_INFO, {sourceName});
}

QString NotFoundMessage(const QString &isbn, const QString &sourceName)
{
    return formatStr(IDS_ISBN_NOT_FOUND, {isbn, sourceName});
}

QString UnreachableMessage(const QString &sourceName)
{
    return formatStr(IDS_SOURCE_UNREACHABLE, {sourceName});
}

QString ServiceErrorMessage(const QString &sourceName, const QString &serviceText)
{
    return formatStr(IDS_SOURCE_ERROR, {sourceName, serviceText});
}
