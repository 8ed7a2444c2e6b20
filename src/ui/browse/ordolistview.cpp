#include "ordolistview.h"

#include "app/commandids.h"
#include "app/messenger.h"
#include "booklistmodel.h"
#include "catalog/bookcommands.h"
#include "catalog/booklistfilter.h"
#include "catalog/booklistquery.h"
#include "catalog/clipboardformats.h"
#include "catalog/imagesfolder.h"
#include "catalog/ordodoc.h"
#include "app/registrykey.h"
#include "catalog/readinglog.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDate>
#include <QDrag>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QItemSelection>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QToolTip>
#include <vector>

namespace {

const QString kListSettingsKey = QStringLiteral("Software\\Quenlow\\Ordo\\Settings");
const QString kSeriesColumnsValue = QStringLiteral("ListSeriesColumns");

const int kRootCategory = 1;
const int kFavorites = 2;
const int kSearchResults = 3;
const int kReadingList = 4;
const int kFirstUserCategory = 32;

} // namespace

COrdoListView::COrdoListView(COrdoDoc *doc, QWidget *parent)
    : QTableView(parent), m_doc(doc), m_model(new CBookListModel(this))
{
    setObjectName(QStringLiteral("bookList"));
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setIconSize(QSize(16, 16));
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setContextMenuPolicy(Qt::DefaultContextMenu);

    // Rows of fixed height keep a list of a hundred thousand books cheap.
    QHeaderView *rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(qMax(18, fontMetrics().height() + 4));

    QHeaderView *header = horizontalHeader();
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    // The last column takes the room the others leave: no empty band beside
    // the list while a column before it is cut off.
    header->setStretchLastSection(true);
    for (int column = 0; column < CBookListModel::ColumnCount; ++column)
        setColumnWidth(column, CBookListModel::defaultColumnWidth(column));
    // An ISBN-13 is shown whole in the list's own font.
    setColumnWidth(CBookListModel::IsbnColumn,
                   qMax(CBookListModel::defaultColumnWidth(CBookListModel::IsbnColumn),
                        fontMetrics().horizontalAdvance(QStringLiteral("9780000000000")) + 16));
    // Shown only while a loan list is, after the author: who has the book
    // and until when matter more there than the publisher.
    header->moveSection(header->visualIndex(CBookListModel::BorrowerColumn), 2);
    header->moveSection(header->visualIndex(CBookListModel::DueDateColumn), 3);
    setColumnHidden(CBookListModel::BorrowerColumn, true);
    setColumnHidden(CBookListModel::DueDateColumn, true);
    // The series are read with the rows only while their columns are shown.
    m_showSeries = SeriesColumnsChosen();
    setColumnHidden(CBookListModel::SeriesColumn, !m_showSeries);
    setColumnHidden(CBookListModel::SeriesNumberColumn, !m_showSeries);
    setColumnWidth(CBookListModel::SeriesNumberColumn, 50);
    clearSortMark();

    m_tick.setSingleShot(true);
    m_tick.setInterval(kTickInterval);
    connect(&m_tick, &QTimer::timeout, this, &COrdoListView::OnTimer);
    connect(header, &QHeaderView::sectionClicked, this, &COrdoListView::onColumnClicked);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &COrdoListView::onSelectionChanged);
    if (QClipboard *clipboard = QGuiApplication::clipboard()) {
        connect(clipboard, &QClipboard::dataChanged, this, &COrdoListView::onClipboardChanged);
        onClipboardChanged();
    }
    m_filter = new BookListFilter(this);
    connect(m_filter, &BookListFilter::rowsFiltered, this,
            [this](int generation, const QVector<int> &rows) { onRowsFiltered(generation, rows); });
    // Every open starts the filter's reading afresh: a restored backup is a
    // new file under the old name, which its old connection would not see.
    if (m_doc)
        connect(m_doc, &COrdoDoc::documentOpened, this, [this] {
            m_filter->setCatalogue(QString());
            m_filterCatalogue.clear();
        });
}

COrdoListView::~COrdoListView() = default;

