#pragma once

#include "httpclient.h"
#include "onlinesettings.h"

#include <QByteArray>
#include <QString>

class CBookRecord;
class CCancelToken;

// Reads what the bookstore's web service leaves out (binding, page count,
// dimensions, edition and, when the service sent none, the editorial
// review) from the book's product page. The page is read line by line:
// each value sits on a line of its own at a fixed distance from a heading
// line, below the first 300 lines. A page without that layout yields
// nothing, which is not an error.
class CProductPageScraper
{
public:
    explicit CProductPageScraper(const COnlineSettings &settings, const CCancelToken *cancel = nullptr);

    // Downloads the page at url and reads it into record. The status text
    // says "Parsing html..." meanwhile. False when the page could not be
    // downloaded (no connection, no 2xx answer): "Unable to download the
    // html page." has then been shown and is the record's error text. False
    // without a message when cancelled.
    bool ParseProductPage(const QString &url, CBookRecord &record);

    // The page as text: decoded by the charset the answer names, else by a
    // <meta> charset in the page, else as UTF-8 when it is valid UTF-8, else
    // as Latin-1.
    static QString DecodePage(const QByteArray &body, const QByteArray &contentType);

    // The line rules, on a page already decoded.
    static void ReadPage(const QString &page, CBookRecord &record);

private:
    CHttpClient m_http;
};
