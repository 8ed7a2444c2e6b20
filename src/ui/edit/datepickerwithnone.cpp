#include "datepickerwithnone.h"

#include "widgets/dateedit.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>

CDatePickerWithNone::CDatePickerWithNone(QWidget *parent) : QWidget(parent)
{
    m_check = new QCheckBox(this);
    m_check->setToolTip(tr("Clear the box to leave the date empty"));
    m_check->setAccessibleName(tr("Has a date"));
    // The user's date format, a calendar popup and typing in every section.
    m_edit = new CDateEdit(this);
    m_edit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_check);
    layout->addWidget(m_edit, 1);
    setFocusProxy(m_check);

    m_check->setChecked(true);
    connect(m_check, &QCheckBox::toggled, this, &CDatePickerWithNone::onToggled);
    connect(m_edit, &QDateEdit::dateChanged, this, [this] {
        if (hasDate())
            emit dateChanged(date());
    });
}

QDate CDatePickerWithNone::date() const
{
    return hasDate() ? m_edit->date() : QDate();
}

void CDatePickerWithNone::setDate(const QDate &date)
{
    if (date.isValid())
        m_edit->setDate(date);
    setHasDate(date.isValid());
}

bool CDatePickerWithNone::hasDate() const
{
    return m_check->isChecked();
}

void CDatePickerWithNone::setHasDate(bool on)
{
    m_check->setChecked(on);
    m_edit->setEnabled(on);
}

void CDatePickerWithNone::onToggled(bool on)
{
    m_edit->setEnabled(on);
    emit dateChanged(date());
}
