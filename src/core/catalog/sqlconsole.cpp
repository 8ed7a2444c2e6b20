#include "sqlconsole.h"

#include "app/messenger.h"
#include "connection.h"
#include "recordset.h"
#include "sqlvalue.h"

#include <QCoreApplication>

namespace {

SqlRunResult runStatement(Connection &connection, const QString &statement)
{
    SqlRunResult result;
    result.statement = statement.trimmed();
    if (result.statement.isEmpty()) {
        result.error = {1, QCoreApplication::translate("SqlConsole", "SQL statement cannot be empty.")};
        return result;
    }

    const bool wasInTransaction = connection.inTransaction();
    qint64 affected = 0;
    auto rs = connection.execute(result.statement, &affected, &result.error);
    if (!rs)
        return result;
    result.recordsAffected = affected;

    if (affected == 0) {
        qint64 rows = 0;
        bool ok = true;
        while (ok && rs->isOpen() && !rs->isEOF()) {
            ++rows;
            ok = rs->moveNext(&result.error);
        }
        if (!ok)
            return result;
        result.rowCount = rows;
    }
    rs.reset();

    if (!wasInTransaction && connection.inTransaction() && !connection.commit(&result.error)) {
        connection.rollback();
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace

SqlRunResult RunSql(Connection &connection, const QString &statement)
{
    SqlRunResult result = runStatement(connection, statement);
    // "PRAGMA foreign_keys=OFF" typed here must not outlive the statement:
    // saving a book relies on the cascades from book to its links and
    // memberships. The same for the program's LIKE.
    connection.restoreProgramSettings();
    return result;
}

QString SqlResultText(const SqlRunResult &result)
{
    return QCoreApplication::translate(
               "SqlConsole", "Records affected: %1\nNumber of records in the returned recordset: %2")
        .arg(result.recordsAffected)
        .arg(result.rowCount);
}

SqlRunResult RunSqlAndReport(Connection &connection, const QString &statement)
{
    const SqlRunResult result = RunSql(connection, statement);
    ReportSqlRun(result);
    return result;
}

void ReportSqlRun(const SqlRunResult &result)
{
    if (result.ok)
        messenger().showMessage(SqlResultText(result), IMessenger::Icon::Information);
    else
        ShowDbError(result.statement, result.error);
}

bool RunSqlCommand(Connection &connection, const QString &statement)
{
    const SqlRunResult result = RunSqlAndReport(connection, statement);
    return result.ok && result.recordsAffected != 0;
}
