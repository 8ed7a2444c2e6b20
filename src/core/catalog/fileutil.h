#pragma once

#include <QString>

// True for an existing file (not a folder).
bool FileExists(const QString &path);
// True for an existing folder.
bool FolderExists(const QString &path);
// "12 KB" up to 1024 KB, else "1.50 MB".
QString FileSizeText(const QString &path);
