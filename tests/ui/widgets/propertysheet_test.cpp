#include "widgets/propertysheet.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A page with one edit bound to m_text; it counts its hooks and can be told
// to refuse leaving.
class TextPage : public CPropertyPage
{
public:
    explicit TextPage(const QString &caption) : CPropertyPage(caption)
    {
        edit = new QLineEdit(this);
        (new QVBoxLayout(this))->addWidget(edit);
    }

    QLineEdit *edit = nullptr;
    QString m_text;
    bool refuseLeave = false;
    int inits = 0;
    int saves = 0;
    int loads = 0;
    int leaveChecks = 0;

protected:
    void OnInitDialog() override
    {
        ++inits;
        CPropertyPage::OnInitDialog();
    }
    void DoDataExchange(bool saveAndValidate) override
    {
        if (saveAndValidate) {
            ++saves;
            m_text = edit->text();
        } else {
            ++loads;
            edit->setText(m_text);
        }
    }
    bool OnKillActive() override
    {
        ++leaveChecks;
        return !refuseLeave;
    }
};

// A sheet that "saves" on OK after the page check, as the real sheets do.
class SavingSheet : public CPropertySheet
{
public:
    SavingSheet() : CPropertySheet(QStringLiteral("Sheet"))
    {
        first = new TextPage(QStringLiteral("&First"));
        second = new TextPage(QStringLiteral("&Second"));
        AddPage(first);
        AddPage(second);
    }

    TextPage *first = nullptr;
    TextPage *second = nullptr;
    int sheetInits = 0;
    int firstInitsAtSheetInit = -1;
    QStringList saved;

protected:
    void OnInitDialog() override
    {
        ++sheetInits;
        firstInitsAtSheetInit = first->inits;
    }
    bool OnOK() override
    {
        if (!CPropertySheet::OnOK())
            return false;
        saved = {first->m_text, second->m_text};
        return true;
    }
};

} // namespace

class PropertySheetTest : public QObject
{
    Q_OBJECT

private slots:
    void pagesAreInitialisedOnlyWhenFirstShown()
    {
        SavingSheet sheet;
        sheet.first->m_text = QStringLiteral("one");
        sheet.second->m_text = QStringLiteral("two");
        QCOMPARE(sheet.GetActivePage(), nullptr);
        QCOMPARE(sheet.first->inits, 0);

        sheet.show();
        QCOMPARE(sheet.first->inits, 1);
        QCOMPARE(sheet.first->edit->text(), QStringLiteral("one"));
        QCOMPARE(sheet.second->inits, 0);
        QVERIFY(!sheet.second->IsInitialized());
        QCOMPARE(sheet.sheetInits, 1);
        QCOMPARE(sheet.firstInitsAtSheetInit, 1); // the sheet's own init sees its first page ready

        sheet.tabWidget()->setCurrentIndex(1);
        QCOMPARE(sheet.GetActivePage(), sheet.second);
        QCOMPARE(sheet.second->inits, 1);
        QCOMPARE(sheet.second->edit->text(), QStringLiteral("two"));

        // Coming back does not initialise again but shows the members again.
        sheet.first->m_text = QStringLiteral("changed meanwhile");
        sheet.tabWidget()->setCurrentIndex(0);
        QCOMPARE(sheet.first->inits, 1);
        QCOMPARE(sheet.first->edit->text(), QStringLiteral("changed meanwhile"));
        sheet.hide();
        sheet.show();
        QCOMPARE(sheet.sheetInits, 1);
    }

    void startPageChosenBeforeShowing()
    {
        SavingSheet sheet;
        QVERIFY(sheet.SetActivePage(1));
        sheet.show();
        QCOMPARE(sheet.GetActiveIndex(), 1);
        QCOMPARE(sheet.second->inits, 1);
        QCOMPARE(sheet.first->inits, 0);
        QVERIFY(!sheet.SetActivePage(5));
    }

