#pragma once

#include "bookid.h"

#include <QString>
#include <QVector>

class Connection;

// The book list's bulk commands on the selected books. Each runs its
// statements in one transaction (a large selection takes one write instead
// of thousands); a statement that fails is reported or ignored as the command
// wants, the others still take effect.

// The question Remove Book asks before deleting: permanently in the Recycle
// Bin, from the category elsewhere.
QString RemoveBooksQuestion(CategoryId category);

// Removes the books from what the category shows: All Books takes away every
// membership (the books go to the Recycle Bin), the Recycle Bin deletes the
// books and their cover files in imagesFolder, any other category takes away
// that one membership. Each failing statement shows its SQL and the engine's
// message and the others go on. Returns the number of failed statements.
int DeleteSelectedBooks(Connection &connection, CategoryId category, const QVector<BookId> &bookIds,
                        const QString &imagesFolder);

// Makes the books members of targetCategory. Books already there are left
// alone without a message. Returns the number of memberships added.
int SendBooksTo(Connection &connection, const QVector<BookId> &bookIds, CategoryId targetCategory);
