#pragma once

#include "commandrouter.h"
#include "commandtarget.h"

#include <QHash>
#include <QMainWindow>
#include <QStringList>
#include <QUrl>
#include <functional>

class CLockKeyIndicators;
class CHelpWindow;
class CPaneFocusMarker;
class CCatalogueTools;
class CLoanTools;
class CLiveUpdates;
class CListFilterBar;
class COrdoDoc;
class CWelcomePage;
class COrdoTreeView;
class COrdoListView;
class COrdoHtmlView;
class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QStackedWidget;
class QTimer;
class QToolBar;

// The main window: the category tree on the left, the book list above the
// book page on the right, the menus, toolbar and status bar. It routes every
// command to the pane that serves it and serves the commands that belong to
// no pane (Basic Search, Run SQL, Options, web site, forum, help).
class CMainFrame : public QMainWindow, public ICommandTarget
{
    Q_OBJECT

public:
    explicit CMainFrame(COrdoDoc *doc, QWidget *parent = nullptr);
    ~CMainFrame() override;

    // Builds bars, menus, style lists and panes. False (after showing "No CSS
    // files found." or "No XSL files found.") when a style folder is empty.
    bool create();

    COrdoDoc *document() const { return m_doc; }
    COrdoTreeView *treeView() const { return m_tree; }
    COrdoListView *listView() const { return m_list; }
    CListFilterBar *filterBar() const { return m_filterBar; }
    COrdoHtmlView *htmlView() const { return m_html; }
    CommandRouter &router() { return m_router; }
    CCatalogueTools *catalogueTools() const { return m_catalogueTools; }
    CLoanTools *loanTools() const { return m_loanTools; }
    // Other people's changes to a shared catalogue, shown as they come.
    CLiveUpdates *liveUpdates() const { return m_liveUpdates; }

    // File titles of Styles/CSS/*.css and Styles/*.xsl (at most 100 each).
    QStringList styleList() const { return m_styles; }
    QStringList templateList() const { return m_templates; }

    // The application (open, recent files, exit, about) and the document's
    // own commands (New Database) join the routing chain after the frame.
    void addCommandTarget(ICommandTarget *target);
    void setRecentFiles(const QStringList &paths);

    QAction *action(int id) const { return m_actions.value(id); }
    QMenu *contextPopup(const QString &title) const { return m_popups.value(title); }
    void showContextPopup(const QString &title, const QPoint &globalPos);
    void setBookCountText(const QString &text);
    CLockKeyIndicators *lockKeyIndicators() const { return m_lockKeys; }
    // Refreshes enabled and checked states of every action now.
    void updateCommandStates();

    // Shows the window as the user left it last time (maximised on a first
    // run) and remembers it again when it closes.
    void showAsRemembered();
    void saveWindowState() const;
    QSplitter *outerSplitter() const { return m_outer; }
    QSplitter *innerSplitter() const { return m_inner; }
    // The page shown instead of the panes while no catalogue is open.
    CWelcomePage *welcomePage() const { return m_welcome; }
    bool isWelcomeShown() const;

    // Opens an address (the guide, the web site) with the desktop; false
    // when nothing could. Tests replace it. F1 and Help Topics open the
    // guide in helpWindow(); Help > User Guide in Web Browser hands it to the
    // desktop, falling back to helpWindow().
    using UrlOpener = std::function<bool(const QUrl &)>;
    void setUrlOpener(UrlOpener opener) { m_urlOpener = std::move(opener); }
    CHelpWindow *helpWindow() const { return m_helpWindow; }
    // Marks the pane that has the keyboard focus.
    CPaneFocusMarker *paneFocusMarker() const { return m_paneFocus; }
    // Commands greyed while the catalogue is read-only.
    static bool writesCatalogue(int id);

    // ICommandTarget
    bool servesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    bool isCommandChecked(int id) const override;
    void runCommand(int id) override;

signals:
    void recentFileChosen(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void installCentral(QWidget *panes);
    void updateWelcome();
    void showHelp();
    // Opens url with the desktop (UrlOpener); says so when it cannot.
    bool openInBrowser(const QUrl &url);
    static QUrl guideUrl();
    QAction *makeAction(int id, const QString &text, const QKeySequence &shortcut = {});
    void buildActions();
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    bool buildStyleLists();
    void buildPanes();
    void wirePanes();
    void updateTitle();
    void movePaneFocus(int step);
    void onBasicSearch();
    void onFilterList();
    void onRunSql();
    void onOptions();

    COrdoDoc *m_doc = nullptr;
    CommandRouter m_router;
    QHash<int, QAction *> m_actions;
    QHash<QString, QMenu *> m_popups;
    QStringList m_styles;
    QStringList m_templates;
    QStringList m_recentFiles;
    QMenu *m_fileMenu = nullptr;
    QAction *m_recentSeparator = nullptr;
    QToolBar *m_toolbar = nullptr;
    QLabel *m_countPane = nullptr;
    QLabel *m_capsPane = nullptr;
    QLabel *m_numPane = nullptr;
    QLabel *m_scrollPane = nullptr;
    CLockKeyIndicators *m_lockKeys = nullptr;
    QSplitter *m_outer = nullptr;
    QSplitter *m_inner = nullptr;
    COrdoTreeView *m_tree = nullptr;
    COrdoListView *m_list = nullptr;
    CListFilterBar *m_filterBar = nullptr;
    COrdoHtmlView *m_html = nullptr;
    QTimer *m_updateTimer = nullptr;
    QStackedWidget *m_central = nullptr;
    CWelcomePage *m_welcome = nullptr;
    CHelpWindow *m_helpWindow = nullptr;
    CPaneFocusMarker *m_paneFocus = nullptr;
    UrlOpener m_urlOpener;
    CCatalogueTools *m_catalogueTools = nullptr;
    CLoanTools *m_loanTools = nullptr;
    CLiveUpdates *m_liveUpdates = nullptr;
};