    // Typing straight away goes into the start page's first field, not to
    // the tab bar, so Enter does not press OK on an empty page.
    void keyboardStartsInTheStartPagesFirstField_data()
    {
        QTest::addColumn<int>("startPage");
        QTest::newRow("first page") << 0;
        QTest::newRow("second page") << 1;
    }
    void keyboardStartsInTheStartPagesFirstField()
    {
        QFETCH(int, startPage);
        SavingSheet sheet;
        QVERIFY(sheet.SetActivePage(startPage));
        sheet.show();
        QApplication::setActiveWindow(&sheet);
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        QLineEdit *expected = startPage == 0 ? sheet.first->edit : sheet.second->edit;
        QCOMPARE(QApplication::focusWidget(), expected);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("typed"));
        QCOMPARE(expected->text(), QStringLiteral("typed"));
    }

    void refusedLeaveKeepsThePage()
    {
        SavingSheet sheet;
        sheet.show();
        sheet.first->refuseLeave = true;
        sheet.first->edit->setText(QStringLiteral("bad"));

        sheet.tabWidget()->tabBar()->setCurrentIndex(1);
        QCOMPARE(sheet.tabWidget()->currentIndex(), 0);
        QCOMPARE(sheet.GetActivePage(), sheet.first);
        QCOMPARE(sheet.second->inits, 0);
        QCOMPARE(sheet.first->m_text, QStringLiteral("bad")); // read before the check
        QVERIFY(!sheet.SetActivePage(1));

        sheet.first->refuseLeave = false;
        QVERIFY(sheet.SetActivePage(1));
        QCOMPARE(sheet.tabWidget()->currentWidget(), sheet.second);
        QCOMPARE(sheet.second->inits, 1);
    }

    void refusedOkKeepsTheSheetOpen()
    {
        SavingSheet sheet;
        sheet.show();
        sheet.first->refuseLeave = true;
        sheet.first->edit->setText(QStringLiteral("draft"));

        sheet.okButton()->click();
        QVERIFY(sheet.isVisible());
        QVERIFY(sheet.saved.isEmpty());
        QCOMPARE(sheet.first->m_text, QStringLiteral("draft"));

        sheet.first->refuseLeave = false;
        sheet.okButton()->click();
        QVERIFY(!sheet.isVisible());
        QCOMPARE(sheet.result(), int(QDialog::Accepted));
        QCOMPARE(sheet.saved, QStringList({"draft", ""}));
    }

    void okExchangesOnlyVisitedPages()
    {
        SavingSheet sheet;
        sheet.first->m_text = QStringLiteral("first");
        sheet.second->m_text = QStringLiteral("untouched");
        sheet.second->edit->setText(QStringLiteral("never shown, never read"));
        sheet.show();
        sheet.first->edit->setText(QStringLiteral("edited"));

        QVERIFY(sheet.PressOk());
        QCOMPARE(sheet.saved, QStringList({"edited", "untouched"}));
        QCOMPARE(sheet.second->saves, 0);
        QCOMPARE(sheet.second->loads, 0);
        QCOMPARE(sheet.second->leaveChecks, 0);
        // Only the current page is checked on OK.
        QCOMPARE(sheet.first->leaveChecks, 1);
    }

    void okChecksTheCurrentPageOnly()
    {
        SavingSheet sheet;
        sheet.show();
        sheet.tabWidget()->setCurrentIndex(1);
        sheet.first->refuseLeave = true; // no longer current: not asked again
        sheet.second->edit->setText(QStringLiteral("two"));
        QVERIFY(sheet.PressOk());
        QCOMPARE(sheet.first->leaveChecks, 1);
        QCOMPARE(sheet.saved, QStringList({"", "two"}));
    }

    void cancelKeepsTheMembers()
    {
        SavingSheet sheet;
        sheet.first->m_text = QStringLiteral("kept");
        sheet.show();
        sheet.first->edit->setText(QStringLiteral("thrown away"));
        sheet.cancelButton()->click();
        QCOMPARE(sheet.result(), int(QDialog::Rejected));
        QCOMPARE(sheet.first->m_text, QStringLiteral("kept"));
        QCOMPARE(sheet.first->leaveChecks, 0);
    }

    // Alt and a tab's letter is a click on the tab: the page left is read and
    // may refuse, the page reached is set up.
    void altAndTheTabsLetterSwitchesPage()
    {
        SavingSheet sheet;
        sheet.show();
        QApplication::setActiveWindow(&sheet);
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        sheet.first->edit->setText(QStringLiteral("typed"));
        sheet.first->refuseLeave = true;

        QTest::keyClick(&sheet, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(sheet.GetActiveIndex(), 0);
        QCOMPARE(sheet.first->leaveChecks, 1);
        QCOMPARE(sheet.first->m_text, QStringLiteral("typed"));

        sheet.first->refuseLeave = false;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
        QCOMPARE(sheet.GetActiveIndex(), 1);
        QCOMPARE(sheet.tabWidget()->currentWidget(), sheet.second);
        QCOMPARE(sheet.second->inits, 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
        QCOMPARE(sheet.GetActiveIndex(), 0);
    }

    void captionsAndPages()
    {
        SavingSheet sheet;
        QCOMPARE(sheet.windowTitle(), QStringLiteral("Sheet"));
        QCOMPARE(sheet.GetPageCount(), 2);
        QCOMPARE(sheet.tabWidget()->tabText(1), QStringLiteral("&Second"));
        QCOMPARE(sheet.GetPage(0)->GetSheet(), &sheet);
        QCOMPARE(sheet.GetPage(2), nullptr);
    }
};

QTEST_MAIN(PropertySheetTest)
#include "propertysheet_test.moc"
