#pragma once

#include "catalog/bookrecord.h"
#include "widgets/propertysheet.h"

#include <memory>

class CBookBasicPage;
class CBookCoversPage;
class CBookDescriptionPage;
class CBookLinksPage;
class CBookLoansPage;
class CBookNotesPage;
class CBookPersonalPage;
class Connection;

// The sheet in which one book is added or edited. It works on its own record:
// the caller fills record(), sets the category, the new-book flag and the
// connection, and runs it. On OK the pages are copied back into the record
// and the book is saved; the sheet closes only when the save succeeded. A
// save is all or nothing: when it fails (the problem has been shown) nothing
// was written and the sheet stays open with everything typed, to try again
// or to copy the text away. Cancel writes nothing.
//
// The description and notes editors give their text back asynchronously:
// OK waits for both (at most kCollectTimeoutMs; a page that does not answer
// keeps the text it had) before it saves.
class CBookProperties : public CPropertySheet
{
    Q_OBJECT

public:
    // captionId: IDS_ADD_BOOK or IDS_EDIT_BOOK.
    explicit CBookProperties(int captionId, QWidget *parent = nullptr);
    ~CBookProperties() override;

    CBookRecord &record() { return m_record; }
    const CBookRecord &record() const { return m_record; }

    // The category a new book joins (the current one in the tree).
    void SetCategoryId(CategoryId categoryId) { m_categoryId = categoryId; }
    CategoryId categoryId() const { return m_categoryId; }
    // Pictures the lookup downloaded into temporary files: the Covers page
    // names the download instead of the temporary path.
    void SetDownloadedFiles(const QStringList &files) { m_downloadedFiles = files; }
    // Set for Add Book, clear for Edit Book.
    void SetNewBook(bool isNew);
    bool isNewBook() const { return m_isNew; }
    void SetConnection(std::shared_ptr<Connection> connection);

    CBookBasicPage *basicPage() const { return m_basicPage; }
    CBookPersonalPage *personalPage() const { return m_personalPage; }
    CBookLinksPage *linksPage() const { return m_linksPage; }
    CBookDescriptionPage *descriptionPage() const { return m_descriptionPage; }
    CBookNotesPage *notesPage() const { return m_notesPage; }
    CBookCoversPage *coversPage() const { return m_coversPage; }
    CBookLoansPage *loansPage() const { return m_loansPage; }

    static constexpr int kCollectTimeoutMs = 10000;

    // After OK: whether the save succeeded (a failure has been shown; the
    // sheet closes with OK either way).
    bool saveSucceeded() const { return m_saved; }

    // The page indexes, which are also the tab order.
    enum PageIndex {
        GeneralPage = 0,
        PersonalPage = 1,
        LinksPage = 2,
        DescriptionPage = 3,
        NotesPage = 4,
        CoversPage = 5,
        LoansPage = 6
    };

protected:
    void OnInitDialog() override;
    bool OnOK() override;
    void reject() override;

private:
    void copyRecordToPages();
    void copyPagesToRecord();
    void collectEditorTexts();
    // Saves, settling a conflict with someone else's save with the user.
    bool saveRecord();
    // The book as now saved, in place of the edits.
    void reloadRecord();

    CBookBasicPage *m_basicPage = nullptr;
    CBookPersonalPage *m_personalPage = nullptr;
    CBookLinksPage *m_linksPage = nullptr;
    CBookDescriptionPage *m_descriptionPage = nullptr;
    CBookNotesPage *m_notesPage = nullptr;
    CBookLoansPage *m_loansPage = nullptr;
    CBookCoversPage *m_coversPage = nullptr;
    CBookRecord m_record;
    QStringList m_downloadedFiles;
    CategoryId m_categoryId = -1;
    bool m_isNew = false;
    std::shared_ptr<Connection> m_connection;
    bool m_saved = false;
    bool m_pagesFilled = false;
    bool m_collecting = false;
};

// Reads a date stored with a book: "Jan 05, 2004" (English month names), the
// user's short locale format or ISO 8601. Null for an empty or unreadable text.
QDate ReadBookDate(const QString &text);
