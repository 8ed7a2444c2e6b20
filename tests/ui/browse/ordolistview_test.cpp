#include "catalog/bookid.h"
#include "app/commandids.h"
#include "app/commandrouter.h"
#include "app/englishplurals.h"
#include "browse/booklistmodel.h"
#include "browse/ordolistview.h"
#include "catalog/booklistquery.h"
#include "catalog/clipboardformats.h"
#include "catalog/imagesfolder.h"
#include "catalog/ordodoc.h"
#include "catalog/recordset.h"
#include "catalog/sqlvalue.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QDate>
#include <QTest>
#include <algorithm>

namespace {

// A catalogue with six books: 1..3 in the user category 32, 1 also a
// favourite, 4 and 5 in no category, 6 in the Reading List.
struct ListFixture
{
    TestSettings settings;
    RecordingMessenger messenger;
    TestCatalog cat;
    COrdoDoc doc;
    COrdoListView view{&doc};

    ListFixture()
    {
        cat.exec("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Novels', 1)");
        cat.exec("INSERT INTO bookpublisher (PublisherID, Name) VALUES (3, 'Penguin')");
        addBook(1, "banana", "Zed", "3", "'1.jpg'", "'1b.jpg'");
        addBook(2, "apple", "Young", "NULL");
        addBook(3, "Banana", "Xavier", "77");
        addBook(4, "Cherry", "Adams", "3", "'4.jpg'", "'4b.jpg'");
        addBook(5, "date", "Brown", "NULL");
        addBook(6, "elder", "Cole", "NULL");
        for (int id : {1, 2, 3})
            member(id, 32);
        member(1, 2);
        member(6, 4);
        if (!doc.OnOpenDocument(cat.path()))
            qFatal("cannot open the test catalogue");
        view.resize(700, 300);
    }

    void addBook(BookId id, const QString &title, const QString &author, const QString &publisher,
                 const QString &front = "NULL", const QString &back = "NULL")
    {
        cat.exec(
            QStringLiteral("INSERT INTO book (BookID, Title, Author, PublisherID, ISBN, Edition, FrontCover, "
                           "BackCover) VALUES (%1, %2, %3, %4, 'isbn%1', 'ed%1', %5, %6)")
                .arg(id)
                .arg(FormatSqlValue(title, SqlText), FormatSqlValue(author, SqlText), publisher, front,
                     back));
    }
    void member(BookId bookId, CategoryId catId)
    {
        cat.exec(QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (%1, %2)")
                     .arg(bookId)
                     .arg(catId));
    }

    void show(CategoryId category)
    {
        doc.setCurrentCategory(category);
        view.LoadBooks();
    }

    QVector<BookId> shownIds() const
    {
        QVector<BookId> ids;
        const CBookListModel *model = view.bookListModel();
        for (int row = 0; row < model->rowCount(); ++row)
            ids << model->index(row, 0).data(Qt::UserRole).toLongLong();
        return ids;
    }

    void select(const QVector<int> &rows)
    {
        QItemSelection selection;
        for (int row : rows)
            selection.select(view.model()->index(row, 0), view.model()->index(row, 4));
        view.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    }

