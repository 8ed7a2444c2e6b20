#include "borrowersdlg.h"

#include "app/messenger.h"
#include "catalog/ordodoc.h"
#include "ui_borrowersdlg.h"

#include <QInputDialog>

namespace {

int chooseFromList(QWidget *parent, const QStringList &names)
{
    bool ok = false;
    const QString name = QInputDialog::getItem(parent, CBorrowersDlg::tr("Merge Into"),
                                               CBorrowersDlg::tr("Give every loan of this borrower to:"),
                                               names, 0, false, &ok);
    return ok ? int(names.indexOf(name)) : -1;
}

} // namespace

CBorrowersDlg::CBorrowersDlg(COrdoDoc *doc, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CBorrowersDlg>()), m_doc(doc), m_chooseMerge(chooseFromList)
{
    ui->setupUi(this);
    ui->tableBorrowers->setColumnWidth(NameColumn, 160);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &CBorrowersDlg::reject);
    connect(ui->buttonRename, &QPushButton::clicked, this, [this] {
        if (QTableWidgetItem *item = ui->tableBorrowers->item(selectedRow(), NameColumn))
            ui->tableBorrowers->editItem(item);
    });
    connect(ui->buttonMerge, &QPushButton::clicked, this, &CBorrowersDlg::mergeSelected);
    connect(ui->buttonDelete, &QPushButton::clicked, this, &CBorrowersDlg::deleteSelected);
    connect(ui->tableBorrowers, &QTableWidget::itemChanged, this, &CBorrowersDlg::onItemChanged);
    connect(ui->tableBorrowers, &QTableWidget::itemSelectionChanged, this, &CBorrowersDlg::updateButtons);
    reload();
}

CBorrowersDlg::~CBorrowersDlg() = default;

void CBorrowersDlg::reload(qint64 select)
{
    m_filling = true;
    m_borrowers = m_doc && m_doc->connection()
                      ? LoadBorrowers(*m_doc->connection()).value_or(QVector<BorrowerInfo>())
                      : QVector<BorrowerInfo>();
    QTableWidget *table = ui->tableBorrowers;
    table->setRowCount(int(m_borrowers.size()));
    int selected = -1;
    for (int row = 0; row < m_borrowers.size(); ++row) {
        const BorrowerInfo &b = m_borrowers.at(row);
        const QString texts[] = {b.name, QString::number(b.booksNow), QString::number(b.booksEver), b.contact,
                                 b.notes};
        for (int column = 0; column < 5; ++column) {
            auto *item = new QTableWidgetItem(texts[column]);
            if (column == NowColumn || column == EverColumn)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            table->setItem(row, column, item);
        }
        if (b.id == select)
            selected = row;
    }
    m_filling = false;
    selectRow(selected >= 0 ? selected : 0);
    updateButtons();
}

void CBorrowersDlg::selectRow(int row)
{
    if (row >= 0 && row < ui->tableBorrowers->rowCount())
        ui->tableBorrowers->selectRow(row);
}

int CBorrowersDlg::selectedRow() const
{
    const QList<QTableWidgetItem *> items = ui->tableBorrowers->selectedItems();
    return items.isEmpty() ? -1 : items.first()->row();
}

void CBorrowersDlg::updateButtons()
{
    const int row = selectedRow();
    const bool any = row >= 0 && row < m_borrowers.size();
    ui->buttonRename->setEnabled(any);
    ui->buttonMerge->setEnabled(any && m_borrowers.size() > 1);
    ui->buttonDelete->setEnabled(any && m_borrowers.at(row).booksEver == 0);
}

void CBorrowersDlg::onItemChanged(QTableWidgetItem *item)
{
    if (m_filling || !item || item->row() >= m_borrowers.size())
        return;
    BorrowerInfo changed = m_borrowers.at(item->row());
    const QString text = item->text().trimmed();
    if (item->column() == NameColumn)
        changed.name = text;
    else if (item->column() == ContactColumn)
        changed.contact = text;
    else if (item->column() == NotesColumn)
        changed.notes = text;
    // A refused change (the message said why) shows the stored value again.
    if (!UpdateBorrower(*m_doc->connection(), changed))
        changed.id = m_borrowers.at(item->row()).id;
    reload(changed.id);
}

void CBorrowersDlg::mergeSelected()
{
    const int row = selectedRow();
    if (row < 0 || m_borrowers.size() < 2)
        return;
    QStringList names;
    QVector<qint64> ids;
    for (const BorrowerInfo &b : m_borrowers) {
        if (b.id != m_borrowers.at(row).id) {
            names << b.name;
            ids << b.id;
        }
    }
    const int chosen = m_chooseMerge(this, names);
    if (chosen < 0 || chosen >= ids.size())
        return;
    if (MergeBorrowers(*m_doc->connection(), m_borrowers.at(row).id, ids.at(chosen)))
        reload(ids.at(chosen));
}

void CBorrowersDlg::deleteSelected()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    if (DeleteBorrower(*m_doc->connection(), m_borrowers.at(row).id))
        reload();
}
