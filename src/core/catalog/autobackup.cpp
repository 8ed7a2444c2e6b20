#include "autobackup.h"

#include "cataloguebackup.h"

#include <QThread>

CAutoBackup::CAutoBackup(QObject *parent) : QObject(parent) {}

CAutoBackup::~CAutoBackup()
{
    waitForFinished();
    delete m_worker;
}

bool CAutoBackup::isRunning() const
{
    return m_worker && !m_worker->isFinished();
}

void CAutoBackup::waitForFinished()
{
    if (m_worker)
        m_worker->wait();
}

bool CAutoBackup::startIfDue(const QString &catalogPath)
{
    if (isRunning() || !CCatalogueBackup::IsDue(catalogPath))
        return false;
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
    m_worker = QThread::create([this, catalogPath] {
        QString error;
        const bool ok = CCatalogueBackup::Make(catalogPath, &error);
        QMetaObject::invokeMethod(
            this, [this, ok, error] { emit finished(ok, error); }, Qt::QueuedConnection);
    });
    m_worker->start(QThread::LowPriority);
    return true;
}
