#include "ordotreeview.h"

#include "app/commandids.h"
#include "app/messenger.h"
#include "app/strings.h"
#include "catalog/booklistquery.h"
#include "catalog/bookrecord.h"
#include "catalog/clipboardformats.h"
#include "catalog/ordodoc.h"
#include "edit/categorygeneralpage.h"
#include "edit/categoryproperties.h"
#include "treeimages.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDragEnterEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QTreeWidgetItemIterator>
#include <algorithm>

namespace {

struct FixedEntry
{
    int value;
    int image;
};

// Appended after the top-level categories in this order (not value order).
const FixedEntry kFixedEntries[] = {
    {2, TreeImages::Favorites}, {4, TreeImages::ReadingList}, {3, TreeImages::SearchResults},
    {5, TreeImages::AllBooks},  {6, TreeImages::RecycleBin},  {7, TreeImages::OnLoan},
    {8, TreeImages::Borrowed},
};

QString fixedEntryText(int value)
{
    switch (value) {
    case 2:
        return LoadStr(IDS_FAVORITES);
    case 3:
        return LoadStr(IDS_SEARCH_RESULTS);
    case 4:
        return LoadStr(IDS_READING_LIST);
    case 5:
        return COrdoTreeView::tr("All Books");
    case 6:
        return COrdoTreeView::tr("Recycle Bin");
    case 7:
        return COrdoTreeView::tr("On Loan");
    case 8:
        return COrdoTreeView::tr("Borrowed");
    default:
        return QString();
    }
}

bool isFixedValue(CategoryId value)
{
    return value >= 2 && value <= BorrowedCategory;
}

void setBold(QTreeWidgetItem *item, bool bold)
{
    QFont font = item->font(0);
    font.setBold(bold);
    item->setFont(0, font);
}

} // namespace

COrdoTreeView::COrdoTreeView(COrdoDoc *doc, QWidget *parent) : QTreeWidget(parent), m_doc(doc)
{
    setObjectName(QStringLiteral("treePane"));
    setColumnCount(1);
    // Hidden, but read out as the column's name.
    setHeaderLabel(tr("Categories"));
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(16, 16));
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false); // the target item itself is highlighted
    setAutoExpandDelay(700);
    setContextMenuPolicy(Qt::DefaultContextMenu);

    m_runSheet = [](CCategoryProperties &sheet) { return sheet.exec() == QDialog::Accepted; };
    connect(this, &QTreeWidget::currentItemChanged, this, &COrdoTreeView::onCurrentItemChanged);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { m_clipboardKnown = false; });
}

COrdoTreeView::~COrdoTreeView()
{
    // Items die with the widget; nothing must react to their removal.
    disconnect(this, &QTreeWidget::currentItemChanged, this, &COrdoTreeView::onCurrentItemChanged);
}

CategoryId COrdoTreeView::catIdOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, CatIdRole).toLongLong() : -1;
}

QTreeWidgetItem *COrdoTreeView::fixedEntry(int value) const
{
    return isFixedValue(value) ? m_fixed[value - 2] : nullptr;
}

void COrdoTreeView::setImages(QTreeWidgetItem *item, int image, int selectedImage)
{
    item->setData(0, ImageRole, image);
    item->setData(0, SelectedImageRole, selectedImage);
    item->setIcon(0, TreeImages::icon(image, selectedImage));
}

// ---------------------------------------------------------------- filling

void COrdoTreeView::FillTree()
{
    m_boldItem = m_dragItem = m_dropTarget = m_highlighted = m_cutItem = nullptr;
    std::fill(std::begin(m_fixed), std::end(m_fixed), nullptr);
    clear();
    if (!m_doc || !m_doc->hasConnection())
        return;

    setUpdatesEnabled(false);
    QVector<CCategoryCommands::Node> topLevel;
    CCategoryCommands::LoadTree(*m_doc->connection(), topLevel); // on failure: only the fixed entries
    addNodes(invisibleRootItem(), topLevel);

    for (const FixedEntry &entry : kFixedEntries) {
        auto *item = new QTreeWidgetItem(this);
        item->setText(0, fixedEntryText(entry.value));
        item->setData(0, CatIdRole, qint64(entry.value));
        setImages(item, entry.image, entry.image);
        m_fixed[entry.value - 2] = item;
    }
    setUpdatesEnabled(true);

    QTreeWidgetItem *first = topLevelItem(0);
    if (!isFixedValue(catIdOf(first)))
        setImages(first, TreeImages::RootCollection, TreeImages::RootCollection);
    first->setExpanded(true);
    setCurrentItem(first);
}