void COrdoListView::LoadBooks()
{
    clearSortMark();
    BookListRows rows;
    BookListLoad result = BookListLoad::OpenFailed;
    if (Connection *reader = m_doc ? m_doc->listReader() : nullptr)
        result = LoadBookListRows(*reader, m_doc->currentCategory(), rows, m_showSeries);

    m_quiet = true;
    m_model->setRows(std::move(rows)); // a reset: the old selection goes without notice
    m_keptSelection.clear();
    m_keptCurrent = 0;
    // The filter text stays when another category is chosen and is applied
    // to it: the user narrowed the list to what they look for and expects to
    // look for it there too, as the bar still says. Until its rows come the
    // list shows none of the new ones rather than all of them for a moment.
    const bool filtered = hasFilterWords();
    if (filtered)
        m_model->setShownRows({});
    const bool loans = m_doc && IsLoanCategory(m_doc->currentCategory());
    setColumnHidden(CBookListModel::BorrowerColumn, !loans);
    setColumnHidden(CBookListModel::DueDateColumn, !loans);
    m_selectedRows.clear();
    m_quiet = false;
    // The count changes with the rows, on the same paint, not a tick later.
    emit statusTextChanged(statusText());
    m_tick.start();
    if (filtered)
        requestFilter();
    if (result == BookListLoad::OpenFailed)
        return;
    m_doc->clearSelectedBooks();
    m_refreshPending = false;
    emit showBookPageRequested();
}

QVector<int> COrdoListView::collectSelectedRows() const
{
    QVector<int> result;
    const int count = m_model->rowCount();
    if (!selectionModel() || count == 0)
        return result;
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty())
        return result;
    // Ranges may overlap and come in any order; a mark per row gives row order.
    std::vector<bool> marked(size_t(count), false);
    for (const QItemSelectionRange &range : selection) {
        for (int row = qMax(0, range.top()); row <= range.bottom() && row < count; ++row)
            marked[size_t(row)] = true;
    }
    for (int row = 0; row < count; ++row) {
        if (marked[size_t(row)])
            result.append(row);
    }
    return result;
}

void COrdoListView::RebuildSelection()
{
    m_selectedRows = collectSelectedRows();
    QVector<BookId> books;
    books.reserve(m_selectedRows.size());
    for (int row : std::as_const(m_selectedRows))
        books.append(m_model->bookId(row));
    if (m_doc)
        m_doc->setSelectedBooks(books);
    m_refreshPending = true;
}

void COrdoListView::onSelectionChanged()
{
    if (m_quiet)
        return;
    RebuildSelection();
    // One book is shown at once; any other selection waits for the tick, so
    // a range of changes renders the page once.
    if (m_doc && m_doc->selectedBooks().size() == 1) {
        emit showBookPageRequested();
        m_refreshPending = false;
    }
    setFocus();
    m_tick.start();
}

void COrdoListView::OnTimer()
{
    emit statusTextChanged(statusText());
    if (m_refreshPending) {
        m_refreshPending = false;
        emit showBookPageRequested();
    }
}

bool COrdoListView::hasFilterWords() const
{
    return !m_filterText.trimmed().isEmpty();
}

bool COrdoListView::isFiltered() const
{
    return m_model->isFiltered();
}

void COrdoListView::setFilterText(const QString &text)
{
    if (text == m_filterText)
        return;
    m_filterText = text;
    if (hasFilterWords()) {
        requestFilter();
        return;
    }
    // Nothing to look for: every row at once, no thread needed.
    m_filter->cancel();
    m_filterPending = false;
    showRows(nullptr);
    emit filterApplied();
}

void COrdoListView::prepareFilter()
{
    const QString path = m_doc && m_doc->connection() ? m_doc->connection()->path() : QString();
    if (path != m_filterCatalogue) {
        m_filter->setCatalogue(path);
        m_filterCatalogue = path;
    }
    if (!path.isEmpty())
        m_filter->prepare();
}

void COrdoListView::requestFilter()
{
    const QString path = m_doc && m_doc->connection() ? m_doc->connection()->path() : QString();
    if (path != m_filterCatalogue) {
        m_filter->setCatalogue(path);
        m_filterCatalogue = path;
    }
    m_filterPending = true;
    m_filterGeneration = m_filter->request(m_filterText, m_model->allBookIds());
}

