// Descriptions and notes from the web placed among other books: whatever one
// holds, the books after it stay books, and the page keeps its own style.
#include "catalog/bookrecord.h"
#include "page/booktransform.h"
#include "page/bookxml.h"
#include "page/fragmentnormalizer.h"
#include "recordingmessenger.h"
#include "testcatalog.h"

#include <QRandomGenerator>
#include <QTest>
#include <functional>

class FragmentNormalizerTest : public QObject
{
    Q_OBJECT

private slots:
    void unclosedElement_endsWithItsFragment_data()
    {
        QTest::addColumn<QString>("fragment");
        QTest::newRow("comment") << "<p>Ἀρχή</p><!-- never closed <b>x</b>";
        QTest::newRow("textarea") << "<p>Начало</p><textarea>never closed";
        QTest::newRow("plaintext") << "<p>开始</p><plaintext>never closed";
        QTest::newRow("title") << "<title>never closed <i>é</i>";
        QTest::newRow("xmp") << "<xmp>never closed";
        QTest::newRow("style") << "<style>body { display: none }";
        QTest::newRow("unclosed tags") << "<div><table><tr><td><b><i>never closed";
        QTest::newRow("stray end tags") << "</div></body></html><p>after";
    }

    // What follows the fragment in the page (the next book) is still
    // markup, not text swallowed by an element left open.
    void unclosedElement_endsWithItsFragment()
    {
        QFETCH(QString, fragment);
        const QString normalized = NormalizeHtmlFragment(fragment);
        const QString next = "<h2 class=\"book\">Следующая · 下一本</h2>";
        QVERIFY2(NormalizeHtmlFragment(normalized + next).endsWith(next), qPrintable(normalized));
        // Already balanced: a second pass changes nothing.
        QCOMPARE(NormalizeHtmlFragment(normalized), normalized);
        for (const char *tag : {"<textarea", "<plaintext", "<xmp", "<title", "<style", "<!--"})
            QVERIFY2(!normalized.contains(tag, Qt::CaseInsensitive), qPrintable(normalized));
    }

    void styleLinkBaseAndMeta_areDropped_textStays()
    {
        const QString normalized = NormalizeHtmlFragment(
            "<meta http-equiv=\"refresh\" content=\"0\"><base href=\"http://x/\"><link rel=\"stylesheet\" "
            "href=\"evil.css\"><STYLE>p{color:red}</STYLE><p>Ελληνικά <b>中文</b> & más</p>");
        QCOMPARE(normalized, QString("<p>Ελληνικά <b>中文</b> &amp; más</p>"));
        // Text without markup is left as it is.
        QCOMPARE(NormalizeHtmlFragment("plain & simple"), QString("plain & simple"));
        // The text of a raw-text element still shows.
        QVERIFY(NormalizeHtmlFragment("<textarea>Кириллица</textarea>").contains("Кириллица"));
    }

    // NUL characters never reach the book XML (nor its parser).
    void nulCharacters_areDroppedFromTheXml()
    {
        const QChar nul(0);
        QCOMPARE(MakeXmlElement("Title", QString("Вой") + nul + "на"), QString("<Title>Война</Title>\n"));
        QCOMPARE(MakeXmlElement("Notes", QString(nul)), QString());
        QCOMPARE(NormalizeHtmlFragment(QString("<p>书") + nul + "名</p><p>后</p>"),
                 QString("<p>书名</p>\n<p>后</p>"));
    }

    // Markup taken as it stands must be exactly what the parser would give
    // back; anything the shortcut is unsure of goes through the parser.
    void markupAlreadyBalanced_isWhatTheParserGives_data()
    {
        QTest::addColumn<QString>("fragment");
        QTest::addColumn<QString>("expected"); // empty: only the same as the parser
        QTest::newRow("paragraphs")
            << "<p><b>Dune</b> is a novel by Frank Herbert.</p><p>It won the Hugo.</p>"
            << "<p><b>Dune</b> is a novel by Frank Herbert.</p>\n<p>It won the Hugo.</p>";
        QTest::newRow("inline nesting, line break, top-level text")
            << "Intro <i>and <em>more</em></i><br><p>He said \"no\" and 'yes'.</p>tail"
            << "Intro <i>and <em>more</em></i><br><p>He said \"no\" and 'yes'.</p>tail";
        QTest::newRow("empty elements") << "<p></p><b></b>x"
                                        << "<p></p>\n<b></b>x";
        QTest::newRow("mismatched end") << "<p><b>x</i></p>" << QString();
        QTest::newRow("paragraph in bold") << "<b><p>x</p></b>" << QString();
        QTest::newRow("paragraph in paragraph") << "<p>a<p>b</p></p>" << QString();
        QTest::newRow("unclosed") << "<p>open" << QString();
        QTest::newRow("attribute") << "<p class=\"x\">a</p>" << QString();
        QTest::newRow("upper case") << "<P>a</P>" << QString();
        QTest::newRow("entity") << "<p>Tom &amp; Jerry</p>" << QString();
        QTest::newRow("greater-than") << "<p>a > b</p>" << QString();
        QTest::newRow("accents") << "<p>Café</p>" << QString();
        QTest::newRow("Cyrillic") << "<p>Война и мир</p>" << QString();
        QTest::newRow("Greek and Chinese") << "<p>Ὀδύσσεια</p><p>红楼梦</p>" << QString();
        QTest::newRow("blank between paragraphs") << "<p>a</p> <p>b</p>" << QString();
        QTest::newRow("newline") << "<p>a</p>\n<p>b</p>" << QString();
        QTest::newRow("void end tag") << "a<br></br>" << QString();
        QTest::newRow("script") << "<p>a</p><script>alert(1)</script>" << QString();
        QTest::newRow("comment") << "<p>a</p><!-- x -->" << QString();
    }

