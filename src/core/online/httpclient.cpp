#include "httpclient.h"

#include "addresskind.h"
#include "canceltoken.h"

#include <QMutex>
#include <QMutexLocker>
#include <QThread>
#include <QUrl>
#include <algorithm>
#include <chrono>
#include <curl/curl.h>
#include <map>
#include <mutex>

#ifndef ORDO_VERSION
#define ORDO_VERSION "1.0"
#endif

namespace {

using Clock = std::chrono::steady_clock;

const char kProjectAddress[] = "https://ordoteca.example.org/";
const long kMaxRedirects = 5;

std::once_flag g_initOnce;

// Longest Retry-After waited for before asking once more; a longer one
// means the service is not usable now.
const int kMaxRetryWaitSeconds = 10;

// How often a transfer that waits for the server looks at the cancel token.
const int kCancelPollMs = 50;

// One easy handle per thread, driven by a multi handle of the same thread:
// the multi handle keeps the connection cache, so consecutive requests to
// one server reuse a connection, and its poll wakes up often enough to see a
// cancel at once even while the server sends nothing (libcurl's own loop
// calls the progress callback only about once a second then).
struct ThreadHandles
{
    CURL *easy = nullptr;
    CURLM *multi = nullptr;
    ~ThreadHandles()
    {
        if (easy)
            curl_easy_cleanup(easy);
        if (multi)
            curl_multi_cleanup(multi);
    }
};

ThreadHandles *threadHandles()
{
    thread_local ThreadHandles t;
    if (!t.multi)
        t.multi = curl_multi_init();
    if (!t.easy)
        t.easy = curl_easy_init();
    else
        curl_easy_reset(t.easy);
    return t.easy && t.multi ? &t : nullptr;
}

// Runs the transfer set up on easy to its end or until the token is tripped.
CURLcode perform(CURLM *multi, CURL *easy, const CCancelToken *cancel)
{
    if (curl_multi_add_handle(multi, easy) != CURLM_OK)
        return CURLE_FAILED_INIT;
    CURLcode result = CURLE_OK;
    int running = 1;
    while (running) {
        if (curl_multi_perform(multi, &running) != CURLM_OK) {
            result = CURLE_FAILED_INIT;
            break;
        }
        if (!running)
            break;
        if (cancel && cancel->isCancelled()) {
            result = CURLE_ABORTED_BY_CALLBACK;
            running = 0;
            break;
        }
        curl_multi_poll(multi, nullptr, 0, kCancelPollMs, nullptr);
    }
    if (result == CURLE_OK) {
        int left = 0;
        while (CURLMsg *msg = curl_multi_info_read(multi, &left)) {
            if (msg->msg == CURLMSG_DONE && msg->easy_handle == easy)
                result = msg->data.result;
        }
    }
    curl_multi_remove_handle(multi, easy);
    return result;
}

// When each host may be asked next.
QMutex g_gapMutex;
std::map<QString, Clock::time_point> g_nextRequest;

// Waits until host may be asked again and books the following slot.
// False when cancelled while waiting.
bool waitForHost(const QString &host, int gapMs, const CCancelToken *cancel)
{
    if (gapMs <= 0 || host.isEmpty())
        return true;
    Clock::time_point start;
    {
        QMutexLocker lock(&g_gapMutex);
        const Clock::time_point now = Clock::now();
        auto it = g_nextRequest.find(host);
        start = (it == g_nextRequest.end() || it->second < now) ? now : it->second;
        g_nextRequest[host] = start + std::chrono::milliseconds(gapMs);
    }
    while (Clock::now() < start) {
        if (cancel && cancel->isCancelled())
            return false;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(start - Clock::now()).count();
        QThread::msleep(ulong(std::clamp<qint64>(qint64(left), 1, 20)));
    }
    return true;
}

struct Transfer
{
    QByteArray body;
    qint64 cap = 0;
    bool tooLarge = false;
    const CCancelToken *cancel = nullptr;
    int hops = 0;                         // requests made, the first and each redirect
    AddressKind origin = AddressKind::Public;
    QString refusedAddress;               // where a redirect wanted to lead, when refused
};

// Called before each request goes out, once the connection is made: a
// redirect may not lead further into the network than the service was.
int checkHop(void *user, char *primaryIp, char *, int primaryPort, int)
{
    auto *t = static_cast<Transfer *>(user);
    const QString ip = QString::fromLatin1(primaryIp);
    const AddressKind kind = ClassifyAddress(ip, primaryPort);
    if (t->hops++ == 0) {
        t->origin = kind;
        return CURL_PREREQFUNC_OK;
    }
    if (int(kind) < int(t->origin)) {
        t->refusedAddress = ip + QLatin1Char(':') + QString::number(primaryPort);
        return CURL_PREREQFUNC_ABORT;
    }
    return CURL_PREREQFUNC_OK;
}

size_t writeBody(char *data, size_t size, size_t count, void *user)
{
    auto *t = static_cast<Transfer *>(user);
    const size_t bytes = size * count;
    if (t->body.size() + qint64(bytes) > t->cap) {
        t->tooLarge = true;
        return 0; // libcurl aborts the transfer with a write error
    }
    t->body.append(data, qsizetype(bytes));
    return bytes;
}

int progress(void *user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    auto *t = static_cast<Transfer *>(user);
    return t->cancel && t->cancel->isCancelled() ? 1 : 0;
}

CHttpResponse::Error errorOf(CURLcode code, const Transfer &t)
{
    switch (code) {
    case CURLE_OK:
        return CHttpResponse::Error::None;
    case CURLE_ABORTED_BY_CALLBACK:
        return t.refusedAddress.isEmpty() ? CHttpResponse::Error::Cancelled : CHttpResponse::Error::RefusedRedirect;
    case CURLE_OPERATION_TIMEDOUT:
        return CHttpResponse::Error::TimedOut;
    case CURLE_FILESIZE_EXCEEDED:
        return CHttpResponse::Error::TooLarge;
    case CURLE_WRITE_ERROR:
        return t.tooLarge ? CHttpResponse::Error::TooLarge : CHttpResponse::Error::Network;
    case CURLE_UNSUPPORTED_PROTOCOL:
        return CHttpResponse::Error::RefusedScheme;
    case CURLE_TOO_MANY_REDIRECTS:
        return CHttpResponse::Error::TooManyRedirects;
    default:
        return CHttpResponse::Error::Network;
    }
}

} // namespace

