#include "app/strings.h"
#include "edit/booklinkspage.h"
#include "edit/linkgeneralpage.h"
#include "edit/linkproperties.h"
#include "findcontrol.h"
#include "recordingmessenger.h"
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct LinkInput
{
    LinkType type;
    QString title;
    QString path;
    QString notes;
};

// Fills the link sheet like a user and presses OK.
int fillAndConfirm(CLinkProperties &sheet, const LinkInput &input)
{
    sheet.show();
    CLinkGeneralPage *page = sheet.generalPage();
    page->ChooseType(input.type);
    FindControl<QComboBox>(page, "comboTitle")->setCurrentText(input.title);
    FindControl<QLineEdit>(page, "editPath")->setText(input.path);
    FindControl<QPlainTextEdit>(page, "editNotes")->setPlainText(input.notes);
    sheet.PressOk();
    return sheet.result();
}

// The links page in a sheet of its own, with a second page to leave to.
struct LinksFixture
{
    CPropertySheet sheet{QStringLiteral("Book")};
    CBookLinksPage *page = new CBookLinksPage;
    QList<LinkInput> inputs; // what the next link sheets are filled with
    QStringList captions;
    QList<LinkType> types; // the type each link sheet opened with
    QStringList suggestions;

    explicit LinksFixture(const QVector<CLinkEntry> &links)
    {
        page->m_links = links;
        page->setSheetRunner([this](CLinkProperties &s) {
            captions << s.windowTitle();
            s.show();
            types << LinkType(s.generalPage()->m_type);
            QStringList items;
            for (int i = 0; i < FindControl<QComboBox>(s.generalPage(), "comboTitle")->count(); ++i)
                items << FindControl<QComboBox>(s.generalPage(), "comboTitle")->itemText(i);
            suggestions = items;
            if (inputs.isEmpty())
                return int(QDialog::Rejected);
            return fillAndConfirm(s, inputs.takeFirst());
        });
        sheet.AddPage(page);
        sheet.AddPage(new CPropertyPage(QStringLiteral("Other")));
        sheet.show();
    }

    QTreeWidget *list() const { return FindControl<QTreeWidget>(page, "listLinks"); }
    QStringList rows() const
    {
        QStringList out;
        for (int i = 0; i < list()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *item = list()->topLevelItem(i);
            out << QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}.join('|');
        }
        return out;
    }
    void select(int row) { list()->setCurrentItem(list()->topLevelItem(row)); }
    // Leaves the page, which writes the list back.
    void leave() { sheet.SetActivePage(1); }
};

QString ids(const QVector<CLinkEntry> &links)
{
    QStringList out;
    for (const CLinkEntry &l : links)
        out << l.LinkID;
    return out.join(',');
}

} // namespace

class BookLinksPageTest : public QObject
{
    Q_OBJECT

