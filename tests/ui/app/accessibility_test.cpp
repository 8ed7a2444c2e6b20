// Every window of the program as a keyboard and screen-reader user meets
// it: each focus stop of each dialog page has a name a screen reader can
// read, Tab leaves every stop (no control keeps the focus), Ctrl+Tab turns
// the pages of a sheet from any control, and the main window names and
// marks its panes.
#include "app/apppaths.h"
#include "app/commandids.h"
#include "app/mainframe.h"
#include "app/options.h"
#include "app/aboutdlg.h"
#include "app/panefocusmarker.h"
#include "app/strings.h"
#include "browse/basicsearchdlg.h"
#include "browse/inputsqldlg.h"
#include "browse/ordolistview.h"
#include "browse/ordotreeview.h"
#include "catalog/ordodoc.h"
#include "edit/bookproperties.h"
#include "edit/categoryproperties.h"
#include "edit/htmleditorpage.h"
#include "edit/linkproperties.h"
#include "online/addbookdlg.h"
#include "online/batchquerydlg.h"
#include "online/onlinequeryresultsdlg.h"
#include "page/ordohtmlview.h"
#include "page/printpreviewdlg.h"
#include "recordingmessenger.h"
#include "scan/barcodescandlg.h"
#include "testcatalog.h"
#include "testsettings.h"
#include "transfer/exportcatalogdlg.h"
#include "transfer/importwizard.h"
#include "widgets/accessiblenames.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QWebEngineView>
#include <memory>

