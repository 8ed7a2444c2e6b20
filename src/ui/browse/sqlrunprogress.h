#pragma once

#include "catalog/sqlconsole.h"

#include <QString>

class Connection;
class QWidget;

// Runs one statement typed into Run SQL on a worker thread. When it takes
// longer than a second a progress box offers Stop, which interrupts the
// statement (it then fails as interrupted and changes nothing). Returns when
// the statement has ended; the window stays painted meanwhile.
class CSqlRunProgress
{
public:
    static constexpr int kShowAfterMs = 1000;

    static SqlRunResult Run(Connection &connection, const QString &statement, QWidget *parent);
};
