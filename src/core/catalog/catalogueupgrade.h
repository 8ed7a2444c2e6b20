#pragma once

#include <QString>

class Connection;

// Catalogues written by earlier versions get what later ones added, once,
// when they are opened for writing: nothing stored is changed. A read-only
// catalogue stays as it is; the readers below cope with either.

// Adds the DateAdded column and the list's covering index (which holds it),
// the borrower and loan tables, the series and the reading log.
// False when a statement failed; the catalogue is then usable as before.
bool UpgradeCatalogue(Connection &connection);

// True when the book table has the column (a read-only older catalogue may
// lack DateAdded).
bool BookTableHasColumn(Connection &connection, const QString &column);

// "DateAdded" where the column exists, else a NULL standing in for it, for
// SELECT lists.
QString DateAddedSelect(Connection &connection, const QString &tablePrefix = QString());

// The day as the DateAdded column keeps it: yyyy-mm-dd.
QString DateAddedToday();

// True when the catalogue has the borrower and loan tables (a read-only
// older catalogue may lack them; it then has no loans).
bool HasLoanTables(Connection &connection);
