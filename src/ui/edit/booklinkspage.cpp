#include "booklinkspage.h"

#include "app/messenger.h"
#include "app/strings.h"
#include "catalog/linkrules.h"
#include "linkgeneralpage.h"
#include "linkproperties.h"
#include "ui_booklinkspage.h"

#include <QHeaderView>

namespace {
enum Column { IdColumn = 0, TitleColumn = 1, PathColumn = 2, NotesColumn = 3 };
}

CBookLinksPage::CBookLinksPage(QWidget *parent)
    : CPropertyPage(tr("Related Lin&ks"), parent), ui(std::make_unique<Ui::CBookLinksPage>())
{
    ui->setupUi(this);
    ui->listLinks->setAccessibleName(tr("Related links"));
    setObjectName(QStringLiteral("linksPage"));
    connect(ui->buttonAdd, &QPushButton::clicked, this, &CBookLinksPage::Add);
    connect(ui->buttonDelete, &QPushButton::clicked, this, &CBookLinksPage::Delete);
    connect(ui->buttonEdit, &QPushButton::clicked, this, &CBookLinksPage::Edit);
    connect(ui->listLinks, &QTreeWidget::itemDoubleClicked, this, &CBookLinksPage::Edit);
}

CBookLinksPage::~CBookLinksPage() = default;

void CBookLinksPage::setSheetRunner(SheetRunner runner)
{
    m_runner = std::move(runner);
}

void CBookLinksPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    QTreeWidget *list = ui->listLinks;
    const int widths[] = {30, 100, 200, 120};
    for (int column = 0; column < 4; ++column)
        list->setColumnWidth(column, widths[column]);
    list->header()->setStretchLastSection(true);
    for (const CLinkEntry &link : std::as_const(m_links)) {
        new QTreeWidgetItem(list, {link.LinkID, link.Name, link.Path, link.Notes});
        ++m_linkCounter;
    }
}

bool CBookLinksPage::OnKillActive()
{
    m_links.clear();
    QTreeWidget *list = ui->listLinks;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = list->topLevelItem(row);
        m_links.append(CLinkEntry{item->text(IdColumn), item->text(TitleColumn), item->text(PathColumn),
                                  item->text(NotesColumn)});
    }
    return true;
}

int CBookLinksPage::selectedRow() const
{
    const QList<QTreeWidgetItem *> selected = ui->listLinks->selectedItems();
    return selected.isEmpty() ? -1 : ui->listLinks->indexOfTopLevelItem(selected.constFirst());
}

int CBookLinksPage::nextNumber() const
{
    const QTreeWidget *list = ui->listLinks;
    int highest = m_linkCounter;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        bool ok = false;
        const int number = list->topLevelItem(row)->text(IdColumn).toInt(&ok);
        if (ok)
            highest = qMax(highest, number);
    }
    return NextLinkNumber(highest, list->topLevelItemCount());
}

int CBookLinksPage::runSheet(CLinkProperties &sheet)
{
    return m_runner ? m_runner(sheet) : sheet.exec();
}

void CBookLinksPage::Add()
{
    CLinkProperties sheet(IDS_ADD_LINK, true, this);
    if (runSheet(sheet) != QDialog::Accepted)
        return;
    const CLinkGeneralPage *link = sheet.generalPage();
    m_linkCounter = nextNumber();
    auto *item = new QTreeWidgetItem(
        ui->listLinks, {QString::number(m_linkCounter), link->m_title, link->m_path, link->m_notes});
    ui->listLinks->setCurrentItem(item);
}

void CBookLinksPage::Delete()
{
    const int row = selectedRow();
    if (row < 0) {
        messenger().showMessage(LoadStr(IDS_SELECT_ONE_ITEM), IMessenger::Icon::Warning);
        return;
    }
    delete ui->listLinks->takeTopLevelItem(row);
}

void CBookLinksPage::Edit()
{
    const int row = selectedRow();
    if (row < 0) {
        messenger().showMessage(LoadStr(IDS_SELECT_ONE_ITEM), IMessenger::Icon::Warning);
        return;
    }
    QTreeWidgetItem *item = ui->listLinks->topLevelItem(row);
    CLinkProperties sheet(IDS_EDIT_LINK, false, this);
    CLinkGeneralPage *link = sheet.generalPage();
    link->m_title = item->text(TitleColumn);
    link->m_path = item->text(PathColumn);
    link->m_notes = item->text(NotesColumn);
    if (runSheet(sheet) != QDialog::Accepted)
        return;
    item->setText(TitleColumn, link->m_title);
    item->setText(PathColumn, link->m_path);
    item->setText(NotesColumn, link->m_notes);
}
