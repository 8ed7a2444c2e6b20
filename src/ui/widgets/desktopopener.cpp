#include "desktopopener.h"

#include "urllabel.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

namespace {

constexpr int kQueryTimeoutMs = 5000;

// The desktop's default application for one kind ("x-scheme-handler/irc",
// "application/pdf"); empty when none. nullopt when it cannot be asked.
std::optional<QString> defaultApplication(const QString &tool, const QString &kind)
{
    QProcess query;
    query.start(tool, {QStringLiteral("query"), QStringLiteral("default"), kind});
    if (!query.waitForFinished(kQueryTimeoutMs) || query.exitStatus() != QProcess::NormalExit) {
        query.kill();
        query.waitForFinished(1000);
        return std::nullopt;
    }
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

// The kinds an application may be registered for, most specific first: a
// file's type and the types it derives from (a C source is also plain text).
QStringList kindsOf(const QUrl &url)
{
    if (!url.isLocalFile())
        return {QStringLiteral("x-scheme-handler/") + url.scheme().toLower()};
    const QFileInfo info(url.toLocalFile());
    if (info.isDir())
        return {QStringLiteral("inode/directory")};
    const QMimeType type = QMimeDatabase().mimeTypeForFile(info);
    QStringList kinds{type.name()};
    kinds << type.allAncestors();
    return kinds;
}

} // namespace

bool HasDesktopHandler(const QUrl &url)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (tool.isEmpty())
        return true;
    for (const QString &kind : kindsOf(url)) {
        const std::optional<QString> application = defaultApplication(tool, kind);
        if (!application || !application->isEmpty())
            return true;
    }
    return false;
}

bool OpenWithDesktop(const QUrl &url)
{
    if (!url.isValid() || !HasDesktopHandler(url))
        return false;
    return QDesktopServices::openUrl(url);
}

QString UnableToOpenText(const QString &address)
{
    return CUrlLabel::tr("Unable to open hyperlink:\n\n") + address;
}
