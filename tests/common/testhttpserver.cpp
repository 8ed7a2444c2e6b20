#include "testhttpserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QThread>
#include <QUrl>
#include <QUrlQuery>

namespace {

QString fromStd(const std::string &s)
{
    return QString::fromStdString(s);
}

// Query items as sent: split at "&" and "=", then percent-decoded ("+" is a
// plus sign, as our client never encodes a space as "+").
QList<QPair<QString, QString>> decodeQuery(const QByteArray &query)
{
    QList<QPair<QString, QString>> items;
    if (query.isEmpty())
        return items;
    for (const QByteArray &part : query.split('&')) {
        if (part.isEmpty())
            continue;
        const int eq = part.indexOf('=');
        const QByteArray key = eq < 0 ? part : part.left(eq);
        const QByteArray value = eq < 0 ? QByteArray() : part.mid(eq + 1);
        items << qMakePair(QUrl::fromPercentEncoding(key), QUrl::fromPercentEncoding(value));
    }
    return items;
}

} // namespace

QString TestHttpServer::Request::queryValue(const QString &key) const
{
    for (const auto &item : query) {
        if (item.first == key)
            return item.second;
    }
    return {};
}

bool TestHttpServer::Request::hasQueryItem(const QString &key) const
{
    for (const auto &item : query) {
        if (item.first == key)
            return true;
    }
    return false;
}

TestHttpServer::TestHttpServer(const QString &root) : m_root(fixturePath(root))
{
    auto dispatcher = [this](const httplib::Request &req, httplib::Response &res) { dispatch(req, res); };
    m_server.Get(".*", dispatcher);
    // Idle connections close at once, so stopping never waits for a client
    // that keeps one open; back-to-back requests still share a connection.
    m_server.set_keep_alive_timeout(0);
    m_server.set_tcp_nodelay(true);
    m_server.set_keep_alive_max_count(100000);
    m_port = m_server.bind_to_any_port("127.0.0.1");
    if (m_port <= 0) {
        m_port = 0;
        return;
    }
    m_thread = std::thread([this] { m_server.listen_after_bind(); });
    QElapsedTimer timer;
    timer.start();
    while (!m_server.is_running() && timer.elapsed() < 5000)
        QThread::msleep(1);
}

TestHttpServer::~TestHttpServer()
{
    m_stopping.store(true);
    m_server.stop();
    if (m_thread.joinable())
        m_thread.join();
}

QString TestHttpServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

QString TestHttpServer::fixturePath(const QString &relativePath)
{
    if (QDir::isAbsolutePath(relativePath))
        return relativePath;
    const QString base = QStringLiteral(ORDO_TEST_DATADIR "/online");
    return relativePath.isEmpty() ? base : base + QLatin1Char('/') + relativePath;
}

QByteArray TestHttpServer::readFixture(const QString &relativePath)
{
    QFile file(fixturePath(relativePath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray TestHttpServer::contentTypeFor(const QString &file)
{
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == QLatin1String("json"))
        return "application/json";
    if (suffix == QLatin1String("xml"))
        return "text/xml; charset=utf-8";
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return "text/html; charset=utf-8";
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return "image/jpeg";
    if (suffix == QLatin1String("gif"))
        return "image/gif";
    if (suffix == QLatin1String("png"))
        return "image/png";
    if (suffix == QLatin1String("webp"))
        return "image/webp";
    return "application/octet-stream";
}

void TestHttpServer::addRoute(const QString &route, Handler handler)
{
    Route r;
    const int q = route.indexOf(QLatin1Char('?'));
    r.path = q < 0 ? route : route.left(q);
    if (q >= 0) {
        // The route's query is written as text, not percent-encoded.
        for (const QString &part : route.mid(q + 1).split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
            const int eq = part.indexOf(QLatin1Char('='));
            r.query << qMakePair(eq < 0 ? part : part.left(eq), eq < 0 ? QString() : part.mid(eq + 1));
        }
    }
    r.handler = std::move(handler);
    QMutexLocker lock(&m_mutex);
    m_routes.prepend(std::move(r));
}

void TestHttpServer::serveFile(const QString &route, const QString &file, const QByteArray &contentType, int status)
{
    const QByteArray type = contentType.isEmpty() ? contentTypeFor(file) : contentType;
    const QString path = QDir::isAbsolutePath(file) ? file : m_root + QLatin1Char('/') + file;
    handle(route, [path, type, status](const httplib::Request &, httplib::Response &res) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            res.status = 500;
            res.set_content("fixture missing: " + path.toStdString(), "text/plain");
            return;
        }
        const QByteArray body = f.readAll();
        res.status = status;
        res.set_content(body.constData(), size_t(body.size()), type.toStdString());
    });
}

