#include "mainframe.h"

#include "app/apppaths.h"
#include "app/messenger.h"
#include "browse/ordolistview.h"
#include "browse/ordotreeview.h"
#include "catalog/booklistquery.h"
#include "catalog/ordodoc.h"
#include "catalog/serveraddress.h"
#include "cataloguetools.h"
#include "commandids.h"
#include "loans/loantools.h"
#include "page/ordohtmlview.h"
#include "stats/statisticscommand.h"
#include "catalog/cataloguewatcher.h"
#include "server/liveupdates.h"
#include "server/reconnectcommand.h"
#include "widgets/toolbarimageset.h"
#include "widgets/toolbarstrip.h"
#include <QToolButton>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

namespace {

constexpr int kMaxStyleEntries = 100;
const char kWebsite[] = "https://ordoteca.example.org/";
const char kForum[] = "https://ordoteca.example.org/forum/";

// File titles of the files matching pattern in folder, at most 100.
QStringList fileTitles(const QString &folder, const QString &pattern)
{
    QStringList titles;
    const QFileInfoList files = QDir(folder).entryInfoList({pattern}, QDir::Files, QDir::Name);
    for (const QFileInfo &info : files) {
        if (titles.size() == kMaxStyleEntries)
            break;
        titles << info.completeBaseName();
    }
    return titles;
}

} // namespace

CMainFrame::CMainFrame(COrdoDoc *doc, QWidget *parent) : QMainWindow(parent), m_doc(doc)
{
    setWindowTitle(QStringLiteral("Ordoteca"));
    setObjectName(QStringLiteral("mainFrame"));
}

CMainFrame::~CMainFrame() = default;

QAction *CMainFrame::makeAction(int id, const QString &text, const QKeySequence &shortcut)
{
    auto *action = new QAction(text, this);
    action->setData(id);
    action->setObjectName(QStringLiteral("cmd%1").arg(id));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, id] {
        m_router.run(id);
        updateCommandStates();
    });
    m_actions.insert(id, action);
    return action;
}

bool CMainFrame::create()
{
    // Both style folders must hold something: the page cannot be shown without.
    m_styles = fileTitles(AppFolder() + QStringLiteral("Styles/CSS"), QStringLiteral("*.css"));
    if (m_styles.isEmpty()) {
        messenger().showMessage(tr("No CSS files found."), IMessenger::Icon::Error);
        return false;
    }
    m_templates = fileTitles(AppFolder() + QStringLiteral("Styles"), QStringLiteral("*.xsl"));
    if (m_templates.isEmpty()) {
        messenger().showMessage(tr("No XSL files found."), IMessenger::Icon::Error);
        return false;
    }

    buildActions();
    buildToolbar();
    buildMenus();
    buildStatusBar();
    buildPanes();

    m_router.setChain({this});
    m_router.setVeto(
        [this](int id) { return m_doc->hasConnection() && m_doc->isReadOnly() && writesCatalogue(id); });
    m_catalogueTools = new CCatalogueTools(m_doc, this, statusBar());
    m_router.addToChain(m_catalogueTools);
    m_loanTools = new CLoanTools(m_doc, this);
    m_router.addToChain(m_loanTools);
    statusBar()->insertPermanentWidget(0, m_loanTools->overdueNotice());
    m_router.addToChain(new CStatisticsCommand(m_doc, this));
    m_liveUpdates = new CLiveUpdates(m_doc, m_tree, m_list, this);
    auto *reconnect = new CReconnectCommand(m_doc, this);
    m_router.addToChain(reconnect);
    connect(reconnect, &CReconnectCommand::reconnected, m_liveUpdates, &CLiveUpdates::refreshAll);
    connect(m_liveUpdates->watcher(), &CCatalogueWatcher::connectionLost, this, &CMainFrame::updateCommandStates);
    // A loan list changes its rows; elsewhere the selection stays and only
    // the page (which shows the loans) is redrawn.
    connect(m_loanTools, &CLoanTools::loansChanged, this, [this] {
        if (IsLoanCategory(m_doc->currentCategory()))
            m_list->LoadBooks();
        else
            m_html->ShowBookPage(false);
    });
    connect(m_loanTools, &CLoanTools::bookAdded, m_list, &COrdoListView::LoadBooks);
    connect(m_loanTools, &CLoanTools::showOnLoanRequested, this,
            [this] { m_tree->SelectFixedEntry(OnLoanCategory); });
    m_updateTimer = new QTimer(this);
    m_updateTimer->setInterval(250);
    connect(m_updateTimer, &QTimer::timeout, this, &CMainFrame::updateCommandStates);
    m_updateTimer->start();
    connect(&m_router, &CommandRouter::activePaneChanged, this, &CMainFrame::updateCommandStates);
    connect(m_doc, &COrdoDoc::documentOpened, this, &CMainFrame::updateTitle);
    connect(m_doc, &COrdoDoc::documentOpened, this, &CMainFrame::updateCommandStates);
    // Said once, in the status bar: the repair needs no answer.
    connect(m_doc, &COrdoDoc::orphanRowsRemoved, this,
            [this](int count) { statusBar()->showMessage(COrdoDoc::OrphanRowsRemovedText(count)); });
    updateTitle();
    updateCommandStates();
    return true;
}

void CMainFrame::addCommandTarget(ICommandTarget *target)
{
    m_router.addToChain(target);
    updateCommandStates();
}