CHttpClient::CHttpClient(const COnlineSettings &settings, const CCancelToken *cancel)
    : m_settings(settings), m_cancel(cancel)
{
    GlobalInit();
}

void CHttpClient::GlobalInit()
{
    std::call_once(g_initOnce, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

void CHttpClient::ResetHostGaps()
{
    QMutexLocker lock(&g_gapMutex);
    g_nextRequest.clear();
}

QString CHttpClient::UserAgent() const
{
    QString agent = QStringLiteral("Ordoteca/%1 (%2").arg(QLatin1String(ORDO_VERSION), QLatin1String(kProjectAddress));
    if (!m_settings.contactEmail.isEmpty())
        agent += QStringLiteral("; ") + m_settings.contactEmail;
    return agent + QLatin1Char(')');
}

CHttpResponse CHttpClient::Get(const QString &url, Kind kind)
{
    CHttpResponse response;
    const QUrl parsed(url);
    const QString scheme = parsed.scheme().toLower();
    if (!parsed.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        response.error = CHttpResponse::Error::RefusedScheme;
        response.errorText = QStringLiteral("Only http and https addresses are used: %1").arg(url);
        return response;
    }
    if (m_cancel && m_cancel->isCancelled()) {
        response.error = CHttpResponse::Error::Cancelled;
        return response;
    }
    if (!waitForHost(parsed.host().toLower(), m_settings.requestGap, m_cancel)) {
        response.error = CHttpResponse::Error::Cancelled;
        return response;
    }

    ThreadHandles *handles = threadHandles();
    CURL *curl = handles ? handles->easy : nullptr;
    if (!curl) {
        response.error = CHttpResponse::Error::Network;
        response.errorText = QStringLiteral("libcurl could not be started.");
        return response;
    }

    Transfer transfer;
    transfer.cap = kind == Kind::Cover ? m_settings.maxCoverBytes : m_settings.maxAnswerBytes;
    transfer.cancel = m_cancel;
    const long totalMs = long(m_settings.totalTimeout) * 1000 * (kind == Kind::Cover ? 2 : 1);
    const QByteArray urlBytes = parsed.toEncoded();
    const QByteArray agent = UserAgent().toUtf8();
    char errorBuffer[CURL_ERROR_SIZE] = {0};

    curl_easy_setopt(curl, CURLOPT_URL, urlBytes.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(m_settings.connectTimeout) * 1000);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, totalMs);
    // Stall guard: less than one byte a second for stallTimeout seconds.
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, long(m_settings.stallTimeout));
    curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "gzip");
    curl_easy_setopt(curl, CURLOPT_USERAGENT, agent.constData());
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(transfer.cap));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, writeBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, progress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(curl, CURLOPT_PREREQFUNCTION, checkHop);
    curl_easy_setopt(curl, CURLOPT_PREREQDATA, &transfer);

    const CURLcode code = perform(handles->multi, curl, m_cancel);

    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    response.status = int(status);
    char *type = nullptr;
    if (curl_easy_getinfo(curl, CURLINFO_CONTENT_TYPE, &type) == CURLE_OK && type)
        response.contentType = QByteArray(type);
    char *effective = nullptr;
    if (curl_easy_getinfo(curl, CURLINFO_EFFECTIVE_URL, &effective) == CURLE_OK && effective)
        response.effectiveUrl = QString::fromUtf8(effective);
    curl_off_t retryAfter = -1;
    if (curl_easy_getinfo(curl, CURLINFO_RETRY_AFTER, &retryAfter) == CURLE_OK && retryAfter > 0)
        response.retryAfter = int(qMin<curl_off_t>(retryAfter, 1 << 30));

    response.error = errorOf(code, transfer);
    if (response.error == CHttpResponse::Error::None) {
        response.body = std::move(transfer.body);
    } else if (response.error == CHttpResponse::Error::RefusedRedirect) {
        response.errorText =
            QStringLiteral("The service redirected to an address inside the network (%1); it was not followed.")
                .arg(transfer.refusedAddress);
    } else {
        response.errorText = QString::fromUtf8(errorBuffer[0] ? errorBuffer : curl_easy_strerror(code));
    }
    // The handle stays with the thread; nothing may point into this frame.
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
    curl_easy_setopt(curl, CURLOPT_PREREQDATA, nullptr);
    curl_easy_setopt(curl, CURLOPT_PREREQFUNCTION, nullptr);
    return response;
}

CHttpResponse CHttpClient::GetAnswer(const QString &url)
{
    CHttpResponse response = Get(url);
    if (!response.completed() || (response.status != 429 && response.status != 503) ||
        response.retryAfter <= 0 || response.retryAfter > kMaxRetryWaitSeconds)
        return response;
    for (int waited = 0; waited < response.retryAfter * 50; ++waited) {
        if (m_cancel && m_cancel->isCancelled()) {
            response.error = CHttpResponse::Error::Cancelled;
            return response;
        }
        QThread::msleep(20);
    }
    return Get(url);
}
