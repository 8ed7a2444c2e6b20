#pragma once

#include "widgets/propertysheet.h"

#include <QString>
#include <memory>

namespace Ui {
class CCategoryGeneralPage;
}

// The only page of the category sheet: the name and notes to edit, and two
// read-only lines the caller fills (what the category contains, when it was
// last updated). A read-only line left empty is shown disabled with its label.
class CCategoryGeneralPage : public CPropertyPage
{
    Q_OBJECT

public:
    explicit CCategoryGeneralPage(QWidget *parent = nullptr);
    ~CCategoryGeneralPage() override;

    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    QString notes() const { return m_notes; }
    void setNotes(const QString &notes) { m_notes = notes; }
    QString contains() const { return m_contains; }
    void setContains(const QString &summary) { m_contains = summary; }
    QString lastUpdated() const { return m_lastUpdated; }
    void setLastUpdated(const QString &date) { m_lastUpdated = date; }

    // Trims the name and notes in the members (the sheet's OK does this).
    void trimTexts();
    void focusName();

protected:
    void OnInitDialog() override;
    void DoDataExchange(bool saveAndValidate) override;

private:
    std::unique_ptr<Ui::CCategoryGeneralPage> ui;
    QString m_name;
    QString m_notes;
    QString m_contains;
    QString m_lastUpdated;
};
