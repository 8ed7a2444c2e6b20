#pragma once

#include <QByteArray>
#include <QString>

// What one GET request gave. Only a transfer that completed with a 2xx status
// counts as an answer (ok()); an error page is never taken for one.
struct CHttpResponse
{
    enum class Error {
        None,             // the transfer completed; look at status
        Cancelled,        // the cancel token was tripped
        TimedOut,         // connect, total or stall time-out
        TooLarge,         // the body went past the size cap
        RefusedScheme,    // not http or https (also after a redirect)
        TooManyRedirects, // more than 5
        RefusedRedirect,  // a redirect led further into the network than the service was
        Network,          // no connection, reset, bad address, broken body ...
    };

    Error error = Error::None;
    int status = 0;          // HTTP status of the last response, 0 when none came
    QByteArray contentType;  // as sent, e.g. "application/json; charset=utf-8"
    QByteArray body;         // decoded (gzip undone), at most the cap
    int retryAfter = -1;     // seconds from a Retry-After header, -1 when none
    QString errorText;       // libcurl's explanation when error != None
    QString effectiveUrl;    // address of the last response after redirects

    bool ok() const { return error == Error::None && status >= 200 && status < 300; }
    bool completed() const { return error == Error::None; }
};
