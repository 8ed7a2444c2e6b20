#include "aboutdlg.h"

#include "ui_aboutdlg.h"

#include <QApplication>
#include <QPushButton>
#include <QStyle>

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::AboutDlg>())
{
    ui->setupUi(this);
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_FileDialogInfoView);
    const int side = style()->pixelMetric(QStyle::PM_LargeIconSize) * 3 / 2;
    ui->labelIcon->setPixmap(icon.pixmap(side, side));
    ui->labelLink->setText(websiteUrl());
    ui->labelLink->SetUrl(websiteUrl());
    ui->labelUnicode->setText(QStringLiteral("Unicode"));
    ui->buttonBox->button(QDialogButtonBox::Ok)->setDefault(true);
}

CAboutDlg::~CAboutDlg() = default;

QString CAboutDlg::websiteUrl()
{
    return QStringLiteral("https://ordoteca.example.org/");
}
