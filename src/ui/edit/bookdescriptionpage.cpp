#include "bookdescriptionpage.h"

CBookDescriptionPage::CBookDescriptionPage(QWidget *parent) : CHtmlEditorPage(tr("Description"), parent)
{
    setObjectName(QStringLiteral("descriptionPage"));
}
