#pragma once

#include "catalog/bookrecord.h"
#include "widgets/propertysheet.h"

#include <memory>

class CBookBasicPage;
class CBookPersonalPage;
class Connection;

// The sheet in which one book is added or edited. It works on its own record:
// the caller fills record(), sets the category, the new-book flag and the
// connection, and runs it. On OK the pages are copied back into the record
// and the book is saved before the sheet closes; Cancel writes nothing.
//
// The description, notes, links and covers are not edited here yet: they
// pass through unchanged (an existing book's cover files stay its covers).
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
    void SetCategoryId(int categoryId) { m_categoryId = categoryId; }
    int categoryId() const { return m_categoryId; }
    // Set for Add Book, clear for Edit Book.
    void SetNewBook(bool isNew);
    bool isNewBook() const { return m_isNew; }
    void SetConnection(std::shared_ptr<Connection> connection);

    CBookBasicPage *basicPage() const { return m_basicPage; }
    CBookPersonalPage *personalPage() const { return m_personalPage; }

    // After OK: whether the save succeeded (a failure has been shown; the
    // sheet closes with OK either way).
    bool saveSucceeded() const { return m_saved; }

    // The page indexes, which are also the tab order.
    enum PageIndex { GeneralPage = 0, PersonalPage = 1 };

protected:
    void OnInitDialog() override;
    bool OnOK() override;

private:
    void copyRecordToPages();
    void copyPagesToRecord();

    CBookBasicPage *m_basicPage = nullptr;
    CBookPersonalPage *m_personalPage = nullptr;
    CBookRecord m_record;
    int m_categoryId = -1;
    bool m_isNew = false;
    std::shared_ptr<Connection> m_connection;
    bool m_saved = false;
    bool m_pagesFilled = false;

    // Held for the pages still to come (Description, Notes, Covers).
    QString m_description;
    QString m_notes;
    QString m_frontCoverPath;
    QString m_backCoverPath;
};

// Reads a date stored with a book: "Jan 05, 2004" (English month names), the
// user's short locale format or ISO 8601. Null for an empty or unreadable text.
QDate ReadBookDate(const QString &text);
