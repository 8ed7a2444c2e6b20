#include "online/descriptionhtml.h"

#include <QTest>

class DescriptionHtmlTest : public QObject
{
    Q_OBJECT

private slots:
    void clean_removesEverythingThatRunsScript_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("clean");
        QTest::newRow("script") << "<p>A<script>alert(1)</script>B</p>" << "<p>AB</p>";
        QTest::newRow("upper-case script") << "<SCRIPT src=x.js></SCRIPT><b>bold</b>" << "<b>bold</b>";
        QTest::newRow("style") << "<style>body{display:none}</style>Text" << "Text";
        QTest::newRow("iframe") << "x<iframe src=\"https://evil.example/\"></iframe>y" << "xy";
        QTest::newRow("object and embed") << "<object data=a.swf><embed src=a.swf></object>z" << "z";
        QTest::newRow("event handler") << "<img src=\"a.jpg\" onerror=\"alert(1)\" alt=\"a\">"
                                        << "<img src=\"a.jpg\" alt=\"a\">";
        QTest::newRow("mixed-case handler") << "<b OnMouseOver=\"x()\">b</b>" << "<b>b</b>";
        QTest::newRow("javascript link") << "<a href=\"javascript:alert(1)\">x</a>" << "<a>x</a>";
        QTest::newRow("obfuscated scheme") << "<a href=\" jAvA&#x09;script:alert(1)\">x</a>" << "<a>x</a>";
        QTest::newRow("vbscript") << "<a href=\"vbscript:msgbox\">x</a>" << "<a>x</a>";
        QTest::newRow("data html") << "<a href=\"data:text/html,<script>x</script>\">x</a>" << "<a>x</a>";
        QTest::newRow("style expression") << "<p style=\"width: expression(alert(1))\">p</p>" << "<p>p</p>";
        QTest::newRow("comment") << "a<!-- <script>x</script> -->b" << "ab";
        QTest::newRow("form") << "<form action=\"https://evil.example/\"><input name=p></form>ok" << "ok";
        QTest::newRow("meta refresh") << "<meta http-equiv=\"refresh\" content=\"0;url=https://evil.example/\">t"
                                      << "t";
    }

    void clean_removesEverythingThatRunsScript()
    {
        QFETCH(QString, html);
        QFETCH(QString, clean);
        QCOMPARE(CleanServiceHtml(html), clean);
    }

    void clean_keepsOrdinaryFormatting()
    {
        const QString html = QStringLiteral("<p>Un <b>livre</b> &amp; <i>ein</i> Buch: <a href=\"https://example.org/"
                                            "a?b=1&amp;c=2\" title=\"data: 2003\">Βιβλίο</a><br>книга "
                                            "<img src=\"data:image/png;base64,AAAA\" alt=\"书\"></p>"
                                            "<ul><li>one</li><li>two</li></ul><blockquote>q</blockquote>");
        QCOMPARE(CleanServiceHtml(html), html);
        QCOMPARE(CleanServiceHtml(QStringLiteral("plain text only")), QString("plain text only"));
        QCOMPARE(CleanServiceHtml(QStringLiteral("   ")), QString());
        // A closing body tag inside the text does not end the cleaning.
        const QString escaped = CleanServiceHtml(QStringLiteral("a</body></html><script>x</script><b onclick=\"x()\">b</b>"));
        QVERIFY2(!escaped.contains("script") && !escaped.contains("onclick"), qPrintable(escaped));
        QVERIFY(escaped.startsWith("a") && escaped.contains("<b>b</b>"));
    }

    void plainText_becomesEscapedParagraphs()
    {
        QCOMPARE(PlainTextToHtml(QStringLiteral("One\r\ntwo & <three>\r\n\r\n  \r\nΔεύτερη παράγραφος, второй, 第二\n")),
                 QString("<p>One<br>two &amp; &lt;three&gt;</p><p>Δεύτερη παράγραφος, второй, 第二</p>"));
        QCOMPARE(PlainTextToHtml(QString()), QString());
        QCOMPARE(PlainTextToHtml(QStringLiteral("\n\n")), QString());
    }
};

QTEST_GUILESS_MAIN(DescriptionHtmlTest)
#include "descriptionhtml_test.moc"
