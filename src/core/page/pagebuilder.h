#pragma once

#include "pagejob.h"

#include <QObject>
#include <QThreadPool>
#include <memory>

// Runs page builds on worker threads. Starting a build cancels the one in
// progress: only the newest build reports, so the pane never shows an
// older selection after a newer one. Results arrive on the thread that owns
// the builder.
class CPageBuilder : public QObject
{
    Q_OBJECT

public:
    explicit CPageBuilder(QObject *parent = nullptr);
    // Cancels what runs and waits for the workers.
    ~CPageBuilder() override;

    // Starts a build; returns its serial number (increasing).
    int start(const PageJobRequest &request);
    // Cancels the build in progress; it will not report.
    void cancel();
    bool isBusy() const { return m_running != 0; }
    int currentSerial() const { return m_serial; }

signals:
    void progress(int serial, int done, int total);
    void finished(int serial, const PageJobResult &result);

private:
    void deliver(int serial, const PageJobResult &result);

    QThreadPool m_pool;
    std::shared_ptr<std::atomic_bool> m_cancel;
    int m_serial = 0;
    int m_running = 0;
};
