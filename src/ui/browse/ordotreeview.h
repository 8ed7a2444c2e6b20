#pragma once

#include "app/commandtarget.h"
#include "categorycommands.h"

#include <QMimeData>
#include <QTreeWidget>
#include <functional>

class CCategoryProperties;
class COrdoDoc;

// The left pane: the catalogue's categories as a tree, then seven fixed
// entries (Favorites, Reading List, Search Results, All Books, Recycle Bin,
// On Loan, Borrowed). Each item carries a category value (1 root collection,
// 2-8 fixed entries, 32 and up
// user categories); selecting an item makes it the document's current
// category. Every change is written to the catalogue first and the tree is
// then adjusted item by item; FillTree rebuilds it from the catalogue.
class COrdoTreeView : public QTreeWidget, public ICommandTarget
{
    Q_OBJECT

public:
    // Item data roles beside the text.
    enum Role {
        CatIdRole = Qt::UserRole, // qint64 category value
        ImageRole,                // int TreeImages index, normal state
        SelectedImageRole,        // int TreeImages index, selected state
        CutRole                   // bool: shown ghosted after Cut
    };

    // Runs the category sheet modally; true for OK. Tests replace it so that
    // nothing blocks.
    using SheetRunner = std::function<bool(CCategoryProperties &sheet)>;

    explicit COrdoTreeView(COrdoDoc *doc, QWidget *parent = nullptr);
    ~COrdoTreeView() override;

    // Empties the tree and rebuilds it from the open catalogue, then selects
    // and expands the root collection (which makes it the current category).
    void FillTree();
    // Selects the fixed entry of value 2 to 8 (the selection handling runs
    // when it was not selected yet).
    void SelectFixedEntry(int value);
    // Pastes OrdoBook (preferred) or OrdoCategory data. fromDrop: the target
    // is the item under the drop, else the current category. False when
    // nothing was pasted.
    bool PasteData(const QMimeData *data, bool fromDrop);
    // First item, after the root collection in pre-order, whose value is catId.
    QTreeWidgetItem *FindItemByCatID(CategoryId catId) const;
    // Copies item and its descendants under newParent (sorted); the bold and
    // cut states are not copied. Returns the copy.
    QTreeWidgetItem *CopySubtree(QTreeWidgetItem *item, QTreeWidgetItem *newParent);

    QTreeWidgetItem *fixedEntry(int value) const;
    static CategoryId catIdOf(const QTreeWidgetItem *item);

    // Drag and drop, as the event handlers run it. dropActionFor decides what
    // dragging data over target would do (Qt::IgnoreAction: refused). BeginDrag
    // remembers item as the dragged category and returns its payload (nullptr
    // for the root collection and the fixed entries); EndDrag forgets it.
    // DropData is a drop of data on target: checked again, then PasteData.
    Qt::DropAction dropActionFor(const QMimeData *data, QTreeWidgetItem *target,
                                 Qt::KeyboardModifiers modifiers) const;
    QMimeData *BeginDrag(QTreeWidgetItem *item);
    void EndDrag();
    // The action the drop performed, Qt::IgnoreAction when refused or failed.
    Qt::DropAction DropData(const QMimeData *data, QTreeWidgetItem *target, Qt::KeyboardModifiers modifiers);

    void setSheetRunner(SheetRunner runner) { m_runSheet = std::move(runner); }

    // ICommandTarget
    bool servesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    void runCommand(int id) override;

    void OnAddSubCategory();
    void OnEditCategory();
    void OnRemoveCategory();
    void OnCut();
    void OnPaste();

signals:
    // The current category changed: the list reloads its books.
    void categorySelected();
    // Books were dropped or pasted on the Recycle Bin: the list's Remove Book.
    void removeBooksRequested();
    // Books were pasted (not dropped): the list reloads.
    void listReloadRequested();
    // Show the context popup titled popupTitle ("Tree") at globalPos.
    void contextMenuRequested(const QString &popupTitle, const QPoint &globalPos);

protected:
    QStringList mimeTypes() const override;
    Qt::DropActions supportedDropActions() const override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void onCurrentItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    QTreeWidgetItem *insertSorted(QTreeWidgetItem *parent, const QString &text, CategoryId catId, int image,
                                  int selectedImage);
    static void setImages(QTreeWidgetItem *item, int image, int selectedImage);
    void addNodes(QTreeWidgetItem *parent, const QVector<CCategoryCommands::Node> &nodes);
    void setDropHighlight(QTreeWidgetItem *item);
    void setCutState(QTreeWidgetItem *item, bool cut);
    // Deletes item with its descendants, forgetting any remembered pointer
    // into that subtree first.
    void deleteItem(QTreeWidgetItem *item);
    bool pasteBooks(const QMimeData *data, CategoryId target, bool fromDrop);
    bool pasteCategory(const QMimeData *data, bool fromDrop);
    static bool isAncestorOrSelf(const QTreeWidgetItem *ancestor, const QTreeWidgetItem *item);
    static bool isEditableCategory(CategoryId value) { return value == 1 || value >= 32; }
    bool clipboardHas(const QString &mimeType) const;

    COrdoDoc *m_doc = nullptr;
    SheetRunner m_runSheet;
    QTreeWidgetItem *m_boldItem = nullptr;
    QTreeWidgetItem *m_dragItem = nullptr;
    QTreeWidgetItem *m_dropTarget = nullptr;
    QTreeWidgetItem *m_highlighted = nullptr;
    QTreeWidgetItem *m_cutItem = nullptr;
    QTreeWidgetItem *m_fixed[7] = {}; // values 2 to 8
    // Formats on the clipboard, read once per clipboard change: the Paste
    // check runs often, and asking another program for them can be slow.
    mutable bool m_clipboardKnown = false;
    mutable bool m_clipboardHasBooks = false;
    mutable bool m_clipboardHasCategory = false;
};
