// The book sheet takes prices, page numbers and lookup names as people type
// them, in any language, and refuses what it cannot store.
#include "app/strings.h"
#include "catalog/imagesfolder.h"
#include "edit/bookproperties.h"
#include "findcontrol.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

QLineEdit *edit(QWidget *sheet, const char *name)
{
    return FindControl<QLineEdit>(sheet, name);
}

struct Fixture
{
    TestSettings settings;
    RecordingMessenger messenger;
    TestCatalog cat;
    QString images = cat.dir() + "/test_images";

    Fixture()
    {
        QDir().mkpath(images);
        SetImagesFolder(images);
    }

    std::unique_ptr<CBookProperties> openAdd(const QString &title = QStringLiteral("Le Petit Prince"))
    {
        auto sheet = std::make_unique<CBookProperties>(IDS_ADD_BOOK);
        sheet->record().Title = title;
        sheet->SetCategoryId(1);
        sheet->SetNewBook(true);
        sheet->SetConnection(cat.shared());
        sheet->show();
        QApplication::setActiveWindow(sheet.get());
        return sheet;
    }
};

// Types text into an edit the way a user does (the edit counts as changed).
void type(QLineEdit *line, const QString &text)
{
    line->selectAll();
    line->del();
    line->insert(text);
}

} // namespace

