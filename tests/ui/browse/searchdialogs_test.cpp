#include "browse/basicsearchdlg.h"
#include "browse/inputsqldlg.h"
#include "recordingmessenger.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// What both dialogs share: one edit that must not be blank.
struct DialogUnderTest
{
    QDialog *dialog;
    QLineEdit *edit;
    QString emptyMessage;
};

DialogUnderTest make(const QString &which)
{
    if (which == QLatin1String("search")) {
        auto *d = new CBasicSearchDlg;
        return {d, d->findChild<QLineEdit *>("editKeyword"), "Please enter a search keyword."};
    }
    auto *d = new CInputSQLDlg;
    return {d, d->findChild<QLineEdit *>("editSql"), "SQL statement cannot be empty."};
}

QString accepted(QDialog *dialog)
{
    if (auto *s = qobject_cast<CBasicSearchDlg *>(dialog))
        return s->keyword();
    return static_cast<CInputSQLDlg *>(dialog)->sql();
}

QPushButton *okButton(QDialog *dialog)
{
    return dialog->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok);
}

} // namespace

class SearchDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void blankInput_isRefusedAndTheDialogStaysOpen_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("typed");
        for (const char *which : {"search", "sql"}) {
            QTest::addRow("%s, nothing", which) << which << "";
            QTest::addRow("%s, blanks", which) << which << "   ";
            QTest::addRow("%s, tab and no-break space", which) << which << QString(" \t\u00a0 ");
        }
    }

    void blankInput_isRefusedAndTheDialogStaysOpen()
    {
        QFETCH(QString, which);
        QFETCH(QString, typed);
        RecordingMessenger m;
        DialogUnderTest t = make(which);
        std::unique_ptr<QDialog> owner(t.dialog);
        t.dialog->show();
        QApplication::setActiveWindow(t.dialog);
        QVERIFY(QTest::qWaitForWindowActive(t.dialog));
        t.edit->setText(typed);
        okButton(t.dialog)->setFocus(); // the refusal must bring the focus back

        QTest::mouseClick(okButton(t.dialog), Qt::LeftButton);
        QCOMPARE(m.messages, QStringList{t.emptyMessage});
        QVERIFY(t.dialog->isVisible());
        QCOMPARE(t.dialog->result(), int(QDialog::Rejected));
        QCOMPARE(t.edit->text(), QString()); // the trimmed text is written back
        QVERIFY(t.edit->hasFocus());
        QCOMPARE(accepted(t.dialog), QString());

        // Typing something afterwards is taken.
        QTest::keyClicks(t.edit, "x");
        QTest::keyClick(t.edit, Qt::Key_Return);
        QVERIFY(!t.dialog->isVisible());
        QCOMPARE(t.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(accepted(t.dialog), QString("x"));
    }

    void input_isKeptAsTyped_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("typed");
        QTest::newRow("keyword with blanks") << "search"
                                             << "  cat ";
        QTest::newRow("keyword with apostrophe") << "search"
                                                 << "O'Brian";
        QTest::newRow("statement with blanks") << "sql"
                                               << " SELECT * FROM book ";
    }

    void input_isKeptAsTyped()
    {
        QFETCH(QString, which);
        QFETCH(QString, typed);
        RecordingMessenger m;
        DialogUnderTest t = make(which);
        std::unique_ptr<QDialog> owner(t.dialog);
        t.dialog->show();
        QTest::keyClicks(t.edit, typed);
        QTest::keyClick(t.edit, Qt::Key_Enter); // OK is the default button
        QCOMPARE(t.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(accepted(t.dialog), typed);
        QVERIFY(m.messages.isEmpty());
    }

    void cancel_keepsNothing()
    {
        CInputSQLDlg dlg;
        dlg.show();
        QTest::keyClicks(dlg.findChild<QLineEdit *>("editSql"), "DELETE FROM book");
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(dlg.sql(), QString());
    }

    void basicSearch_layoutAndClearFirst()
    {
        CBasicSearchDlg dlg;
        QCOMPARE(dlg.windowTitle(), QString("Basic Search"));
        QCOMPARE(dlg.findChild<QGroupBox *>("groupKeyword")->title(), QString("Enter keyword:"));
        auto *check = dlg.findChild<QCheckBox *>("checkClearFirst");
        QVERIFY(check->isChecked());
        QVERIFY(okButton(&dlg)->isDefault());
        QVERIFY(dlg.findChild<QLabel *>("labelExplanation")->text().contains("7 fields"));

        dlg.show();
        QApplication::setActiveWindow(&dlg);
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QVERIFY(dlg.findChild<QLineEdit *>("editKeyword")->hasFocus());
        QTest::keyClicks(dlg.findChild<QLineEdit *>("editKeyword"), "dragon");
        QTest::mouseClick(check, Qt::LeftButton);
        QTest::mouseClick(okButton(&dlg), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.keyword(), QString("dragon"));
        QVERIFY(!dlg.clearFirst());
    }

    void runSql_layout()
    {
        CInputSQLDlg dlg;
        QCOMPARE(dlg.windowTitle(), QString("Run SQL"));
        QCOMPARE(dlg.findChild<QGroupBox *>("groupSql")->title(), QString("Input SQL statement:"));
        QCOMPARE(dlg.findChild<QLabel *>("labelNote")->text(), QString("Note: Advanced users only."));
        QVERIFY(okButton(&dlg)->isDefault());
    }
};

QTEST_MAIN(SearchDialogsTest)
#include "searchdialogs_test.moc"
