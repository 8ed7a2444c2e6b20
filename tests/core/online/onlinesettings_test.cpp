#include "app/registrykey.h"
#include "online/lookupsource.h"
#include "online/onlinesettings.h"
#include "testsettings.h"

#include <QSettings>
#include <QTest>

class OnlineSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void load_defaultsWithoutSettings()
    {
        TestSettings settings;
        const COnlineSettings s = COnlineSettings::Load();
        QCOMPARE(s.source, QString("OpenLibrary"));
        QCOMPARE(s.openLibraryUrl, QString("https://openlibrary.org"));
        QCOMPARE(s.openLibraryCoversUrl, QString("https://covers.openlibrary.org"));
        QCOMPARE(s.isbnForm, 10);
        QCOMPARE(s.connectTimeout, 10);
        QCOMPARE(s.totalTimeout, 30);
        QCOMPARE(s.requestGap, 350);
        QCOMPARE(s.maxAnswerBytes, qint64(4 * 1024 * 1024));
        QCOMPARE(s.maxCoverBytes, qint64(10 * 1024 * 1024));
        QVERIFY(s.contactEmail.isEmpty());
        QCOMPARE(s.bookstoreHost, QString("http://xml.amazon.com"));
        QCOMPARE(s.bookstorePageHost, QString("http://www.amazon.com"));
        QVERIFY(!s.fallback);
        QCOMPARE(s.fallbackSources, QStringList({"OpenLibrary", "GoogleBooks", "LibraryOfCongress"}));
        QCOMPARE(CreateLookupSource(s)->DisplayName(), QString("Open Library"));
    }

    void load_readsTheNamedKeys()
    {
        TestSettings settings;
        {
            // Written the way a user edits the file by hand.
            QSettings ini(settings.iniPath(), QSettings::IniFormat);
            ini.beginGroup(QStringLiteral("Settings/Online"));
            ini.setValue(QStringLiteral("Source"), QStringLiteral("GoogleBooks"));
            ini.setValue(QStringLiteral("OpenLibraryUrl"), QStringLiteral("http://127.0.0.1:8080/"));
            ini.setValue(QStringLiteral("OpenLibraryCoversUrl"), QStringLiteral("http://127.0.0.1:8081"));
            ini.setValue(QStringLiteral("GoogleBooksUrl"), QStringLiteral("http://127.0.0.1:8082"));
            ini.setValue(QStringLiteral("GoogleBooksKey"), QStringLiteral("k3y"));
            ini.setValue(QStringLiteral("LocSruUrl"), QStringLiteral("http://127.0.0.1:8083"));
            ini.setValue(QStringLiteral("BookstoreHost"), QStringLiteral("http://127.0.0.1:8084"));
            ini.setValue(QStringLiteral("BookstorePageHost"), QStringLiteral("http://127.0.0.1:8085"));
            ini.setValue(QStringLiteral("ContactEmail"), QStringLiteral(" Zoë@example.org "));
            ini.setValue(QStringLiteral("IsbnForm"), 13);
            ini.setValue(QStringLiteral("ConnectTimeout"), 2);
            ini.setValue(QStringLiteral("TotalTimeout"), 1);
        }
        const COnlineSettings s = COnlineSettings::Load();
        QCOMPARE(s.source, QString("GoogleBooks"));
        QCOMPARE(s.openLibraryUrl, QString("http://127.0.0.1:8080"));
        QCOMPARE(s.openLibraryCoversUrl, QString("http://127.0.0.1:8081"));
        QCOMPARE(s.googleBooksUrl, QString("http://127.0.0.1:8082"));
        QCOMPARE(s.googleBooksKey, QString("k3y"));
        QCOMPARE(s.locSruUrl, QString("http://127.0.0.1:8083"));
        QCOMPARE(s.bookstoreHost, QString("http://127.0.0.1:8084"));
        QCOMPARE(s.bookstorePageHost, QString("http://127.0.0.1:8085"));
        QCOMPARE(s.contactEmail, QString("Zoë@example.org"));
        QCOMPARE(s.isbnForm, 13);
        QCOMPARE(s.connectTimeout, 2);
        QCOMPARE(s.totalTimeout, 1);
    }

    void load_refusesUnusableValues()
    {
        TestSettings settings;
        CRegistryKey key;
        QVERIFY(key.SetKey(QStringLiteral("Software\\Quenlow\\Ordo\\Settings\\Online"), true));
        key.WriteInt(QStringLiteral("IsbnForm"), 12);
        key.WriteInt(QStringLiteral("TotalTimeout"), 0);
        key.WriteInt(QStringLiteral("ConnectTimeout"), -5);
        key.WriteString(QStringLiteral("OpenLibraryUrl"), QStringLiteral("  "));
        const COnlineSettings s = COnlineSettings::Load();
        QCOMPARE(s.isbnForm, 10);
        QCOMPARE(s.totalTimeout, 30);
        QCOMPARE(s.connectTimeout, 10);
        QCOMPARE(s.openLibraryUrl, QString("https://openlibrary.org"));
    }

    void createLookupSource_byName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("display");
        QTest::newRow("Open Library") << "OpenLibrary" << "Open Library";
        QTest::newRow("Google Books") << "GoogleBooks" << "Google Books";
        QTest::newRow("Library of Congress") << "LibraryOfCongress" << "Library of Congress";
        QTest::newRow("bookstore: its host") << "Bookstore" << "xml.amazon.com";
        QTest::newRow("unknown") << "Nonesuch" << "Open Library";
    }

    void createLookupSource_byName()
    {
        QFETCH(QString, name);
        QFETCH(QString, display);
        COnlineSettings s;
        s.source = name;
        QCOMPARE(CreateLookupSource(s)->DisplayName(), display);
    }

    void fallbackSources_onlyKnownNamesOnce()
    {
        TestSettings settings;
        CRegistryKey key;
        QVERIFY(key.SetKey(QStringLiteral("Software\\Quenlow\\Ordo\\Settings\\Online"), true));
        key.WriteInt(QStringLiteral("Fallback"), 1);
        key.WriteString(QStringLiteral("FallbackSources"), QStringLiteral("Bookstore, Nonesuch,GoogleBooks,Bookstore"));
        const COnlineSettings s = COnlineSettings::Load();
        QVERIFY(s.fallback);
        QCOMPARE(s.fallbackSources, QStringList({"Bookstore", "GoogleBooks"}));
    }

    void save_roundTrips()
    {
        TestSettings settings;
        COnlineSettings s;
        s.isbnForm = 0;
        s.requestGap = 0;
        s.contactEmail = QStringLiteral("книги@example.org");
        s.Save();
        const COnlineSettings back = COnlineSettings::Load();
        QCOMPARE(back.isbnForm, 0);
        QCOMPARE(back.requestGap, 0);
        QCOMPARE(back.contactEmail, s.contactEmail);
    }
};

QTEST_GUILESS_MAIN(OnlineSettingsTest)
#include "onlinesettings_test.moc"
