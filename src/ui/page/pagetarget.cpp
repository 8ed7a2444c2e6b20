#include "pagetarget.h"

#include "app/messenger.h"
#include "page/linkopenrule.h"
#include "widgets/desktopopener.h"

#include <QDir>
#include <QFileInfo>

namespace {

std::function<bool(const QUrl &)> g_desktopOpener = OpenWithDesktop;

QUrl existingFileUrl(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {};
    return QUrl::fromLocalFile(path);
}

// QUrl reads an all-digit host as an IPv4 address ("12" becomes
// "0.0.0.12"); the book number of an ordolink is that number again.
QString hostText(const QUrl &url)
{
    const QString host = url.host(QUrl::FullyDecoded);
    const QStringList parts = host.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return host;
    quint64 value = 0;
    for (const QString &part : parts) {
        bool ok = false;
        const uint byte = part.toUInt(&ok);
        if (!ok || byte > 255)
            return host;
        value = value * 256 + byte;
    }
    return QString::number(value);
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
    switch (LinkOpenRuleFor(url)) {
    case LinkOpenRule::Refuse:
        return false;
    case LinkOpenRule::Ask:
        // Declining is the user's choice, not a failure to report.
        if (!messenger().askYesNo(AskToOpenLinkText(url), IMessenger::Icon::Warning))
            return true;
        break;
    case LinkOpenRule::Open:
        break;
    }
    return g_desktopOpener(url);
}

void OpenPageTargetOrTell(const QString &target)
{
    if (!OpenPageTarget(target))
        messenger().showMessage(UnableToOpenText(target), IMessenger::Icon::Warning);
}

void SetDesktopOpenerForTests(std::function<bool(const QUrl &)> opener)
{
    g_desktopOpener =
        opener ? std::move(opener) : std::function<bool(const QUrl &)>(OpenWithDesktop);
}

QString PageAddressText(const QUrl &url)
{
    if (url.isLocalFile())
        return url.toLocalFile();
    if (url.scheme().compare(QLatin1String("ordolink"), Qt::CaseInsensitive) == 0)
        return QLatin1String("ordolink://") + hostText(url) + url.path(QUrl::FullyDecoded);
    return url.toString();
}
