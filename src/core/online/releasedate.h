#pragma once

#include <QString>

// A release date as a service writes it, turned into the catalogue's form
// "Mmm dd, yyyy" (English month abbreviations whatever the locale): ISO
// dates, "June 1, 2003", "1 June 2003", year and month (the first of the
// month), a year alone (January 1st), "c2003" and "[2003]". Text that names
// no real date gives empty text.
QString NormalizeReleaseDate(const QString &text);
