// Reloading the book list without losing the user's place in it.
#include "booklistmodel.h"
#include "catalog/ordodoc.h"
#include "ordolistview.h"

#include <QHeaderView>
#include <QScrollBar>

void COrdoListView::ReloadKeepingView()
{
    QSet<BookId> selected = m_keptSelection;
    for (int row : collectSelectedRows())
        selected.insert(m_model->bookId(row));
    const QModelIndex current = currentIndex();
    const BookId currentBook = current.isValid() ? m_model->bookId(current.row()) : m_keptCurrent;
    const int currentColumn = current.isValid() ? current.column() : 0;
    const int scroll = verticalScrollBar()->value();
    const bool sorted = horizontalHeader()->isSortIndicatorShown();

    LoadBooks();
    if (sorted && m_sortColumn >= 0) {
        m_model->sortRows(m_sortColumn, m_sortAscending);
        horizontalHeader()->setSortIndicatorShown(true);
        horizontalHeader()->setSortIndicator(m_sortColumn,
                                             m_sortAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
    }
    if (isFilterPending()) {
        // The filter's rows come later; they carry these over when they do.
        m_keptSelection = selected;
        m_keptCurrent = currentBook;
        return;
    }

    m_quiet = true;
    QItemSelection selection;
    int currentRow = -1;
    const int count = m_model->rowCount();
    int runStart = -1;
    for (int row = 0; row <= count; ++row) {
        const BookId id = row < count ? m_model->bookId(row) : 0;
        if (row < count && id == currentBook)
            currentRow = row;
        const bool isSelected = row < count && selected.contains(id);
        if (isSelected && runStart < 0)
            runStart = row;
        if (!isSelected && runStart >= 0) {
            selection.select(m_model->index(runStart, 0), m_model->index(row - 1, CBookListModel::ColumnCount - 1));
            runStart = -1;
        }
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (currentRow >= 0)
        selectionModel()->setCurrentIndex(m_model->index(currentRow, currentColumn), QItemSelectionModel::NoUpdate);
    m_quiet = false;
    verticalScrollBar()->setValue(scroll);
    RebuildSelection();
    // The books shown may be the ones that changed.
    m_refreshPending = false;
    emit showBookPageRequested();
    emit statusTextChanged(statusText());
}
