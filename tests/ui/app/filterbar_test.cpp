// The filter bar above the book list in the main window: typing narrows the
// list and its count, Esc brings every book and the selection back, the keys
// reach the bar and Basic Search, and another category keeps the filter.
#include "app/commandids.h"
#include "app/englishplurals.h"
#include "app/mainframe.h"
#include "browse/basicsearchdlg.h"
#include "browse/booklistmodel.h"
#include "browse/listfilterbar.h"
#include "browse/ordolistview.h"
#include "browse/ordotreeview.h"
#include "mainwindowcatalog.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {

struct Fixture : MainWindowCatalog
{
    COrdoListView *list = frame.listView();
    CListFilterBar *bar = frame.filterBar();

    explicit Fixture(int fillers = 0)
    {
        cat.exec("UPDATE book SET Author = 'Albert Camus' WHERE BookID = 1");
        cat.exec("UPDATE book SET Author = 'Lev Tolstoy' WHERE BookID = 2");
        cat.exec("UPDATE book SET Author = 'Όμηρος' WHERE BookID = 3");
        // In no category: the Recycle Bin's.
        cat.exec("INSERT INTO book (BookID, Title, Author) VALUES (5, 'Anna Karenina', 'Léon Tolstoï')");
        if (fillers > 0)
            cat.exec(QString("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                             "INSERT INTO book (BookID, Title) SELECT 100 + i, 'Filler ' || i FROM n")
                         .arg(fillers));
        frame.resize(900, 700);
        frame.treeView()->SelectFixedEntry(5);
    }

    // Types text into the bar key by key and waits for its rows.
    bool type(const QString &text)
    {
        for (const QChar c : text) {
            // QTest knows keys for ASCII only; other letters come as the text
            // of a key the keyboard has no name for, as an input method sends.
            if (c.unicode() < 0x80)
                QTest::keyClick(bar, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, bar, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        return QTest::qWaitFor([this] { return !list->isFilterPending(); }, 5000);
    }

    int rows() const { return list->model()->rowCount(); }
    QStringList titles() const
    {
        QStringList result;
        for (int row = 0; row < rows(); ++row)
            result << list->bookListModel()->text(row, CBookListModel::TitleColumn).toString();
        result.sort();
        return result;
    }
    int rowOf(BookId id) const
    {
        for (int row = 0; row < rows(); ++row) {
            if (list->bookListModel()->bookId(row) == id)
                return row;
        }
        return -1;
    }
    QString countPane() const { return frame.findChild<QLabel *>("bookCountPane")->text(); }
};

} // namespace

class FilterBarTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(InstallEnglishPlurals()); }

    void typing_narrowsTheListAndItsCount()
    {
        Fixture f;
        QCOMPARE(f.rows(), 5);
        QVERIFY(!f.bar->placeholderText().isEmpty());
        QVERIFY(f.bar->isClearButtonEnabled());

        QVERIFY(f.type("tolsto"));
        QCOMPARE(f.titles(), QStringList({"Anna Karenina", "Война и мир"}));
        QCOMPARE(f.countPane(), QString("2 books; 0 selected"));
        QVERIFY(f.type(" KARENINA"));
        QCOMPARE(f.titles(), QStringList{"Anna Karenina"});
        QCOMPARE(f.countPane(), QString("1 book; 0 selected"));
        QVERIFY(f.type(" zebra"));
        QCOMPARE(f.rows(), 0);
        QCOMPARE(f.countPane(), QString("0 books; 0 selected"));

        // Each script, accents set aside.
        const QList<QPair<QString, QString>> cases = {{"война мир", "Война и мир"},
                                                      {"οδυσσεια ομηρος", "Η Οδύσσεια"},
                                                      {"红楼", "红楼梦"},
                                                      {"etranger camus", "L'Étranger"}};
        for (const auto &c : cases) {
            f.bar->clear();
            QVERIFY(f.type(c.first));
            QCOMPARE(f.titles(), QStringList{c.second});
        }
    }

