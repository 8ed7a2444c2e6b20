#include "cataloguetemplate.h"

#include "app/apppaths.h"

#include <QFile>
#include <QFileInfo>

bool CopyCatalogueTemplate(const QString &path)
{
    const QString source = AppFolder() + QStringLiteral("ordo.dbt");
    if (!QFileInfo(source).isFile())
        return false;
    if (QFileInfo::exists(path) && !QFile::remove(path))
        return false;
    if (!QFile::copy(source, path))
        return false;
    // The template may be installed read-only; the copy must be writable.
    QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner | QFile::ReadOwner);
    return true;
}
