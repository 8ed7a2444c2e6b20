#pragma once

#include "catalog/linkentry.h"
#include "catalog/readinglog.h"
#include "importfield.h"

#include <QString>
#include <QStringList>
#include <QVector>

// One row of an imported file made into a book, checked but not yet stored.
struct CImportedBook
{
    int row = 0; // data row of the table, from 0
    // Cleaned text of each field: dates as ISO 8601 (or the text as given
    // when it is no date), numbers as read, ratings as whole numbers,
    // yes/no as 0 or 1, covers as the reference the file gave.
    QString values[int(ImportField::Count)];
    QVector<QStringList> categories; // paths of category names
    QVector<CLinkEntry> links;
    CReadingLog readings; // days as yyyy-mm-dd
    QString refusal; // why the row cannot be imported; empty when it can
    // Values that were mended or left out, each with its line and column
    // ("Line 5, Number of Pages: ...").
    QStringList problems;

    const QString &value(ImportField f) const { return values[int(f)]; }
    // Key that finds the same book again: its ISBN (either form) or, without
    // one, its title and author.
    QString duplicateKey() const;
};

// Builds the book of one row. Columns mapped to the same field: categories
// are combined, authors and notes joined, the first valid ISBN is taken, for
// anything else the first non-empty value wins (the table's preferred
// columns go first). A value that cannot be read is left empty (or, for an
// ISBN, kept in the notes) and listed in problems; only a row with neither
// title nor ISBN is refused.
CImportedBook BuildImportedBook(const CImportTable &table, int row, const ImportMapping &mapping);

// The catalogue's date for an imported text: ISO 8601 (yyyy-MM-dd) for a
// date in any common form, else the trimmed text unchanged.
QString NormalizeImportDate(const QString &text);

// Duplicate key of a stored book.
QString BookDuplicateKey(const QString &isbn, const QString &title, const QString &author);

// The row as the user knows it: the line of a delimited file (the header is
// line 1) or the number of a Tellico entry.
QString ImportRowLabel(const CImportTable &table, int row);
