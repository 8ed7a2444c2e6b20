// Basic Search from the main window: the accent option of the dialog, the
// list emptied when a search finds nothing while Search Results is shown, and
// the counts of the status text.
#include "app/apppaths.h"
#include "app/commandids.h"
#include "app/commandrouter.h"
#include "app/englishplurals.h"
#include "app/mainframe.h"
#include "browse/basicsearchdlg.h"
#include "browse/booklistmodel.h"
#include "browse/ordolistview.h"
#include "browse/ordotreeview.h"
#include "catalog/ordodoc.h"
#include "catalog/sqlvalue.h"
#include "mainwindowcatalog.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

struct Fixture : MainWindowCatalog
{
    // Runs Basic Search with keyword; ignoreAccents sets the dialog's box.
    void search(const QString &keyword, bool ignoreAccents = true)
    {
        searchWith([&](CBasicSearchDlg *dialog) {
            auto *accents = dialog->findChild<QCheckBox *>("checkIgnoreAccents");
            if (!accents || !accents->isChecked()) // on by default
                qWarning("the accent option is missing or off");
            if (accents)
                accents->setChecked(ignoreAccents);
            dialog->findChild<QLineEdit *>("editKeyword")->setText(keyword);
        });
    }

    // Runs Basic Search with the dialog filled in by fill, then OK; a dialog
    // that refuses OK is cancelled.
    void searchWith(const std::function<void(CBasicSearchDlg *)> &fill)
    {
        QObject timers;
        std::function<void()> answer = [&] {
            auto *dialog = qobject_cast<CBasicSearchDlg *>(QApplication::activeModalWidget());
            if (!dialog) {
                QTimer::singleShot(10, &timers, answer);
                return;
            }
            fill(dialog);
            dialog->accept();
            if (dialog->isVisible())
                dialog->reject();
        };
        QTimer::singleShot(0, &timers, answer);
        frame.updateCommandStates();
        if (!frame.router().run(Cmd::BasicSearch))
            qWarning("Basic Search did not run");
    }

    int rows() const { return frame.listView()->model()->rowCount(); }
};

} // namespace

class BasicSearchCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(InstallEnglishPlurals()); }

    void accentOption_isOnByDefaultAndPassedOn()
    {
        Fixture f;
        f.search("etranger", false);
        QCOMPARE(f.messages.messages, QStringList{"No search results found."});
        f.messages.clear();
        f.search("etranger");
        QVERIFY(f.messages.messages.isEmpty());
        QCOMPARE(f.doc.currentCategory(), 3);
        QCOMPARE(f.rows(), 1);
        f.search("ВОЙНА");
        QCOMPARE(f.rows(), 1);
        QCOMPARE(f.frame.listView()->bookListModel()->rows().text(0, 0), QString("Война и мир"));
    }

    // The series box offers the catalogue's series; a series or a year read,
    // typed in any digits, searches without a keyword; a year that is not
    // one is refused before anything is searched.
    void seriesAndYear_searchWithoutKeyword()
    {
        Fixture f;
        f.cat.exec("INSERT INTO bookseries (SeriesID, Name) VALUES (1, 'Плоский мир'), (2, 'Ἑλληνικά')");
        f.cat.exec("UPDATE book SET SeriesID=1 WHERE BookID=2");
        f.cat.exec("INSERT INTO reading (BookID, ReadingID, Started, Finished, Completed) "
                   "VALUES (4, 1, '2025-02-01', '2025-03-01', 1)");
        QComboBox *series = nullptr;
        int offered = -1;
        f.searchWith([&](CBasicSearchDlg *dialog) {
            series = dialog->findChild<QComboBox *>("comboSeries");
            offered = series->count();
            QCOMPARE(series->currentText(), QString());
            series->setEditText(" ПЛОСКИЙ ");
        });
        QCOMPARE(offered, 2);
        QVERIFY(f.messages.messages.isEmpty());
        QCOMPARE(f.doc.currentCategory(), 3);
        QCOMPARE(f.rows(), 1);
        QCOMPARE(f.frame.listView()->bookListModel()->rows().text(0, 0), QString("Война и мир"));

        f.searchWith([](CBasicSearchDlg *dialog) { dialog->findChild<QLineEdit *>("editYear")->setText("２０２５"); });
        QCOMPARE(f.rows(), 1);
        QCOMPARE(f.frame.listView()->bookListModel()->rows().text(0, 0), QString("红楼梦"));

        f.searchWith([](CBasicSearchDlg *dialog) {
            dialog->findChild<QLineEdit *>("editKeyword")->setText("война");
            dialog->findChild<QLineEdit *>("editYear")->setText("20x5");
        });
        QCOMPARE(f.messages.messages, QStringList{"Please enter a year such as 2025."});
        QCOMPARE(f.rows(), 1); // nothing was searched
        QCOMPARE(f.frame.listView()->bookListModel()->rows().text(0, 0), QString("红楼梦"));

        f.messages.clear();
        f.searchWith([](CBasicSearchDlg *dialog) { dialog->findChild<QLineEdit *>("editKeyword")->setText("   "); });
        QCOMPARE(f.messages.messages, QStringList{"Please enter a search keyword."});
    }

    void emptySearch_emptiesTheShownSearchResults()
    {
        Fixture f;
        f.search("οδύσσεια");
        QCOMPARE(f.doc.currentCategory(), 3);
        QCOMPARE(f.rows(), 1);

        f.search("no such words");
        QCOMPARE(f.messages.messages, QStringList{"No search results found."});
        QCOMPARE(f.doc.currentCategory(), 3);
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book_category WHERE CatID=3"), 0);
        QCOMPARE(f.rows(), 0); // not the old rows of an empty category
    }

    void emptySearch_elsewhereLeavesTheListAlone()
    {
        Fixture f;
        f.frame.treeView()->SelectFixedEntry(5);
        QCOMPARE(f.rows(), 4);
        f.search("no such words");
        QCOMPARE(f.doc.currentCategory(), 5);
        QCOMPARE(f.rows(), 4);
    }

    void statusText_countsWithPluralForms()
    {
        Fixture f;
        COrdoListView *list = f.frame.listView();
        f.search("红楼");
        QCOMPARE(list->statusText(), QString("1 book; 0 selected"));
        list->selectAll();
        QCOMPARE(list->statusText(), QString("1 book; 1 selected"));
        f.frame.treeView()->SelectFixedEntry(5);
        QCOMPARE(list->statusText(), QString("4 books; 0 selected"));
        f.search("no such words");
        f.frame.treeView()->SelectFixedEntry(3);
        QCOMPARE(list->statusText(), QString("0 books; 0 selected"));
    }
};

QTEST_MAIN(BasicSearchCommandTest)
#include "basicsearchcommand_test.moc"
