#pragma once

struct sqlite3;

// SQL functions of the program's own connection, registered when a catalogue
// is opened. They change no stored data and no schema: the stock sqlite3
// shell opens the file without them (its LIKE then folds A-Z only).
//
//   like(P, X), like(P, X, E)  X LIKE P [ESCAPE E] with Unicode case folding
//   lower(X), upper(X)         Unicode case mapping
//   unaccented_like(P, X)      like() that also ignores accents ("etranger"
//                              matches "L'Étranger")
//   like_any(P, X1, X2, ...)   1 when like(P, Xi) holds for any Xi; one call
//   unaccented_like_any(...)   per row for Basic Search's seven columns
bool RegisterSqlFunctions(sqlite3 *db);
