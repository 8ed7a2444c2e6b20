#include "app/messenger.h"
#include "app/strings.h"
#include "filebytes.h"
#include "findcontrol.h"
#include "online/addbookdlg.h"
#include "recordingmessenger.h"
#include "testsettings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A shown, active dialog, so that focus moves can be checked.
struct ShownDialog
{
    ShownDialog()
    {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        if (!QTest::qWaitForWindowActive(&dialog))
            qWarning("dialog not active");
    }
    QWidget *focus() const { return QApplication::focusWidget(); }
    QPlainTextEdit *isbns() { return FindControl<QPlainTextEdit>(&dialog, "editIsbns"); }
    QLineEdit *edit(const char *name) { return FindControl<QLineEdit>(&dialog, name); }
    QRadioButton *radio(const char *name) { return FindControl<QRadioButton>(&dialog, name); }
    QPushButton *button(const char *name) { return FindControl<QPushButton>(&dialog, name); }

    CAddBookDlg dialog;
};

} // namespace

class AddBookDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void startsInIsbnModeWithTheIsbnEditFocused()
    {
        ShownDialog d;
        QCOMPARE(d.dialog.windowTitle(), QString("Add Book"));
        QCOMPARE(d.dialog.mode(), int(CAddBookDlg::ModeIsbn));
        QVERIFY(d.radio("radioQueryByIsbn")->isChecked());
        QCOMPARE(d.focus(), static_cast<QWidget *>(d.isbns()));
        QVERIFY(d.isbns()->isEnabled());
        for (const char *name : {"editTitle", "editAuthor", "editPublisher"})
            QVERIFY(!d.edit(name)->isEnabled());
        QCOMPARE(d.radio("radioQueryByIsbn")->text(), QString("Query Online By &ISBN(s)"));
        QCOMPARE(d.radio("radioQueryByTitle")->text(),
                 QString("Query Online &By Title, Author and Publisher"));
        QCOMPARE(d.radio("radioManually")->text(), QString("Add a Book &Manually"));
    }

    void modesEnableTheirEditsAndMoveTheFocus()
    {
        ShownDialog d;
        d.radio("radioQueryByTitle")->click();
        QCOMPARE(d.dialog.mode(), int(CAddBookDlg::ModeKeywords));
        QVERIFY(!d.isbns()->isEnabled());
        for (const char *name : {"editTitle", "editAuthor", "editPublisher"})
            QVERIFY(d.edit(name)->isEnabled());
        QCOMPARE(d.focus(), static_cast<QWidget *>(d.edit("editTitle")));

        d.edit("editAuthor")->setFocus();
        d.radio("radioManually")->click();
        QCOMPARE(d.dialog.mode(), int(CAddBookDlg::ModeManual));
        QVERIFY(!d.isbns()->isEnabled());
        QVERIFY(!d.edit("editTitle")->isEnabled());

        d.radio("radioQueryByIsbn")->click();
        QVERIFY(d.isbns()->isEnabled());
        QCOMPARE(d.focus(), static_cast<QWidget *>(d.isbns()));
        // Load and Save work in every mode.
        for (const char *radio : {"radioQueryByIsbn", "radioQueryByTitle", "radioManually"}) {
            d.radio(radio)->click();
            QVERIFY(d.button("buttonLoad")->isEnabled());
            QVERIFY(d.button("buttonSave")->isEnabled());
        }
    }

    void isbnListIsReadLineByLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("questions");
        QTest::newRow("hyphens stay") << "0-596-00027-8 " << QStringList{"0-596-00027-8"} << QStringList{};
        // A blank line (empty or only blanks) no longer ends the list.
        QTest::newRow("blank line skipped")
            << "0-596-00027-8\n\n0596000278" << QStringList{"0-596-00027-8", "0596000278"} << QStringList{};
        QTest::newRow("blank line of spaces") << "0596000278\r\n   \r\n1565922433\r\n"
                                              << QStringList{"0596000278", "1565922433"} << QStringList{};
        QTest::newRow("scanned 978 EAN") << "9780596000271" << QStringList{"0596000278"} << QStringList{};
        QTest::newRow("EAN with add-on")
            << "978059600027152499" << QStringList{"0596000278"} << QStringList{};
        QTest::newRow("EAN, space, add-on")
            << "9780596000271 52499" << QStringList{"0596000278"} << QStringList{};
        QTest::newRow("979 ISBN-13") << "9791090636071" << QStringList{"9791090636071"} << QStringList{};
        QTest::newRow("979 with add-on")
            << "979109063607190000" << QStringList{"9791090636071"} << QStringList{};
        QTest::newRow("hyphenated ISBN-13")
            << "978-1-56592-243-3" << QStringList{"978-1-56592-243-3"} << QStringList{};
        QTest::newRow("invalid skipped on Yes") << "12345\n0596000278" << QStringList{"0596000278"}
                                                << QStringList{"12345 is not a valid ISBN. Ignore this one?"};
        QTest::newRow("979-0 is music") << "9790000000001" << QStringList{}
                                        << QStringList{"9790000000001 is not a valid ISBN. Ignore this one?"};
        QTest::newRow("wrong check digit") << "0596000279" << QStringList{}
                                           << QStringList{"0596000279 is not a valid ISBN. Ignore this one?"};
        QTest::newRow("any language")
            << "Κείμενο книга 书 é\n1565922433" << QStringList{"1565922433"}
            << QStringList{"Κείμενο книга 书 é is not a valid ISBN. Ignore this one?"};
    }
    void isbnListIsReadLineByLine()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, questions);
        RecordingMessenger messages;
        messages.answer = true;
        CAddBookDlg dialog;
        dialog.setIsbnText(text);
        dialog.accept();
        QCOMPARE(messages.questions, questions);
        QCOMPARE(dialog.isbnList(), expected);
        if (expected.isEmpty()) {
            QCOMPARE(messages.messages, QStringList{"No valid ISBN found."});
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        } else {
            QVERIFY(messages.messages.isEmpty());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
    }

    void answeringNoKeepsTheDialogOpenAndStartsOver()
    {
        RecordingMessenger messages;
        messages.answer = false;
        ShownDialog d;
        d.dialog.setIsbnText("0596000278\nnot an isbn\n1565922433");
        d.button("buttonLoad")->setFocus();
        d.dialog.accept();
        QVERIFY(d.dialog.isVisible());
        QCOMPARE(d.dialog.result(), int(QDialog::Rejected));
        QCOMPARE(messages.questions, QStringList{"not an isbn is not a valid ISBN. Ignore this one?"});
        QCOMPARE(d.focus(), static_cast<QWidget *>(d.isbns()));
        QVERIFY(d.dialog.isbnList().isEmpty());

        // The next OK reads from the first line again.
        messages.answer = true;
        d.dialog.accept();
        QCOMPARE(d.dialog.isbnList(), QStringList({"0596000278", "1565922433"}));
        QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
    }

    void emptyIsbnTextIsRefused()
    {
        RecordingMessenger messages;
        ShownDialog d;
        d.dialog.setIsbnText(" \n\t\n ");
        d.button("buttonSave")->setFocus();
        d.dialog.accept();
        QCOMPARE(messages.messages, QStringList{"No valid ISBN found."});
        QVERIFY(messages.questions.isEmpty());
        QCOMPARE(d.focus(), static_cast<QWidget *>(d.isbns()));
        QVERIFY(d.dialog.isVisible());
    }

    void keywordModeNeedsOneWord()
    {
        RecordingMessenger messages;
        ShownDialog d;
        d.radio("radioQueryByTitle")->click();
        d.edit("editTitle")->setText("   ");
        d.edit("editPublisher")->setFocus();
        d.dialog.accept();
        QCOMPARE(messages.messages,
                 QStringList{"Please enter at least one of them: title, author and publisher."});
        QCOMPARE(d.focus(), static_cast<QWidget *>(d.edit("editTitle")));
        QVERIFY(d.dialog.isVisible());

        // Words in any language, trimmed; the ISBN text is not looked at.
        d.dialog.setIsbnText("not an isbn");
        d.edit("editTitle")->setText("  Ἰλιάς — Война и мир  ");
        d.edit("editAuthor")->setText(" 曹雪芹 ");
        d.edit("editPublisher")->setText("Éditions du Seuil");
        d.dialog.accept();
        QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(d.dialog.mode(), int(CAddBookDlg::ModeKeywords));
        QCOMPARE(d.dialog.title(), QString("Ἰλιάς — Война и мир"));
        QCOMPARE(d.dialog.author(), QString("曹雪芹"));
        QCOMPARE(d.dialog.publisher(), QString("Éditions du Seuil"));
        QVERIFY(d.dialog.isbnList().isEmpty());
        QCOMPARE(messages.messages.size(), 1);
    }

    void manualModeChecksNothing()
    {
        RecordingMessenger messages;
        CAddBookDlg dialog;
        dialog.setIsbnText("garbage");
        dialog.setMode(CAddBookDlg::ModeManual);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.mode(), int(CAddBookDlg::ModeManual));
        QVERIFY(messages.messages.isEmpty());
        QVERIFY(messages.questions.isEmpty());
    }

    void saveThenLoadRoundTrip()
    {
        RecordingMessenger messages;
        QTemporaryDir dir;
        const QString path = dir.filePath("list.txt");
        QString filterSeen;
        {
            ShownDialog d;
            d.dialog.setSaveFileDialog([&](QWidget *, const QString &filter) {
                filterSeen = filter;
                return path;
            });
            d.dialog.setIsbnText("\n 0596000278\n9780596000271 \n1565922433\n\n");
            d.button("buttonLoad")->setFocus();
            d.button("buttonSave")->click();
            QCOMPARE(messages.messages, QStringList{"File has been saved."});
            QCOMPARE(messages.icons.value(0), IMessenger::Icon::Information);
            QCOMPARE(d.focus(), static_cast<QWidget *>(d.isbns()));
        }
        QCOMPARE(filterSeen, QString("Text Files (*.txt);;All Files (*)"));
        // Every line ends in CR LF.
        QCOMPARE(FileBytes(path), QByteArray("0596000278\r\n9780596000271 \r\n1565922433\r\n"));

        messages.clear();
        ShownDialog d;
        d.dialog.setOpenFileDialog([&](QWidget *, const QString &) { return path; });
        d.button("buttonLoad")->click();
        QVERIFY(messages.messages.isEmpty());
        QCOMPARE(d.dialog.isbnText(), QString("0596000278\n9780596000271\n1565922433"));
        QCOMPARE(d.focus(), static_cast<QWidget *>(d.isbns()));
    }

    void loadDropsBlankLines()
    {
        RecordingMessenger messages;
        QTemporaryDir dir;
        const QString path = dir.filePath("scanned.txt");
        writeAll(path, "0596000278\n  \n\t1565922433  \r\n\r\n");
        CAddBookDlg dialog;
        dialog.setOpenFileDialog([&](QWidget *, const QString &) { return path; });
        dialog.OnLoad();
        QCOMPARE(dialog.isbnText(), QString("0596000278\n1565922433"));

        // An all-blank file leaves the edit as it was.
        writeAll(path, " \r\n\r\n   ");
        dialog.OnLoad();
        QCOMPARE(dialog.isbnText(), QString("0596000278\n1565922433"));
        QVERIFY(messages.messages.isEmpty());
    }

    void loadRefusals()
    {
        RecordingMessenger messages;
        QTemporaryDir dir;
        CAddBookDlg dialog;
        dialog.setIsbnText("1565922433");
        QString path = dir.filePath("missing.txt");
        dialog.setOpenFileDialog([&](QWidget *, const QString &) { return path; });
        dialog.OnLoad();
        QCOMPARE(messages.messages, QStringList{"Cannot open file for reading."});

        // Larger than 1 MiB: not an ISBN list.
        path = dir.filePath("huge.txt");
        QByteArray big;
        while (big.size() <= 1024 * 1024)
            big += "0596000278\r\n";
        writeAll(path, big);
        messages.clear();
        dialog.OnLoad();
        QCOMPARE(messages.messages, QStringList{"Cannot open file for reading."});
        QCOMPARE(dialog.isbnText(), QString("1565922433"));

        // Exactly 1 MiB is still read.
        writeAll(path, big.left(1024 * 1024 - 12) + QByteArray(12, '\n'));
        messages.clear();
        dialog.OnLoad();
        QVERIFY(messages.messages.isEmpty());
        QVERIFY(dialog.isbnText().startsWith("0596000278\n0596000278"));

        // Cancelling the file dialog changes nothing.
        dialog.setIsbnText("1565922433");
        path.clear();
        dialog.OnLoad();
        QVERIFY(messages.messages.isEmpty());
        QCOMPARE(dialog.isbnText(), QString("1565922433"));
    }

    void saveRefusals()
    {
        RecordingMessenger messages;
        QTemporaryDir dir;
        int asked = 0;
        CAddBookDlg dialog;
        QString path = dir.filePath("no/such/folder/list.txt");
        dialog.setSaveFileDialog([&](QWidget *, const QString &) {
            ++asked;
            return path;
        });
        dialog.setIsbnText(" \n ");
        dialog.OnSave();
        QCOMPARE(messages.messages, QStringList{"Nothing to save."});
        QCOMPARE(asked, 0);

        messages.clear();
        dialog.setIsbnText("0596000278");
        dialog.OnSave();
        QCOMPARE(messages.messages, QStringList{"Cannot open file for writing."});
        QVERIFY(!QFile::exists(path));

        // Cancelled: nothing written, nothing said.
        messages.clear();
        path.clear();
        dialog.OnSave();
        QVERIFY(messages.messages.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }
};

QTEST_MAIN(AddBookDlgTest)
#include "addbookdlg_test.moc"
