#include "bookdescriptionpage.h"

CBookDescriptionPage::CBookDescriptionPage(QWidget *parent) : CHtmlEditorPage(tr("Des&cription"), parent)
{
    setObjectName(QStringLiteral("descriptionPage"));
}
