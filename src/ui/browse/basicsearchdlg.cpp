#include "basicsearchdlg.h"
#include "ui_basicsearchdlg.h"

#include "app/messenger.h"
#include "edit/lookupcombo.h"

#include <QPushButton>

CBasicSearchDlg::CBasicSearchDlg(QWidget *parent, Connection *connection)
    : QDialog(parent), ui(std::make_unique<Ui::CBasicSearchDlg>())
{
    ui->setupUi(this);
    m_criteria.ignoreAccents = true;
    ui->checkClearFirst->setChecked(m_clearFirst);
    ui->checkIgnoreAccents->setChecked(m_criteria.ignoreAccents);
    FillLookupCombo(ui->comboSeries, QStringLiteral("bookseries"), connection);
    ui->comboSeries->setCurrentIndex(-1);
    ui->comboSeries->setEditText(QString());
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
    const QString series = ui->comboSeries->currentText().trimmed();
    const QString yearText = ui->editYear->text().trimmed();
    const int year = ParseSearchYear(yearText);
    if (!yearText.isEmpty() && year == 0) {
        messenger().showMessage(tr("Please enter a year such as 2025."));
        ui->editYear->setFocus();
        ui->editYear->selectAll();
        return;
    }
    if (trimmed.isEmpty() && series.isEmpty() && year == 0) {
        messenger().showMessage(tr("Please enter a search keyword."));
        ui->editKeyword->setFocus();
        ui->editKeyword->setText(trimmed);
        return;
    }
    m_criteria.keyword = trimmed.isEmpty() ? QString() : ui->editKeyword->text();
    m_criteria.series = series;
    m_criteria.readInYear = year;
    m_criteria.ignoreAccents = ui->checkIgnoreAccents->isChecked();
    m_clearFirst = ui->checkClearFirst->isChecked();
    QDialog::accept();
}
