#pragma once

#include "app/commandtarget.h"
#include "catalog/loanentry.h"

#include <QObject>
#include <functional>

class CLendDlg;
class COrdoDoc;
class CReturnDlg;
class QToolButton;
class QWidget;

// Edit > Lend..., Edit > Return, Edit > Borrowed Book... and Tools >
// Borrowers..., and the status-bar notice of overdue loans shown when a
// catalogue opens (a button: a click shows On Loan).
class CLoanTools : public QObject, public ICommandTarget
{
    Q_OBJECT

public:
    CLoanTools(COrdoDoc *doc, QWidget *window);
    ~CLoanTools() override;

    // Runs a ready dialog and returns its result; tests answer without a
    // modal loop.
    using LendRunner = std::function<int(CLendDlg &dialog)>;
    using ReturnRunner = std::function<int(CReturnDlg &dialog)>;
    using BorrowersRunner = std::function<void(QWidget *parent)>;
    void setLendRunner(LendRunner runner) { m_runLend = std::move(runner); }
    void setReturnRunner(ReturnRunner runner) { m_runReturn = std::move(runner); }
    void setBorrowersRunner(BorrowersRunner runner) { m_runBorrowers = std::move(runner); }

    // The notice for the status bar, hidden while nothing is overdue.
    QToolButton *overdueNotice() const { return m_notice; }
    // Counts the overdue loans as of today and shows or hides the notice.
    void updateOverdueNotice(const QDate &today = QDate::currentDate());
    // "3 books are overdue"
    static QString OverdueText(int count);

    // Days from a loan to its due date for new loans; 0: no due date.
    static int DefaultLoanDays();
    static void SetDefaultLoanDays(int days);

    // ICommandTarget
    bool servesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    void runCommand(int id) override;

    void Lend();
    void Return();
    void AddBorrowedBook();

signals:
    // Loans changed: the list reloads (the loan lists change) and the page
    // is shown again.
    void loansChanged();
    // A book was added (Borrowed Book): the list reloads.
    void bookAdded();
    // The notice was clicked: show On Loan.
    void showOnLoanRequested();

private:
    QStringList borrowerNames() const;

    COrdoDoc *m_doc;
    QWidget *m_window;
    QToolButton *m_notice = nullptr;
    LendRunner m_runLend;
    ReturnRunner m_runReturn;
    BorrowersRunner m_runBorrowers;
};
