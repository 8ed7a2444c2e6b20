#pragma once

#include "onlinefixture.h"

// The bookstore's web service, product pages and pictures on one local test
// server, answering from the hand-written fixtures of
// tests/data/online/bookstore ("{{SERVER}}" in them becomes the server's
// address), with settings that choose the bookstore source.
//
// Known books: 1931822409 (three authors, every field, a UTF-8 product page)
// and 0944011071 (no authors, no list price, no description, a second item
// in the same answer, a Latin-1 product page with the editorial review).
// Any other ISBN gets the service's error answer; every keyword request gets
// page 2 of 7.
class BookstoreFixture : public OnlineFixture
{
public:
    BookstoreFixture() : OnlineFixture(QStringLiteral("bookstore"))
    {
        online.source = QStringLiteral("Bookstore");
        online.bookstoreHost = server.baseUrl();
        online.bookstorePageHost = server.baseUrl();
        online.totalTimeout = 5;
        online.contactEmail = QStringLiteral("tester@example.org");
        saveSettings();

        serveAnswer(QStringLiteral("/onca/xml3?type=heavy"), QStringLiteral("heavy-error.xml"));
        serveAnswer(QStringLiteral("/onca/xml3?type=heavy&AsinSearch=1931822409"),
                    QStringLiteral("heavy-1931822409.xml"));
        serveAnswer(QStringLiteral("/onca/xml3?type=heavy&AsinSearch=0944011071"),
                    QStringLiteral("heavy-0944011071.xml"));
        serveAnswer(QStringLiteral("/onca/xml3?type=lite"), QStringLiteral("lite-page2.xml"));
        servePage(QStringLiteral("1931822409"), QStringLiteral("page-1931822409.html"),
                  "text/html; charset=utf-8");
        servePage(QStringLiteral("0944011071"), QStringLiteral("page-0944011071.html"),
                  "text/html; charset=ISO-8859-1");
        const QByteArray cover = TestHttpServer::readFixture(QLatin1String(kCoverFile));
        server.serveData(QStringLiteral("/images/P/1931822409.01.LZZZZZZZ.jpg"), cover, "image/jpeg");
        server.serveData(QStringLiteral("/images/P/0944011071.01.LZZZZZZZ.jpg"), cover, "image/jpeg");
    }

    static QString pagePath(const QString &isbn)
    {
        return QStringLiteral("/exec/obidos/tg/detail/-/") + isbn;
    }

    void serveAnswer(const QString &route, const QString &file, int status = 200)
    {
        server.serveData(route, answer(file), "text/xml", status);
    }
    void servePage(const QString &isbn, const QString &file, const QByteArray &contentType)
    {
        server.serveData(pagePath(isbn), TestHttpServer::readFixture(QStringLiteral("bookstore/") + file),
                         contentType);
    }
    QByteArray answer(const QString &file) const
    {
        return TestHttpServer::readFixture(QStringLiteral("bookstore/") + file)
            .replace("{{SERVER}}", server.baseUrl().toUtf8());
    }
};
