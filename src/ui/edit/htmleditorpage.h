#pragma once

#include "widgets/propertysheet.h"

#include <QHash>
#include <QPointer>
#include <functional>
#include <memory>

class COrdoWebPage;
class QAction;
class QToolBar;
class QUrl;
class QWebEngineView;

// The twin pages that edit a book's Description and Notes as HTML: a
// formatting toolbar over a web view in design mode.
//
// The view loads the editor's own page (title, character set, body font) and
// the page's text goes into its body only; scripts of the text never run,
// the program's scripts run in the application's script world. Loading is
// asynchronous: the commands stay disabled until the text is in, and when
// the load fails they stay so and the text is kept as it was. Navigation
// never leaves the page; a clicked link (in preview mode) opens outside.
//
// m_html is the page's copy of the text: the sheet sets it before the page is
// shown and takes it after CollectHtml. A page the user did not change gives
// back exactly the text it was given.
class CHtmlEditorPage : public CPropertyPage
{
    Q_OBJECT

public:
    // Asks for the value a command needs (a colour name, a font as
    // QFont::toString() gives it, a link address, a picture path); empty for
    // Cancel.
    using Chooser = std::function<QString(int commandId)>;
    // Opens a clicked link outside; the default uses the desktop.
    using Opener = std::function<void(const QUrl &url)>;

    explicit CHtmlEditorPage(const QString &caption, QWidget *parent = nullptr);
    ~CHtmlEditorPage() override;

    QString m_html;

    // Reads the editor's text into m_html when the user changed it; done
    // runs once that is settled (at once when there is nothing to read).
    void CollectHtml(std::function<void()> done);

    // The editor holds the text and takes commands.
    bool isReady() const { return m_ready; }
    // The editor page could not be loaded; m_html stays as given.
    bool loadFailed() const { return m_loadFailed; }
    // True after the user changed the text (as far as already read back).
    bool isEdited() const { return m_edited; }

    // Runs a toolbar or accelerator command; false when it cannot run now
    // (the editor is not ready, or the link or picture chooser was
    // cancelled). Font and Background Color first ask the editor whether
    // they apply now and only then open their dialog, so they return true
    // once that question is asked. Whether the editor carried a command out
    // is known only later.
    bool RunCommand(int commandId);

    QWebEngineView *editor() const { return m_view; }
    QToolBar *toolBar() const { return m_toolBar; }
    QAction *action(int commandId) const { return m_actions.value(commandId); }

    void setChooser(Chooser chooser);
    void setOpener(Opener opener);

signals:
    // The text is in the editor and commands are enabled.
    void editorReady();
    // Design mode was switched (true: editing, false: preview).
    void modeSwitched(bool design);

protected:
    void OnInitDialog() override;
    // Starts reading the text back; never refuses.
    bool OnKillActive() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createActions();
    void createEditor();
    void onLoadFinished(bool ok);
    void setCommandsEnabled(bool enabled);
    void runScript(const QString &script);
    void toggleMode();
    QString defaultChoice(int commandId);
    // Font, colour, link and picture ask for a value first.
    static bool needsValue(int commandId);
    // Runs a command that needs value; false when value is empty (cancelled).
    bool runWithValue(int commandId, QString value);

    QToolBar *m_toolBar = nullptr;
    QWebEngineView *m_view = nullptr;
    QPointer<COrdoWebPage> m_page;
    // False from the destructor on (see PageGuard).
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    QHash<int, QAction *> m_actions;
    Chooser m_chooser;
    Opener m_opener;
    bool m_ready = false;
    bool m_loadFailed = false;
    bool m_edited = false;
};
