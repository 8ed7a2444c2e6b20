// Case-insensitive matching for every script on the program's connection:
// LIKE, lower()/upper(), accent-free search, lookup names, and the file staying
// usable by the stock sqlite3 shell.
#include "catalog/basicsearch.h"
#include "catalog/likematcher.h"
#include "catalog/lookup.h"
#include "catalog/recordset.h"
#include "catalog/sqlconsole.h"
#include "catalog/sqlvalue.h"
#include "catalog/unicodetext.h"
#include "recordingmessenger.h"
#include "testcatalog.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <random>

namespace {

// 1 or 0 from the program's connection; -1 for NULL or an error.
int sqlTruth(TestCatalog &cat, const QString &expression)
{
    Recordset rs;
    if (!rs.open(cat.connection(), QStringLiteral("SELECT ") + expression) || rs.isEOF())
        return -2;
    const QString text = FieldToText(rs.field(0));
    return text.isEmpty() ? -1 : text.toInt();
}

QString lit(const QString &text)
{
    return FormatSqlValue(text, SqlText);
}

void addBook(TestCatalog &cat, int id, const QString &title, const QString &author = QString())
{
    cat.exec(QStringLiteral("INSERT INTO book (BookID, Title, Author) VALUES (%1, %2, %3)")
                 .arg(id)
                 .arg(lit(title), author.isEmpty() ? QStringLiteral("NULL") : lit(author)));
}

QList<int> searchResults(TestCatalog &cat)
{
    QList<int> ids;
    Recordset rs;
    if (!rs.open(cat.connection(), "SELECT BookID FROM book_category WHERE CatID=3 ORDER BY BookID"))
        return {-1};
    for (; !rs.isEOF(); rs.moveNext())
        ids << rs.field(0).toInt();
    return ids;
}

} // namespace

