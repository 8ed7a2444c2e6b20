#include "app/registrykey.h"

#include "testsettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

namespace {

const QString kSettingsKey = QStringLiteral("Software\\Quenlow\\Ordo\\Settings");

// Writes the INI file as a user or another tool would, before any QSettings
// object of the test has read it.
void writeIni(const TestSettings &settings, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(settings.iniPath()).absolutePath());
    QFile file(settings.iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

QVariant rawValue(const TestSettings &settings, const QString &key)
{
    return QSettings(settings.iniPath(), QSettings::IniFormat).value(key);
}

} // namespace

class RegistryKeyTest : public QObject
{
    Q_OBJECT

private slots:
    void keyPathsMapToGroups_data()
    {
        QTest::addColumn<QString>("subkey");
        QTest::addColumn<QString>("group");
        QTest::newRow("settings") << kSettingsKey << "Settings";
        QTest::newRow("defaults") << "Software\\Quenlow\\Ordo\\Settings\\Default"
                                  << "Settings/Default";
        QTest::newRow("program key") << "Software\\Quenlow\\Ordo"
                                     << "";
        QTest::newRow("recent files") << "Software\\Quenlow\\Ordo\\Recent File List"
                                      << "Recent File List";
        QTest::newRow("forward slashes") << "Software/Quenlow/Ordo/Settings/"
                                         << "Settings";
    }
    void keyPathsMapToGroups()
    {
        QFETCH(QString, subkey);
        QFETCH(QString, group);
        QCOMPARE(CRegistryKey::groupOf(subkey), group);
    }

    void writeIntStoresFourLittleEndianBytes_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("small") << 2 << QByteArray("\x02\x00\x00\x00", 4);
        QTest::newRow("byte order") << 0x01020304 << QByteArray("\x04\x03\x02\x01", 4);
        QTest::newRow("negative") << -2 << QByteArray("\xfe\xff\xff\xff", 4);
        QTest::newRow("zero") << 0 << QByteArray(4, '\0');
    }
    void writeIntStoresFourLittleEndianBytes()
    {
        QFETCH(int, value);
        QFETCH(QByteArray, bytes);
        TestSettings settings;
        CRegistryKey key;
        QVERIFY(key.SetKey(kSettingsKey, true));
        QVERIFY(key.WriteInt(QStringLiteral("XSL"), value));

        const QVariant stored = rawValue(settings, QStringLiteral("Settings/XSL"));
        QCOMPARE(stored.typeId(), int(QMetaType::QByteArray));
        QCOMPARE(stored.toByteArray(), bytes);
        QCOMPARE(key.GetValueType(QStringLiteral("XSL")), CRegistryKey::Binary);
        QCOMPARE(key.ReadInt(QStringLiteral("XSL"), 77), value);
    }

