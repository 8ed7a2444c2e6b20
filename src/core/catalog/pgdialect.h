#pragma once

#include <QString>

// The program writes one dialect of SQL, the one its catalogue files speak.
// Where PostgreSQL says the same thing differently, this rewrites it: LIKE
// without regard to case for every script (ILIKE), GLOB patterns, INSERT OR
// IGNORE, COLLATE clauses, char(). Text inside quotes is never touched.
QString SqliteToPostgres(const QString &sql);

// The answer to a PRAGMA on a server catalogue, as a SELECT; empty when the
// statement is no PRAGMA. Settings that have no meaning there read as the
// engine's defaults and setting them does nothing; the checks report "ok".
QString PragmaForPostgres(const QString &sql, const QString &schema, QString *unsupported);

// A PostgreSQL quoted identifier or string literal.
QString PgIdentifier(const QString &name);
QString PgLiteral(const QString &text);
