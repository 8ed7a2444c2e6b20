#pragma once

#include "catalog/loanentry.h"

#include <QDialog>
#include <QStringList>
#include <memory>

namespace Ui {
class CLendDlg;
}

// Edit > Lend... and Edit > Borrowed Book...: who, when, until when, a note.
// The borrower is picked from the catalogue's borrowers or typed new; the
// loan date starts at today and the due date at today plus the default loan
// period (none when the period is 0). Borrowed Book also asks for the book's
// title and author. OK with a blank borrower (or title) or a due date before
// the loan date is refused and the dialog stays open.
class CLendDlg : public QDialog
{
    Q_OBJECT

public:
    CLendDlg(LoanDirection direction, const QStringList &borrowers, int loanDays, QWidget *parent = nullptr);
    ~CLendDlg() override;

    // After OK.
    LoanRequest request() const { return m_request; }
    QString title() const { return m_title; }
    QString author() const { return m_author; }

public slots:
    void accept() override;

private:
    std::unique_ptr<Ui::CLendDlg> ui;
    LoanDirection m_direction;
    LoanRequest m_request;
    QString m_title;
    QString m_author;
};
