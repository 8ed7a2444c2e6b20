#pragma once

#include "dberror.h"

#include <QString>

class Connection;

// The version of the catalogue layout on a server that this program writes;
// a catalogue of a newer one is refused unchanged.
constexpr int kServerSchemaVersion = 1;

// The statements that make a catalogue in an empty schema of a PostgreSQL
// database: every table, index and fixed row of a catalogue file, with the
// server's types, plus what sharing needs (row versions, change
// notifications, the table of pictures).
QStringList ServerSchemaStatements(const QString &schema);

// The catalogue version stored in the schema the connection uses: 0 when the
// schema holds no catalogue, -1 (with the error) when it cannot be read.
int ServerSchemaVersion(Connection &connection, DbError *error = nullptr);
