#pragma once

#include "catalog/borrowers.h"

#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class CBorrowersDlg;
}
class COrdoDoc;

// Tools > Borrowers...: every borrower with the books they have now and have
// ever had. Name, contact and notes are edited in place (Rename starts on the
// name); Merge Into hands the selected borrower's loans to another one;
// Delete removes a borrower who never had a loan.
class CBorrowersDlg : public QDialog
{
    Q_OBJECT

public:
    enum Column { NameColumn, NowColumn, EverColumn, ContactColumn, NotesColumn };

    CBorrowersDlg(COrdoDoc *doc, QWidget *parent = nullptr);
    ~CBorrowersDlg() override;

    // Picks the borrower to merge into among names; -1 for Cancel. Tests
    // answer without a modal box.
    using MergeChooser = std::function<int(QWidget *parent, const QStringList &names)>;
    void setMergeChooser(MergeChooser chooser) { m_chooseMerge = std::move(chooser); }

    const QVector<BorrowerInfo> &borrowers() const { return m_borrowers; }
    // Reads the borrowers again and keeps the borrower id selected.
    void reload(qint64 select = 0);
    void selectRow(int row);
    void mergeSelected();
    void deleteSelected();

private:
    int selectedRow() const;
    void onItemChanged(class QTableWidgetItem *item);
    void updateButtons();

    std::unique_ptr<Ui::CBorrowersDlg> ui;
    COrdoDoc *m_doc;
    QVector<BorrowerInfo> m_borrowers;
    MergeChooser m_chooseMerge;
    bool m_filling = false;
};
