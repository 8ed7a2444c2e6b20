#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

namespace Ui {
class CLookupProgressDlg;
}
class CCancelToken;

// The small modal window shown while a lookup runs on a worker thread: the
// lookup's status text and a Cancel button that trips the lookup's cancel
// token, which aborts the transfer under way. The window stays until the
// worker has returned, so whatever the job uses outlives it.
class CLookupProgressDlg : public QDialog
{
    Q_OBJECT

public:
    using Job = std::function<void()>;
    using StatusSource = std::function<QString()>;

    explicit CLookupProgressDlg(QWidget *parent = nullptr);
    ~CLookupProgressDlg() override;

    // Polled every 100 ms on this thread; must be safe to call while the job runs.
    void setStatusSource(StatusSource source) { m_status = std::move(source); }
    void setCancelToken(CCancelToken *token) { m_token = token; }

    // Runs job on a new thread and this window modally until it returns.
    // Messages the job shows reach the user through the user-interface thread.
    void runJob(const Job &job);

    bool isRunning() const { return m_running; }
    bool wasCancelled() const { return m_cancelled; }
    QString statusText() const;

public slots:
    // Cancel, Esc and the close box: cancel the job; the window closes when
    // the job has returned.
    void reject() override;

private:
    void refreshStatus();

    std::unique_ptr<Ui::CLookupProgressDlg> ui;
    StatusSource m_status;
    CCancelToken *m_token = nullptr;
    QTimer m_poll;
    bool m_running = false;
    bool m_cancelled = false;
};
