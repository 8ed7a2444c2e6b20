#include "helpwindow.h"

#include "app/messenger.h"
#include "widgets/desktopopener.h"

#include <QAction>
#include <QDesktopServices>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

// The guide's own pages open here; anything else (a web site it names) goes
// to the desktop's browser rather than into the help window.
class GuidePage : public QWebEnginePage
{
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool) override
    {
        if (url.isLocalFile())
            return true;
        if (!QDesktopServices::openUrl(url))
            messenger().showMessage(UnableToOpenText(url.toString()), IMessenger::Icon::Warning);
        return false;
    }
};

} // namespace

CHelpWindow::CHelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("Ordoteca Help"));
    resize(900, 700);

    m_view = new QWebEngineView(this);
    m_view->setPage(new GuidePage(m_view));
    QWebEngineSettings *settings = m_view->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    connect(m_view, &QWebEngineView::titleChanged, this,
            [this](const QString &title) { setWindowTitle(title.isEmpty() ? tr("Ordoteca Help") : title); });

    auto *bar = new QToolBar(this);
    bar->addAction(m_view->pageAction(QWebEnginePage::Back));
    bar->addAction(m_view->pageAction(QWebEnginePage::Forward));
    QAction *home = bar->addAction(tr("Contents"));
    connect(home, &QAction::triggered, this, [this] {
        const QList<QWebEngineHistoryItem> items = m_view->history()->backItems(1000);
        if (!items.isEmpty())
            m_view->history()->goToItem(items.constFirst());
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_view, 1);
}

void CHelpWindow::showPage(const QUrl &url)
{
    m_view->load(url);
    show();
    raise();
    activateWindow();
}