void COrdoTreeView::addNodes(QTreeWidgetItem *parent, const QVector<CCategoryCommands::Node> &nodes)
{
    // Children arrive sorted; building a whole level before adding it keeps
    // a fill of thousands of categories fast.
    QList<QTreeWidgetItem *> items;
    items.reserve(nodes.size());
    for (const CCategoryCommands::Node &node : nodes) {
        auto *item = new QTreeWidgetItem;
        item->setText(0, node.name);
        item->setData(0, CatIdRole, qint64(node.catId));
        setImages(item, TreeImages::Category, TreeImages::CategorySelected);
        addNodes(item, node.children);
        items << item;
    }
    parent->addChildren(items);
}

QTreeWidgetItem *COrdoTreeView::insertSorted(QTreeWidgetItem *parent, const QString &text, CategoryId catId,
                                             int image, int selectedImage)
{
    // Before the first sibling whose name sorts after the new one; the fixed
    // entries at the top level always stay last.
    int at = 0;
    for (const int count = parent->childCount(); at < count; ++at) {
        const QTreeWidgetItem *sibling = parent->child(at);
        if ((parent == invisibleRootItem() && isFixedValue(catIdOf(sibling))) ||
            CCategoryCommands::NameLess(text, sibling->text(0)))
            break;
    }
    auto *item = new QTreeWidgetItem;
    item->setText(0, text);
    item->setData(0, CatIdRole, qint64(catId));
    setImages(item, image, selectedImage);
    parent->insertChild(at, item);
    return item;
}

void COrdoTreeView::SelectFixedEntry(int value)
{
    if (QTreeWidgetItem *item = fixedEntry(value))
        setCurrentItem(item);
}

void COrdoTreeView::onCurrentItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *)
{
    if (m_boldItem)
        setBold(m_boldItem, false);
    m_boldItem = current;
    if (!current)
        return;
    setBold(current, true);
    if (!current->isSelected())
        current->setSelected(true);
    if (m_doc)
        m_doc->setCurrentCategory(catIdOf(current));
    emit categorySelected();
}

QTreeWidgetItem *COrdoTreeView::FindItemByCatID(CategoryId catId) const
{
    QTreeWidgetItemIterator it(const_cast<COrdoTreeView *>(this));
    if (*it)
        ++it; // the root collection is never a candidate
    for (; *it; ++it) {
        if (catIdOf(*it) == catId)
            return *it;
    }
    return nullptr;
}

QTreeWidgetItem *COrdoTreeView::CopySubtree(QTreeWidgetItem *item, QTreeWidgetItem *newParent)
{
    QTreeWidgetItem *copy =
        insertSorted(newParent, item->text(0), catIdOf(item), item->data(0, ImageRole).toInt(),
                     item->data(0, SelectedImageRole).toInt());
    for (int i = 0; i < item->childCount(); ++i)
        CopySubtree(item->child(i), copy);
    return copy;
}

bool COrdoTreeView::isAncestorOrSelf(const QTreeWidgetItem *ancestor, const QTreeWidgetItem *item)
{
    for (; item; item = item->parent()) {
        if (item == ancestor)
            return true;
    }
    return false;
}

void COrdoTreeView::deleteItem(QTreeWidgetItem *item)
{
    QTreeWidgetItem **remembered[] = {&m_boldItem, &m_dragItem, &m_dropTarget, &m_highlighted, &m_cutItem};
    for (QTreeWidgetItem **pointer : remembered) {
        if (isAncestorOrSelf(item, *pointer))
            *pointer = nullptr;
    }
    delete item;
}

// ---------------------------------------------------------------- commands

bool COrdoTreeView::servesCommand(int id) const
{
    switch (id) {
    case Cmd::AddSubCategory:
    case Cmd::EditCategory:
    case Cmd::RemoveCategory:
    case Cmd::Cut:
    case Cmd::Paste:
        return true;
    default:
        return false;
    }
}

bool COrdoTreeView::clipboardHas(const QString &mimeType) const
{
    if (!m_clipboardKnown) {
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        m_clipboardHasBooks = data && data->hasFormat(kOrdoBookMime);
        m_clipboardHasCategory = data && data->hasFormat(kOrdoCategoryMime);
        m_clipboardKnown = true;
    }
    return mimeType == kOrdoBookMime ? m_clipboardHasBooks : m_clipboardHasCategory;
}

