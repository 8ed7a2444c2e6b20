#pragma once

#include <QString>

// Puts a copy of the template ordo.dbt (an empty catalogue with its fixed
// rows) at path, replacing any file there, and makes it writable. False when
// the template is missing or the copy cannot be made; nothing is shown.
bool CopyCatalogueTemplate(const QString &path);
