#pragma once

#include "catalog/connection.h"
#include "catalog/recordset.h"

#include <QString>

// Lends every 20th book of a large catalogue (book ids 20, 40, ...) to one
// of borrowers people, loans books out in all; a fifth of the loans are past
// their due date. The catalogue must have its loan tables (opened once by
// the program) and no borrowers yet.
inline bool LendSampleBooks(Connection &connection, int loans, int borrowers)
{
    Transaction transaction(connection);
    for (int i = 1; i <= borrowers; ++i) {
        if (!connection.execute(
                QStringLiteral("INSERT INTO borrower (BorrowerID, Name) VALUES (%1, 'Лектор %1 Ö')").arg(i)))
            return false;
    }
    return connection.execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                                             "WHERE i < %1) INSERT INTO loan (BookID, BorrowerID, LoanDate, "
                                             "DueDate) SELECT i * 20, 1 + i % %2, '2024-01-01', "
                                             "CASE WHEN i % 5 = 0 THEN '2024-02-01' ELSE '2999-01-01' END "
                                             "FROM n")
                                  .arg(loans)
                                  .arg(borrowers)) &&
           transaction.commit();
}
