#pragma once

#include "catalog/readinglog.h"
#include "importfield.h"

#include <QString>
#include <QStringList>
#include <functional>

struct CImportedBook;
struct CImportTable;

// The reading log in files. Our exports write it whole as JSON, one object
// per reading: {"started": "2024-01-02", "finished": "2024-02-03",
// "completed": true, "notes": "..."}, days as yyyy-mm-dd.
QString ReadingLogJson(const CReadingLog &log);

// A readings cell: our JSON (objects, or rows [started, finished, completed,
// notes] as a Tellico table gives them), or days a book was finished, one a
// line or separated by ";" (Goodreads' and LibraryThing's "Date Read"). Days
// come back as yyyy-mm-dd; a day that cannot be read is kept as the reading's
// note and named in problems.
CReadingLog ParseReadingCell(const QString &cell, QStringList &problems);

// Completes an imported book once its fields are read: the series of a
// series cell or, in a Goodreads file, of the title ("Title (Series, #3)");
// the reading log from the readings cell, the day started and the number of
// times read. where(field) names the row and column for a problem.
void ApplySeriesAndReadings(CImportedBook &book, const CImportTable &table,
                            const std::function<QString(ImportField)> &where);