bool COrdoTreeView::isCommandEnabled(int id) const
{
    if (!m_doc || !m_doc->hasConnection())
        return false;
    const CategoryId current = m_doc->currentCategory();
    switch (id) {
    case Cmd::AddSubCategory:
    case Cmd::EditCategory:
        return isEditableCategory(current);
    case Cmd::RemoveCategory:
    case Cmd::Cut:
        return current >= 32;
    case Cmd::Paste:
        return (isEditableCategory(current) && clipboardHas(kOrdoCategoryMime)) ||
               (current >= 1 && current != 5 && current != 6 && clipboardHas(kOrdoBookMime));
    default:
        return false;
    }
}

void COrdoTreeView::runCommand(int id)
{
    switch (id) {
    case Cmd::AddSubCategory:
        OnAddSubCategory();
        break;
    case Cmd::EditCategory:
        OnEditCategory();
        break;
    case Cmd::RemoveCategory:
        OnRemoveCategory();
        break;
    case Cmd::Cut:
        OnCut();
        break;
    case Cmd::Paste:
        OnPaste();
        break;
    default:
        break;
    }
}

void COrdoTreeView::OnAddSubCategory()
{
    if (!isCommandEnabled(Cmd::AddSubCategory))
        return;
    const CategoryId parentId = m_doc->currentCategory();
    QTreeWidgetItem *parentItem = currentItem();

    CCategoryProperties sheet(IDS_ADD_NEW_CATEGORY, this);
    Connection &connection = *m_doc->connection();
    // Written from the sheet's OK: a failure keeps the sheet open.
    std::optional<CategoryId> catId;
    sheet.setSaver([&](const QString &name, const QString &notes) {
        catId = CCategoryCommands::NewCategoryId(connection);
        if (!catId || !CCategoryCommands::InsertCategory(connection, *catId, name, parentId, notes)) {
            catId.reset();
            return false;
        }
        return true;
    });
    if (!m_runSheet(sheet) || !catId)
        return;
    const QString name = sheet.generalPage()->name();
    if (parentItem) {
        insertSorted(parentItem, name, *catId, TreeImages::Category, TreeImages::CategorySelected);
        parentItem->setExpanded(true);
    }
}

void COrdoTreeView::OnEditCategory()
{
    if (!isCommandEnabled(Cmd::EditCategory))
        return;
    const CategoryId catId = m_doc->currentCategory();
    Connection &connection = *m_doc->connection();
    CCategoryCommands::Details details;
    if (!CCategoryCommands::ReadDetails(connection, catId, details))
        return;

    CCategoryProperties sheet(IDS_EDIT_CATEGORY, this);
    CCategoryGeneralPage *page = sheet.generalPage();
    page->setName(details.name);
    page->setNotes(details.notes);
    page->setLastUpdated(details.lastUpdated);
    page->setContains(details.summary);
    bool changed = false;
    sheet.setSaver([&](const QString &name, const QString &notes) {
        if (name == details.name && notes == details.notes)
            return true;
        changed = CCategoryCommands::UpdateCategory(connection, catId, name, notes);
        return changed;
    });
    if (!m_runSheet(sheet) || !changed)
        return;

    const QString name = page->name();
    if (QTreeWidgetItem *item = currentItem())
        item->setText(0, name);
}

void COrdoTreeView::OnRemoveCategory()
{
    if (!isCommandEnabled(Cmd::RemoveCategory))
        return;
    if (!messenger().askYesNo(tr("Are you sure you want to delete this category?\n"
                                 "Note: this will delete all books and subcategories in this category."),
                              IMessenger::Icon::Question))
        return;
    if (!CCategoryCommands::DeleteCategory(*m_doc->connection(), m_doc->currentCategory()))
        return;
    // The view picks a neighbour as the new current item, which runs the
    // selection handling and so reloads the list.
    if (QTreeWidgetItem *item = currentItem())
        deleteItem(item);
}

void COrdoTreeView::setCutState(QTreeWidgetItem *item, bool cut)
{
    item->setData(0, CutRole, cut);
    if (cut)
        item->setForeground(0, palette().brush(QPalette::Disabled, QPalette::Text));
    else
        item->setData(0, Qt::ForegroundRole, QVariant());
}

void COrdoTreeView::OnCut()
{
    if (!isCommandEnabled(Cmd::Cut))
        return;
    QTreeWidgetItem *item = currentItem();
    if (!item)
        return;
    // Only one category is on the clipboard; only it looks cut.
    if (m_cutItem && m_cutItem != item)
        setCutState(m_cutItem, false);
    setCutState(item, true);
    m_cutItem = item;

    auto *data = new QMimeData;
    data->setData(kOrdoCategoryMime, EncodeCategoryPayload(m_doc->currentCategory()));
    QGuiApplication::clipboard()->setMimeData(data);
}