    RecordingMessenger m_messenger;
    QTemporaryDir m_dir;
    QString m_folder;
    QString m_file;

private slots:
    void initTestCase()
    {
        m_folder = m_dir.filePath("Ἰλιάς 书");
        QVERIFY(QDir().mkpath(m_folder));
        m_file = m_folder + "/Война и мир.pdf";
        QFile f(m_file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
    }
    void init() { m_messenger.clear(); }

    void listShowsTheLinksInFourColumns()
    {
        LinksFixture f({{"1", "Автор", "https://example.org", "κείμενο"}, {"2", "书", m_file, ""}});
        QCOMPARE(f.list()->columnCount(), 4);
        QStringList headers;
        for (int c = 0; c < 4; ++c)
            headers << f.list()->headerItem()->text(c);
        QCOMPARE(headers, QStringList({"ID", "Title", "Path", "Notes"}));
        QCOMPARE(f.list()->columnWidth(0), 30);
        QCOMPARE(f.list()->columnWidth(2), 200);
        QCOMPARE(f.rows(), QStringList({"1|Автор|https://example.org|κείμενο", "2|书|" + m_file + "|"}));
        QCOMPARE(f.list()->selectionMode(), QAbstractItemView::SingleSelection);
    }

    void addEditDelete_andTheNumbering()
    {
        LinksFixture f({{"1", "a", "x", ""}, {"2", "b", "y", ""}, {"3", "c", "z", ""}});
        f.inputs = {{LinkType::Url, "Author's website", "https://example.org/author", "café"},
                    {LinkType::Folder, "  eBook folder  ", "  " + m_folder + "  ", ""}};
        f.page->Add();
        f.page->Add();
        QCOMPARE(f.captions, QStringList({"Add Link", "Add Link"}));
        // A new link starts as a file link with the file suggestions.
        QCOMPARE(f.types, QList<LinkType>({LinkType::File, LinkType::File}));
        QCOMPARE(f.rows().mid(3), QStringList({"4|Author's website|https://example.org/author|café",
                                               "5|eBook folder|" + m_folder + "|"}));
        // Deleting a link does not free its number, nor does one in the middle.
        f.select(4);
        f.page->Delete();
        f.select(1);
        f.page->Delete();
        f.inputs = {{LinkType::Other, "ISBN", "0-201-61622-X", ""}};
        f.page->Add();
        QCOMPARE(f.rows(),
                 QStringList({"1|a|x|", "3|c|z|", "4|Author's website|https://example.org/author|café",
                              "6|ISBN|0-201-61622-X|"}));
        // Cancel adds nothing.
        f.page->Add();
        QCOMPARE(f.rows().size(), 4);

        // Edit keeps the number and opens on the guessed type.
        f.select(2);
        f.inputs = {{LinkType::Url, "Publisher", "https://example.org/pub", "new notes"}};
        f.page->Edit();
        QCOMPARE(f.captions.last(), QString("Edit Link"));
        QCOMPARE(f.types.last(), LinkType::Url);
        QCOMPARE(f.rows().at(2), QString("4|Publisher|https://example.org/pub|new notes"));

        f.leave();
        QCOMPARE(ids(f.page->m_links), QString("1,3,4,6"));
        QCOMPARE(f.page->m_links.at(3).Name, QString("ISBN"));
        QVERIFY(m_messenger.messages.isEmpty());
    }

    void numbersAboveTheRowCountAreNotRepeated()
    {
        // Numbers as a catalogue may hold them: not 1..n.
        LinksFixture f({{"7", "a", "x", ""}, {"", "b", "y", ""}});
        f.inputs = {{LinkType::Other, "c", "z", ""}};
        f.page->Add();
        QCOMPARE(f.rows().last().section('|', 0, 0), QString("8"));
        LinksFixture g({{"0", "a", "x", ""}, {"1", "b", "y", ""}, {"1", "c", "y", ""}});
        g.inputs = {{LinkType::Other, "d", "z", ""}};
        g.page->Add();
        QCOMPARE(g.rows().last().section('|', 0, 0), QString("4"));
    }

    void editAndDelete_needASelection()
    {
        LinksFixture f({{"1", "a", "x", ""}});
        f.list()->clearSelection();
        f.list()->setCurrentItem(nullptr);
        FindControl<QPushButton>(f.page, "buttonEdit")->click();
        FindControl<QPushButton>(f.page, "buttonDelete")->click();
        QCOMPARE(m_messenger.messages, QStringList({"Please select one item from the list.",
                                                    "Please select one item from the list."}));
        QCOMPARE(f.rows().size(), 1);
        QVERIFY(f.captions.isEmpty());
    }

    void unvisitedPage_keepsTheLinks()
    {
        CPropertySheet sheet("Book");
        sheet.AddPage(new CPropertyPage("General"));
        auto *page = new CBookLinksPage;
        page->m_links = {{"5", "a", "x", ""}};
        sheet.AddPage(page);
        sheet.show();
        QVERIFY(sheet.PressOk());
        QCOMPARE(ids(page->m_links), QString("5"));
    }

    void typeIsGuessedOnEdit_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("suggestions");
        QTest::addColumn<bool>("browse");
        QTest::newRow("web address") << "https://example.org/книга" << int(LinkType::Url)
                                     << QStringList({"Author's website", "This book on publisher's website"})
                                     << false;
        QTest::newRow("file") << "%F" << int(LinkType::File) << QStringList({"eBook file", "Other info"})
                              << true;
        QTest::newRow("folder") << "%D" << int(LinkType::Folder)
                                << QStringList({"eBook folder", "Source code folder"}) << true;
        QTest::newRow("other") << "shelf 3, box 2" << int(LinkType::Other) << QStringList() << false;
    }
    void typeIsGuessedOnEdit()
    {
        QFETCH(QString, path);
        QFETCH(int, type);
        QFETCH(QStringList, suggestions);
        QFETCH(bool, browse);
        path.replace("%F", m_file).replace("%D", m_folder);
        CLinkProperties sheet(IDS_EDIT_LINK, false);
        CLinkGeneralPage *page = sheet.generalPage();
        page->m_title = "Мой";
        page->m_path = path;
        sheet.show();
        QCOMPARE(page->m_type, type);
        QVERIFY(FindControl<QRadioButton>(page, "radioUrl")->isChecked() == (type == int(LinkType::Url)));
        QVERIFY(FindControl<QRadioButton>(page, "radioFolder")->isChecked() ==
                (type == int(LinkType::Folder)));
        QStringList items;
        for (int i = 0; i < FindControl<QComboBox>(page, "comboTitle")->count(); ++i)
            items << FindControl<QComboBox>(page, "comboTitle")->itemText(i);
        QCOMPARE(items, suggestions);
        QCOMPARE(FindControl<QComboBox>(page, "comboTitle")->currentText(), QString("Мой"));
        QCOMPARE(FindControl<QLineEdit>(page, "editPath")->text(), path);
        QCOMPARE(FindControl<QToolButton>(page, "buttonBrowse")->isEnabled(), browse);
    }

