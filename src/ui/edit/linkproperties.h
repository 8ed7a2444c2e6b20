#pragma once

#include "widgets/propertysheet.h"

class CLinkGeneralPage;

// The sheet "Add Link" or "Edit Link" around one CLinkGeneralPage. The caller
// fills the page's members (for Edit), runs the sheet, and after OK takes
// the title, path and notes from the page.
class CLinkProperties : public CPropertySheet
{
    Q_OBJECT

public:
    // captionId: IDS_ADD_LINK or IDS_EDIT_LINK.
    CLinkProperties(int captionId, bool isAdd, QWidget *parent = nullptr);

    CLinkGeneralPage *generalPage() const { return m_page; }
    bool isAdd() const { return m_isAdd; }

private:
    CLinkGeneralPage *m_page = nullptr;
    bool m_isAdd = false;
};