    void readIntAcceptsValuesWrittenByHand_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("expected");
        QTest::newRow("plain integer") << "CSS" << 7;
        QTest::newRow("negative") << "Negative" << -12;
        QTest::newRow("leading zero is decimal") << "LeadingZero" << 10;
        QTest::newRow("hexadecimal") << "Hex" << 16;
        QTest::newRow("full DWORD") << "AllBits" << -1;
        QTest::newRow("two bytes") << "Short" << 0x0201;
        QTest::newRow("five bytes give the default") << "Long" << 99;
        QTest::newRow("text gives the default") << "Text" << 99;
        QTest::newRow("beyond 32 bits gives the default") << "Huge" << 99;
        QTest::newRow("missing value gives the default") << "Nothing" << 99;
    }
    void readIntAcceptsValuesWrittenByHand()
    {
        QFETCH(QString, name);
        QFETCH(int, expected);
        TestSettings settings;
        writeIni(settings, "[Settings]\n"
                           "CSS=7\n"
                           "Negative=-12\n"
                           "LeadingZero=010\n"
                           "Hex=0x10\n"
                           "AllBits=4294967295\n"
                           "Short=@ByteArray(\\x1\\x2)\n"
                           "Long=@ByteArray(\\x1\\x2\\x3\\x4\\x5)\n"
                           "Text=seven\n"
                           "Huge=4294967296\n");
        CRegistryKey key;
        QVERIFY(key.SetKey(kSettingsKey, false));
        QCOMPARE(key.ReadInt(name, 99), expected);
    }

    void stringsRoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("code") << "Chs";
        QTest::newRow("comma") << "Smith, John";
        QTest::newRow("at sign first") << "@ByteArray(x)";
        QTest::newRow("unicode") << QString::fromUtf8("简体中文 – Ünïcode");
        QTest::newRow("line break and equals") << "a=b\nc;d";
        QTest::newRow("looks like a number") << "0042";
    }
    void stringsRoundTrip()
    {
        QFETCH(QString, text);
        TestSettings settings;
        CRegistryKey writer;
        QVERIFY(writer.SetKey(kSettingsKey, true));
        QVERIFY(writer.WriteString(QStringLiteral("UILanguage"), text));

        CRegistryKey reader;
        QVERIFY(reader.SetKey(kSettingsKey, false));
        QCOMPARE(reader.GetValueType(QStringLiteral("UILanguage")), CRegistryKey::String);
        QCOMPARE(reader.ReadString(QStringLiteral("UILanguage"), QStringLiteral("default")), text);
    }

    void missingKeysAndValuesGiveDefaults()
    {
        TestSettings settings;
        CRegistryKey key;
        QCOMPARE(key.ReadString(QStringLiteral("UILanguage"), QString()), QString());
        QCOMPARE(key.ReadInt(QStringLiteral("CSS"), 3), 3);
        QCOMPARE(key.GetValueType(QStringLiteral("CSS")), CRegistryKey::None);

        QVERIFY(key.SetKey(kSettingsKey, true));
        QCOMPARE(key.ReadString(QStringLiteral("UILanguage"), QStringLiteral("Enu")), QStringLiteral("Enu"));
        QCOMPARE(key.ReadInt(QStringLiteral("XSL"), -5), -5);
        QVERIFY(!QFile::exists(settings.iniPath())); // reading writes nothing
    }

    void binaryValueIsNotReadAsString()
    {
        TestSettings settings;
        CRegistryKey key;
        QVERIFY(key.SetKey(kSettingsKey, true));
        QVERIFY(key.WriteInt(QStringLiteral("CSS"), 1));
        QCOMPARE(key.ReadString(QStringLiteral("CSS"), QStringLiteral("none")), QStringLiteral("none"));
    }

    void setKeyWithoutCreateRefusesMissingKey()
    {
        TestSettings settings;
        CRegistryKey key;
        QVERIFY(!key.SetKey(kSettingsKey, false));
        QVERIFY(key.lastResult() != 0);
        QCOMPARE(key.currentKey(), QString());

        const QString defaults = kSettingsKey + QStringLiteral("\\Default");
        QVERIFY(key.SetKey(defaults, true));
        QVERIFY(key.WriteString(QStringLiteral("Binding"), QStringLiteral("Paperback")));
        QCOMPARE(key.currentKey(), defaults);

        // The parent exists once something is stored below it.
        CRegistryKey parent;
        QVERIFY(parent.SetKey(kSettingsKey, false));

        QVERIFY(!key.SetKey(QStringLiteral("Software\\Quenlow\\Ordo\\Nowhere"), false));
        QCOMPARE(key.currentKey(), defaults);
        QCOMPARE(key.ReadString(QStringLiteral("Binding"), QString()), QStringLiteral("Paperback"));

        QVERIFY(key.SetKey(QString(), false));
        QCOMPARE(key.currentKey(), QString());
    }

    void valuesOfOneKeyDoNotLeakIntoAnother()
    {
        TestSettings settings;
        CRegistryKey key;
        QVERIFY(key.SetKey(kSettingsKey, true));
        QVERIFY(key.WriteInt(QStringLiteral("CSS"), 4));
        QVERIFY(key.SetKey(kSettingsKey + QStringLiteral("\\Default"), true));
        QCOMPARE(key.ReadInt(QStringLiteral("CSS"), -1), -1);
        QCOMPARE(rawValue(settings, QStringLiteral("Settings/CSS")).toByteArray().size(), 4);
    }

    void unwritableSettingsFileReportsFailure()
    {
        TestSettings settings;
        QDir().mkpath(QFileInfo(settings.iniPath()).absolutePath());
        // A directory where the file should be cannot be written.
        QVERIFY(QDir().mkpath(settings.iniPath()));
        CRegistryKey key;
        QVERIFY(key.SetKey(kSettingsKey, true));
        QVERIFY(!key.WriteInt(QStringLiteral("CSS"), 1));
        QVERIFY(!key.WriteString(QStringLiteral("UILanguage"), QStringLiteral("Ita")));
        QVERIFY(key.lastResult() != 0);
    }
};

QTEST_GUILESS_MAIN(RegistryKeyTest)
#include "registrykey_test.moc"
