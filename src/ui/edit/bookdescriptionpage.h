#pragma once

#include "htmleditorpage.h"

// "Description": the book's description as formatted text.
class CBookDescriptionPage : public CHtmlEditorPage
{
    Q_OBJECT

public:
    explicit CBookDescriptionPage(QWidget *parent = nullptr);
};
