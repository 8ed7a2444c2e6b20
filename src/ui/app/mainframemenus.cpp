// Menus, accelerators, toolbar and status bar of the main window.
#include "app/strings.h"
#include "commandids.h"
#include "lockkeyindicators.h"
#include "mainframe.h"
#include "widgets/toolbarimageset.h"
#include "widgets/toolbarstrip.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

struct CommandText
{
    int id;
    const char *text;
    const char *prompt; // status-bar prompt, then a line break and the tooltip
};

const CommandText kCommands[] = {
    {Cmd::NewDatabase, QT_TRANSLATE_NOOP("CMainFrame", "&New Database..."), QT_TRANSLATE_NOOP("CMainFrame", "Create a new book database\nNew Database")},
    {Cmd::OpenDatabase, QT_TRANSLATE_NOOP("CMainFrame", "&Open Database..."), QT_TRANSLATE_NOOP("CMainFrame", "Open an existing book database\nOpen Database")},
    {Cmd::OpenServerCatalogue, QT_TRANSLATE_NOOP("CMainFrame", "Open Server Ca&talogue..."), QT_TRANSLATE_NOOP("CMainFrame", "Open a catalogue kept on a PostgreSQL server\nOpen Server Catalogue")},
    {Cmd::NewServerCatalogue, QT_TRANSLATE_NOOP("CMainFrame", "Ne&w Server Catalogue..."), QT_TRANSLATE_NOOP("CMainFrame", "Make a catalogue in an empty database on a PostgreSQL server\nNew Server Catalogue")},
    {Cmd::Reconnect, QT_TRANSLATE_NOOP("CMainFrame", "&Reconnect"), QT_TRANSLATE_NOOP("CMainFrame", "Connect again to the server whose connection was lost\nReconnect")},
    {Cmd::CopyToServer, QT_TRANSLATE_NOOP("CMainFrame", "Cop&y Catalogue to Server..."), QT_TRANSLATE_NOOP("CMainFrame", "Copy the open catalogue file into a new catalogue on a PostgreSQL server\nCopy Catalogue to Server")},
    {Cmd::SaveLocalCopy, QT_TRANSLATE_NOOP("CMainFrame", "Save &Local Copy..."), QT_TRANSLATE_NOOP("CMainFrame", "Copy the server catalogue into a catalogue file on this computer\nSave Local Copy")},
    {Cmd::SaveAsHtml, QT_TRANSLATE_NOOP("CMainFrame", "Save As &HTML..."), QT_TRANSLATE_NOOP("CMainFrame", "Save the book page as an HTML file\nSave As HTML")},
    {Cmd::SaveAsXml, QT_TRANSLATE_NOOP("CMainFrame", "Save As X&ML..."), QT_TRANSLATE_NOOP("CMainFrame", "Save the selected books as an XML file\nSave As XML")},
    {Cmd::ImportBooks, QT_TRANSLATE_NOOP("CMainFrame", "&Import..."), QT_TRANSLATE_NOOP("CMainFrame", "Bring in books from a spreadsheet, Goodreads, LibraryThing or Tellico\nImport")},
    {Cmd::ExportCatalogue, QT_TRANSLATE_NOOP("CMainFrame", "Export &Catalogue..."), QT_TRANSLATE_NOOP("CMainFrame", "Write the catalogue, a category or the selected books to a file\nExport Catalogue")},
    {Cmd::PageSetup, QT_TRANSLATE_NOOP("CMainFrame", "Page Set&up..."), QT_TRANSLATE_NOOP("CMainFrame", "Change the printing options\nPage Setup")},
    {Cmd::PrintPreview, QT_TRANSLATE_NOOP("CMainFrame", "Print Pre&view..."), QT_TRANSLATE_NOOP("CMainFrame", "Display the book page as it will be printed\nPrint Preview")},
    {Cmd::Print, QT_TRANSLATE_NOOP("CMainFrame", "&Print..."), QT_TRANSLATE_NOOP("CMainFrame", "Print the book page\nPrint")},
    {Cmd::Exit, QT_TRANSLATE_NOOP("CMainFrame", "E&xit"), QT_TRANSLATE_NOOP("CMainFrame", "Quit the application\nExit")},
    {Cmd::Cut, QT_TRANSLATE_NOOP("CMainFrame", "Cu&t"), QT_TRANSLATE_NOOP("CMainFrame", "Cut the selection and put it on the Clipboard\nCut")},
    {Cmd::Copy, QT_TRANSLATE_NOOP("CMainFrame", "&Copy"), QT_TRANSLATE_NOOP("CMainFrame", "Copy the selection and put it on the Clipboard\nCopy")},
    {Cmd::Paste, QT_TRANSLATE_NOOP("CMainFrame", "&Paste"), QT_TRANSLATE_NOOP("CMainFrame", "Insert Clipboard contents\nPaste")},
    {Cmd::SelectAll, QT_TRANSLATE_NOOP("CMainFrame", "Select &All"), QT_TRANSLATE_NOOP("CMainFrame", "Select everything\nSelect All")},
    {Cmd::Undo, QT_TRANSLATE_NOOP("CMainFrame", "&Undo"), QT_TRANSLATE_NOOP("CMainFrame", "Undo the last action\nUndo")},
    {Cmd::AddSubCategory, QT_TRANSLATE_NOOP("CMainFrame", "Add S&ub Category..."), QT_TRANSLATE_NOOP("CMainFrame", "Add a sub category to the selected category\nAdd Sub Category")},
    {Cmd::RemoveCategory, QT_TRANSLATE_NOOP("CMainFrame", "Re&move Category"), QT_TRANSLATE_NOOP("CMainFrame", "Delete the selected category\nRemove Category")},
    {Cmd::EditCategory, QT_TRANSLATE_NOOP("CMainFrame", "Edit Cate&gory..."), QT_TRANSLATE_NOOP("CMainFrame", "Rename or annotate the selected category\nEdit Category")},
    {Cmd::AddBook, QT_TRANSLATE_NOOP("CMainFrame", "Add &Book..."), QT_TRANSLATE_NOOP("CMainFrame", "Add a book to the selected category\nAdd Book")},
    {Cmd::RemoveBook, QT_TRANSLATE_NOOP("CMainFrame", "&Remove Book"), QT_TRANSLATE_NOOP("CMainFrame", "Remove the selected books\nRemove Book")},
    {Cmd::EditBook, QT_TRANSLATE_NOOP("CMainFrame", "&Edit Book..."), QT_TRANSLATE_NOOP("CMainFrame", "Edit the selected book\nEdit Book")},
    {Cmd::SendToFavorites, QT_TRANSLATE_NOOP("CMainFrame", "&Favorites"), QT_TRANSLATE_NOOP("CMainFrame", "Add the selected books to Favorites\nFavorites")},
    {Cmd::SendToReadingList, QT_TRANSLATE_NOOP("CMainFrame", "&Reading List"), QT_TRANSLATE_NOOP("CMainFrame", "Add the selected books to the Reading List\nReading List")},
    {Cmd::SendToSearchResults, QT_TRANSLATE_NOOP("CMainFrame", "&Search Results"), QT_TRANSLATE_NOOP("CMainFrame", "Add the selected books to Search Results\nSearch Results")},
    {Cmd::StartReading, QT_TRANSLATE_NOOP("CMainFrame", "Start Rea&ding"), QT_TRANSLATE_NOOP("CMainFrame", "Log that you began reading the selected books today\nStart Reading")},
    {Cmd::FinishReading, QT_TRANSLATE_NOOP("CMainFrame", "F&inished Reading"), QT_TRANSLATE_NOOP("CMainFrame", "Log that you finished reading the selected books today\nFinished Reading")},
    {Cmd::BasicSearch, QT_TRANSLATE_NOOP("CMainFrame", "Basic &Search"), QT_TRANSLATE_NOOP("CMainFrame", "Search the catalogue for a keyword\nBasic Search")},
    {Cmd::FilterList, QT_TRANSLATE_NOOP("CMainFrame", "&Filter List"), QT_TRANSLATE_NOOP("CMainFrame", "Show only the books of the list that hold the words you type\nFilter List")},
    {Cmd::Lend, QT_TRANSLATE_NOOP("CMainFrame", "&Lend..."), QT_TRANSLATE_NOOP("CMainFrame", "Record that the selected books are lent to someone\nLend")},
    {Cmd::Return, QT_TRANSLATE_NOOP("CMainFrame", "Return Boo&k..."), QT_TRANSLATE_NOOP("CMainFrame", "Record that the selected books on loan came back\nReturn")},
    {Cmd::BorrowedBook, QT_TRANSLATE_NOOP("CMainFrame", "Borro&wed Book..."), QT_TRANSLATE_NOOP("CMainFrame", "Add a book you borrowed, so that you remember to give it back\nBorrowed Book")},
    {Cmd::Borrowers, QT_TRANSLATE_NOOP("CMainFrame", "&Borrowers..."), QT_TRANSLATE_NOOP("CMainFrame", "Rename, merge or delete the people books are lent to\nBorrowers")},
    {Cmd::ViewToolbar, QT_TRANSLATE_NOOP("CMainFrame", "&Toolbar"), QT_TRANSLATE_NOOP("CMainFrame", "Show or hide the toolbar\nToggle Toolbar")},
    {Cmd::ViewStatusBar, QT_TRANSLATE_NOOP("CMainFrame", "&Status Bar"), QT_TRANSLATE_NOOP("CMainFrame", "Show or hide the status bar\nToggle Status Bar")},
    {Cmd::Refresh, QT_TRANSLATE_NOOP("CMainFrame", "&Refresh"), QT_TRANSLATE_NOOP("CMainFrame", "Show the book page again\nRefresh")},
    {Cmd::SeriesColumns, QT_TRANSLATE_NOOP("CMainFrame", "Series &Columns"), QT_TRANSLATE_NOOP("CMainFrame", "Show or hide the series and the number in it in the book list\nSeries Columns")},
    {Cmd::SortBySeries, QT_TRANSLATE_NOOP("CMainFrame", "S&ort by Series"), QT_TRANSLATE_NOOP("CMainFrame", "List the books by series, then by their number in it\nSort by Series")},
    {Cmd::RunSql, QT_TRANSLATE_NOOP("CMainFrame", "&Run SQL..."), QT_TRANSLATE_NOOP("CMainFrame", "Submit SQL statement to the database\nRun SQL")},
    {Cmd::CheckCatalogue, QT_TRANSLATE_NOOP("CMainFrame", "&Check Catalogue..."), QT_TRANSLATE_NOOP("CMainFrame", "Check the catalogue and its cover pictures and repair what can be repaired\nCheck Catalogue")},
    {Cmd::Statistics, QT_TRANSLATE_NOOP("CMainFrame", "S&tatistics..."), QT_TRANSLATE_NOOP("CMainFrame", "Count the books, authors and prices and chart them by category, author, year and more\nStatistics")},
    {Cmd::RestoreBackup, QT_TRANSLATE_NOOP("CMainFrame", "Restore &Backup..."), QT_TRANSLATE_NOOP("CMainFrame", "Replace the catalogue by one of its automatic backups\nRestore Backup")},
    {Cmd::Options, QT_TRANSLATE_NOOP("CMainFrame", "&Options..."), QT_TRANSLATE_NOOP("CMainFrame", "Set default values and the interface language\nOptions")},
    {Cmd::HelpTopics, QT_TRANSLATE_NOOP("CMainFrame", "&Help Topics"), QT_TRANSLATE_NOOP("CMainFrame", "Open the user guide\nHelp Topics")},
    {Cmd::HelpInBrowser, QT_TRANSLATE_NOOP("CMainFrame", "User Guide in Web &Browser"), QT_TRANSLATE_NOOP("CMainFrame", "Open the user guide in the desktop's web browser\nUser Guide in Web Browser")},
    {Cmd::About, QT_TRANSLATE_NOOP("CMainFrame", "&About Ordo..."), QT_TRANSLATE_NOOP("CMainFrame", "Display program information, version number and copyright\nAbout")},
    {Cmd::Website, QT_TRANSLATE_NOOP("CMainFrame", "Ordoteca &Website"), QT_TRANSLATE_NOOP("CMainFrame", "Visit the Ordoteca web site\nWebsite")},
    {Cmd::Forum, QT_TRANSLATE_NOOP("CMainFrame", "Support &Forum"), QT_TRANSLATE_NOOP("CMainFrame", "Visit the Ordoteca support forum\nForum")},
    {Cmd::ContextHelp, QT_TRANSLATE_NOOP("CMainFrame", "&Help"), QT_TRANSLATE_NOOP("CMainFrame", "Display help for the current task\nHelp")},
    {Cmd::HelpMode, QT_TRANSLATE_NOOP("CMainFrame", "Help &Mode"), QT_TRANSLATE_NOOP("CMainFrame", "Display help for clicked buttons, menus and windows\nHelp")},
    {Cmd::NextPane, QT_TRANSLATE_NOOP("CMainFrame", "Next Pane"), QT_TRANSLATE_NOOP("CMainFrame", "Switch to the next window pane\nNext Pane")},
    {Cmd::PrevPane, QT_TRANSLATE_NOOP("CMainFrame", "Previous Pane"), QT_TRANSLATE_NOOP("CMainFrame", "Switch back to the previous window pane\nPrevious Pane")},
};

