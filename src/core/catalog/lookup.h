#pragma once

#include <QString>
#include <QStringList>

class Connection;

// Lookup tables (bookpublisher, booklanguage, ...) have an id column named after
// the table without its leading "book" plus "ID", and a Name column. Ids travel
// as text: decimal digits or NULL.

QString LookupIdColumn(const QString &table);

// Appends every Name in database order; false after a reported error.
bool ReadLookupNames(const QString &table, Connection &connection, QStringList &names);

// Name of the row whose id is idText (used unquoted). Empty idText gives an
// empty name and true; no such row gives false and leaves name as it was.
bool LookupName(const QString &table, const QString &idText, Connection &connection, QString &name);

// Id of the row named name (case-insensitive), adding a row with MAX+1 (1 for
// an empty table) when there is none. A blank name gives "NULL". On a reported
// error returns false and leaves idText as it was.
bool GetOrInsertLookupId(const QString &table, const QString &name, Connection &connection,
                         QString &idText);
