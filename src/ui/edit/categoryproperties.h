#pragma once

#include "widgets/propertysheet.h"

class CCategoryGeneralPage;

// The sheet in which a category is named or renamed and annotated. The caller
// fills the page, runs the sheet and on OK reads the name and notes, both
// trimmed; the sheet writes nothing to the catalogue itself.
class CCategoryProperties : public CPropertySheet
{
    Q_OBJECT

public:
    // captionId: IDS_ADD_NEW_CATEGORY or IDS_EDIT_CATEGORY.
    explicit CCategoryProperties(int captionId, QWidget *parent = nullptr);

    CCategoryGeneralPage *generalPage() const { return m_general; }

protected:
    // Trims the texts and refuses a blank name, keeping the sheet open.
    bool OnOK() override;

private:
    CCategoryGeneralPage *m_general = nullptr;
};