    void markupAlreadyBalanced_isWhatTheParserGives()
    {
        QFETCH(QString, fragment);
        QFETCH(QString, expected);
        const QString parsed = ParseHtmlFragment(fragment);
        QCOMPARE(NormalizeHtmlFragment(fragment), parsed);
        if (!expected.isEmpty())
            QCOMPARE(parsed, expected);
    }

    // Fragments put together at random, mostly from the pieces the shortcut
    // takes (some then spoilt by a stray piece), come out as the parser
    // writes them.
    void randomFragments_matchTheParser()
    {
        QRandomGenerator random(20261207);
        const QStringList texts = {"word", "two words", "\"quoted\"", "it's", "a-b (1.5)", "x;y=z/2", " "};
        const QStringList inlines = {"b", "i", "em", "strong", "sub", "code", "u"};
        const QStringList stray = {"</i>", "<span>", "é", "\t", "&", "<p>", "</p>", "  ", "<br/>"};
        std::function<QString(int, bool)> content = [&](int depth, bool topLevel) {
            QString out;
            const int count = int(random.bounded(4));
            for (int i = 0; i < count; ++i) {
                const int what = int(random.bounded(depth > 2 ? 2 : 5));
                if (what == 0 || what == 1) {
                    out += texts.at(int(random.bounded(int(texts.size()))));
                } else if (what == 2) {
                    out += QStringLiteral("<br>");
                } else if (what == 3 && topLevel) {
                    out += "<p>" + content(depth + 1, false) + "</p>";
                } else {
                    const QString tag = inlines.at(int(random.bounded(int(inlines.size()))));
                    out += "<" + tag + ">" + content(depth + 1, false) + "</" + tag + ">";
                }
            }
            return out;
        };
        int sameAsGiven = 0;
        for (int n = 0; n < 3000; ++n) {
            QString fragment = content(0, true);
            if (random.bounded(4) == 0)
                fragment.insert(int(random.bounded(int(fragment.size()) + 1)),
                                stray.at(int(random.bounded(int(stray.size())))));
            const QString parsed = ParseHtmlFragment(fragment);
            QCOMPARE(NormalizeHtmlFragment(fragment), parsed);
            if (parsed == fragment)
                ++sameAsGiven;
        }
        QVERIFY2(sameAsGiven > 500, qPrintable(QString::number(sameAsGiven)));
    }

    // A description over 10 MB is shown whole, and the book after it too.
    void hugeDescription_isShownWholeWithTheOtherBooks()
    {
        RecordingMessenger m;
        TestCatalog cat;
        CBookRecord big;
        big.Title = "Big";
        big.Description = "<p>" + QString(12 * 1024 * 1024, QLatin1Char('w')) + "<textarea>open";
        QVERIFY(big.Save(true, 1, cat.dir(), cat.connection()));
        CBookRecord small;
        small.Title = "Маленькая книга";
        QVERIFY(small.Save(true, 1, cat.dir(), cat.connection()));
        // The stored text is not changed.
        QCOMPARE(cat.scalar("SELECT length(Description) FROM book WHERE BookID=1").toInt(),
                 big.Description.size());

        const QString xml = BuildBookXml({1, 2}, cat.connection(), cat.dir(), "now");
        const TransformResult page = TransformBookXml(xml, TestCatalog::appDir() + "/Styles/DetailsEnu.xsl");
        QVERIFY2(page.ok(), qPrintable(page.errorText));
        QVERIFY(page.html.contains(QString(12 * 1024 * 1024, QLatin1Char('w'))));
        QVERIFY(page.html.contains("Маленькая книга"));
        QVERIFY(!page.html.contains("<textarea"));
        QVERIFY(m.messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(FragmentNormalizerTest)
#include "fragmentnormalizer_test.moc"
