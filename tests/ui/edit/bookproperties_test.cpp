#include "app/commandids.h"
#include "app/defaultvalues.h"
#include "app/strings.h"
#include "bookfieldvalues.h"
#include "browse/ordolistview.h"
#include "catalog/bookrecord.h"
#include "catalog/imagesfolder.h"
#include "catalog/ordodoc.h"
#include "catalog/sqlvalue.h"
#include "edit/bookcoverspage.h"
#include "edit/bookdescriptionpage.h"
#include "edit/bookeditor.h"
#include "edit/booklinkspage.h"
#include "edit/booknotespage.h"
#include "edit/bookpersonalpage.h"
#include "edit/bookproperties.h"
#include "edit/datepickerwithnone.h"
#include "edit/editortoolbar.h"
#include "edit/linkgeneralpage.h"
#include "edit/linkproperties.h"
#include "findcontrol.h"
#include "online/addbookcommand.h"
#include "online/addbookdlg.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace {

QLineEdit *edit(QWidget *sheet, const char *name)
{
    return FindControl<QLineEdit>(sheet, name);
}

QComboBox *combo(QWidget *sheet, const char *name)
{
    return FindControl<QComboBox>(sheet, name);
}

CDatePickerWithNone *datePicker(QWidget *sheet, const char *name)
{
    return FindControl<CDatePickerWithNone>(sheet, name);
}

// The selected entry of a list, empty without a selection.
QString selectedText(QComboBox *box)
{
    return box->currentIndex() >= 0 ? box->currentText() : QString();
}

QStringList comboItems(QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

CBookRecord loaded(TestCatalog &cat, int id)
{
    CBookRecord r;
    if (!r.Load(id, cat.connection()))
        qWarning("load of book %d failed", id);
    return r;
}

// Every stored value of a book, lookups by name, for before/after comparisons.
QStringList storedValues(TestCatalog &cat, int id)
{
    const CBookRecord r = loaded(cat, id);
    QStringList values = BookFieldValues(r);
    values << r.FrontCover << r.BackCover;
    for (const CLinkEntry &link : r.links)
        values << link.LinkID + ' ' + link.Name + ' ' + link.Path + ' ' + link.Notes;
    return values;
}

// A book with every field set, saved into the root collection.
CBookRecord fullBook()
{
    CBookRecord r;
    r.Title = "The Pragmatic Programmer";
    r.Subtitle = "From Journeyman to Master";
    r.Author = "Andrew Hunt; David Thomas";
    r.URL = "http://example.org/pragprog";
    r.Edition = "1st";
    r.Publisher = "Addison-Wesley";
    r.ISBN = "020161622X";
    r.PageCount = "352";
    r.Language = "English";
    r.ReleaseDate = "Oct 20, 1999";
    r.Binding = "Paperback";
    r.Dimension = "9.2 x 7.4 inches";
    r.Extras = "Floppy Disk";
    r.PurchaseDate = "Mar 02, 2003";
    r.Store = "Corner Shop";
    r.PurchasePrice = "29.95";
    r.ListPrice = "39.99";
    r.AmazonPrice = "31.5";
    r.Location = "Shelf 3";
    r.Status = "Wish List";
    r.CurrentPage = "120";
    r.AmazonRating = "4.5";
    r.NumOfReviews = "210";
    r.MyRating = 4;
    r.UserText1 = "signed";
    r.UserText2 = "lent to Ann";
    r.EBookOnly = 1;
    r.Format = "PDF";
    r.BookSize = "2.5";
    r.Description = "<P>Tips</P>";
    r.Notes = "<B>Reread</B>";
    r.links = {{"1", "Site", "http://pragprog.com", ""}, {"2", "Errata", "http://pragprog.com/e", "old"}};
    r.Series = "Pragmatic Bookshelf";
    r.SeriesNumber = "III";
    r.readings = {{"Jan 05, 2004", "Feb 01, 2004", true, "first"}, {{}, {}, true, {}}, {"Mar 01, 2025", {}, false, {}}};
    return r;
}

// A catalogue whose images folder is the current one.
struct Fixture
{
    TestCatalog cat;
    QString images;

    Fixture() : images(cat.dir() + "/test_images")
    {
        QDir().mkpath(images);
        SetImagesFolder(images);
    }

    int addBook(const CBookRecord &record, int category = 1)
    {
        CBookRecord copy = record;
        if (!copy.Save(true, category, images, cat.connection()))
            qFatal("saving a test book failed");
        return cat.count("SELECT MAX(BookID) FROM book");
    }

    // A sheet like the list opens it, shown and ready for input.
    std::unique_ptr<CBookProperties> openAdd(const CBookRecord &record = CBookRecord(), int category = 1)
    {
        auto sheet = std::make_unique<CBookProperties>(IDS_ADD_BOOK);
        sheet->record() = record;
        sheet->SetCategoryId(category);
        sheet->SetNewBook(true);
        sheet->SetConnection(cat.shared());
        sheet->show();
        return sheet;
    }
    std::unique_ptr<CBookProperties> openEdit(int id)
    {
        auto sheet = std::make_unique<CBookProperties>(IDS_EDIT_BOOK);
        if (!sheet->record().Load(id, cat.connection()))
            qFatal("loading a test book failed");
        sheet->SetCategoryId(1);
        sheet->SetNewBook(false);
        sheet->SetConnection(cat.shared());
        sheet->show();
        return sheet;
    }
};

// Adds a book titled title through a fresh Add sheet; returns its id.
int addThroughSheet(Fixture &f, const QString &title, const std::function<void(CBookProperties &)> &fill = {})
{
    auto sheet = f.openAdd();
    edit(sheet.get(), "editTitle")->setText(title);
    if (fill)
        fill(*sheet);
    sheet->okButton()->click();
    if (sheet->isVisible())
        qWarning("the sheet refused OK");
    return f.cat.count("SELECT MAX(BookID) FROM book");
}

} // namespace

