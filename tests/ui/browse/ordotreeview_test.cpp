#include "catalog/bookid.h"
#include "app/commandids.h"
#include "app/englishplurals.h"
#include "browse/ordotreeview.h"
#include "browse/treeimages.h"
#include "catalog/clipboardformats.h"
#include "catalog/ordodoc.h"
#include "catalog/recordset.h"
#include "catalog/sqlvalue.h"
#include "edit/categoryproperties.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <limits>
#include <memory>

namespace {

// A catalogue opened by a document, with the tree over it. Everything runs on
// the document's own connection, so temporary triggers see the tree's SQL.
struct Fixture
{
    TestCatalog catalog;
    RecordingMessenger messages;
    COrdoDoc doc;
    std::unique_ptr<COrdoTreeView> tree;

    Fixture()
    {
        if (!doc.OnOpenDocument(catalog.path()))
            qFatal("cannot open the test catalogue");
        tree = std::make_unique<COrdoTreeView>(&doc);
        messages.clear();
    }

    void exec(const QString &sql)
    {
        DbError error;
        if (!doc.connection()->execute(sql, nullptr, &error))
            qFatal("SQL failed: %s\n%s", qPrintable(sql), qPrintable(error.message));
    }
    QString scalar(const QString &sql)
    {
        Recordset rs;
        if (!rs.open(*doc.connection(), sql))
            qFatal("SQL failed: %s", qPrintable(sql));
        return rs.isEOF() ? QString() : FieldToText(rs.field(0));
    }
    int count(const QString &sql) { return scalar(sql).toInt(); }
    void addCategory(CategoryId catId, const QString &name, CategoryId parentId)
    {
        exec(QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (%1, %2, %3)")
                 .arg(QString::number(catId), FormatSqlValue(name, SqlText), QString::number(parentId)));
    }
    void addBook(BookId bookId)
    {
        exec(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (%1, 'B')").arg(bookId));
    }
    void addMember(BookId bookId, CategoryId catId)
    {
        exec(QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (%1, %2)")
                 .arg(bookId)
                 .arg(catId));
    }
    // root(1) > A(32) > B(33) > C(34), root > D(35)
    void buildChain()
    {
        addCategory(32, "A", 1);
        addCategory(33, "B", 32);
        addCategory(34, "C", 33);
        addCategory(35, "D", 1);
        tree->FillTree();
    }

    QTreeWidgetItem *item(int catId) const
    {
        if (catId == 1)
            return tree->topLevelItem(0);
        return tree->FindItemByCatID(catId);
    }
    void select(int catId) { tree->setCurrentItem(item(catId)); }
    static QStringList texts(const QTreeWidgetItem *parent)
    {
        QStringList out;
        for (int i = 0; i < parent->childCount(); ++i)
            out << parent->child(i)->text(0);
        return out;
    }
    static QList<int> values(const QTreeWidgetItem *parent)
    {
        QList<int> out;
        for (int i = 0; i < parent->childCount(); ++i)
            out << COrdoTreeView::catIdOf(parent->child(i));
        return out;
    }
    int itemCount() const
    {
        int n = 0;
        for (QTreeWidgetItemIterator it(tree.get()); *it; ++it)
            ++n;
        return n;
    }
};

// Runs the real sheet without blocking: types into its controls and presses
// OK (or Cancel); remembers what the sheet showed.
struct SheetDriver
{
    explicit SheetDriver(const QString &typedName = QString(), const QString &typedNotes = QString())
        : name(typedName), notes(typedNotes)
    {
    }

    QString name;
    QString notes;
    bool typeName = true;
    bool pressOk = true;
    QString shownName, shownNotes, shownContains, shownDate, caption;
    int runs = 0;

    COrdoTreeView::SheetRunner runner()
    {
        return [this](CCategoryProperties &sheet) {
            ++runs;
            sheet.show();
            auto *editName = sheet.findChild<QLineEdit *>("editName");
            auto *editNotes = sheet.findChild<QPlainTextEdit *>("editNotes");
            caption = sheet.windowTitle();
            shownName = editName->text();
            shownNotes = editNotes->toPlainText();
            shownContains = sheet.findChild<QLineEdit *>("editContains")->text();
            shownDate = sheet.findChild<QLineEdit *>("editLastUpdated")->text();
            if (typeName) {
                editName->setText(name);
                editNotes->setPlainText(notes);
            }
            const bool ok = pressOk && sheet.PressOk();
            sheet.hide();
            return ok;
        };
    }
};

QMimeData *booksData(const QVector<BookId> &ids)
{
    auto *data = new QMimeData;
    data->setData(kOrdoBookMime, EncodeBookPayload(ids));
    return data;
}

QMimeData *categoryData(CategoryId catId)
{
    auto *data = new QMimeData;
    data->setData(kOrdoCategoryMime, EncodeCategoryPayload(catId));
    return data;
}

const QString kSourceMissing = QStringLiteral("Cannot paste: source category does not exist.");
const QString kBadDestination = QStringLiteral("Cannot paste: destination cannot be the source category "
                                               "itself, its parent category, or its sub categories.");

} // namespace

class OrdoTreeViewTest : public QObject
{
    Q_OBJECT

private slots:
    // The category sheet and messages count in English forms ("1 book").
    void initTestCase() { QVERIFY(InstallEnglishPlurals()); }

    void init() { QGuiApplication::clipboard()->clear(); }

    // ------------------------------------------------------------ filling

