#pragma once

#include "catalog/loanentry.h"
#include "widgets/propertysheet.h"

#include <QVector>
#include <memory>

namespace Ui {
class CBookLoansPage;
}

// The Loans page of the book sheet: who has the book now (or whose it is),
// since when and until when, and every loan before, newest first. Overdue
// loans are marked with a sign and in red. The page only shows; Lend and
// Return record loans.
class CBookLoansPage : public CPropertyPage
{
    Q_OBJECT

public:
    explicit CBookLoansPage(QWidget *parent = nullptr);
    ~CBookLoansPage() override;

    // Every loan of the book, newest first; today decides what is overdue.
    void setLoans(const QVector<LoanEntry> &loans, const QDate &today = QDate::currentDate());

    // "Lent to Ana since 3 Mar 2025, due 31 Mar 2025", or that it is at home.
    static QString CurrentLoanText(const QVector<LoanEntry> &loans, const QDate &today);

private:
    std::unique_ptr<Ui::CBookLoansPage> ui;
};
