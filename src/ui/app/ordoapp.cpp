#include "ordoapp.h"

#include "aboutdlg.h"
#include "app/apppaths.h"
#include "app/languagetable.h"
#include "app/registrykey.h"
#include "app/strings.h"
#include "catalog/ordodoc.h"
#include "commandids.h"
#include "englishplurals.h"
#include "interfacelanguage.h"
#include "mainframe.h"
#include "widgets/accessiblenames.h"
#include "transfer/transfercommands.h"
#include "widgets/savefiledialog.h"
#include "catalog/serveraddress.h"
#include "server/passwordprompt.h"
#include "server/serverdialog.h"
#include "server/cataloguemove.h"
#include "server/serveropen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>
#include <QWebEngineUrlScheme>

namespace {

COrdoApp *g_instance = nullptr;

const QString kSettingsKey = QStringLiteral("Software\\Quenlow\\Ordo\\Settings");

// "Ordoteca Databases (*.mdb)|*.mdb||" -> "Ordoteca Databases (*.mdb)": the
// descriptions of a filter string, in the form the Qt file dialogs take.
QString dialogFilter(const QString &tableFilter)
{
    const QStringList parts = tableFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (!parts.at(i).isEmpty())
            filters << parts.at(i);
    }
    return filters.join(QLatin1String(";;"));
}

QString databaseFilter()
{
    return dialogFilter(LoadStr(IDS_FILTER_DATABASES));
}

QString defaultOpenDialog(QWidget *parent, const QString &startFolder)
{
    const QString filter =
        databaseFilter() + QLatin1String(";;") + QCoreApplication::translate("COrdoApp", "All Files (*)");
    return QFileDialog::getOpenFileName(parent, QCoreApplication::translate("COrdoApp", "Open Database"),
                                        startFolder, filter);
}

QString defaultSaveDialog(QWidget *parent, const QString &startFolder)
{
    return AskFileToSave(parent, QCoreApplication::translate("COrdoApp", "New Database"), startFolder,
                         databaseFilter(), QStringLiteral("mdb"));
}

QString defaultLocalCopyDialog(QWidget *parent, const QString &startFolder)
{
    return AskFileToSave(parent, QCoreApplication::translate("COrdoApp", "Save Local Copy"), startFolder,
                         databaseFilter(), QStringLiteral("mdb"));
}

QString defaultServerDialog(QWidget *parent, bool create)
{
    CServerDialog dialog(create ? CServerDialog::Purpose::Create : CServerDialog::Purpose::Open, parent);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const std::optional<ServerAddress> address = dialog.address();
    return address ? address->toString() : QString();
}

} // namespace

COrdoApp::COrdoApp(QObject *parent) : QObject(parent)
{
    g_instance = this;
    m_openDialog = defaultOpenDialog;
    m_saveDialog = defaultSaveDialog;
    m_localCopyDialog = defaultLocalCopyDialog;
    m_serverDialog = defaultServerDialog;
}

COrdoApp::~COrdoApp()
{
    ExitInstance();
    if (g_instance == this)
        g_instance = nullptr;
}

COrdoApp *COrdoApp::instance()
{
    return g_instance;
}

void COrdoApp::RegisterUrlSchemes()
{
    // Registered schemes reach the page's navigation hook instead of being
    // handed to the desktop as unknown protocols. They name local things.
    for (const char *name : {"ordocover", "ordolink", "ordoslice"}) {
        QWebEngineUrlScheme scheme(name);
        scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
        scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
        QWebEngineUrlScheme::registerScheme(scheme);
    }
}

