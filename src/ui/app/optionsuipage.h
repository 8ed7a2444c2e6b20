#pragma once

#include "widgets/propertysheet.h"

#include <memory>

namespace Ui {
class COptionsUIPage;
}

// "User Interface": the interface language for the next start, chosen among
// English and the language files beside the program.
class COptionsUIPage : public CPropertyPage
{
    Q_OBJECT

public:
    explicit COptionsUIPage(QWidget *parent = nullptr);
    ~COptionsUIPage() override;

    // The name of the chosen language as listed (empty before the page was
    // first shown).
    QString languageName() const { return m_languageName; }

protected:
    void OnInitDialog() override;
    void DoDataExchange(bool saveAndValidate) override;

private:
    std::unique_ptr<Ui::COptionsUIPage> ui;
    QString m_languageName;
};