void TestHttpServer::serveData(const QString &route, const QByteArray &body, const QByteArray &contentType,
                               int status)
{
    handle(route, [body, contentType, status](const httplib::Request &, httplib::Response &res) {
        res.status = status;
        res.set_content(body.constData(), size_t(body.size()), contentType.toStdString());
    });
}

void TestHttpServer::redirect(const QString &route, const QString &location, int status)
{
    handle(route, [location, status](const httplib::Request &, httplib::Response &res) {
        res.set_redirect(location.toStdString(), status);
    });
}

void TestHttpServer::hang(const QString &route)
{
    handle(route, [this](const httplib::Request &, httplib::Response &res) {
        while (!stopping())
            QThread::msleep(10);
        res.status = 503;
    });
}

void TestHttpServer::handle(const QString &route, Handler handler)
{
    addRoute(route, std::move(handler));
}

void TestHttpServer::pause(int ms) const
{
    QElapsedTimer timer;
    timer.start();
    while (!stopping() && timer.elapsed() < ms)
        QThread::msleep(qMin<qint64>(10, ms - timer.elapsed() + 1));
}

QVector<TestHttpServer::Request> TestHttpServer::requests() const
{
    QMutexLocker lock(&m_mutex);
    return m_requests;
}

int TestHttpServer::requestCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_requests.size();
}

TestHttpServer::Request TestHttpServer::lastRequest() const
{
    QMutexLocker lock(&m_mutex);
    return m_requests.isEmpty() ? Request() : m_requests.last();
}

void TestHttpServer::clearRequests()
{
    QMutexLocker lock(&m_mutex);
    m_requests.clear();
}

void TestHttpServer::dispatch(const httplib::Request &req, httplib::Response &res)
{
    Request r;
    r.method = fromStd(req.method);
    r.rawTarget = QByteArray::fromStdString(req.target);
    const int q = r.rawTarget.indexOf('?');
    r.path = QUrl::fromPercentEncoding(q < 0 ? r.rawTarget : r.rawTarget.left(q));
    r.query = decodeQuery(q < 0 ? QByteArray() : r.rawTarget.mid(q + 1));
    r.userAgent = fromStd(req.get_header_value("User-Agent"));
    r.acceptEncoding = fromStd(req.get_header_value("Accept-Encoding"));

    Handler handler;
    {
        QMutexLocker lock(&m_mutex);
        m_requests << r;
        for (const Route &route : std::as_const(m_routes)) {
            if (route.path != r.path)
                continue;
            bool all = true;
            for (const auto &item : route.query) {
                if (!r.hasQueryItem(item.first) || r.queryValue(item.first) != item.second) {
                    all = false;
                    break;
                }
            }
            if (all) {
                handler = route.handler;
                break;
            }
        }
    }
    if (handler) {
        handler(req, res);
        return;
    }

    // A plain file under the root; never outside it.
    const QString clean = QDir::cleanPath(r.path);
    QFile file(m_root + clean);
    if (!clean.startsWith(QLatin1Char('/')) || clean.contains(QLatin1String("..")) || !QFileInfo(file).isFile() ||
        !file.open(QIODevice::ReadOnly)) {
        res.status = 404;
        res.set_content("<html><body><h1>404 Not Found</h1></body></html>", "text/html");
        return;
    }
    const QByteArray body = file.readAll();
    res.status = 200;
    res.set_content(body.constData(), size_t(body.size()), contentTypeFor(clean).toStdString());
}