    void esc_clearsTheBarAndBringsBackTheSelection()
    {
        Fixture f(300);
        f.frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.frame));
        QCOMPARE(f.rows(), 305);
        // Books 2 and "Filler 299" selected, the filler current: far down
        // the list, out of sight at the top.
        const int war = f.rowOf(2);
        const int filler = f.rowOf(399);
        QItemSelectionModel *selection = f.list->selectionModel();
        selection->select(f.list->model()->index(war, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        selection->setCurrentIndex(f.list->model()->index(filler, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(f.doc.selectedBooks().size(), 2);

        QVERIFY(f.type("tolst"));
        QCOMPARE(f.rows(), 2);
        // The hidden filler is not acted on while it cannot be seen.
        QCOMPARE(f.doc.selectedBooks(), QVector<BookId>{2});
        QCOMPARE(f.countPane(), QString("2 books; 1 selected"));
        // Selected while filtering: kept too.
        selection->select(f.list->model()->index(f.rowOf(5), 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(f.doc.selectedBooks().size(), 2);

        f.list->scrollToTop();
        QTest::keyClick(f.bar, Qt::Key_Escape);
        QVERIFY(f.bar->text().isEmpty());
        QVERIFY(!f.list->isFiltered());
        QCOMPARE(f.rows(), 305);
        QVector<BookId> selected = f.doc.selectedBooks();
        std::sort(selected.begin(), selected.end());
        QCOMPARE(selected, QVector<BookId>({2, 5, 399}));
        QCOMPARE(f.countPane(), QString("305 books; 3 selected"));
        QCOMPARE(f.list->currentIndex().row(), f.rowOf(399));
        const QRect current = f.list->visualRect(f.list->currentIndex());
        QVERIFY(f.list->viewport()->rect().intersects(current));
        QVERIFY(f.list->verticalScrollBar()->value() > 0);
    }

    void keys_ctrlFFocusesTheBarAndBasicSearchMoved()
    {
        Fixture f;
        f.frame.show();
        QApplication::setActiveWindow(&f.frame);
        QVERIFY(QTest::qWaitForWindowActive(&f.frame));
        f.list->setFocus();
        f.frame.updateCommandStates();
        QCOMPARE(f.frame.action(Cmd::FilterList)->shortcut(), QKeySequence("Ctrl+F"));
        QCOMPARE(f.frame.action(Cmd::BasicSearch)->shortcut(), QKeySequence("Ctrl+Shift+F"));

        QTest::keyClick(&f.frame, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), f.bar);
        QVERIFY(f.type("红"));
        QCOMPARE(f.rows(), 1);
        // Enter goes on to the rows found, not to Edit Book.
        QTest::keyClick(f.bar, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.list);
        QVERIFY(!QApplication::activeModalWidget());
        // Ctrl+F again from the list: the text is selected for typing over.
        QTest::keyClick(&f.frame, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), f.bar);
        QCOMPARE(f.bar->selectedText(), QString("红"));

        bool dialogSeen = false;
        QTimer::singleShot(0, &f.frame, [&] {
            if (auto *dialog = qobject_cast<CBasicSearchDlg *>(QApplication::activeModalWidget())) {
                dialogSeen = true;
                dialog->reject();
            }
        });
        QTest::keyClick(&f.frame, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(dialogSeen);
    }

    void anotherCategory_keepsTheFilter()
    {
        Fixture f;
        QVERIFY(f.type("tolsto"));
        QCOMPARE(f.rows(), 2);
        f.frame.treeView()->SelectFixedEntry(6); // the Recycle Bin: Anna Karenina only
        QVERIFY(QTest::qWaitFor([&] { return !f.list->isFilterPending(); }, 5000));
        QCOMPARE(f.bar->text(), QString("tolsto"));
        QCOMPARE(f.titles(), QStringList{"Anna Karenina"});
        QCOMPARE(f.countPane(), QString("1 book; 0 selected"));
        f.bar->clear();
        QCOMPARE(f.rows(), 1);
        QCOMPARE(f.titles(), QStringList{"Anna Karenina"});
    }

    void sorting_whileFilteredKeepsTheSameBooks()
    {
        Fixture f;
        QVERIFY(f.type("tolst"));
        emit f.list->horizontalHeader()->sectionClicked(CBookListModel::AuthorColumn);
        QCOMPARE(f.rows(), 2);
        QCOMPARE(f.list->bookListModel()->text(0, CBookListModel::AuthorColumn).toString(), QString("Léon Tolstoï"));
        QCOMPARE(f.list->bookListModel()->text(1, CBookListModel::AuthorColumn).toString(), QString("Lev Tolstoy"));
        f.bar->clear();
        QCOMPARE(f.rows(), 5);
    }
};

QTEST_MAIN(FilterBarTest)
#include "filterbar_test.moc"