class BookTypedValuesTest : public QObject
{
    Q_OBJECT

private slots:
    void prices_areStoredAsTheNumberTyped_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("comma") << "fr_FR"
                               << "9,40"
                               << "9.4";
        QTest::newRow("point") << "fr_FR"
                               << "9.40"
                               << "9.4";
        QTest::newRow("euro before") << "de_DE"
                                     << "€12,50"
                                     << "12.5";
        QTest::newRow("euro after") << "de_DE"
                                    << "12,50 €"
                                    << "12.5";
        QTest::newRow("dollar") << "en_US"
                                << "$9.40"
                                << "9.4";
        QTest::newRow("thousands") << "de_DE"
                                   << "1.234,50"
                                   << "1234.5";
        QTest::newRow("blank") << "en_US"
                               << ""
                               << "";
    }

    void prices_areStoredAsTheNumberTyped()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QLocale::setDefault(QLocale(locale));
        Fixture f;
        auto sheet = f.openAdd();
        sheet->tabWidget()->setCurrentIndex(CBookProperties::PersonalPage);
        type(edit(sheet.get(), "editPurchasePrice"), typed);
        type(edit(sheet.get(), "editListPrice"), typed);
        sheet->okButton()->click();
        QLocale::setDefault(QLocale::c());
        QVERIFY(!sheet->isVisible());
        QVERIFY2(f.messenger.messages.isEmpty(), qPrintable(f.messenger.messages.join('\n')));
        QCOMPARE(f.cat.scalar("SELECT PurchasePrice FROM book"), stored);
        QCOMPARE(f.cat.scalar("SELECT ListPrice FROM book"), stored);
    }

    void textThatIsNoPrice_keepsTheSheetOpenOnTheField_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::newRow("purchase price, word") << "editPurchasePrice"
                                              << "cheap";
        QTest::newRow("purchase price, Russian") << "editPurchasePrice"
                                                 << "девять";
        QTest::newRow("list price, two prices") << "editListPrice"
                                                << "9.40 / 12.00";
        QTest::newRow("list price, Chinese") << "editListPrice"
                                             << "九元";
        QTest::newRow("list price, Greek") << "editListPrice"
                                           << "εννέα €";
        QTest::newRow("current page, roman") << "editCurrentPage"
                                             << "xii";
    }

    void textThatIsNoPrice_keepsTheSheetOpenOnTheField()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        Fixture f;
        auto sheet = f.openAdd();
        sheet->tabWidget()->setCurrentIndex(CBookProperties::PersonalPage);
        QLineEdit *line = edit(sheet.get(), qPrintable(field));
        type(line, typed);
        sheet->okButton()->click();
        QVERIFY(sheet->isVisible());
        QCOMPARE(sheet->GetActiveIndex(), int(CBookProperties::PersonalPage));
        QCOMPARE(f.messenger.messages.size(), 1);
        QVERIFY2(f.messenger.messages.first().contains(typed), qPrintable(f.messenger.messages.first()));
        QCOMPARE(sheet->focusWidget(), line);
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book"), 0);
        // Leaving the page is refused the same way; a correction is taken.
        sheet->tabWidget()->setCurrentIndex(CBookProperties::GeneralPage);
        QCOMPARE(sheet->GetActiveIndex(), int(CBookProperties::PersonalPage));
        type(line, "12");
        sheet->okButton()->click();
        QVERIFY(!sheet->isVisible());
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM book"), 1);
    }

    void pages_acceptDigitsOnly()
    {
        Fixture f;
        auto sheet = f.openAdd();
        QLineEdit *pages = edit(sheet.get(), "editPage");
        type(pages, "xii, 340");
        sheet->okButton()->click();
        QVERIFY(sheet->isVisible());
        QCOMPARE(f.messenger.messages.size(), 1);
        QVERIFY(f.messenger.messages.first().contains("xii, 340"));
        QCOMPARE(sheet->focusWidget(), pages);
        type(pages, " 0340 ");
        sheet->okButton()->click();
        QVERIFY(!sheet->isVisible());
        QCOMPARE(f.cat.scalar("SELECT PageCount FROM book"), QString("340"));
    }

    // A stored amount shown unchanged is not read again in the user's
    // locale (where "12.345" would group thousands).
    void unchangedStoredPrice_isKeptAsItIs()
    {
        QLocale::setDefault(QLocale("de_DE"));
        Fixture f;
        f.cat.exec("INSERT INTO book (BookID, Title, ListPrice) VALUES (1, 'Faust', 12.345)");
        auto sheet = std::make_unique<CBookProperties>(IDS_EDIT_BOOK);
        QVERIFY(sheet->record().Load(1, f.cat.connection()));
        sheet->SetCategoryId(1);
        sheet->SetNewBook(false);
        sheet->SetConnection(f.cat.shared());
        sheet->show();
        sheet->tabWidget()->setCurrentIndex(CBookProperties::PersonalPage);
        sheet->okButton()->click();
        QLocale::setDefault(QLocale::c());
        QVERIFY(!sheet->isVisible());
        QCOMPARE(f.cat.scalar("SELECT ListPrice FROM book"), QString("12.345"));
    }

    void lookupLists_matchNamesCaseFoldedInEveryScript_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::newRow("French") << "Éditions du Seuil"
                                << "éditions du seuil";
        QTest::newRow("German") << "Süddeutscher Verlag"
                                << "SÜDDEUTSCHER VERLAG";
        QTest::newRow("Russian") << "Издательство АСТ"
                                 << "издательство аст";
        QTest::newRow("Greek") << "Εκδόσεις Πατάκη"
                               << "ΕΚΔΌΣΕΙΣ ΠΑΤΆΚΗ";
        QTest::newRow("Chinese") << "人民文学出版社"
                                 << "人民文学出版社";
    }

    void lookupLists_matchNamesCaseFoldedInEveryScript()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        Fixture f;
        f.cat.exec("INSERT INTO bookpublisher (PublisherID, Name) VALUES (1, 'Gallimard')");
        f.cat.exec(
            QStringLiteral("INSERT INTO bookpublisher (PublisherID, Name) VALUES (2, '%1')").arg(stored));
        auto sheet = std::make_unique<CBookProperties>(IDS_ADD_BOOK);
        sheet->record().Title = "Книга";
        sheet->record().Publisher = typed;
        sheet->SetCategoryId(1);
        sheet->SetNewBook(true);
        sheet->SetConnection(f.cat.shared());
        sheet->show();
        auto *publisher = sheet->findChild<QComboBox *>("comboPublisher");
        QVERIFY(publisher);
        // The list shows the stored entry for the name as the record holds it.
        QCOMPARE(publisher->currentIndex(), 1);
        sheet->okButton()->click();
        QVERIFY(!sheet->isVisible());
        QCOMPARE(f.cat.count("SELECT COUNT(*) FROM bookpublisher"), 2);
        QCOMPARE(f.cat.scalar("SELECT PublisherID FROM book"), QString("2"));
    }
};

QTEST_MAIN(BookTypedValuesTest)
#include "booktypedvalues_test.moc"
