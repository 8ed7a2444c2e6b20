// The loan commands from the main window: Lend, Return and Borrowed Book with
// their dialogs answered as a user would, the On Loan and Borrowed entries of
// the tree, the overdue notice of the status bar, the Loans page and the
// Borrowers dialog.
#include "app/apppaths.h"
#include "app/commandids.h"
#include "app/englishplurals.h"
#include "app/mainframe.h"
#include "browse/booklistmodel.h"
#include "browse/ordolistview.h"
#include "browse/ordotreeview.h"
#include "catalog/booklistquery.h"
#include "catalog/loancommands.h"
#include "catalog/ordodoc.h"
#include "catalog/sqlvalue.h"
#include "edit/bookloanspage.h"
#include "edit/datepickerwithnone.h"
#include "loans/borrowersdlg.h"
#include "loans/lenddlg.h"
#include "loans/loantools.h"
#include "loans/returndlg.h"
#include "mainwindowcatalog.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// What a user types into the Lend or Borrowed Book dialog.
struct LendAnswer
{
    QString borrower;
    QDate loanDate;
    QDate dueDate; // invalid: the box cleared
    QString title;
    QString note;
};

struct Fixture : MainWindowCatalog
{
    LendAnswer answer;
    QDate returnDate;
    int dialogsShown = 0;

    Fixture()
    {
        CLoanTools *tools = frame.loanTools();
        tools->setLendRunner([this](CLendDlg &dialog) {
            ++dialogsShown;
            if (auto *title = dialog.findChild<QLineEdit *>("editTitle"))
                title->setText(answer.title);
            dialog.findChild<QComboBox *>("comboBorrower")->setEditText(answer.borrower);
            dialog.findChild<QDateEdit *>("dateLoan")->setDate(answer.loanDate);
            dialog.findChild<CDatePickerWithNone *>("dateDue")->setDate(answer.dueDate);
            if (!answer.dueDate.isValid())
                dialog.findChild<CDatePickerWithNone *>("dateDue")->setHasDate(false);
            dialog.findChild<QLineEdit *>("editNote")->setText(answer.note);
            dialog.accept();
            return dialog.result();
        });
        tools->setReturnRunner([this](CReturnDlg &dialog) {
            ++dialogsShown;
            dialog.findChild<QDateEdit *>("dateReturn")->setDate(returnDate);
            return int(QDialog::Accepted);
        });
    }

    bool enabled(int id)
    {
        frame.updateCommandStates();
        return frame.action(id)->isEnabled();
    }
    // As the menu does: the states are brought up to date before a click.
    void run(int id)
    {
        frame.updateCommandStates();
        frame.action(id)->trigger();
    }
    void select(const QVector<BookId> &books) { doc.setSelectedBooks(books); }
    void showEntry(int value) { frame.treeView()->SelectFixedEntry(value); }
    QStringList listed()
    {
        QStringList rows;
        const CBookListModel *model = qobject_cast<const CBookListModel *>(frame.listView()->model());
        for (int row = 0; row < model->rowCount(); ++row)
            rows << QString("%1|%2|%3")
                        .arg(model->bookId(row))
                        .arg(model->rows().text(row, CBookListModel::BorrowerColumn))
                        .arg(model->rows().text(row, CBookListModel::DueDateColumn));
        rows.sort();
        return rows;
    }
};

} // namespace

class LoanCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(InstallEnglishPlurals()); }

    // Three books to two friends, On Loan, the overdue notice, one back, and
    // the history on the Loans page.
    void lendThreeToTwo_onLoan_overdue_returnOne_history()
    {
        Fixture f;
        QVERIFY(!f.enabled(Cmd::Lend)); // nothing selected
        QVERIFY(f.enabled(Cmd::BorrowedBook));

        const QDate today = QDate::currentDate();
        f.select({1, 2});
        QVERIFY(f.enabled(Cmd::Lend));
        QVERIFY(!f.enabled(Cmd::Return)); // neither is out
        f.answer = {"Zoë Ångström", today.addDays(-20), today.addDays(-6), {}, "Глава 3"};
        f.run(Cmd::Lend);
        f.select({3});
        f.answer = {"陈静", today, today.addDays(14), {}, {}};
        f.run(Cmd::Lend);
        QCOMPARE(f.dialogsShown, 2);
        QVERIFY(f.messages.messages.isEmpty());

        f.showEntry(OnLoanCategory);
        QCOMPARE(f.doc.currentCategory(), qint64(OnLoanCategory));
        QVERIFY(!f.frame.listView()->isColumnHidden(CBookListModel::BorrowerColumn));
        const QString past = today.addDays(-6).toString(Qt::ISODate);
        QCOMPARE(f.listed(), (QStringList{"1|Zoë Ångström|" + past, "2|Zoë Ångström|" + past,
                                          "3|陈静|" + today.addDays(14).toString(Qt::ISODate)}));
        // Overdue rows say so in colour, with a sign and in words.
        const CBookListModel *model = qobject_cast<const CBookListModel *>(f.frame.listView()->model());
        int overdueRows = 0;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex due = model->index(row, CBookListModel::DueDateColumn);
            if (model->isOverdue(row)) {
                ++overdueRows;
                QVERIFY(!due.data(Qt::DecorationRole).value<QIcon>().isNull());
                QCOMPARE(due.data(Qt::ToolTipRole).toString(), QString("Overdue"));
                QVERIFY(due.data(Qt::ForegroundRole).isValid());
            } else {
                QVERIFY(!due.data(Qt::DecorationRole).isValid());
            }
        }
        QCOMPARE(overdueRows, 2);
        f.showEntry(AllBooksCategory);
        QVERIFY(f.frame.listView()->isColumnHidden(CBookListModel::DueDateColumn));

        // The notice: shown with the count, a click shows On Loan.
        QToolButton *notice = f.frame.findChild<QToolButton *>("overdueNotice");
        QVERIFY(notice);
        f.frame.loanTools()->updateOverdueNotice(today);
        QVERIFY(!notice->isHidden());
        QCOMPARE(notice->text(), QString("2 books are overdue"));
        notice->click();
        QCOMPARE(f.doc.currentCategory(), qint64(OnLoanCategory));
        // Two weeks on, the third is late too.
        f.frame.loanTools()->updateOverdueNotice(today.addDays(15));
        QCOMPARE(notice->text(), QString("3 books are overdue"));

        // Return one: only books out can be returned.
        f.select({4});
        QVERIFY(!f.enabled(Cmd::Return));
        f.select({2, 4});
        QVERIFY(f.enabled(Cmd::Return));
        f.returnDate = today.addDays(-1);
        f.run(Cmd::Return);
        QCOMPARE(f.listed().size(), 2); // the list follows
        f.frame.loanTools()->updateOverdueNotice(today);
        QCOMPARE(notice->text(), QString("1 book is overdue"));

        // Lent again: the Loans page shows who has it now and the whole history.
        f.select({2});
        f.answer = {"陈静", today, {}, {}, {}};
        f.run(Cmd::Lend);
        CBookLoansPage page;
        page.setLoans(*LoansOfBook(f.cat.connection(), 2), today);
        auto *history = page.findChild<QTreeWidget *>("treeLoans");
        QCOMPARE(history->topLevelItemCount(), 2);
        QCOMPARE(history->topLevelItem(0)->text(0), QString("陈静"));
        QCOMPARE(history->topLevelItem(1)->text(0), QString("Zoë Ångström"));
        QCOMPARE(history->topLevelItem(1)->text(5), QString("Глава 3"));
        QVERIFY(!history->topLevelItem(1)->text(4).isEmpty()); // returned
        QVERIFY(page.findChild<QLabel *>("labelCurrent")->text().startsWith("Lent to 陈静 since "));
        page.setLoans(*LoansOfBook(f.cat.connection(), 1), today);
        QVERIFY(page.findChild<QLabel *>("labelCurrent")->text().endsWith("(overdue)"));
        QVERIFY(!history->topLevelItem(0)->icon(3).isNull());
    }

    // A due date before the loan keeps the dialog open; nothing is written.
    void lendDialog_refusesDueBeforeLoan_andBlankBorrower()
    {
        Fixture f;
        CLendDlg dialog(LoanDirection::LentTo, {"Ana"}, 28);
        QCOMPARE(dialog.findChild<CDatePickerWithNone *>("dateDue")->date(),
                 QDate::currentDate().addDays(28));
        dialog.findChild<QComboBox *>("comboBorrower")->setEditText("   ");
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        dialog.findChild<QComboBox *>("comboBorrower")->setEditText("Ana");
        dialog.findChild<QDateEdit *>("dateLoan")->setDate(QDate(2025, 3, 10));
        dialog.findChild<CDatePickerWithNone *>("dateDue")->setDate(QDate(2025, 3, 9));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(f.messages.messages.size(), 2);
        CLendDlg noPeriod(LoanDirection::LentTo, {}, 0);
        QVERIFY(!noPeriod.findChild<CDatePickerWithNone *>("dateDue")->hasDate());
        // The period of Options, 28 days until set.
        QCOMPARE(CLoanTools::DefaultLoanDays(), 28);
        CLoanTools::SetDefaultLoanDays(0);
        QCOMPARE(CLoanTools::DefaultLoanDays(), 0);
    }

    // Borrowed Book adds a book that is not ours and lists it under Borrowed;
    // it cannot be lent on.
    void borrowedBook_addsBookAndLoan_listedUnderBorrowed()
    {
        Fixture f;
        f.answer = {"Μαρία", QDate(2025, 1, 5), QDate(2025, 2, 5), "Cien años de soledad", {}};
        f.run(Cmd::BorrowedBook);
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book"), 5);
        QCOMPARE(f.cat.scalar("SELECT Title FROM book WHERE BookID=5"), QString("Cien años de soledad"));
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book_category WHERE BookID=5 AND CatID=1"), 1);
        f.showEntry(BorrowedCategory);
        QCOMPARE(f.listed(), QStringList{"5|Μαρία|2025-02-05"});
        f.select({5});
        QVERIFY(!f.enabled(Cmd::Lend));
        QVERIFY(f.enabled(Cmd::Return));
        QVERIFY(!f.enabled(Cmd::RemoveBook)); // a loan list holds no memberships
        QVERIFY(!f.enabled(Cmd::Paste));

        // A blank title keeps the dialog open and adds nothing.
        f.answer.title.clear();
        f.run(Cmd::BorrowedBook);
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book"), 5);
    }

    void borrowersDialog_countsRenameMergeDelete()
    {
        Fixture f;
        QVERIFY(
            LendBooks(f.cat.connection(), {1}, {"Ana", LoanDirection::LentTo, QDate(2025, 1, 1), {}, {}}).ok);
        QVERIFY(
            LendBooks(f.cat.connection(), {2}, {"Bea", LoanDirection::LentTo, QDate(2025, 1, 1), {}, {}}).ok);
        f.cat.exec("INSERT INTO borrower (BorrowerID, Name) VALUES (9, 'Ólafur')");
        CBorrowersDlg dialog(&f.doc);
        auto *table = dialog.findChild<QTableWidget *>("tableBorrowers");
        QCOMPARE(table->rowCount(), 3);
        const auto rowOf = [&](const QString &name) {
            for (int row = 0; row < table->rowCount(); ++row)
                if (table->item(row, 0)->text() == name)
                    return row;
            return -1;
        };
        QCOMPARE(table->item(rowOf("Ana"), CBorrowersDlg::NowColumn)->text(), QString("1"));

        // Rename in place; a name in use is refused and the old one shown.
        table->item(rowOf("Ana"), 0)->setText("Anna Карenina");
        QVERIFY(rowOf("Anna Карenina") >= 0);
        table->item(rowOf("Bea"), 0)->setText("anna карenina");
        QVERIFY(rowOf("Bea") >= 0);
        QCOMPARE(f.messages.messages.size(), 1);

        // Only a borrower without loans can be deleted.
        dialog.selectRow(rowOf("Bea"));
        QVERIFY(!dialog.findChild<QPushButton *>("buttonDelete")->isEnabled());
        dialog.selectRow(rowOf("Ólafur"));
        QVERIFY(dialog.findChild<QPushButton *>("buttonDelete")->isEnabled());
        dialog.deleteSelected();
        QCOMPARE(table->rowCount(), 2);

        // Merge Bea into Anna: Anna has both books now.
        dialog.setMergeChooser(
            [](QWidget *, const QStringList &names) { return int(names.indexOf("Anna Карenina")); });
        dialog.selectRow(rowOf("Bea"));
        dialog.mergeSelected();
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->item(0, CBorrowersDlg::NowColumn)->text(), QString("2"));
    }
};

QTEST_MAIN(LoanCommandsTest)
#include "loancommands_test.moc"
