#include "bookloanspage.h"

#include "browse/booklistmodel.h"
#include "ui_bookloanspage.h"

#include <QLocale>

namespace {

QString dateText(const QDate &date)
{
    return date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : QString();
}

} // namespace

CBookLoansPage::CBookLoansPage(QWidget *parent)
    : CPropertyPage(tr("Loan Histor&y"), parent), ui(std::make_unique<Ui::CBookLoansPage>())
{
    ui->setupUi(this);
    ui->treeLoans->setColumnWidth(0, 160);
    setLoans({});
}

CBookLoansPage::~CBookLoansPage() = default;

QString CBookLoansPage::CurrentLoanText(const QVector<LoanEntry> &loans, const QDate &today)
{
    for (const LoanEntry &loan : loans) {
        if (!loan.isOpen())
            continue;
        QString text = loan.direction == LoanDirection::LentTo
                           ? tr("Lent to %1 since %2").arg(loan.borrower, dateText(loan.loanDate))
                           : tr("Borrowed from %1 since %2").arg(loan.borrower, dateText(loan.loanDate));
        if (loan.dueDate.isValid())
            text += tr(", due %1").arg(dateText(loan.dueDate));
        if (loan.isOverdue(today))
            text += tr(" (overdue)");
        return text;
    }
    return tr("Not on loan.");
}

void CBookLoansPage::setLoans(const QVector<LoanEntry> &loans, const QDate &today)
{
    ui->labelCurrent->setText(CurrentLoanText(loans, today));
    ui->treeLoans->clear();
    for (const LoanEntry &loan : loans) {
        auto *item = new QTreeWidgetItem(ui->treeLoans);
        item->setText(0, loan.borrower);
        item->setText(1, loan.direction == LoanDirection::LentTo ? tr("Lent") : tr("Borrowed"));
        item->setText(2, dateText(loan.loanDate));
        item->setText(3, dateText(loan.dueDate));
        item->setText(4, dateText(loan.returnDate));
        item->setText(5, loan.note);
        if (loan.isOverdue(today)) {
            item->setIcon(3, CBookListModel::overdueIcon());
            item->setToolTip(3, tr("Overdue"));
            for (int column = 0; column < item->columnCount(); ++column)
                item->setForeground(column, QColor(180, 0, 0));
        }
    }
}
