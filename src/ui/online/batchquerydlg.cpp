#include "batchquerydlg.h"
#include "online/batchfill.h"
#include "ui_batchquerydlg.h"

#include "app/messenger.h"
#include "app/strings.h"
#include "catalog/connection.h"
#include "online/isbnlist.h"
#include "uithreadmessenger.h"
#include "widgets/dialogfilter.h"
#include "widgets/savefiledialog.h"

#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHeaderView>
#include <QThread>

namespace {

enum Column { ColIsbn, ColTitle };

} // namespace

CBatchQueryDlg::CBatchQueryDlg(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CBatchQueryDlg>()), m_saveDialog(AskTextFileToSave)
{
    ui->setupUi(this);
    ui->listQueue->setAccessibleName(tr("ISBNs and what was found"));
    // Tab goes on to the buttons rather than from cell to cell.
    ui->listQueue->setTabKeyNavigation(false);
    ui->listQueue->setHorizontalHeaderLabels({LoadStr(IDS_COLUMN_ISBN), LoadStr(IDS_COLUMN_TITLE)});
    ui->listQueue->setColumnWidth(ColIsbn, 180);
    ui->listQueue->setColumnWidth(ColTitle, 270);
    ui->listQueue->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(ui->buttonStart, &QPushButton::clicked, this, &CBatchQueryDlg::OnStart);
    connect(ui->buttonCancel, &QPushButton::clicked, this, &CBatchQueryDlg::reject);
    connect(ui->buttonCopyFailedIsbns, &QPushButton::clicked, this, &CBatchQueryDlg::OnCopyFailedIsbns);
    connect(ui->buttonSaveFailedIsbns, &QPushButton::clicked, this, &CBatchQueryDlg::OnSaveFailedIsbns);
    // Only an ended batch has ISBNs to try again.
    ui->buttonCopyFailedIsbns->hide();
    ui->buttonSaveFailedIsbns->hide();
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &CBatchQueryDlg::onTimer);
    m_record.cancelToken = &m_cancel;
}

