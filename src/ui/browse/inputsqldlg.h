#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class CInputSQLDlg;
}

// Asks for one SQL statement for Run SQL. A blank statement is refused and
// the dialog stays open.
class CInputSQLDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CInputSQLDlg(QWidget *parent = nullptr);
    ~CInputSQLDlg() override;

    // After OK: the statement as typed.
    QString sql() const { return m_sql; }
    // Before showing: a statement to start from (one to correct).
    void setSql(const QString &sql);

public slots:
    void accept() override;

private:
    std::unique_ptr<Ui::CInputSQLDlg> ui;
    QString m_sql;
};
