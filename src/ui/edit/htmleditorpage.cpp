#include "htmleditorpage.h"

#include "app/strings.h"
#include "editorscript.h"
#include "editortoolbar.h"
#include "page/ordowebpage.h"
#include "page/pagetarget.h"
#include "widgets/opendlgex.h"
#include "widgets/toolbarimageset.h"

#include <QAction>
#include <QColorDialog>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMimeData>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

// The editor's view: files dropped on it are refused (they would replace
// the page or land in the text as addresses).
class CEditorView : public QWebEngineView
{
public:
    using QWebEngineView::QWebEngineView;

    // To the next (or previous) control of the page, past the text.
    void moveFocus(bool next) { focusNextPrevChild(next); }

protected:
    void dragEnterEvent(QDragEnterEvent *event) override
    {
        if (event->mimeData()->hasUrls())
            event->ignore();
        else
            QWebEngineView::dragEnterEvent(event);
    }
    void dragMoveEvent(QDragMoveEvent *event) override
    {
        if (event->mimeData()->hasUrls())
            event->ignore();
        else
            QWebEngineView::dragMoveEvent(event);
    }
    void dropEvent(QDropEvent *event) override
    {
        if (event->mimeData()->hasUrls())
            event->ignore();
        else
            QWebEngineView::dropEvent(event);
    }
};

// The page as the engine's script callbacks see it. They also run while the
// view is deleted with the page, when the page is no longer one and even a
// QPointer to it would cast what it has stopped being: a flag says so.
struct PageGuard
{
    CHtmlEditorPage *page;
    std::shared_ptr<bool> alive;
    explicit operator bool() const { return *alive; }
    CHtmlEditorPage *operator->() const { return page; }
};

struct CommandScript
{
    int id;
    const char *command; // document.execCommand name
    bool needEnabled;
};

// The commands that are plain editing commands of the editor.
const CommandScript kCommands[] = {
    {EditorCmd::Delete, "forwardDelete", true},
    {EditorCmd::Bold, "bold", true},
    {EditorCmd::Italic, "italic", true},
    {EditorCmd::Underline, "underline", true},
    {EditorCmd::LeftJustify, "justifyLeft", true},
    {EditorCmd::Center, "justifyCenter", true},
    {EditorCmd::RightJustify, "justifyRight", true},
    {EditorCmd::OrderedList, "insertOrderedList", true},
    {EditorCmd::UnorderedList, "insertUnorderedList", true},
    {EditorCmd::Outdent, "outdent", true},
    {EditorCmd::Indent, "indent", true},
    {EditorCmd::HorizontalLine, "insertHorizontalRule", true},
    {EditorCmd::Font, "fontName", true},
    {EditorCmd::BackgroundColor, "backColor", true},
    // Link and picture only need the editor to know them.
    {EditorCmd::AddHyperlink, "createLink", false},
    {EditorCmd::InsertImage, "insertImage", false},
};

