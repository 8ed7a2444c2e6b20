// The three panes of the main window and how they are coupled, and the
// frame's own commands that work on the catalogue.
#include "browse/basicsearchdlg.h"
#include "browse/inputsqldlg.h"
#include "browse/listfilterbar.h"
#include "browse/ordolistview.h"
#include "browse/ordotreeview.h"
#include "browse/sqlrunprogress.h"
#include "catalog/basicsearch.h"
#include "catalog/ordodoc.h"
#include "catalog/sqlconsole.h"
#include "commandids.h"
#include "edit/bookeditor.h"
#include "mainframe.h"
#include "online/addbookcommand.h"
#include "options.h"
#include "page/ordohtmlview.h"
#include "panefocusmarker.h"

#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

void CMainFrame::buildPanes()
{
    m_outer = new QSplitter(Qt::Horizontal, this);
    m_outer->setObjectName(QStringLiteral("outerSplitter"));

    // Views are created in the order tree, list, page view: the routing order.
    m_tree = new COrdoTreeView(m_doc, m_outer);
    m_inner = new QSplitter(Qt::Vertical, m_outer);
    m_inner->setObjectName(QStringLiteral("innerSplitter"));
    // The filter bar sits on top of the list, in the list's part of the
    // splitter.
    auto *listPane = new QWidget(m_inner);
    listPane->setObjectName(QStringLiteral("listPane"));
    auto *listLayout = new QVBoxLayout(listPane);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->setSpacing(2);
    m_filterBar = new CListFilterBar(listPane);
    m_list = new COrdoListView(m_doc, listPane);
    listLayout->addWidget(m_filterBar);
    listLayout->addWidget(m_list, 1);
    m_html = new COrdoHtmlView(m_doc, m_styles, m_templates, m_inner);
    listPane->resize(400, 300);
    m_html->resize(400, 300);
    // What a screen reader calls each pane.
    m_tree->setAccessibleName(tr("Categories"));
    m_list->setAccessibleName(tr("Books"));
    m_html->setAccessibleName(tr("Book page"));
    m_paneFocus = new CPaneFocusMarker({m_tree, m_list, m_html}, this);

    m_outer->setStretchFactor(0, 0);
    m_outer->setStretchFactor(1, 1);
    m_outer->setSizes({200, 800});
    m_inner->setSizes({300, 300});
    installCentral(m_outer);

    m_router.setPanes({{m_tree, m_tree}, {m_list, m_list}, {m_html, m_html}});
    wirePanes();
}

void CMainFrame::wirePanes()
{
    connect(m_doc, &COrdoDoc::treeRefillRequested, m_tree, &COrdoTreeView::FillTree);
    connect(m_tree, &COrdoTreeView::categorySelected, m_list, &COrdoListView::LoadBooks);
    connect(m_tree, &COrdoTreeView::listReloadRequested, m_list, &COrdoListView::LoadBooks);
    connect(m_tree, &COrdoTreeView::removeBooksRequested, m_list, &COrdoListView::OnRemoveBook);
    connect(m_list, &COrdoListView::pasteRequested, m_tree,
            [this](const QMimeData *data) { m_tree->PasteData(data, false); });
    connect(m_list, &COrdoListView::showBookPageRequested, m_html, [this] { m_html->ShowBookPage(false); });
    connect(m_list, &COrdoListView::statusTextChanged, this, &CMainFrame::setBookCountText);
    connect(m_filterBar, &QLineEdit::textChanged, m_list, &COrdoListView::setFilterText);
    connect(m_filterBar, &CListFilterBar::focused, m_list, &COrdoListView::prepareFilter);
    connect(m_filterBar, &CListFilterBar::moveToListRequested, this, [this] {
        m_list->setFocus();
        if (!m_list->currentIndex().isValid() && m_list->model()->rowCount() > 0)
            m_list->selectRow(0);
    });
    connect(m_tree, &COrdoTreeView::contextMenuRequested, this, &CMainFrame::showContextPopup);
    connect(m_list, &COrdoListView::contextMenuRequested, this, &CMainFrame::showContextPopup);
    connect(m_html, &COrdoHtmlView::contextMenuRequested, this, &CMainFrame::showContextPopup);

    auto *editor = new CBookEditor(m_doc, this);
    editor->attachList(m_list);
    connect(editor->addBookCommand(), &CAddBookCommand::statusMessage, this,
            [this](const QString &text) { statusBar()->showMessage(text); });
}

void CMainFrame::onBasicSearch()
{
    if (!m_doc->hasConnection())
        return;
    CBasicSearchDlg dialog(this, m_doc->connection());
    if (dialog.exec() != QDialog::Accepted)
        return;
    switch (BasicSearch(*m_doc->connection(), dialog.criteria(), dialog.clearFirst(), m_doc->currentCategory())) {
    case BasicSearchOutcome::ReloadList:
    case BasicSearchOutcome::NoResultsReloadList:
        m_list->LoadBooks();
        break;
    case BasicSearchOutcome::SelectSearchResults:
        m_tree->SelectFixedEntry(kSearchResultsCategory);
        break;
    case BasicSearchOutcome::NoResults:
    case BasicSearchOutcome::Failed:
        break;
    }
}

void CMainFrame::onFilterList()
{
    // Ctrl+F again in the bar selects what is there, to type over it.
    m_filterBar->setFocus(Qt::ShortcutFocusReason);
    m_filterBar->selectAll();
}

void CMainFrame::onRunSql()
{
    if (!m_doc->hasConnection())
        return;
    // A statement the database refused comes back for correcting rather
    // than having to be typed again; Cancel ends the command.
    QString statement;
    for (;;) {
        CInputSQLDlg dialog(this);
        dialog.setSql(statement);
        if (dialog.exec() != QDialog::Accepted)
            return;
        statement = dialog.sql();
        const SqlRunResult result = CSqlRunProgress::Run(*m_doc->connection(), statement, this);
        ReportSqlRun(result);
        if (!result.ok)
            continue;
        if (result.recordsAffected != 0)
            m_doc->RefreshTree();
        return;
    }
}

void CMainFrame::onOptions()
{
    COptions sheet(m_doc->sharedConnection(), this);
    if (sheet.exec() != QDialog::Accepted)
        return;
    sheet.save(m_templates, m_html->currentTemplate());
}