CBatchQueryDlg::~CBatchQueryDlg()
{
    // Only reached with a running worker when the window is destroyed
    // without closing; the worker must not outlive what it uses.
    if (m_worker) {
        m_runState = Stopping;
        m_cancel.cancel();
        QEventLoop loop;
        connect(this, &CBatchQueryDlg::workerFinished, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void CBatchQueryDlg::setQueue(const QStringList &isbns)
{
    for (const QString &isbn : isbns) {
        m_queue << isbn;
        const int row = ui->listQueue->rowCount();
        ui->listQueue->insertRow(row);
        ui->listQueue->setItem(row, ColIsbn, new QTableWidgetItem(isbn));
        ui->listQueue->setItem(row, ColTitle, new QTableWidgetItem());
    }
}

void CBatchQueryDlg::setTarget(CategoryId categoryId, std::shared_ptr<Connection> connection,
                               const QString &imagesFolder)
{
    m_categoryId = categoryId;
    m_connection = std::move(connection);
    m_imagesFolder = imagesFolder;
}

int CBatchQueryDlg::rowCount() const
{
    return ui->listQueue->rowCount();
}

QString CBatchQueryDlg::rowIsbn(int row) const
{
    const QTableWidgetItem *item = ui->listQueue->item(row, ColIsbn);
    return item ? item->text() : QString();
}

QString CBatchQueryDlg::rowTitle(int row) const
{
    const QTableWidgetItem *item = ui->listQueue->item(row, ColTitle);
    return item ? item->text() : QString();
}

QString CBatchQueryDlg::statusText() const
{
    return ui->labelStatus->text();
}

int CBatchQueryDlg::progress() const
{
    return ui->progressBar->value();
}

void CBatchQueryDlg::setRowResult(int row, const QString &text, CBatchItemResult::Kind kind)
{
    if (row < m_rowKinds.size())
        m_rowKinds[row] = kind;
    if (QTableWidgetItem *item = ui->listQueue->item(row, ColTitle)) {
        item->setText(text);
        item->setToolTip(text);
    }
    ui->listQueue->scrollToItem(ui->listQueue->item(row, ColIsbn));
}

void CBatchQueryDlg::OnStart()
{
    if (m_runState != NotStarted)
        return;
    if (rowCount() == 0) {
        messenger().showMessage(LoadStr(IDS_QUERY_QUEUE_EMPTY));
        return;
    }
    ui->buttonStart->setEnabled(false);
    ui->checkAddDuplicates->setEnabled(false);
    m_addDuplicates = ui->checkAddDuplicates->isChecked();
    m_runState = Running;
    m_timer.start();
    if (m_queue.size() != rowCount()) {
        m_queue.clear();
        for (int row = 0; row < rowCount(); ++row)
            m_queue << rowIsbn(row);
    }
    m_total = int(m_queue.size());
    m_rowKinds.fill(CBatchItemResult::Cancelled, m_total);
    m_currentIndex = 0;
    m_cancel.reset();
    m_worker = QThread::create([this] { runWorker(); });
    m_worker->start();
}

// The worker thread: touches no widget; rows change through queued calls.
void CBatchQueryDlg::runWorker()
{
    CBatchTarget target;
    target.categoryId = m_categoryId;
    target.imagesFolder = m_imagesFolder;
    target.connection = m_connection.get();
    target.addDuplicates = m_addDuplicates;

    bool stopped = false;
    for (int index = 0; index < m_total; ++index) {
        const CBatchItemResult result =
            index < m_fillBookIds.size()
                ? LookUpAndFillBook(m_record, m_queue.at(index), m_fillBookIds.at(index), target)
                : LookUpAndSaveIsbn(m_record, m_queue.at(index), target);
        if (result.kind != CBatchItemResult::Cancelled) {
            QMetaObject::invokeMethod(
                this, [this, index, result] { setRowResult(index, result.rowText, result.kind); },
                Qt::QueuedConnection);
        }
        if (result.fatal) {
            QMetaObject::invokeMethod(&m_timer, qOverload<>(&QTimer::stop), Qt::QueuedConnection);
            CUiThreadMessenger().showMessage(LoadStr(IDS_FATAL_ERROR_JOB_CANCELLED), IMessenger::Icon::Error);
            m_runState = Stopping;
        }
        m_currentIndex = index + 1;
        if (m_runState == Stopping) {
            stopped = true;
            break;
        }
    }
    QMetaObject::invokeMethod(
        this, [this, stopped] { onWorkerEnded(stopped); }, Qt::QueuedConnection);
}

void CBatchQueryDlg::onWorkerEnded(bool stopped)
{
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
    m_timer.stop();
    if (!stopped)
        ui->progressBar->setValue(100);
    m_stopped = stopped;
    m_runState = Ended;
    // The outcome stays on screen until the user has seen it.
    ui->labelStatus->setText(summaryText());
    ui->buttonCancel->setText(tr("&Close"));
    ui->buttonCancel->setEnabled(true);
    ui->buttonCancel->setDefault(true);
    ui->buttonCancel->setFocus();
    const bool anyFailed = !failedIsbns().isEmpty();
    for (QPushButton *button : {ui->buttonCopyFailedIsbns, ui->buttonSaveFailedIsbns}) {
        button->show();
        button->setEnabled(anyFailed);
    }
    emit workerFinished();
}

QString CBatchQueryDlg::summaryText() const
{
    int counts[CBatchItemResult::Cancelled + 1] = {};
    for (const CBatchItemResult::Kind kind : m_rowKinds)
        ++counts[kind];
    // What was saved is always named, so that "0 added" is said too.
    QStringList parts;
    const int saved = counts[CBatchItemResult::Saved];
    parts << (m_fillBookIds.isEmpty() ? tr("%n added", nullptr, saved) : tr("%n updated", nullptr, saved));
    if (const int n = counts[CBatchItemResult::Duplicate])
        parts << tr("%n already in the catalogue", nullptr, n);
    if (const int n = counts[CBatchItemResult::NotFound])
        parts << tr("%n not found", nullptr, n);
    if (const int n = counts[CBatchItemResult::Failed])
        parts << tr("%n failed", nullptr, n);
    if (const int n = counts[CBatchItemResult::Cancelled])
        parts << tr("%n not looked up", nullptr, n);
    return parts.join(tr(", ", "between the parts of the batch summary"));
}

QStringList CBatchQueryDlg::failedIsbns() const
{
    QStringList isbns;
    if (m_runState != Ended)
        return isbns;
    for (int row = 0; row < m_rowKinds.size(); ++row) {
        const CBatchItemResult::Kind kind = m_rowKinds.at(row);
        if (kind == CBatchItemResult::NotFound || kind == CBatchItemResult::Failed ||
            kind == CBatchItemResult::Cancelled)
            isbns << m_queue.value(row);
    }
    return isbns;
}

void CBatchQueryDlg::OnCopyFailedIsbns()
{
    const QStringList isbns = failedIsbns();
    if (!isbns.isEmpty())
        QGuiApplication::clipboard()->setText(isbns.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void CBatchQueryDlg::OnSaveFailedIsbns()
{
    const QStringList isbns = failedIsbns();
    if (isbns.isEmpty())
        return;
    const QString path = m_saveDialog(this, DialogFilter(LoadStr(IDS_FILTER_TEXT)));
    if (path.isEmpty())
        return;
    // The same file the Add Book dialog loads, for another try.
    if (!WriteIsbnListFile(path, isbns.join(QLatin1Char('\n')))) {
        messenger().showMessage(LoadStr(IDS_CANNOT_OPEN_FOR_WRITING));
        return;
    }
    messenger().showMessage(LoadStr(IDS_FILE_SAVED), IMessenger::Icon::Information);
}

void CBatchQueryDlg::onTimer()
{
    if (m_total > 0)
        ui->progressBar->setValue(m_currentIndex * 100 / m_total);
    const QString status = m_record.statusText.get();
    if (ui->labelStatus->text() != status)
        ui->labelStatus->setText(status);
}

void CBatchQueryDlg::reject()
{
    switch (m_runState.load()) {
    case NotStarted:
        QDialog::reject();
        return;
    case Running:
        m_timer.stop();
        ui->labelStatus->setText(tr("Finishing off, please wait..."));
        m_runState = Stopping;
        ui->buttonCancel->setEnabled(false);
        QTimer::singleShot(kCancelGraceMs, this, [this] {
            if (m_worker)
                m_cancel.cancel();
        });
        return;
    case Ended:
        done(m_stopped ? Rejected : Accepted);
        return;
    default:
        // Stopping: Close comes when the worker has stopped.
        return;
    }
}
