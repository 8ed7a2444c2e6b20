#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class CBasicSearchDlg;
}

// Asks for the Basic Search keyword and whether to empty Search Results
// first. A blank keyword is refused and the dialog stays open.
class CBasicSearchDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CBasicSearchDlg(QWidget *parent = nullptr);
    ~CBasicSearchDlg() override;

    // After OK: the keyword as typed (blanks included) and the check box.
    QString keyword() const { return m_keyword; }
    bool clearFirst() const { return m_clearFirst; }
    // Accents set aside while matching ("etranger" finds "L'Étranger").
    bool ignoreAccents() const { return m_ignoreAccents; }

public slots:
    void accept() override;

private:
    std::unique_ptr<Ui::CBasicSearchDlg> ui;
    QString m_keyword;
    bool m_clearFirst = true;
    bool m_ignoreAccents = true;
};
