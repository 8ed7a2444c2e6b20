#pragma once

#include "testhttpserver.h"

#include <QString>

// Points the lookup settings (user settings, so a TestSettings must be in
// place) at server as Open Library and its covers service, with no gap
// between requests and short time-outs.
void PointLookupAtServer(const TestHttpServer &server, int totalTimeoutSeconds = 5);

// Answers every books-API request for an ISBN with a made-up book: title
// "Book <isbn>", two authors, a publisher, a date and the cover 240726
// (served from the fixture folder). Requests for other bibkeys get "{}".
// Routes set afterwards win over it (a test's "not found" or a slow answer).
void ServeMadeUpBooks(TestHttpServer &server);

// The JSON books-API answer ServeMadeUpBooks gives for isbn.
QByteArray MadeUpBookAnswer(const QString &isbn, const QString &coversBaseUrl);