    void choosingAType_keepsTheTypedTitle()
    {
        CLinkProperties sheet(IDS_ADD_LINK, true);
        CLinkGeneralPage *page = sheet.generalPage();
        sheet.show();
        QVERIFY(FindControl<QRadioButton>(page, "radioFile")->isChecked());
        FindControl<QComboBox>(page, "comboTitle")->setCurrentText("Typed 标题");
        FindControl<QRadioButton>(page, "radioFolder")->click();
        QCOMPARE(FindControl<QComboBox>(page, "comboTitle")->currentText(), QString("Typed 标题"));
        QCOMPARE(FindControl<QComboBox>(page, "comboTitle")->itemText(0), QString("eBook folder"));
        FindControl<QRadioButton>(page, "radioOther")->click();
        QCOMPARE(FindControl<QComboBox>(page, "comboTitle")->count(), 0);
        QVERIFY(!FindControl<QToolButton>(page, "buttonBrowse")->isEnabled());
        QCOMPARE(FindControl<QComboBox>(page, "comboTitle")->currentText(), QString("Typed 标题"));
    }

    void browse_takesTheChosenPathByType()
    {
        CLinkProperties sheet(IDS_ADD_LINK, true);
        CLinkGeneralPage *page = sheet.generalPage();
        QList<LinkType> asked;
        QString answer = m_file;
        page->setChooser([&](LinkType type) {
            asked << type;
            return answer;
        });
        sheet.show();
        FindControl<QComboBox>(page, "comboTitle")->setCurrentText("Book");
        FindControl<QToolButton>(page, "buttonBrowse")->click();
        QCOMPARE(FindControl<QLineEdit>(page, "editPath")->text(), m_file);
        QCOMPARE(FindControl<QComboBox>(page, "comboTitle")->currentText(), QString("Book"));
        FindControl<QRadioButton>(page, "radioFolder")->click();
        answer.clear(); // cancelled: the path stays
        FindControl<QToolButton>(page, "buttonBrowse")->click();
        QCOMPARE(FindControl<QLineEdit>(page, "editPath")->text(), m_file);
        answer = m_folder;
        FindControl<QToolButton>(page, "buttonBrowse")->click();
        QCOMPARE(FindControl<QLineEdit>(page, "editPath")->text(), m_folder);
        QCOMPARE(asked, QList<LinkType>({LinkType::File, LinkType::Folder, LinkType::Folder}));
    }