QKeySequence acceleratorOf(int id)
{
    switch (id) {
    case EditorCmd::Copy:
        return QKeySequence(Qt::CTRL | Qt::Key_C);
    case EditorCmd::Cut:
        return QKeySequence(Qt::CTRL | Qt::Key_X);
    case EditorCmd::Paste:
        return QKeySequence(Qt::CTRL | Qt::Key_V);
    case EditorCmd::Delete:
        return QKeySequence(Qt::Key_Delete);
    case EditorCmd::Bold:
        return QKeySequence(Qt::CTRL | Qt::Key_B);
    case EditorCmd::Italic:
        return QKeySequence(Qt::CTRL | Qt::Key_I);
    case EditorCmd::Underline:
        return QKeySequence(Qt::CTRL | Qt::Key_U);
    case EditorCmd::SelectAll:
        return QKeySequence(Qt::CTRL | Qt::Key_A);
    // Every toolbar command has a key, so none needs the mouse.
    case EditorCmd::Font:
        return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F);
    case EditorCmd::BackgroundColor:
        return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H);
    case EditorCmd::LeftJustify:
        return QKeySequence(Qt::CTRL | Qt::Key_L);
    case EditorCmd::Center:
        return QKeySequence(Qt::CTRL | Qt::Key_E);
    case EditorCmd::RightJustify:
        return QKeySequence(Qt::CTRL | Qt::Key_R);
    case EditorCmd::OrderedList:
        return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O);
    case EditorCmd::UnorderedList:
        return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_U);
    case EditorCmd::Outdent:
        return QKeySequence(Qt::CTRL | Qt::Key_BracketLeft);
    case EditorCmd::Indent:
        return QKeySequence(Qt::CTRL | Qt::Key_BracketRight);
    case EditorCmd::HorizontalLine:
        return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R);
    case EditorCmd::AddHyperlink:
        return QKeySequence(Qt::CTRL | Qt::Key_K);
    case EditorCmd::InsertImage:
        return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I);
    case EditorCmd::SwitchMode:
        return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P);
    default:
        return {};
    }
}

} // namespace

CHtmlEditorPage::CHtmlEditorPage(const QString &caption, QWidget *parent) : CPropertyPage(caption, parent)
{
    m_opener = [](const QUrl &url) { OpenPageTargetOrTell(PageAddressText(url)); };
}

CHtmlEditorPage::~CHtmlEditorPage()
{
    // The view goes with the page's children, and the engine then answers
    // the scripts still running: those answers must find no page.
    *m_alive = false;
}

void CHtmlEditorPage::setChooser(Chooser chooser)
{
    m_chooser = std::move(chooser);
}

void CHtmlEditorPage::setOpener(Opener opener)
{
    if (opener)
        m_opener = std::move(opener);
}

void CHtmlEditorPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    createActions();
    layout->addWidget(m_toolBar);
    createEditor();
    layout->addWidget(m_view, 1);
}

void CHtmlEditorPage::createActions()
{
    CToolbarImageSet images;
    const QVector<int> &commands = EditorToolbarCommands();
    images.Create(16, 16, true, int(commands.size()));
    images.Load(DrawEditorToolbarStrip());

    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("editorToolbar"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setFloatable(false);
    m_toolBar->setMovable(false);

    const auto makeAction = [this](int id) {
        // The table's text is the prompt, a line feed and the tooltip.
        const QString text = LoadStr(id);
        const qsizetype feed = text.indexOf(QLatin1Char('\n'));
        auto *action = new QAction(feed >= 0 ? text.left(feed) : text, this);
        const QKeySequence key = acceleratorOf(id);
        const QString tip = feed >= 0 ? text.mid(feed + 1) : action->text();
        // The tooltip teaches the key.
        action->setToolTip(key.isEmpty() ? tip
                                         : QStringLiteral("%1 (%2)").arg(tip, key.toString(QKeySequence::NativeText)));
        action->setShortcut(key);
        // The keys work while the focus is anywhere on this page, the editor
        // included, and nowhere else.
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        addAction(action);
        m_actions.insert(id, action);
        return action;
    };

    int image = 0;
    for (int id : commands) {
        if (id == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction *action = makeAction(id);
        action->setIcon(images.icon(image++));
        m_toolBar->addAction(action);
        // The buttons are focus stops too: Tab reaches each, Space runs it.
        if (QWidget *button = m_toolBar->widgetForAction(action))
            button->setFocusPolicy(Qt::TabFocus);
    }
    makeAction(EditorCmd::SelectAll);
}

void CHtmlEditorPage::createEditor()
{
    m_view = new CEditorView(this);
    m_view->setObjectName(QStringLiteral("editor"));
    // Read out as the page's name ("Description", "Notes").
    m_view->setAccessibleName(windowTitle());
    // The editor offers no menu of its own on a right click.
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    m_view->setAcceptDrops(false);
    m_page = new COrdoWebPage(EditorPageUrl(), m_view);
    m_view->setPage(m_page);

    connect(m_page, &QWebEnginePage::loadFinished, this, &CHtmlEditorPage::onLoadFinished);
    // The engine calls the navigation hook from inside its own callback.
    connect(
        m_page, &COrdoWebPage::linkActivated, this,
        [this](const QUrl &url) {
            if (m_opener)
                m_opener(url);
        },
        Qt::QueuedConnection);
    // Put the text back when the engine replaced the page (a blocked link of
    // its own, a crashed renderer). What was read back last is kept: the
    // switch to preview, the one mode where links react, reads it first.
    const auto reload = [this] {
        if (!m_page)
            return;
        m_ready = false;
        setCommandsEnabled(false);
        m_page->loadBlankPage();
    };
    connect(m_page, &COrdoWebPage::blankPageLost, this, reload, Qt::QueuedConnection);
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this, reload, Qt::QueuedConnection);
    m_page->loadBlankPage();
}

bool CHtmlEditorPage::eventFilter(QObject *watched, QEvent *event)
{
    // Tab leaves the text as it leaves any other field; the engine would keep
    // it, and a keyboard user would be caught in the editor. Indent and
    // Outdent (Ctrl+] and Ctrl+[) do what a Tab does in a list.
    if (event->type() == QEvent::KeyPress && m_view && watched == m_view->focusProxy()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Tab && mods == Qt::NoModifier) ||
            (key->key() == Qt::Key_Backtab && (mods == Qt::ShiftModifier || mods == Qt::NoModifier))) {
            static_cast<CEditorView *>(m_view)->moveFocus(key->key() == Qt::Key_Tab);
            return true;
        }
    }
    return CPropertyPage::eventFilter(watched, event);
}

