#include "app/languagetable.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

class LanguageTableTest : public QObject
{
    Q_OBJECT

private slots:
    void englishNamesBothWays_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("English") << "Enu"
                                 << "English";
        QTest::newRow("Simplified Chinese") << "Chs"
                                            << "Simplified Chinese";
        QTest::newRow("Traditional Chinese") << "Cht"
                                             << "Traditional Chinese";
        QTest::newRow("Italian") << "Ita"
                                 << "Italian";
    }
    void englishNamesBothWays()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        FillLanguageTable();
        QCOMPARE(LanguageDisplayName(code), name);
        QCOMPARE(LanguageCodeOf(name), code);
    }

    void unknownEntriesAreEmpty_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("unlisted code") << "Deu";
        QTest::newRow("codes are case-sensitive") << "enu";
        QTest::newRow("empty") << "";
        QTest::newRow("a name is not a code") << "English";
    }
    void unknownEntriesAreEmpty()
    {
        QFETCH(QString, text);
        FillLanguageTable();
        QCOMPARE(LanguageDisplayName(text), QString());
        if (text != QLatin1String("English"))
            QCOMPARE(LanguageCodeOf(text), QString());
        QCOMPARE(LanguageCodeOf(QStringLiteral("Enu")), QString());
    }

    void languageTagsForHtml()
    {
        QCOMPARE(LanguageTag(QStringLiteral("Enu")), QStringLiteral("en"));
        QCOMPARE(LanguageTag(QStringLiteral("Chs")), QStringLiteral("zh-CN"));
        QCOMPARE(LanguageTag(QStringLiteral("Cht")), QStringLiteral("zh-TW"));
        QCOMPARE(LanguageTag(QStringLiteral("Ita")), QStringLiteral("it"));
        QCOMPARE(LanguageTag(QStringLiteral("enu")), QString());
        QCOMPARE(LanguageTag(QStringLiteral("Deu")), QString());
    }

    void codesInTableOrder() { QCOMPARE(KnownLanguageCodes(), QStringList({"Enu", "Chs", "Cht", "Ita"})); }

    void namesFollowTheLoadedTranslation()
    {
        const QString lrelease = QStringLiteral("/usr/lib/qt6/bin/lrelease");
        if (!QFileInfo(lrelease).isExecutable())
            QSKIP("lrelease is not installed (/usr/lib/qt6/bin/lrelease): translation case not run");
        QTemporaryDir dir;
        const QString qm = dir.filePath(QStringLiteral("OrdoResIta.qm"));
        QProcess process;
        process.start(lrelease,
                      {QStringLiteral(ORDO_TEST_DATADIR "/lang/OrdoResIta.ts"), QStringLiteral("-qm"), qm});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);

        QTranslator translator;
        QVERIFY(translator.load(qm));
        QCoreApplication::installTranslator(&translator);
        FillLanguageTable();
        QCoreApplication::removeTranslator(&translator);

        // The table keeps the names of the language that was loaded when it was filled.
        QCOMPARE(LanguageDisplayName(QStringLiteral("Enu")), QStringLiteral("Inglese"));
        QCOMPARE(LanguageDisplayName(QStringLiteral("Chs")), QStringLiteral("Cinese semplificato"));
        // Italian is listed under its translated name too, not always in English.
        QCOMPARE(LanguageDisplayName(QStringLiteral("Ita")), QStringLiteral("Italiano"));
        QCOMPARE(LanguageCodeOf(QStringLiteral("Italiano")), QStringLiteral("Ita"));
        QCOMPARE(LanguageCodeOf(QStringLiteral("Inglese")), QStringLiteral("Enu"));
        QCOMPARE(LanguageCodeOf(QStringLiteral("English")), QString());

        FillLanguageTable();
        QCOMPARE(LanguageDisplayName(QStringLiteral("Enu")), QStringLiteral("English"));
    }
};

QTEST_GUILESS_MAIN(LanguageTableTest)
#include "languagetable_test.moc"
