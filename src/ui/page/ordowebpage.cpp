#include "ordowebpage.h"

#include "pagescript.h"

#include <QLoggingCategory>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineSettings>

Q_LOGGING_CATEGORY(lcPage, "ordo.page", QtWarningMsg)

COrdoWebPage::COrdoWebPage(QObject *parent) : QWebEnginePage(parent), m_blankUrl(BlankPageUrl())
{
    QWebEngineSettings *s = settings();
    // Descriptions and notes come from the web: their scripts never run.
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);

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
