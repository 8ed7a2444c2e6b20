#include "onlinequeryresultsdlg.h"
#include "ui_onlinequeryresultsdlg.h"

#include "app/messenger.h"
#include "app/strings.h"
#include "lookupprogressdlg.h"
#include "online/canceltoken.h"
#include "uithreadmessenger.h"

#include <QEventLoop>
#include <QHeaderView>
#include <QPushButton>
#include <QThread>

namespace {

enum Column { ColIsbn, ColTitle, ColAuthor, ColPublisher, ColEdition };

} // namespace

COnlineQueryResultsDlg::COnlineQueryResultsDlg(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::COnlineQueryResultsDlg>())
{
    ui->setupUi(this);
    ui->listResults->setAccessibleName(tr("Books found"));
    ui->listResults->setTabKeyNavigation(false);
    // The paging buttons show arrows; a screen reader and the tooltip say what they do.
    const std::pair<QPushButton *, QString> paging[] = {{ui->buttonFirst, tr("First page")},
                                                       {ui->buttonPrevious, tr("Previous page")},
                                                       {ui->buttonNext, tr("Next page")},
                                                       {ui->buttonLast, tr("Last page")}};
    for (const auto &[button, name] : paging) {
        button->setAccessibleName(name);
        button->setToolTip(name);
    }
    QTableWidget *list = ui->listResults;
    list->setHorizontalHeaderLabels({LoadStr(IDS_COLUMN_ISBN), LoadStr(IDS_COLUMN_TITLE),
                                     LoadStr(IDS_COLUMN_AUTHOR), LoadStr(IDS_COLUMN_PUBLISHER),
                                     LoadStr(IDS_COLUMN_EDITION)});
    // Wide enough for an ISBN-13 in the list's own font.
    list->setColumnWidth(ColIsbn,
                         list->fontMetrics().horizontalAdvance(QStringLiteral("9780000000000")) + 16);
    list->setColumnWidth(ColTitle, 280);
    list->setColumnWidth(ColAuthor, 80);
    list->setColumnWidth(ColPublisher, 80);
    list->setColumnWidth(ColEdition, 80);
    list->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    ui->buttonFirst->setToolTip(LoadStr(IDS_FIRST_PAGE));
    ui->buttonPrevious->setToolTip(LoadStr(IDS_PREVIOUS_PAGE));
    ui->buttonNext->setToolTip(LoadStr(IDS_NEXT_PAGE));
    ui->buttonLast->setToolTip(LoadStr(IDS_LAST_PAGE));
    connect(ui->buttonFirst, &QPushButton::clicked, this, &COnlineQueryResultsDlg::OnFirstPage);
    connect(ui->buttonPrevious, &QPushButton::clicked, this, &COnlineQueryResultsDlg::OnPreviousPage);
    connect(ui->buttonNext, &QPushButton::clicked, this, &COnlineQueryResultsDlg::OnNextPage);
    connect(ui->buttonLast, &QPushButton::clicked, this, &COnlineQueryResultsDlg::OnLastPage);

    ui->buttonBox->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &COnlineQueryResultsDlg::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &COnlineQueryResultsDlg::reject);
    connect(list, &QTableWidget::itemDoubleClicked, this, &COnlineQueryResultsDlg::accept);
}

COnlineQueryResultsDlg::~COnlineQueryResultsDlg()
{
    if (m_worker && m_token)
        m_token->cancel();
    waitForWorker();
}

void COnlineQueryResultsDlg::setQuery(IKeywordChooser::Query query, CCancelToken *token)
{
    m_query = std::move(query);
    m_token = token;
}

void COnlineQueryResultsDlg::setFirstPage(const CSearchPage &page)
{
    m_currentPage = 1;
    showPage(page);
}

int COnlineQueryResultsDlg::exec()
{
    if (m_currentPage == 0 && prepareQuery(1)) {
        // The first page decides whether the window shows at all, so it is
        // queried under the small progress window, which can cancel it.
        CSearchPage result;
        CLookupProgressDlg progress(parentWidget());
        progress.setCancelToken(m_token);
        progress.runJob([&] { result = m_query(1); });
        if (progress.wasCancelled()) {
            setResult(Rejected);
            return Rejected;
        }
        showPage(result);
    }
    const int rows = ui->listResults->rowCount();
    if (rows == 0) {
        setResult(Rejected);
        return Rejected;
    }
    if (rows == 1) {
        m_chosen = m_rows.value(0);
        setResult(Accepted);
        return Accepted;
    }
    ui->listResults->setFocus();
    return QDialog::exec();
}

