#include "app/apppaths.h"
#include "app/defaultvalues.h"
#include "app/options.h"
#include "app/optionsdefaultpage.h"
#include "app/optionsuipage.h"
#include "app/registrykey.h"
#include "findcontrol.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kDefaultKey = "Software\\Quenlow\\Ordo\\Settings\\Default";
const QString kSettingsKey = "Software\\Quenlow\\Ordo\\Settings";

void storeDefault(const QString &name, const QString &value)
{
    CRegistryKey key;
    key.SetKey(kDefaultKey, true);
    key.WriteString(name, value);
}

QString storedDefault(const QString &name)
{
    CRegistryKey key;
    key.SetKey(kDefaultKey, true);
    return key.ReadString(name, "<missing>");
}

QStringList items(const QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

// An application folder whose Languages folder holds the given files.
class AppFolderGuard
{
public:
    explicit AppFolderGuard(const QStringList &languageFiles = {})
    {
        QDir(m_dir.path()).mkdir("Languages");
        for (const QString &name : languageFiles) {
            QFile f(m_dir.path() + "/Languages/" + name);
            f.open(QIODevice::WriteOnly);
        }
        m_oldFolder = AppFolder();
        m_oldCode = UILanguageCode();
        SetAppFolder(m_dir.path());
    }
    ~AppFolderGuard()
    {
        SetAppFolder(m_oldFolder);
        SetUILanguageCode(m_oldCode);
    }

private:
    QTemporaryDir m_dir;
    QString m_oldFolder;
    QString m_oldCode;
};

// Everything a test of the sheet needs: private settings, a catalogue, no
// message boxes.
struct Fixture
{
    TestSettings settings;
    RecordingMessenger messenger;
    TestCatalog catalog;
    AppFolderGuard appFolder;
};

} // namespace

class OptionsTest : public QObject
{
    Q_OBJECT

private slots:
    void sheet_hasThreePagesDefaultValuesFirst()
    {
        Fixture f;
        COptions sheet(f.catalog.shared());
        QCOMPARE(sheet.windowTitle(), QString("Options"));
        QCOMPARE(sheet.GetPageCount(), 3);
        sheet.show();
        QCOMPARE(sheet.GetActivePage(), static_cast<CPropertyPage *>(sheet.defaultPage()));
        QVERIFY(!sheet.uiPage()->IsInitialized());
        QCOMPARE(items(FindControl<QComboBox>(&sheet, "comboStatus")),
                 (QStringList{"In Collection", "Wish List", "Reference Only", "For Sale"}));
        QCOMPARE(items(FindControl<QComboBox>(&sheet, "comboLanguage")), (QStringList{"English", "Chinese"}));
    }

    void okAtOnce_writesTheSameValuesBack()
    {
        Fixture f;
        f.catalog.exec("INSERT INTO bookstore (StoreID, Name) VALUES (1, 'Powell''s')");
        f.catalog.exec("INSERT INTO booklocation (LocationID, Name) VALUES (1, 'Attic')");
        f.catalog.exec("INSERT INTO bookformat (FormatID, Name) VALUES (1, 'PDF')");
        const QList<std::pair<QString, QString>> stored = {
            {"Language", "Chinese"}, {"Extras", "Floppy Disk"}, {"Store", "Powell's"},
            {"Location", "Attic"},   {"UserText1", "first"},    {"UserText2", "second"},
            {"Format", "PDF"},       {"Status", "For Sale"},    {"PurchaseDate", "Jan 05, 2004"},
        };
        for (const auto &[name, value] : stored)
            storeDefault(name, value);
        CRegistryKey key;
        key.SetKey(kDefaultKey, true);
        key.WriteInt("EbookOnly", 1);

        COptions sheet(f.catalog.shared());
        sheet.show();
        QVERIFY(FindControl<QCheckBox>(&sheet, "checkEbookOnly")->isChecked());
        QVERIFY(FindControl<QCheckBox>(&sheet, "checkPurchaseDate")->isChecked());
        QCOMPARE(FindControl<QDateEdit>(&sheet, "datePurchase")->date(), QDate(2004, 1, 5));
        QCOMPARE(FindControl<QComboBox>(&sheet, "comboStatus")->currentIndex(), 3);
        QVERIFY(sheet.PressOk());
        sheet.save({"default"}, 0);

        for (const auto &[name, value] : stored)
            QCOMPARE(storedDefault(name), value);
        QCOMPARE(key.GetValueType("EbookOnly"), CRegistryKey::Binary);
        QCOMPARE(key.ReadInt("EbookOnly", -1), 1);
        QVERIFY(f.messenger.messages.isEmpty());
    }

