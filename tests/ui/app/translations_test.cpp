// The interface languages' translation files: complete extraction of the
// program's texts, complete and consistent translations, clean Chinese scripts,
// and access keys that no two commands of a menu or controls of a dialog page
// share, in English and in each language.
#include "accesskeysurvey.h"
#include "app/apppaths.h"
#include "app/interfacelanguage.h"
#include "app/strings.h"
#include "testcatalog.h"
#include "testsettings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

const QString kLupdate = QStringLiteral("/usr/lib/qt6/bin/lupdate");
const QStringList kCodes{QStringLiteral("Chs"), QStringLiteral("Cht"), QStringLiteral("Ita")};

struct TsMessage
{
    QString context;
    QString source;
    QString comment;          // the disambiguation (the string id in "Strings")
    QStringList translations; // one, or one per plural form
    bool numerus = false;
    bool unfinished = false;
    bool obsolete = false;

    QString key() const { return context + QLatin1Char('\x1f') + source + QLatin1Char('\x1f') + comment; }
};

QList<TsMessage> readTs(const QString &path)
{
    QList<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == QLatin1String("message"))
                messages << current;
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            current = TsMessage();
            current.context = context;
            current.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            current.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const auto type = xml.attributes().value(QLatin1String("type"));
            current.unfinished = type == QLatin1String("unfinished");
            current.obsolete = type == QLatin1String("vanished") || type == QLatin1String("obsolete");
            if (!current.numerus)
                current.translations << xml.readElementText();
        } else if (name == QLatin1String("numerusform")) {
            current.translations << xml.readElementText();
        }
    }
    // A broken file must not pass as a short one.
    if (xml.hasError()) {
        qCritical("%s: %s at line %lld", qPrintable(path), qPrintable(xml.errorString()), xml.lineNumber());
        return {};
    }
    return messages;
}

QString tsPath(const QString &code)
{
    return QStringLiteral(ORDO_SOURCE_DIR "/resources/translations/OrdoRes%1.ts").arg(code);
}

QString qmPath(const QString &code)
{
    return TestCatalog::appDir() + QStringLiteral("/Languages/OrdoRes%1.qm").arg(code);
}

// What must survive translation unchanged: the %s/%d fillers in their order
// (they are filled one after the other), the numbered arguments, the line
// breaks, the HTML tags in their order and the "|" of file filters.
QString fillers(const QString &text)
{
    QStringList parts;
    static const QRegularExpression sequential(QStringLiteral("%[sd]"));
    for (auto it = sequential.globalMatch(text); it.hasNext();)
        parts << it.next().captured();
    QStringList numbered;
    static const QRegularExpression argument(QStringLiteral("%L?[1-9n]"));
    for (auto it = argument.globalMatch(text); it.hasNext();)
        numbered << it.next().captured();
    numbered.sort();
    parts << QStringLiteral("|") << numbered;
    static const QRegularExpression tag(QStringLiteral("</?[A-Za-z][A-Za-z0-9]*"));
    for (auto it = tag.globalMatch(text); it.hasNext();)
        parts << it.next().captured();
    parts << QStringLiteral("lines=%1").arg(text.count(QLatin1Char('\n')));
    parts << QStringLiteral("bars=%1").arg(text.count(QLatin1Char('|')));
    return parts.join(QLatin1Char(' '));
}

// The mnemonic markers of a text: "&" that is neither "&&" nor an entity.
QStringList mnemonics(const QString &text)
{
    static const QRegularExpression mark(QStringLiteral("&(?!&|#?[A-Za-z0-9]+;)(.)"));
    QString t = text;
    t.replace(QLatin1String("&&"), QString());
    QStringList found;
    for (auto it = mark.globalMatch(t); it.hasNext();)
        found << it.next().captured(1);
    return found;
}

