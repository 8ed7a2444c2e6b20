#include "fileutil.h"

#include <QFile>
#include <QFileInfo>
#include <unistd.h>

bool FileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

bool FolderExists(const QString &path)
{
    return QFileInfo(path).isDir();
}

QString FileSizeText(const QString &path)
{
    const qint64 kb = QFileInfo(path).size() / 1024;
    if (kb <= 1024)
        return QStringLiteral("%1 KB").arg(kb);
    return QStringLiteral("%1 MB").arg(double(kb) / 1024.0, 0, 'f', 2);
}

bool LinkOrCopyFile(const QString &from, const QString &to)
{
    QFile::remove(to);
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    return QFile::copy(from, to);
}
