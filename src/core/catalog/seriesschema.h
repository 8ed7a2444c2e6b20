#pragma once

#include <QString>

class Connection;

// The series lookup table, the book's series columns and the reading log, as
// catalogues of earlier versions get them on open. Only additions: no stored
// value changes, and the file needs nothing but the stock engine.
bool AddSeriesAndReadings(Connection &connection);

// True when the catalogue has the table (a read-only older catalogue may
// lack the reading log and the series list).
bool CatalogueHasTable(Connection &connection, const QString &table);

// For SELECT lists over "book <prefix>": the series name and number, or two
// NULLs in a catalogue without series.
QString SeriesSelect(Connection &connection, const QString &tablePrefix);
