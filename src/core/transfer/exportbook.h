#pragma once

#include "catalog/bookid.h"

#include "catalog/linkentry.h"
#include "catalog/readinglog.h"
#include "importfield.h"

#include <QString>
#include <QVector>

// One book as the exports write it: every field as text (lookup names, not
// ids; dates ISO 8601; numbers with a point), its category paths from the
// top of the tree, its links, its reading log and its cover file names.
struct CExportBook
{
    BookId bookId = 0;
    QString values[int(ImportField::Count)]; // Categories and Links left empty
    QVector<QStringList> categories;
    QVector<CLinkEntry> links;
    CReadingLog readings; // days as yyyy-mm-dd

    const QString &value(ImportField f) const { return values[int(f)]; }
};
