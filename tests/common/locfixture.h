#pragma once

#include "onlinefixture.h"

// The Library of Congress SRU service (and Open Library's covers service,
// which gives its books their covers) on a local test server, answering from
// the hand-written fixtures of tests/data/online/loc, with settings that
// choose the Library of Congress.
//
// Known: ISBN 1551920123 / 9781551920122 (a full MODS record, a cover by
// ISBN), the LCCN sn98001234; any other query finds nothing except the
// keyword searches of the tests, which get search-page1.xml.
class LocFixture : public OnlineFixture
{
public:
    LocFixture() : OnlineFixture(QStringLiteral("loc"))
    {
        online.source = QStringLiteral("LibraryOfCongress");
        online.locSruUrl = server.baseUrl();
        online.openLibraryCoversUrl = server.baseUrl();
        online.totalTimeout = 5;
        saveSettings();

        serve(QStringLiteral("/LCDB"), QStringLiteral("none.xml"));
        serve(QStringLiteral("/LCDB?query=bath.isbn=\"1551920123\" or bath.isbn=\"9781551920122\""),
              QStringLiteral("isbn-1551920123.xml"));
        serve(QStringLiteral("/LCDB?query=bath.isbn=\"9781551920122\" or bath.isbn=\"1551920123\""),
              QStringLiteral("isbn-1551920123.xml"));
        serve(QStringLiteral("/LCDB?query=bath.lccn=\"sn98001234\""), QStringLiteral("lccn-sn98001234.xml"));
        server.serveData(QStringLiteral("/b/isbn/1551920123-L.jpg"),
                         TestHttpServer::readFixture(QLatin1String(kCoverFile)), "image/jpeg");
    }

    void serve(const QString &route, const QString &file, int status = 200)
    {
        server.serveData(route, TestHttpServer::readFixture(QStringLiteral("loc/") + file),
                         "text/xml; charset=UTF-8", status);
    }
};