void COrdoTreeView::OnPaste()
{
    if (isCommandEnabled(Cmd::Paste))
        PasteData(QGuiApplication::clipboard()->mimeData(), false);
}

// ---------------------------------------------------------------- paste

bool COrdoTreeView::PasteData(const QMimeData *data, bool fromDrop)
{
    if (!data || !m_doc || !m_doc->hasConnection())
        return false;
    if (data->hasFormat(kOrdoBookMime))
        return pasteBooks(data, fromDrop ? catIdOf(m_dropTarget) : m_doc->currentCategory(), fromDrop);
    if (data->hasFormat(kOrdoCategoryMime))
        return pasteCategory(data, fromDrop);
    return false;
}

bool COrdoTreeView::pasteBooks(const QMimeData *data, CategoryId target, bool fromDrop)
{
    if (target == 6) {
        emit removeBooksRequested();
        return true;
    }
    // All Books and the loan lists have no row to hold memberships; neither
    // has "no category".
    if (IsListOnlyCategory(target) || target < 1)
        return false;
    QVector<BookId> bookIds;
    if (!DecodeBookPayload(data->data(kOrdoBookMime), bookIds))
        return false;
    const bool added = CBookRecord::AddBooksToCategory(bookIds, target, *m_doc->connection());
    if (!fromDrop)
        emit listReloadRequested();
    return added;
}

bool COrdoTreeView::pasteCategory(const QMimeData *data, bool fromDrop)
{
    CategoryId catId = 0;
    if (!DecodeCategoryPayload(data->data(kOrdoCategoryMime), catId))
        return false;

    QTreeWidgetItem *source = nullptr;
    QTreeWidgetItem *newParent = nullptr;
    if (fromDrop) {
        // Drag over has checked the target; the payload must be our own drag.
        source = m_dragItem;
        newParent = m_dropTarget;
        if (!source || !newParent || catIdOf(source) != catId)
            return false;
    } else {
        newParent = currentItem();
        // Only the root collection and user categories take sub categories,
        // whoever calls (the list's Paste too).
        if (!newParent || !isEditableCategory(catIdOf(newParent)))
            return false;
        source = FindItemByCatID(catId);
        if (!source) {
            messenger().showMessage(tr("Cannot paste: source category does not exist."));
            return false;
        }
        if (catId < 32) // not something Cut can have put there
            return false;
        if (newParent == source->parent() || isAncestorOrSelf(source, newParent)) {
            messenger().showMessage(tr("Cannot paste: destination cannot be the source category itself, "
                                       "its parent category, or its sub categories."));
            return false;
        }
    }

    if (!CCategoryCommands::MoveCategory(*m_doc->connection(), catId, catIdOf(newParent)))
        return false;

    QTreeWidgetItem *copy = CopySubtree(source, newParent);
    // When the current category moves (itself or with an ancestor), it stays
    // current in its new place instead of the selection jumping elsewhere.
    QTreeWidgetItem *current = currentItem();
    if (current && isAncestorOrSelf(source, current)) {
        const CategoryId currentId = catIdOf(current);
        QTreeWidgetItemIterator it(copy);
        for (; *it && isAncestorOrSelf(copy, *it); ++it) {
            if (catIdOf(*it) == currentId) {
                setCurrentItem(*it);
                break;
            }
        }
    }
    deleteItem(source);
    newParent->setExpanded(true);
    return true;
}

// ---------------------------------------------------------------- drag and drop

