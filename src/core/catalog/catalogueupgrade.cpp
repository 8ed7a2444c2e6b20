#include "catalogueupgrade.h"

#include "connection.h"
#include "recordset.h"
#include "seriesschema.h"

#include <QDate>

namespace {

// The loan tables exactly as the template makes them (data/ordo.sql), so that
// an upgraded catalogue and a new one hold the same schema.
const char *const kLoanSchema[] = {
    "CREATE TABLE borrower (\n"
    "  BorrowerID INTEGER PRIMARY KEY,\n"
    "  Name TEXT COLLATE NOCASE NOT NULL UNIQUE,\n"
    "  Contact TEXT COLLATE NOCASE,\n"
    "  Notes TEXT COLLATE NOCASE\n"
    ")",
    "CREATE TABLE loan (\n"
    "  LoanID INTEGER PRIMARY KEY,\n"
    "  BookID INTEGER NOT NULL REFERENCES book(BookID) ON DELETE CASCADE,\n"
    "  BorrowerID INTEGER NOT NULL REFERENCES borrower(BorrowerID) ON DELETE RESTRICT,\n"
    "  Direction INTEGER NOT NULL DEFAULT 0 CHECK (Direction IN (0, 1)),\n"
    "  LoanDate DATE NOT NULL,\n"
    "  DueDate DATE,\n"
    "  ReturnDate DATE,\n"
    "  Note TEXT COLLATE NOCASE\n"
    ")",
    "CREATE INDEX loan_book ON loan(BookID, LoanDate)",
    "CREATE INDEX loan_borrower ON loan(BorrowerID)",
    "CREATE UNIQUE INDEX loan_open ON loan(BookID) WHERE ReturnDate IS NULL",
    "CREATE INDEX loan_current ON loan(Direction, BookID, BorrowerID, DueDate) WHERE ReturnDate IS NULL",
};

bool tableExists(Connection &connection, const QString &table)
{
    return connection.hasTable(table);
}

bool addLoanTables(Connection &connection)
{
    if (tableExists(connection, QStringLiteral("loan")))
        return true;
    Transaction transaction(connection);
    if (!transaction.isActive())
        return false;
    for (const char *sql : kLoanSchema) {
        if (!connection.execute(QString::fromLatin1(sql)))
            return false;
    }
    return transaction.commit();
}

} // namespace

bool HasLoanTables(Connection &connection)
{
    return tableExists(connection, QStringLiteral("loan")) &&
           tableExists(connection, QStringLiteral("borrower"));
}

bool BookTableHasColumn(Connection &connection, const QString &column)
{
    return connection.hasColumn(QStringLiteral("book"), column);
}

QString DateAddedSelect(Connection &connection, const QString &tablePrefix)
{
    return BookTableHasColumn(connection, QStringLiteral("DateAdded"))
               ? tablePrefix + QStringLiteral("DateAdded")
               : QStringLiteral("NULL AS DateAdded");
}

QString DateAddedToday()
{
    return QDate::currentDate().toString(Qt::ISODate);
}

bool UpgradeCatalogue(Connection &connection)
{
    if (connection.isReadOnly())
        return true;
    if (!addLoanTables(connection))
        return false;
    if (!BookTableHasColumn(connection, QStringLiteral("DateAdded")) &&
        !connection.execute(QStringLiteral("ALTER TABLE book ADD COLUMN DateAdded DATE")))
        return false;
    if (!AddSeriesAndReadings(connection))
        return false;
    // The list's covering index now holds the date too; the older one, made
    // before it, goes.
    Transaction transaction(connection);
    return transaction.isActive() && connection.execute(QStringLiteral("DROP INDEX IF EXISTS book_list")) &&
           connection.execute(QStringLiteral("CREATE INDEX IF NOT EXISTS book_rows ON book(Title, BookID, Author, "
                                             "PublisherID, ISBN, Edition, DateAdded)")) &&
           transaction.commit();
}