    void fillShowsRootAndFixedEntries()
    {
        Fixture f;
        QSignalSpy selected(f.tree.get(), &COrdoTreeView::categorySelected);
        f.tree->FillTree();

        QCOMPARE(f.tree->topLevelItemCount(), 8);
        const QTreeWidgetItem *top = f.tree->invisibleRootItem();
        QCOMPARE(Fixture::texts(top),
                 QStringList({"Book Collection", "Favorites", "Reading List", "Search Results", "All Books",
                              "Recycle Bin", "On Loan", "Borrowed"}));
        QCOMPARE(Fixture::values(top), QList<int>({1, 2, 4, 3, 5, 6, 7, 8}));
        const QList<int> images{TreeImages::RootCollection, TreeImages::Favorites, TreeImages::ReadingList,
                                TreeImages::SearchResults,  TreeImages::AllBooks,  TreeImages::RecycleBin,
                                TreeImages::OnLoan,         TreeImages::Borrowed};
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(top->child(i)->data(0, COrdoTreeView::ImageRole).toInt(), images[i]);
            QCOMPARE(top->child(i)->data(0, COrdoTreeView::SelectedImageRole).toInt(), images[i]);
        }

        QTreeWidgetItem *root = f.tree->topLevelItem(0);
        QCOMPARE(f.tree->currentItem(), root);
        QVERIFY(root->isSelected());
        QVERIFY(root->isExpanded());
        QVERIFY(root->font(0).bold());
        QCOMPARE(root->childCount(), 0);
        QCOMPARE(f.doc.currentCategory(), 1);
        QCOMPARE(selected.count(), 1);
        for (int value = 2; value <= 8; ++value)
            QCOMPARE(COrdoTreeView::catIdOf(f.tree->fixedEntry(value)), value);
    }

    void fillHidesSpecialRowsAndWhatIsUnderThem()
    {
        Fixture f;
        f.addCategory(32, "Visible", 1);
        f.exec("UPDATE category SET ParentID=32 WHERE CatID=3"); // Search Results nested deeper
        f.addCategory(40, "under Search Results", 3);
        f.addCategory(41, "under Favorites", 2);
        f.addCategory(42, "under Reading List", 4);
        f.addCategory(43, "deeper still", 41);
        f.tree->FillTree();

        QCOMPARE(f.itemCount(), 1 + 1 + 7);
        QCOMPARE(Fixture::texts(f.tree->topLevelItem(0)), QStringList{"Visible"});
        QCOMPARE(f.item(32)->childCount(), 0);
        for (int hidden : {40, 41, 42, 43})
            QCOMPARE(f.tree->FindItemByCatID(hidden), nullptr);
    }

    void fillSortsSiblingsWithoutRegardToCase()
    {
        Fixture f;
        f.addCategory(32, "banana", 1);
        f.addCategory(33, "Apple", 1);
        f.addCategory(34, "cherry", 1);
        f.addCategory(35, "apricot", 1);
        f.addCategory(36, "zeta", 33);
        f.addCategory(37, "Alpha", 33);
        f.addCategory(38, "", 33); // NULL name shows empty, sorts first
        f.exec("UPDATE category SET Name=NULL WHERE CatID=38");
        f.tree->FillTree();

        QCOMPARE(Fixture::texts(f.tree->topLevelItem(0)),
                 QStringList({"Apple", "apricot", "banana", "cherry"}));
        QCOMPARE(Fixture::texts(f.item(33)), QStringList({"", "Alpha", "zeta"}));
        QCOMPARE(f.item(36)->data(0, COrdoTreeView::ImageRole).toInt(), int(TreeImages::Category));
        QCOMPARE(f.item(36)->data(0, COrdoTreeView::SelectedImageRole).toInt(),
                 int(TreeImages::CategorySelected));

        // A second fill gives the same tree, with the root selected again.
        f.select(36);
        f.tree->FillTree();
        QCOMPARE(f.itemCount(), 1 + 7 + 7);
        QCOMPARE(f.doc.currentCategory(), 1);
    }

    void fillWithoutCategoriesStillListsFixedEntries()
    {
        Fixture f;
        f.exec("ALTER TABLE category RENAME TO category_gone");
        f.tree->FillTree();
        QCOMPARE(f.tree->topLevelItemCount(), 7);
        QCOMPARE(f.doc.currentCategory(), 2);
        QCOMPARE(f.tree->topLevelItem(0)->data(0, COrdoTreeView::ImageRole).toInt(),
                 int(TreeImages::Favorites));
    }

    void selectionMovesBoldAndCurrentCategory()
    {
        Fixture f;
        f.buildChain();
        QSignalSpy selected(f.tree.get(), &COrdoTreeView::categorySelected);
        f.tree->SelectFixedEntry(3);
        QCOMPARE(f.doc.currentCategory(), 3);
        QCOMPARE(selected.count(), 1);
        QVERIFY(f.tree->fixedEntry(3)->font(0).bold());
        QVERIFY(!f.item(1)->font(0).bold());

        f.select(34);
        QCOMPARE(f.doc.currentCategory(), 34);
        QVERIFY(!f.tree->fixedEntry(3)->font(0).bold());
        QCOMPARE(selected.count(), 2);
    }

    void findItemAndCopySubtree()
    {
        Fixture f;
        f.buildChain();
        QCOMPARE(f.tree->FindItemByCatID(34)->text(0), QStringLiteral("C"));
        QCOMPARE(f.tree->FindItemByCatID(1), nullptr); // the root collection is never found
        QCOMPARE(f.tree->FindItemByCatID(99), nullptr);

        f.select(32); // bold
        QTreeWidgetItem *copy = f.tree->CopySubtree(f.item(32), f.item(35));
        QCOMPARE(copy->parent(), f.item(35));
        QCOMPARE(copy->text(0), QStringLiteral("A"));
        QVERIFY(!copy->font(0).bold());
        QCOMPARE(Fixture::texts(copy), QStringList{"B"});
        QCOMPARE(COrdoTreeView::catIdOf(copy->child(0)->child(0)), 34);
        QCOMPARE(copy->child(0)->data(0, COrdoTreeView::ImageRole).toInt(), int(TreeImages::Category));
    }

