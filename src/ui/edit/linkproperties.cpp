#include "linkproperties.h"

#include "app/strings.h"
#include "linkgeneralpage.h"

CLinkProperties::CLinkProperties(int captionId, bool isAdd, QWidget *parent)
    : CPropertySheet(LoadStr(captionId), parent), m_isAdd(isAdd)
{
    m_page = new CLinkGeneralPage(isAdd);
    AddPage(m_page);
}