// Keys of each command; the first is shown in the menus.
QList<QKeySequence> keysOf(int id)
{
    switch (id) {
    case Cmd::NewDatabase: return {QKeySequence(Qt::CTRL | Qt::Key_N)};
    case Cmd::OpenDatabase: return {QKeySequence(Qt::CTRL | Qt::Key_O)};
    case Cmd::SaveAsHtml: return {QKeySequence(Qt::CTRL | Qt::Key_S)};
    case Cmd::Print: return {QKeySequence(Qt::CTRL | Qt::Key_P)};
    case Cmd::Cut: return {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)};
    case Cmd::Copy: return {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)};
    case Cmd::Paste: return {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)};
    case Cmd::SelectAll: return {QKeySequence(Qt::CTRL | Qt::Key_A)};
    case Cmd::Undo: return {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)};
    case Cmd::AddBook: return {QKeySequence(Qt::Key_Insert)};
    case Cmd::RemoveBook: return {QKeySequence(Qt::Key_Delete)};
    case Cmd::EditBook: return {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)};
    // Ctrl+F is the filter bar's, as in most programs with a list to narrow.
    case Cmd::FilterList: return {QKeySequence(Qt::CTRL | Qt::Key_F)};
    case Cmd::BasicSearch: return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F)};
    case Cmd::Lend: return {QKeySequence(Qt::CTRL | Qt::Key_L)};
    case Cmd::Return: return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L)};
    case Cmd::BorrowedBook: return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B)};
    case Cmd::ContextHelp: return {QKeySequence(Qt::Key_F1)};
    case Cmd::HelpMode: return {QKeySequence(Qt::SHIFT | Qt::Key_F1)};
    case Cmd::NextPane: return {QKeySequence(Qt::Key_F6)};
    case Cmd::PrevPane: return {QKeySequence(Qt::SHIFT | Qt::Key_F6)};
    default: return {};
    }
}

} // namespace