    // ------------------------------------------------------------ commands

    void commandsAreEnabledByCategoryKind_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("editable"); // Add Sub Category, Edit Category
        QTest::addColumn<bool>("user");     // Remove Category, Cut
        QTest::newRow("root") << 1 << true << false;
        QTest::newRow("Favorites") << 2 << false << false;
        QTest::newRow("Search Results") << 3 << false << false;
        QTest::newRow("Reading List") << 4 << false << false;
        QTest::newRow("All Books") << 5 << false << false;
        QTest::newRow("Recycle Bin") << 6 << false << false;
        QTest::newRow("user category") << 32 << true << true;
    }
    void commandsAreEnabledByCategoryKind()
    {
        QFETCH(int, value);
        QFETCH(bool, editable);
        QFETCH(bool, user);
        Fixture f;
        f.addCategory(32, "Mine", 1);
        f.tree->FillTree();
        value<2 || value> 6 ? f.select(value) : f.tree->SelectFixedEntry(value);
        QCOMPARE(f.doc.currentCategory(), value);
        QCOMPARE(f.tree->isCommandEnabled(Cmd::AddSubCategory), editable);
        QCOMPARE(f.tree->isCommandEnabled(Cmd::EditCategory), editable);
        QCOMPARE(f.tree->isCommandEnabled(Cmd::RemoveCategory), user);
        QCOMPARE(f.tree->isCommandEnabled(Cmd::Cut), user);
        QVERIFY(!f.tree->isCommandEnabled(Cmd::Paste)); // empty clipboard

        QGuiApplication::clipboard()->setMimeData(categoryData(32));
        QCOMPARE(f.tree->isCommandEnabled(Cmd::Paste), editable);
        QGuiApplication::clipboard()->setMimeData(booksData({1}));
        QCOMPARE(f.tree->isCommandEnabled(Cmd::Paste), value != 5 && value != 6);

        QVERIFY(f.tree->servesCommand(Cmd::Paste));
        QVERIFY(!f.tree->servesCommand(Cmd::Copy));
        QVERIFY(!f.tree->servesCommand(Cmd::RemoveBook));
    }

    void addSubCategoryTakesTheNextFreeId_data()
    {
        QTest::addColumn<int>("highest");
        QTest::addColumn<int>("expected");
        QTest::newRow("only fixed rows") << 4 << 32;
        QTest::newRow("just below the user range") << 30 << 32;
        QTest::newRow("reserved id 31 taken") << 31 << 32;
        QTest::newRow("user categories exist") << 40 << 41;
    }
    void addSubCategoryTakesTheNextFreeId()
    {
        QFETCH(int, highest);
        QFETCH(int, expected);
        Fixture f;
        if (highest > 4)
            f.addCategory(highest, "Existing", 1);
        f.tree->FillTree();
        SheetDriver sheet{"  New one ", " some notes\n"};
        f.tree->setSheetRunner(sheet.runner());

        f.tree->runCommand(Cmd::AddSubCategory);
        QCOMPARE(sheet.caption, QStringLiteral("Add New Category"));
        QCOMPARE(f.scalar(QString("SELECT Name FROM category WHERE CatID=%1").arg(expected)),
                 QStringLiteral("New one"));
        QCOMPARE(f.count(QString("SELECT ParentID FROM category WHERE CatID=%1").arg(expected)), 1);
        QCOMPARE(f.scalar(QString("SELECT Notes FROM category WHERE CatID=%1").arg(expected)),
                 QStringLiteral("some notes"));
        QTreeWidgetItem *added = f.tree->FindItemByCatID(expected);
        QVERIFY(added);
        QCOMPARE(added->text(0), QStringLiteral("New one"));
        QCOMPARE(added->parent(), f.item(1));
        QCOMPARE(f.tree->currentItem(), f.item(1)); // the selection stays
    }

    void addSubCategoryWhenNoIdIsLeft_isRefusedWithTheStandardError_data()
    {
        QTest::addColumn<qint64>("highest");
        QTest::newRow("2^63-1") << std::numeric_limits<qint64>::max();
    }

    void addSubCategoryWhenNoIdIsLeft_isRefusedWithTheStandardError()
    {
        QFETCH(qint64, highest);
        Fixture f;
        f.exec(QString("INSERT INTO category (CatID, Name, ParentID) VALUES (%1, 'Last possible', 1)")
                   .arg(highest));
        f.tree->FillTree();
        SheetDriver sheet{"New one", ""};
        f.tree->setSheetRunner(sheet.runner());
        const int before = f.count("SELECT COUNT(*) FROM category");

        f.tree->runCommand(Cmd::AddSubCategory);
        QCOMPARE(f.count("SELECT COUNT(*) FROM category"), before);
        QCOMPARE(f.messages.messages.size(), 1);
        QVERIFY(f.messages.messages.first().startsWith("SELECT MAX(CatID) from category\n"));
    }

    // A category the catalogue refuses keeps its sheet open with the text
    // typed; OK again after the cause is gone adds it.
    void failedCategorySave_keepsTheSheetOpen_data()
    {
        QTest::addColumn<bool>("edit");
        QTest::newRow("add") << false;
        QTest::newRow("edit") << true;
    }

    void failedCategorySave_keepsTheSheetOpen()
    {
        QFETCH(bool, edit);
        Fixture f;
        f.addCategory(32, "Old name", 1);
        f.tree->FillTree();
        f.select(edit ? 32 : 1);
        f.exec(
            QString(
                "CREATE TEMP TRIGGER refuse BEFORE %1 ON category BEGIN SELECT RAISE(ABORT, 'refused'); END")
                .arg(edit ? "UPDATE" : "INSERT"));
        int attempts = 0;
        f.tree->setSheetRunner([&](CCategoryProperties &sheet) {
            sheet.show();
            sheet.findChild<QLineEdit *>("editName")->setText("Κατηγορία 类别");
            const bool first = sheet.PressOk();
            ++attempts;
            const bool stillOpen = sheet.isVisible();
            const QString kept = sheet.findChild<QLineEdit *>("editName")->text();
            f.exec("DROP TRIGGER temp.refuse");
            const bool second = sheet.PressOk();
            sheet.hide();
            return !first && stillOpen && kept == "Κατηγορία 类别" && second;
        });
        const int before = f.count("SELECT COUNT(*) FROM category");
        f.tree->runCommand(edit ? Cmd::EditCategory : Cmd::AddSubCategory);
        QCOMPARE(attempts, 1);
        QCOMPARE(f.messages.messages.size(), 1);
        QVERIFY(f.messages.messages.first().contains("refused"));
        QCOMPARE(f.count("SELECT COUNT(*) FROM category"), before + (edit ? 0 : 1));
        QCOMPARE(f.count("SELECT COUNT(*) FROM category WHERE Name='Κατηγορία 类别'"), 1);
    }

    void addSubCategoryInsertsSortedUnderTheSelection()
    {
        Fixture f;
        f.buildChain();
        f.addCategory(36, "alpha", 32);
        f.addCategory(37, "Delta", 32);
        f.tree->FillTree();
        f.select(32);
        QVERIFY(!f.item(32)->isExpanded());
        SheetDriver sheet{"Charlie", ""};
        f.tree->setSheetRunner(sheet.runner());
        f.tree->runCommand(Cmd::AddSubCategory);
        QCOMPARE(Fixture::texts(f.item(32)), QStringList({"alpha", "B", "Charlie", "Delta"}));
        QVERIFY(f.item(32)->isExpanded());
        QCOMPARE(f.count("SELECT COUNT(*) FROM category WHERE CatID=38 AND ParentID=32 AND Notes IS NULL"),
                 1);
        QCOMPARE(f.doc.currentCategory(), 32);
    }

    void addSubCategoryCancelledOrFailedChangesNothing()
    {
        Fixture f;
        f.tree->FillTree();
        SheetDriver sheet{"Never", ""};
        sheet.pressOk = false;
        f.tree->setSheetRunner(sheet.runner());
        f.tree->runCommand(Cmd::AddSubCategory);
        QCOMPARE(f.count("SELECT COUNT(*) FROM category"), 4);

        f.exec("CREATE TEMP TRIGGER refuse BEFORE INSERT ON main.category BEGIN SELECT RAISE(ABORT, 'no "
               "room'); END");
        sheet.pressOk = true;
        sheet.name = "Art";
        f.tree->runCommand(Cmd::AddSubCategory);
        QCOMPARE(f.messages.messages.size(), 1);
        QVERIFY(f.messages.messages[0].startsWith(
            "INSERT INTO category (CatID, Name, ParentID, Notes) VALUES (32, 'Art', 1, NULL)\n"));
        QVERIFY(f.messages.messages[0].contains("no room"));
        QCOMPARE(f.item(1)->childCount(), 0);
    }

    void editCategoryShowsDetailsAndSaves()
    {
        Fixture f;
        f.buildChain();
        f.addBook(1);
        f.addBook(2);
        f.addMember(1, 32);
        f.addMember(2, 32);
        f.addMember(2, 33); // a book of a sub category is not counted
        f.exec("UPDATE category SET Notes='old notes', OperationDate='2004-01-05' WHERE CatID=32");
        f.select(32);
        SheetDriver sheet{"Zulu  %1 O'Brien", "new notes"};
        f.tree->setSheetRunner(sheet.runner());

        f.tree->runCommand(Cmd::EditCategory);
        QCOMPARE(sheet.caption, QStringLiteral("Edit Category"));
        QCOMPARE(sheet.shownName, QStringLiteral("A"));
        QCOMPARE(sheet.shownNotes, QStringLiteral("old notes"));
        QCOMPARE(sheet.shownContains, QStringLiteral("2 books, 1 sub category"));
        QCOMPARE(sheet.shownDate, QLocale::system().toString(QDate(2004, 1, 5), QLocale::ShortFormat));

        QCOMPARE(f.scalar("SELECT Name FROM category WHERE CatID=32"), QStringLiteral("Zulu  %1 O'Brien"));
        QCOMPARE(f.scalar("SELECT Notes FROM category WHERE CatID=32"), QStringLiteral("new notes"));
        // Renamed in place: not moved after D.
        QCOMPARE(Fixture::texts(f.item(1)), QStringList({"Zulu  %1 O'Brien", "D"}));
    }

    void editCategoryDateTexts_data()
    {
        QTest::addColumn<QString>("stored"); // SQL literal
        QTest::addColumn<QString>("shown");
        QTest::newRow("no date") << "NULL"
                                 << "Invalid DateTime";
        QTest::newRow("not a date") << "'someday'"
                                    << "Invalid DateTime";
        QTest::newRow("date and time")
            << "'2010-03-04 05:06:07'"
            << CCategoryCommands::FormatOperationDate(QDateTime(QDate(2010, 3, 4), QTime(5, 6, 7)));
    }
    void editCategoryDateTexts()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        Fixture f;
        f.buildChain();
        f.exec(QString("UPDATE category SET OperationDate=%1 WHERE CatID=35").arg(stored));
        f.select(35);
        SheetDriver sheet;
        sheet.pressOk = false;
        f.tree->setSheetRunner(sheet.runner());
        f.tree->runCommand(Cmd::EditCategory);
        QCOMPARE(sheet.shownDate, shown);
        QCOMPARE(sheet.shownContains, QStringLiteral("0 books, 0 sub categories"));
        QVERIFY(shown.contains("2010") || shown == "Invalid DateTime");
    }

    void editCategoryWithoutChangesRunsNoSql()
    {
        Fixture f;
        f.buildChain();
        f.exec("UPDATE category SET Notes='Keep' WHERE CatID=33");
        f.exec("CREATE TEMP TABLE writes (CatID INTEGER)");
        f.exec("CREATE TEMP TRIGGER log_writes AFTER UPDATE ON main.category "
               "BEGIN INSERT INTO writes VALUES (NEW.CatID); END");
        f.select(33);
        SheetDriver unchanged;
        unchanged.typeName = false;
        f.tree->setSheetRunner(unchanged.runner());
        f.tree->runCommand(Cmd::EditCategory);
        QCOMPARE(unchanged.runs, 1);
        QCOMPARE(f.count("SELECT COUNT(*) FROM writes"), 0);
        QVERIFY(f.messages.messages.isEmpty());

        // Case counts as a change.
        SheetDriver recased{"b", "Keep"};
        f.tree->setSheetRunner(recased.runner());
        f.tree->runCommand(Cmd::EditCategory);
        QCOMPARE(f.count("SELECT COUNT(*) FROM writes"), 1);
        QCOMPARE(f.item(33)->text(0), QStringLiteral("b"));
    }

    void removeCategoryCascades()
    {
        Fixture f;
        f.buildChain();
        for (int book = 1; book <= 3; ++book)
            f.addBook(book);
        f.addMember(1, 33);
        f.addMember(2, 32);
        f.addMember(2, 1);
        f.addMember(3, 34);
        f.select(32);
        QSignalSpy selected(f.tree.get(), &COrdoTreeView::categorySelected);

        f.messages.answer = false;
        f.tree->runCommand(Cmd::RemoveCategory);
        QCOMPARE(f.messages.questions,
                 QStringList{"Are you sure you want to delete this category?\n"
                             "Note: this will delete all books and subcategories in this category."});
        QCOMPARE(f.count("SELECT COUNT(*) FROM category WHERE CatID=32"), 1);
        QVERIFY(f.item(32));

        f.messages.answer = true;
        f.tree->runCommand(Cmd::RemoveCategory);
        QCOMPARE(f.count("SELECT COUNT(*) FROM category WHERE CatID IN (32, 33, 34)"), 0);
        QCOMPARE(f.count("SELECT COUNT(*) FROM book_category"), 1); // only book 2 in the root
        QCOMPARE(f.count("SELECT COUNT(*) FROM book"), 3);          // books themselves stay
        for (int gone : {32, 33, 34})
            QCOMPARE(f.tree->FindItemByCatID(gone), nullptr);
        // Another item took the selection and the list was told.
        QVERIFY(f.tree->currentItem());
        QCOMPARE(f.doc.currentCategory(), COrdoTreeView::catIdOf(f.tree->currentItem()));
        QVERIFY(f.tree->currentItem()->font(0).bold());
        QCOMPARE(selected.count(), 1);
    }

    void removeCategoryFailureKeepsTheItem()
    {
        Fixture f;
        f.buildChain();
        f.select(35);
        f.exec("CREATE TEMP TRIGGER keep BEFORE DELETE ON main.category BEGIN SELECT RAISE(ABORT, 'locked'); "
               "END");
        f.tree->runCommand(Cmd::RemoveCategory);
        QCOMPARE(f.messages.messages.size(), 1);
        QVERIFY(f.messages.messages[0].startsWith("DELETE FROM category WHERE CatID=35\n"));
        QCOMPARE(f.tree->currentItem(), f.item(35));
    }

    // ------------------------------------------------------------ drag and drop

    void onlyUserCategoriesCanBeDragged()
    {
        Fixture f;
        f.buildChain();
        QCOMPARE(f.tree->BeginDrag(f.item(1)), nullptr);
        for (int value = 2; value <= 6; ++value)
            QCOMPARE(f.tree->BeginDrag(f.tree->fixedEntry(value)), nullptr);
        std::unique_ptr<QMimeData> data(f.tree->BeginDrag(f.item(33)));
        QVERIFY(data);
        QCOMPARE(data->data(kOrdoCategoryMime), QByteArray("\x21\0\0\0", 4));
        QCOMPARE(data->formats(), QStringList{kOrdoCategoryMime});
    }

    void categoryDragTargets_data()
    {
        QTest::addColumn<int>("dragged");
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("B onto root") << 33 << 1 << true;
        QTest::newRow("B onto D") << 33 << 35 << true;
        QTest::newRow("A onto D") << 32 << 35 << true;
        QTest::newRow("B onto its parent") << 33 << 32 << false;
        QTest::newRow("A onto root, its parent") << 32 << 1 << false;
        QTest::newRow("B onto itself") << 33 << 33 << false;
        QTest::newRow("A onto its child") << 32 << 33 << false;
        QTest::newRow("A onto its grandchild") << 32 << 34 << false;
        QTest::newRow("B onto Favorites") << 33 << 2 << false;
        QTest::newRow("B onto Search Results") << 33 << 3 << false;
        QTest::newRow("B onto Reading List") << 33 << 4 << false;
        QTest::newRow("B onto All Books") << 33 << 5 << false;
        QTest::newRow("B onto Recycle Bin") << 33 << 6 << false;
    }
    void categoryDragTargets()
    {
        QFETCH(int, dragged);
        QFETCH(int, target);
        QFETCH(bool, allowed);
        Fixture f;
        f.buildChain();
        QTreeWidgetItem *targetItem =
            target >= 2 && target <= 6 ? f.tree->fixedEntry(target) : f.item(target);
        std::unique_ptr<QMimeData> data(f.tree->BeginDrag(f.item(dragged)));
        QCOMPARE(f.tree->dropActionFor(data.get(), targetItem, Qt::NoModifier),
                 allowed ? Qt::MoveAction : Qt::IgnoreAction);
        QCOMPARE(f.tree->dropActionFor(data.get(), targetItem, Qt::ControlModifier),
                 allowed ? Qt::MoveAction : Qt::IgnoreAction);

        // Dropping does exactly what the drag promised.
        const Qt::DropAction done = f.tree->DropData(data.get(), targetItem, Qt::NoModifier);
        QCOMPARE(done, allowed ? Qt::MoveAction : Qt::IgnoreAction);
        const int originalParent = dragged == 32 ? 1 : 32;
        QCOMPARE(f.count(QString("SELECT ParentID FROM category WHERE CatID=%1").arg(dragged)),
                 allowed ? target : originalParent);
        QCOMPARE(f.item(dragged)->parent(), allowed ? targetItem : f.item(originalParent));
        QVERIFY(f.messages.messages.isEmpty());
    }

    void categoryDataFromElsewhereIsRefused()
    {
        Fixture f;
        f.buildChain();
        std::unique_ptr<QMimeData> data(categoryData(33)); // no drag started here
        QCOMPARE(f.tree->dropActionFor(data.get(), f.item(35), Qt::NoModifier), Qt::IgnoreAction);
        QCOMPARE(f.tree->DropData(data.get(), f.item(35), Qt::NoModifier), Qt::IgnoreAction);
        QCOMPARE(f.count("SELECT ParentID FROM category WHERE CatID=33"), 32);

        QMimeData text;
        text.setText("33");
        QCOMPARE(f.tree->dropActionFor(&text, f.item(35), Qt::NoModifier), Qt::IgnoreAction);
        QCOMPARE(f.tree->dropActionFor(data.get(), nullptr, Qt::NoModifier), Qt::IgnoreAction);
    }

    void droppedCategoryMovesWithItsSubtree()
    {
        Fixture f;
        f.buildChain();
        f.select(34); // C, inside the moved subtree, stays current
        QSignalSpy selected(f.tree.get(), &COrdoTreeView::categorySelected);
        std::unique_ptr<QMimeData> data(f.tree->BeginDrag(f.item(32)));
        QCOMPARE(f.tree->DropData(data.get(), f.item(35), Qt::NoModifier), Qt::MoveAction);
        f.tree->EndDrag();

        QCOMPARE(f.count("SELECT ParentID FROM category WHERE CatID=32"), 35);
        QCOMPARE(Fixture::texts(f.item(1)), QStringList{"D"});
        QCOMPARE(Fixture::texts(f.item(35)), QStringList{"A"});
        QCOMPARE(f.item(34)->parent(), f.item(33));
        QCOMPARE(f.item(33)->parent(), f.item(32));
        QVERIFY(f.item(35)->isExpanded());
        QCOMPARE(f.tree->currentItem(), f.item(34));
        QCOMPARE(f.doc.currentCategory(), 34);
        QVERIFY(f.item(34)->font(0).bold());
        QCOMPARE(selected.count(), 1);
    }

    void bookDropTargets_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("action");
        QTest::newRow("user category") << 33 << int(Qt::NoModifier) << int(Qt::MoveAction);
        QTest::newRow("user category, Ctrl") << 33 << int(Qt::ControlModifier) << int(Qt::CopyAction);
        QTest::newRow("root") << 1 << int(Qt::NoModifier) << int(Qt::MoveAction);
        QTest::newRow("Favorites") << 2 << int(Qt::NoModifier) << int(Qt::MoveAction);
        QTest::newRow("Reading List, Ctrl") << 4 << int(Qt::ControlModifier) << int(Qt::CopyAction);
        QTest::newRow("the listed category") << 35 << int(Qt::NoModifier) << int(Qt::IgnoreAction);
        QTest::newRow("All Books") << 5 << int(Qt::NoModifier) << int(Qt::IgnoreAction);
        QTest::newRow("Recycle Bin") << 6 << int(Qt::NoModifier) << int(Qt::MoveAction);
    }
    void bookDropTargets()
    {
        QFETCH(int, target);
        QFETCH(int, modifiers);
        QFETCH(int, action);
        Fixture f;
        f.buildChain();
        f.addBook(1);
        f.addBook(2);
        f.addMember(1, 35);
        f.addMember(2, 35);
        f.select(35); // the books are listed from D
        QTreeWidgetItem *targetItem =
            target >= 2 && target <= 6 ? f.tree->fixedEntry(target) : f.item(target);
        QSignalSpy removeRequested(f.tree.get(), &COrdoTreeView::removeBooksRequested);
        QSignalSpy reload(f.tree.get(), &COrdoTreeView::listReloadRequested);

        std::unique_ptr<QMimeData> data(booksData({1, 2}));
        const auto mods = Qt::KeyboardModifiers(modifiers);
        QCOMPARE(int(f.tree->dropActionFor(data.get(), targetItem, mods)), action);
        QCOMPARE(int(f.tree->DropData(data.get(), targetItem, mods)), action);

        const int members = f.count(QString("SELECT COUNT(*) FROM book_category WHERE CatID=%1").arg(target));
        if (target == 6) {
            QCOMPARE(removeRequested.count(), 1);
            QCOMPARE(f.count("SELECT COUNT(*) FROM book_category"), 2);
        } else {
            QCOMPARE(removeRequested.count(), 0);
            QCOMPARE(members, action == int(Qt::IgnoreAction) && target != 35 ? 0 : 2);
        }
        QCOMPARE(reload.count(), 0); // the source of a drop reloads itself
    }

    // ------------------------------------------------------------ cut and paste

    void cutAndPasteMovesACategory()
    {
        Fixture f;
        f.buildChain();
        f.select(33);
        f.tree->runCommand(Cmd::Cut);
        const QMimeData *clip = QGuiApplication::clipboard()->mimeData();
        QVERIFY(clip);
        QCOMPARE(clip->data(kOrdoCategoryMime), QByteArray("\x21\0\0\0", 4));
        QVERIFY(f.item(33)->data(0, COrdoTreeView::CutRole).toBool());

        f.select(35);
        QVERIFY(f.tree->isCommandEnabled(Cmd::Paste));
        f.tree->runCommand(Cmd::Paste);
        QVERIFY(f.messages.messages.isEmpty());
        QCOMPARE(f.count("SELECT ParentID FROM category WHERE CatID=33"), 35);
        QCOMPARE(f.item(33)->parent(), f.item(35));
        QCOMPARE(f.item(34)->parent(), f.item(33));
        QVERIFY(!f.item(33)->data(0, COrdoTreeView::CutRole).toBool()); // no longer ghosted
        QCOMPARE(f.item(32)->childCount(), 0);
        QCOMPARE(f.doc.currentCategory(), 35);
    }

    void cuttingAnotherCategoryUnghostsTheFirst()
    {
        Fixture f;
        f.buildChain();
        f.select(33);
        f.tree->OnCut();
        f.select(35);
        f.tree->OnCut();
        QVERIFY(!f.item(33)->data(0, COrdoTreeView::CutRole).toBool());
        QVERIFY(f.item(35)->data(0, COrdoTreeView::CutRole).toBool());
    }

    void pasteRefusesParentSelfAndDescendants_data()
    {
        QTest::addColumn<int>("destination");
        QTest::newRow("its parent") << 32;
        QTest::newRow("itself") << 33;
        QTest::newRow("its child") << 34;
    }
    void pasteRefusesParentSelfAndDescendants()
    {
        QFETCH(int, destination);
        Fixture f;
        f.buildChain();
        f.select(33);
        f.tree->OnCut();
        f.select(destination);
        QVERIFY(!f.tree->PasteData(QGuiApplication::clipboard()->mimeData(), false));
        QCOMPARE(f.messages.messages, QStringList{kBadDestination});
        QCOMPARE(f.count("SELECT ParentID FROM category WHERE CatID=33"), 32);
        QCOMPARE(f.item(33)->parent(), f.item(32));
    }

    void pasteOfADeletedCategory()
    {
        Fixture f;
        f.buildChain();
        f.select(34);
        f.tree->OnCut();
        f.tree->OnRemoveCategory(); // the recording messenger answers Yes
        QCOMPARE(f.count("SELECT COUNT(*) FROM category WHERE CatID=34"), 0);
        f.select(35);
        f.messages.clear();
        f.tree->OnPaste();
        QCOMPARE(f.messages.messages, QStringList{kSourceMissing});
    }

    void pasteOfCategoriesOnlyIntoEditableCategories()
    {
        Fixture f;
        f.buildChain();
        f.select(33);
        f.tree->OnCut();
        f.tree->SelectFixedEntry(2);
        QVERIFY(!f.tree->isCommandEnabled(Cmd::Paste));
        // Whoever calls PasteData (the list's Paste too): never under Favorites.
        QVERIFY(!f.tree->PasteData(QGuiApplication::clipboard()->mimeData(), false));
        QCOMPARE(f.count("SELECT ParentID FROM category WHERE CatID=33"), 32);

        // A payload naming a fixed row is not something Cut produces.
        f.select(35);
        std::unique_ptr<QMimeData> data(categoryData(2));
        QVERIFY(!f.tree->PasteData(data.get(), false));
        QCOMPARE(f.count("SELECT COUNT(*) FROM category WHERE CatID=2 AND ParentID IS NULL"), 1);
        QVERIFY(f.messages.messages.isEmpty());
    }

    void pasteOfBooksAddsOnlyMissingMemberships()
    {
        Fixture f;
        f.buildChain();
        for (int book = 1; book <= 3; ++book)
            f.addBook(book);
        f.addMember(2, 35);
        f.select(35);
        QSignalSpy reload(f.tree.get(), &COrdoTreeView::listReloadRequested);
        QGuiApplication::clipboard()->setMimeData(booksData({1, 2, 3}));
        QVERIFY(f.tree->isCommandEnabled(Cmd::Paste));
        f.tree->runCommand(Cmd::Paste);

        QCOMPARE(f.count("SELECT COUNT(*) FROM book_category WHERE CatID=35"), 3);
        QCOMPARE(f.messages.messages, QStringList{"1 duplicate is not saved."});
        QCOMPARE(reload.count(), 1);
    }

    // 2^32 + 2 cut to 32 bits is 2, the Favorites: the category and the
    // pasted book 2^32 + 1 must stay themselves.
    void wideCategoryAndBookIds_areKeptWhole()
    {
        Fixture f;
        const CategoryId wideCategory = 4294967298LL;
        const BookId wideBook = 4294967297LL;
        f.addCategory(wideCategory, "Far", 1);
        f.addBook(1);
        f.addBook(wideBook);
        f.tree->FillTree();
        QTreeWidgetItem *far = f.tree->FindItemByCatID(wideCategory);
        QVERIFY(far);
        QCOMPARE(far->text(0), QStringLiteral("Far"));
        QCOMPARE(COrdoTreeView::catIdOf(far), wideCategory);
        f.tree->setCurrentItem(far);
        QCOMPARE(f.doc.currentCategory(), wideCategory);

        QGuiApplication::clipboard()->setMimeData(booksData({wideBook}));
        QVERIFY(f.tree->isCommandEnabled(Cmd::Paste));
        f.tree->runCommand(Cmd::Paste);
        QCOMPARE(f.scalar("SELECT BookID || '/' || CatID FROM book_category"), QString("4294967297/4294967298"));
        QCOMPARE(f.count("SELECT COUNT(*) FROM book_category"), 1);

        // Cut of the category carries its whole number.
        f.tree->runCommand(Cmd::Cut);
        CategoryId copied = 0;
        QVERIFY(DecodeCategoryPayload(QGuiApplication::clipboard()->mimeData()->data(kOrdoCategoryMime), copied));
        QCOMPARE(copied, wideCategory);
    }

    void pasteOfBooksWithBadPayloadOrTarget()
    {
        Fixture f;
        f.buildChain();
        f.addBook(1);
        f.select(35);
        QMimeData truncated;
        truncated.setData(kOrdoBookMime, QByteArray("\x02\0\0\0\x01\0\0\0", 8));
        QVERIFY(!f.tree->PasteData(&truncated, false));
        QVERIFY(!f.tree->PasteData(nullptr, false));
        QMimeData other;
        other.setText("1");
        QVERIFY(!f.tree->PasteData(&other, false));

        f.tree->SelectFixedEntry(5);
        std::unique_ptr<QMimeData> data(booksData({1}));
        QVERIFY(!f.tree->PasteData(data.get(), false)); // All Books holds no memberships
        QCOMPARE(f.count("SELECT COUNT(*) FROM book_category"), 0);
        QVERIFY(f.messages.messages.isEmpty());
    }

    void booksWinOverCategories()
    {
        Fixture f;
        f.buildChain();
        f.addBook(1);
        f.select(35);
        QMimeData both;
        both.setData(kOrdoCategoryMime, EncodeCategoryPayload(33));
        both.setData(kOrdoBookMime, EncodeBookPayload({1}));
        QVERIFY(f.tree->PasteData(&both, false));
        QCOMPARE(f.count("SELECT COUNT(*) FROM book_category WHERE BookID=1 AND CatID=35"), 1);
        QCOMPARE(f.count("SELECT ParentID FROM category WHERE CatID=33"), 32);
    }

    // ------------------------------------------------------------ context menu

    void contextMenuFromMouseSelectsTheItem()
    {
        Fixture f;
        f.buildChain();
        f.tree->resize(300, 400);
        f.tree->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.tree.get()));
        QSignalSpy popup(f.tree.get(), &COrdoTreeView::contextMenuRequested);

        const QPoint inside = f.tree->visualItemRect(f.item(35)).center();
        const QPoint global = f.tree->viewport()->mapToGlobal(inside);
        QContextMenuEvent click(QContextMenuEvent::Mouse, inside, global);
        QApplication::sendEvent(f.tree->viewport(), &click);
        QCOMPARE(popup.count(), 1);
        QCOMPARE(popup[0][0].toString(), QStringLiteral("Tree"));
        QCOMPARE(popup[0][1].toPoint(), global);
        QCOMPARE(f.doc.currentCategory(), 35);

        // Below the last item: the selection stays, the popup still shows.
        const QPoint empty(5, f.tree->viewport()->height() - 2);
        QContextMenuEvent blank(QContextMenuEvent::Mouse, empty, f.tree->viewport()->mapToGlobal(empty));
        QApplication::sendEvent(f.tree->viewport(), &blank);
        QCOMPARE(popup.count(), 2);
        QCOMPARE(f.doc.currentCategory(), 35);
    }

    void contextMenuFromKeyboardUsesTheSelectedItem()
    {
        Fixture f;
        f.buildChain();
        f.tree->resize(300, 400);
        f.tree->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.tree.get()));
        f.select(35);
        QSignalSpy popup(f.tree.get(), &COrdoTreeView::contextMenuRequested);

        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(), f.tree->mapToGlobal(QPoint()));
        QApplication::sendEvent(f.tree.get(), &key);
        QCOMPARE(popup.count(), 1);
        const QRect rect = f.tree->visualItemRect(f.item(35));
        const QPoint at = f.tree->viewport()->mapFromGlobal(popup[0][1].toPoint());
        QCOMPARE(at.y(), rect.top() + 5);
        QVERIFY(at.x() > rect.left() + 5); // past the icon, on the label
        QVERIFY(at.x() < rect.left() + 40);

        f.tree->setCurrentItem(nullptr);
        QApplication::sendEvent(f.tree.get(), &key);
        QCOMPARE(popup.count(), 2);
        QCOMPARE(popup[1][1].toPoint(), f.tree->mapToGlobal(QPoint(0, 0)));
    }
};

int main(int argc, char **argv)
{
    TestSettings settings;
    QApplication app(argc, argv);
    OrdoTreeViewTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "ordotreeview_test.moc"
