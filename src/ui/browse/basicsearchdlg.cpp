#include "basicsearchdlg.h"
#include "ui_basicsearchdlg.h"

#include "app/messenger.h"

#include <QPushButton>

CBasicSearchDlg::CBasicSearchDlg(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CBasicSearchDlg>())
{
    ui->setupUi(this);
    ui->checkClearFirst->setChecked(m_clearFirst);
    ui->checkIgnoreAccents->setChecked(m_ignoreAccents);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &CBasicSearchDlg::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &CBasicSearchDlg::reject);
    ui->editKeyword->setFocus();
}

CBasicSearchDlg::~CBasicSearchDlg() = default;

void CBasicSearchDlg::accept()
{
    // Trimming only decides whether anything was typed; the search uses the
    // keyword as typed, so " cat" does not find "concatenate".
    const QString trimmed = ui->editKeyword->text().trimmed();
    if (trimmed.isEmpty()) {
        messenger().showMessage(tr("Please enter a search keyword."));
        ui->editKeyword->setFocus();
        ui->editKeyword->setText(trimmed);
        return;
    }
    m_keyword = ui->editKeyword->text();
    m_clearFirst = ui->checkClearFirst->isChecked();
    m_ignoreAccents = ui->checkIgnoreAccents->isChecked();
    QDialog::accept();
}
