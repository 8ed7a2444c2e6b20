#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class AboutDlg;
}

// Help > About: program icon, version, maker and a link to the maker's site.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget *parent = nullptr);
    ~CAboutDlg() override;

    static QString websiteUrl();

private:
    std::unique_ptr<Ui::AboutDlg> ui;
};
