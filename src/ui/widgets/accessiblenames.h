#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Screen readers name a control from its accessible name. Qt gives a field
// the text of the label it is the buddy of, but not the edit inside an
// editable combo box or a date box, nor a list; those get the label's text
// here. Names set by hand are kept.

// The label text as a name: no access-key marks, no trailing colon.
QString AccessibleLabelText(const QString &labelText);

// Names every unnamed control of root (and below) that a label is the buddy
// of, together with the edit inside it.
void NameLabelledControls(QWidget *root);

// Runs NameLabelledControls on every window as it is shown, for the dialogs
// of the whole program. Install once on the application object.
class CAccessibleNamer : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
