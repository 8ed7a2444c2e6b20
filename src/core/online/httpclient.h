#pragma once

#include "httpresponse.h"
#include "onlinesettings.h"

#include <QString>

class CCancelToken;

// GET requests over libcurl. Each thread keeps one libcurl easy handle (and
// the multi handle that drives it), so a run of requests to one server
// reuses its connection. Only http and https
// are followed (at most 5 redirects, none of them further into the network
// than the service: see AddressKind), bodies are capped while they arrive
// (also chunked and gzip ones), the proxy comes from the environment
// (http_proxy, https_proxy, no_proxy), and two requests to one host are at
// least the configured gap apart. A cancel token, when given, is polled
// during the transfer and while waiting for the gap.
class CHttpClient
{
public:
    enum class Kind {
        Answer, // a service's answer: answer cap, total time-out
        Cover,  // a picture: cover cap, twice the total time-out
    };

    explicit CHttpClient(const COnlineSettings &settings, const CCancelToken *cancel = nullptr);

    CHttpResponse Get(const QString &url, Kind kind = Kind::Answer);

    // Get for a service's answer, except that a 429 or 503 with a short
    // Retry-After (rate limit, maintenance) is waited out once and asked
    // again; a longer one is given back as it came.
    CHttpResponse GetAnswer(const QString &url);

    // "Ordoteca/<version> (<address>; <contact>)"; public services refuse
    // anonymous agents.
    QString UserAgent() const;

    // libcurl's global set-up; safe to call more than once and from any
    // thread (the client calls it itself before its first request).
    static void GlobalInit();

    // Forgets when each host was last asked (tests).
    static void ResetHostGaps();

private:
    COnlineSettings m_settings;
    const CCancelToken *m_cancel = nullptr;
};
