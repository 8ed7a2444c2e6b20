#include "returndlg.h"

#include "ui_returndlg.h"

CReturnDlg::CReturnDlg(int bookCount, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CReturnDlg>())
{
    ui->setupUi(this);
    ui->labelBooks->setText(tr("%n book(s) on loan will be marked as returned.", nullptr, bookCount));
    ui->dateReturn->setDate(QDate::currentDate());
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &CReturnDlg::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &CReturnDlg::reject);
    ui->dateReturn->setFocus();
}

CReturnDlg::~CReturnDlg() = default;

QDate CReturnDlg::returnDate() const
{
    return ui->dateReturn->date();
}