void CHtmlEditorPage::onLoadFinished(bool ok)
{
    // The engine's own widget takes the keys once the page is in.
    if (QWidget *proxy = m_view->focusProxy())
        proxy->installEventFilter(this);
    if (!ok) {
        // The text stays as given rather than being replaced by nothing.
        m_ready = false;
        m_loadFailed = true;
        setCommandsEnabled(false);
        return;
    }
    const PageGuard guard{this, m_alive};
    m_page->runJavaScript(EditorStartScript(m_html, m_edited), QWebEngineScript::ApplicationWorld,
                          [guard](const QVariant &result) {
                              if (!guard)
                                  return;
                              if (!result.toBool()) {
                                  guard->m_loadFailed = true;
                                  return;
                              }
                              guard->m_ready = true;
                              guard->m_loadFailed = false;
                              guard->setCommandsEnabled(true);
                              emit guard->editorReady();
                          });
}

void CHtmlEditorPage::setCommandsEnabled(bool enabled)
{
    for (QAction *action : std::as_const(m_actions))
        action->setEnabled(enabled);
}

void CHtmlEditorPage::CollectHtml(std::function<void()> done)
{
    if (!m_ready || !m_page) {
        if (done)
            done();
        return;
    }
    const PageGuard guard{this, m_alive};
    m_page->runJavaScript(EditorReadScript(), QWebEngineScript::ApplicationWorld,
                          [guard, done](const QVariant &result) {
                              if (guard && result.typeId() == QMetaType::QString) {
                                  guard->m_html = result.toString();
                                  guard->m_edited = true;
                              }
                              if (done)
                                  done();
                          });
}

bool CHtmlEditorPage::OnKillActive()
{
    CollectHtml(nullptr);
    return true;
}

void CHtmlEditorPage::runScript(const QString &script)
{
    m_page->runJavaScript(script, QWebEngineScript::ApplicationWorld);
}