void CMainFrame::buildActions()
{
    for (const CommandText &c : kCommands) {
        QAction *a = makeAction(c.id, tr(c.text));
        const QStringList prompt = tr(c.prompt).split(QLatin1Char('\n'));
        a->setStatusTip(prompt.value(0));
        a->setToolTip(prompt.value(1, a->text().remove(QLatin1Char('&'))));
        const QList<QKeySequence> keys = keysOf(c.id);
        if (!keys.isEmpty()) {
            a->setShortcuts(keys);
            a->setShortcutContext(Qt::WindowShortcut);
        }
        addAction(a); // accelerators work with the menus hidden too
    }
    m_actions.value(Cmd::ViewToolbar)->setCheckable(true);
    m_actions.value(Cmd::ViewStatusBar)->setCheckable(true);
    m_actions.value(Cmd::SeriesColumns)->setCheckable(true);

    for (int i = 0; i < 4; ++i) {
        QAction *a = makeAction(Cmd::RecentFileFirst + i, QString());
        a->setStatusTip(tr("Open this database"));
        a->setVisible(false);
    }

    // The two style lists become checkable commands 30000 + i and 30100 + i.
    auto *styles = new QActionGroup(this);
    for (int i = 0; i < m_styles.size(); ++i) {
        QAction *a = makeAction(Cmd::StyleFirst + i, m_styles.at(i));
        a->setCheckable(true);
        styles->addAction(a);
    }
    auto *templates = new QActionGroup(this);
    for (int i = 0; i < m_templates.size(); ++i) {
        QAction *a = makeAction(Cmd::TemplateFirst + i, m_templates.at(i));
        a->setCheckable(true);
        templates->addAction(a);
    }
}

