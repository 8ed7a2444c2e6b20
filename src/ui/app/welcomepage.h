#pragma once

#include <QWidget>

class QLabel;

// What the main window shows while no catalogue is open: a short greeting
// and the two ways to get started.
class CWelcomePage : public QWidget
{
    Q_OBJECT

public:
    explicit CWelcomePage(QWidget *parent = nullptr);

signals:
    void newCatalogueRequested();
    void openCatalogueRequested();

private:
    void onLink(const QString &link);
};
