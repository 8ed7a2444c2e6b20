#include "pagetarget.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace {

QUrl existingFileUrl(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {};
    return QUrl::fromLocalFile(path);
}

} // namespace

QUrl PageTargetUrl(const QString &target)
{
    const QString text = target.trimmed();
    if (text.isEmpty())
        return {};
    if (text.startsWith(QLatin1Char('/')))
        return existingFileUrl(QDir::cleanPath(text));
    if (text.startsWith(QLatin1String("~/")))
        return existingFileUrl(QDir::homePath() + text.mid(1));
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QUrl::fromUserInput(text);

    const QUrl url(text, QUrl::TolerantMode);
    // A one-letter scheme is a Windows drive, which names nothing here.
    if (!url.isValid() || url.scheme().size() < 2)
        return {};
    if (url.isLocalFile())
        return existingFileUrl(url.toLocalFile());
    return url;
}

bool OpenPageTarget(const QString &target)
{
    const QUrl url = PageTargetUrl(target);
    return url.isValid() && QDesktopServices::openUrl(url);
}

QString PageAddressText(const QUrl &url)
{
    if (url.isLocalFile())
        return url.toLocalFile();
    return url.toString();
}
