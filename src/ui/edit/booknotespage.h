#pragma once

#include "htmleditorpage.h"

// "Notes": the owner's notes on the book as formatted text.
class CBookNotesPage : public CHtmlEditorPage
{
    Q_OBJECT

public:
    explicit CBookNotesPage(QWidget *parent = nullptr);
};
