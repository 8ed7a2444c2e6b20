#pragma once

#include <QDate>
#include <QDialog>
#include <memory>

namespace Ui {
class CReturnDlg;
}

// Edit > Return: the day the selected books came back, today unless changed.
class CReturnDlg : public QDialog
{
    Q_OBJECT

public:
    CReturnDlg(int bookCount, QWidget *parent = nullptr);
    ~CReturnDlg() override;

    QDate returnDate() const;

private:
    std::unique_ptr<Ui::CReturnDlg> ui;
};
