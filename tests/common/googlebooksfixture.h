#pragma once

#include "onlinefixture.h"

// Google Books on a local test server, answering from the hand-written
// fixtures of tests/data/online/googlebooks ("{{SERVER}}" in them becomes the
// server's address), with settings that choose Google Books.
//
// Known: ISBN 0975133438 / 9780975133439 (volume zYx3AAAAQBAJ, found with a
// near match before it, a cover), the volume noIsbn000001 without ISBN; any
// other ISBN finds nothing; keyword searches for pages 1 and 2 get search-page1.json.
class GoogleBooksFixture : public OnlineFixture
{
public:
    GoogleBooksFixture() : OnlineFixture(QStringLiteral("googlebooks"))
    {
        online.source = QStringLiteral("GoogleBooks");
        online.googleBooksUrl = server.baseUrl();
        online.totalTimeout = 5;
        saveSettings();

        serve(QStringLiteral("/books/v1/volumes"), QStringLiteral("none.json"));
        serve(QStringLiteral("/books/v1/volumes?q=isbn:0975133438"), QStringLiteral("isbn-0975133438.json"));
        serve(QStringLiteral("/books/v1/volumes?q=isbn:9780975133439"),
              QStringLiteral("isbn-0975133438.json"));
        serve(QStringLiteral("/books/v1/volumes?startIndex=0"), QStringLiteral("search-page1.json"));
        serve(QStringLiteral("/books/v1/volumes?startIndex=20"), QStringLiteral("search-page1.json"));
        serve(QStringLiteral("/books/v1/volumes/zYx3AAAAQBAJ"), QStringLiteral("volume-zYx3AAAAQBAJ.json"));
        serve(QStringLiteral("/books/v1/volumes/noIsbn000001"), QStringLiteral("volume-noIsbn000001.json"));
        server.serveData(QStringLiteral("/books/content?id=zYx3AAAAQBAJ"),
                         TestHttpServer::readFixture(QLatin1String(kCoverFile)), "image/jpeg");
    }

    void serve(const QString &route, const QString &file, int status = 200)
    {
        server.serveData(route,
                         TestHttpServer::readFixture(QStringLiteral("googlebooks/") + file)
                             .replace("{{SERVER}}", server.baseUrl().toUtf8()),
                         "application/json; charset=UTF-8", status);
    }
};
