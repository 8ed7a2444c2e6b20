#pragma once

#include "onlinefixture.h"

// Everything an online lookup test needs: fresh settings that point Open
// Library and its covers at a local test server serving the hand-written
// fixtures of tests/data/online/openlibrary, no gap between requests, and a
// recording messenger.
//
// Known books: ISBN 0596000278 (edition OL1001M, work OL2001W, cover 240726),
// ISBN 9791090636071 (edition OL1002M, no cover id) and the edition OL1003M
// without ISBN. Any other bibkey gets "{}" (not found).
class OpenLibraryFixture : public OnlineFixture
{
public:
    OpenLibraryFixture() : OnlineFixture(QStringLiteral("openlibrary"))
    {
        online.openLibraryUrl = server.baseUrl();
        online.openLibraryCoversUrl = server.baseUrl();
        online.contactEmail = QStringLiteral("tester@example.org");
        saveSettings();

        server.serveData(QStringLiteral("/api/books"), "{}", "application/json");
        server.serveFile(QStringLiteral("/api/books?bibkeys=ISBN:0596000278"),
                         QStringLiteral("api/books-0596000278.json"));
        server.serveFile(QStringLiteral("/api/books?bibkeys=ISBN:9791090636071"),
                         QStringLiteral("api/books-9791090636071.json"));
        server.serveFile(QStringLiteral("/api/books?bibkeys=OLID:OL1003M"),
                         QStringLiteral("api/books-olid-OL1003M.json"));
        server.serveFile(QStringLiteral("/search.json"), QStringLiteral("search/page1.json"));
    }
};
