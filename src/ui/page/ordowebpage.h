#pragma once

#include <QUrl>
#include <QWebEnginePage>

// The page of the book page pane. It lets through one navigation only, the
// load of the blank page it was asked for; every other navigation is
// cancelled. Links the user clicked, in the page or with a target window,
// are reported through linkActivated instead, so the pane can open them
// outside; everything else (refreshes, form posts, frames) just stops.
// Scripts of the content are off; the pane's own scripts run in
// QWebEngineScript::ApplicationWorld.
class COrdoWebPage : public QWebEnginePage
{
    Q_OBJECT

public:
    explicit COrdoWebPage(QObject *parent = nullptr);
    // A page whose blank page is blankUrl instead of the pane's (the HTML
    // editors load their own wrapper page).
    COrdoWebPage(const QUrl &blankUrl, QObject *parent);

    // Loads the blank page (again after the renderer was lost).
    void loadBlankPage();
    QUrl blankPageUrl() const { return m_blankUrl; }

    // Public so tests can play a click without a mouse.
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;

signals:
    // Emitted from inside the engine's navigation callback: connect queued
    // when the slot may open a window or a message box.
    void linkActivated(const QUrl &url);
    // The page shows something else than the blank page now.
    void blankPageLost();

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                                  const QString &sourceID) override;

private:
    QUrl m_blankUrl;
    bool m_blankRequested = false;
};