void CMainFrame::buildToolbar()
{
    CToolbarImageSet images;
    const QVector<int> &commands = MainToolbarCommands();
    images.Create(16, 16, true, int(commands.size()));
    images.Load(DrawMainToolbarStrip());

    m_toolbar = addToolBar(tr("Standard"));
    m_toolbar->setObjectName(QStringLiteral("mainToolbar"));
    m_toolbar->setIconSize(QSize(16, 16));
    m_toolbar->setMovable(false);
    int image = 0;
    for (int id : commands) {
        if (id == 0) {
            m_toolbar->addSeparator();
            continue;
        }
        // The menus show the same icon beside the same command.
        m_actions.value(id)->setIcon(images.icon(image++));
        m_toolbar->addAction(m_actions.value(id));
    }
}

void CMainFrame::buildMenus()
{
    auto a = [this](int id) { return m_actions.value(id); };
    QMenuBar *bar = menuBar();

    m_fileMenu = bar->addMenu(tr("&File"));
    m_fileMenu->addActions({a(Cmd::NewDatabase), a(Cmd::OpenDatabase)});
    m_fileMenu->addActions({a(Cmd::NewServerCatalogue), a(Cmd::OpenServerCatalogue), a(Cmd::Reconnect)});
    m_fileMenu->addActions({a(Cmd::CopyToServer), a(Cmd::SaveLocalCopy)});
    m_fileMenu->addSeparator();
    m_fileMenu->addActions({a(Cmd::SaveAsHtml), a(Cmd::SaveAsXml)});
    m_fileMenu->addSeparator();
    m_fileMenu->addActions({a(Cmd::ImportBooks), a(Cmd::ExportCatalogue)});
    m_fileMenu->addSeparator();
    m_fileMenu->addActions({a(Cmd::PageSetup), a(Cmd::PrintPreview), a(Cmd::Print)});
    m_fileMenu->addSeparator();
    for (int i = 0; i < 4; ++i)
        m_fileMenu->addAction(a(Cmd::RecentFileFirst + i));
    m_recentSeparator = m_fileMenu->addSeparator();
    m_recentSeparator->setVisible(false);
    m_fileMenu->addAction(a(Cmd::RestoreBackup));
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(a(Cmd::Exit));

    QMenu *sendTo = new QMenu(tr("Se&nd To"), this);
    sendTo->setObjectName(QStringLiteral("menuSendTo"));
    sendTo->addActions({a(Cmd::SendToFavorites), a(Cmd::SendToReadingList), a(Cmd::SendToSearchResults)});

    QMenu *edit = bar->addMenu(tr("&Edit"));
    edit->addActions({a(Cmd::Cut), a(Cmd::Copy), a(Cmd::Paste), a(Cmd::SelectAll)});
    edit->addSeparator();
    edit->addActions({a(Cmd::AddSubCategory), a(Cmd::RemoveCategory), a(Cmd::EditCategory)});
    edit->addSeparator();
    edit->addActions({a(Cmd::AddBook), a(Cmd::RemoveBook), a(Cmd::EditBook)});
    edit->addMenu(sendTo);
    edit->addActions({a(Cmd::StartReading), a(Cmd::FinishReading)});
    edit->addSeparator();
    edit->addActions({a(Cmd::Lend), a(Cmd::Return), a(Cmd::BorrowedBook)});
    edit->addSeparator();
    edit->addActions({a(Cmd::FilterList), a(Cmd::BasicSearch)});

    QMenu *templateMenu = new QMenu(tr("Content T&emplate"), this);
    templateMenu->setObjectName(QStringLiteral("menuContentTemplate"));
    for (int i = 0; i < m_templates.size(); ++i)
        templateMenu->addAction(a(Cmd::TemplateFirst + i));
    QMenu *styleMenu = new QMenu(tr("&Display Style"), this);
    styleMenu->setObjectName(QStringLiteral("menuDisplayStyle"));
    for (int i = 0; i < m_styles.size(); ++i)
        styleMenu->addAction(a(Cmd::StyleFirst + i));

    // View reads Toolbar, Status Bar, Content Template, Display Style, Refresh.
    QMenu *view = bar->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("menuView"));
    view->addActions({a(Cmd::ViewToolbar), a(Cmd::ViewStatusBar), a(Cmd::Refresh)});
    view->insertMenu(a(Cmd::Refresh), templateMenu);
    view->insertMenu(a(Cmd::Refresh), styleMenu);
    view->addSeparator();
    view->addActions({a(Cmd::SeriesColumns), a(Cmd::SortBySeries)});

    QMenu *tools = bar->addMenu(tr("&Tools"));
    tools->addActions({a(Cmd::RunSql), a(Cmd::CheckCatalogue), a(Cmd::Borrowers), a(Cmd::Statistics), a(Cmd::Options)});

    QMenu *help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("menuHelp"));
    help->addActions({a(Cmd::HelpTopics), a(Cmd::HelpInBrowser)});
    help->addAction(a(Cmd::About));
    help->addSeparator();
    help->addActions({a(Cmd::Website), a(Cmd::Forum)});

    for (QMenu *menu : {m_fileMenu, edit, view, tools, help, sendTo, templateMenu, styleMenu})
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);

    // Context popups, shown by the panes by title.
    auto *tree = new QMenu(QStringLiteral("Tree"), this);
    tree->addActions({a(Cmd::AddSubCategory), a(Cmd::AddBook), a(Cmd::RemoveCategory), a(Cmd::EditCategory)});
    tree->addSeparator();
    tree->addActions({a(Cmd::Cut), a(Cmd::Paste)});

    auto *list = new QMenu(QStringLiteral("List"), this);
    list->addActions({a(Cmd::AddBook), a(Cmd::RemoveBook), a(Cmd::EditBook)});
    list->addSeparator();
    list->addMenu(sendTo);
    list->addActions({a(Cmd::Lend), a(Cmd::Return)});
    list->addActions({a(Cmd::StartReading), a(Cmd::FinishReading)});
    list->addSeparator();
    list->addActions({a(Cmd::Cut), a(Cmd::Copy), a(Cmd::Paste), a(Cmd::SelectAll)});

    // Html reads Copy, Select All, Print, -, Content Template, Display Style,
    // Refresh, -, Save As HTML, Save As XML.
    auto *html = new QMenu(QStringLiteral("Html"), this);
    html->addActions({a(Cmd::Copy), a(Cmd::SelectAll), a(Cmd::Print)});
    html->addSeparator();
    html->addMenu(templateMenu);
    html->addMenu(styleMenu);
    html->addAction(a(Cmd::Refresh));
    html->addSeparator();
    html->addActions({a(Cmd::SaveAsHtml), a(Cmd::SaveAsXml)});

    for (QMenu *popup : {tree, list, html}) {
        popup->setObjectName(QStringLiteral("popup") + popup->title());
        m_popups.insert(popup->title(), popup);
    }
}