QString runOpenCC(const QString &config, const QString &text, bool *ran)
{
    QProcess process;
    process.start(QStringLiteral("opencc"), {QStringLiteral("-c"), config});
    *ran = process.waitForStarted(10000);
    if (!*ran)
        return {};
    process.write(text.toUtf8());
    process.closeWriteChannel();
    process.waitForFinished(60000);
    *ran = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QList<TsMessage> m_extracted;
    QString m_lupdateOutput;
    bool m_lupdateRan = false;

private slots:
    // One extraction of the code's texts, the way scripts/update-translations does it.
    void initTestCase()
    {
        if (!QFileInfo(kLupdate).isExecutable())
            return;
        QProcess process;
        process.setWorkingDirectory(QStringLiteral(ORDO_SOURCE_DIR));
        process.start(kLupdate, {QStringLiteral("-locations"), QStringLiteral("none"),
                                 QStringLiteral("-no-obsolete"), QStringLiteral("src"), QStringLiteral("-ts"),
                                 m_dir.filePath(QStringLiteral("all.ts"))});
        QVERIFY(process.waitForFinished(120000));
        QCOMPARE(process.exitCode(), 0);
        m_lupdateOutput =
            QString::fromLocal8Bit(process.readAllStandardError() + process.readAllStandardOutput());
        m_extracted = readTs(m_dir.filePath(QStringLiteral("all.ts")));
        m_lupdateRan = true;
    }

    void extractionHasNoWarnings()
    {
        if (!m_lupdateRan)
            QSKIP("lupdate is not installed (/usr/lib/qt6/bin/lupdate)");
        // A text lupdate cannot place ("tr() cannot be called without
        // context", an unknown class) never reaches the translators.
        QStringList warnings;
        static const QRegularExpression located(QStringLiteral(R"(^\S+:\d+: )"));
        for (const QString &line : m_lupdateOutput.split(QLatin1Char('\n'))) {
            if (located.match(line).hasMatch() ||
                line.contains(QLatin1String("warning"), Qt::CaseInsensitive))
                warnings << line;
        }
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
        QVERIFY(m_extracted.size() > 300);
    }

    // The string table is read through ids at run time: each entry must be
    // extracted with its id as disambiguation, or a translation never applies.
    void everyStringTableEntryIsExtracted()
    {
        if (!m_lupdateRan)
            QSKIP("lupdate is not installed (/usr/lib/qt6/bin/lupdate)");
        QSet<QString> ids;
        for (const TsMessage &m : m_extracted) {
            if (m.context == QLatin1String("Strings"))
                ids.insert(m.comment);
        }
        QStringList missing;
        for (int id : StringIds()) {
            if (!ids.contains(QString::number(id)))
                missing << QString::number(id);
        }
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QStringLiteral("not extracted: ") + missing.join(QLatin1String(", "))));
        QCOMPARE(ids.size(), StringIds().size());
        // The menus and prompts of the main window and the document's own
        // messages are found too.
        QStringList keys;
        for (const TsMessage &m : m_extracted)
            keys << m.context + QLatin1Char('/') + m.source;
        QVERIFY(keys.contains(QStringLiteral("CMainFrame/&New Database...")));
        QVERIFY(keys.contains(QStringLiteral("CMainFrame/Create a new book database\nNew Database")));
        QVERIFY(keys.contains(QStringLiteral("COrdoDoc/%1 was not found.")));
        QVERIFY(keys.contains(QStringLiteral("COrdoDoc/Access to %1 was denied.")));
    }

    void everyTextIsTranslatedInEachLanguage_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : kCodes)
            QTest::newRow(qPrintable(code)) << code;
    }
    void everyTextIsTranslatedInEachLanguage()
    {
        if (!m_lupdateRan)
            QSKIP("lupdate is not installed (/usr/lib/qt6/bin/lupdate)");
        QFETCH(QString, code);
        QHash<QString, TsMessage> translated;
        for (const TsMessage &m : readTs(tsPath(code))) {
            if (!m.obsolete)
                translated.insert(m.key(), m);
        }
        QStringList missing, unfinished;
        for (const TsMessage &m : m_extracted) {
            const auto it = translated.constFind(m.key());
            if (it == translated.constEnd())
                missing << m.context + QLatin1String(": ") + m.source;
            else if (it->unfinished || it->translations.isEmpty() || it->translations.contains(QString()))
                unfinished << m.context + QLatin1String(": ") + m.source;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("run scripts/update-translations; missing:\n") +
                                               missing.join(QLatin1Char('\n'))));
        QVERIFY2(unfinished.isEmpty(),
                 qPrintable(QStringLiteral("unfinished:\n") + unfinished.join(QLatin1Char('\n'))));
    }

    // English counts come from their own small file of plural forms.
    void everyCountingTextHasEnglishPlurals()
    {
        if (!m_lupdateRan)
            QSKIP("lupdate is not installed (/usr/lib/qt6/bin/lupdate)");
        QSet<QString> english;
        for (const TsMessage &m :
             readTs(QStringLiteral(ORDO_SOURCE_DIR "/resources/translations/ordoteca_en.ts"))) {
            if (!m.unfinished && m.translations.size() == 2)
                english.insert(m.key());
        }
        for (const TsMessage &m : m_extracted) {
            if (m.numerus)
                QVERIFY2(english.contains(m.key()), qPrintable(m.source));
        }
    }

    void fillersMnemonicsAndMarkupSurvive_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : kCodes)
            QTest::newRow(qPrintable(code)) << code;
    }
    void fillersMnemonicsAndMarkupSurvive()
    {
        QFETCH(QString, code);
        const bool chinese = code.startsWith(QLatin1String("Ch"));
        static const QRegularExpression chineseMnemonic(QStringLiteral(R"(\(&([A-Z0-9])\))"));
        QStringList faults;
        int checked = 0;
        for (const TsMessage &m : readTs(tsPath(code))) {
            if (m.obsolete)
                continue;
            for (const QString &t : m.translations) {
                ++checked;
                const QString where = m.context + QLatin1String(": ") + m.source + QLatin1String(" -> ") + t;
                if (fillers(t) != fillers(m.source))
                    faults << QStringLiteral("fillers differ: ") + where;
                const QStringList marks = mnemonics(t);
                const QStringList sourceMarks = mnemonics(m.source);
                if (marks.size() > 1 || marks.size() != sourceMarks.size()) {
                    faults << QStringLiteral("mnemonics: ") + where;
                    continue;
                }
                // Chinese keys are Latin letters after the text: "文件(&F)".
                if (chinese && !marks.isEmpty()) {
                    const auto match = chineseMnemonic.match(t);
                    if (!match.hasMatch() || match.captured(1) != sourceMarks.first().toUpper())
                        faults << QStringLiteral("not in the (&X) form of the English key: ") + where;
                }
            }
        }
        QVERIFY(checked > 300);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void eachLanguageFileLoadsAndReplacesTheEnglish_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("addBook");
        QTest::addColumn<QString>("fileMenu");
        QTest::addColumn<QString>("restart");
        QTest::newRow("Chs") << "Chs" << QString::fromUtf8("添加图书") << QString::fromUtf8("文件(&F)")
                             << QString::fromUtf8("（需要重新启动 Ordoteca。）");
        QTest::newRow("Cht") << "Cht" << QString::fromUtf8("新增書籍") << QString::fromUtf8("檔案(&F)")
                             << QString::fromUtf8("（需要重新啟動 Ordoteca。）");
        QTest::newRow("Ita") << "Ita" << QString::fromUtf8("Aggiungi libro") << QString::fromUtf8("&File")
                             << QString::fromUtf8("(È necessario riavviare Ordoteca.)");
    }
    void eachLanguageFileLoadsAndReplacesTheEnglish()
    {
        QFETCH(QString, code);
        QFETCH(QString, addBook);
        QFETCH(QString, fileMenu);
        QFETCH(QString, restart);
        QTranslator translator;
        QVERIFY2(translator.load(qmPath(code)), qPrintable(qmPath(code)));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const QString addBookText = LoadStr(IDS_ADD_BOOK);
        const QString fileText = QCoreApplication::translate("CMainFrame", "&File");
        const QString restartText =
            QCoreApplication::translate("COptionsUIPage", "(Restart of Ordoteca is needed.)");
        // A sample across the program: string table, menus, dialogs, document.
        const QList<QPair<QString, QString>> sample{
            {LoadStr(IDS_HARDCOVER), QStringLiteral("Hardcover")},
            {LoadStr(IDS_CANNOT_CREATE_FILE), QStringLiteral("Cannot create file:\n%s")},
            {LoadCountStr(IDS_RESULTS_STATUS, 2), QString()},
            {QCoreApplication::translate("CMainFrame", "Create a new book database\nNew Database"),
             QString()},
            {QCoreApplication::translate("CBookBasicPage", "Publis&her:"), QStringLiteral("Publis&her:")},
            {QCoreApplication::translate("COrdoDoc", "%1 was not found."),
             QStringLiteral("%1 was not found.")},
            {QCoreApplication::translate("CUrlLabel", "Unable to open hyperlink:\n\n"), QString()},
            {QCoreApplication::translate("LanguageTable", "Italian"), QStringLiteral("Italian")},
            {QCoreApplication::translate("COrdoListView", "%n book(s); %1", nullptr, 2), QString()},
        };
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(addBookText, addBook);
        QCOMPARE(fileText, fileMenu);
        QCOMPARE(restartText, restart);
        for (const auto &pair : sample) {
            QVERIFY(!pair.first.isEmpty());
            if (!pair.second.isEmpty())
                QVERIFY2(pair.first != pair.second, qPrintable(pair.first));
        }
        QVERIFY(sample.at(5).first.contains(QLatin1String("%1")));
        QVERIFY(sample.at(8).first.contains(QLatin1String("%n")) ||
                sample.at(8).first.contains(QLatin1String("2")));
        // Without the translator the English is back.
        QCOMPARE(LoadStr(IDS_ADD_BOOK), QStringLiteral("Add Book"));
    }

    // The built program's menus and dialogs, in each language: Alt and a
    // letter must reach one command or control, not cycle between two.
    void accessKeysDoNotClash_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("English") << QString();
        for (const QString &code : kCodes)
            QTest::newRow(qPrintable(code)) << code;
    }
    void accessKeysDoNotClash()
    {
        QFETCH(QString, code);
        TestSettings settings;
        SetAppFolder(TestCatalog::appDir());
        CInterfaceLanguage language;
        if (!code.isEmpty())
            QVERIFY2(language.Install(code, TestCatalog::appDir() + QStringLiteral("/Languages")), qPrintable(code));
        const AccessKeySurvey survey = SurveyAccessKeys(QStringLiteral(ORDO_SOURCE_DIR));
        QStringList faults;
        for (const AccessKeyClash &clash : survey.clashes)
            faults << DescribeClash(clash);
        for (const QString &what : survey.leftOut)
            faults << QStringLiteral("not checked: %1 (tools/accesskeys/accesskeysurvey.cpp)").arg(what);
        QVERIFY2(faults.isEmpty(), qPrintable((code.isEmpty() ? QStringLiteral("English") : code) +
                                              QStringLiteral(":\n") + faults.join(QLatin1Char('\n'))));
    }

    // OpenCC turns traditional characters into simplified ones and back:
    // a clean text comes through unchanged. The page templates' labels too.
    void chineseScriptsArePure_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("config");
        QTest::newRow("simplified unchanged by t2s") << "Chs"
                                                     << "t2s.json";
        QTest::newRow("traditional (Taiwan) unchanged by s2tw") << "Cht"
                                                                << "s2tw.json";
    }
    void chineseScriptsArePure()
    {
        QFETCH(QString, code);
        QFETCH(QString, config);
        QStringList lines;
        for (const TsMessage &m : readTs(tsPath(code))) {
            for (const QString &t : m.translations)
                lines << QString(t).replace(QLatin1Char('\n'), QLatin1Char(' '));
        }
        QFile labels(QStringLiteral(ORDO_SOURCE_DIR "/data/Styles/labels/%1.txt").arg(code));
        QVERIFY(labels.open(QIODevice::ReadOnly));
        lines << QString::fromUtf8(labels.readAll()).split(QLatin1Char('\n'));
        const QString text = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
        bool ran = false;
        const QString converted = runOpenCC(config, text, &ran);
        if (!ran)
            QSKIP("opencc is not installed (Debian package opencc)");
        const QStringList after = converted.split(QLatin1Char('\n'));
        QCOMPARE(after.size(), lines.size() + 1);
        QStringList impure;
        for (int i = 0; i < lines.size(); ++i) {
            if (after.at(i) != lines.at(i))
                impure << lines.at(i) + QLatin1String(" -> ") + after.at(i);
        }
        QVERIFY2(impure.isEmpty(), qPrintable(impure.join(QLatin1Char('\n'))));

        // And the two files really are in different scripts.
        const QString other = runOpenCC(config == QLatin1String("t2s.json") ? QStringLiteral("s2tw.json")
                                                                            : QStringLiteral("t2s.json"),
                                        text, &ran);
        QVERIFY(ran);
        QVERIFY(other != text);
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
