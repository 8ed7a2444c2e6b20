#include "app/strings.h"
#include "edit/bookdescriptionpage.h"
#include "edit/editortoolbar.h"
#include "edit/htmleditorpage.h"
#include "page/ordowebpage.h"
#include "widgets/propertysheet.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace {

constexpr int kWait = 20000; // WebEngine is slow to start on a busy machine

// One editor page in a sheet of its own, shown and loaded.
struct EditorFixture
{
    CPropertySheet sheet{QStringLiteral("Editor")};
    CBookDescriptionPage *page = new CBookDescriptionPage;
    QList<QUrl> opened;
    QList<int> asked;
    QString choice;

    explicit EditorFixture(const QString &html)
    {
        page->m_html = html;
        page->setOpener([this](const QUrl &url) { opened << url; });
        page->setChooser([this](int id) {
            asked << id;
            return choice;
        });
        sheet.AddPage(page);
        sheet.AddPage(new CPropertyPage(QStringLiteral("Other")));
        sheet.resize(700, 500);
        sheet.show();
    }

    bool ready()
    {
        return QTest::qWaitFor([&] { return page->isReady() || page->loadFailed(); }, kWait) &&
               page->isReady();
    }

    QVariant eval(const QString &script)
    {
        QVariant result;
        bool done = false;
        page->editor()->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                              [&](const QVariant &value) {
                                                  result = value;
                                                  done = true;
                                              });
        if (!QTest::qWaitFor([&] { return done; }, kWait))
            qWarning("no answer from the editor to: %s", qPrintable(script.left(80)));
        return result;
    }
    QString body() { return eval("document.body.innerHTML").toString(); }

    // Gives the editor the keyboard and waits until the page itself has it:
    // keys sent before that are lost on a loaded machine. Null on time-out.
    QWidget *focusEditor()
    {
        QWidget *target = page->editor()->focusProxy();
        if (!target)
            return nullptr;
        sheet.activateWindow();
        target->setFocus();
        return QTest::qWaitFor([&] { return eval("document.hasFocus()").toBool(); }, kWait) ? target : nullptr;
    }

    // Reads the text back as the sheet's OK does.
    QString collected()
    {
        bool done = false;
        page->CollectHtml([&] { done = true; });
        if (!QTest::qWaitFor([&] { return done; }, kWait))
            qWarning("the editor's text never came back");
        return page->m_html;
    }

    void selectAllText()
    {
        eval("(function () { var r = document.createRange(); r.selectNodeContents(document.body);"
             " var s = getSelection(); s.removeAllRanges(); s.addRange(r); return true; })()");
    }
};

} // namespace

class HtmlEditorPageTest : public QObject
{
    Q_OBJECT

private slots:
    void loadsTheTextIntoTheWrapper()
    {
        EditorFixture f("<p>Ἰλιάς — Война и мир — 红楼梦 — Café</p>");
        QVERIFY(f.ready());
        QCOMPARE(f.eval("document.title").toString(), QString("Ordo"));
        QCOMPARE(f.eval("document.designMode").toString(), QString("on"));
        QVERIFY(f.eval("getComputedStyle(document.body).fontFamily").toString().startsWith("Tahoma"));
        QCOMPARE(f.body(), QString("<p>Ἰλιάς — Война и мир — 红楼梦 — Café</p>"));
        for (int id : EditorToolbarCommands())
            if (id)
                QVERIFY(f.page->action(id)->isEnabled());
    }

    void untouchedText_comesBackByteForByte()
    {
        // Letter case, blanks and a stray closing tag the editor would all
        // serialise differently.
        const QString stored = "<P ALIGN=center>  Tips  &amp; tricks<BR>\r\n<b>Bold</B></p></div>";
        EditorFixture f(stored);
        QVERIFY(f.ready());
        QVERIFY(f.body() != stored);
        // Leaving the page and coming back reads nothing either.
        QVERIFY(f.sheet.SetActivePage(1));
        QVERIFY(f.sheet.SetActivePage(0));
        QCOMPARE(f.collected(), stored);
        QVERIFY(!f.page->isEdited());
    }

    void typing_isReadBack()
    {
        EditorFixture f("<p>Café</p>");
        QVERIFY(f.ready());
        QWidget *target = f.focusEditor();
        QVERIFY(target);
        f.eval(
            "(function () { var r = document.createRange(); r.selectNodeContents(document.body.firstChild);"
            " r.collapse(false); var s = getSelection(); s.removeAllRanges(); s.addRange(r); return true; "
            "})()");
        QTest::keyClicks(target, " ok");
        QTRY_VERIFY_WITH_TIMEOUT(f.body().contains("Café ok"), kWait);
        QCOMPARE(f.collected(), f.body());
        QVERIFY(f.page->isEdited());
    }

