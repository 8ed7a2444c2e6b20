#include "booknotespage.h"

CBookNotesPage::CBookNotesPage(QWidget *parent) : CHtmlEditorPage(tr("&Notes"), parent)
{
    setObjectName(QStringLiteral("notesPage"));
}
