#pragma once

#include "app/recentfilelist.h"
#include "commandtarget.h"
#include "interfacelanguage.h"
#include "messageboxmessenger.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class CMainFrame;
class COrdoDoc;
class CAccessibleNamer;
class IPasswordPrompt;
class QWidget;

// The application: finds its folder, loads the interface language, creates
// the document and the main window, opens the catalogue to start with and
// serves the commands that belong to no window (open, new, recent files,
// exit, about).
class COrdoApp : public QObject, public ICommandTarget
{
    Q_OBJECT

public:
    // Asks for a catalogue path; empty when the user cancels.
    using FileDialog = std::function<QString(QWidget *parent, const QString &startFolder)>;

    explicit COrdoApp(QObject *parent = nullptr);
    ~COrdoApp() override;

    // The page's private link schemes (ordocover:, ordolink:). Must run
    // before the QApplication is created.
    static void RegisterUrlSchemes();
    // The catalogue named by the positional arguments ("file://" URLs too).
    static QString CatalogueFromArguments(const QStringList &positional);

    // Instead of the folder found beside the executable (tests).
    void setApplicationFolder(const QString &folder) { m_appFolderOverride = folder; }
    void setOpenFileDialog(FileDialog dialog) { m_openDialog = std::move(dialog); }
    void setSaveFileDialog(FileDialog dialog) { m_saveDialog = std::move(dialog); }
    // Asks where File > Save Local Copy writes.
    void setLocalCopyDialog(FileDialog dialog) { m_localCopyDialog = std::move(dialog); }
    // Asks where a server catalogue is (create: New Server Catalogue); the
    // address, or empty when the user cancels.
    using ServerDialog = std::function<QString(QWidget *parent, bool create)>;
    void setServerDialog(ServerDialog dialog) { m_serverDialog = std::move(dialog); }
    // Instead of the password dialog (not owned; nullptr: the dialog again).
    void setPasswordPrompt(IPasswordPrompt *prompt) { m_passwordPrompt = prompt; }
    // Off: keep the messenger that is installed (tests record messages).
    void setUseMessageBoxes(bool use) { m_useMessageBoxes = use; }

    // Start-up. False when the main window cannot be created or the
    // catalogue named on the command line does not open; the program then ends.
    [[nodiscard]] bool InitInstance(const QString &commandLineFile = QString());
    // Undoes start-up: the translation is unloaded, the messenger restored.
    int ExitInstance();

    // Opens path (or a server address) as the catalogue; failures are shown
    // to the user.
    bool OpenDocumentFile(const QString &path);

    COrdoDoc *document() const { return m_doc; }
    CMainFrame *mainFrame() const { return m_frame.get(); }
    QString languageCode() const { return m_languageCode; }
    bool translationLoaded() const { return m_language.IsInstalled(); }
    QStringList recentFiles() const { return m_recent.entries(); }

    static COrdoApp *instance();

    // ICommandTarget
    bool servesCommand(int id) const override;
    bool isCommandEnabled(int id) const override;
    void runCommand(int id) override;

private:
    void loadLanguage();
    void onDocumentOpened(const QString &path);
    void openRecent(const QString &path);
    void onFileOpen();
    void onFileNew();
    void onServerCatalogue(bool create);
    void onAbout();
    QString startFolder() const;
    void showRecentFiles();

    QString m_appFolderOverride;
    QString m_languageCode;
    CInterfaceLanguage m_language;
    CRecentFileList m_recent;
    CMessageBoxMessenger m_messenger;
    bool m_useMessageBoxes = true;
    bool m_messengerInstalled = false;
    FileDialog m_openDialog;
    FileDialog m_saveDialog;
    FileDialog m_localCopyDialog;
    ServerDialog m_serverDialog;
    IPasswordPrompt *m_passwordPrompt = nullptr;
    COrdoDoc *m_doc = nullptr;
    CAccessibleNamer *m_namer = nullptr; // a child
    std::unique_ptr<CMainFrame> m_frame;
};
