#include "catalogueupgrade.h"

#include "connection.h"
#include "recordset.h"
#include "seriesschema.h"

#include <QDate>

bool BookTableHasColumn(Connection &connection, const QString &column)
{
    Recordset rs;
    if (!rs.open(connection, QStringLiteral("PRAGMA table_info(book)")))
        return false;
    while (!rs.isEOF()) {
        if (rs.field(1).toString().compare(column, Qt::CaseInsensitive) == 0)
            return true;
        if (!rs.moveNext())
            break;
    }
    return false;
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