Qt::DropAction COrdoTreeView::dropActionFor(const QMimeData *data, QTreeWidgetItem *target,
                                            Qt::KeyboardModifiers modifiers) const
{
    if (!data || !target)
        return Qt::IgnoreAction;
    const CategoryId value = catIdOf(target);
    if (data->hasFormat(kOrdoBookMime)) {
        // Not onto the category the books are listed from, nor All Books.
        if (target == currentItem() || value == 5 || IsLoanCategory(value))
            return Qt::IgnoreAction;
        return (modifiers & Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction;
    }
    if (data->hasFormat(kOrdoCategoryMime)) {
        // Only a category dragged from this tree; never onto its own parent,
        // itself, one of its descendants, or an item that takes no categories.
        if (!m_dragItem || target == m_dragItem->parent() || !isEditableCategory(value) ||
            isAncestorOrSelf(m_dragItem, target))
            return Qt::IgnoreAction;
        return Qt::MoveAction;
    }
    return Qt::IgnoreAction;
}

QMimeData *COrdoTreeView::BeginDrag(QTreeWidgetItem *item)
{
    m_dragItem = nullptr;
    if (!item || catIdOf(item) < 32)
        return nullptr;
    m_dragItem = item;
    auto *data = new QMimeData;
    data->setData(kOrdoCategoryMime, EncodeCategoryPayload(catIdOf(item)));
    return data;
}

void COrdoTreeView::EndDrag()
{
    m_dragItem = nullptr;
    setDropHighlight(nullptr);
    m_dropTarget = nullptr;
}

Qt::DropAction COrdoTreeView::DropData(const QMimeData *data, QTreeWidgetItem *target,
                                       Qt::KeyboardModifiers modifiers)
{
    setDropHighlight(nullptr);
    const Qt::DropAction action = dropActionFor(data, target, modifiers);
    if (action == Qt::IgnoreAction)
        return action;
    m_dropTarget = target;
    const bool pasted = PasteData(data, true);
    m_dropTarget = nullptr;
    return pasted ? action : Qt::IgnoreAction;
}

void COrdoTreeView::setDropHighlight(QTreeWidgetItem *item)
{
    if (item == m_highlighted)
        return;
    if (m_highlighted)
        m_highlighted->setData(0, Qt::BackgroundRole, QVariant());
    m_highlighted = item;
    if (item) {
        QColor colour = palette().color(QPalette::Highlight);
        colour.setAlpha(110);
        item->setBackground(0, colour);
    }
}

QStringList COrdoTreeView::mimeTypes() const
{
    return {kOrdoBookMime, kOrdoCategoryMime};
}

Qt::DropActions COrdoTreeView::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

void COrdoTreeView::startDrag(Qt::DropActions)
{
    QTreeWidgetItem *item = currentItem();
    QMimeData *data = BeginDrag(item);
    if (!data)
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(item->icon(0).pixmap(16, 16));
    drag->exec(Qt::MoveAction);
    EndDrag();
}

void COrdoTreeView::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *data = event->mimeData();
    Qt::DropAction action = Qt::IgnoreAction;
    if (data->hasFormat(kOrdoBookMime))
        action = (event->modifiers() & Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction;
    else if (data->hasFormat(kOrdoCategoryMime) && m_dragItem)
        action = Qt::MoveAction;
    if (action == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    QTreeWidget::dragEnterEvent(event); // drag state for auto-scrolling
    event->setDropAction(action);
    event->accept();
}

void COrdoTreeView::dragMoveEvent(QDragMoveEvent *event)
{
    QTreeWidget::dragMoveEvent(event); // auto-scroll and auto-expand
    QTreeWidgetItem *target = itemAt(event->position().toPoint());
    const Qt::DropAction action = dropActionFor(event->mimeData(), target, event->modifiers());
    if (action == Qt::IgnoreAction) {
        setDropHighlight(nullptr);
        m_dropTarget = nullptr;
        event->ignore();
        return;
    }
    m_dropTarget = target;
    setDropHighlight(target);
    event->setDropAction(action);
    event->accept();
}

void COrdoTreeView::dragLeaveEvent(QDragLeaveEvent *event)
{
    setDropHighlight(nullptr);
    m_dropTarget = nullptr;
    QTreeWidget::dragLeaveEvent(event);
}

void COrdoTreeView::dropEvent(QDropEvent *event)
{
    QTreeWidgetItem *target = itemAt(event->position().toPoint());
    const Qt::DropAction action = DropData(event->mimeData(), target, event->modifiers());
    stopAutoScroll();
    setState(NoState);
    if (action == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
}

// ---------------------------------------------------------------- context menu

void COrdoTreeView::contextMenuEvent(QContextMenuEvent *event)
{
    QPoint globalPos = event->globalPos();
    if (event->reason() == QContextMenuEvent::Mouse) {
        if (QTreeWidgetItem *item = itemAt(viewport()->mapFromGlobal(globalPos)))
            setCurrentItem(item);
    } else if (QTreeWidgetItem *item = currentItem()) {
        // Just inside the selected item's label, past its icon.
        const QRect rect = visualItemRect(item);
        const QPoint labelTopLeft(rect.left() + iconSize().width() + 4, rect.top());
        globalPos = viewport()->mapToGlobal(labelTopLeft + QPoint(5, 5));
    } else {
        globalPos = mapToGlobal(QPoint(0, 0));
    }
    event->accept();
    emit contextMenuRequested(QStringLiteral("Tree"), globalPos);
}