class BookPropertiesTest : public QObject
{
    Q_OBJECT

private:
    TestSettings m_settings;
    RecordingMessenger m_messenger;

private slots:
    void init()
    {
        m_messenger.clear();
        QLocale::setDefault(QLocale::c());
    }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // --- General page -----------------------------------------------------

    void blankTitle_isRefusedAndKeepsGeneral_data()
    {
        QTest::addColumn<QString>("title");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "    ";
        QTest::newRow("tabs and blanks") << "\t  \t";
    }
    void blankTitle_isRefusedAndKeepsGeneral()
    {
        QFETCH(QString, title);
        Fixture f;
        auto sheet = f.openAdd();
        QCOMPARE(sheet->windowTitle(), QString("Add Book"));
        edit(sheet.get(), "editTitle")->setText(title);

        sheet->okButton()->click();
        QVERIFY(sheet->isVisible());
        QCOMPARE(sheet->GetActiveIndex(), int(CBookProperties::GeneralPage));
        QCOMPARE(m_messenger.messages, QStringList("Book title cannot be empty."));

        // Leaving for another page is refused the same way.
        sheet->tabWidget()->setCurrentIndex(CBookProperties::PersonalPage);
        QCOMPARE(sheet->GetActiveIndex(), int(CBookProperties::GeneralPage));
        QCOMPARE(m_messenger.messages.size(), 2);
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book"), 0);

        edit(sheet.get(), "editTitle")->setText("Now titled");
        sheet->okButton()->click();
        QVERIFY(!sheet->isVisible());
        QCOMPARE(f.cat.scalar("SELECT Title FROM book"), QString("Now titled"));
    }

    void title_isSavedTrimmed()
    {
        Fixture f;
        const int id = addThroughSheet(f, "  \tDune  ");
        QCOMPARE(f.cat.scalar(QString("SELECT Title FROM book WHERE BookID=%1").arg(id)), QString("Dune"));
        QCOMPARE(f.cat.scalar(QString("SELECT CatID FROM book_category WHERE BookID=%1").arg(id)),
                 QString("1"));
    }

