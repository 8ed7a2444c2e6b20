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

    // The rows of a category; any filter goes with the old rows.
    void setRows(BookListRows rows);
    void clear();
    // Replaces one row's texts in place (after an edit of its book).
    void setRow(int row, const BookListRow &values);
    // Every row loaded, shown or not; the row numbers of the other members
    // are those shown.
    const BookListRows &rows() const { return m_rows; }
    BookId bookId(int row) const { return m_rows.bookId(sourceRow(row)); }
    QStringView text(int row, int column) const { return m_rows.text(sourceRow(row), column); }

    // The filter bar: only the rows of rows() listed in shown (ascending) are
    // in the model, in their order. A reset, as a new category is.
    void setShownRows(QVector<int> shown);
    // Every row in the model again.
    void showAllRows();
    bool isFiltered() const { return m_filtered; }
    // The book ids of every row loaded, in their order (kept, so that asking
    // again costs nothing until the rows change).
    const QVector<BookId> &allBookIds() const;
    // Row of rows() behind a row of the model.
    int sourceRow(int row) const { return m_filtered ? m_shown[row] : row; }

    // A loan whose due date is before today is shown overdue: in red, with a
    // warning sign beside the date and said so in the tooltip. Today is the
    // day of the last setRows unless set.
    bool isOverdue(int row) const;
    void setToday(const QDate &today) { m_todayText = today.toString(Qt::ISODate); }
    // The sign beside an overdue date.
    static QIcon overdueIcon();

    // Orders the rows by one column's text in the user's collation (case
    // ignored, numbers in numeric order); rows with equal texts keep their order.
    // Returns the old row index of each new row (rows shown: with a filter,
    // the same rows stay shown, in the new order).
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
    QVector<int> m_shown;
    bool m_filtered = false;
    mutable QVector<BookId> m_allIds;
    mutable bool m_allIdsValid = false;
    QIcon m_bookImage;
    QIcon m_overdueImage;
    QString m_todayText; // yyyy-mm-dd, compared with the due dates for every cell painted
};