QString COrdoApp::CatalogueFromArguments(const QStringList &positional)
{
    if (positional.isEmpty())
        return {};
    const QString arg = positional.constFirst();
    if (arg.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return QUrl(arg).toLocalFile();
    return arg;
}

bool COrdoApp::InitInstance(const QString &commandLineFile)
{
    SetAppFolder(m_appFolderOverride.isEmpty() ? LocateAppFolder(QCoreApplication::applicationDirPath())
                                               : m_appFolderOverride);
    loadLanguage();
    FillLanguageTable();

    if (m_useMessageBoxes && !m_messengerInstalled) {
        setMessenger(&m_messenger);
        m_messengerInstalled = true;
    }
    m_recent.ReadList();
    // Every window of the program names its labelled controls for screen readers.
    if (!m_namer) {
        m_namer = new CAccessibleNamer(this);
        QCoreApplication::instance()->installEventFilter(m_namer);
    }

    m_doc = new COrdoDoc(this);
    m_frame = std::make_unique<CMainFrame>(m_doc);
    if (!m_frame->create()) {
        m_frame.reset();
        return false;
    }
    m_messenger.setParentWidget(m_frame.get());
    m_frame->addCommandTarget(this);
    m_frame->addCommandTarget(new CTransferCommands(m_doc, m_frame.get()));
    // Asked through the app so that tests' replacements reach these too.
    CCatalogueMove::Questions questions;
    questions.serverAddress = [this] { return m_serverDialog(m_frame.get(), true); };
    questions.localPath = [this] { return m_localCopyDialog(m_frame.get(), startFolder()); };
    questions.passwordPrompt = [this] { return m_passwordPrompt; };
    m_frame->addCommandTarget(new CCatalogueMove(m_doc, m_frame.get(), std::move(questions)));
    connect(m_frame.get(), &CMainFrame::recentFileChosen, this, &COrdoApp::openRecent);
    connect(m_doc, &COrdoDoc::documentOpened, this, &COrdoApp::onDocumentOpened);
    showRecentFiles();

    m_doc->OnNewDocument();
    // A catalogue named on the command line that does not open ends start-up
    // once its message has been shown.
    if (!commandLineFile.isEmpty() && !OpenDocumentFile(commandLineFile))
        return false;

    m_frame->showAsRemembered();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    // The most recent catalogue (the command line's, when one was given and
    // opened) is opened now, or the user picks one.
    const QString recent = m_recent.entry(0);
    if (!recent.isEmpty() && OpenDocumentFile(recent))
        return true;
    if (!recent.isEmpty() && !ServerAddress::isServerAddress(recent)) {
        // A catalogue that no longer opens leaves the list, as it does when
        // picked from the File menu; otherwise the same message would greet
        // every start. The user picks another one instead.
        m_recent.Remove(recent);
        showRecentFiles();
    }
    const QString path = m_openDialog(m_frame.get(), startFolder());
    if (!path.isEmpty())
        OpenDocumentFile(path);
    return true;
}

void COrdoApp::loadLanguage()
{
    CRegistryKey key;
    QString code;
    if (key.SetKey(kSettingsKey, false))
        code = key.ReadString(QStringLiteral("UILanguage"), QString());

    // English counts ("1 book") come from the built-in forms; a language
    // file installed after them gives its own.
    InstallEnglishPlurals();

    // Exact comparison: "enu" is a language of its own, looked for as a file.
    if (code.isEmpty() || code == QLatin1String("Enu")) {
        m_languageCode = QStringLiteral("Enu");
    } else {
        m_languageCode = code;
        // A missing or unreadable file keeps the built-in English, silently.
        m_language.Install(code, AppFolder() + QStringLiteral("Languages"));
    }
    SetUILanguageCode(m_languageCode);
}

int COrdoApp::ExitInstance()
{
    if (m_frame)
        m_frame->hide();
    m_messenger.setParentWidget(nullptr);
    if (m_messengerInstalled) {
        setMessenger(nullptr);
        m_messengerInstalled = false;
    }
    m_language.Remove();
    return 0;
}

bool COrdoApp::OpenDocumentFile(const QString &path)
{
    if (!m_doc)
        return false;
    if (ServerAddress::isServerAddress(path)) {
        CPasswordDialogPrompt dialogPrompt(m_frame.get());
        return ServerOpen::open(*m_doc, path, m_passwordPrompt ? *m_passwordPrompt : dialogPrompt);
    }
    return m_doc->OnOpenDocument(path);
}

void COrdoApp::onDocumentOpened(const QString &path)
{
    // Another running copy of the program may have changed the list meanwhile.
    m_recent.ReadList();
    m_recent.Add(path);
    showRecentFiles();
}

void COrdoApp::showRecentFiles()
{
    if (m_frame)
        m_frame->setRecentFiles(m_recent.entries());
}

void COrdoApp::openRecent(const QString &path)
{
    // An entry that no longer opens leaves the list; a server that does not
    // answer or a password not given today says nothing of tomorrow.
    if (!OpenDocumentFile(path) && !ServerAddress::isServerAddress(path)) {
        m_recent.Remove(path);
        showRecentFiles();
    }
}

QString COrdoApp::startFolder() const
{
    if (m_doc && m_doc->hasConnection() && !m_doc->connection()->isShared())
        return QFileInfo(m_doc->path()).absolutePath();
    const QString recent = m_recent.entry(0);
    if (!recent.isEmpty() && !ServerAddress::isServerAddress(recent) &&
        QFileInfo(QFileInfo(recent).absolutePath()).isDir())
        return QFileInfo(recent).absolutePath();
    return QDir::homePath();
}

void COrdoApp::onFileOpen()
{
    const QString path = m_openDialog(m_frame.get(), startFolder());
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

void COrdoApp::onFileNew()
{
    const QString path = m_saveDialog(m_frame.get(), startFolder());
    if (path.isEmpty() || !m_doc)
        return;
    // The copy is opened like any catalogue and so joins the recent files.
    m_doc->NewDatabase(path);
}

void COrdoApp::onServerCatalogue(bool create)
{
    const QString address = m_serverDialog(m_frame.get(), create);
    if (address.isEmpty() || !m_doc)
        return;
    CPasswordDialogPrompt dialogPrompt(m_frame.get());
    IPasswordPrompt &prompt = m_passwordPrompt ? *m_passwordPrompt : dialogPrompt;
    if (create)
        ServerOpen::create(*m_doc, address, prompt);
    else
        ServerOpen::open(*m_doc, address, prompt);
}

void COrdoApp::onAbout()
{
    CAboutDlg dialog(m_frame.get());
    dialog.exec();
}

bool COrdoApp::servesCommand(int id) const
{
    switch (id) {
    case Cmd::NewDatabase:
    case Cmd::OpenDatabase:
    case Cmd::OpenServerCatalogue:
    case Cmd::NewServerCatalogue:
    case Cmd::Exit:
    case Cmd::About:
        return true;
    default:
        return id >= Cmd::RecentFileFirst && id < Cmd::RecentFileFirst + CRecentFileList::kMaxEntries;
    }
}

bool COrdoApp::isCommandEnabled(int id) const
{
    if (id >= Cmd::RecentFileFirst && id < Cmd::RecentFileFirst + CRecentFileList::kMaxEntries)
        return id - Cmd::RecentFileFirst < m_recent.count();
    return true;
}

void COrdoApp::runCommand(int id)
{
    switch (id) {
    case Cmd::NewDatabase:
        onFileNew();
        break;
    case Cmd::OpenDatabase:
        onFileOpen();
        break;
    case Cmd::OpenServerCatalogue:
        onServerCatalogue(false);
        break;
    case Cmd::NewServerCatalogue:
        onServerCatalogue(true);
        break;
    case Cmd::Exit:
        if (m_frame)
            m_frame->close();
        break;
    case Cmd::About:
        onAbout();
        break;
    default:
        if (isCommandEnabled(id) && servesCommand(id))
            openRecent(m_recent.entry(id - Cmd::RecentFileFirst));
        break;
    }
}