    void isbn_hyphensRemoved_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("ISBN-10") << "0-596-00712-4"
                                 << "0596007124";
        QTest::newRow("check digit X") << "0-19-852663-X"
                                       << "019852663X";
        QTest::newRow("ISBN-13") << "978-0-596-00712-6"
                                 << "9780596007126";
        QTest::newRow("doubled hyphens, other text kept") << "ab--12 3"
                                                          << "ab12 3";
        QTest::newRow("no hyphens") << "0596007124"
                                    << "0596007124";
    }
    void isbn_hyphensRemoved()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        Fixture f;
        const int id =
            addThroughSheet(f, "Book", [&](CBookProperties &s) { edit(&s, "editIsbn")->setText(typed); });
        QCOMPARE(f.cat.scalar(QString("SELECT ISBN FROM book WHERE BookID=%1").arg(id)), stored);
    }

    // A looked-up record can hold a product page's whole line as its page
    // count; the sheet shows the number and OK saves the book.
    void lookedUpPageLine_opensAsItsNumber()
    {
        Fixture f;
        CBookRecord looked;
        looked.Title = QStringLiteral("Ледяные мосты");
        looked.PageCount = QStringLiteral("432 pages");
        auto sheet = f.openAdd(looked);
        QCOMPARE(edit(sheet.get(), "editPage")->text(), QString("432"));
        sheet->okButton()->click();
        QVERIFY(!sheet->isVisible());
        QCOMPARE(f.cat.scalar("SELECT PageCount FROM book"), QString("432"));
    }

    // --- dates ------------------------------------------------------------

    void dates_areSavedInCatalogueForm_data()
    {
        QTest::addColumn<QString>("picker");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QDate>("date"); // null: box cleared
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("stored");
        QTest::newRow("release set") << "dateRelease"
                                     << "ReleaseDate" << QDate(2004, 1, 5) << "C"
                                     << "Jan 05, 2004";
        QTest::newRow("release cleared") << "dateRelease"
                                         << "ReleaseDate" << QDate() << "C"
                                         << "";
        QTest::newRow("release, German locale") << "dateRelease"
                                                << "ReleaseDate" << QDate(2004, 3, 5) << "de_DE"
                                                << "Mar 05, 2004";
        QTest::newRow("purchase set") << "datePurchase"
                                      << "PurchaseDate" << QDate(1999, 12, 31) << "C"
                                      << "Dec 31, 1999";
        QTest::newRow("purchase cleared") << "datePurchase"
                                          << "PurchaseDate" << QDate() << "C"
                                          << "";
        QTest::newRow("purchase, French locale") << "datePurchase"
                                                 << "PurchaseDate" << QDate(2010, 2, 1) << "fr_FR"
                                                 << "Feb 01, 2010";
    }
    void dates_areSavedInCatalogueForm()
    {
        QFETCH(QString, picker);
        QFETCH(QString, column);
        QFETCH(QDate, date);
        QFETCH(QString, locale);
        QFETCH(QString, stored);
        QLocale::setDefault(QLocale(locale));
        Fixture f;
        CBookRecord r;
        r.Title = "Dated";
        r.ReleaseDate = r.PurchaseDate = "Jul 14, 1989"; // both start with a date
        const int id = f.addBook(r);
        auto sheet = f.openEdit(id);
        // The picker's own page is current when OK is pressed.
        if (picker == "datePurchase")
            sheet->tabWidget()->setCurrentIndex(CBookProperties::PersonalPage);
        datePicker(sheet.get(), qPrintable(picker))->setDate(date);
        if (!date.isValid())
            QVERIFY(!datePicker(sheet.get(), qPrintable(picker))->dateEdit()->isEnabled());

        sheet->okButton()->click();
        QVERIFY(!sheet->isVisible());
        QCOMPARE(f.cat.scalar(QString("SELECT %1 FROM book WHERE BookID=%2").arg(column).arg(id)), stored);
    }

    void storedDates_openAsDateOrNoDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("shown"); // null: box cleared
        QTest::newRow("catalogue form") << "Jan 05, 2004" << QDate(2004, 1, 5);
        QTest::newRow("one-digit day") << "Feb 3, 2001" << QDate(2001, 2, 3);
        QTest::newRow("ISO") << "2004-01-05" << QDate(2004, 1, 5);
        QTest::newRow("user's short format")
            << QLocale().toString(QDate(2011, 6, 7), QLocale::ShortFormat) << QDate(2011, 6, 7);
        QTest::newRow("empty") << "" << QDate();
        QTest::newRow("unreadable") << "sometime in spring" << QDate();
        QTest::newRow("impossible day") << "Feb 30, 2004" << QDate();
    }
    void storedDates_openAsDateOrNoDate()
    {
        QFETCH(QString, text);
        QFETCH(QDate, shown);
        Fixture f;
        CBookRecord r;
        r.Title = "Book";
        r.ReleaseDate = r.PurchaseDate = text;
        auto sheet = f.openAdd(r);
        sheet->tabWidget()->setCurrentIndex(CBookProperties::PersonalPage);
        for (const char *name : {"dateRelease", "datePurchase"}) {
            CDatePickerWithNone *picker = datePicker(sheet.get(), name);
            QCOMPARE(picker->hasDate(), shown.isValid());
            QCOMPARE(picker->checkBox()->isChecked(), shown.isValid());
            QCOMPARE(picker->date(), shown);
            QCOMPARE(picker->dateEdit()->isEnabled(), shown.isValid());
        }
        QCOMPARE(ReadBookDate(text), shown);
    }

    void emptyStoredDates_stayEmptyAfterOk()
    {
        Fixture f;
        CBookRecord r;
        r.Title = "Undated";
        const int id = f.addBook(r);
        auto sheet = f.openEdit(id);
        QVERIFY(!datePicker(sheet.get(), "dateRelease")->hasDate());
        sheet->tabWidget()->setCurrentIndex(CBookProperties::PersonalPage);
        QVERIFY(!datePicker(sheet.get(), "datePurchase")->hasDate());
        sheet->okButton()->click();
        QVERIFY(!sheet->isVisible());
        QCOMPARE(f.cat.scalar("SELECT COUNT(*) FROM book WHERE ReleaseDate IS NULL AND PurchaseDate IS NULL"),
                 QString("1"));
    }

    // --- Personal page ----------------------------------------------------

    void myRating_storesIndex_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("stored");
        QTest::newRow("Unrated") << 0 << "";
        QTest::newRow("1") << 1 << "1";
        QTest::newRow("5") << 5 << "5";
    }
    void myRating_storesIndex()
    {
        QFETCH(int, index);
        QFETCH(QString, stored);
        Fixture f;
        CBookRecord r;
        r.Title = "Rated";
        r.MyRating = 3;
        const int id = f.addBook(r);
        auto sheet = f.openEdit(id);
        sheet->tabWidget()->setCurrentIndex(CBookProperties::PersonalPage);
        QComboBox *rating = combo(sheet.get(), "comboMyRating");
        QCOMPARE(comboItems(rating), QStringList({"Unrated", "1", "2", "3", "4", "5"}));
        QVERIFY(!rating->isEditable());
        QCOMPARE(rating->currentIndex(), 3);
        rating->setCurrentIndex(index);
        sheet->okButton()->click();
        QCOMPARE(f.cat.scalar(QString("SELECT MyRating FROM book WHERE BookID=%1").arg(id)), stored);
        QCOMPARE(loaded(f.cat, id).MyRating, index);
    }

    void newPublisher_isOfferedNextTime()
    {
        Fixture f;
        QStringList before;
        {
            auto sheet = f.openAdd();
            before = comboItems(combo(sheet.get(), "comboPublisher"));
            QVERIFY(!before.contains("Brand New Press"));
        }
        addThroughSheet(f, "Fresh", [](CBookProperties &s) {
            combo(&s, "comboPublisher")->setEditText("Brand New Press");
        });
        auto sheet = f.openAdd();
        QCOMPARE(comboItems(combo(sheet.get(), "comboPublisher")), before + QStringList("Brand New Press"));
        QCOMPARE(loaded(f.cat, 1).Publisher, QString("Brand New Press"));
    }

    void lookupLists_followTheTablesInDatabaseOrder()
    {
        Fixture f;
        f.cat.exec("INSERT INTO bookstatus (StatusID, Name) VALUES (9, 'Archived')");
        f.cat.exec("INSERT INTO booklanguage (LanguageID, Name) VALUES (7, 'Aramaic')");
        CBookRecord r;
        r.Title = "Lists";
        auto sheet = f.openAdd(r);
        QCOMPARE(comboItems(combo(sheet.get(), "comboLanguage")),
                 QStringList({"English", "Chinese", "Aramaic"}));
        QCOMPARE(comboItems(combo(sheet.get(), "comboBinding")),
                 QStringList({"Hardcover", "Paperback", "Unknown Binding"}));
        QVERIFY(combo(sheet.get(), "comboPublisher")->isEditable());
        sheet->tabWidget()->setCurrentIndex(CBookProperties::PersonalPage);
        QComboBox *status = combo(sheet.get(), "comboStatus");
        QVERIFY(!status->isEditable());
        QCOMPARE(comboItems(status),
                 QStringList({"In Collection", "Wish List", "Reference Only", "For Sale", "Archived"}));
    }

    void status_firstPreselectedOnlyForNewBooks_data()
    {
        QTest::addColumn<bool>("isNew");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("shown");
        QTest::newRow("add, no status") << true << ""
                                        << "In Collection";
        QTest::newRow("add, default status") << true << "For Sale"
                                             << "For Sale";
        QTest::newRow("edit, no status") << false << ""
                                         << "";
        QTest::newRow("edit, status") << false << "Wish List"
                                      << "Wish List";
    }
    void status_firstPreselectedOnlyForNewBooks()
    {
        QFETCH(bool, isNew);
        QFETCH(QString, status);
        QFETCH(QString, shown);
        Fixture f;
        CBookRecord r;
        r.Title = "Status";
        r.Status = status;
        std::unique_ptr<CBookProperties> sheet;
        int id = 1;
        if (isNew) {
            sheet = f.openAdd(r);
        } else {
            id = f.addBook(r);
            sheet = f.openEdit(id);
        }
        sheet->tabWidget()->setCurrentIndex(CBookProperties::PersonalPage);
        QCOMPARE(selectedText(combo(sheet.get(), "comboStatus")), shown);
        sheet->okButton()->click();
        QCOMPARE(loaded(f.cat, id).Status, shown);
    }

    // --- what the sheet must not change ------------------------------------

    void untouchedValues_areWrittenBackUnchanged_data()
    {
        QTest::addColumn<bool>("openPersonal");
        QTest::newRow("Personal never opened") << false;
        QTest::newRow("Personal opened, nothing changed") << true;
    }
    void untouchedValues_areWrittenBackUnchanged()
    {
        QFETCH(bool, openPersonal);
        Fixture f;
        const int id = f.addBook(fullBook());
        const QStringList before = storedValues(f.cat, id);
        auto sheet = f.openEdit(id);
        QCOMPARE(sheet->windowTitle(), QString("Edit Book"));
        if (openPersonal) {
            sheet->tabWidget()->setCurrentIndex(CBookProperties::PersonalPage);
            QVERIFY(sheet->personalPage()->IsInitialized());
            sheet->tabWidget()->setCurrentIndex(CBookProperties::GeneralPage);
        }
        QCOMPARE(sheet->personalPage()->IsInitialized(), openPersonal);
        sheet->okButton()->click();
        QVERIFY(!sheet->isVisible());
        QVERIFY(sheet->saveSucceeded());
        QCOMPARE(storedValues(f.cat, id), before);
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book"), 1);
    }

    // Series and readings typed into the sheet, in other scripts and with a
    // day typed the European way.
    void seriesAndReadings_typedInTheSheet()
    {
        Fixture f;
        const int id = addThroughSheet(f, "Пикник на обочине", [](CBookProperties &sheet) {
            combo(&sheet, "comboSeries")->setEditText("Мир Полудня");
            edit(&sheet, "editSeriesNumber")->setText(" 3.5 ");
            sheet.tabWidget()->setCurrentIndex(CBookProperties::PersonalPage);
            auto *table = FindControl<QTableWidget>(&sheet, "tableReadings");
            FindControl<QPushButton>(&sheet, "buttonAddReading")->click();
            FindControl<QPushButton>(&sheet, "buttonAddReading")->click();
            QCOMPARE(table->rowCount(), 2);
            table->item(0, 0)->setText("2025-03-01");
            table->item(0, 1)->setText("15.03.2025");
            table->item(0, 3)->setText("第一次 — Ελληνικά");
            table->setCurrentCell(1, 0);
            FindControl<QPushButton>(&sheet, "buttonRemoveReading")->click();
            QCOMPARE(table->rowCount(), 1);
        });
        const CBookRecord r = loaded(f.cat, id);
        QCOMPARE(r.Series, QString("Мир Полудня"));
        QCOMPARE(r.SeriesNumber, QString("3.5"));
        // A finishing day makes the reading one read to the end.
        QCOMPARE(r.readings, (CReadingLog{{"Mar 01, 2025", "Mar 15, 2025", true, "第一次 — Ελληνικά"}}));
    }

    void cancel_touchesNothing()
    {
        Fixture f;
        const int id = f.addBook(fullBook());
        const QStringList before = storedValues(f.cat, id);
        {
            auto sheet = f.openEdit(id);
            edit(sheet.get(), "editTitle")->setText("Changed");
            combo(sheet.get(), "comboPublisher")->setEditText("Cancelled Press");
            sheet->cancelButton()->click();
            QCOMPARE(sheet->result(), int(QDialog::Rejected));
        }
        {
            auto sheet = f.openAdd();
            edit(sheet.get(), "editTitle")->setText("Never added");
            combo(sheet.get(), "comboPublisher")->setEditText("Cancelled Press");
            sheet->cancelButton()->click();
        }
        QCOMPARE(storedValues(f.cat, id), before);
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book"), 1);
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM bookpublisher WHERE Name='Cancelled Press'"), 0);
    }

    void covers_unvisitedPage_keepsTheCovers()
    {
        Fixture f;
        // An existing book keeps its cover files.
        CBookRecord r;
        r.Title = "Covered";
        const int id = f.addBook(r);
        QFile front(f.images + QString("/%1.jpg").arg(id));
        QVERIFY(front.open(QIODevice::WriteOnly));
        front.write("JPEG");
        front.close();
        f.cat.exec(QString("UPDATE book SET FrontCover='%1.jpg' WHERE BookID=%1").arg(id));
        auto sheet = f.openEdit(id);
        sheet->okButton()->click();
        QCOMPARE(f.cat.scalar(QString("SELECT FrontCover FROM book WHERE BookID=%1").arg(id)),
                 QString("%1.jpg").arg(id));
        QVERIFY(QFile::exists(front.fileName()));

        // A new book's fetched picture becomes its cover.
        QTemporaryDir downloads;
        const QString picture = downloads.path() + "/cover.GIF";
        QFile pic(picture);
        QVERIFY(pic.open(QIODevice::WriteOnly));
        pic.write("GIF89a");
        pic.close();
        CBookRecord fetched;
        fetched.Title = "Fetched";
        fetched.newFrontCoverSource = picture;
        auto add = f.openAdd(fetched);
        add->okButton()->click();
        const int newId = id + 1;
        QCOMPARE(f.cat.scalar(QString("SELECT FrontCover FROM book WHERE BookID=%1").arg(newId)),
                 QString("%1.GIF").arg(newId));
        QVERIFY(QFile::exists(f.images + QString("/%1.GIF").arg(newId)));
    }

    void sheet_hasSevenPagesInOrder()
    {
        Fixture f;
        auto sheet = f.openAdd();
        QStringList tabs;
        for (int i = 0; i < sheet->tabWidget()->count(); ++i)
            tabs << sheet->tabWidget()->tabText(i);
        QCOMPARE(tabs, QStringList({"&General", "Pers&onal", "Related Lin&ks", "Des&cription", "&Notes",
                                    "Co&vers", "Loan Histor&y"}));
        QCOMPARE(sheet->GetPage(CBookProperties::DescriptionPage), sheet->descriptionPage());
        QCOMPARE(sheet->GetPage(CBookProperties::CoversPage), sheet->coversPage());
    }

    void description_editedIsSaved_untouchedNotesKeepTheirBytes()
    {
        Fixture f;
        CBookRecord r = fullBook();
        r.Description = "<P>Ἰλιάς — Война и мир — 红楼梦</P>";
        r.Notes = "<B>Reread</B>\r\n  <I>soon</i>";
        const int id = f.addBook(r);
        auto sheet = f.openEdit(id);
        CBookDescriptionPage *description = sheet->descriptionPage();
        CBookNotesPage *notes = sheet->notesPage();
        QVERIFY(sheet->SetActivePage(CBookProperties::NotesPage));
        QVERIFY(sheet->SetActivePage(CBookProperties::DescriptionPage));
        QVERIFY(QTest::qWaitFor([&] { return description->isReady() && notes->isReady(); }, 20000));

        const auto eval = [&](const QString &script) {
            QVariant result;
            bool done = false;
            description->editor()->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                                         [&](const QVariant &value) {
                                                             result = value;
                                                             done = true;
                                                         });
            if (!QTest::qWaitFor([&] { return done; }, 20000))
                qWarning("no answer from the editor");
            return result;
        };
        // Bold on the whole description through its toolbar.
        eval("(function () { var r = document.createRange(); r.selectNodeContents(document.body);"
             " var s = getSelection(); s.removeAllRanges(); s.addRange(r); return true; })()");
        description->action(EditorCmd::Bold)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(eval("document.body.innerHTML").toString().contains("<b>"), 20000);

        sheet->okButton()->click();
        QVERIFY(!sheet->isVisible());
        const CBookRecord saved = loaded(f.cat, id);
        QVERIFY2(saved.Description.contains("<b>Ἰλιάς — Война и мир — 红楼梦</b>"),
                 qPrintable(saved.Description));
        QCOMPARE(saved.Notes, r.Notes);
    }

    void links_numberedOnTheSheet_renumberedBySave()
    {
        Fixture f;
        CBookRecord r;
        r.Title = "Linked";
        r.links = {{"", "a", "https://example.org/a", ""},
                   {"", "b", "https://example.org/b", ""},
                   {"", "c", "https://example.org/c", ""}};
        const int id = f.addBook(r);
        auto sheet = f.openEdit(id);
        CBookLinksPage *links = sheet->linksPage();
        QStringList added = {"d", "e", "f"};
        links->setSheetRunner([&](CLinkProperties &s) {
            s.show();
            CLinkGeneralPage *page = s.generalPage();
            page->ChooseType(LinkType::Other);
            FindControl<QComboBox>(page, "comboTitle")->setCurrentText(added.takeFirst());
            FindControl<QLineEdit>(page, "editPath")->setText("shelf");
            s.PressOk();
            return s.result();
        });
        QVERIFY(sheet->SetActivePage(CBookProperties::LinksPage));
        auto *list = FindControl<QTreeWidget>(sheet.get(), "listLinks");
        const auto idsShown = [&] {
            QStringList ids;
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                ids << list->topLevelItem(i)->text(0);
            return ids.join(',');
        };
        QCOMPARE(idsShown(), QString("1,2,3"));
        links->Add();
        links->Add();
        QCOMPARE(idsShown(), QString("1,2,3,4,5"));
        list->setCurrentItem(list->topLevelItem(3));
        links->Delete();
        links->Add();
        QCOMPARE(idsShown(), QString("1,2,3,5,6"));
        sheet->okButton()->click();
        QVERIFY(!sheet->isVisible());

        const CBookRecord saved = loaded(f.cat, id);
        QStringList stored;
        for (const CLinkEntry &l : saved.links)
            stored << l.LinkID + ' ' + l.Name;
        QCOMPARE(stored, QStringList({"1 a", "2 b", "3 c", "4 e", "5 f"}));
    }

    // The save is all or nothing: a failed one changed nothing, so the sheet
    // stays open with everything typed for another try.
    void failedSave_keepsTheSheetOpenWithTheEdits()
    {
        Fixture f;
        const int id = f.addBook(fullBook());
        const QStringList before = storedValues(f.cat, id);
        f.cat.exec("CREATE TRIGGER refuse BEFORE INSERT ON book BEGIN SELECT RAISE(ABORT, 'refused'); END");
        auto sheet = f.openEdit(id);
        edit(sheet.get(), "editTitle")->setText("Неудача · 失败 · Αποτυχία");
        sheet->okButton()->click();
        QVERIFY(sheet->isVisible());
        QVERIFY(!sheet->saveSucceeded());
        QCOMPARE(edit(sheet.get(), "editTitle")->text(), QString("Неудача · 失败 · Αποτυχία"));
        QCOMPARE(m_messenger.messages.size(), 1);
        QVERIFY(m_messenger.messages.first().contains("refused"));
        QCOMPARE(storedValues(f.cat, id), before); // the book survives the failed save

        // Once the cause is gone, OK again saves what was typed.
        f.cat.exec("DROP TRIGGER refuse");
        sheet->okButton()->click();
        QVERIFY(!sheet->isVisible());
        QCOMPARE(sheet->result(), int(QDialog::Accepted));
        QVERIFY(sheet->saveSucceeded());
        QCOMPARE(loaded(f.cat, id).Title, QString("Неудача · 失败 · Αποτυχία"));
    }

    // --- the list's Add Book and Edit Book -----------------------------------

    void editor_addThenEditRoundTrip()
    {
        TestCatalog cat;
        cat.exec("INSERT INTO category (CatID, Name, ParentID) VALUES (32, 'Novels', 1)");
        DefaultValues defaults;
        defaults.store = "Corner Shop";
        defaults.userText1 = "signed";
        defaults.status = "Wish List";
        defaults.purchaseDate = QDate(2003, 3, 2);
        WriteDefaultValues(defaults);

        COrdoDoc doc;
        QVERIFY(doc.OnOpenDocument(cat.path()));
        doc.setCurrentCategory(32);
        CBookEditor editor(&doc);
        QSignalSpy added(&editor, &CBookEditor::bookAdded);
        QSignalSpy edited(&editor, &CBookEditor::bookEdited);

        QStringList captions;
        editor.setSheetRunner([&](CBookProperties &sheet) {
            sheet.show();
            captions << sheet.windowTitle();
            if (sheet.isNewBook()) {
                sheet.tabWidget()->setCurrentIndex(CBookProperties::GeneralPage);
                edit(&sheet, "editTitle")->setText("Added By Hand");
                edit(&sheet, "editIsbn")->setText("0-596-00712-4");
                sheet.tabWidget()->setCurrentIndex(CBookProperties::PersonalPage);
                // The user's defaults are in place.
                if (combo(&sheet, "comboStore")->currentText() != "Corner Shop")
                    return int(QDialog::Rejected);
            } else {
                if (edit(&sheet, "editTitle")->text() != "Added By Hand")
                    return int(QDialog::Rejected);
                edit(&sheet, "editTitle")->setText("Edited By Hand");
            }
            sheet.okButton()->click();
            return sheet.result();
        });

        QVERIFY(editor.AddBook());
        QCOMPARE(added.count(), 1);
        const int id = cat.count("SELECT MAX(BookID) FROM book");
        CBookRecord r = loaded(cat, id);
        QCOMPARE(r.Title, QString("Added By Hand"));
        QCOMPARE(r.ISBN, QString("0596007124"));
        QCOMPARE(r.Store, QString("Corner Shop"));
        QCOMPARE(r.UserText1, QString("signed"));
        QCOMPARE(r.Status, QString("Wish List"));
        QCOMPARE(r.PurchaseDate, QString("Mar 02, 2003"));
        QCOMPARE(cat.scalar(QString("SELECT CatID FROM book_category WHERE BookID=%1").arg(id)),
                 QString("32"));

        cat.exec(QString("INSERT INTO book_category (BookID, CatID) VALUES (%1, 2)").arg(id));
        QVERIFY(editor.EditBook(id, 0));
        QCOMPARE(edited.count(), 1);
        QCOMPARE(edited.first().first().toInt(), 0);
        QCOMPARE(captions, QStringList({"Add Book", "Edit Book"}));
        QCOMPARE(cat.scalar(QString("SELECT Title FROM book WHERE BookID=%1").arg(id)),
                 QString("Edited By Hand"));
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book"), 1);
        QCOMPARE(cat.scalar(QString("SELECT group_concat(CatID) FROM (SELECT CatID FROM book_category "
                                    "WHERE BookID=%1 ORDER BY CatID)")
                                .arg(id)),
                 QString("2,32"));

        // A sheet closed with Cancel reports nothing.
        editor.setSheetRunner([](CBookProperties &) { return int(QDialog::Rejected); });
        QVERIFY(!editor.AddBook());
        QVERIFY(!editor.EditBook(id, 0));
        QCOMPARE(added.count(), 1);
        QCOMPARE(edited.count(), 1);
    }

    void editor_servesTheListCommands()
    {
        TestCatalog cat;
        COrdoDoc doc;
        QVERIFY(doc.OnOpenDocument(cat.path()));
        doc.setCurrentCategory(1);
        COrdoListView list(&doc);
        CBookEditor editor(&doc);
        editor.attachList(&list);
        // Add Book asks how first; here: by hand.
        editor.addBookCommand()->setAddBookDialogRunner([](CAddBookDlg &dialog) {
            dialog.setMode(CAddBookDlg::ModeManual);
            dialog.accept();
            return dialog.result();
        });
        int runs = 0;
        editor.setSheetRunner([&](CBookProperties &sheet) {
            ++runs;
            sheet.show();
            edit(&sheet, "editTitle")->setText(sheet.isNewBook() ? QString("Bbb") : QString("Ccc"));
            sheet.okButton()->click();
            return sheet.result();
        });
        cat.exec("INSERT INTO book (BookID, Title) VALUES (1, 'Aaa')");
        cat.exec("INSERT INTO book_category (BookID, CatID) VALUES (1, 1)");
        list.LoadBooks();
        QCOMPARE(list.model()->rowCount(), 1);

        list.runCommand(Cmd::AddBook);
        QCOMPARE(runs, 1);
        QCOMPARE(list.model()->rowCount(), 2); // reloaded after the addition

        list.selectRow(0);
        list.RebuildSelection();
        QCOMPARE(doc.selectedBooks().size(), 1);
        const int first = doc.selectedBooks().first();
        list.runCommand(Cmd::EditBook);
        QCOMPARE(runs, 2);
        QCOMPARE(cat.scalar(QString("SELECT Title FROM book WHERE BookID=%1").arg(first)), QString("Ccc"));
        QCOMPARE(list.model()->rowCount(), 2);
        QCOMPARE(list.selectedRowNumbers(), QVector<int>({0})); // the same row index is selected again
    }
};

QTEST_MAIN(BookPropertiesTest)
#include "bookproperties_test.moc"
