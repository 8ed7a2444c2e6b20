// Each lookup source chosen in Options, then a book added by ISBN and one by
// title through the Add Book command, against local servers serving the
// hand-written fixtures of each service.
#include "app/options.h"
#include "bookstorefixture.h"
#include "catalog/bookrecord.h"
#include "catalog/ordodoc.h"
#include "edit/bookeditor.h"
#include "edit/bookproperties.h"
#include "googlebooksfixture.h"
#include "locfixture.h"
#include "online/addbookcommand.h"
#include "online/addbookdlg.h"
#include "online/onlinequeryresultsdlg.h"
#include "testcatalog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

// The Add Book command over a catalogue, recording the sheets it opens.
struct AddBook
{
    TestCatalog cat;
    COrdoDoc doc;
    CBookEditor editor{&doc};
    CAddBookCommand *command = nullptr;
    QList<CBookRecord> sheets;
    int resultsShown = 0;

    AddBook()
    {
        if (!doc.OnOpenDocument(cat.path()))
            qFatal("catalogue did not open");
        doc.setCurrentCategory(1);
        command = editor.addBookCommand();
        editor.setSheetRunner([this](CBookProperties &sheet) {
            sheets << sheet.record();
            sheet.show();
            sheet.okButton()->click();
            return sheet.result();
        });
    }

    bool byIsbn(const QString &isbn)
    {
        command->setAddBookDialogRunner([isbn](CAddBookDlg &d) {
            d.setIsbnText(isbn);
            d.accept();
            return d.result();
        });
        return command->Run();
    }

    bool byTitle(const QString &title, int row)
    {
        command->setAddBookDialogRunner([title](CAddBookDlg &d) {
            d.setMode(CAddBookDlg::ModeKeywords);
            d.findChild<QLineEdit *>("editTitle")->setText(title);
            d.accept();
            return d.result();
        });
        command->setResultsDialogRunner([this, row](COnlineQueryResultsDlg &d) {
            ++resultsShown;
            d.findChild<QTableWidget *>("listResults")->selectRow(row);
            d.accept();
            return d.result();
        });
        return command->Run();
    }
};

// Picks the source in Options the way a user does: the Online page, the
// combo box, OK.
void chooseSource(const QString &label)
{
    COnlineSettings s = COnlineSettings::Load();
    s.source = QStringLiteral("OpenLibrary");
    s.Save();
    COptions sheet(nullptr);
    sheet.SetActivePage(2);
    sheet.show();
    auto *combo = sheet.findChild<QComboBox *>("comboSource");
    combo->setCurrentIndex(combo->findText(label));
    QVERIFY(sheet.PressOk());
    sheet.save({}, 0);
}

} // namespace

class AddBookSourcesTest : public QObject
{
    Q_OBJECT

private slots:
    void bookstore()
    {
        BookstoreFixture f;
        chooseSource(QStringLiteral("Bookstore service"));
        QCOMPARE(COnlineSettings::Load().source, QString("Bookstore"));
        AddBook add;
        QVERIFY(add.byIsbn(QStringLiteral("1931822409")));
        QCOMPARE(add.sheets.size(), 1);
        QCOMPARE(add.sheets.at(0).Title, QString("Ледяные мосты: Ice Bridges of the Γαλαξίας"));
        QCOMPARE(add.sheets.at(0).Binding, QString("Paperback"));
        QVERIFY(add.sheets.at(0).newFrontCoverSource.endsWith(".jpg"));

        f.serveAnswer(QStringLiteral("/onca/xml3?type=heavy&AsinSearch=0975133403"),
                      QStringLiteral("heavy-0944011071.xml"));
        f.servePage(QStringLiteral("0975133403"), QStringLiteral("page-0944011071.html"),
                    "text/html; charset=ISO-8859-1");
        QVERIFY(add.byTitle(QStringLiteral("Light"), 0));
        QCOMPARE(add.resultsShown, 1);
        QCOMPARE(add.sheets.size(), 2);
        QCOMPARE(add.sheets.at(1).ISBN, QString("0975133403"));
        QCOMPARE(add.sheets.at(1).Edition, QString("Première édition, révisée"));
        QVERIFY(f.messenger.messages.isEmpty());
        QCOMPARE(add.cat.count("SELECT COUNT(*) FROM book"), 2);
    }

    void googleBooks()
    {
        GoogleBooksFixture f;
        chooseSource(QStringLiteral("Google Books"));
        AddBook add;
        QVERIFY(add.byIsbn(QStringLiteral("978-0-9751334-3-9")));
        QCOMPARE(add.sheets.size(), 1);
        QCOMPARE(add.sheets.at(0).Title, QString("Θάλασσα και φως"));
        QCOMPARE(add.sheets.at(0).ISBN, QString("0975133438"));
        QVERIFY(add.sheets.at(0).newFrontCoverSource.endsWith(".jpg"));

        QVERIFY(add.byTitle(QStringLiteral("Рукописный"), 1)); // the row without ISBN
        QCOMPARE(add.sheets.size(), 2);
        QCOMPARE(add.sheets.at(1).Title, QString("Рукописный сборник"));
        QVERIFY(f.messenger.messages.isEmpty());
    }

    void libraryOfCongress()
    {
        LocFixture f;
        f.serve(QStringLiteral("/LCDB?startRecord=1&maximumRecords=20"), QStringLiteral("search-page1.xml"));
        chooseSource(QStringLiteral("Library of Congress"));
        AddBook add;
        QVERIFY(add.byIsbn(QStringLiteral("1551920123")));
        QCOMPARE(add.sheets.size(), 1);
        QCOMPARE(add.sheets.at(0).Title, QString("The art of northern maps"));
        QVERIFY(add.sheets.at(0).newFrontCoverSource.endsWith(".jpg"));

        QVERIFY(add.byTitle(QStringLiteral("карты"), 1)); // the row known by its LCCN
        QCOMPARE(add.sheets.size(), 2);
        QCOMPARE(add.sheets.at(1).Title, QString("Старые карты"));
        QVERIFY(f.messenger.messages.isEmpty());
    }
};

QTEST_MAIN(AddBookSourcesTest)
#include "addbooksources_test.moc"
