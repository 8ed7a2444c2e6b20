// The main window as a desktop window: its remembered size and layout, the
// welcome page shown while no catalogue is open, and the user guide.
#include "app/apppaths.h"
#include "app/messenger.h"
#include "browse/ordolistview.h"
#include "catalog/ordodoc.h"
#include "commandids.h"
#include "helpwindow.h"
#include "mainframe.h"
#include "welcomepage.h"
#include "widgets/desktopopener.h"
#include "windowstate.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QSplitter>
#include <QStackedWidget>

void CMainFrame::installCentral(QWidget *panes)
{
    m_central = new QStackedWidget(this);
    m_central->setObjectName(QStringLiteral("centralStack"));
    m_welcome = new CWelcomePage(m_central);
    m_central->addWidget(panes);
    m_central->addWidget(m_welcome);
    setCentralWidget(m_central);
    connect(m_welcome, &CWelcomePage::newCatalogueRequested, this, [this] {
        m_router.run(Cmd::NewDatabase);
        updateCommandStates();
    });
    connect(m_welcome, &CWelcomePage::openCatalogueRequested, this, [this] {
        m_router.run(Cmd::OpenDatabase);
        updateCommandStates();
    });
    connect(m_doc, &COrdoDoc::documentOpened, this, &CMainFrame::updateWelcome);
    updateWelcome();
}

bool CMainFrame::isWelcomeShown() const
{
    return m_central && m_central->currentWidget() == m_welcome;
}

void CMainFrame::updateWelcome()
{
    if (!m_central)
        return;
    QWidget *wanted = m_doc->hasConnection() ? m_central->widget(0) : m_welcome;
    if (m_central->currentWidget() != wanted)
        m_central->setCurrentWidget(wanted);
}

void CMainFrame::showAsRemembered()
{
    CWindowState state;
    const bool known = state.Read();
    if (known && m_outer && m_inner && m_list)
        state.ApplyLayout(*m_outer, *m_inner, *m_list->horizontalHeader());
    state.Show(*this, known);
}

void CMainFrame::saveWindowState() const
{
    if (!m_outer || !m_inner || !m_list)
        return;
    CWindowState state;
    state.Capture(*this, *m_outer, *m_inner, *m_list->horizontalHeader());
    state.Write();
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    if (isVisible())
        saveWindowState();
    if (m_helpWindow)
        m_helpWindow->close();
    QMainWindow::closeEvent(event);
}

QUrl CMainFrame::guideUrl()
{
    return QUrl::fromLocalFile(AppFolder() + QStringLiteral("docs/index.html"));
}

void CMainFrame::showHelp()
{
    // The program's own window: the desktop's handler for HTML files may be
    // anything (an e-book editor, a text editor).
    if (!m_helpWindow)
        m_helpWindow = new CHelpWindow(this);
    m_helpWindow->showPage(guideUrl());
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

bool CMainFrame::openInBrowser(const QUrl &url)
{
    const bool opened = m_urlOpener ? m_urlOpener(url) : OpenWithDesktop(url);
    if (!opened)
        messenger().showMessage(UnableToOpenText(url.isLocalFile() ? url.toLocalFile() : url.toString()),
                                IMessenger::Icon::Warning);
    return opened;
}
