#pragma once

#include "catalog/basicsearch.h"

#include <QDialog>
#include <memory>

class Connection;

namespace Ui {
class CBasicSearchDlg;
}

// Asks for the Basic Search keyword, the optional series and year read, and
// whether to empty Search Results first. Nothing to look for, or a year that
// is not one, is refused and the dialog stays open. The series box offers
// the names of connection's series list.
class CBasicSearchDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CBasicSearchDlg(QWidget *parent = nullptr, Connection *connection = nullptr);
    ~CBasicSearchDlg() override;

    // After OK: the keyword as typed (blanks included; empty when only
    // blanks were typed) and the check box.
    QString keyword() const { return m_criteria.keyword; }
    bool clearFirst() const { return m_clearFirst; }
    // Accents set aside while matching ("etranger" finds "L'Étranger").
    bool ignoreAccents() const { return m_criteria.ignoreAccents; }
    // Everything to look for.
    const BasicSearchCriteria &criteria() const { return m_criteria; }

public slots:
    void accept() override;

private:
    std::unique_ptr<Ui::CBasicSearchDlg> ui;
    BasicSearchCriteria m_criteria;
    bool m_clearFirst = true;
};