    void ctrlB_makesTheSelectionBold()
    {
        EditorFixture f("<p>Ἰλιάς</p>");
        QVERIFY(f.ready());
        QWidget *target = f.focusEditor();
        QVERIFY(target);
        f.selectAllText();
        QTest::keyClick(target, Qt::Key_B, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(f.body().contains("<b>Ἰλιάς</b>"), kWait);
        QVERIFY(f.collected().contains("<b>Ἰλιάς</b>"));
    }

    void deleteKey_deletesForward()
    {
        EditorFixture f("<p>Ωmega</p>");
        QVERIFY(f.ready());
        QWidget *target = f.focusEditor();
        QVERIFY(target);
        f.eval("(function () { var r = document.createRange(); r.setStart(document.body.firstChild.firstChild, 0);"
               " r.collapse(true); var s = getSelection(); s.removeAllRanges(); s.addRange(r); return true; })()");
        QTest::keyClick(target, Qt::Key_Delete);
        QTRY_COMPARE_WITH_TIMEOUT(f.body(), QString("<p>mega</p>"), kWait);
        QVERIFY(f.collected() == "<p>mega</p>");
    }

    void toolbar_hasEveryButtonWithItsTooltip()
    {
        EditorFixture f("");
        QToolBar *bar = f.page->toolBar();
        QStringList tips;
        QSet<QKeySequence> keys;
        for (QAction *a : bar->actions()) {
            tips << (a->isSeparator() ? QString("|") : a->toolTip().section(" (", 0, 0));
            if (a->isSeparator())
                continue;
            // Every command has its own key, shown in its tooltip, and its
            // button is a focus stop: nothing needs the mouse.
            QVERIFY2(!a->shortcut().isEmpty(), qPrintable(a->text()));
            QVERIFY2(!keys.contains(a->shortcut()), qPrintable(a->shortcut().toString()));
            keys.insert(a->shortcut());
            QCOMPARE(a->toolTip().section(" (", 1).chopped(1), a->shortcut().toString(QKeySequence::NativeText));
            QVERIFY(bar->widgetForAction(a)->focusPolicy() & Qt::TabFocus);
        }
        QCOMPARE(tips.join(','),
                 QString("Cut,Copy,Paste,Delete,|,Bold,Underline,Italic,|,Font,Background Color,|,"
                         "Left Justify,Center,Right Justify,|,Ordered List,Unordered List,Outdent,"
                         "Indent,|,Horizontal Line,Add Hyperlink,Insert image,|,"
                         "Switch Design/Preview Mode"));
        auto *bold = qobject_cast<QToolButton *>(bar->widgetForAction(f.page->action(EditorCmd::Bold)));
        QVERIFY(bold);
        QCOMPARE(bold->toolTip(), QString("Bold (Ctrl+B)"));
        // Hovering shows it.
        QHelpEvent hover(QEvent::ToolTip, QPoint(4, 4), bold->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(bold, &hover);
        QTRY_COMPARE_WITH_TIMEOUT(QToolTip::text(), QString("Bold (Ctrl+B)"), 5000);
        QToolTip::hideText();
        QVERIFY(!bold->icon().isNull());
        QCOMPARE(f.page->action(EditorCmd::InsertImage)->text(), QString("Insert Image"));
        QCOMPARE(f.page->action(EditorCmd::SelectAll)->shortcut(), QKeySequence("Ctrl+A"));
        QCOMPARE(f.page->action(EditorCmd::Delete)->shortcut(), QKeySequence(Qt::Key_Delete));
        // Nothing runs before the text is in.
        if (!f.page->isReady())
            QVERIFY(!f.page->action(EditorCmd::Bold)->isEnabled());
        QVERIFY(f.ready());
        QVERIFY(f.page->action(EditorCmd::Bold)->isEnabled());
    }

    // From the keyboard alone: a command's key works in the text, and Tab
    // leaves the text for the next control instead of staying in it.
    void keyboard_commandKeysAndTabLeaves()
    {
        EditorFixture f("<p>Ἰλιάς</p>");
        QVERIFY(f.ready());
        QApplication::setActiveWindow(&f.sheet);
        QVERIFY(QTest::qWaitForWindowActive(&f.sheet));
        QWidget *target = f.page->editor()->focusProxy();
        target->setFocus();
        f.selectAllText();
        QTest::keyClick(f.sheet.windowHandle(), Qt::Key_E, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(f.body().contains("text-align: center"), kWait);

        target->setFocus();
        QTest::keyClick(target, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != target);
        QVERIFY(!f.page->editor()->isAncestorOf(QApplication::focusWidget()));
        QVERIFY(!f.body().contains("\t"));
    }

    void modeSwitch_twiceReturnsToEditing()
    {
        EditorFixture f("<p>x</p>");
        QVERIFY(f.ready());
        QSignalSpy switched(f.page, &CHtmlEditorPage::modeSwitched);
        f.page->action(EditorCmd::SwitchMode)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(switched.size(), 1, kWait);
        QCOMPARE(switched.at(0).at(0).toBool(), false);
        QCOMPARE(f.eval("document.designMode").toString(), QString("off"));
        f.page->action(EditorCmd::SwitchMode)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(switched.size(), 2, kWait);
        QCOMPARE(switched.at(1).at(0).toBool(), true);
        QCOMPARE(f.eval("document.designMode").toString(), QString("on"));
        QVERIFY(!f.page->isEdited());
    }

    void rightClick_showsNoMenu()
    {
        EditorFixture f("<p>Menu</p>");
        QVERIFY(f.ready());
        QCOMPARE(f.page->editor()->contextMenuPolicy(), Qt::NoContextMenu);
        // The page's own right-click event is cancelled as well.
        QVERIFY(
            f.eval("(function () { var e = new MouseEvent('contextmenu', {bubbles: true, cancelable: true});"
                   " document.body.firstChild.dispatchEvent(e); return e.defaultPrevented; })()")
                .toBool());
        QWidget *target = f.page->editor()->focusProxy();
        QTest::mouseClick(target, Qt::RightButton, {}, QPoint(20, 15));
        QTest::qWait(300);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!(qobject_cast<QMenu *>(w) && w->isVisible()));
    }

    void storedScripts_neverRun()
    {
        EditorFixture f(
            "<p>a</p><script>document.title='pwned by script'</script>"
            "<img id=\"broken\" src=\"missing.png\" onerror=\"document.title='pwned by handler'\">"
            "<p onclick=\"document.title='pwned by click'\" id=\"c\">c</p>");
        QVERIFY(f.ready());
        // Let the broken picture fail to load.
        QTRY_VERIFY_WITH_TIMEOUT(f.eval("document.getElementById('broken').complete").toBool(), kWait);
        f.eval("document.getElementById('c').click()");
        f.page->action(EditorCmd::SwitchMode)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(f.eval("document.designMode").toString(), QString("off"), kWait);
        f.eval("document.getElementById('c').click()");
        QTest::qWait(200);
        QCOMPARE(f.eval("document.title").toString(), QString("Ordo"));
    }

    void linkClick_isRefusedAndOpensOutside()
    {
        EditorFixture f("<p>See <a id=\"a\" href=\"https://example.org/книга\">this</a>.</p>");
        QVERIFY(f.ready());
        const QUrl start = f.page->editor()->url();
        // An edit, then preview, where links react.
        f.selectAllText();
        f.page->action(EditorCmd::Italic)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(f.body().contains("<i>"), kWait);
        f.page->action(EditorCmd::SwitchMode)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(f.eval("document.designMode").toString(), QString("off"), kWait);
        QVERIFY(f.eval("(function () { document.getElementById('a').click(); return true; })()").toBool());
        QTRY_COMPARE_WITH_TIMEOUT(f.opened.size(), 1, kWait);
        QCOMPARE(f.opened.at(0), QUrl("https://example.org/книга"));
        auto *page = static_cast<COrdoWebPage *>(f.page->editor()->page());
        QVERIFY(!page->acceptNavigationRequest(QUrl("https://example.org/x"),
                                               QWebEnginePage::NavigationTypeRedirect, true));
        QTest::qWait(200);
        QCOMPARE(f.page->editor()->url(), start);
        QCOMPARE(f.opened.size(), 1);
        // The edit is still there.
        QVERIFY(f.collected().contains("<i>"));
    }

    void commandsAskTheirValue_andCancelChangesNothing()
    {
        EditorFixture f("<p>Colour</p>");
        QVERIFY(f.ready());
        f.selectAllText();
        f.choice.clear();
        QVERIFY(f.page->RunCommand(EditorCmd::BackgroundColor));
        QTRY_COMPARE_WITH_TIMEOUT(f.asked, QList<int>{EditorCmd::BackgroundColor}, kWait);
        QTest::qWait(100);
        QVERIFY(!f.page->isEdited());
        f.choice = "#ffff00";
        QVERIFY(f.page->RunCommand(EditorCmd::BackgroundColor));
        QTRY_VERIFY_WITH_TIMEOUT(f.body().contains("background-color"), kWait);
        f.choice = "https://example.org/";
        QVERIFY(f.page->RunCommand(EditorCmd::AddHyperlink));
        QTRY_VERIFY_WITH_TIMEOUT(f.body().contains("href=\"https://example.org/\""), kWait);
        QVERIFY(f.collected().contains("background-color"));
    }

    // The font dialog's whole choice reaches the text: family, size and
    // style, not the family alone.
    void font_appliesFamilySizeAndStyle()
    {
        EditorFixture f("<p>Ἰλιάς — Война и мир</p>");
        QVERIFY(f.ready());
        f.selectAllText();
        QFont font("DejaVu Serif", 18);
        font.setBold(true);
        font.setItalic(true);
        font.setUnderline(true);
        f.choice = font.toString();
        QVERIFY(f.page->RunCommand(EditorCmd::Font));
        QTRY_COMPARE_WITH_TIMEOUT(f.asked, QList<int>{EditorCmd::Font}, kWait);
        QTRY_VERIFY_WITH_TIMEOUT(f.body().contains("font-size"), kWait);
        const QVariantMap style =
            f.eval("(function () { var s = getComputedStyle(document.querySelector('span'));"
                   " return {family: s.fontFamily, size: s.fontSize, weight: s.fontWeight, slant: s.fontStyle,"
                   " line: s.textDecorationLine, text: document.querySelector('span').textContent}; })()")
                .toMap();
        QVERIFY2(style.value("family").toString().contains("DejaVu Serif"), qPrintable(f.body()));
        QCOMPARE(style.value("size").toString(), QString("24px")); // 18 pt
        QCOMPARE(style.value("weight").toString(), QString("700"));
        QCOMPARE(style.value("slant").toString(), QString("italic"));
        QCOMPARE(style.value("line").toString(), QString("underline"));
        QVERIFY2(style.value("text").toString().contains("Война и мир"), qPrintable(f.body()));
        QVERIFY(f.collected().contains("font-size"));
    }

    // In preview the text cannot take a font: the dialog does not open.
    void font_disabledCommandOpensNoDialog()
    {
        EditorFixture f("<p>Preview</p>");
        QVERIFY(f.ready());
        f.selectAllText();
        f.page->action(EditorCmd::SwitchMode)->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(f.eval("document.designMode").toString(), QString("off"), kWait);
        f.choice = QFont("DejaVu Sans", 20).toString();
        f.page->RunCommand(EditorCmd::Font);
        f.page->RunCommand(EditorCmd::BackgroundColor);
        QTest::qWait(500);
        QVERIFY(f.asked.isEmpty());
        QVERIFY(!f.body().contains("font-size"));
    }

    void droppedFiles_areRefused()
    {
        EditorFixture f("<p>Drop</p>");
        QVERIFY(f.ready());
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile("/tmp/picture.png")});
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QApplication::sendEvent(f.page->editor(), &enter);
        QVERIFY(!enter.isAccepted());
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        drop.setAccepted(false);
        QApplication::sendEvent(f.page->editor(), &drop);
        QVERIFY(!drop.isAccepted());
        // The page refuses a drop of files that reaches it anyway.
        QVERIFY(f.eval("(function () { var dt = new DataTransfer();"
                       " dt.items.add(new File(['x'], 'x.txt', {type: 'text/plain'}));"
                       " var e = new DragEvent('drop', {bubbles: true, cancelable: true, dataTransfer: dt});"
                       " document.body.dispatchEvent(e); return e.defaultPrevented; })()")
                    .toBool());
        QTest::qWait(100);
        QCOMPARE(f.body(), QString("<p>Drop</p>"));
        QVERIFY(!f.page->isEdited());
    }

    void failedLoad_keepsTheText()
    {
        const QString stored = "<P>Kept</P>";
        EditorFixture f(stored);
        QVERIFY(f.ready());
        emit f.page->editor()->page()->loadFinished(false);
        QVERIFY(f.page->loadFailed());
        QVERIFY(!f.page->action(EditorCmd::Bold)->isEnabled());
        QVERIFY(!f.page->RunCommand(EditorCmd::Bold));
        QCOMPARE(f.collected(), stored);
    }
};

QTEST_MAIN(HtmlEditorPageTest)
#include "htmleditorpage_test.moc"
