#pragma once

#include "catalog/bookid.h"

#include <QObject>
#include <QPointer>
#include <functional>

class CAddBookCommand;
class CBookProperties;
class CBookRecord;
class COrdoDoc;
class COrdoListView;
class QWidget;

// Add Book and Edit Book of the book list: opens the book sheet on the
// document's catalogue and tells the list what to reload afterwards.
//
// The main window makes one editor and calls attachList(listView); from then
// on the list's addBookRequested and editBookRequested open the sheet, and
// the list reloads after every sheet closed with OK.
class CBookEditor : public QObject
{
    Q_OBJECT

public:
    // Runs a ready sheet and returns its result (QDialog::Accepted or
    // Rejected). The default runs it modally with exec().
    using SheetRunner = std::function<int(CBookProperties &sheet)>;

    // doc and dialogParent are borrowed; the sheets open over dialogParent.
    explicit CBookEditor(COrdoDoc *doc, QWidget *dialogParent = nullptr);
    ~CBookEditor() override;

    // Lets tests drive the sheet without a modal loop.
    void setSheetRunner(SheetRunner runner);

    // Connects the list's Add Book (the whole command: dialog, lookup,
    // sheet) and Edit Book to this editor, and the results back to the list:
    // LoadBooks after an addition or a batch, ReloadAndSelectRow after an edit.
    void attachList(COrdoListView *list);

    // The Add Book command run for the list (owned by the editor).
    CAddBookCommand *addBookCommand() const { return m_addCommand; }

    // Add Book by hand: the sheet "Add Book" on a record reset to the user's
    // defaults, for the current category. True when it closed with OK.
    bool AddBook();
    // The sheet "Add Book" on a copy of a record prepared elsewhere (an online
    // lookup), for the current category.
    bool AddPreparedBook(const CBookRecord &prepared);
    // Edit Book: the sheet "Edit Book" on book bookId, the first selected book,
    // which sits in list row row. True when it closed with OK.
    bool EditBook(BookId bookId, int row);

signals:
    // A book sheet closed with OK after adding: the list must reload.
    void bookAdded();
    // After editing: the list must reload, select row and show the page.
    void bookEdited(int row);

private:
    bool canEdit() const;
    int runSheet(CBookProperties &sheet);

    QPointer<COrdoDoc> m_doc;
    QPointer<QWidget> m_dialogParent;
    SheetRunner m_runner;
    CAddBookCommand *m_addCommand = nullptr;
};