void CMainFrame::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    // The message pane falls back to its idle text whenever a prompt ends.
    const QString idle = LoadStr(IDS_IDLE_MESSAGE);
    bar->showMessage(idle);
    connect(bar, &QStatusBar::messageChanged, bar, [bar, idle](const QString &text) {
        if (text.isEmpty())
            bar->showMessage(idle);
    });
    m_countPane = new QLabel(this);
    m_countPane->setObjectName(QStringLiteral("bookCountPane"));
    m_countPane->setMinimumWidth(160);
    m_capsPane = new QLabel(QStringLiteral("CAP"), this);
    m_numPane = new QLabel(QStringLiteral("NUM"), this);
    m_scrollPane = new QLabel(QStringLiteral("SCRL"), this);
    bar->addPermanentWidget(m_countPane);
    for (QLabel *l : {m_capsPane, m_numPane, m_scrollPane}) {
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 8);
        bar->addPermanentWidget(l);
    }
    m_capsPane->setObjectName(QStringLiteral("capsLockPane"));
    m_numPane->setObjectName(QStringLiteral("numLockPane"));
    m_scrollPane->setObjectName(QStringLiteral("scrollLockPane"));
    m_lockKeys = new CLockKeyIndicators(m_capsPane, m_numPane, m_scrollPane, this);
}
