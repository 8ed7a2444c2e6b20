#include "online/addresskind.h"
#include "online/canceltoken.h"
#include "online/httpclient.h"
#include "testhttpserver.h"

#include <QElapsedTimer>
#include <QTemporaryFile>
#include <QTest>
#include <thread>
#include <zlib.h>

namespace {

COnlineSettings quickSettings()
{
    COnlineSettings s;
    s.requestGap = 0;
    s.contactEmail = QStringLiteral("books@example.org");
    return s;
}

// A body cut off after part bytes although length were announced.
void cutOff(httplib::Response &res, QByteArray body, size_t length)
{
    res.set_content_provider(length, "image/jpeg", [body](size_t offset, size_t, httplib::DataSink &sink) {
        if (offset >= size_t(body.size()))
            return false; // closes the connection mid-body
        sink.write(body.constData() + offset, size_t(body.size()) - offset);
        return true;
    });
}

QByteArray gzip(const QByteArray &data)
{
    z_stream z = {};
    deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&z, uLong(data.size()))) + 32, '\0');
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    z.avail_in = uInt(data.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    deflate(&z, Z_FINISH);
    out.resize(int(z.total_out));
    deflateEnd(&z);
    return out;
}

} // namespace

class HttpClientTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { CHttpClient::ResetHostGaps(); }

    void get_sendsEncodedAddressAndUserAgent()
    {
        TestHttpServer server(QStringLiteral("openlibrary"));
        CHttpClient client(quickSettings());
        const CHttpResponse r = client.Get(server.url(QStringLiteral("/books/OL1001M.json?q=caf%C3%A9%20%26%20%23x")));
        QVERIFY(r.ok());
        QCOMPARE(r.status, 200);
        QVERIFY(r.contentType.startsWith("application/json"));
        QVERIFY(r.body.contains("Café Cartography"));
        const auto req = server.lastRequest();
        QCOMPARE(req.path, QString("/books/OL1001M.json"));
        QCOMPARE(req.queryValue("q"), QString("café & #x"));
        QCOMPARE(req.userAgent, QString("Ordoteca/1.0 (https://ordoteca.example.org/; books@example.org)"));
        QVERIFY(req.acceptEncoding.contains("gzip"));

        COnlineSettings anonymous = quickSettings();
        anonymous.contactEmail.clear();
        QCOMPARE(CHttpClient(anonymous).UserAgent(), QString("Ordoteca/1.0 (https://ordoteca.example.org/)"));
    }

    void get_errorStatusIsNoAnswer()
    {
        TestHttpServer server(QStringLiteral("openlibrary"));
        server.serveData("/boom", "<html>Internal error</html>", "text/html", 500);
        server.handle("/busy", [](const httplib::Request &, httplib::Response &res) {
            res.status = 429;
            res.set_header("Retry-After", "7");
            res.set_content("slow down", "text/plain");
        });
        CHttpClient client(quickSettings());

        const CHttpResponse missing = client.Get(server.url("/nothing-here"));
        QVERIFY(missing.completed());
        QVERIFY(!missing.ok());
        QCOMPARE(missing.status, 404);

        const CHttpResponse boom = client.Get(server.url("/boom"));
        QVERIFY(!boom.ok());
        QCOMPARE(boom.status, 500);
        QCOMPARE(boom.body, QByteArray("<html>Internal error</html>"));

        const CHttpResponse busy = client.Get(server.url("/busy"));
        QVERIFY(!busy.ok());
        QCOMPARE(busy.status, 429);
        QCOMPARE(busy.retryAfter, 7);
    }

    void get_hungServerTimesOut()
    {
        TestHttpServer server;
        server.hang("/hang");
        COnlineSettings s = quickSettings();
        s.totalTimeout = 1;
        CHttpClient client(s);
        QElapsedTimer timer;
        timer.start();
        const CHttpResponse r = client.Get(server.url("/hang"));
        QCOMPARE(r.error, CHttpResponse::Error::TimedOut);
        QVERIFY(!r.ok());
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    }

    void get_stallGuardDropsADribblingServer()
    {
        TestHttpServer server;
        // Not a compressible type: the server would hold the bytes back to compress them.
        server.handle("/dribble", [&server](const httplib::Request &, httplib::Response &res) {
            res.set_chunked_content_provider("application/octet-stream", [&server](size_t, httplib::DataSink &sink) {
                sink.write("x", 1);
                server.pause(3000);
                return !server.stopping();
            });
        });
        COnlineSettings s = quickSettings();
        s.stallTimeout = 1;
        CHttpClient client(s);
        QElapsedTimer timer;
        timer.start();
        const CHttpResponse r = client.Get(server.url("/dribble"));
        QCOMPARE(r.error, CHttpResponse::Error::TimedOut);
        QVERIFY(timer.elapsed() < 5000);
    }

    void get_chunkedAndGzipBodiesArrive()
    {
        TestHttpServer server(QStringLiteral("openlibrary"));
        const QByteArray cover = TestHttpServer::readFixture("openlibrary/b/id/240726-L.jpg");
        server.handle("/chunked.jpg", [cover](const httplib::Request &, httplib::Response &res) {
            res.set_chunked_content_provider("image/jpeg", [cover](size_t offset, httplib::DataSink &sink) {
                if (offset < size_t(cover.size()))
                    sink.write(cover.constData() + offset, std::min<size_t>(1000, size_t(cover.size()) - offset));
                else
                    sink.done();
                return true;
            });
        });
        const QByteArray text = QString("Ελληνικά русский 中文 ").repeated(200).toUtf8();
        server.handle("/zipped", [text](const httplib::Request &, httplib::Response &res) {
            const QByteArray packed = gzip(text);
            res.set_header("Content-Encoding", "gzip");
            res.set_content(packed.constData(), size_t(packed.size()), "text/plain; charset=utf-8");
        });
        CHttpClient client(quickSettings());
        const CHttpResponse chunked = client.Get(server.url("/chunked.jpg"), CHttpClient::Kind::Cover);
        QVERIFY(chunked.ok());
        QCOMPARE(chunked.body, cover);
        const CHttpResponse zipped = client.Get(server.url("/zipped"));
        QVERIFY(zipped.ok());
        QCOMPARE(zipped.body, text);
    }

    void get_sizeCapsHoldWhileReceiving()
    {
        TestHttpServer server;
        const QByteArray big(5000, 'a');
        server.serveData("/big", big, "text/plain");
        server.handle("/big-chunked", [big](const httplib::Request &, httplib::Response &res) {
            res.set_chunked_content_provider("text/plain", [big](size_t offset, httplib::DataSink &sink) {
                if (offset < 50000)
                    sink.write(big.constData(), 1000);
                else
                    sink.done();
                return true;
            });
        });
        // A gzip bomb: small on the wire, large once unpacked.
        server.handle("/bomb", [](const httplib::Request &, httplib::Response &res) {
            const QByteArray packed = gzip(QByteArray(100000, '\0'));
            res.set_header("Content-Encoding", "gzip");
            res.set_content(packed.constData(), size_t(packed.size()), "text/plain");
        });
        COnlineSettings s = quickSettings();
        s.maxAnswerBytes = 4096;
        s.maxCoverBytes = 6000;
        CHttpClient client(s);
        QCOMPARE(client.Get(server.url("/big")).error, CHttpResponse::Error::TooLarge);
        QVERIFY(client.Get(server.url("/big")).body.isEmpty());
        QCOMPARE(client.Get(server.url("/big-chunked")).error, CHttpResponse::Error::TooLarge);
        QCOMPARE(client.Get(server.url("/bomb")).error, CHttpResponse::Error::TooLarge);
        // The cover cap is the larger one.
        QVERIFY(client.Get(server.url("/big"), CHttpClient::Kind::Cover).ok());
        QCOMPARE(client.Get(server.url("/big-chunked"), CHttpClient::Kind::Cover).error,
                 CHttpResponse::Error::TooLarge);
    }

    void get_followsAtMostFiveRedirects()
    {
        TestHttpServer server;
        for (int i = 1; i <= 6; ++i)
            server.redirect(QStringLiteral("/r%1").arg(i), server.url(QStringLiteral("/r%1").arg(i - 1)));
        server.serveData("/r0", "arrived", "text/plain");
        CHttpClient client(quickSettings());
        const CHttpResponse five = client.Get(server.url("/r5"));
        QVERIFY(five.ok());
        QCOMPARE(five.body, QByteArray("arrived"));
        QCOMPARE(five.effectiveUrl, server.url("/r0"));
        server.clearRequests();
        const CHttpResponse six = client.Get(server.url("/r6"));
        QCOMPARE(six.error, CHttpResponse::Error::TooManyRedirects);
        QVERIFY(!six.ok());
        QCOMPARE(server.requestCount(), 6);
    }

    void addressKinds_data()
    {
        QTest::addColumn<QString>("ip");
        QTest::addColumn<int>("kind");
        const int loopback = int(AddressKind::Loopback), lan = int(AddressKind::Private), pub = int(AddressKind::Public);
        QTest::newRow("127.0.0.1") << "127.0.0.1" << loopback;
        QTest::newRow("127.8.9.10") << "127.8.9.10" << loopback;
        QTest::newRow("::1") << "::1" << loopback;
        QTest::newRow("0.0.0.0") << "0.0.0.0" << loopback;
        QTest::newRow("mapped loopback") << "::ffff:127.0.0.1" << loopback;
        QTest::newRow("10/8") << "10.1.2.3" << lan;
        QTest::newRow("172.16/12") << "172.31.255.1" << lan;
        QTest::newRow("192.168/16") << "192.168.1.1" << lan;
        QTest::newRow("shared 100.64/10") << "100.100.1.1" << lan;
        QTest::newRow("cloud metadata") << "169.254.169.254" << lan;
        QTest::newRow("mapped private") << "::ffff:10.0.0.1" << lan;
        QTest::newRow("IPv6 unique local") << "fd12:3456::1" << lan;
        QTest::newRow("IPv6 link local") << "fe80::1" << lan;
        QTest::newRow("multicast") << "224.0.0.1" << lan;
        QTest::newRow("no address") << "router.local" << lan;
        QTest::newRow("public IPv4") << "93.184.216.34" << pub;
        QTest::newRow("172.32 is public") << "172.32.0.1" << pub;
        QTest::newRow("public IPv6") << "2606:4700::6810:84e5" << pub;
    }

    void addressKinds()
    {
        QFETCH(QString, ip);
        QFETCH(int, kind);
        QCOMPARE(int(AddressKindOf(ip)), kind);
    }

    // A service on a public address may not redirect into the computer or
    // the local network; within its own kind of address it may. The test
    // server on one port plays the public service, a second one on another
    // port of 127.0.0.1 what lies inside.
    void redirect_staysOnTheServicesKindOfAddress()
    {
        TestHttpServer service;
        TestHttpServer inside;
        inside.serveData("/secret", "router admin page", "text/plain");
        service.redirect("/inward", inside.url("/secret"));
        service.redirect("/along", service.url("/answer"));
        service.serveData("/answer", "public answer", "text/plain");
        const int publicPort = service.port();
        SetAddressClassifier([publicPort](const QString &ip, int port) {
            return port == publicPort ? AddressKind::Public : AddressKindOf(ip);
        });
        CHttpClient client(quickSettings());
        const CHttpResponse inward = client.Get(service.url("/inward"));
        SetAddressClassifier({});
        QCOMPARE(inward.error, CHttpResponse::Error::RefusedRedirect);
        QVERIFY(!inward.body.contains("router"));
        QVERIFY2(inward.errorText.contains(QString::number(inside.port())), qPrintable(inward.errorText));
        QCOMPARE(inside.requestCount(), 0);

        SetAddressClassifier([publicPort](const QString &ip, int port) {
            return port == publicPort ? AddressKind::Public : AddressKindOf(ip);
        });
        const CHttpResponse along = client.Get(service.url("/along"));
        SetAddressClassifier({});
        QVERIFY(along.ok());
        QCOMPARE(along.body, QByteArray("public answer"));

        // A service inside the computer (as the tests' own) may redirect
        // within it.
        QVERIFY(client.Get(service.url("/inward")).ok());
        QCOMPARE(inside.requestCount(), 1);
    }

    void get_onlyHttpAndHttpsAreUsed()
    {
        TestHttpServer server;
        QTemporaryFile secret;
        QVERIFY(secret.open());
        secret.write("secret data");
        secret.flush();
        server.redirect("/to-file", QStringLiteral("file://") + secret.fileName());
        server.redirect("/to-ftp", "ftp://127.0.0.1/x");
        CHttpClient client(quickSettings());
        const CHttpResponse toFile = client.Get(server.url("/to-file"));
        QCOMPARE(toFile.error, CHttpResponse::Error::RefusedScheme);
        QVERIFY(!toFile.body.contains("secret"));
        QCOMPARE(client.Get(server.url("/to-ftp")).error, CHttpResponse::Error::RefusedScheme);
        QCOMPARE(client.Get(QStringLiteral("file://") + secret.fileName()).error, CHttpResponse::Error::RefusedScheme);
        QCOMPARE(client.Get("gopher://127.0.0.1/").error, CHttpResponse::Error::RefusedScheme);
    }

    void get_resetMidBodyIsAFailure()
    {
        TestHttpServer server;
        server.handle("/cut", [](const httplib::Request &, httplib::Response &res) {
            cutOff(res, QByteArray(3000, 'j'), 10000);
        });
        CHttpClient client(quickSettings());
        const CHttpResponse r = client.Get(server.url("/cut"), CHttpClient::Kind::Cover);
        QCOMPARE(r.error, CHttpResponse::Error::Network);
        QVERIFY(!r.ok());
        QVERIFY(r.body.isEmpty());
    }

    void get_nothingListeningIsANetworkFailure()
    {
        int port = 0;
        {
            TestHttpServer gone;
            port = gone.port();
        }
        CHttpClient client(quickSettings());
        const CHttpResponse r = client.Get(QStringLiteral("http://127.0.0.1:%1/x").arg(port));
        QCOMPARE(r.error, CHttpResponse::Error::Network);
        QVERIFY(!r.errorText.isEmpty());
    }

    void get_cancelAbortsARunningTransferPromptly()
    {
        TestHttpServer server;
        server.hang("/hang");
        CCancelToken token;
        COnlineSettings s = quickSettings();
        CHttpClient client(s, &token);
        CHttpResponse r;
        QElapsedTimer timer;
        timer.start();
        std::thread worker([&] { r = client.Get(server.url("/hang")); });
        QTest::qWait(300);
        const qint64 cancelledAt = timer.elapsed();
        token.cancel();
        worker.join();
        QCOMPARE(r.error, CHttpResponse::Error::Cancelled);
        QVERIFY2(timer.elapsed() - cancelledAt < 500, qPrintable(QString::number(timer.elapsed() - cancelledAt)));

        // A tripped token stops the next request before it is sent.
        server.clearRequests();
        QCOMPARE(client.Get(server.url("/hang")).error, CHttpResponse::Error::Cancelled);
        QCOMPARE(server.requestCount(), 0);
        token.reset();
        QCOMPARE(client.Get(server.url("/missing")).status, 404);
    }

    void get_keepsTheGapBetweenRequestsToOneHost()
    {
        TestHttpServer server;
        server.serveData("/a", "a", "text/plain");
        COnlineSettings s = quickSettings();
        s.requestGap = 300;
        CHttpClient client(s);
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 3; ++i)
            QVERIFY(client.Get(server.url("/a")).ok());
        QVERIFY2(timer.elapsed() >= 600, qPrintable(QString::number(timer.elapsed())));

        // A cancel ends the wait.
        CCancelToken token;
        CHttpClient waiting(s, &token);
        token.cancel();
        timer.restart();
        QCOMPARE(waiting.Get(server.url("/a")).error, CHttpResponse::Error::Cancelled);
        QVERIFY(timer.elapsed() < 200);
    }
};

QTEST_GUILESS_MAIN(HttpClientTest)
#include "httpclient_test.moc"
