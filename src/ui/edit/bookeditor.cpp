#include "bookeditor.h"

#include "app/strings.h"
#include "bookproperties.h"
#include "browse/ordolistview.h"
#include "catalog/bookrecord.h"
#include "catalog/ordodoc.h"
#include "online/addbookcommand.h"

CBookEditor::CBookEditor(COrdoDoc *doc, QWidget *dialogParent)
    : QObject(dialogParent), m_doc(doc), m_dialogParent(dialogParent),
      m_addCommand(new CAddBookCommand(doc, this, dialogParent))
{
}

CBookEditor::~CBookEditor() = default;

void CBookEditor::setSheetRunner(SheetRunner runner)
{
    m_runner = std::move(runner);
}

void CBookEditor::attachList(COrdoListView *list)
{
    connect(list, &COrdoListView::addBookRequested, m_addCommand, &CAddBookCommand::Run);
    connect(m_addCommand, &CAddBookCommand::booksAdded, list, &COrdoListView::LoadBooks);
    connect(list, &COrdoListView::editBookRequested, this, &CBookEditor::EditBook);
    connect(this, &CBookEditor::bookAdded, list, &COrdoListView::LoadBooks);
    connect(this, &CBookEditor::bookEdited, list, &COrdoListView::ReloadAndSelectRow);
}

bool CBookEditor::canEdit() const
{
    return m_doc && m_doc->hasConnection();
}

int CBookEditor::runSheet(CBookProperties &sheet)
{
    return m_runner ? m_runner(sheet) : sheet.exec();
}

bool CBookEditor::AddBook()
{
    CBookRecord record;
    record.ResetToDefaults();
    return AddPreparedBook(record);
}

bool CBookEditor::AddPreparedBook(const CBookRecord &prepared)
{
    if (!canEdit())
        return false;
    CBookProperties sheet(IDS_ADD_BOOK, m_dialogParent);
    sheet.record() = prepared;
    // The files stay the prepared record's; the sheet only needs to know them.
    sheet.SetDownloadedFiles(prepared.temporaryFiles);
    sheet.SetCategoryId(m_doc->currentCategory());
    sheet.SetNewBook(true);
    sheet.SetConnection(m_doc->sharedConnection());
    if (runSheet(sheet) != QDialog::Accepted)
        return false;
    emit bookAdded();
    return true;
}

bool CBookEditor::EditBook(BookId bookId, int row)
{
    if (!canEdit())
        return false;
    CBookProperties sheet(IDS_EDIT_BOOK, m_dialogParent);
    // A failed read has been shown; editing half a book could only lose data.
    if (!sheet.record().Load(bookId, *m_doc->connection()))
        return false;
    sheet.SetCategoryId(m_doc->currentCategory());
    sheet.SetNewBook(false);
    sheet.SetConnection(m_doc->sharedConnection());
    if (runSheet(sheet) != QDialog::Accepted)
        return false;
    // Deleted by someone else meanwhile, the book was saved as a new one.
    if (sheet.isNewBook())
        emit bookAdded();
    else
        emit bookEdited(row);
    return true;
}
