#pragma once

#include <QString>

class Connection;

// True when a book of the catalogue has this ISBN, in either form (10 or 13
// digits, hyphens and blanks ignored). title, when given, receives the title
// of the first such book. Both the batch and the single Add Book ask this
// before adding a book.
bool IsIsbnInCatalogue(const QString &isbn, Connection &connection, QString *title = nullptr);
