#include "lenddlg.h"

#include "app/messenger.h"
#include "ui_lenddlg.h"

#include <QPushButton>

CLendDlg::CLendDlg(LoanDirection direction, const QStringList &borrowers, int loanDays, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CLendDlg>()), m_direction(direction)
{
    ui->setupUi(this);
    const bool borrowed = direction == LoanDirection::BorrowedFrom;
    if (borrowed) {
        setWindowTitle(tr("Borrowed Book"));
        ui->labelBorrower->setText(tr("Borrowed &from:"));
        ui->labelLoanDate->setText(tr("Borrowed &on:"));
    } else {
        // Lending is of books in the catalogue: no title to ask for.
        ui->layoutForm->setRowVisible(ui->editTitle, false);
        ui->layoutForm->setRowVisible(ui->editAuthor, false);
    }
    ui->comboBorrower->addItems(borrowers);
    ui->comboBorrower->setCurrentIndex(-1);
    ui->comboBorrower->setEditText(QString());
    const QDate today = QDate::currentDate();
    ui->dateLoan->setDate(today);
    if (loanDays > 0)
        ui->dateDue->setDate(today.addDays(loanDays));
    else
        ui->dateDue->setHasDate(false);
    // The due date moves with the loan date while the user has not set it.
    connect(ui->dateLoan, &QDateEdit::dateChanged, this, [this, loanDays](const QDate &date) {
        if (loanDays > 0 && ui->dateDue->hasDate())
            ui->dateDue->setDate(date.addDays(loanDays));
    });
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &CLendDlg::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &CLendDlg::reject);
    (borrowed ? static_cast<QWidget *>(ui->editTitle) : ui->comboBorrower)->setFocus();
}

CLendDlg::~CLendDlg() = default;

void CLendDlg::accept()
{
    LoanRequest request;
    request.direction = m_direction;
    request.borrower = ui->comboBorrower->currentText().trimmed();
    request.loanDate = ui->dateLoan->date();
    request.dueDate = ui->dateDue->date();
    request.note = ui->editNote->text().trimmed();
    const QString title = ui->editTitle->text().trimmed();
    if (m_direction == LoanDirection::BorrowedFrom && title.isEmpty()) {
        messenger().showMessage(tr("Please enter the title of the book."), IMessenger::Icon::Warning);
        ui->editTitle->setFocus();
        return;
    }
    if (request.borrower.isEmpty()) {
        messenger().showMessage(m_direction == LoanDirection::LentTo
                                    ? tr("Please enter who the book is lent to.")
                                    : tr("Please enter who the book is borrowed from."),
                                IMessenger::Icon::Warning);
        ui->comboBorrower->setFocus();
        return;
    }
    if (request.dueDate.isValid() && request.dueDate < request.loanDate) {
        messenger().showMessage(tr("The due date cannot come before the date of the loan."),
                                IMessenger::Icon::Warning);
        ui->dateDue->setFocus();
        return;
    }
    m_request = request;
    m_title = title;
    m_author = ui->editAuthor->text().trimmed();
    QDialog::accept();
}