    void storedText_selectsTheFirstEntryBeginningWithIt_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("combo");
        QTest::addColumn<int>("index"); // -1: no entry
        QTest::addColumn<QString>("saved");

        QTest::newRow("language prefix in other case") << "Language"
                                                       << "eng"
                                                       << "comboLanguage" << 0 << "English";
        QTest::newRow("language not in the catalogue") << "Language"
                                                       << "Klingon"
                                                       << "comboLanguage" << -1 << "Klingon";
        QTest::newRow("status prefix") << "Status"
                                       << "wish"
                                       << "comboStatus" << 1 << "Wish List";
        QTest::newRow("status no entry begins with") << "Status"
                                                     << "Lost"
                                                     << "comboStatus" << -1 << "";
        QTest::newRow("status unset") << "Status"
                                      << ""
                                      << "comboStatus" << -1 << "";
        QTest::newRow("extras unset") << "Extras"
                                      << ""
                                      << "comboExtras" << -1 << "";
    }

    void storedText_selectsTheFirstEntryBeginningWithIt()
    {
        QFETCH(QString, value);
        QFETCH(QString, stored);
        QFETCH(QString, combo);
        QFETCH(int, index);
        QFETCH(QString, saved);
        Fixture f;
        storeDefault(value, stored);

        COptions sheet(f.catalog.shared());
        sheet.show();
        auto *box = FindControl<QComboBox>(&sheet, combo.toLatin1().constData());
        QCOMPARE(box->currentIndex(), index);
        QCOMPARE(box->currentText(), saved);
        QVERIFY(sheet.PressOk());
        sheet.save({}, 0);
        QCOMPARE(storedDefault(value), saved);
    }

    void purchaseDate_storedForms_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QDate>("shown"); // null: no date
        QTest::addColumn<QString>("saved");

        QTest::newRow("own form") << "Dec 31, 1999" << QDate(1999, 12, 31) << "Dec 31, 1999";
        QTest::newRow("day without zero") << "Mar 7, 2010" << QDate(2010, 3, 7) << "Mar 07, 2010";
        QTest::newRow("user's locale") << QLocale().toString(QDate(2004, 1, 5), QLocale::LongFormat)
                                       << QDate(2004, 1, 5) << "Jan 05, 2004";
        QTest::newRow("empty") << "" << QDate() << "";
        QTest::newRow("unreadable") << "last summer" << QDate() << "";
    }

    void purchaseDate_storedForms()
    {
        QFETCH(QString, stored);
        QFETCH(QDate, shown);
        QFETCH(QString, saved);
        Fixture f;
        storeDefault("PurchaseDate", stored);

        COptions sheet(f.catalog.shared());
        sheet.show();
        QCOMPARE(FindControl<QCheckBox>(&sheet, "checkPurchaseDate")->isChecked(), shown.isValid());
        QCOMPARE(FindControl<QDateEdit>(&sheet, "datePurchase")->isEnabled(), shown.isValid());
        if (shown.isValid())
            QCOMPARE(FindControl<QDateEdit>(&sheet, "datePurchase")->date(), shown);
        QVERIFY(sheet.PressOk());
        sheet.save({}, 0);
        QCOMPARE(storedDefault("PurchaseDate"), saved);
    }

    void purchaseDate_tickingTheBoxSetsADate()
    {
        Fixture f;
        COptions sheet(f.catalog.shared());
        sheet.show();
        auto *check = FindControl<QCheckBox>(&sheet, "checkPurchaseDate");
        QVERIFY(!check->isChecked()); // nothing stored: no date
        check->setChecked(true);
        FindControl<QDateEdit>(&sheet, "datePurchase")->setDate(QDate(2021, 8, 9));
        QVERIFY(sheet.PressOk());
        sheet.save({}, 0);
        QCOMPARE(storedDefault("PurchaseDate"), QString("Aug 09, 2021"));
    }

    void purchaseDate_todayIsStoredBesideThePlainDate()
    {
        Fixture f;
        storeDefault("PurchaseDate", "Jan 05, 2004");
        {
            COptions sheet(f.catalog.shared());
            sheet.show();
            auto *today = FindControl<QCheckBox>(&sheet, "checkPurchaseToday");
            auto *date = FindControl<QDateEdit>(&sheet, "datePurchase");
            QVERIFY(!today->isChecked()); // older settings: a fixed date
            QCOMPARE(date->date(), QDate(2004, 1, 5));
            // The editor takes typing, shows the user's format, has a calendar.
            QVERIFY(date->inherits("CDateEdit"));
            QVERIFY(date->calendarPopup());
            today->setChecked(true);
            QVERIFY(!date->isEnabled());
            QVERIFY(FindControl<QCheckBox>(&sheet, "checkPurchaseDate")->isChecked());
            QVERIFY(sheet.PressOk());
            sheet.save({}, 0);
        }
        CRegistryKey key;
        key.SetKey(kDefaultKey, false);
        QCOMPARE(key.ReadInt("PurchaseDateToday", 0), 1);
        QCOMPARE(storedDefault("PurchaseDate"), PurchaseDateText(QDate::currentDate()));
        {
            // Shown again as "Today"; unticking gives the date editor back.
            COptions sheet(f.catalog.shared());
            sheet.show();
            auto *today = FindControl<QCheckBox>(&sheet, "checkPurchaseToday");
            QVERIFY(today->isChecked());
            today->setChecked(false);
            QVERIFY(FindControl<QDateEdit>(&sheet, "datePurchase")->isEnabled());
            FindControl<QDateEdit>(&sheet, "datePurchase")->setDate(QDate(2020, 2, 29));
            QVERIFY(sheet.PressOk());
            sheet.save({}, 0);
        }
        QCOMPARE(key.ReadInt("PurchaseDateToday", 0), 0);
        QCOMPARE(storedDefault("PurchaseDate"), QString("Feb 29, 2020"));
    }

    void withoutCatalogue_listsAreEmptyAndTypedNamesAreKept()
    {
        Fixture f;
        storeDefault("Status", "For Sale");
        COptions sheet(nullptr);
        sheet.show();
        QCOMPARE(FindControl<QComboBox>(&sheet, "comboStatus")->count(), 0);
        QCOMPARE(FindControl<QComboBox>(&sheet, "comboLanguage")->count(), 0);
        FindControl<QComboBox>(&sheet, "comboStore")->setEditText("Corner Shop");
        FindControl<QLineEdit>(&sheet, "editUserText1")->setText("signed");
        QVERIFY(sheet.PressOk());
        sheet.save({}, 0);
        QCOMPARE(storedDefault("Store"), QString("Corner Shop"));
        QCOMPARE(storedDefault("UserText1"), QString("signed"));
        QCOMPARE(storedDefault("Status"), QString()); // nothing to choose from
    }

    void languages_listedFromTheLanguagesFolder_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("shown");

        QTest::newRow("no language files") << QStringList{} << "Enu" << QStringList{"English"} << "English";
        QTest::newRow("known codes, sorted")
            << QStringList{"OrdoResIta.qm", "OrdoResChs.qm", "readme.txt"} << "Chs"
            << QStringList{"English", "Italian", "Simplified Chinese"} << "Simplified Chinese";
        QTest::newRow("unknown code listed under its code")
            << QStringList{"OrdoResDeu.qm", "OrdoResCht.qm"} << "Deu"
            << QStringList{"Deu", "English", "Traditional Chinese"} << "Deu";
        QTest::newRow("English file listed once")
            << QStringList{"OrdoResEnu.qm"} << "Enu" << QStringList{"English"} << "English";
    }

    void languages_listedFromTheLanguagesFolder()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, current);
        QFETCH(QStringList, listed);
        QFETCH(QString, shown);
        TestSettings settings;
        RecordingMessenger m;
        AppFolderGuard folder(files);
        SetUILanguageCode(current);

        COptions sheet(nullptr);
        sheet.show();
        QVERIFY(sheet.SetActivePage(1));
        auto *combo = FindControl<QComboBox>(&sheet, "comboInterfaceLanguage");
        QVERIFY(!combo->isEditable());
        QCOMPARE(items(combo), listed);
        QCOMPARE(combo->currentText(), shown);
    }

    void languageChoice_writesCodeAndTemplate()
    {
        Fixture f;
        AppFolderGuard folder({"OrdoResChs.qm", "OrdoResDeu.qm"});
        SetUILanguageCode("Enu");

        COptions sheet(f.catalog.shared());
        sheet.show();
        QVERIFY(sheet.SetActivePage(1));
        auto *combo = FindControl<QComboBox>(&sheet, "comboInterfaceLanguage");
        combo->setCurrentIndex(combo->findText("Simplified Chinese"));
        QVERIFY(sheet.PressOk());
        sheet.save({"plainEnu", "cardsEnu", "cardsChs"}, 1);

        CRegistryKey key;
        key.SetKey(kSettingsKey, false);
        QCOMPARE(key.ReadString("UILanguage", "<missing>"), QString("Chs"));
        QCOMPARE(key.GetValueType("XSL"), CRegistryKey::Binary);
        QCOMPARE(key.ReadInt("XSL", -1), 2);

        // A language the table does not know is stored by its code.
        COptions again(nullptr);
        again.show();
        QVERIFY(again.SetActivePage(1));
        auto *combo2 = FindControl<QComboBox>(&again, "comboInterfaceLanguage");
        combo2->setCurrentIndex(combo2->findText("Deu"));
        QVERIFY(again.PressOk());
        again.save({"plainEnu", "cardsEnu", "cardsChs"}, 1);
        QCOMPARE(key.ReadString("UILanguage", "<missing>"), QString("Deu"));
        QCOMPARE(key.ReadInt("XSL", -1), 1);
    }

    void unvisitedInterfacePage_leavesLanguageAndTemplateAlone()
    {
        Fixture f;
        CRegistryKey key;
        key.SetKey(kSettingsKey, true);
        key.WriteString("UILanguage", "Chs");
        key.WriteInt("XSL", 4);
        SetUILanguageCode("Chs");

        COptions sheet(f.catalog.shared());
        sheet.show();
        QVERIFY(sheet.PressOk());
        QVERIFY(!sheet.chosenLanguage().has_value());
        sheet.save({"aEnu", "aChs"}, 0);
        QCOMPARE(key.ReadString("UILanguage", "<missing>"), QString("Chs"));
        QCOMPARE(key.ReadInt("XSL", -1), 4);
        QCOMPARE(storedDefault("Status"), QString()); // the visited page was still saved
    }

    void templateForLanguage_data()
    {
        QTest::addColumn<QStringList>("templates");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("expected");

        const QStringList list{"DefaultEnu", "DefaultChs", "CompactEnu", "Ita"};
        QTest::newRow("same title with new code") << list << 0 << "Chs" << 1;
        QTest::newRow("back to English") << list << 1 << "Enu" << 0;
        QTest::newRow("no such template keeps current") << list << 2 << "Chs" << 2;
        QTest::newRow("match is case-sensitive") << list << 0 << "chs" << 0;
        QTest::newRow("title of three characters") << list << 3 << "Ita" << 3;
        QTest::newRow("empty code") << list << 1 << "" << 1;
        QTest::newRow("current out of range") << list << 9 << "Chs" << 9;
    }

    void templateForLanguage()
    {
        QFETCH(QStringList, templates);
        QFETCH(int, current);
        QFETCH(QString, code);
        QFETCH(int, expected);
        QCOMPARE(TemplateIndexForLanguage(templates, current, code), expected);
    }

    void defaultValues_roundTripAndMissingKey()
    {
        TestSettings settings;
        const DefaultValues none = ReadDefaultValues();
        QVERIFY(none.language.isEmpty() && none.status.isEmpty() && !none.ebookOnly);
        QVERIFY(none.purchaseDate.isNull());

        DefaultValues v;
        v.language = "English";
        v.userText2 = "it's";
        v.ebookOnly = true;
        v.purchaseDate = QDate(2004, 1, 5);
        WriteDefaultValues(v);
        QCOMPARE(storedDefault("PurchaseDate"), QString("Jan 05, 2004"));
        const DefaultValues back = ReadDefaultValues();
        QCOMPARE(back.language, v.language);
        QCOMPARE(back.userText2, v.userText2);
        QCOMPARE(back.ebookOnly, true);
        QCOMPARE(back.purchaseDate, v.purchaseDate);
    }
};

QTEST_MAIN(OptionsTest)
#include "options_test.moc"
