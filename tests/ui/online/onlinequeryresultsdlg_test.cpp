#include "app/strings.h"
#include "findcontrol.h"
#include "online/canceltoken.h"
#include "online/onlinequeryresultsdlg.h"
#include "recordingmessenger.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMutex>
#include <QPushButton>
#include <QSemaphore>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <atomic>

namespace {

// A search of totalPages pages of rowsPerPage rows; row titles say page and row.
struct FakeSearch
{
    int totalPages = 3;
    int rowsPerPage = 3;
    std::atomic<int> calls{0};
    QVector<int> pages;
    QMutex mutex;
    QSemaphore *gate = nullptr; // when set, each query waits for a release
    bool failFrom2 = false;

    IKeywordChooser::Query query()
    {
        return [this](int page) {
            ++calls;
            {
                QMutexLocker lock(&mutex);
                pages << page;
            }
            if (gate)
                gate->acquire();
            CSearchPage result;
            result.page = page;
            if (failFrom2 && page >= 2) {
                result.outcome = LookupOutcome::Unreachable;
                result.message = "Failed to load book info from Open Library.";
                return result;
            }
            result.outcome = LookupOutcome::Found;
            result.totalPages = totalPages;
            result.totalResults = totalPages * rowsPerPage;
            result.statusLine = QString("page %1").arg(page);
            for (int i = 0; i < rowsPerPage; ++i) {
                CSearchRow row;
                row.itemKey = QString("key-%1-%2").arg(page).arg(i);
                row.isbn = i == 0 ? QString("9780596000271") : QString();
                row.title = QString("Κείμενο 书 %1.%2").arg(page).arg(i);
                row.author = "Достоевский";
                row.publisher = "Éditions";
                row.releaseDate = "Jun 01, 2003";
                result.rows << row;
            }
            return result;
        };
    }
};

QTableWidget *list(QWidget *d)
{
    return FindControl<QTableWidget>(d, "listResults");
}

QString cell(QWidget *d, int row, int column)
{
    QTableWidgetItem *item = list(d)->item(row, column);
    return item ? item->text() : QString();
}

// Runs fn once widget shows (a modal run started after other event loops).
void whenShown(QWidget *widget, std::function<void()> fn)
{
    auto *poll = new QTimer(widget);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, widget, [=] {
        if (!widget->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        fn();
    });
    poll->start();
}

// Waits until the page query under way has ended.
bool settle(COnlineQueryResultsDlg &d)
{
    return QTest::qWaitFor([&] { return !d.isQueryRunning(); }, 5000);
}

} // namespace

class OnlineQueryResultsDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void layoutColumnsAndTooltips()
    {
        COnlineQueryResultsDlg d;
        QCOMPARE(d.windowTitle(), QString("Please select one from the following:"));
        QTableWidget *l = list(&d);
        QCOMPARE(l->columnCount(), 5);
        QStringList headers;
        for (int i = 0; i < 5; ++i)
            headers << l->horizontalHeaderItem(i)->text();
        QCOMPARE(headers, QStringList({"ISBN", "Title", "Author", "Publisher", "Edition"}));
        QCOMPARE(l->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(l->selectionBehavior(), QAbstractItemView::SelectRows);
        QVERIFY(l->showGrid());
        QVERIFY(l->columnWidth(0) >= l->fontMetrics().horizontalAdvance("9780596000271"));
        QCOMPARE(l->columnWidth(1), 280);
        QCOMPARE(FindControl<QPushButton>(&d, "buttonFirst")->toolTip(), QString("First page"));
        QCOMPARE(FindControl<QPushButton>(&d, "buttonPrevious")->toolTip(), QString("Previous page"));
        QCOMPARE(FindControl<QPushButton>(&d, "buttonNext")->toolTip(), QString("Next page"));
        QCOMPARE(FindControl<QPushButton>(&d, "buttonLast")->toolTip(), QString("Last page"));
        QCOMPARE(FindControl<QPushButton>(&d, "buttonFirst")->text(), QString("<<"));
        QCOMPARE(FindControl<QPushButton>(&d, "buttonLast")->text(), QString(">>"));
    }

    void pagingQueriesOnlyWhereThereIsAPage()
    {
        RecordingMessenger messages;
        FakeSearch search;
        COnlineQueryResultsDlg d;
        d.setQuery(search.query(), nullptr);
        d.setFirstPage(search.query()(1));
        search.calls = 0;
        search.pages.clear();
        QCOMPARE(d.currentPage(), 1);
        QCOMPARE(FindControl<QLabel>(&d, "labelStatus")->text(), QString("page 1"));
        // The service's order, the first (most relevant) row selected.
        QCOMPARE(cell(&d, 0, 1), QString("Κείμενο 书 1.0"));
        QCOMPARE(cell(&d, 2, 1), QString("Κείμενο 书 1.2"));
        QCOMPARE(cell(&d, 0, 0), QString("9780596000271"));
        QCOMPARE(cell(&d, 0, 2), QString("Достоевский"));
        QCOMPARE(cell(&d, 0, 4), QString("Jun 01, 2003"));
        QCOMPARE(list(&d)->selectionModel()->selectedRows().value(0).row(), 0);

        d.OnPreviousPage(); // on page 1: nothing
        d.OnFirstPage();
        QCOMPARE(search.calls.load(), 0);

        d.OnLastPage();
        QVERIFY(settle(d));
        QCOMPARE(d.currentPage(), 3);
        QCOMPARE(cell(&d, 0, 1), QString("Κείμενο 书 3.0"));
        d.OnLastPage(); // already there
        d.OnNextPage();
        QCOMPARE(search.calls.load(), 1);

        d.OnPreviousPage();
        QVERIFY(settle(d));
        d.OnFirstPage();
        QVERIFY(settle(d));
        d.OnNextPage();
        QVERIFY(settle(d));
        QCOMPARE(search.pages, QVector<int>({3, 2, 1, 2}));
        QCOMPARE(FindControl<QLabel>(&d, "labelStatus")->text(), QString("page 2"));
        QVERIFY(messages.messages.isEmpty());
    }

    void pagingAndOkWaitWhileAQueryRuns()
    {
        RecordingMessenger messages;
        FakeSearch search;
        QSemaphore gate;
        COnlineQueryResultsDlg d;
        d.setQuery(search.query(), nullptr);
        d.setFirstPage(search.query()(1));
        search.gate = &gate;
        d.OnNextPage();
        QVERIFY(d.isQueryRunning());
        for (const char *name : {"buttonFirst", "buttonPrevious", "buttonNext", "buttonLast"})
            QVERIFY(!FindControl<QPushButton>(&d, name)->isEnabled());
        auto *box = FindControl<QDialogButtonBox>(&d, "buttonBox");
        QVERIFY(!box->button(QDialogButtonBox::Ok)->isEnabled());
        d.OnNextPage(); // ignored while busy
        d.accept();     // ignored while busy
        QCOMPARE(d.result(), int(QDialog::Rejected));
        gate.release();
        QVERIFY(settle(d));
        QCOMPARE(search.pages, QVector<int>({1, 2}));
        QVERIFY(box->button(QDialogButtonBox::Ok)->isEnabled());
        QVERIFY(FindControl<QPushButton>(&d, "buttonNext")->isEnabled());
        QCOMPARE(d.currentPage(), 2);
    }

    void okTakesTheSelectedRow()
    {
        RecordingMessenger messages;
        FakeSearch search;
        COnlineQueryResultsDlg d;
        d.setQuery(search.query(), nullptr);
        d.setFirstPage(search.query()(1));
        list(&d)->clearSelection();
        d.accept();
        QCOMPARE(messages.messages, QStringList{"Please select one item from the list."});
        QCOMPARE(d.result(), int(QDialog::Rejected));

        list(&d)->selectRow(2);
        d.accept();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.chosenIdentifier(), QString("key-1-2"));
    }

    void doubleClickIsOk()
    {
        RecordingMessenger messages;
        FakeSearch search;
        COnlineQueryResultsDlg d;
        d.setQuery(search.query(), nullptr);
        d.setFirstPage(search.query()(1));
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTableWidget *l = list(&d);
        const QRect rect = l->visualItemRect(l->item(1, 1));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.chosenIdentifier(), QString("key-1-1"));

        // Enter in the list is OK too.
        COnlineQueryResultsDlg e;
        e.setQuery(search.query(), nullptr);
        e.setFirstPage(search.query()(1));
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        list(&e)->selectRow(2);
        list(&e)->setFocus();
        QTest::keyClick(list(&e), Qt::Key_Return);
        QCOMPARE(e.result(), int(QDialog::Accepted));
        QCOMPARE(e.chosenIdentifier(), QString("key-1-2"));
    }

    void aFailedLaterPageLeavesAnEmptyList()
    {
        RecordingMessenger messages;
        FakeSearch search;
        search.failFrom2 = true;
        COnlineQueryResultsDlg d;
        d.setQuery(search.query(), nullptr);
        d.setFirstPage(search.query()(1));
        d.OnNextPage();
        QVERIFY(settle(d));
        QCOMPARE(list(&d)->rowCount(), 0);
        QCOMPARE(d.messageText(), QString("Failed to load book info from Open Library."));
        d.accept();
        QCOMPARE(messages.messages, QStringList{"Please select one item from the list."});
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }

    void firstPageDecidesWhetherTheWindowShows()
    {
        RecordingMessenger messages;
        {
            FakeSearch none;
            none.rowsPerPage = 0;
            COnlineQueryResultsDlg d;
            d.setQuery(none.query(), nullptr);
            QCOMPARE(d.exec(), int(QDialog::Rejected));
            QCOMPARE(none.pages, QVector<int>({1}));
            QVERIFY(!d.isVisible());
        }
        {
            FakeSearch one;
            one.rowsPerPage = 1;
            one.totalPages = 1;
            COnlineQueryResultsDlg d;
            d.setQuery(one.query(), nullptr);
            QCOMPARE(d.exec(), int(QDialog::Accepted));
            QCOMPARE(d.chosenIdentifier(), QString("key-1-0"));
            QCOMPARE(one.pages, QVector<int>({1}));
        }
        {
            FakeSearch many;
            COnlineQueryResultsDlg d;
            d.setQuery(many.query(), nullptr);
            bool shown = false;
            whenShown(&d, [&] {
                shown = true;
                d.reject();
            });
            QCOMPARE(d.exec(), int(QDialog::Rejected));
            QVERIFY(shown);
            QVERIFY(d.chosenIdentifier().isEmpty());
            QCOMPARE(d.queryCount(), 1);
        }
    }

    void closingDuringAQueryCancelsItAndWaits()
    {
        RecordingMessenger messages;
        FakeSearch search;
        QSemaphore gate;
        CCancelToken token;
        COnlineQueryResultsDlg d;
        d.setQuery(search.query(), &token);
        d.setFirstPage(search.query()(1));
        search.gate = &gate;
        d.OnLastPage();
        QVERIFY(d.isQueryRunning());
        // The query notices the token like a transfer would.
        QTimer::singleShot(50, [&] {
            QVERIFY(token.isCancelled());
            gate.release();
        });
        d.reject();
        QVERIFY(!d.isQueryRunning());
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QVERIFY(messages.messages.isEmpty());
    }
};

QTEST_MAIN(OnlineQueryResultsDlgTest)
#include "onlinequeryresultsdlg_test.moc"
