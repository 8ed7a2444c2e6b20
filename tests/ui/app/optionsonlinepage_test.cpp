// The Online page of Options: what it shows, what OK writes, that an
// unopened page writes nothing, and the connection test against local
// servers.
#include "app/options.h"
#include "app/optionsonlinepage.h"
#include "app/registrykey.h"
#include "findcontrol.h"
#include "googlebooksfixture.h"
#include "online/lookupsource.h"
#include "openlibraryfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

namespace {

const QString kOnlineKey = QStringLiteral("Software\\Quenlow\\Ordo\\Settings\\Online");

// Opens the sheet on the Online page.
void openOnline(COptions &sheet)
{
    sheet.SetActivePage(2);
    sheet.show();
}

QStringList storedKeys()
{
    QSettings ini(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quenlow"),
                  QStringLiteral("Ordo"));
    ini.beginGroup(QStringLiteral("Settings/Online"));
    return ini.childKeys();
}

} // namespace

class OptionsOnlinePageTest : public QObject
{
    Q_OBJECT

private slots:
    void unopenedPageWritesNothing()
    {
        TestSettings settings;
        RecordingMessenger messenger;
        CRegistryKey key;
        QVERIFY(key.SetKey(kOnlineKey, true));
        key.WriteString(QStringLiteral("Source"), QStringLiteral("LibraryOfCongress"));
        COptions sheet(nullptr);
        QCOMPARE(sheet.tabWidget()->tabText(2), QString("O&nline"));
        sheet.show();
        QVERIFY(sheet.PressOk());
        sheet.save({}, 0);
        QCOMPARE(storedKeys(), QStringList{"Source"});
        QCOMPARE(COnlineSettings::Load().source, QString("LibraryOfCongress"));
    }

    void showsTheStoredValues()
    {
        TestSettings settings;
        COnlineSettings stored;
        stored.source = QStringLiteral("Bookstore");
        stored.googleBooksKey = QStringLiteral("abc");
        stored.contactEmail = QStringLiteral("Zoë@example.org");
        stored.isbnForm = 0;
        stored.fallback = true;
        stored.fallbackSources = {QStringLiteral("GoogleBooks")};
        stored.Save();
        COptions sheet(nullptr);
        openOnline(sheet);
        QCOMPARE(FindControl<QComboBox>(&sheet, "comboSource")->currentText(), QString("Bookstore service"));
        QCOMPARE(FindControl<QLineEdit>(&sheet, "editGoogleBooksKey")->text(), QString("abc"));
        QCOMPARE(FindControl<QLineEdit>(&sheet, "editContactEmail")->text(), QString("Zoë@example.org"));
        QCOMPARE(FindControl<QComboBox>(&sheet, "comboIsbnForm")->currentText(), QString("As entered"));
        QVERIFY(FindControl<QCheckBox>(&sheet, "checkFallback")->isChecked());
        QVERIFY(FindControl<QCheckBox>(&sheet, "checkFallbackGoogleBooks")->isChecked());
        QVERIFY(!FindControl<QCheckBox>(&sheet, "checkFallbackOpenLibrary")->isChecked());
        QCOMPARE(items(FindControl<QComboBox>(&sheet, "comboSource")),
                 QStringList({"Open Library", "Google Books", "Library of Congress", "Bookstore service"}));
    }

    void okWritesTheChoices()
    {
        TestSettings settings;
        COptions sheet(nullptr);
        openOnline(sheet);
        QVERIFY(!FindControl<QCheckBox>(&sheet, "checkFallbackGoogleBooks")->isEnabled()); // fallback is off
        FindControl<QComboBox>(&sheet, "comboSource")->setCurrentIndex(2);
        FindControl<QLineEdit>(&sheet, "editGoogleBooksKey")->setText(QStringLiteral(" key-1 "));
        FindControl<QLineEdit>(&sheet, "editContactEmail")->setText(QStringLiteral("читатель@example.org"));
        FindControl<QComboBox>(&sheet, "comboIsbnForm")->setCurrentIndex(1);
        FindControl<QCheckBox>(&sheet, "checkFallback")->setChecked(true);
        QVERIFY(FindControl<QCheckBox>(&sheet, "checkFallbackGoogleBooks")->isEnabled());
        FindControl<QCheckBox>(&sheet, "checkFallbackOpenLibrary")->setChecked(false);
        FindControl<QCheckBox>(&sheet, "checkFallbackBookstore")->setChecked(true);
        QVERIFY(sheet.PressOk());
        sheet.save({}, 0);

        const COnlineSettings s = COnlineSettings::Load();
        QCOMPARE(s.source, QString("LibraryOfCongress"));
        QCOMPARE(s.googleBooksKey, QString("key-1"));
        QCOMPARE(s.contactEmail, QString("читатель@example.org"));
        QCOMPARE(s.isbnForm, 13);
        QVERIFY(s.fallback);
        QCOMPARE(s.fallbackSources, QStringList({"GoogleBooks", "LibraryOfCongress", "Bookstore"}));
    }

