#pragma once

#include "widgets/propertysheet.h"

#include <functional>

class CCategoryGeneralPage;

// The sheet in which a category is named or renamed and annotated. The caller
// fills the page, gives the saver that writes the category and runs the
// sheet; the name and notes reach the saver trimmed.
class CCategoryProperties : public CPropertySheet
{
    Q_OBJECT

public:
    // captionId: IDS_ADD_NEW_CATEGORY or IDS_EDIT_CATEGORY.
    explicit CCategoryProperties(int captionId, QWidget *parent = nullptr);

    CCategoryGeneralPage *generalPage() const { return m_general; }

    // Writes the trimmed name and notes on OK; false (after it has shown
    // why) keeps the sheet open with everything typed.
    using Saver = std::function<bool(const QString &name, const QString &notes)>;
    void setSaver(Saver saver) { m_saver = std::move(saver); }

protected:
    // Trims the texts and refuses a blank name, keeping the sheet open.
    bool OnOK() override;

private:
    CCategoryGeneralPage *m_general = nullptr;
    Saver m_saver;
};
