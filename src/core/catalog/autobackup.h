#pragma once

#include <QObject>
#include <QString>

class QThread;

// Makes the automatic backup of a catalogue on a worker thread when one is
// due, so that opening a catalogue never waits for it.
class CAutoBackup : public QObject
{
    Q_OBJECT

public:
    explicit CAutoBackup(QObject *parent = nullptr);
    ~CAutoBackup() override; // waits for a running backup

    // Starts a backup of catalogPath when one is due and none is running;
    // true when one was started.
    bool startIfDue(const QString &catalogPath);
    bool isRunning() const;
    void waitForFinished();

signals:
    // On the thread that owns this object; message is the error when !ok.
    void finished(bool ok, const QString &message);

private:
    QThread *m_worker = nullptr;
};