namespace {

constexpr int kWait = 20000;

QString describe(const QWidget *w)
{
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
}

QString accessibleName(QWidget *w)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

// The controls Tab stops at in window, in the order of the focus chain: the
// ones shown and enabled that take the focus by Tab. A control that hands
// its focus to another (a web view to the engine's widget) counts once.
QList<QWidget *> focusStops(QWidget *window)
{
    QList<QWidget *> stops;
    QWidget *w = window;
    do {
        w = w->nextInFocusChain();
        if (w->window() != window || !w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (w->focusProxy())
            continue;
        if (!stops.contains(w))
            stops << w;
    } while (w != window && stops.size() < 500);
    return stops;
}

// The control a stop stands for: the web view for the engine's own widget.
QWidget *owner(QWidget *stop)
{
    for (QWidget *w = stop; w; w = w->parentWidget()) {
        if (qobject_cast<QWebEngineView *>(w))
            return w;
    }
    return stop;
}

// Every stop of the window as it shows now has a name, and Tab moves on
// from it. Returns the problems found, one line each.
QStringList checkStops(QWidget *window, const QString &where)
{
    QStringList problems;
    QApplication::setActiveWindow(window);
    const QList<QWidget *> stops = focusStops(window);
    if (stops.isEmpty())
        problems << where + QStringLiteral(": no focus stop at all");
    for (QWidget *stop : stops) {
        if (accessibleName(owner(stop)).isEmpty() && accessibleName(stop).isEmpty())
            problems << where + QStringLiteral(": %1 has no accessible name").arg(describe(owner(stop)));
        // A screen reader is told the focus went to the edit inside an
        // editable combo box or a date box: that edit needs the name too.
        QWidget *inner = nullptr;
        if (auto *combo = qobject_cast<QComboBox *>(stop))
            inner = combo->lineEdit();
        else if (qobject_cast<QAbstractSpinBox *>(stop))
            inner = stop->findChild<QLineEdit *>();
        if (inner && accessibleName(inner).isEmpty())
            problems << where + QStringLiteral(": the edit inside %1 has no accessible name").arg(describe(stop));
        if (stops.size() < 2)
            continue;
        stop->setFocus(Qt::TabFocusReason);
        if (QApplication::focusWidget() != stop)
            continue; // a control that does not take the focus here is no trap
        QTest::keyClick(stop, Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        if (now && owner(now) == owner(stop))
            problems << where + QStringLiteral(": Tab does not leave %1").arg(describe(owner(stop)));
    }
    return problems;
}

// Each page of a sheet, as the user reaches it.
QStringList checkSheet(CPropertySheet &sheet, const QString &where,
                       const std::function<bool(CPropertyPage *)> &ready = {})
{
    QStringList problems;
    sheet.show();
    if (!QTest::qWaitForWindowExposed(&sheet))
        return {where + QStringLiteral(": not shown")};
    auto *tabs = sheet.findChild<QTabWidget *>();
    for (int i = 0; i < sheet.GetPageCount(); ++i) {
        sheet.SetActivePage(i);
        if (ready && !QTest::qWaitFor([&] { return ready(sheet.GetPage(i)); }, kWait))
            problems << where + QStringLiteral(": page %1 never got ready").arg(i);
        problems << checkStops(&sheet, where + QLatin1String(" > ") + (tabs ? tabs->tabText(i) : QString()));
    }
    return problems;
}

QStringList checkDialog(QWidget &dialog, const QString &where)
{
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return {where + QStringLiteral(": not shown")};
    return checkStops(&dialog, where);
}

bool editorReady(CPropertyPage *page)
{
    auto *editor = qobject_cast<CHtmlEditorPage *>(page);
    return !editor || editor->isReady();
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

    TestSettings m_settings;
    RecordingMessenger m_messenger;
    CAccessibleNamer m_namer;

private slots:
    void initTestCase()
    {
        SetAppFolder(TestCatalog::appDir());
        // As the program does: every window names its labelled controls.
        qApp->installEventFilter(&m_namer);
    }

    void bookSheet_everyPage()
    {
        CBookProperties sheet(IDS_EDIT_BOOK);
        sheet.record().Title = QString::fromUtf8("Η Οδύσσεια");
        const QStringList problems = checkSheet(sheet, "Book sheet", editorReady);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void otherSheets()
    {
        TestCatalog cat;
        COrdoDoc doc;
        QVERIFY(doc.OnOpenDocument(cat.path()));
        QStringList problems;
        {
            COptions options(doc.sharedConnection());
            problems << checkSheet(options, "Options");
        }
        {
            CCategoryProperties category(IDS_EDIT_CATEGORY);
            problems << checkSheet(category, "Category sheet");
        }
        {
            CLinkProperties link(IDS_ADD_LINK, true);
            problems << checkSheet(link, "Link sheet");
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void dialogs()
    {
        TestCatalog cat;
        COrdoDoc doc;
        QVERIFY(doc.OnOpenDocument(cat.path()));
        QStringList problems;
        {
            CAddBookDlg dialog;
            problems << checkDialog(dialog, "Add Book");
        }
        {
            CBarcodeScanDlg dialog(CBarcodeScanDlg::Source::Pictures);
            problems << checkDialog(dialog, "Scan ISBN Barcodes");
        }
        {
            CImportWizard wizard(&doc);
            problems << checkDialog(wizard, "Import");
        }
        {
            CExportCatalogDlg dialog(&doc);
            problems << checkDialog(dialog, "Export Catalogue");
        }
        {
            CBasicSearchDlg dialog;
            problems << checkDialog(dialog, "Basic Search");
        }
        {
            CInputSQLDlg dialog;
            problems << checkDialog(dialog, "Run SQL");
        }
        {
            COnlineQueryResultsDlg dialog;
            problems << checkDialog(dialog, "Online results");
        }
        {
            CBatchQueryDlg dialog;
            dialog.setQueue({"9780140449136", "9787020002207"});
            problems << checkDialog(dialog, "Batch Mode");
        }
        {
            CAboutDlg dialog;
            problems << checkDialog(dialog, "About");
        }
        {
            CPrintPreviewDlg dialog;
            problems << checkDialog(dialog, "Print Preview");
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    // Ctrl+Tab turns the page whatever control has the focus: a combo box,
    // a text field, the OK button.
    void ctrlTab_turnsSheetPagesFromAnyControl()
    {
        CBookProperties sheet(IDS_EDIT_BOOK);
        sheet.record().Title = QString::fromUtf8("Ἰλιάς"); // a page without a title is not left
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        QApplication::setActiveWindow(&sheet);
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        auto *tabs = sheet.findChild<QTabWidget *>();
        QVERIFY(tabs);
        const QList<QWidget *> starts = {sheet.findChild<QWidget *>("comboPublisher"),
                                         sheet.findChild<QWidget *>("editTitle"),
                                         static_cast<QWidget *>(sheet.okButton())};
        for (QWidget *start : starts) {
            QVERIFY(start);
            tabs->setCurrentIndex(0);
            start->setFocus();
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            // Through the window, as the keyboard delivers keys.
            QTest::keyClick(sheet.windowHandle(), Qt::Key_Tab, Qt::ControlModifier);
            QVERIFY2(tabs->currentIndex() == 1, qPrintable(describe(focus)));
            QTest::keyClick(sheet.windowHandle(), Qt::Key_PageUp, Qt::ControlModifier);
            QCOMPARE(tabs->currentIndex(), 0);
        }
    }

    // The panes say what they are, the list's rows by their books' titles,
    // and the pane with the focus is marked.
    void mainWindow_panesNamedAndFocusMarked()
    {
        TestCatalog cat;
        cat.exec(QString::fromUtf8("INSERT INTO book (BookID, Title) VALUES (1, '红楼梦'), (2, 'Война и мир')"));
        COrdoDoc doc;
        CMainFrame frame(&doc);
        QVERIFY(frame.create());
        QVERIFY(doc.OnOpenDocument(cat.path()));
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QApplication::setActiveWindow(&frame);
        doc.setCurrentCategory(5);
        frame.listView()->LoadBooks();

        QCOMPARE(accessibleName(frame.treeView()), QString("Categories"));
        QCOMPARE(accessibleName(frame.listView()), QString("Books"));
        QCOMPARE(accessibleName(frame.htmlView()), QString("Book page"));
        QStringList rows;
        for (int row = 0; row < frame.listView()->model()->rowCount(); ++row)
            rows << frame.listView()->model()->headerData(row, Qt::Vertical).toString();
        rows.sort();
        QCOMPARE(rows, QStringList({QString::fromUtf8("Война и мир"), QString::fromUtf8("红楼梦")}));

        CPaneFocusMarker *marker = frame.paneFocusMarker();
        QVERIFY(marker);
        for (QWidget *pane : {static_cast<QWidget *>(frame.treeView()), static_cast<QWidget *>(frame.listView()),
                              static_cast<QWidget *>(frame.htmlView())}) {
            pane->setFocus(Qt::TabFocusReason);
            QTRY_COMPARE(marker->markedPane(), pane);
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
