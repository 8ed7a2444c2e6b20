#pragma once

#include "app/defaultvalues.h"
#include "widgets/propertysheet.h"

#include <memory>

class Connection;
class QComboBox;

namespace Ui {
class COptionsDefaultPage;
}

// "Default Values": the values every new book starts with. The lookup lists
// come from the open catalogue, when there is one; the values from the
// settings, read when the page is first shown.
class COptionsDefaultPage : public CPropertyPage
{
    Q_OBJECT

public:
    explicit COptionsDefaultPage(QWidget *parent = nullptr);
    ~COptionsDefaultPage() override;

    // The catalogue whose lookup tables fill the lists; nullptr for none.
    // Borrowed: the sheet keeps it alive.
    void setConnection(Connection *connection) { m_connection = connection; }

    // The page's values: what the settings held, as changed by the user.
    const DefaultValues &values() const { return m_values; }
    // Days from a loan to its due date for new loans (0: none).
    int loanDays() const { return m_loanDays; }

protected:
    void OnInitDialog() override;
    void DoDataExchange(bool saveAndValidate) override;

private:
    // The date editor is live only for a set date that is not "Today".
    void updateDateControls();

    std::unique_ptr<Ui::COptionsDefaultPage> ui;
    Connection *m_connection = nullptr;
    // A new page holds no texts and today's purchase date.
    int m_loanDays = 0;
    DefaultValues m_values{{}, {}, {}, {}, {}, {}, {}, {}, false, QDate::currentDate()};
};