    int rowOf(BookId bookId) const { return int(shownIds().indexOf(bookId)); }
};

void showAndWait(QWidget &widget)
{
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
}

void clickHeader(COrdoListView &view, int column)
{
    QHeaderView *header = view.horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + 10, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

QString enabledCommands(const COrdoListView &view)
{
    const QList<QPair<int, const char *>> commands = {{Cmd::AddBook, "add"},
                                                      {Cmd::RemoveBook, "remove"},
                                                      {Cmd::EditBook, "edit"},
                                                      {Cmd::SendToFavorites, "fav"},
                                                      {Cmd::SendToReadingList, "read"},
                                                      {Cmd::SendToSearchResults, "search"},
                                                      {Cmd::Cut, "cut"},
                                                      {Cmd::Copy, "copy"},
                                                      {Cmd::Paste, "paste"},
                                                      {Cmd::SelectAll, "all"}};
    QStringList on;
    for (const auto &[id, name] : commands) {
        if (view.isCommandEnabled(id))
            on << QString::fromLatin1(name);
    }
    return on.join(' ');
}

// A pane that serves nothing, standing in for the tree.
class SilentPane : public ICommandTarget
{
public:
    bool servesCommand(int) const override { return false; }
    bool isCommandEnabled(int) const override { return false; }
    void runCommand(int) override {}
};

// The list with its drag start reachable, as a mouse drag would start it.
class DraggableList : public COrdoListView
{
public:
    using COrdoListView::COrdoListView;
    using COrdoListView::startDrag;
};

} // namespace

class OrdoListViewTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(InstallEnglishPlurals()); }
    void init() { QGuiApplication::clipboard()->clear(); }

    void construction_reportListWithTenColumns()
    {
        ListFixture f;
        COrdoListView &view = f.view;
        // Borrower and Due Date come after them, shown in the loan lists
        // only; Series and its number only when chosen.
        QCOMPARE(view.model()->columnCount(), 10);
        QCOMPARE(view.model()->headerData(CBookListModel::SeriesColumn, Qt::Horizontal).toString(), "Series");
        for (int column : {6, 7, 8, 9})
            QVERIFY(view.isColumnHidden(column));
        const QStringList headers = {"Title", "Author", "Publisher", "ISBN", "Edition", "Date Added"};
        const QList<int> widths = {240, 120, 100, 100, 100, 100};
        for (int column = 0; column < 6; ++column) {
            QCOMPARE(view.model()->headerData(column, Qt::Horizontal).toString(), headers.at(column));
            if (column != CBookListModel::IsbnColumn)
                QCOMPARE(view.columnWidth(column), widths.at(column));
        }
        // An ISBN-13 fits its column whole.
        QVERIFY(view.columnWidth(CBookListModel::IsbnColumn) >=
                view.fontMetrics().horizontalAdvance("9781234567897") + 8);

        // The last column fills the pane: no empty band beside the list.
        view.resize(1400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QHeaderView *header = view.horizontalHeader();
        QCOMPARE(header->sectionViewportPosition(5) + header->sectionSize(5), view.viewport()->width());
        QVERIFY(view.columnWidth(5) > 100);
        view.resize(900, 300);
        QTRY_COMPARE(header->sectionViewportPosition(5) + header->sectionSize(5), view.viewport()->width());
        QVERIFY(view.showGrid());
        QCOMPARE(view.selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(view.selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(view.editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(view.horizontalHeader()->sectionsClickable());
        QVERIFY(!view.horizontalHeader()->isSortIndicatorShown());

        const QPixmap strip = CBookListModel::imageStrip();
        QCOMPARE(strip.size(), QSize(32, 16));
        QVERIFY(strip.hasAlphaChannel());
        // Magenta is the colour key: the corners are see-through.
        QCOMPARE(strip.toImage().pixelColor(0, 0).alpha(), 0);
        QVERIFY(strip.toImage().pixelColor(8, 8).alpha() > 0);
    }

    // View > Series Columns reads the series with the rows and is remembered
    // for the next start; Sort by Series turns them on and orders the list
    // by series, then number.
    void seriesColumns_shownRememberedAndSorted()
    {
        ListFixture f;
        f.cat.exec("INSERT INTO bookseries (SeriesID, Name) VALUES (1, 'Лунный цикл')");
        f.cat.exec("UPDATE book SET SeriesID=1, SeriesNumber='10' WHERE BookID=1");
        f.cat.exec("UPDATE book SET SeriesID=1, SeriesNumber='2' WHERE BookID=5");
        f.show(5);
        QVERIFY(!f.view.isCommandChecked(Cmd::SeriesColumns));
        QVERIFY(f.view.isCommandEnabled(Cmd::SortBySeries));
        f.view.runCommand(Cmd::SeriesColumns);
        QVERIFY(f.view.isCommandChecked(Cmd::SeriesColumns));
        QVERIFY(!f.view.isColumnHidden(CBookListModel::SeriesColumn));
        const int row = f.rowOf(5);
        QCOMPARE(f.view.model()->index(row, CBookListModel::SeriesColumn).data().toString(), "Лунный цикл");
        QCOMPARE(f.view.model()->index(row, CBookListModel::SeriesNumberColumn).data().toString(), "2");
        {
            COrdoListView again(&f.doc);
            QVERIFY(again.seriesColumnsShown());
        }
        f.view.runCommand(Cmd::SeriesColumns);
        QVERIFY(f.view.isColumnHidden(CBookListModel::SeriesColumn));

        f.view.runCommand(Cmd::SortBySeries);
        QVERIFY(f.view.seriesColumnsShown());
        QCOMPARE(f.shownIds().mid(0, 2), (QVector<BookId>{5, 1}));
        QVERIFY(f.view.horizontalHeader()->isSortIndicatorShown());
        QCOMPARE(f.view.horizontalHeader()->sortIndicatorSection(), int(CBookListModel::SeriesColumn));
    }

    void loadBooks_allBooks_rowsCellsAndSignals()
    {
        ListFixture f;
        f.doc.setSelectedBooks({42});
        QSignalSpy page(&f.view, &COrdoListView::showBookPageRequested);
        QSignalSpy status(&f.view, &COrdoListView::statusTextChanged);
        f.show(5);
        QCOMPARE(page.count(), 1);
        QVERIFY(f.doc.selectedBooks().isEmpty());
        // The count is on its way with the rows, not a timer tick later.
        QVERIFY(!status.isEmpty());
        QCOMPARE(status.first().first().toString(), QStringLiteral("6 books; 0 selected"));
        // Ascending without regard to case; equal titles in the reverse of
        // the descending query's order.
        QCOMPARE(f.shownIds(), (QVector<BookId>{2, 1, 3, 4, 5, 6}));

        const QAbstractItemModel *model = f.view.model();
        const int row = f.rowOf(1);
        QCOMPARE(model->index(row, 0).data().toString(), QStringLiteral("banana"));
        QCOMPARE(model->index(row, 1).data().toString(), QStringLiteral("Zed"));
        QCOMPARE(model->index(row, 2).data().toString(), QStringLiteral("Penguin"));
        QCOMPARE(model->index(row, 3).data().toString(), QStringLiteral("isbn1"));
        QCOMPARE(model->index(row, 4).data().toString(), QStringLiteral("ed1"));
        QCOMPARE(model->index(f.rowOf(3), 2).data().toString(), QString()); // unknown publisher
        QCOMPARE(model->index(f.rowOf(2), 2).data().toString(), QString()); // none
        for (int column = 0; column < 5; ++column) {
            QCOMPARE(model->index(row, column).data(Qt::UserRole).toInt(), 1);
            QCOMPARE(model->index(row, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                     Qt::AlignLeft | Qt::AlignVCenter);
        }
        QVERIFY(!model->index(row, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
        QVERIFY(!model->index(row, 1).data(Qt::DecorationRole).isValid());
    }

    void loadBooks_byCategory_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<QVector<BookId>>("ids");
        QTest::newRow("recycle bin: books in no category") << 6 << QVector<BookId>{4, 5};
        QTest::newRow("user category") << 32 << QVector<BookId>{1, 2, 3};
        QTest::newRow("favorites") << 2 << QVector<BookId>{1};
        QTest::newRow("reading list") << 4 << QVector<BookId>{6};
        QTest::newRow("no category yet") << -1 << QVector<BookId>{};
    }
    void loadBooks_byCategory()
    {
        QFETCH(int, category);
        QFETCH(QVector<BookId>, ids);
        ListFixture f;
        f.show(category);
        // Shown: the descending query read backwards.
        QVector<BookId> expected;
        Recordset rs;
        QVERIFY(rs.open(f.cat.connection(), BookListSql(category)));
        for (; !rs.isEOF(); rs.moveNext())
            expected.prepend(rs.field(0).toInt());
        QCOMPARE(f.shownIds(), expected);
        std::sort(expected.begin(), expected.end());
        QCOMPARE(expected, ids);
    }

    void loadBooks_failingQuery_leavesListEmptyAndSelectionAlone()
    {
        ListFixture f;
        f.show(5);
        f.select({0});
        f.cat.exec("ALTER TABLE book RENAME COLUMN Edition TO Printing");
        QSignalSpy page(&f.view, &COrdoListView::showBookPageRequested);
        f.view.LoadBooks();
        QCOMPARE(f.view.model()->rowCount(), 0);
        QCOMPARE(page.count(), 0);
        QCOMPARE(f.doc.selectedBooks(), QVector<BookId>{2});
        QVERIFY(f.messenger.messages.isEmpty());
    }

    void selection_oneBookAtOnce_othersOnTheTick()
    {
        ListFixture f;
        f.show(5);
        QSignalSpy page(&f.view, &COrdoListView::showBookPageRequested);
        QSignalSpy status(&f.view, &COrdoListView::statusTextChanged);

        f.select({1});
        QCOMPARE(page.count(), 1); // at once
        QCOMPARE(f.doc.selectedBooks(), QVector<BookId>{1});
        QVERIFY(!f.view.isPageRefreshPending());

        f.select({3, 0, 2});
        QCOMPARE(page.count(), 1);                                // not yet
        QCOMPARE(f.doc.selectedBooks(), (QVector<BookId>{2, 3, 4})); // row order
        QVERIFY(f.view.isPageRefreshPending());
        QTRY_COMPARE(page.count(), 2);
        QVERIFY(!f.view.isPageRefreshPending());
        QCOMPARE(status.last().first().toString(), QStringLiteral("6 books; 3 selected"));

        f.select({});
        QVERIFY(f.doc.selectedBooks().isEmpty());
        QCOMPARE(page.count(), 2);
        QTRY_COMPARE(page.count(), 3);
        QCOMPARE(status.last().first().toString(), QStringLiteral("6 books; 0 selected"));
        QTest::qWait(3 * COrdoListView::kTickInterval);
        QCOMPARE(page.count(), 3); // once per change, not on every tick
    }

    void sort_clicksFollowTheUsersCollation()
    {
        ListFixture f;
        showAndWait(f.view);
        f.show(5);
        QCOMPARE(f.view.sortColumn(), 0);
        QVERIFY(!f.view.isSortAscending());
        f.select({f.rowOf(1), f.rowOf(5)}); // banana, date
        QCOMPARE(f.doc.selectedBooks(), (QVector<BookId>{1, 5}));
        const QVector<BookId> loaded = f.shownIds();
        // The load already orders by collation: case ignored, so "banana" and
        // "Banana" are equal and keep their order.
        QCOMPARE(loaded.first(), 2);
        QCOMPARE(loaded.mid(3), (QVector<BookId>{4, 5, 6}));

        clickHeader(f.view, 0);
        QVERIFY(f.view.isSortAscending());
        QCOMPARE(f.shownIds(), loaded);
        QCOMPARE(f.view.horizontalHeader()->sortIndicatorSection(), 0);
        QCOMPARE(f.view.horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        QVERIFY(f.view.horizontalHeader()->isSortIndicatorShown());

        clickHeader(f.view, 0);
        QCOMPARE(f.shownIds(), (QVector<BookId>{6, 5, 4, loaded.at(1), loaded.at(2), 2}));
        QCOMPARE(f.view.horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(f.doc.selectedBooks().size(), 2); // follow the rows
        QCOMPARE(f.doc.selectedBooks().first(), 5);
        QCOMPARE(f.view.selectedRowNumbers(), (QVector<int>{1, f.rowOf(1)}));

        clickHeader(f.view, 1); // another column: ascending
        QCOMPARE(f.shownIds(), (QVector<BookId>{4, 5, 6, 3, 2, 1}));
        QCOMPARE(f.view.horizontalHeader()->sortIndicatorSection(), 1);
        QCOMPARE(f.view.horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        QCOMPARE(f.doc.selectedBooks(), (QVector<BookId>{5, 1}));

        // A reload clears the mark but keeps the column and direction.
        f.view.LoadBooks();
        QVERIFY(!f.view.horizontalHeader()->isSortIndicatorShown());
        QCOMPARE(f.view.sortColumn(), 1);
        clickHeader(f.view, 1);
        QVERIFY(!f.view.isSortAscending());
        QCOMPARE(f.shownIds(), (QVector<BookId>{1, 2, 3, 6, 5, 4}));
    }

    void sort_firstTitleClickAfterLoad_changesNothingWithoutCaseDifferences()
    {
        ListFixture f;
        showAndWait(f.view);
        f.show(6);
        const QVector<BookId> loaded = f.shownIds();
        clickHeader(f.view, 0);
        QCOMPARE(f.shownIds(), loaded);
        clickHeader(f.view, 0);
        QCOMPARE(f.shownIds(), (QVector<BookId>{5, 4}));
    }

    void enableRules_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<QVector<int>>("selectedRows");
        QTest::addColumn<bool>("booksOnClipboard");
        QTest::addColumn<QString>("enabled");
        QTest::newRow("all books, none selected") << 5 << QVector<int>{} << true << "all";
        QTest::newRow("all books, one")
            << 5 << QVector<int>{0} << true << "remove edit fav read search copy all";
        QTest::newRow("all books, two")
            << 5 << QVector<int>{0, 1} << true << "remove fav read search copy all";
        QTest::newRow("recycle bin, one")
            << 6 << QVector<int>{0} << true << "remove edit fav read search copy all";
        QTest::newRow("user category, one")
            << 32 << QVector<int>{0} << true << "add remove edit fav read search cut copy paste all";
        QTest::newRow("user category, no clipboard")
            << 32 << QVector<int>{0} << false << "add remove edit fav read search cut copy all";
        QTest::newRow("favorites") << 2 << QVector<int>{0} << true
                                   << "remove edit read search cut copy paste all";
        QTest::newRow("reading list")
            << 4 << QVector<int>{0} << true << "remove edit fav search cut copy paste all";
        QTest::newRow("search results, empty") << 3 << QVector<int>{} << true << "paste";
        QTest::newRow("collection root, empty") << 1 << QVector<int>{} << true << "add paste";
        QTest::newRow("before any category") << -1 << QVector<int>{} << true << "";
    }
    void enableRules()
    {
        QFETCH(int, category);
        QFETCH(QVector<int>, selectedRows);
        QFETCH(bool, booksOnClipboard);
        QFETCH(QString, enabled);
        ListFixture f;
        f.show(category);
        f.select(selectedRows);
        auto *data = new QMimeData;
        if (booksOnClipboard)
            data->setData(kOrdoBookMime, EncodeBookPayload({1}));
        else
            data->setText("plain text");
        QGuiApplication::clipboard()->setMimeData(data);
        QCOMPARE(enabledCommands(f.view), enabled);
        for (int id :
             {Cmd::AddBook, Cmd::RemoveBook, Cmd::EditBook, Cmd::SendToFavorites, Cmd::SendToReadingList,
              Cmd::SendToSearchResults, Cmd::Cut, Cmd::Copy, Cmd::Paste, Cmd::SelectAll})
            QVERIFY(f.view.servesCommand(id));
        QVERIFY(!f.view.servesCommand(Cmd::AddSubCategory));
        QVERIFY(!f.view.servesCommand(Cmd::Print));
    }

    // Start Reading and Finished Reading log today on every selected book;
    // a reading under way is not started twice.
    void startAndFinishReading_onTheSelectedBooks()
    {
        ListFixture f;
        f.cat.exec("INSERT INTO reading (BookID, ReadingID, Started, Completed) VALUES (3, 1, '2025-01-02', 0)");
        f.show(32);
        QVERIFY(!f.view.isCommandEnabled(Cmd::StartReading));
        f.select({f.rowOf(3), f.rowOf(2)});
        QVERIFY(f.view.isCommandEnabled(Cmd::StartReading) && f.view.isCommandEnabled(Cmd::FinishReading));
        QSignalSpy page(&f.view, &COrdoListView::showBookPageRequested);
        f.view.runCommand(Cmd::StartReading);
        QCOMPARE(page.count(), 1);
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        QCOMPARE(f.cat.scalar("SELECT group_concat(BookID || ':' || Started, ' ') FROM (SELECT * FROM reading "
                              "ORDER BY BookID)"),
                 "2:" + today + " 3:2025-01-02");
        f.view.runCommand(Cmd::FinishReading);
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM reading WHERE Completed = 1 AND Finished = '" + today + "'"), 2);
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM reading WHERE BookID = 1"), 0);
    }

    void copyAndPaste_carryTheSelectedBooks()
    {
        ListFixture f;
        f.show(32);
        f.select({f.rowOf(3), f.rowOf(2)});
        QCOMPARE(f.view.selectedRowCount(), 2);
        f.view.runCommand(Cmd::Copy);
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data && data->hasFormat(kOrdoBookMime));
        QVector<BookId> ids;
        QVERIFY(DecodeBookPayload(data->data(kOrdoBookMime), ids));
        QCOMPARE(ids, f.doc.selectedBooks());

        QVERIFY(f.view.isCommandEnabled(Cmd::Paste));
        // The frame connects the tree directly: the data is read during the call.
        QVector<BookId> pasted;
        int pastes = 0;
        connect(&f.view, &COrdoListView::pasteRequested, this, [&](const QMimeData *data) {
            ++pastes;
            QVERIFY(data && DecodeBookPayload(data->data(kOrdoBookMime), pasted));
        });
        f.view.runCommand(Cmd::Paste);
        QCOMPARE(pastes, 1);
        QCOMPARE(pasted, f.doc.selectedBooks());
        QCOMPARE(f.shownIds().size(), 3); // the list itself changes nothing
    }

    void cut_copiesThenRemovesFromCategory()
    {
        ListFixture f;
        f.show(32);
        f.select({f.rowOf(1)});
        f.view.runCommand(Cmd::Cut);
        QVector<BookId> ids;
        QVERIFY(DecodeBookPayload(QGuiApplication::clipboard()->mimeData()->data(kOrdoBookMime), ids));
        QCOMPARE(ids, QVector<BookId>{1});
        QCOMPARE(f.shownIds(), (QVector<BookId>{2, 3}));
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book_category WHERE BookID=1"), 1); // still a favourite
        QVERIFY(f.messenger.questions.isEmpty());                                      // Cut does not ask
    }

    // Book 2^32 + 1 cut to 32 bits is book 1: the list, the selection, the
    // clipboard and the commands must keep it apart.
    void wideBookId_isListedSelectedCopiedAndRemovedAsItself()
    {
        ListFixture f;
        const BookId wide = 4294967297LL;
        const CategoryId far = 4294967300LL;
        f.addBook(wide, "wide", "Wade", "NULL");
        f.cat.exec(QString("INSERT INTO category (CatID, Name, ParentID) VALUES (%1, 'Far', 1)").arg(far));
        f.member(1, far);
        f.member(wide, far);

        f.show(far);
        QVector<BookId> shown = f.shownIds();
        std::sort(shown.begin(), shown.end());
        QCOMPARE(shown, (QVector<BookId>{1, wide}));
        QCOMPARE(f.view.bookListModel()->index(f.rowOf(wide), 0).data().toString(), QString("wide"));

        f.select({f.rowOf(wide)});
        QCOMPARE(f.doc.selectedBooks(), QVector<BookId>{wide});
        QSignalSpy edit(&f.view, &COrdoListView::editBookRequested);
        f.view.runCommand(Cmd::EditBook);
        QCOMPARE(edit.count(), 1);
        QCOMPARE(edit.first().at(0).value<BookId>(), wide);

        f.view.runCommand(Cmd::Copy);
        QVector<BookId> copied;
        QVERIFY(DecodeBookPayload(QGuiApplication::clipboard()->mimeData()->data(kOrdoBookMime), copied));
        QCOMPARE(copied, QVector<BookId>{wide});

        f.view.runCommand(Cmd::SendToFavorites);
        QCOMPARE(f.cat.count(QString("SELECT COUNT(*) FROM book_category WHERE BookID=%1 AND CatID=2").arg(wide)), 1);
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book_category WHERE BookID=1 AND CatID=2"), 1); // as before

        f.messenger.answer = true;
        f.view.runCommand(Cmd::RemoveBook);
        QCOMPARE(f.shownIds(), QVector<BookId>{1});
        QCOMPARE(f.cat.count(QString("SELECT COUNT(*) FROM book_category WHERE CatID=%1").arg(far)), 1);

        // Out of every category, then deleted for good: book 1 stays.
        f.cat.exec(QString("DELETE FROM book_category WHERE BookID=%1").arg(wide));
        f.show(6);
        QVERIFY(f.shownIds().contains(wide));
        f.select({f.rowOf(wide)});
        f.view.runCommand(Cmd::RemoveBook);
        QVERIFY(!f.shownIds().contains(wide));
        QCOMPARE(f.cat.count(QString("SELECT COUNT(*) FROM book WHERE BookID=%1").arg(wide)), 0);
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book WHERE BookID=1"), 1);
    }

    void removeBook_allBooksThenRecycleBin()
    {
        ListFixture f;
        const QString images = ImagesFolder();
        for (const char *name : {"/1.jpg", "/1b.jpg", "/4.jpg", "/4b.jpg"}) {
            QFile file(images + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }

        f.show(5);
        f.select({f.rowOf(1)});
        f.messenger.answer = false;
        f.view.runCommand(Cmd::RemoveBook);
        QCOMPARE(f.messenger.questions,
                 QStringList{"Are you sure you want to remove the selected book(s) from this category?"});
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book_category WHERE BookID=1"), 2);

        f.messenger.answer = true;
        f.view.runCommand(Cmd::RemoveBook);
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book_category WHERE BookID=1"), 0);
        QCOMPARE(f.shownIds().size(), 6); // All Books still lists it

        f.show(6);
        QCOMPARE(f.shownIds(), (QVector<BookId>{1, 4, 5}));
        f.select({f.rowOf(1)});
        f.messenger.clear();
        f.view.runCommand(Cmd::RemoveBook);
        QCOMPARE(f.messenger.questions,
                 QStringList{"Are you sure you want to permanently delete the selected book(s)?"});
        QCOMPARE(f.shownIds(), (QVector<BookId>{4, 5}));
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book WHERE BookID=1"), 0);
        QVERIFY(!QFile::exists(images + "/1.jpg"));
        QVERIFY(!QFile::exists(images + "/1b.jpg"));
        QVERIFY(QFile::exists(images + "/4.jpg"));
        QVERIFY(f.doc.selectedBooks().isEmpty());
        QVERIFY(f.messenger.messages.isEmpty());
    }

    void editBook_takesTheFirstSelectedBook()
    {
        ListFixture f;
        showAndWait(f.view);
        f.show(5);
        QSignalSpy edit(&f.view, &COrdoListView::editBookRequested);

        f.select({2});
        f.view.runCommand(Cmd::EditBook);
        QCOMPARE(edit.count(), 1);
        QCOMPARE(edit.last(), (QList<QVariant>{3, 2}));

        // Several selected: the command is off and Enter, its key, does
        // nothing; a double click still edits the first selected book.
        f.select({4, 1, 3});
        QVERIFY(!f.view.isCommandEnabled(Cmd::EditBook));
        f.view.setFocus();
        QTest::keyClick(&f.view, Qt::Key_Return);
        QTest::keyClick(&f.view, Qt::Key_Enter);
        QCOMPARE(edit.count(), 1);

        // Exactly one selected: Enter edits it.
        f.select({4});
        QTest::keyClick(&f.view, Qt::Key_Return);
        QCOMPARE(edit.count(), 2);
        QCOMPARE(edit.last(), (QList<QVariant>{f.shownIds().at(4), 4}));

        f.select({1});
        f.view.setCurrentIndex(f.view.model()->index(1, 0));
        const QPoint onRow3 = f.view.visualRect(f.view.model()->index(3, 1)).center();
        QTest::mouseDClick(f.view.viewport(), Qt::LeftButton, Qt::ShiftModifier, onRow3);
        QCOMPARE(f.view.selectedRowCount(), 3);
        QCOMPARE(edit.last(), (QList<QVariant>{1, 1}));

        // Nothing selected: Enter does nothing.
        const int before = int(edit.count());
        f.select({});
        QTest::keyClick(&f.view, Qt::Key_Enter);
        QCOMPARE(edit.count(), before);
    }

    void addBook_onlyWhereBooksCanBeAdded()
    {
        ListFixture f;
        f.show(32);
        QSignalSpy add(&f.view, &COrdoListView::addBookRequested);
        QVERIFY(f.view.isCommandEnabled(Cmd::AddBook));
        f.view.runCommand(Cmd::AddBook);
        QCOMPARE(add.count(), 1);
    }

    void sendTo_quietAndWithoutReload()
    {
        ListFixture f;
        f.show(2);
        f.select({0});
        QVERIFY(!f.view.isCommandEnabled(Cmd::SendToFavorites));

        f.show(32);
        f.select({0, 1, 2});
        QSignalSpy page(&f.view, &COrdoListView::showBookPageRequested);
        f.view.runCommand(Cmd::SendToFavorites); // book 1 already is one
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book_category WHERE CatID=2"), 3);
        QVERIFY(f.messenger.messages.isEmpty());
        QCOMPARE(f.view.selectedRowCount(), 3); // no reload
        QCOMPARE(page.count(), 0);
        f.view.runCommand(Cmd::SendToReadingList);
        f.view.runCommand(Cmd::SendToSearchResults);
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book_category WHERE CatID=4"), 4);
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book_category WHERE CatID=3"), 3);
        QVERIFY(f.messenger.messages.isEmpty());
    }

    void selectAll_selectsEveryRow()
    {
        ListFixture f;
        f.show(5);
        f.view.runCommand(Cmd::SelectAll);
        QCOMPARE(f.doc.selectedBooks(), (QVector<BookId>{2, 1, 3, 4, 5, 6}));
        QTRY_COMPARE(f.view.statusText(), QStringLiteral("6 books; 6 selected"));
    }

    void drag_copyOnlyOutOfAllBooksAndRecycleBin_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("actions");
        QTest::newRow("all books") << 5 << int(Qt::CopyAction);
        QTest::newRow("recycle bin") << 6 << int(Qt::CopyAction);
        QTest::newRow("user category") << 32 << int(Qt::CopyAction | Qt::MoveAction);
        QTest::newRow("favorites") << 2 << int(Qt::CopyAction | Qt::MoveAction);
    }
    void drag_copyOnlyOutOfAllBooksAndRecycleBin()
    {
        QFETCH(int, category);
        QFETCH(int, actions);
        ListFixture f;
        f.show(category);
        QCOMPARE(int(f.view.allowedDragActions()), actions);
    }

    void drag_endings()
    {
        ListFixture f;
        // A move out of a category takes the books out of it.
        f.show(32);
        f.select({f.rowOf(1), f.rowOf(3)});
        f.view.finishDrag(Qt::MoveAction, 32, f.doc.selectedBooks());
        QCOMPARE(f.shownIds(), QVector<BookId>{2});
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book_category WHERE BookID=1"), 1);

        // A copy leaves them.
        f.select({0});
        f.view.finishDrag(Qt::CopyAction, 32, f.doc.selectedBooks());
        QCOMPARE(f.shownIds(), QVector<BookId>{2});

        // Out of the Recycle Bin a copy gives the books a category: reload.
        f.show(6);
        QCOMPARE(f.shownIds(), (QVector<BookId>{3, 4, 5}));
        f.select({f.rowOf(4)});
        f.member(4, 32); // what the drop did
        f.view.finishDrag(Qt::CopyAction, 6, f.doc.selectedBooks());
        QCOMPARE(f.shownIds(), (QVector<BookId>{3, 5}));

        // All Books never loses memberships to a drag, whatever the target says.
        f.show(5);
        f.select({f.rowOf(2)});
        f.view.finishDrag(Qt::MoveAction, 5, f.doc.selectedBooks());
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book_category WHERE BookID=2"), 1);
    }

    // Dropping books on the Recycle Bin runs Remove Book during the drag; the
    // drag's end must leave the books to the user's answer.
    void drag_ontoRecycleBin_followsTheRemoveAnswer_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("remaining");
        QTest::newRow("No keeps the books") << false << 3;
        QTest::newRow("Yes removes them once") << true << 1;
    }
    void drag_ontoRecycleBin_followsTheRemoveAnswer()
    {
        QFETCH(bool, answer);
        QFETCH(int, remaining);
        ListFixture f;
        DraggableList list(&f.doc);
        f.doc.setCurrentCategory(32);
        list.LoadBooks();
        QItemSelection selection;
        selection.select(list.model()->index(0, 0), list.model()->index(1, 4));
        list.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
        QCOMPARE(f.doc.selectedBooks().size(), 2);

        f.messenger.answer = answer;
        int drops = 0;
        list.setDragRunner([&](QDrag &, Qt::DropActions allowed, Qt::DropAction) {
            ++drops;
            list.OnRemoveBook(); // what the tree runs for a drop on the Recycle Bin
            return allowed.testFlag(Qt::MoveAction) ? Qt::MoveAction : Qt::CopyAction;
        });
        list.startDrag(Qt::CopyAction | Qt::MoveAction);
        QCOMPARE(drops, 1);
        QCOMPARE(f.messenger.questions.size(), 1);
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book_category WHERE CatID=32"), remaining);
        QVERIFY(f.messenger.messages.isEmpty());

        // A later drag onto a category is a plain move again.
        f.messenger.clear();
        list.selectionModel()->select(list.model()->index(0, 0),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        list.setDragRunner([](QDrag &, Qt::DropActions, Qt::DropAction) { return Qt::MoveAction; });
        list.startDrag(Qt::CopyAction | Qt::MoveAction);
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book_category WHERE CatID=32"), remaining - 1);
    }

    void contextMenu_popupListAtMouseOrTopLeft()
    {
        ListFixture f;
        showAndWait(f.view);
        QSignalSpy popup(&f.view, &COrdoListView::contextMenuRequested);

        QContextMenuEvent fromKeyboard(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                       f.view.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&f.view, &fromKeyboard);
        QCOMPARE(popup.count(), 1);
        QCOMPARE(popup.last().at(0).toString(), QStringLiteral("List"));
        QCOMPARE(popup.last().at(1).toPoint(), f.view.mapToGlobal(QPoint(0, 0)));

        const QPoint global = f.view.viewport()->mapToGlobal(QPoint(40, 30));
        QContextMenuEvent fromMouse(QContextMenuEvent::Mouse, QPoint(40, 30), global);
        QApplication::sendEvent(f.view.viewport(), &fromMouse);
        QCOMPARE(popup.count(), 2);
        QCOMPARE(popup.last().at(1).toPoint(), global);
    }

    // The tree does not serve the book commands, so with the tree focused
    // the router hands Delete, Insert and Enter to the list.
    void routing_bookCommandsReachTheListFromAnotherPane()
    {
        ListFixture f;
        QWidget window;
        auto *tree = new QLineEdit(&window);
        f.view.setParent(&window);
        const auto giveBack = qScopeGuard([&] { f.view.setParent(nullptr); });
        f.view.move(0, 40);
        SilentPane treeTarget;
        CommandRouter router;
        router.setPanes({{tree, &treeTarget}, {&f.view, &f.view}});
        showAndWait(window);
        f.show(32);
        f.select({f.rowOf(2), f.rowOf(3)});
        tree->setFocus();
        QTRY_COMPARE(router.activePaneWidget(), static_cast<QWidget *>(tree));

        QCOMPARE(router.targetFor(Cmd::RemoveBook), static_cast<ICommandTarget *>(&f.view));
        QCOMPARE(router.targetFor(Cmd::AddBook), static_cast<ICommandTarget *>(&f.view));
        QVERIFY(router.isEnabled(Cmd::RemoveBook));
        QVERIFY(router.run(Cmd::RemoveBook));
        QCOMPARE(f.messenger.questions,
                 QStringList{"Are you sure you want to remove the selected book(s) from this category?"});
        QCOMPARE(f.shownIds(), QVector<BookId>{1});
        QVERIFY(!router.isEnabled(Cmd::EditBook));
    }

    // The frame's Delete and Enter shortcuts still fire while the list has
    // the focus: the list must not take those keys for itself.
    void focusedList_leavesTheFrameShortcutsAlone()
    {
        ListFixture f;
        QWidget window;
        f.view.setParent(&window);
        const auto giveBack = qScopeGuard([&] { f.view.setParent(nullptr); });
        int deletes = 0;
        int enters = 0;
        QAction remove(&window);
        remove.setShortcut(Qt::Key_Delete);
        connect(&remove, &QAction::triggered, this, [&] { ++deletes; });
        QAction edit(&window);
        edit.setShortcut(Qt::Key_Return);
        connect(&edit, &QAction::triggered, this, [&] { ++enters; });
        window.addAction(&remove);
        window.addAction(&edit);
        showAndWait(window);
        f.show(5);
        f.select({0});
        f.view.setFocus();
        QTRY_VERIFY(f.view.hasFocus());
        QSignalSpy editSignal(&f.view, &COrdoListView::editBookRequested);
        QTest::keyClick(&f.view, Qt::Key_Delete);
        QTest::keyClick(&f.view, Qt::Key_Return);
        QCOMPARE(deletes, 1);
        QCOMPARE(enters, 1);
        QCOMPARE(editSignal.count(), 0); // the shortcut had it, not the list
    }

    void reloadAndSelectRow_afterAnEdit()
    {
        ListFixture f;
        f.show(5);
        QSignalSpy page(&f.view, &COrdoListView::showBookPageRequested);
        QSignalSpy reset(f.view.model(), &QAbstractItemModel::modelReset);
        // The edit changed the book's texts: only its row is read again, in
        // place, without a reload of the category.
        f.cat.exec("UPDATE book SET Title = 'Черешня', Author = '李白', PublisherID = 3 WHERE BookID = 4");
        f.view.ReloadAndSelectRow(3);
        QCOMPARE(f.doc.selectedBooks(), QVector<BookId>{4});
        QCOMPARE(f.view.currentIndex().row(), 3);
        QCOMPARE(page.count(), 1); // the edited book
        QCOMPARE(reset.count(), 0);
        QCOMPARE(f.view.model()->index(3, 0).data().toString(), QString("Черешня"));
        QCOMPARE(f.view.model()->index(3, 1).data().toString(), QString("李白"));
        QCOMPARE(f.view.model()->index(3, 2).data().toString(), QString("Penguin"));
        // Selected already: the page is still asked for.
        f.view.ReloadAndSelectRow(3);
        QCOMPARE(page.count(), 2);
        // A row that is not there: the whole category is read again.
        f.view.ReloadAndSelectRow(99);
        QCOMPARE(reset.count(), 1);
        // The last row, clamped: the Cyrillic title now sorts after the Latin ones.
        QCOMPARE(f.doc.selectedBooks(), QVector<BookId>{4});
    }
};

QTEST_MAIN(OrdoListViewTest)
#include "ordolistview_test.moc"
