#pragma once

#include "dberror.h"
#include "fieldvalue.h"

#include <QString>

class Connection;
class Recordset;

// Value kinds of FormatSqlValue.
enum SqlValueKind { SqlText = 0, SqlInteger = 1, SqlDecimal = 2 };

// Turns a value typed by the user into an SQL literal: trimmed; NULL when
// blank; text quoted with apostrophes doubled; the leading integer ("%d");
// the leading decimal after an optional first "$" ("%f"). Any other kind gives
// the trimmed text itself.
QString FormatSqlValue(const QString &text, int kind);

// Display text of a field: empty for NULL, "%d" for integers and yes/no (true
// is -1), "%.2f" single, "%f" double, plain decimal for money, "Jan 05, 2004"
// for dates.
QString FieldToText(const FieldValue &value);

// Runs one statement. On failure, with showError, the user sees the statement,
// a line break and the engine's message.
bool ExecuteSql(const QString &sql, bool showError, Connection &connection);

// Shows the standard database error message: the SQL text, a line break and
// the engine's message text.
void ShowDbError(const QString &sql, const DbError &error);

// Opens sql on rs; on failure shows the standard database error message.
[[nodiscard]] bool OpenRecordset(Recordset &rs, Connection &connection, const QString &sql);

// English month abbreviations whatever the locale: "Jan 05, 2004".
QString FormatCatalogDate(const QDate &date);
// A date as FormatCatalogDate writes it, as yyyy-mm-dd; other text unchanged.
QString CatalogDateToIso(const QString &text);

// text as a LIKE pattern (with ESCAPE '\\') that matches only itself: its own
// %, _ and backslashes escaped.
QString EscapeLikePattern(const QString &text);
