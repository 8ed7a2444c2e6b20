#pragma once

#include <QString>
#include <QVector>
#include <optional>

class Connection;

// The people books are lent to or borrowed from. Each change runs in one
// transaction; refusals and database errors are shown through the messenger
// and change nothing.

struct BorrowerInfo
{
    qint64 id = 0;
    QString name;
    QString contact;
    QString notes;
    int booksNow = 0;  // loans not yet returned
    int booksEver = 0; // every loan, returned or not
};

// Every borrower with the counts of their loans, by name in the user's
// collation; nullopt when the query failed.
std::optional<QVector<BorrowerInfo>> LoadBorrowers(Connection &connection);

// The borrower of that name (trimmed, letter case ignored), added when there
// is none. nullopt for a blank name or a failed statement.
std::optional<qint64> FindOrAddBorrower(Connection &connection, const QString &name);

// Renames a borrower and sets the contact and notes. Refused when another
// borrower has the name already (merge them instead) or the name is blank.
[[nodiscard]] bool UpdateBorrower(Connection &connection, const BorrowerInfo &borrower);

// Hands every loan of borrower from to borrower into and deletes from; into
// keeps its own contact and notes and gets from's where its own are empty.
[[nodiscard]] bool MergeBorrowers(Connection &connection, qint64 from, qint64 into);

// Deletes a borrower who never had a loan; refused otherwise.
[[nodiscard]] bool DeleteBorrower(Connection &connection, qint64 id);
