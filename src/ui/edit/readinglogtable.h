#pragma once

#include "catalog/readinglog.h"

#include <QWidget>

class QTableWidget;
class QPushButton;

// The readings of a book as a small table: started, finished, read to the
// end, a note; with buttons to add and remove readings. Days are typed in any
// common form (2024-03-15, 15.03.2024, 03/15/2024, Mar 15, 2024); one that is
// no date stays as typed.
class CReadingLogTable : public QWidget
{
    Q_OBJECT

public:
    explicit CReadingLogTable(QWidget *parent = nullptr);

    void setLog(const CReadingLog &log);
    CReadingLog log() const;

    QTableWidget *table() const { return m_table; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *removeButton() const { return m_remove; }

private:
    void appendRow(const CReading &reading);

    QTableWidget *m_table = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_remove = nullptr;
};
