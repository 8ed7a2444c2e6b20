#include "categorygeneralpage.h"

#include "ui_categorygeneralpage.h"

CCategoryGeneralPage::CCategoryGeneralPage(QWidget *parent)
    : CPropertyPage(QString(), parent), ui(std::make_unique<Ui::CCategoryGeneralPage>())
{
    ui->setupUi(this);
}

CCategoryGeneralPage::~CCategoryGeneralPage() = default;

void CCategoryGeneralPage::trimTexts()
{
    m_name = m_name.trimmed();
    m_notes = m_notes.trimmed();
}

void CCategoryGeneralPage::focusName()
{
    ui->editName->setFocus();
    ui->editName->selectAll();
}

void CCategoryGeneralPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    // A new category has nothing to summarise yet: grey those lines out.
    const bool hasSummary = !m_contains.isEmpty();
    ui->editContains->setEnabled(hasSummary);
    ui->labelContains->setEnabled(hasSummary);
    const bool hasDate = !m_lastUpdated.isEmpty();
    ui->editLastUpdated->setEnabled(hasDate);
    ui->labelLastUpdated->setEnabled(hasDate);
}

void CCategoryGeneralPage::DoDataExchange(bool saveAndValidate)
{
    if (saveAndValidate) {
        m_name = ui->editName->text();
        m_notes = ui->editNotes->toPlainText();
    } else {
        ui->editName->setText(m_name);
        ui->editContains->setText(m_contains);
        ui->editLastUpdated->setText(m_lastUpdated);
        ui->editNotes->setPlainText(m_notes);
    }
}
