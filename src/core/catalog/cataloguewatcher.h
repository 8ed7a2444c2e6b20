#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <memory>

class Connection;
class QSocketNotifier;

// Hears about changes other people make to a shared catalogue and reports
// the tables they touched, a burst of saves as one report. Does nothing for
// a file catalogue.
class CCatalogueWatcher : public QObject
{
    Q_OBJECT

public:
    explicit CCatalogueWatcher(QObject *parent = nullptr);
    ~CCatalogueWatcher() override;

    // Starts watching connection (null or a file: stops). Call again after a
    // reconnect: the connection's socket changes with it.
    void watch(std::shared_ptr<Connection> connection);
    bool isWatching() const { return m_notifier != nullptr; }

    // How long after the first notice the report goes out, gathering the rest.
    static constexpr int kCoalesceMs = 150;
    // Notices read by the connection's own calls no longer wake the socket;
    // a slow look catches them.
    static constexpr int kPollMs = 1000;

signals:
    void changed(const QStringList &tables);
    // The server went away; watching stops until watch() is called again.
    void connectionLost();

private:
    void onActivity();
    void report();
    void stop();

    std::weak_ptr<Connection> m_connection;
    QSocketNotifier *m_notifier = nullptr;
    QTimer m_coalesce;
    QTimer m_poll;
};
