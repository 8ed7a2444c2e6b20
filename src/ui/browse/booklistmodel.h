#pragma once

#include "catalog/booklistquery.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QIcon>
#include <QVector>

// The rows of the book list: six text columns (eight in the loan lists), the book image in the first
// column and the BookID as Qt::UserRole of every cell.
class CBookListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        TitleColumn,
        AuthorColumn,
        PublisherColumn,
        IsbnColumn,
        EditionColumn,
        DateAddedColumn,
        BorrowerColumn, // On Loan and Borrowed only
        DueDateColumn,  // On Loan and Borrowed only
        SeriesColumn,   // while View > Series Columns is on
        SeriesNumberColumn,
        ColumnCount
    };

    explicit CBookListModel(QObject *parent = nullptr);

    void setRows(BookListRows rows);
    void clear();
    // Replaces one row's texts in place (after an edit of its book).
    void setRow(int row, const BookListRow &values);
    const BookListRows &rows() const { return m_rows; }
    BookId bookId(int row) const { return m_rows.bookId(row); }

    // A loan whose due date is before today is shown overdue: in red, with a
    // warning sign beside the date and said so in the tooltip. Today is the
    // day of the last setRows unless set.
    bool isOverdue(int row) const;
    void setToday(const QDate &today) { m_todayText = today.toString(Qt::ISODate); }
    // The sign beside an overdue date.
    static QIcon overdueIcon();

    // Orders the rows by one column's text in the user's collation (case
    // ignored, numbers in numeric order); rows with equal texts keep their order.
    // Returns the old row index of each new row.
    QVector<int> sortRows(int column, bool ascending);

    // Initial header widths in pixels.
    static int defaultColumnWidth(int column);
    // The list's image strip: two 16 by 16 images side by side whose magenta
    // pixels are transparent.
    static QPixmap imageStrip();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    BookListRows m_rows;
    QIcon m_bookImage;
    QIcon m_overdueImage;
    QString m_todayText; // yyyy-mm-dd, compared with the due dates for every cell painted
};
