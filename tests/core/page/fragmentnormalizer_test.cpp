// Descriptions and notes from the web placed among other books: whatever one
// holds, the books after it stay books, and the page keeps its own style.
#include "catalog/bookrecord.h"
#include "page/booktransform.h"
#include "page/bookxml.h"
#include "page/fragmentnormalizer.h"
#include "recordingmessenger.h"
#include "testcatalog.h"

#include <QTest>

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
        QCOMPARE(NormalizeHtmlFragment(QString("<p>书") + nul + "名</p><p>后</p>"), QString("<p>书名</p>\n<p>后</p>"));
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
