#pragma once

#include <httplib.h>

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QPair>
#include <QString>
#include <QVector>
#include <atomic>
#include <functional>
#include <thread>

// An HTTP server on 127.0.0.1 (a free port) running in the test process.
// It answers from routes set by the test and otherwise from files under a
// fixture folder (a request for /books/OL1M.json serves <root>/books/OL1M.json),
// 404 for anything else, and records every request it gets.
//
// A route is a path with an optional query: "/api/books?bibkeys=ISBN:0596000278"
// matches a GET of /api/books whose decoded query holds every listed value
// (other parameters may be present). The route set last wins.
class TestHttpServer
{
public:
    struct Request
    {
        QString method;
        QString path;                            // decoded
        QList<QPair<QString, QString>> query;    // decoded, in the order sent
        QByteArray rawTarget;                    // path and query exactly as sent
        QString userAgent;
        QString acceptEncoding;

        QString queryValue(const QString &key) const;
        bool hasQueryItem(const QString &key) const;
    };

    using Handler = std::function<void(const httplib::Request &, httplib::Response &)>;

    // root: the fixture folder; relative to tests/data/online when not absolute.
    explicit TestHttpServer(const QString &root = QString());
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer &) = delete;
    TestHttpServer &operator=(const TestHttpServer &) = delete;

    bool isRunning() const { return m_port > 0; }
    int port() const { return m_port; }
    QString baseUrl() const; // "http://127.0.0.1:<port>", no trailing "/"
    QString url(const QString &pathAndQuery) const { return baseUrl() + pathAndQuery; }

    // A fixture file (relative to the root) with the content type from its
    // extension unless one is given.
    void serveFile(const QString &route, const QString &file, const QByteArray &contentType = {}, int status = 200);
    void serveData(const QString &route, const QByteArray &body, const QByteArray &contentType, int status = 200);
    void redirect(const QString &route, const QString &location, int status = 302);
    // Accepts the request and never answers (until the server stops).
    void hang(const QString &route);
    void handle(const QString &route, Handler handler);

    QVector<Request> requests() const;
    int requestCount() const;
    Request lastRequest() const;
    void clearRequests();

    // True once the server is shutting down: handlers that wait or dribble
    // must return when they see it.
    bool stopping() const { return m_stopping.load(); }
    // Sleeps up to ms milliseconds, less when the server stops.
    void pause(int ms) const;

    // Fixture bytes from tests/data/online (or an absolute path).
    static QByteArray readFixture(const QString &relativePath);
    static QString fixturePath(const QString &relativePath);
    static QByteArray contentTypeFor(const QString &file);

private:
    struct Route
    {
        QString path;
        QList<QPair<QString, QString>> query;
        Handler handler;
    };

    void dispatch(const httplib::Request &req, httplib::Response &res);
    void addRoute(const QString &route, Handler handler);

    httplib::Server m_server;
    std::thread m_thread;
    QString m_root;
    int m_port = 0;
    std::atomic<bool> m_stopping{false};
    mutable QMutex m_mutex;
    QVector<Route> m_routes;
    QVector<Request> m_requests;
};