bool COnlineQueryResultsDlg::prepareQuery(int page)
{
    if (!m_query || m_worker)
        return false;
    ui->listResults->setRowCount(0);
    m_currentPage = page;
    ++m_queryCount;
    if (m_token)
        m_token->reset();
    return true;
}

void COnlineQueryResultsDlg::RunQuery(int page)
{
    if (!prepareQuery(page))
        return;
    auto result = std::make_shared<CSearchPage>();
    m_worker = QThread::create([result, query = m_query, page] {
        CUiThreadMessenger toUiThread;
        CThreadMessengerScope scope(&toUiThread);
        *result = query(page);
    });
    connect(m_worker, &QThread::finished, this, [this, result] {
        m_worker->deleteLater();
        m_worker = nullptr;
        setBusy(false);
        // A query cancelled by closing the window shows nothing.
        if (!(m_token && m_token->isCancelled()))
            showPage(*result);
        emit queryFinished();
    });
    setBusy(true);
    m_worker->start();
}

void COnlineQueryResultsDlg::setBusy(bool busy)
{
    for (QPushButton *button : {ui->buttonFirst, ui->buttonPrevious, ui->buttonNext, ui->buttonLast})
        button->setEnabled(!busy);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(!busy);
}

void COnlineQueryResultsDlg::showPage(const CSearchPage &result)
{
    QTableWidget *list = ui->listResults;
    list->setRowCount(0);
    m_rows.clear();
    // The query has shown its failure or empty page already.
    if (!result.message.isEmpty())
        m_messageText = result.message;
    ui->labelStatus->setText(result.statusLine);
    if (result.outcome != LookupOutcome::Found)
        return;
    m_totalPages = result.totalPages;
    m_rows = result.rows;
    // The service's order: the most relevant item first, and selected.
    list->setRowCount(int(result.rows.size()));
    for (int row = 0; row < result.rows.size(); ++row) {
        const CSearchRow &item = result.rows.at(row);
        const QString texts[] = {item.isbn, item.title, item.author, item.publisher, item.releaseDate};
        for (int column = ColIsbn; column <= ColEdition; ++column) {
            auto *cell = new QTableWidgetItem(texts[column]);
            cell->setToolTip(texts[column]);
            list->setItem(row, column, cell);
        }
    }
    if (list->rowCount() == 0)
        return;
    list->selectRow(0);
    list->setCurrentCell(0, ColIsbn);
    list->setFocus();
}

void COnlineQueryResultsDlg::accept()
{
    if (m_worker)
        return;
    const QList<QTableWidgetItem *> selected = ui->listResults->selectedItems();
    if (selected.isEmpty()) {
        messenger().showMessage(LoadStr(IDS_SELECT_ONE_ITEM));
        return;
    }
    m_chosen = m_rows.value(selected.first()->row());
    QDialog::accept();
}

void COnlineQueryResultsDlg::reject()
{
    m_chosen = CSearchRow();
    if (m_worker && m_token)
        m_token->cancel();
    waitForWorker();
    QDialog::reject();
}

void COnlineQueryResultsDlg::waitForWorker()
{
    if (!m_worker)
        return;
    QEventLoop loop;
    connect(this, &COnlineQueryResultsDlg::queryFinished, &loop, &QEventLoop::quit);
    loop.exec();
}

void COnlineQueryResultsDlg::OnFirstPage()
{
    if (m_currentPage != 1)
        RunQuery(1);
}

void COnlineQueryResultsDlg::OnPreviousPage()
{
    if (m_currentPage > 1)
        RunQuery(m_currentPage - 1);
}

void COnlineQueryResultsDlg::OnNextPage()
{
    if (m_currentPage < m_totalPages)
        RunQuery(m_currentPage + 1);
}

void COnlineQueryResultsDlg::OnLastPage()
{
    if (m_totalPages > 0 && m_currentPage != m_totalPages)
        RunQuery(m_totalPages);
}
