#include "categoryproperties.h"

#include "app/messenger.h"
#include "app/strings.h"
#include "categorygeneralpage.h"

CCategoryProperties::CCategoryProperties(int captionId, QWidget *parent)
    : CPropertySheet(LoadStr(captionId), parent), m_general(new CCategoryGeneralPage)
{
    AddPage(m_general);
}

bool CCategoryProperties::OnOK()
{
    if (!CPropertySheet::OnOK())
        return false;
    m_general->trimTexts();
    if (!m_general->name().isEmpty())
        return !m_saver || m_saver(m_general->name(), m_general->notes());
    messenger().showMessage(LoadStr(IDS_CATEGORY_NAME_EMPTY));
    m_general->UpdateData(false);
    m_general->focusName();
    return false;
}
