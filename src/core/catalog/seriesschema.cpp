#include "seriesschema.h"

#include "catalogueupgrade.h"
#include "connection.h"
#include "recordset.h"
#include "sqlvalue.h"

bool CatalogueHasTable(Connection &connection, const QString &table)
{
    return connection.hasTable(table);
}

bool AddSeriesAndReadings(Connection &connection)
{
    Transaction transaction(connection);
    if (!transaction.isActive())
        return false;
    const auto run = [&](const char *sql) { return bool(connection.execute(QString::fromLatin1(sql))); };
    if (!BookTableHasColumn(connection, QStringLiteral("SeriesID")) &&
        !run("ALTER TABLE book ADD COLUMN SeriesID INTEGER"))
        return false;
    if (!BookTableHasColumn(connection, QStringLiteral("SeriesNumber")) &&
        !run("ALTER TABLE book ADD COLUMN SeriesNumber TEXT COLLATE NOCASE"))
        return false;
    return run("CREATE INDEX IF NOT EXISTS book_series ON book(SeriesID)") &&
           run("CREATE TABLE IF NOT EXISTS bookseries (SeriesID INTEGER PRIMARY KEY, Name TEXT COLLATE NOCASE)") &&
           run("CREATE INDEX IF NOT EXISTS bookseries_name ON bookseries(Name)") &&
           run("CREATE TABLE IF NOT EXISTS reading (BookID INTEGER NOT NULL REFERENCES book(BookID) ON DELETE "
               "CASCADE, ReadingID INTEGER NOT NULL, Started DATE, Finished DATE, Completed YESNO NOT NULL "
               "DEFAULT 0, Notes TEXT COLLATE NOCASE, PRIMARY KEY (BookID, ReadingID))") &&
           transaction.commit();
}

QString SeriesSelect(Connection &connection, const QString &tablePrefix)
{
    if (!BookTableHasColumn(connection, QStringLiteral("SeriesID")))
        return QStringLiteral("NULL, NULL");
    return QStringLiteral("(SELECT Name FROM bookseries WHERE SeriesID=%1SeriesID), %1SeriesNumber").arg(tablePrefix);
}
