#pragma once

#include <QString>

// True for an existing file (not a folder).
bool FileExists(const QString &path);
// True for an existing folder.
bool FolderExists(const QString &path);
// "12 KB" up to 1024 KB, else "1.50 MB".
QString FileSizeText(const QString &path);
// Puts the file from at to (replacing what is there): a hard link where the
// file system allows, else a copy. For pictures, which the program replaces
// by renaming and never rewrites in place, the link keeps the old content.
bool LinkOrCopyFile(const QString &from, const QString &to);
