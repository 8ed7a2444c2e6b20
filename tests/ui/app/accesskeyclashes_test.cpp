// The access-key check itself: which texts answer to which letter, and which
// controls count as shown together.
#include "accesskeyclashes.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>
#include <QWizard>
#include <QWizardPage>

namespace {

QStringList described(const QList<AccessKeyClash> &clashes)
{
    QStringList lines;
    for (const AccessKeyClash &c : clashes)
        lines << DescribeClash(c);
    return lines;
}

QWidget *page(QWidget *parent, const QStringList &buttons)
{
    auto *w = new QWidget(parent);
    auto *layout = new QVBoxLayout(w);
    for (const QString &text : buttons)
        layout->addWidget(new QPushButton(text, w));
    return w;
}

} // namespace

class AccessKeyClashesTest : public QObject
{
    Q_OBJECT

private slots:
    void letterOfAText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::newRow("first letter") << "&File" << "F";
        QTest::newRow("inside, lower case") << "E&xit" << "X";
        QTest::newRow("Chinese form") << QString::fromUtf8("文件(&F)") << "F";
        QTest::newRow("accented") << QString::fromUtf8("Modalit&à") << QString::fromUtf8("À");
        QTest::newRow("plain ampersand") << "Save && Close" << "";
        QTest::newRow("after a plain ampersand") << "Fish && &Chips" << "C";
        QTest::newRow("none") << "Title" << "";
        QTest::newRow("at the end") << "Title&" << "";
    }
    void letterOfAText()
    {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QCOMPARE(AccessKeyOf(text), key);
    }

    void menuCommandsSharingALetter()
    {
        QMenu menu(QStringLiteral("&Edit"));
        menu.addAction(QStringLiteral("&Edit Category..."));
        menu.addSeparator();
        menu.addAction(QStringLiteral("&Remove Book"));
        menu.addAction(QStringLiteral("&Edit Book..."));
        QAction *hidden = menu.addAction(QStringLiteral("&Recent"));
        hidden->setVisible(false);
        menu.addMenu(QStringLiteral("Send &To"));
        menu.addAction(QStringLiteral("&Toolbar"));
        menu.addAction(QStringLiteral("No key"));
        menu.addAction(QStringLiteral("Also no key"));
        QCOMPARE(described(MenuClashes(&menu, QStringLiteral("menu Edit"))),
                 QStringList({"menu Edit: E in \"&Edit Category...\" and \"&Edit Book...\"",
                              "menu Edit: T in \"Send &To\" and \"&Toolbar\""}));
    }

    // A tab's title answers on every page; the controls of two pages are
    // never shown together.
    void tabsAndTheirPages()
    {
        QDialog dialog;
        auto *tabs = new QTabWidget(&dialog);
        QWidget *general = page(nullptr, {QStringLiteral("&Browse...")});
        auto *title = new QLabel(QStringLiteral("&Title:"), general);
        title->setBuddy(new QLineEdit(general));
        new QLabel(QStringLiteral("&Notes (no buddy)"), general);
        tabs->addTab(general, QStringLiteral("&General"));
        QWidget *personal = page(nullptr, {QStringLiteral("&Browse again")});
        auto *group = new QGroupBox(QStringLiteral("&Purchase"), personal);
        new QCheckBox(QStringLiteral("&Gift"), group);
        auto *later = new QPushButton(QStringLiteral("&Update"), personal);
        later->hide(); // shown later, so it counts
        tabs->addTab(personal, QStringLiteral("&Personal"));
        auto *buttons = new QDialogButtonBox(&dialog);
        buttons->addButton(QStringLiteral("&Update all"), QDialogButtonBox::ApplyRole);

        QCOMPARE(described(WindowClashes(&dialog, QStringLiteral("sheet"))),
                 QStringList({"sheet / Personal: P in \"&Personal\" and \"&Purchase\"",
                              "sheet / Personal: G in \"&General\" and \"&Gift\"",
                              "sheet / Personal: U in \"&Update all\" and \"&Update\""}));
    }

    void wizardButtonsStandBesideEveryPage()
    {
        QWizard wizard;
        wizard.setWizardStyle(QWizard::ClassicStyle);
        auto *first = new QWizardPage;
        first->setTitle(QStringLiteral("Choose a file"));
        (new QVBoxLayout(first))->addWidget(new QPushButton(QStringLiteral("&Browse...")));
        wizard.addPage(first);
        auto *second = new QWizardPage;
        second->setTitle(QStringLiteral("Where"));
        (new QVBoxLayout(second))->addWidget(new QCheckBox(QStringLiteral("Into a &new category")));
        wizard.addPage(second);
        wizard.setButtonText(QWizard::FinishButton, QStringLiteral("&Import"));

        QCOMPARE(described(WindowClashes(&wizard, QStringLiteral("Import"))),
                 QStringList({"Import / Choose a file: B in \"< &Back\" and \"&Browse...\"",
                              "Import / Where: N in \"&Next >\" and \"Into a &new category\""}));
    }
};

QTEST_MAIN(AccessKeyClashesTest)
#include "accesskeyclashes_test.moc"