    void cancelWritesNothing()
    {
        TestSettings settings;
        COptions sheet(nullptr);
        openOnline(sheet);
        FindControl<QComboBox>(&sheet, "comboSource")->setCurrentIndex(1);
        sheet.reject();
        QVERIFY(storedKeys().isEmpty());
    }

    void testConnection_reportsTheTime()
    {
        OpenLibraryFixture f;
        COptions sheet(nullptr);
        openOnline(sheet);
        auto *page = sheet.onlinePage();
        QSignalSpy tested(page, &COptionsOnlinePage::connectionTested);
        FindControl<QPushButton>(&sheet, "buttonTestConnection")->click();
        QVERIFY(!FindControl<QPushButton>(&sheet, "buttonTestConnection")->isEnabled());
        QVERIFY(tested.wait(5000));
        const QString text = FindControl<QLabel>(&sheet, "labelTestResult")->text();
        QVERIFY2(QRegularExpression("^Open Library answered in \\d+ ms\\.$").match(text).hasMatch(),
                 qPrintable(text));
        QVERIFY(FindControl<QPushButton>(&sheet, "buttonTestConnection")->isEnabled());
        QCOMPARE(f.server.requests().first().queryValue("bibkeys"), QString("ISBN:9780262033848"));
        QVERIFY(f.messenger.messages.isEmpty());
    }

    void testConnection_usesTheValuesOnThePage()
    {
        GoogleBooksFixture f;
        f.change([](COnlineSettings &s) { s.source = QStringLiteral("OpenLibrary"); });
        COptions sheet(nullptr);
        openOnline(sheet);
        FindControl<QComboBox>(&sheet, "comboSource")->setCurrentIndex(1); // Google Books, not yet saved
        FindControl<QLineEdit>(&sheet, "editGoogleBooksKey")->setText(QStringLiteral("typed-key"));
        QSignalSpy tested(sheet.onlinePage(), &COptionsOnlinePage::connectionTested);
        FindControl<QPushButton>(&sheet, "buttonTestConnection")->click();
        QVERIFY(tested.wait(5000));
        QVERIFY(tested.first().first().toString().startsWith("Google Books answered in "));
        QCOMPARE(f.server.requests().first().queryValue("key"), QString("typed-key"));
        // Testing does not store anything.
        QCOMPARE(COnlineSettings::Load().source, QString("OpenLibrary"));
        QVERIFY(COnlineSettings::Load().googleBooksKey.isEmpty());
    }

    void addresses_showTheStoredOnesAndResetToTheDefaults()
    {
        TestSettings settings;
        RecordingMessenger messenger;
        COnlineSettings stored;
        stored.openLibraryUrl = QStringLiteral("http://books.example.org:8080");
        stored.bookstorePageHost = QStringLiteral("https://shop.example.com");
        stored.Save();
        COptions sheet(nullptr);
        openOnline(sheet);
        // Every address setting of every source has its box and its Reset,
        // under the keys the lookup reads.
        QStringList keys;
        for (const CLookupSourceInfo &source : LookupSources()) {
            for (const CServiceAddress &address : source.addresses) {
                keys << address.key;
                QCOMPARE(FindControl<QLineEdit>(&sheet, qPrintable("edit" + address.key))->text(),
                         stored.*address.member);
                QVERIFY(
                    FindControl<QPushButton>(&sheet, qPrintable("buttonReset" + address.key))->isEnabled());
            }
        }
        QCOMPARE(keys, QStringList({"OpenLibraryUrl", "OpenLibraryCoversUrl", "GoogleBooksUrl", "LocSruUrl",
                                    "BookstoreHost", "BookstorePageHost"}));

        FindControl<QPushButton>(&sheet, "buttonResetOpenLibraryUrl")->click();
        QCOMPARE(FindControl<QLineEdit>(&sheet, "editOpenLibraryUrl")->text(),
                 QString("https://openlibrary.org"));
        FindControl<QLineEdit>(&sheet, "editGoogleBooksUrl")
            ->setText(QStringLiteral(" https://books.example.net/ "));
        FindControl<QLineEdit>(&sheet, "editLocSruUrl")->clear(); // an empty box means the usual address
        QVERIFY(sheet.PressOk());
        sheet.save({}, 0);
        QVERIFY(messenger.messages.isEmpty());

        QSettings ini(settings.iniPath(), QSettings::IniFormat);
        ini.beginGroup(QStringLiteral("Settings/Online"));
        QCOMPARE(ini.value("OpenLibraryUrl").toString(), QString("https://openlibrary.org"));
        QCOMPARE(ini.value("GoogleBooksUrl").toString(), QString("https://books.example.net"));
        QCOMPARE(ini.value("LocSruUrl").toString(), QString("http://lx2.loc.gov:210"));
        QCOMPARE(ini.value("BookstorePageHost").toString(), QString("https://shop.example.com"));
    }