class UnicodeMatchTest : public QObject
{
    Q_OBJECT

private slots:
    void like_foldsCaseInEveryScript_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("expected");
        QTest::newRow("French") << "Émile Zola"
                                << "émile%" << 1;
        QTest::newRow("French inside") << "Les Éditions du Seuil"
                                       << "%ÉDITIONS DU SEUIL" << 1;
        QTest::newRow("German") << "ÜBER DIE STRASSE"
                                << "%über%" << 1;
        QTest::newRow("German sharp s stays itself") << "Straße"
                                                     << "%STRASSE%" << 0;
        QTest::newRow("Russian") << "Война и мир"
                                 << "%война%" << 1;
        QTest::newRow("Russian upper pattern") << "война и мир"
                                               << "ВОЙНА И МИР" << 1;
        QTest::newRow("Greek") << "Η Οδύσσεια"
                               << "%οδύσσεια" << 1;
        QTest::newRow("Greek final sigma") << "ΟΔΎΣΣΕΙΑ ΤΟΥ ΟΜΉΡΟΥ ΚΑΙ ΤΑ ΈΠΗ"
                                           << "%έπη" << 1;
        QTest::newRow("Chinese") << "红楼梦"
                                 << "%楼%" << 1;
        QTest::newRow("Chinese mismatch") << "红楼梦"
                                          << "%水浒%" << 0;
        QTest::newRow("accents still count") << "L'Étranger"
                                             << "%etranger%" << 0;
        QTest::newRow("underscore is one character") << "Война"
                                                     << "Во_на" << 1;
        QTest::newRow("underscore on a Chinese character") << "红楼梦"
                                                           << "红_梦" << 1;
        QTest::newRow("underscore on a character outside the BMP") << "a😀b"
                                                                   << "a_b" << 1;
        QTest::newRow("whole text must match") << "Émile Zola"
                                               << "émile" << 0;
        QTest::newRow("only wildcards") << "Ελλάδα"
                                        << "%%" << 1;
    }

    void like_foldsCaseInEveryScript()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(int, expected);
        TestCatalog cat;
        QCOMPARE(sqlTruth(cat, lit(text) + " LIKE " + lit(pattern)), expected);
        // The same through a column of the catalogue.
        addBook(cat, 1, text);
        QCOMPARE(cat.count("SELECT COUNT(*) FROM book WHERE Title LIKE " + lit(pattern)), expected);
    }

    void like_escapeNullsAndErrors()
    {
        TestCatalog cat;
        QCOMPARE(sqlTruth(cat, "'100% sûr' LIKE '100\\% SÛR' ESCAPE '\\'"), 1);
        QCOMPARE(sqlTruth(cat, "'100 sûr' LIKE '100\\%' ESCAPE '\\'"), 0);
        QCOMPARE(sqlTruth(cat, "'a_b' LIKE 'a!_b' ESCAPE '!'"), 1);
        QCOMPARE(sqlTruth(cat, "'axb' LIKE 'a!_b' ESCAPE '!'"), 0);
        QCOMPARE(sqlTruth(cat, "NULL LIKE 'a'"), -1);
        QCOMPARE(sqlTruth(cat, "'a' LIKE NULL"), -1);
        QCOMPARE(sqlTruth(cat, "'a' NOT LIKE 'Б'"), 1);
        // The search's one call over many columns: NULL columns are passed by.
        QCOMPARE(sqlTruth(cat, "like_any('%МИР%', NULL, 'Война и мир')"), 1);
        QCOMPARE(sqlTruth(cat, "like_any('%étranger%', 'L''Etranger', NULL)"), 0);
        QCOMPARE(sqlTruth(cat, "unaccented_like_any('%étranger%', NULL, 'L''Etranger')"), 1);
        QCOMPARE(sqlTruth(cat, "unaccented_like_any('%x%', NULL, NULL)"), 0);
        DbError error;
        QVERIFY(!cat.connection().execute("SELECT 'a' LIKE 'a' ESCAPE 'xy'", nullptr, &error));
        QVERIFY(error.isSet());
    }

    // The search box's "%word%" patterns are found without decoding whole
    // texts; every answer must be the one decoding the text gives, on mixed
    // scripts, decomposed accents and bytes that are not UTF-8 at all.
    void likeMatcher_wordSearchAgreesWithDecodingTheWholeText()
    {
        const QList<QByteArray> texts = {
            QByteArray(),
            "quokka",
            "L'E\xcc\x81tranger, QUOKKAFIRE and Straße",
            "\xc3\x89t\xc3\xa9 \xd0\x92\xd0\xbe\xd0\xb9\xd0\xbd\xd0\xb0 \xce\x9f\xce\xb4\xcf\x8d\xcf\x83\xcf\x83\xce\xb5\xce\xb9\xce\xb1 \xe7\xba\xa2\xe6\xa5\xbc\xe6\xa2\xa6",
            "stray \x80\xbf bytes, cut \xc3 short, \xe2\x82 and \xff\xfe",
            "overlong \xc1\x81 and \xe0\x81\x81 and \xc0\x80 nul",
            "supplementary \xf0\x9d\x90\x80 \xf0\x9f\x93\x9a books \xf0\x90\x90\x80",
            "repeat ababab abac abacus",
            "\xc5\x81\xc3\xb3" "d\xc5\xba \xc3\x98resund \xc4\xa6" "amrun",
        };
        const QList<QByteArray> patterns = {
            "%q%", "%quokka%", "%QUOKKAFIRE%", "%etranger%", "%\xc3\xa9tranger%", "%e%", "%\xc3\xa9%",
            "%\xd0\xb2\xd0\xbe\xd0\xb9%", "%\xce\xbf\xce\xb4\xcf\x85%", "%\xe7\xba\xa2\xe6\xa5\xbc%",
            "%a%", "%A%", "%%", "%abac%us%", "%ab%ab%ab%ab%", "%bytes%short%", "%s%t%r%", "%\xf0\x9d\x90\x9a%",
            "%books%", "%lodz%", "%oresund%", "%hamrun%", "%stra\xc3\x9f" "e%", "%strasse%", "%_ok%", "quokka%",
            "%quokka", "%\xef\xbf\xbd%", "%\xf0\x90\x90\xa8%"};
        // Longer texts made of the same pieces at every offset, so words
        // straddle the sixteen-byte blocks the scan reads at once.
        QList<QByteArray> allTexts = texts;
        std::mt19937 random(7);
        for (int n = 0; n < 200; ++n) {
            QByteArray text(int(random() % 23), ' ');
            while (text.size() < 120) {
                const QByteArray &piece = texts[1 + random() % (texts.size() - 1)];
                const int from = int(random() % piece.size());
                text += piece.mid(from, int(random() % 24));
            }
            allTexts << text;
        }
        int found = 0;
        for (bool ignoreAccents : {false, true}) {
            for (const QByteArray &pattern : patterns) {
                LikeMatcher matcher(pattern.constData(), int(pattern.size()), 0, ignoreAccents);
                for (const QByteArray &text : std::as_const(allTexts)) {
                    const bool fast = matcher.matches(text.constData(), int(text.size()));
                    const bool decoded = matcher.matchesDecoded(text.constData(), int(text.size()));
                    if (fast != decoded)
                        QFAIL(qPrintable(QStringLiteral("pattern %1 on text %2, accents ignored %3: %4")
                                             .arg(QString::fromLatin1(pattern.toHex(' ')),
                                                  QString::fromLatin1(text.toHex(' ')))
                                             .arg(ignoreAccents)
                                             .arg(fast)));
                    found += fast;
                }
            }
        }
        QVERIFY(found > 40); // the cases do match, not only fail alike
        // What a reader expects of a few of them.
        const auto like = [](const QByteArray &pattern, const QByteArray &text, bool ignoreAccents) {
            LikeMatcher matcher(pattern.constData(), int(pattern.size()), 0, ignoreAccents);
            return matcher.matches(text.constData(), int(text.size()));
        };
        QVERIFY(like("%etranger%", texts[2], true));
        QVERIFY(!like("%etranger%", texts[2], false));
        QVERIFY(like("%lodz%", texts[8], true));
        QVERIFY(like("%\xf0\x90\x90\xa8%", texts[6], false)); // Deseret capital folds to small
        QVERIFY(!like("%\xef\xbf\xbd%", "plain", false));
    }

    void runSql_usesTheSameLikeAndKeepsIt()
    {
        TestCatalog cat;
        addBook(cat, 1, "Война и мир");
        addBook(cat, 2, "Η Οδύσσεια");
        SqlRunResult result = RunSql(cat.connection(), "SELECT BookID FROM book WHERE Title LIKE '%ВОЙНА%'");
        QVERIFY(result.ok);
        QCOMPARE(result.rowCount, 1);
        // The engine's own LIKE would come back with this pragma.
        QVERIFY(RunSql(cat.connection(), "PRAGMA case_sensitive_like=ON").ok);
        result = RunSql(cat.connection(), "SELECT BookID FROM book WHERE Title LIKE '%ΟΔΎΣΣΕΙΑ'");
        QVERIFY(result.ok);
        QCOMPARE(result.rowCount, 1);
    }

    void lowerAndUpper_mapEveryScript()
    {
        TestCatalog cat;
        QCOMPARE(cat.scalar("SELECT lower('ÉMILE ЗОЛЯ ΟΔΎΣΣΕΙΑ')"), QString("émile золя οδύσσεια"));
        QCOMPARE(cat.scalar("SELECT upper('émile золя')"), QString("ÉMILE ЗОЛЯ"));
        QCOMPARE(cat.scalar("SELECT upper('红楼梦')"), QString("红楼梦"));
        QCOMPARE(cat.scalar("SELECT lower(NULL) IS NULL"), QString("1"));
    }

    void foldText_ignoresAccentsOnlyWhenAsked_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folded");
        QTest::addColumn<QString>("plain");
        QTest::newRow("French") << "L'Étranger"
                                << "l'étranger"
                                << "l'etranger";
        QTest::newRow("German") << "Größe ÄÖÜ"
                                << "größe äöü"
                                << "große aou";
        QTest::newRow("Polish stroke") << "Łódź"
                                       << "łódź"
                                       << "lodz";
        QTest::newRow("Danish") << "Søren"
                                << "søren"
                                << "soren";
        QTest::newRow("Russian й keeps nothing but и") << "Йод"
                                                       << "йод"
                                                       << "иод";
        QTest::newRow("Greek tonos") << "Ώρα"
                                     << "ώρα"
                                     << "ωρα";
        QTest::newRow("decomposed input")
            << QString::fromUtf8("E\xcc\x81mile") << QString::fromUtf8("e\xcc\x81mile") << "emile";
        QTest::newRow("Chinese unchanged") << "红楼梦"
                                           << "红楼梦"
                                           << "红楼梦";
    }

    void foldText_ignoresAccentsOnlyWhenAsked()
    {
        QFETCH(QString, text);
        QFETCH(QString, folded);
        QFETCH(QString, plain);
        QCOMPARE(FoldText(text), folded);
        QCOMPARE(FoldText(text, true), plain);
    }

    void basicSearch_findsEveryScriptAndIgnoresAccentsWhenAsked()
    {
        RecordingMessenger messenger;
        TestCatalog cat;
        addBook(cat, 1, "Émile Zola: Germinal");
        addBook(cat, 2, "Война и мир", "Лев Толстой");
        addBook(cat, 3, "L'Étranger", "Albert Camus");
        addBook(cat, 4, "Η Οδύσσεια", "Όμηρος");
        addBook(cat, 5, "红楼梦", "曹雪芹");
        addBook(cat, 6, "Die Blechtrommel", "Günter Grass");

        const auto search = [&](const QString &keyword, bool ignoreAccents) {
            if (!RunBasicSearch(cat.connection(), keyword, true, ignoreAccents))
                return QList<int>{-1};
            return searchResults(cat);
        };
        QCOMPARE(search("émile", false), QList<int>{1});
        QCOMPARE(search("война", false), QList<int>{2});
        QCOMPARE(search("ТОЛСТОЙ", false), QList<int>{2});
        QCOMPARE(search("ΟΔΎΣΣΕΙΑ", false), QList<int>{4});
        QCOMPARE(search("雪芹", false), QList<int>{5});
        QCOMPARE(search("GÜNTER", false), QList<int>{6});
        // Accents: only with the dialog's option.
        QCOMPARE(search("etranger", false), QList<int>{});
        QCOMPARE(search("etranger", true), QList<int>{3});
        QCOMPARE(search("EMILE", true), QList<int>{1});
        QCOMPARE(search("odysseia", true), QList<int>{});
        QCOMPARE(search("οδυσσεια", true), QList<int>{4});
        QCOMPARE(search("gunter", true), QList<int>{6});
        QCOMPARE(search("ομηρος", true), QList<int>{4});
        // The wildcards and the apostrophe keep their meaning.
        QCOMPARE(search("l'_tranger", true), QList<int>{3});
        QVERIFY(messenger.messages.isEmpty());
        QVERIFY(BasicSearchSql("x", true).contains("unaccented_like"));
        QVERIFY(!BasicSearchSql("x").contains("unaccented_like"));
    }

    void lookupNames_matchCaseFoldedInEveryScript_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::newRow("French") << "Éditions du Seuil"
                                << "éditions du seuil";
        QTest::newRow("French upper") << "éditions du seuil"
                                      << "ÉDITIONS DU SEUIL";
        QTest::newRow("German") << "Süddeutscher Verlag"
                                << "SÜDDEUTSCHER VERLAG";
        QTest::newRow("Russian") << "Издательство «Наука»"
                                 << "издательство «НАУКА»";
        QTest::newRow("Greek") << "Εκδόσεις Πατάκη"
                               << "ΕΚΔΌΣΕΙΣ ΠΑΤΆΚΗ";
        QTest::newRow("Chinese") << "人民文学出版社"
                                 << " 人民文学出版社 ";
        QTest::newRow("ASCII") << "Penguin"
                               << "PENGUIN";
    }

    void lookupNames_matchCaseFoldedInEveryScript()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        RecordingMessenger messenger;
        TestCatalog cat;
        cat.exec("INSERT INTO bookpublisher (PublisherID, Name) VALUES (1, 'Other')");
        cat.exec("INSERT INTO bookpublisher (PublisherID, Name) VALUES (5, " + lit(stored) + ")");
        QString id;
        QVERIFY(GetOrInsertLookupId("bookpublisher", typed, cat.connection(), id));
        QCOMPARE(id, QString("5"));
        QCOMPARE(cat.count("SELECT COUNT(*) FROM bookpublisher"), 2);
        QVERIFY(messenger.messages.isEmpty());
    }

    void lookupNames_wildcardsInANameAreNotWildcards()
    {
        TestCatalog cat;
        cat.exec("INSERT INTO bookstore (StoreID, Name) VALUES (1, 'Shop A1')");
        cat.exec("INSERT INTO bookstore (StoreID, Name) VALUES (2, 'Dé\\ja')");
        QString id;
        QVERIFY(GetOrInsertLookupId("bookstore", "Shop _1", cat.connection(), id));
        QCOMPARE(id, QString("3"));
        QVERIFY(GetOrInsertLookupId("bookstore", "Shop%", cat.connection(), id));
        QCOMPARE(id, QString("4"));
        QVERIFY(GetOrInsertLookupId("bookstore", "SHOP _1", cat.connection(), id));
        QCOMPARE(id, QString("3"));
        QVERIFY(GetOrInsertLookupId("bookstore", "DÉ\\JA", cat.connection(), id));
        QCOMPARE(id, QString("2"));
        QCOMPARE(cat.count("SELECT COUNT(*) FROM bookstore"), 4);
    }

    void stockShell_opensTheCatalogueUnchanged()
    {
        const QString shell = QStandardPaths::findExecutable("sqlite3");
        if (shell.isEmpty())
            QSKIP("the sqlite3 shell is not installed");
        TestCatalog cat;
        addBook(cat, 1, "Émile Zola");
        QString id;
        QVERIFY(GetOrInsertLookupId("bookpublisher", "Éditions", cat.connection(), id));
        QVERIFY(RunBasicSearch(cat.connection(), "zola", true, true));

        QProcess process;
        process.start(shell,
                      {cat.path(), "PRAGMA integrity_check; SELECT COUNT(*) FROM book WHERE Title LIKE "
                                   "'%zola%'; SELECT COUNT(*) FROM bookpublisher WHERE Name='éditions';"
                                   "SELECT COUNT(*) FROM sqlite_master WHERE sql LIKE '%like(%';"});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        // The shell's own LIKE and NOCASE still answer (A-Z only), the
        // indexes are intact, and the schema calls no function of ours.
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
                 QStringList({"ok", "1", "0", "0"}));
    }
};

QTEST_GUILESS_MAIN(UnicodeMatchTest)
#include "unicodematch_test.moc"
