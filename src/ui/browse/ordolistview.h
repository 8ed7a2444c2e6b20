#pragma once

#include "app/commandtarget.h"
#include "catalog/bookid.h"

#include <QPointer>
#include <QSet>
#include <QTableView>
#include <QTimer>
#include <QVector>
#include <functional>

class BookListFilter;
class COrdoDoc;
class CBookListModel;
class QDrag;
class QMimeData;

// The book list: the books of the current category, one row each, whose
// selection is the document's selected books. It serves the book commands
// (Add, Remove, Edit, Send To, Cut, Copy, Paste, Select All), column sorting,
// the OrdoBook clipboard and drag payload, and the status text counting books
// and selected books.
class COrdoListView : public QTableView, public ICommandTarget
{
    Q_OBJECT

public:
    explicit COrdoListView(COrdoDoc *doc, QWidget *parent = nullptr);
    ~COrdoListView() override;

    // Reloads the rows of the document's current category. Empties the
    // selected books and asks the page to show no book; a query that cannot
    // run leaves the list empty and everything else as it was.
    void LoadBooks();
    // The selected books in row order into the document; the page follows on
    // the next tick.
    void RebuildSelection();
    // Remove Book: asks, then DeleteSelectedBooks (also used by the tree when
    // books are dropped on the Recycle Bin).
    void OnRemoveBook();
    // Removes the selected books from the current category (All Books: from
    // every category; Recycle Bin: for good, with their covers), then reloads.
    void DeleteSelectedBooks();
    // After an edit: reload, select and focus the row at index row (clamped),
    // and show the page.
    void ReloadAndSelectRow(int row);
    // Reloads the rows (others changed the catalogue) keeping what the user
    // looks at: the selected books that are still listed, the current book,
    // the sort order and the scroll position. The page shows the books again.
    void ReloadKeepingView();
    // The tick: status text and the deferred page refresh.
    void OnTimer();

    CBookListModel *bookListModel() const { return m_model; }
    int sortColumn() const { return m_sortColumn; }
    bool isSortAscending() const { return m_sortAscending; }
    int selectedRowCount() const { return int(m_selectedRows.size()); }
    // Selected rows in row order, as of the last rebuild.
    const QVector<int> &selectedRowNumbers() const { return m_selectedRows; }
    bool isPageRefreshPending() const { return m_refreshPending; }
    QString statusText() const;

    // View > Series Columns: the series and number columns shown (read with
    // the rows) or not; remembered in the settings.
    void ShowSeriesColumns(bool show);
    bool seriesColumnsShown() const { return m_showSeries; }
    // View > Sort by Series: the columns shown, the list in series order and
    // by number within each.
    void SortBySeries();
    // The same for a list of rows books with selected of them selected.
    static QString statusTextFor(int rows, int selected);

    // The filter bar: only the books whose Title, Subtitle, Author, ISBN,
    // Publisher or Series hold every word of text are listed (see
    // BookFilterWords); blank text lists them all again at once. The rows are
    // found off the UI thread and shown when they come (filterApplied), a
    // newer text superseding an older one. The selected books stay selected
    // across, those hidden included, and the current book stays in view.
    void setFilterText(const QString &text);
    QString filterText() const { return m_filterText; }
    bool isFiltered() const;
    // A filter asked for and not shown yet.
    bool isFilterPending() const { return m_filterPending; }
    // Reads what the filter looks in ahead of the first key.
    void prepareFilter();
    BookListFilter *filter() const { return m_filter; }

    // Drag: what a drag out of the list may do (copy only out of All Books
    // and the Recycle Bin), and what follows its end for the books and the
    // category it started from.
    Qt::DropActions allowedDragActions() const;
    void finishDrag(Qt::DropAction result, CategoryId sourceCategory, const QVector<BookId> &books);
    QMimeData *createBookMimeData() const;

    // How long after a change the tick runs, in milliseconds.
    static constexpr int kTickInterval = 50;

    // Runs the drag loop and returns its result; tests replace it so that
    // nothing blocks. The default is QDrag::exec.
    using DragRunner =
        std::function<Qt::DropAction(QDrag &drag, Qt::DropActions allowed, Qt::DropAction defaultAction)>;
    void setDragRunner(DragRunner runner) { m_runDrag = std::move(runner); }

    // ICommandTarget
    bool servesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    bool isCommandChecked(int id) const override;
    void runCommand(int id) override;

signals:
    // The page must show the single selected book, or no book.
    void showBookPageRequested();
    void statusTextChanged(const QString &text);
    void addBookRequested();
    void editBookRequested(BookId bookId, int row);
    // The tree pastes the clipboard's books into the current category.
    void pasteRequested(const QMimeData *data);
    void contextMenuRequested(const QString &popupTitle, const QPoint &globalPos);
    // The rows of the filter's latest text are in the list (or all of them).
    void filterApplied();

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    void onSelectionChanged();
    void onColumnClicked(int column);
    void onClipboardChanged();
    void onEditBook();
    void onCopy();
    void sendTo(CategoryId category);
    // Edit > Start Reading (finished false) and Finished Reading, today.
    void logReading(bool finished);
    void clearSortMark();
    QVector<int> collectSelectedRows() const;
    bool hasFilterWords() const;
    void requestFilter();
    void onRowsFiltered(int generation, const QVector<int> &rows);
    // Shows those rows of the loaded ones (all with null), carrying the
    // selection and the current book over.
    void showRows(const QVector<int> *rows);

    QPointer<COrdoDoc> m_doc;
    CBookListModel *m_model = nullptr;
    QTimer m_tick;
    QVector<int> m_selectedRows;
    int m_sortColumn = 0;
    bool m_sortAscending = false; // the first click on Title sorts ascending
    bool m_refreshPending = false;
    bool m_clipboardHasBooks = false;
    bool m_quiet = false; // selection changes made by the list itself
    DragRunner m_runDrag;
    // A drop of the dragged books on the Recycle Bin runs Remove Book, which
    // asks and removes them itself; the end of the drag must not remove
    // them a second time (or at all, after the user said No).
    static bool SeriesColumnsChosen();
    bool m_showSeries = false; // View > Series Columns, remembered
    bool m_dragging = false;
    bool m_removeRanDuringDrag = false;

    BookListFilter *m_filter = nullptr;
    QString m_filterText;
    QString m_filterCatalogue; // the file the filter reads
    int m_filterGeneration = 0; // the request whose rows are awaited
    bool m_filterPending = false;
    // The selected books while a filter is on, hidden ones included, and
    // the current book: what a change of the filter carries over.
    QSet<BookId> m_keptSelection;
    BookId m_keptCurrent = 0;
};
