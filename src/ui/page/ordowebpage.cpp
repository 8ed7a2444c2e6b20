#include "ordowebpage.h"

#include "pagescript.h"

#include <QLoggingCategory>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

Q_LOGGING_CATEGORY(lcPage, "ordo.page", QtWarningMsg)

namespace {

// The page's own schemes name things to open outside, never content. A
// registered scheme needs a handler in the profile, or the engine blocks a
// click on it before the navigation hook hears of it and replaces the page.
class CRefusingSchemeHandler : public QWebEngineUrlSchemeHandler
{
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void requestStarted(QWebEngineUrlRequestJob *job) override
    {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
    }
};

void installSchemeHandlers(QWebEngineProfile *profile)
{
    for (const char *name : {"ordocover", "ordolink", "ordoslice"}) {
        const QByteArray scheme(name);
        // Unregistered, the scheme is an unknown one, which reaches the hook
        // as well (see the unknown-scheme policy below).
        if (QWebEngineUrlScheme::schemeByName(scheme).name().isEmpty() || profile->urlSchemeHandler(scheme))
            continue;
        profile->installUrlSchemeHandler(scheme, new CRefusingSchemeHandler(profile));
    }
}

} // namespace

COrdoWebPage::COrdoWebPage(QObject *parent) : COrdoWebPage(BlankPageUrl(), parent) {}

COrdoWebPage::COrdoWebPage(const QUrl &blankUrl, QObject *parent)
    : QWebEnginePage(parent), m_blankUrl(blankUrl)
{
    QWebEngineSettings *s = settings();
    // Descriptions and notes come from the web: their scripts never run.
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    // ordocover:, ordolink:, mailto: and the like have no handler in the
    // engine: let every such navigation reach acceptNavigationRequest, which
    // opens clicked ones itself and never lets the engine launch anything.
    s->setUnknownUrlSchemePolicy(QWebEngineSettings::AllowAllUnknownUrlSchemes);

    installSchemeHandlers(profile());

    // The engine replaces the page when it blocks a navigation itself (an
    // "about:" link, say), without asking the hook: report it so the pane
    // can load the blank page again.
    connect(this, &QWebEnginePage::urlChanged, this, [this](const QUrl &url) {
        if (url.adjusted(QUrl::RemoveFragment) != m_blankUrl && !url.isEmpty())
            emit blankPageLost();
    });

    // A link with a target window: report it like a click, open no window.
    connect(this, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest &request) {
        if (request.requestedUrl().isValid())
            emit linkActivated(request.requestedUrl());
    });
}

void COrdoWebPage::loadBlankPage()
{
    if (!m_blankUrl.isValid()) {
        qCWarning(lcPage, "the blank page could not be written to the temporary folder");
        return;
    }
    m_blankRequested = true;
    load(m_blankUrl);
}

bool COrdoWebPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    if (isMainFrame && url == m_blankUrl && m_blankRequested) {
        m_blankRequested = false;
        return true;
    }
    // A jump to an anchor inside the page does not leave it.
    if (isMainFrame && url.hasFragment() && url.adjusted(QUrl::RemoveFragment) == m_blankUrl &&
        type == NavigationTypeLinkClicked)
        return true;
    if (isMainFrame && type == NavigationTypeLinkClicked)
        emit linkActivated(url);
    else
        qCDebug(lcPage) << "navigation cancelled:" << type << url;
    return false;
}

void COrdoWebPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                            int lineNumber, const QString &sourceID)
{
    // The content cannot run scripts; what ends up here are blocked loads
    // and the like, of interest only while debugging.
    qCDebug(lcPage) << level << sourceID << lineNumber << message;
}