void COrdoListView::onRowsFiltered(int generation, const QVector<int> &rows)
{
    // An older text's rows, or a filter cleared since: not for showing.
    if (generation != m_filterGeneration || !m_filterPending)
        return;
    m_filterPending = false;
    showRows(&rows);
    emit filterApplied();
}

void COrdoListView::showRows(const QVector<int> *rows)
{
    if (!rows && !m_model->isFiltered())
        return;
    // The rows shown now say which of their books are selected; books hidden
    // keep what was remembered for them.
    const QVector<int> selected = collectSelectedRows();
    if (!m_keptSelection.isEmpty()) {
        if (m_model->isFiltered()) {
            const int shown = m_model->rowCount();
            for (int row = 0; row < shown; ++row)
                m_keptSelection.remove(m_model->bookId(row));
        } else {
            m_keptSelection.clear();
        }
    }
    for (int row : selected)
        m_keptSelection.insert(m_model->bookId(row));
    const QModelIndex current = currentIndex();
    if (current.isValid())
        m_keptCurrent = m_model->bookId(current.row());
    const int currentColumn = current.isValid() ? current.column() : 0;
    const QVector<BookId> before = m_doc ? m_doc->selectedBooks() : QVector<BookId>();

    m_quiet = true;
    if (rows)
        m_model->setShownRows(*rows);
    else
        m_model->showAllRows();
    QItemSelection selection;
    int currentRow = -1;
    const int count = m_model->rowCount();
    if (!m_keptSelection.isEmpty() || m_keptCurrent != 0) {
        int runStart = -1;
        for (int row = 0; row <= count; ++row) {
            const BookId id = row < count ? m_model->bookId(row) : 0;
            if (row < count && id == m_keptCurrent)
                currentRow = row;
            const bool isSelected = row < count && m_keptSelection.contains(id);
            if (isSelected && runStart < 0)
                runStart = row;
            if (!isSelected && runStart >= 0) {
                selection.select(m_model->index(runStart, 0),
                                 m_model->index(row - 1, CBookListModel::ColumnCount - 1));
                runStart = -1;
            }
        }
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (currentRow >= 0) {
        const QModelIndex index = m_model->index(currentRow, currentColumn);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        scrollTo(index);
    } else {
        scrollToTop();
    }
    m_quiet = false;
    RebuildSelection();
    // The page changes only when the books it shows do.
    if (m_doc && m_doc->selectedBooks() == before)
        m_refreshPending = false;
    emit statusTextChanged(statusText());
    m_tick.start();
}

QString COrdoListView::statusText() const
{
    return statusTextFor(m_model->rowCount(), int(m_selectedRows.size()));
}

QString COrdoListView::statusTextFor(int rows, int selected)
{
    // "%n" takes the plural form of the interface language ("1 book"); both
    // counts need their own.
    //: %1 is the number of selected books, "%n selected".
    return tr("%n book(s); %1", nullptr, rows).arg(tr("%n selected", nullptr, selected));
}

void COrdoListView::clearSortMark()
{
    horizontalHeader()->setSortIndicatorShown(false);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
}

void COrdoListView::onColumnClicked(int column)
{
    if (column < 0 || column >= CBookListModel::ColumnCount)
        return;
    m_sortAscending = column != m_sortColumn ? true : !m_sortAscending;
    m_sortColumn = column;

    const int count = m_model->rowCount();
    std::vector<bool> wasSelected(size_t(count), false);
    for (int row : collectSelectedRows())
        wasSelected[size_t(row)] = true;
    const QModelIndex current = currentIndex();
    const int scroll = verticalScrollBar()->value();

    m_quiet = true;
    const QVector<int> order = m_model->sortRows(column, m_sortAscending);
    // The selection follows its books to their new rows, as whole runs.
    QItemSelection selection;
    int runStart = -1;
    for (int row = 0; row <= count; ++row) {
        const bool selected = row < count && wasSelected[size_t(order[row])];
        if (selected && runStart < 0)
            runStart = row;
        if (!selected && runStart >= 0) {
            selection.select(m_model->index(runStart, 0),
                             m_model->index(row - 1, CBookListModel::ColumnCount - 1));
            runStart = -1;
        }
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (current.isValid()) {
        const int newRow = int(order.indexOf(current.row()));
        if (newRow >= 0)
            selectionModel()->setCurrentIndex(m_model->index(newRow, current.column()),
                                              QItemSelectionModel::NoUpdate);
    }
    m_quiet = false;
    verticalScrollBar()->setValue(scroll);

    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(column, m_sortAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
    RebuildSelection();
    m_tick.start();
}

void COrdoListView::OnRemoveBook()
{
    if (m_dragging)
        m_removeRanDuringDrag = true;
    if (!m_doc || !m_doc->connection() || m_doc->selectedBooks().isEmpty())
        return;
    if (!messenger().askYesNo(RemoveBooksQuestion(m_doc->currentCategory()), IMessenger::Icon::Question))
        return;
    DeleteSelectedBooks();
}

void COrdoListView::DeleteSelectedBooks()
{
    if (!m_doc || !m_doc->connection())
        return;
    ::DeleteSelectedBooks(*m_doc->connection(), m_doc->currentCategory(), m_doc->selectedBooks(),
                          ImagesFolder());
    LoadBooks();
}

void COrdoListView::ReloadAndSelectRow(int row)
{
    // The edited book keeps its number and its place: re-reading its row is
    // enough, where a reload of a large category takes a noticeable while.
    BookListRow values;
    if (row >= 0 && row < m_model->rowCount() && m_doc && m_doc->connection() &&
        LoadBookListRow(*m_doc->connection(), m_model->bookId(row), values)) {
        // An edit of the book leaves its loan as it was.
        values.borrower = m_model->text(row, CBookListModel::BorrowerColumn).toString();
        values.dueDate = m_model->text(row, CBookListModel::DueDateColumn).toString();
        m_model->setRow(row, values);
        const QModelIndex index = m_model->index(row, 0);
        // Selecting the same single row again changes nothing: the page must
        // still show the edited book.
        const bool wasOnlySelection = m_doc->selectedBooks() == QVector<BookId>{m_model->bookId(row)};
        selectionModel()->setCurrentIndex(index,
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(index);
        setFocus();
        if (wasOnlySelection || m_refreshPending) {
            m_refreshPending = false;
            emit showBookPageRequested();
        }
        return;
    }
    LoadBooks();
    const int count = m_model->rowCount();
    if (count == 0)
        return;
    const QModelIndex index = m_model->index(qBound(0, row, count - 1), 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
    setFocus();
    if (m_refreshPending) {
        m_refreshPending = false;
        emit showBookPageRequested();
    }
}

void COrdoListView::onEditBook()
{
    if (!m_doc || m_doc->selectedBooks().isEmpty() || m_selectedRows.isEmpty())
        return;
    emit editBookRequested(m_doc->selectedBooks().first(), m_selectedRows.first());
}

QMimeData *COrdoListView::createBookMimeData() const
{
    auto *data = new QMimeData;
    data->setData(kOrdoBookMime, EncodeBookPayload(m_doc ? m_doc->selectedBooks() : QVector<BookId>()));
    return data;
}

void COrdoListView::onCopy()
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setMimeData(createBookMimeData());
}

void COrdoListView::onClipboardChanged()
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    const QMimeData *data = clipboard ? clipboard->mimeData() : nullptr;
    m_clipboardHasBooks = data && data->hasFormat(kOrdoBookMime);
}

void COrdoListView::sendTo(CategoryId category)
{
    if (m_doc && m_doc->connection())
        SendBooksTo(*m_doc->connection(), m_doc->selectedBooks(), category);
}

void COrdoListView::logReading(bool finished)
{
    if (!m_doc || !m_doc->connection())
        return;
    Connection &connection = *m_doc->connection();
    const QDate today = QDate::currentDate();
    const bool logged = finished ? FinishReading(connection, m_doc->selectedBooks(), today)
                                 : StartReading(connection, m_doc->selectedBooks(), today);
    // The page shows the log.
    if (logged)
        emit showBookPageRequested();
}

Qt::DropActions COrdoListView::allowedDragActions() const
{
    const CategoryId category = m_doc ? m_doc->currentCategory() : CategoryId(NoCategory);
    if (IsListOnlyCategory(category))
        return Qt::CopyAction;
    return Qt::CopyAction | Qt::MoveAction;
}

void COrdoListView::finishDrag(Qt::DropAction result, CategoryId sourceCategory, const QVector<BookId> &books)
{
    if (!m_doc || !m_doc->connection())
        return;
    // Books dragged out of All Books or the Recycle Bin are never taken away
    // from anything, whatever the drop target answered.
    if (result == Qt::MoveAction && !IsListOnlyCategory(sourceCategory)) {
        ::DeleteSelectedBooks(*m_doc->connection(), sourceCategory, books, ImagesFolder());
        LoadBooks();
    } else if (result != Qt::IgnoreAction && sourceCategory == RecycleBinCategory) {
        LoadBooks(); // the books now have a category and leave the Recycle Bin
    }
}

void COrdoListView::startDrag(Qt::DropActions)
{
    if (!m_doc || m_doc->selectedBooks().isEmpty())
        return;
    // The drop may change the current category or the selection before the
    // drag returns; what follows the drag acts on where it started.
    const CategoryId category = m_doc->currentCategory();
    const QVector<BookId> books = m_doc->selectedBooks();
    const Qt::DropActions allowed = allowedDragActions();
    auto *drag = new QDrag(this);
    drag->setMimeData(createBookMimeData());
    drag->setPixmap(CBookListModel::imageStrip().copy(0, 0, 16, 16));
    const Qt::DropAction defaultAction = allowed.testFlag(Qt::MoveAction) ? Qt::MoveAction : Qt::CopyAction;
    m_dragging = true;
    m_removeRanDuringDrag = false;
    const Qt::DropAction result =
        m_runDrag ? m_runDrag(*drag, allowed, defaultAction) : drag->exec(allowed, defaultAction);
    m_dragging = false;
    if (m_removeRanDuringDrag)
        return; // dropped on the Recycle Bin: Remove Book has done what the user chose
    finishDrag(result, category, books);
}

void COrdoListView::contextMenuEvent(QContextMenuEvent *event)
{
    const QPoint at =
        event->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(QPoint(0, 0)) : event->globalPos();
    emit contextMenuRequested(QStringLiteral("List"), at);
    event->accept();
}

void COrdoListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && !m_selectedRows.isEmpty())
        onEditBook();
}

void COrdoListView::keyPressEvent(QKeyEvent *event)
{
    // Enter is Edit Book's key and keeps its rule: exactly one book selected.
    // With several it does nothing (the frame's shortcut is off then and the
    // key lands here); the table must not start editing a cell either.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        if (isCommandEnabled(Cmd::EditBook))
            onEditBook();
        event->accept();
        return;
    }
    // The table's own Copy would put one cell's text on the clipboard.
    if (event->matches(QKeySequence::Copy)) {
        if (!m_selectedRows.isEmpty())
            onCopy();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool COrdoListView::viewportEvent(QEvent *event)
{
    // Info tips: the full text of a cell only where it is cut off.
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QModelIndex index = indexAt(help->pos());
        if (index.isValid()) {
            const QString note = index.data(Qt::ToolTipRole).toString();
            if (!note.isEmpty()) {
                QToolTip::showText(help->globalPos(), note, viewport(), visualRect(index));
                return true;
            }
            const QString text = index.data().toString();
            const QRect cell = visualRect(index);
            int needed = fontMetrics().horizontalAdvance(text) + 8;
            if (index.column() == CBookListModel::TitleColumn)
                needed += iconSize().width() + 4;
            if (needed > cell.width()) {
                QToolTip::showText(help->globalPos(), text, viewport(), cell);
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QTableView::viewportEvent(event);
}

bool COrdoListView::servesCommand(int id) const
{
    switch (id) {
    case Cmd::AddBook:
    case Cmd::RemoveBook:
    case Cmd::EditBook:
    case Cmd::SendToFavorites:
    case Cmd::SendToReadingList:
    case Cmd::SendToSearchResults:
    case Cmd::StartReading:
    case Cmd::FinishReading:
    case Cmd::SeriesColumns:
    case Cmd::SortBySeries:
    case Cmd::Cut:
    case Cmd::Copy:
    case Cmd::Paste:
    case Cmd::SelectAll:
        return true;
    default:
        return false;
    }
}

bool COrdoListView::isCommandEnabled(int id) const
{
    const CategoryId category = m_doc ? m_doc->currentCategory() : CategoryId(NoCategory);
    const bool open = m_doc && m_doc->hasConnection();
    const bool any = open && !m_selectedRows.isEmpty();
    switch (id) {
    case Cmd::AddBook:
        return open && (category == kRootCategory || category >= kFirstUserCategory);
    case Cmd::RemoveBook:
        // A loan list holds no memberships; Return takes a book off it.
        return any && !IsLoanCategory(category);
    case Cmd::Copy:
    case Cmd::StartReading:
    case Cmd::FinishReading:
        return any;
    case Cmd::EditBook:
        return open && m_selectedRows.size() == 1;
    case Cmd::SendToFavorites:
        return any && category != kFavorites;
    case Cmd::SendToReadingList:
        return any && category != kReadingList;
    case Cmd::SendToSearchResults:
        return any && category != kSearchResults;
    case Cmd::Cut:
        return any && !IsListOnlyCategory(category);
    case Cmd::Paste:
        return open && !IsListOnlyCategory(category) && category != NoCategory && m_clipboardHasBooks;
    case Cmd::SelectAll:
        return m_model->rowCount() > 0;
    case Cmd::SeriesColumns:
        return true;
    case Cmd::SortBySeries:
        return m_model->rowCount() > 0;
    default:
        return false;
    }
}

bool COrdoListView::isCommandChecked(int id) const
{
    return id == Cmd::SeriesColumns && m_showSeries;
}

bool COrdoListView::SeriesColumnsChosen()
{
    CRegistryKey key;
    return key.SetKey(kListSettingsKey, false) && key.ReadInt(kSeriesColumnsValue, 0) != 0;
}

void COrdoListView::ShowSeriesColumns(bool show)
{
    if (show == m_showSeries)
        return;
    m_showSeries = show;
    CRegistryKey key;
    if (key.SetKey(kListSettingsKey, true))
        key.WriteInt(kSeriesColumnsValue, show ? 1 : 0);
    setColumnHidden(CBookListModel::SeriesColumn, !show);
    setColumnHidden(CBookListModel::SeriesNumberColumn, !show);
    // The rows read so far have no series in them.
    if (show)
        LoadBooks();
}

void COrdoListView::SortBySeries()
{
    ShowSeriesColumns(true);
    // From the first book of the first series, as a first click would.
    m_sortColumn = -1;
    onColumnClicked(CBookListModel::SeriesColumn);
}

void COrdoListView::runCommand(int id)
{
    switch (id) {
    case Cmd::AddBook:
        emit addBookRequested();
        break;
    case Cmd::RemoveBook:
        OnRemoveBook();
        break;
    case Cmd::EditBook:
        onEditBook();
        break;
    case Cmd::SendToFavorites:
        sendTo(kFavorites);
        break;
    case Cmd::SendToReadingList:
        sendTo(kReadingList);
        break;
    case Cmd::SendToSearchResults:
        sendTo(kSearchResults);
        break;
    case Cmd::StartReading:
    case Cmd::FinishReading:
        logReading(id == Cmd::FinishReading);
        break;
    case Cmd::SeriesColumns:
        ShowSeriesColumns(!m_showSeries);
        break;
    case Cmd::SortBySeries:
        SortBySeries();
        break;
    case Cmd::Cut:
        onCopy();
        DeleteSelectedBooks();
        break;
    case Cmd::Copy:
        onCopy();
        break;
    case Cmd::Paste:
        if (const QClipboard *clipboard = QGuiApplication::clipboard())
            emit pasteRequested(clipboard->mimeData());
        break;
    case Cmd::SelectAll:
        selectAll();
        break;
    default:
        break;
    }
}
