#pragma once

class Connection;

// Rows whose book or category is gone: the stock sqlite3 shell does not
// enforce foreign keys unless told to, so a book deleted there leaves its
// links and memberships behind, and the next new book (which takes the same
// number) would inherit them. PRAGMA foreign_key_check finds such rows; they
// are deleted (memberships, links, and categories whose parent is gone,
// whose own sub categories and memberships go with them by cascade).
//
// Returns how many rows the check found, 0 when the catalogue is clean, -1
// when the check itself could not run (nothing is changed then).
int RemoveOrphanRows(Connection &connection);