    void wrongInput_isRefusedWithItsMessage_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("focusOnPath");
        QTest::newRow("blank title") << int(LinkType::Other) << "   "
                                     << "x"
                                     << "Link title and path cannot be empty." << false;
        QTest::newRow("blank path") << int(LinkType::Url) << "Site"
                                    << " \t "
                                    << "Link title and path cannot be empty." << false;
        QTest::newRow("URL without scheme") << int(LinkType::Url) << "Site"
                                            << "www.example.org"
                                            << "URL is not valid." << true;
        QTest::newRow("URL without dot") << int(LinkType::Url) << "Site"
                                         << "http://localhost"
                                         << "URL is not valid." << true;
        QTest::newRow("missing file") << int(LinkType::File) << "eBook"
                                      << "%D/missing.pdf"
                                      << "File does not exist." << true;
        QTest::newRow("folder as file") << int(LinkType::File) << "eBook"
                                        << "%D"
                                        << "File does not exist." << true;
        QTest::newRow("missing folder") << int(LinkType::Folder) << "eBooks"
                                        << "%D/gone"
                                        << "Folder does not exist." << true;
        QTest::newRow("file as folder") << int(LinkType::Folder) << "eBooks"
                                        << "%F"
                                        << "Folder does not exist." << true;
    }
    void wrongInput_isRefusedWithItsMessage()
    {
        QFETCH(int, type);
        QFETCH(QString, title);
        QFETCH(QString, path);
        QFETCH(QString, message);
        QFETCH(bool, focusOnPath);
        path.replace("%F", m_file).replace("%D", m_folder);
        CLinkProperties sheet(IDS_ADD_LINK, true);
        sheet.show();
        QApplication::setActiveWindow(&sheet);
        CLinkGeneralPage *page = sheet.generalPage();
        page->ChooseType(LinkType(type));
        FindControl<QComboBox>(page, "comboTitle")->setCurrentText(title);
        FindControl<QLineEdit>(page, "editPath")->setText(path);
        FindControl<QComboBox>(page, "comboTitle")->setFocus();
        QVERIFY(!sheet.PressOk());
        QVERIFY(sheet.isVisible());
        QCOMPARE(m_messenger.messages, QStringList{message});
        // The trimmed texts are shown again.
        QCOMPARE(FindControl<QLineEdit>(page, "editPath")->text(), path.trimmed());
        QCOMPARE(FindControl<QComboBox>(page, "comboTitle")->currentText(), title.trimmed());
        if (focusOnPath)
            QCOMPARE(sheet.focusWidget(), FindControl<QLineEdit>(page, "editPath"));
    }

    void goodInput_isAccepted_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("path");
        QTest::newRow("URL") << int(LinkType::Url) << "ftp://files.example.org/a";
        QTest::newRow("file") << int(LinkType::File) << "%F";
        QTest::newRow("folder") << int(LinkType::Folder) << "%D";
        QTest::newRow("other") << int(LinkType::Other) << "anything at all";
    }
    void goodInput_isAccepted()
    {
        QFETCH(int, type);
        QFETCH(QString, path);
        path.replace("%F", m_file).replace("%D", m_folder);
        CLinkProperties sheet(IDS_ADD_LINK, true);
        QCOMPARE(fillAndConfirm(sheet, {LinkType(type), " Title ", path + " ", " notes "}),
                 int(QDialog::Accepted));
        QCOMPARE(sheet.generalPage()->m_title, QString("Title"));
        QCOMPARE(sheet.generalPage()->m_path, path);
        QCOMPARE(sheet.generalPage()->m_notes, QString(" notes "));
        QVERIFY(m_messenger.messages.isEmpty());
    }
};

QTEST_MAIN(BookLinksPageTest)
#include "booklinkspage_test.moc"
