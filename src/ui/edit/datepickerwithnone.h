#pragma once

#include <QDate>
#include <QWidget>

class QCheckBox;
class QDateEdit;

// A date editor with a check box in front of it: the box cleared means "no
// date". Without a date the editor is disabled and keeps the date it showed
// last (today's for a fresh picker), ready for when the box is ticked again.
class CDatePickerWithNone : public QWidget
{
    Q_OBJECT

public:
    explicit CDatePickerWithNone(QWidget *parent = nullptr);

    // The date shown, or a null date when the box is cleared.
    QDate date() const;
    // A valid date ticks the box and shows it; a null or invalid one clears
    // the box and leaves the editor's date alone.
    void setDate(const QDate &date);

    bool hasDate() const;
    void setHasDate(bool on);

    QCheckBox *checkBox() const { return m_check; }
    QDateEdit *dateEdit() const { return m_edit; }

signals:
    // After every change of the value date() returns.
    void dateChanged(const QDate &date);

private:
    void onToggled(bool on);

    QCheckBox *m_check = nullptr;
    QDateEdit *m_edit = nullptr;
};
