#include "lookupprogressdlg.h"
#include "ui_lookupprogressdlg.h"

#include "online/canceltoken.h"
#include "uithreadmessenger.h"

#include <QEventLoop>
#include <QPushButton>
#include <QThread>

CLookupProgressDlg::CLookupProgressDlg(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CLookupProgressDlg>())
{
    ui->setupUi(this);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &CLookupProgressDlg::reject);
    m_poll.setInterval(100);
    connect(&m_poll, &QTimer::timeout, this, &CLookupProgressDlg::refreshStatus);
}

CLookupProgressDlg::~CLookupProgressDlg() = default;

QString CLookupProgressDlg::statusText() const
{
    return ui->labelStatus->text();
}

void CLookupProgressDlg::refreshStatus()
{
    if (!m_status)
        return;
    const QString text = m_status();
    if (ui->labelStatus->text() != text)
        ui->labelStatus->setText(text);
}

void CLookupProgressDlg::runJob(const Job &job)
{
    m_running = true;
    m_cancelled = false;
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setEnabled(true);
    refreshStatus();
    std::unique_ptr<QThread> thread(QThread::create([job] {
        CUiThreadMessenger toUiThread;
        CThreadMessengerScope scope(&toUiThread);
        job();
    }));
    // A loop of our own rather than exec(): the job may hide this window for
    // a while (to show the results of a search), which would end exec().
    QEventLoop loop;
    connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    setWindowModality(Qt::ApplicationModal);
    m_poll.start();
    thread->start();
    show();
    loop.exec();
    m_poll.stop();
    m_running = false;
    hide();
    setResult(m_cancelled ? Rejected : Accepted);
    thread->wait();
}

void CLookupProgressDlg::reject()
{
    if (!m_running) {
        QDialog::reject();
        return;
    }
    m_cancelled = true;
    if (m_token)
        m_token->cancel();
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setEnabled(false);
}
