#include "app/strings.h"
#include "edit/categorygeneralpage.h"
#include "edit/categoryproperties.h"
#include "findcontrol.h"
#include "recordingmessenger.h"
#include "testsettings.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

class CategoryPropertiesTest : public QObject
{
    Q_OBJECT

private slots:
    void captions_data()
    {
        QTest::addColumn<int>("captionId");
        QTest::addColumn<QString>("caption");
        QTest::newRow("add") << int(IDS_ADD_NEW_CATEGORY) << "Add New Category";
        QTest::newRow("edit") << int(IDS_EDIT_CATEGORY) << "Edit Category";
    }
    void captions()
    {
        QFETCH(int, captionId);
        QFETCH(QString, caption);
        CCategoryProperties sheet(captionId);
        QCOMPARE(sheet.windowTitle(), caption);
        QCOMPARE(sheet.GetPageCount(), 1);
        QCOMPARE(sheet.tabWidget()->tabText(0), QStringLiteral("General"));
    }

    void newCategoryGreysOutTheReadOnlyLines()
    {
        CCategoryProperties sheet(IDS_ADD_NEW_CATEGORY);
        sheet.show();
        QVERIFY(!FindControl<QLineEdit>(sheet, "editContains")->isEnabled());
        QVERIFY(!FindControl<QLabel>(sheet, "labelContains")->isEnabled());
        QVERIFY(!FindControl<QLineEdit>(sheet, "editLastUpdated")->isEnabled());
        QVERIFY(!FindControl<QLabel>(sheet, "labelLastUpdated")->isEnabled());
        QVERIFY(FindControl<QLineEdit>(sheet, "editName")->isEnabled());
        QVERIFY(FindControl<QLineEdit>(sheet, "editName")->text().isEmpty());
    }

    void editedCategoryShowsTheReadOnlyLines()
    {
        CCategoryProperties sheet(IDS_EDIT_CATEGORY);
        CCategoryGeneralPage *page = sheet.generalPage();
        page->setName(QStringLiteral("Poetry"));
        page->setNotes(QStringLiteral("Line one\nLine two"));
        page->setContains(QStringLiteral("3 Books, 1 Sub Categories"));
        page->setLastUpdated(QString()); // a summary without a date
        sheet.show();

        auto *contains = FindControl<QLineEdit>(sheet, "editContains");
        QVERIFY(contains->isEnabled());
        QVERIFY(contains->isReadOnly());
        QVERIFY(FindControl<QLabel>(sheet, "labelContains")->isEnabled());
        QCOMPARE(contains->text(), QStringLiteral("3 Books, 1 Sub Categories"));
        QVERIFY(!FindControl<QLineEdit>(sheet, "editLastUpdated")->isEnabled());
        QCOMPARE(FindControl<QLineEdit>(sheet, "editName")->text(), QStringLiteral("Poetry"));
        QCOMPARE(FindControl<QPlainTextEdit>(sheet, "editNotes")->toPlainText(),
                 QStringLiteral("Line one\nLine two"));
    }

    void okTrimsOrRefuses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("trimmedName");
        QTest::addColumn<QString>("trimmedNotes");