bool CHtmlEditorPage::RunCommand(int commandId)
{
    if (!m_ready || !m_page)
        return false;
    switch (commandId) {
    case EditorCmd::Cut:
        m_page->triggerAction(QWebEnginePage::Cut);
        return true;
    case EditorCmd::Copy:
        m_page->triggerAction(QWebEnginePage::Copy);
        return true;
    case EditorCmd::Paste:
        m_page->triggerAction(QWebEnginePage::Paste);
        return true;
    case EditorCmd::SelectAll:
        runScript(EditorCommandScript(QStringLiteral("selectAll"), true, QString(), false));
        return true;
    case EditorCmd::SwitchMode:
        toggleMode();
        return true;
    default:
        break;
    }
    for (const CommandScript &c : kCommands) {
        if (c.id != commandId)
            continue;
        if (!needsValue(commandId)) {
            runScript(EditorCommandScript(QLatin1String(c.command), c.needEnabled, QString()));
            return true;
        }
        if (!c.needEnabled)
            return runWithValue(c.id, m_chooser ? m_chooser(commandId) : defaultChoice(commandId));
        // Font and colour act on the selection: their dialog opens only when
        // the editor can take the command now.
        const PageGuard guard{this, m_alive};
        m_page->runJavaScript(EditorCommandEnabledScript(QLatin1String(c.command)),
                              QWebEngineScript::ApplicationWorld, [guard, id = c.id](const QVariant &enabled) {
                                  if (!guard || !enabled.toBool() || !guard->m_ready)
                                      return;
                                  guard->runWithValue(id, guard->m_chooser ? guard->m_chooser(id)
                                                                           : guard->defaultChoice(id));
                              });
        return true;
    }
    return false;
}

bool CHtmlEditorPage::needsValue(int commandId)
{
    return commandId == EditorCmd::Font || commandId == EditorCmd::BackgroundColor ||
           commandId == EditorCmd::AddHyperlink || commandId == EditorCmd::InsertImage;
}

bool CHtmlEditorPage::runWithValue(int commandId, QString value)
{
    if (value.isEmpty() || !m_page)
        return false; // the dialog was cancelled: nothing changes
    const auto command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                      [commandId](const CommandScript &c) { return c.id == commandId; });
    if (command == std::end(kCommands))
        return false;
    if (commandId == EditorCmd::Font) {
        QFont font;
        if (!font.fromString(value))
            font = QFont(value);
        runScript(EditorFontScript(font));
        return true;
    }
    if (commandId == EditorCmd::InsertImage && QFileInfo(value).isAbsolute())
        value = QUrl::fromLocalFile(value).toString(QUrl::FullyEncoded);
    runScript(EditorCommandScript(QLatin1String(command->command), command->needEnabled, value));
    return true;
}

void CHtmlEditorPage::toggleMode()
{
    const PageGuard guard{this, m_alive};
    m_page->runJavaScript(EditorToggleModeScript(), QWebEngineScript::ApplicationWorld,
                          [guard](const QVariant &result) {
                              if (!guard)
                                  return;
                              const QVariantMap map = result.toMap();
                              const QVariant html = map.value(QStringLiteral("html"));
                              if (html.typeId() == QMetaType::QString) {
                                  guard->m_html = html.toString();
                                  guard->m_edited = true;
                              }
                              emit guard->modeSwitched(map.value(QStringLiteral("design")).toBool());
                          });
}

QString CHtmlEditorPage::defaultChoice(int commandId)
{
    switch (commandId) {
    case EditorCmd::BackgroundColor: {
        const QColor colour = QColorDialog::getColor(Qt::yellow, this);
        return colour.isValid() ? colour.name() : QString();
    }
    case EditorCmd::Font: {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, QFont(QStringLiteral("Tahoma"), 10), this);
        return ok ? font.toString() : QString();
    }
    case EditorCmd::AddHyperlink: {
        bool ok = false;
        const QString address = QInputDialog::getText(this, m_actions.value(commandId)->text(), tr("URL:"),
                                                      QLineEdit::Normal, QStringLiteral("https://"), &ok);
        return ok ? address.trimmed() : QString();
    }
    case EditorCmd::InsertImage:
        return COpenDlgEx::ChoosePicture(this, LoadStr(IDS_FILTER_PICTURES));
    default:
        return {};
    }
}