    void addresses_refuseWhatTheLookupCannotAsk_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("another scheme") << "ftp://lx2.loc.gov";
        QTest::newRow("no scheme") << "lx2.loc.gov:210";
        QTest::newRow("a file") << "file:///etc/hosts";
        QTest::newRow("no server") << "http://";
        QTest::newRow("a script") << "javascript:alert(1)";
    }

    void addresses_refuseWhatTheLookupCannotAsk()
    {
        QFETCH(QString, typed);
        TestSettings settings;
        RecordingMessenger messenger;
        COptions sheet(nullptr);
        openOnline(sheet);
        auto *edit = FindControl<QLineEdit>(&sheet, "editLocSruUrl");
        edit->setText(typed);
        QVERIFY(!sheet.PressOk());
        QCOMPARE(messenger.messages,
                 QStringList{
                     QString("\"%1\" is not a web address Ordoteca can use for Library of Congress (SRU).\n"
                             "Please enter an address that starts with http:// or https://, for example "
                             "http://lx2.loc.gov:210.")
                         .arg(typed)});
        QVERIFY(sheet.isVisible());

        edit->setText(QStringLiteral("https://lx2.loc.gov/"));
        QVERIFY(sheet.PressOk());
        sheet.save({}, 0);
        QCOMPARE(COnlineSettings::Load().locSruUrl, QString("https://lx2.loc.gov"));
    }

    void testConnection_usesTheAddressOnThePage()
    {
        OpenLibraryFixture f;
        const QString local = f.server.baseUrl();
        f.change([](COnlineSettings &s) { s.openLibraryUrl = QStringLiteral("http://127.0.0.1:1"); });
        COptions sheet(nullptr);
        openOnline(sheet);
        FindControl<QLineEdit>(&sheet, "editOpenLibraryUrl")->setText(local);
        QSignalSpy tested(sheet.onlinePage(), &COptionsOnlinePage::connectionTested);
        FindControl<QPushButton>(&sheet, "buttonTestConnection")->click();
        QVERIFY(tested.wait(5000));
        QVERIFY2(tested.first().first().toString().startsWith("Open Library answered in "),
                 qPrintable(tested.first().first().toString()));
    }

    void testConnection_reportsTheError()
    {
        OpenLibraryFixture f;
        f.change([](COnlineSettings &s) { s.openLibraryUrl = QStringLiteral("http://127.0.0.1:1"); });
        COptions sheet(nullptr);
        openOnline(sheet);
        QSignalSpy tested(sheet.onlinePage(), &COptionsOnlinePage::connectionTested);
        FindControl<QPushButton>(&sheet, "buttonTestConnection")->click();
        QVERIFY(tested.wait(5000));
        QCOMPARE(FindControl<QLabel>(&sheet, "labelTestResult")->text(),
                 QString("Failed to load book info from Open Library."));
        QVERIFY(f.messenger.messages.isEmpty());
    }

    void closingDuringATestStopsIt()
    {
        OpenLibraryFixture f;
        f.server.hang(QStringLiteral("/api/books"));
        QElapsedTimer timer;
        {
            COptions sheet(nullptr);
            openOnline(sheet);
            FindControl<QPushButton>(&sheet, "buttonTestConnection")->click();
            QTRY_COMPARE(f.server.requestCount(), 1);
            timer.start();
        }
        QVERIFY(timer.elapsed() < 1000);
    }

private:
    static QStringList items(const QComboBox *combo)
    {
        QStringList list;
        for (int i = 0; i < combo->count(); ++i)
            list << combo->itemText(i);
        return list;
    }
};

QTEST_MAIN(OptionsOnlinePageTest)
#include "optionsonlinepage_test.moc"
