#include "inputsqldlg.h"
#include "ui_inputsqldlg.h"

#include "app/messenger.h"

#include <QPushButton>

CInputSQLDlg::CInputSQLDlg(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::CInputSQLDlg>())
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &CInputSQLDlg::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &CInputSQLDlg::reject);
    ui->editSql->setFocus();
}

CInputSQLDlg::~CInputSQLDlg() = default;

void CInputSQLDlg::setSql(const QString &sql)
{
    ui->editSql->setText(sql);
}

void CInputSQLDlg::accept()
{
    const QString trimmed = ui->editSql->text().trimmed();
    if (trimmed.isEmpty()) {
        messenger().showMessage(tr("SQL statement cannot be empty."));
        ui->editSql->setFocus();
        ui->editSql->setText(trimmed);
        return;
    }
    m_sql = ui->editSql->text();
    QDialog::accept();
}
