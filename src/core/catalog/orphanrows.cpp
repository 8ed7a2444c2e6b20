#include "orphanrows.h"

#include "connection.h"
#include "recordset.h"

namespace {

// The deletions for the tables the check names; each removes exactly the rows
// whose parent row is missing.
const struct
{
    const char *table;
    const char *sql;
} kRepairs[] = {
    {"book_category", "DELETE FROM book_category WHERE BookID NOT IN (SELECT BookID FROM book) "
                      "OR CatID NOT IN (SELECT CatID FROM category)"},
    {"link", "DELETE FROM link WHERE BookID NOT IN (SELECT BookID FROM book)"},
    {"loan", "DELETE FROM loan WHERE BookID NOT IN (SELECT BookID FROM book)"},
    {"reading", "DELETE FROM reading WHERE BookID NOT IN (SELECT BookID FROM book)"},
    {"category", "DELETE FROM category WHERE ParentID IS NOT NULL "
                 "AND ParentID NOT IN (SELECT CatID FROM category)"},
};

} // namespace

int RemoveOrphanRows(Connection &connection)
{
    Recordset check;
    if (!check.open(connection, QStringLiteral("PRAGMA foreign_key_check")))
        return -1;
    int found = 0;
    QStringList tables;
    while (!check.isEOF()) {
        ++found;
        const QString table = check.field(0).toString();
        if (!tables.contains(table, Qt::CaseInsensitive))
            tables << table;
        if (!check.moveNext() && check.lastError().isSet())
            return -1;
    }
    check.close();
    if (found == 0)
        return 0;

    Transaction transaction(connection);
    if (!transaction.isActive())
        return -1;
    for (const auto &repair : kRepairs) {
        if (!tables.contains(QLatin1String(repair.table), Qt::CaseInsensitive))
            continue;
        // Foreign keys are on for this connection, so a category deleted
        // here takes its sub categories and memberships with it.
        if (!connection.execute(QString::fromLatin1(repair.sql)))
            return -1;
    }
    return transaction.commit() ? found : -1;
}
