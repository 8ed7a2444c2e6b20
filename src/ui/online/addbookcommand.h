#pragma once

#include "resultschooser.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

class CAddBookDlg;
class CBatchQueryDlg;
class CBookEditor;
class COrdoDoc;
class QWidget;

// The Add Book command of the book list: asks how the book is to be found,
// then looks one ISBN up, runs a batch for several, searches by title,
// author and publisher, or starts from an empty record, and opens the book
// sheet "Add Book" on the result. Lookups run on a worker thread under a
// small progress window with Cancel; the main window never blocks.
class CAddBookCommand : public QObject
{
    Q_OBJECT

public:
    // Tests replace the modal runs of the dialogs; the defaults are exec().
    using AddBookDialogRunner = std::function<int(CAddBookDlg &dialog)>;
    using BatchDialogRunner = std::function<int(CBatchQueryDlg &dialog)>;

    // All borrowed; the sheet is opened through editor.
    CAddBookCommand(COrdoDoc *doc, CBookEditor *editor, QWidget *dialogParent);

    void setAddBookDialogRunner(AddBookDialogRunner runner) { m_addBookRunner = std::move(runner); }
    void setBatchDialogRunner(BatchDialogRunner runner) { m_batchRunner = std::move(runner); }
    void setResultsDialogRunner(CResultsChooser::DialogRunner runner) { m_resultsRunner = std::move(runner); }

    // The whole command. True when a book was added (or a batch ran).
    bool Run();

    // Its branches.
    bool AddByIsbn(const QString &isbn);
    bool AddByKeywords(const QString &title, const QString &author, const QString &publisher);
    bool RunBatch(const QStringList &isbns);

signals:
    // A batch has ended (its window may still be open): whatever it saved,
    // the list reloads.
    void booksAdded();
    // A note for the main window's status bar.
    void statusMessage(const QString &text);

private:
    QPointer<COrdoDoc> m_doc;
    QPointer<CBookEditor> m_editor;
    QPointer<QWidget> m_parent;
    AddBookDialogRunner m_addBookRunner;
    BatchDialogRunner m_batchRunner;
    CResultsChooser::DialogRunner m_resultsRunner;
};
