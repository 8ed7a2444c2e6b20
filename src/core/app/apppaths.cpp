#include "apppaths.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString g_appFolder;
QString g_languageCode = QStringLiteral("Enu");
} // namespace

QString AppFolder()
{
    return g_appFolder;
}

void SetAppFolder(const QString &folder)
{
    // Absolute: the page refers to its style sheets by file address, and a
    // relative one would resolve against the page's own folder.
    g_appFolder = QDir::fromNativeSeparators(folder);
    if (!g_appFolder.isEmpty())
        g_appFolder = QDir(g_appFolder).absolutePath();
    if (!g_appFolder.endsWith(QLatin1Char('/')))
        g_appFolder += QLatin1Char('/');
}

QString LocateAppFolder(const QString &exeDir)
{
    const QDir dir(exeDir);
    if (QFileInfo::exists(dir.filePath(QStringLiteral("ordo.dbt"))))
        return dir.absolutePath() + QLatin1Char('/');
    const QString installed = QDir::cleanPath(dir.absoluteFilePath(QStringLiteral("../share/ordoteca")));
    if (QFileInfo(installed).isDir())
        return installed + QLatin1Char('/');
    return dir.absolutePath() + QLatin1Char('/');
}

QString UILanguageCode()
{
    return g_languageCode;
}

void SetUILanguageCode(const QString &code)
{
    g_languageCode = code;
}