bool CMainFrame::writesCatalogue(int id)
{
    switch (id) {
    case Cmd::Cut:
    case Cmd::Paste:
    case Cmd::AddSubCategory:
    case Cmd::RemoveCategory:
    case Cmd::EditCategory:
    case Cmd::AddBook:
    case Cmd::RemoveBook:
    case Cmd::EditBook:
    case Cmd::SendToFavorites:
    case Cmd::SendToReadingList:
    case Cmd::SendToSearchResults:
    case Cmd::StartReading:
    case Cmd::FinishReading:
    case Cmd::BasicSearch: // it stores its results in Search Results
    case Cmd::Lend:
    case Cmd::Return:
    case Cmd::BorrowedBook:
    case Cmd::Borrowers:
    case Cmd::RestoreBackup:
        return true;
    default:
        return false;
    }
}

void CMainFrame::updateTitle()
{
    // A server catalogue is named by its database and server, a file by its name.
    QString name = QFileInfo(m_doc->path()).fileName();
    if (ServerAddress::isServerAddress(m_doc->path())) {
        if (const std::optional<ServerAddress> address = ServerAddress::parse(m_doc->path()))
            name = address->displayName();
    }
    if (m_doc->hasConnection() && m_doc->isReadOnly())
        setWindowTitle(tr("%1 (read-only) - Ordoteca").arg(name));
    else if (m_doc->hasConnection())
        setWindowTitle(QStringLiteral("%1 - Ordoteca").arg(name));
    else
        setWindowTitle(QStringLiteral("Ordoteca"));
}

void CMainFrame::setRecentFiles(const QStringList &paths)
{
    m_recentFiles = paths.mid(0, 4);
    for (int i = 0; i < 4; ++i) {
        QAction *a = m_actions.value(Cmd::RecentFileFirst + i);
        if (!a)
            continue;
        const bool used = i < m_recentFiles.size();
        a->setVisible(used);
        if (used)
            a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(m_recentFiles.at(i))));
    }
    if (m_recentSeparator)
        m_recentSeparator->setVisible(!m_recentFiles.isEmpty());
}

void CMainFrame::showContextPopup(const QString &title, const QPoint &globalPos)
{
    if (QMenu *menu = m_popups.value(title)) {
        updateCommandStates();
        menu->exec(globalPos);
    }
}

void CMainFrame::setBookCountText(const QString &text)
{
    if (m_countPane)
        m_countPane->setText(text);
}

void CMainFrame::updateCommandStates()
{
    updateWelcome();
    for (auto it = m_actions.constBegin(); it != m_actions.constEnd(); ++it) {
        QAction *action = it.value();
        if (action->menu())
            continue;
        const int id = it.key();
        action->setEnabled(m_router.isEnabled(id));
        if (action->isCheckable())
            action->setChecked(m_router.isChecked(id));
    }
}

bool CMainFrame::servesCommand(int id) const
{
    switch (id) {
    case Cmd::BasicSearch:
    case Cmd::FilterList:
    case Cmd::RunSql:
    case Cmd::Options:
    case Cmd::ViewToolbar:
    case Cmd::ViewStatusBar:
    case Cmd::Website:
    case Cmd::Forum:
    case Cmd::HelpTopics:
    case Cmd::HelpInBrowser:
    case Cmd::ContextHelp:
    case Cmd::HelpMode:
    case Cmd::DefaultHelp:
    case Cmd::NextPane:
    case Cmd::PrevPane:
        return true;
    default:
        return false;
    }
}

bool CMainFrame::isCommandEnabled(int id) const
{
    if (id == Cmd::BasicSearch || id == Cmd::RunSql || id == Cmd::FilterList)
        return m_doc->hasConnection();
    return true;
}

bool CMainFrame::isCommandChecked(int id) const
{
    if (id == Cmd::ViewToolbar)
        return m_toolbar && !m_toolbar->isHidden();
    if (id == Cmd::ViewStatusBar)
        return !statusBar()->isHidden();
    return false;
}

void CMainFrame::runCommand(int id)
{
    switch (id) {
    case Cmd::BasicSearch:
        onBasicSearch();
        break;
    case Cmd::FilterList:
        onFilterList();
        break;
    case Cmd::RunSql:
        onRunSql();
        break;
    case Cmd::Options:
        onOptions();
        break;
    case Cmd::ViewToolbar:
        m_toolbar->setVisible(m_toolbar->isHidden());
        break;
    case Cmd::ViewStatusBar:
        statusBar()->setVisible(statusBar()->isHidden());
        break;
    case Cmd::Website:
        openInBrowser(QUrl(QString::fromLatin1(kWebsite)));
        break;
    case Cmd::Forum:
        openInBrowser(QUrl(QString::fromLatin1(kForum)));
        break;
    case Cmd::HelpInBrowser:
        if (!openInBrowser(guideUrl()))
            showHelp();
        break;
    case Cmd::HelpTopics:
    case Cmd::ContextHelp:
    case Cmd::HelpMode:
    case Cmd::DefaultHelp:
        showHelp();
        break;
    case Cmd::NextPane:
        movePaneFocus(1);
        break;
    case Cmd::PrevPane:
        movePaneFocus(-1);
        break;
    default:
        break;
    }
}

void CMainFrame::movePaneFocus(int step)
{
    const int n = m_router.paneCount();
    if (n == 0)
        return;
    int current = 0;
    for (int i = 0; i < n; ++i) {
        if (m_router.paneWidget(i) == m_router.activePaneWidget())
            current = i;
    }
    QWidget *next = m_router.paneWidget((current + step + n) % n);
    m_router.setActivePane(next);
    next->setFocus(Qt::OtherFocusReason);
}