        QTest::newRow("plain") << "History"
                               << "" << true << "History"
                               << "";
        QTest::newRow("surrounding blanks") << "  History \t"
                                            << "\n  old maps  \n"
                                            << true << "History"
                                            << "old maps";
        QTest::newRow("inner blanks kept") << " Art  and  Craft "
                                           << "a\n\nb" << true << "Art  and  Craft"
                                           << "a\n\nb";
        QTest::newRow("empty name") << ""
                                    << "notes" << false << ""
                                    << "notes";
        QTest::newRow("blank name") << "   \t "
                                    << "  keep me  " << false << ""
                                    << "keep me";
    }
    void okTrimsOrRefuses()
    {
        QFETCH(QString, name);
        QFETCH(QString, notes);
        QFETCH(bool, accepted);
        QFETCH(QString, trimmedName);
        QFETCH(QString, trimmedNotes);

        RecordingMessenger messages;
        CCategoryProperties sheet(IDS_ADD_NEW_CATEGORY);
        sheet.show();
        FindControl<QLineEdit>(sheet, "editName")->setText(name);
        FindControl<QPlainTextEdit>(sheet, "editNotes")->setPlainText(notes);
        sheet.okButton()->click();

        QCOMPARE(sheet.isVisible(), !accepted);
        QCOMPARE(sheet.generalPage()->name(), trimmedName);
        QCOMPARE(sheet.generalPage()->notes(), trimmedNotes);
        if (accepted) {
            QCOMPARE(sheet.result(), int(QDialog::Accepted));
            QVERIFY(messages.messages.isEmpty());
        } else {
            QCOMPARE(messages.messages, QStringList{"Category name cannot be empty."});
            // The sheet shows the trimmed texts again.
            QCOMPARE(FindControl<QLineEdit>(sheet, "editName")->text(), trimmedName);
            QCOMPARE(FindControl<QPlainTextEdit>(sheet, "editNotes")->toPlainText(), trimmedNotes);
        }
    }

    void cancelLeavesTheTexts()
    {
        CCategoryProperties sheet(IDS_EDIT_CATEGORY);
        sheet.generalPage()->setName(QStringLiteral("Travel"));
        sheet.show();
        FindControl<QLineEdit>(sheet, "editName")->setText(QStringLiteral("Trips"));
        sheet.cancelButton()->click();
        QCOMPARE(sheet.result(), int(QDialog::Rejected));
        QCOMPARE(sheet.generalPage()->name(), QStringLiteral("Travel"));
    }

    // The name can be typed as soon as the sheet opens.
    void nameHasTheFocusWhenTheSheetOpens()
    {
        RecordingMessenger messages;
        CCategoryProperties sheet(IDS_ADD_NEW_CATEGORY);
        QString typedInto;
        QTimer::singleShot(0, &sheet, [&] {
            QWidget *focus = sheet.focusWidget();
            typedInto = focus ? focus->objectName() : QString();
            QTest::keyClicks(focus ? focus : &sheet, QStringLiteral("Poetry"));
            QTest::keyClick(focus ? focus : &sheet, Qt::Key_Return);
        });
        QTimer::singleShot(5000, &sheet, &QDialog::reject); // never hang
        QCOMPARE(sheet.exec(), int(QDialog::Accepted));
        QCOMPARE(typedInto, QStringLiteral("editName"));
        QVERIFY(messages.messages.isEmpty());
        QCOMPARE(sheet.generalPage()->name(), QStringLiteral("Poetry"));
    }

    void modalRunWithTheKeyboard()
    {
        RecordingMessenger messages;
        CCategoryProperties sheet(IDS_ADD_NEW_CATEGORY);
        int step = 0;
        // Type a blank name, press Enter (refused), then a real one.
        QTimer::singleShot(0, &sheet, [&] {
            auto *edit = FindControl<QLineEdit>(sheet, "editName");
            QVERIFY(edit->hasFocus() || sheet.isVisible());
            edit->setFocus();
            QTest::keyClicks(edit, QStringLiteral("   "));
            QTest::keyClick(edit, Qt::Key_Return);
            step = 1;
            QVERIFY(sheet.isVisible());
            QTest::keyClicks(edit, QStringLiteral(" Maps "));
            QTest::keyClick(edit, Qt::Key_Return);
            step = 2;
        });
        QTimer::singleShot(5000, &sheet, &QDialog::reject); // never hang
        QCOMPARE(sheet.exec(), int(QDialog::Accepted));
        QCOMPARE(step, 2);
        QCOMPARE(messages.messages, QStringList{"Category name cannot be empty."});
        QCOMPARE(sheet.generalPage()->name(), QStringLiteral("Maps"));
    }
};

int main(int argc, char **argv)
{
    TestSettings settings;
    QApplication app(argc, argv);
    CategoryPropertiesTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "categoryproperties_test.moc"
