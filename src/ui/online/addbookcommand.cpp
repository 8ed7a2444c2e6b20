#include "addbookcommand.h"

#include "addbookdlg.h"
#include "app/collectingmessenger.h"
#include "batchquerydlg.h"
#include "catalog/bookrecord.h"
#include "catalog/imagesfolder.h"
#include "catalog/isbnincatalogue.h"
#include "catalog/ordodoc.h"
#include "edit/bookeditor.h"
#include "lookupprogressdlg.h"
#include "online/canceltoken.h"
#include "online/lookupsource.h"
#include "online/onlinesettings.h"

namespace {

// What the progress window says before the lookup says more (a search does
// not touch the record's status text until an item is chosen).
QString startingStatus()
{
    return CreateLookupSource(COnlineSettings::Load())->LoadingText();
}

} // namespace

CAddBookCommand::CAddBookCommand(COrdoDoc *doc, CBookEditor *editor, QWidget *dialogParent)
    : QObject(editor), m_doc(doc), m_editor(editor), m_parent(dialogParent)
{
}

bool CAddBookCommand::Run()
{
    if (!m_doc || !m_doc->hasConnection() || !m_editor)
        return false;
    CAddBookDlg dialog(m_parent);
    if ((m_addBookRunner ? m_addBookRunner(dialog) : dialog.exec()) != QDialog::Accepted)
        return false;
    switch (dialog.mode()) {
    case CAddBookDlg::ModeIsbn:
        if (dialog.isbnList().size() > 1)
            return RunBatch(dialog.isbnList());
        return AddByIsbn(dialog.isbnList().value(0));
    case CAddBookDlg::ModeKeywords:
        return AddByKeywords(dialog.title(), dialog.author(), dialog.publisher());
    default:
        return m_editor->AddBook();
    }
}

bool CAddBookCommand::AddByIsbn(const QString &isbn)
{
    // Asked before the lookup, the same way the batch tells duplicates apart.
    QString existingTitle;
    if (m_doc && m_doc->connection() && IsIsbnInCatalogue(isbn, *m_doc->connection(), &existingTitle) &&
        !messenger().askYesNo(
            tr("This book is already in the catalogue as \"%1\". Add another copy?").arg(existingTitle)))
        return false;

    CBookRecord record;
    CCancelToken token;
    record.cancelToken = &token;
    record.statusText = startingStatus();
    // The lookup's messages wait until it is over, so that "not found" and
    // the offer to add the book by hand come as one question.
    CCollectingMessenger collected;
    bool found = false;
    CLookupProgressDlg progress(m_parent);
    progress.setCancelToken(&token);
    progress.setStatusSource([&record] { return record.statusText.get(); });
    progress.runJob([&] {
        CThreadMessengerScope scope(&collected);
        found = record.LookupByIsbn(isbn, true);
    });
    if (progress.wasCancelled())
        return false;

    const bool offerByHand = !found && !record.fatalError && !record.errorText.isEmpty();
    for (int i = 0; i < collected.messages.size(); ++i) {
        if (!(offerByHand && collected.messages.at(i) == record.errorText))
            messenger().showMessage(collected.messages.at(i), collected.icons.at(i));
    }
    if (found)
        return m_editor && m_editor->AddPreparedBook(record);
    if (!offerByHand)
        return false;
    if (!messenger().askYesNo(record.errorText + QLatin1String("\n\n") +
                              tr("Do you want to add this book by hand?")))
        return false;
    CBookRecord byHand;
    byHand.ResetToDefaults();
    byHand.ISBN = isbn;
    return m_editor && m_editor->AddPreparedBook(byHand);
}

bool CAddBookCommand::AddByKeywords(const QString &title, const QString &author, const QString &publisher)
{
    CBookRecord record;
    CCancelToken token;
    record.cancelToken = &token;
    record.statusText = startingStatus();
    bool found = false;
    CLookupProgressDlg progress(m_parent);
    progress.setCancelToken(&token);
    progress.setStatusSource([&record] { return record.statusText.get(); });
    CResultsChooser chooser(m_parent, &token, &progress);
    chooser.setDialogRunner(m_resultsRunner);
    progress.runJob([&] { found = record.LookupByKeywords(title, author, publisher, true, chooser); });
    if (progress.wasCancelled() || !found)
        return false;
    // The pick is kept even when its details could not be had: the user
    // completes the sheet, and the status bar says why it is thin.
    if (record.onlySearchRow)
        emit statusMessage(tr("The book's details could not be looked up; the sheet holds what the search "
                              "listed. %1")
                               .arg(record.errorText.simplified()));
    return m_editor && m_editor->AddPreparedBook(record);
}

bool CAddBookCommand::RunBatch(const QStringList &isbns)
{
    if (!m_doc || !m_doc->hasConnection())
        return false;
    CBatchQueryDlg batch(m_parent);
    batch.setQueue(isbns);
    batch.setTarget(m_doc->currentCategory(), m_doc->sharedConnection(), ImagesFolder());
    // The window stays open with its outcome: the list shows the new books
    // as soon as the batch ends, stopped or not.
    connect(&batch, &CBatchQueryDlg::workerFinished, this, &CAddBookCommand::booksAdded);
    if (m_batchRunner)
        m_batchRunner(batch);
    else
        batch.exec();
    return true;
}
