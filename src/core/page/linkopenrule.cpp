#include "linkopenrule.h"

#include <QCoreApplication>
#include <QFileInfo>

LinkOpenRule LinkOpenRuleFor(const QUrl &url)
{
    if (!url.isValid() || url.isEmpty())
        return LinkOpenRule::Refuse;
    if (url.isLocalFile())
        return QFileInfo::exists(url.toLocalFile()) ? LinkOpenRule::Open : LinkOpenRule::Refuse;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("ftp") || scheme == QLatin1String("mailto"))
        return LinkOpenRule::Open;
    return LinkOpenRule::Ask;
}

QString AskToOpenLinkText(const QUrl &url)
{
    return QCoreApplication::translate(
               "LinkOpenRule", "This link is not a web or mail address:\n%1\n\nOpen it with the program "
                               "your desktop chooses for it?")
        .arg(url.toDisplayString());
}
