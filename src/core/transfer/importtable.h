#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// The kinds of file the import reads.
enum class ImportFormat { Unknown, Csv, Goodreads, LibraryThing, TellicoZip, TellicoXml };

// Key under which a format's column mapping is remembered ("csv",
// "goodreads", "librarything", "tellico") and its name for the user.
QString ImportFormatKey(ImportFormat format);
QString ImportFormatName(ImportFormat format);

// An imported file as columns and rows of text, whatever its format. A cell
// holding several values (shelves, authors of a Tellico entry) has them on
// separate lines; a Tellico table value (its links) is a JSON array of rows.
struct CImportTable
{
    ImportFormat format = ImportFormat::Unknown;
    QString path;     // the file read
    QString encoding; // text encoding found (text formats)
    QStringList columns;
    QVector<QStringList> rows; // each as long as columns
    QVector<int> lines;        // the line each row starts on (delimited text)
    // Rows left out because their field count differs from the header's
    // ("Line 7: ..."), and cells whose stray bytes were read as
    // Windows-1252 ("Line 5, Subjects").
    QStringList refusedRows;
    QStringList repairedCells;
    // Pictures carried inside the file, by the id a cell refers to (Tellico
    // XML with embedded images). Pictures of a .tc stay in the archive.
    QHash<QString, QByteArray> images;
    bool imagesInZip = false; // cover ids name members images/<id> of path
    // Written by our own export: its category paths start at the top of the
    // tree, and a book without any was in no category.
    bool ownExport = false;
    // Columns whose value comes first when several columns give the same
    // field (a full release date before a bare year of publication).
    QStringList preferredColumns;
};
