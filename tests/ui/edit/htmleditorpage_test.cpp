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
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
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

    bool ready() { return QTest::qWaitFor([&] { return page->isReady() || page->loadFailed(); }, kWait) && page->isReady(); }

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
        QWidget *target = f.page->editor()->focusProxy();
        QVERIFY(target);
        target->setFocus();
        f.eval("(function () { var r = document.createRange(); r.selectNodeContents(document.body.firstChild);"
               " r.collapse(false); var s = getSelection(); s.removeAllRanges(); s.addRange(r); return true; })()");
        QTest::keyClicks(target, " ok");
        QTRY_VERIFY_WITH_TIMEOUT(f.body().contains("Café ok"), kWait);
        QCOMPARE(f.collected(), f.body());
        QVERIFY(f.page->isEdited());
    }

    void ctrlB_makesTheSelectionBold()
    {
        EditorFixture f("<p>Ἰλιάς</p>");
        QVERIFY(f.ready());
        QWidget *target = f.page->editor()->focusProxy();
        target->setFocus();
        f.selectAllText();
        QTest::keyClick(target, Qt::Key_B, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(f.body().contains("<b>Ἰλιάς</b>"), kWait);
        QVERIFY(f.collected().contains("<b>Ἰλιάς</b>"));
    }
};

QTEST_MAIN(HtmlEditorPageTest)
#include "htmleditorpage_test.moc"
