// Each interface language end to end: a new catalogue's fixed rows, the book
// XML's yes/no, the page templates of the language and the template switch
// when the language is chosen in Options.
#include "app/apppaths.h"
#include "app/languagetable.h"
#include "app/options.h"
#include "app/registrykey.h"
#include "catalog/ordodoc.h"
#include "catalog/recordset.h"
#include "catalog/sqlvalue.h"
#include "page/booktransform.h"
#include "page/bookxml.h"
#include "recordingmessenger.h"
#include "testcatalog.h"
#include "testsettings.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

const QString kSettingsKey = QStringLiteral("Software\\Quenlow\\Ordo\\Settings");

struct FixedRow
{
    const char *sql;
};

// In the order of the names given in the test data.
const FixedRow kFixedRows[] = {
    {"SELECT Name FROM bookbinding WHERE BindingID=1"},
    {"SELECT Name FROM bookbinding WHERE BindingID=2"},
    {"SELECT Name FROM bookbinding WHERE BindingID=3"},
    {"SELECT Name FROM bookextras WHERE ExtrasID=3"},
    {"SELECT Name FROM booklanguage WHERE LanguageID=1"},
    {"SELECT Name FROM booklanguage WHERE LanguageID=2"},
    {"SELECT Name FROM bookstatus WHERE StatusID=1"},
    {"SELECT Name FROM bookstatus WHERE StatusID=2"},
    {"SELECT Name FROM bookstatus WHERE StatusID=3"},
    {"SELECT Name FROM bookstatus WHERE StatusID=4"},
    {"SELECT Name FROM category WHERE CatID=1"},
    {"SELECT Name FROM category WHERE CatID=2"},
    {"SELECT Name FROM category WHERE CatID=3"},
    {"SELECT Name FROM category WHERE CatID=4"},
};

// Installs a language's translation, as start-up does, for its lifetime.
class LanguageGuard
{
public:
    explicit LanguageGuard(const QString &code) : m_previous(UILanguageCode())
    {
        if (code != QLatin1String("Enu")) {
            m_loaded = m_translator.load(TestCatalog::appDir() +
                                         QStringLiteral("/Languages/OrdoRes%1.qm").arg(code));
            QCoreApplication::installTranslator(&m_translator);
        }
        SetUILanguageCode(code);
        FillLanguageTable();
    }
    ~LanguageGuard()
    {
        QCoreApplication::removeTranslator(&m_translator);
        SetUILanguageCode(m_previous);
        FillLanguageTable();
    }
    bool loaded() const { return m_loaded; }

private:
    QTranslator m_translator;
    QString m_previous;
    bool m_loaded = true;
};

QStringList templateTitles()
{
    QStringList titles;
    for (const QFileInfo &info : QDir(TestCatalog::appDir() + QStringLiteral("/Styles"))
                                     .entryInfoList({QStringLiteral("*.xsl")}, QDir::Files, QDir::Name))
        titles << info.completeBaseName();
    return titles;
}

} // namespace

class LanguagesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SetAppFolder(TestCatalog::appDir()); }

    void newCatalogueHasFixedRowsInTheLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("Enu") << "Enu"
                             << QStringList{"Hardcover",      "Paperback",   "Unknown Binding", "Floppy Disk",
                                            "English",        "Chinese",     "In Collection",   "Wish List",
                                            "Reference Only", "For Sale",    "Book Collection", "Favorites",
                                            "Search Results", "Reading List"};
        QTest::newRow("Chs") << "Chs"
                             << QString::fromUtf8(
                                    "精装 平装 未知装帧 软盘 英语 中文 已拥有 心愿单 仅查阅（非自有） 待售 藏书 "
                                    "收藏夹 搜索结果 阅读清单")
                                    .split(QLatin1Char(' '));
        QTest::newRow("Cht") << "Cht"
                             << QString::fromUtf8(
                                    "精裝 平裝 未知裝訂 磁碟片 英文 中文 已收藏 願望清單 僅查閱（非自有） 待售 藏書 "
                                    "我的最愛 搜尋結果 閱讀清單")
                                    .split(QLatin1Char(' '));
        QTest::newRow("Ita") << "Ita"
                             << QString::fromUtf8(
                                    "Copertina rigida|Brossura|Rilegatura sconosciuta|Dischetto|Inglese|"
                                    "Cinese|In collezione|Lista dei desideri|Solo consultazione|"
                                    "In vendita|Collezione di libri|Preferiti|Risultati della ricerca|"
                                    "Elenco di lettura")
                                    .split(QLatin1Char('|'));
    }
    void newCatalogueHasFixedRowsInTheLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, names);
        LanguageGuard language(code);
        QVERIFY(language.loaded());
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromUtf8("书目 %1.mdb").arg(code));
        RecordingMessenger recorder;
        COrdoDoc doc;
        QVERIFY(doc.NewDatabase(path));
        QCOMPARE(recorder.messages, QStringList());
        // Reopening keeps them: the special categories are only re-created when missing.
        QVERIFY(doc.OnOpenDocument(path));
        QStringList stored;
        for (const FixedRow &row : kFixedRows) {
            Recordset rs;
            QVERIFY(rs.open(*doc.connection(), QString::fromLatin1(row.sql)));
            stored << FieldToText(rs.field(0));
        }
        QCOMPARE(stored, names);
    }

    void bookXmlYesAndNoFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("yes");
        QTest::addColumn<QString>("no");
        QTest::newRow("Enu") << "Enu"
                             << "Yes"
                             << "No";
        QTest::newRow("Chs") << "Chs" << QString::fromUtf8("是") << QString::fromUtf8("否");
        QTest::newRow("Cht") << "Cht" << QString::fromUtf8("是") << QString::fromUtf8("否");
        QTest::newRow("Ita") << "Ita" << QString::fromUtf8("Sì") << QString::fromUtf8("No");
    }
    void bookXmlYesAndNoFollowTheLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QString, yes);
        QFETCH(QString, no);
        TestCatalog cat;
        cat.exec(
            QString::fromUtf8("INSERT INTO book (BookID, Title, EBookOnly) VALUES (1, 'Война и мир', 1)"));
        cat.exec(
            QString::fromUtf8("INSERT INTO book (BookID, Title, EBookOnly) VALUES (2, '紅樓夢 Ἰλιάς', 0)"));
        LanguageGuard language(code);
        RecordingMessenger recorder;
        const QString xml = BuildBookXml({1, 2}, cat.connection(), cat.dir(), QStringLiteral("today"));
        QVERIFY(xml.contains(QStringLiteral("<EbookOnly>%1</EbookOnly>").arg(yes)));
        QVERIFY(xml.contains(QStringLiteral("<EbookOnly>%1</EbookOnly>").arg(no)));
        QVERIFY(xml.contains(QString::fromUtf8("紅樓夢 Ἰλιάς")));
    }

    // Every language has a Details and a List template written from the same
    // master: its labels in the language, the language named on <html>.
    void templatesExistForEachLanguage_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("label");
        QTest::newRow("DetailsEnu") << "DetailsEnu"
                                    << "en"
                                    << "Publisher";
        QTest::newRow("DetailsChs") << "DetailsChs"
                                    << "zh-CN" << QString::fromUtf8("出版社");
        QTest::newRow("DetailsCht") << "DetailsCht"
                                    << "zh-TW" << QString::fromUtf8("出版資訊");
        QTest::newRow("DetailsIta") << "DetailsIta"
                                    << "it"
                                    << "Editore";
        QTest::newRow("ListEnu") << "ListEnu"
                                 << "en"
                                 << "Released";
        QTest::newRow("ListChs") << "ListChs"
                                 << "zh-CN" << QString::fromUtf8("出版日期");
        QTest::newRow("ListCht") << "ListCht"
                                 << "zh-TW" << QString::fromUtf8("狀態");
        QTest::newRow("ListIta") << "ListIta"
                                 << "it"
                                 << "Data di pubblicazione";
    }
    void templatesExistForEachLanguage()
    {
        QFETCH(QString, title);
        QFETCH(QString, lang);
        QFETCH(QString, label);
        const QString xsl =
            TestCatalog::appDir() + QStringLiteral("/Styles/") + title + QStringLiteral(".xsl");
        QFile file(xsl);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(xsl));
        QVERIFY(!file.readAll().contains("@@"));

        QFile sample(QStringLiteral(ORDO_TEST_DATADIR "/page/full.xml"));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        const TransformResult result = TransformBookXml(QString::fromUtf8(sample.readAll()), xsl);
        QVERIFY2(result.ok(), qPrintable(result.errorText));
        QVERIFY2(result.html.contains(QStringLiteral("<html lang=\"%1\">").arg(lang)),
                 qPrintable(result.html.left(300)));
        QVERIFY2(result.html.contains(label), qPrintable(label));
        if (!title.endsWith(QLatin1String("Enu")))
            QVERIFY(!result.html.contains(QLatin1String(">Publisher<")));
    }

    // The page writes numbers and dates as its language does; the XML keeps
    // the stored forms ("24.99", "Oct 07, 1999").
    void pageWritesNumbersAndDatesAsItsLanguageDoes_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("notShown");
        const QStringList english = {"24.99", "4.5", "1.25 MB", "Oct 07, 1999", "Jan 05, 2004"};
        const QStringList chinese = {"24.99", "4.5", QString::fromUtf8("1999年10月7日"), QString::fromUtf8("2004年1月5日")};
        const QStringList italian = {"24,99", "4,5", "1,25 MB", "7 ottobre 1999", "5 gennaio 2004"};
        QTest::newRow("DetailsEnu") << "DetailsEnu" << english << QStringList{"24,99"};
        QTest::newRow("DetailsChs") << "DetailsChs" << chinese << QStringList{"Oct 07, 1999"};
        QTest::newRow("DetailsCht") << "DetailsCht" << chinese << QStringList{"Oct 07, 1999"};
        QTest::newRow("DetailsIta") << "DetailsIta" << italian << QStringList{"24.99", "Oct 07, 1999", "4.5"};
        QTest::newRow("ListIta") << "ListIta" << QStringList{"24,99", "7 ottobre 1999", "5 gennaio 2004"}
                                 << QStringList{"24.99", "Oct 07, 1999"};
        QTest::newRow("ListChs") << "ListChs" << QStringList{QString::fromUtf8("1999年10月7日"), "24.99"}
                                 << QStringList{"Oct 07, 1999"};
    }
    void pageWritesNumbersAndDatesAsItsLanguageDoes()
    {
        QFETCH(QString, title);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, notShown);
        QFile sample(QStringLiteral(ORDO_TEST_DATADIR "/page/full.xml"));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        QString xml = QString::fromUtf8(sample.readAll());
        const TransformResult result =
            TransformBookXml(xml, TestCatalog::appDir() + QStringLiteral("/Styles/") + title + QStringLiteral(".xsl"));
        QVERIFY2(result.ok(), qPrintable(result.errorText));
        for (const QString &text : shown)
            QVERIFY2(result.html.contains(text), qPrintable(title + ": " + text));
        for (const QString &text : notShown)
            QVERIFY2(!result.html.contains(text), qPrintable(title + ": " + text));

        // Anything that is no stored date is shown as it stands.
        xml.replace("<ReleaseDate>Oct 07, 1999</ReleaseDate>", "<ReleaseDate>Spring 1999</ReleaseDate>");
        const TransformResult other =
            TransformBookXml(xml, TestCatalog::appDir() + QStringLiteral("/Styles/") + title + QStringLiteral(".xsl"));
        QVERIFY(other.ok());
        QVERIFY(other.html.contains("Spring 1999"));
    }

    void choosingALanguageSwitchesToItsTemplate_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("expected");
        QTest::newRow("English details to Chinese") << "DetailsEnu"
                                                    << "Simplified Chinese"
                                                    << "DetailsChs";
        QTest::newRow("English list to Traditional") << "ListEnu"
                                                     << "Traditional Chinese"
                                                     << "ListCht";
        QTest::newRow("Italian details to English") << "DetailsIta"
                                                    << "English"
                                                    << "DetailsEnu";
        QTest::newRow("Chinese list to Italian") << "ListChs"
                                                 << "Italian"
                                                 << "ListIta";
    }
    void choosingALanguageSwitchesToItsTemplate()
    {
        QFETCH(QString, current);
        QFETCH(QString, chosen);
        QFETCH(QString, expected);
        TestSettings settings;
        RecordingMessenger recorder;
        LanguageGuard language(QStringLiteral("Enu"));
        const QStringList templates = templateTitles();
        QVERIFY(templates.contains(current) && templates.contains(expected));

        COptions sheet(nullptr);
        sheet.show();
        QVERIFY(sheet.SetActivePage(1));
        auto *combo = sheet.findChild<QComboBox *>(QStringLiteral("comboInterfaceLanguage"));
        QVERIFY(combo);
        QVERIFY2(combo->findText(chosen) >= 0, qPrintable(chosen));
        combo->setCurrentIndex(combo->findText(chosen));
        QVERIFY(sheet.PressOk());
        sheet.save(templates, int(templates.indexOf(current)));

        CRegistryKey key;
        QVERIFY(key.SetKey(kSettingsKey, false));
        QCOMPARE(key.ReadString(QStringLiteral("UILanguage"), QString()), LanguageCodeOf(chosen));
        QCOMPARE(key.ReadInt(QStringLiteral("XSL"), -1), int(templates.indexOf(expected)));
    }

    // Options lists each language under its name in the interface language,
    // Italian included.
    void languagesAreListedInTheInterfaceLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("Enu") << "Enu"
                             << QStringList{"English", "Italian", "Simplified Chinese",
                                            "Traditional Chinese"};
        QTest::newRow("Ita") << "Ita"
                             << QStringList{"Cinese semplificato", "Cinese tradizionale", "Inglese",
                                            "Italiano"};
        QTest::newRow("Chs") << "Chs"
                             << QString::fromUtf8("简体中文 繁体中文 意大利语 英语").split(QLatin1Char(' '));
        QTest::newRow("Cht") << "Cht"
                             << QString::fromUtf8("簡體中文 繁體中文 義大利文 英文").split(QLatin1Char(' '));
    }
    void languagesAreListedInTheInterfaceLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, listed);
        TestSettings settings;
        LanguageGuard language(code);
        COptions sheet(nullptr);
        sheet.show();
        QVERIFY(sheet.SetActivePage(1));
        auto *combo = sheet.findChild<QComboBox *>(QStringLiteral("comboInterfaceLanguage"));
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        std::sort(items.begin(), items.end());
        std::sort(listed.begin(), listed.end());
        QCOMPARE(items, listed);
        QCOMPARE(combo->currentText(), LanguageDisplayName(code));
    }
};

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
