#pragma once

#include "importtable.h"

#include <QString>
#include <QVector>

// What a column of an imported file can become: a field of the book, its
// categories, its links or a cover. The names are also the header of the CSV
// export, so an exported file maps itself.
enum class ImportField {
    None = -1,
    Title,
    Subtitle,
    Author,
    URL,
    Edition,
    ReleaseDate,
    Publisher,
    ISBN,
    PageCount,
    Language,
    Binding,
    Dimension,
    Extras,
    PurchaseDate,
    Store,
    PurchasePrice,
    ListPrice,
    AmazonPrice,
    Location,
    Status,
    CurrentPage,
    AmazonRating,
    NumOfReviews,
    MyRating,
    UserText1,
    UserText2,
    EBookOnly,
    Format,
    BookSize,
    Description,
    Notes,
    Categories,
    Links,
    FrontCover,
    BackCover,
    DateAdded, // after the covers: older exports end with BackCover
    Borrower,  // the current loan of a book lent to someone (not a book column)
    LoanDate,
    DueDate,
    Series,
    SeriesNumber,
    Readings,    // the reading log (our export), or the days a book was finished
    DateStarted, // the day the last reading began
    TimesRead,   // a count, or yes/no for read at least once
    Count
};

// How a field's text is checked and stored.
enum class FieldKind { Text, Html, Lookup, Integer, Decimal, Date, Rating, YesNo, Categories, Links, Cover, Readings };

QString ImportFieldName(ImportField field);  // "Title", ... "BackCover"
QString ImportFieldLabel(ImportField field); // for the mapping page
FieldKind ImportFieldKind(ImportField field);
ImportField ImportFieldFromName(const QString &name); // None when unknown

// Every field, in order.
QVector<ImportField> AllImportFields();

// The mapping of each column of a table to a field.
using ImportMapping = QVector<ImportField>;

// The mapping a format's columns get before the user changes it: the known
// columns of Goodreads, LibraryThing and Tellico, and columns named after a
// field (or a common synonym) in any file.
ImportMapping DefaultImportMapping(const CImportTable &table);

// The mapping last used for this format, for columns of the same names;
// other columns keep their defaults.
ImportMapping RememberedImportMapping(const CImportTable &table);
void RememberImportMapping(const CImportTable &table, const ImportMapping &mapping);
