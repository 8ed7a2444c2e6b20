#include "cataloguewatcher.h"

#include "connection.h"

#include <QSocketNotifier>

CCatalogueWatcher::CCatalogueWatcher(QObject *parent) : QObject(parent)
{
    m_coalesce.setSingleShot(true);
    m_coalesce.setInterval(kCoalesceMs);
    connect(&m_coalesce, &QTimer::timeout, this, &CCatalogueWatcher::report);
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, &CCatalogueWatcher::report);
}

CCatalogueWatcher::~CCatalogueWatcher() = default;

void CCatalogueWatcher::stop()
{
    delete m_notifier;
    m_notifier = nullptr;
    m_coalesce.stop();
    m_poll.stop();
    m_connection.reset();
}

void CCatalogueWatcher::watch(std::shared_ptr<Connection> connection)
{
    stop();
    if (!connection || !connection->isShared() || connection->changeSocket() < 0)
        return;
    m_connection = connection;
    // Whatever arrived before now belongs to the state the caller just read.
    connection->takeChanges();
    m_notifier = new QSocketNotifier(connection->changeSocket(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CCatalogueWatcher::onActivity);
    m_poll.start();
}

void CCatalogueWatcher::onActivity()
{
    // The socket stays readable until the report reads it: quiet until then.
    if (m_notifier)
        m_notifier->setEnabled(false);
    if (!m_coalesce.isActive())
        m_coalesce.start();
}

void CCatalogueWatcher::report()
{
    const std::shared_ptr<Connection> connection = m_connection.lock();
    if (!connection) {
        stop();
        return;
    }
    const QStringList tables = connection->takeChanges();
    if (connection->isConnectionLost()) {
        stop();
        emit connectionLost();
        return;
    }
    if (m_notifier)
        m_notifier->setEnabled(true);
    if (!tables.isEmpty())
        emit changed(tables);
}
