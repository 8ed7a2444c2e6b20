#pragma once

#include "dberror.h"

#include <QString>

class Connection;

// What one statement typed into Run SQL did.
struct SqlRunResult
{
    bool ok = false;
    QString statement; // the statement as run (trimmed)
    qint64 recordsAffected = 0;
    qint64 rowCount = 0; // rows returned, counted only when nothing was affected
    DbError error;    // set when !ok
};

// Runs one statement typed by the user. Text after the first statement is
// refused unrun. A statement that leaves a transaction open (BEGIN) has it
// committed at once, so that no later change waits unsaved for a COMMIT that
// may never come.
[[nodiscard]] SqlRunResult RunSql(Connection &connection, const QString &statement);

// "Records affected: %1\nNumber of records in the returned recordset: %2"
QString SqlResultText(const SqlRunResult &result);

// The whole command after the dialog: runs the statement and shows either the
// database error (statement, line break, message) or the result with an
// information icon. True when records were affected: the tree must refill.
// Runs the statement and shows either the database error or the result;
// returns what happened so a caller can offer a refused statement again.
SqlRunResult RunSqlAndReport(Connection &connection, const QString &statement);
// The report half of RunSqlAndReport, for a statement run elsewhere (on a
// worker, so that it can be stopped).
void ReportSqlRun(const SqlRunResult &result);

[[nodiscard]] bool RunSqlCommand(Connection &connection, const QString &statement);
