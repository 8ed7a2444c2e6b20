#include "page/htmlexport.h"
#include "recordingmessenger.h"
#include "testcatalog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kCss = QStringLiteral("/opt/ordoteca/Styles/CSS/Modern.css");
const QString kUtf16Meta =
    QStringLiteral("<META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-16\">");
const QString kUtf8Meta =
    QStringLiteral("<META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">");

QString wrapped(const QString &text)
{
    return "<HTML>\n" + text + "</HTML>\n";
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class HtmlExportTest : public QObject
{
    Q_OBJECT

private slots:
    void rewriting_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("expected"); // without the <HTML> wrapping

        QTest::newRow("empty page still wrapped") << QString() << QString();
        QTest::newRow("CR LF to LF, lone CR kept") << "a\r\nb\rc\n"
                                                   << "a\nb\rc\n";
        QTest::newRow("META announces UTF-8")
            << kUtf16Meta + "\n" + kUtf16Meta << kUtf8Meta + "\n" + kUtf8Meta;
        QTest::newRow("other META lines untouched") << "<meta http-equiv=\"Content-Type\" "
                                                       "content=\"text/html; charset=UTF-16\">"
                                                    << "<meta http-equiv=\"Content-Type\" "
                                                       "content=\"text/html; charset=UTF-16\">";
        QTest::newRow("style sheet gets the chosen file's full path")
            << "<link rel=\"stylesheet\" type=\"text/css\" HREF=\"ordo.css\">"
            << "<link rel=\"stylesheet\" type=\"text/css\" HREF=\"" + kCss + "\">";
        QTest::newRow("only the exact style sheet reference") << "<a href=\"ordo.css\">"
                                                              << "<a href=\"ordo.css\">";
        QTest::newRow("cover scheme removed") << "<a href=\"ordocover:///c/my_images/12.jpg\">"
                                                 "<img src=\"/c/my_images/12.jpg\"></a> ordocover://"
                                              << "<a href=\"/c/my_images/12.jpg\">"
                                                 "<img src=\"/c/my_images/12.jpg\"></a> ";
        QTest::newRow("link resolved to its path") << "<a href=\"ordolink://12/2\">Author</a>"
                                                   << "<a href=\"/home/reader/docs/bentley.html\">Author</a>";
        QTest::newRow("every link, white space trimmed")
            << "<a href=\"ordolink://12/5\">E</a><a href=\"ordolink:// 12/2 \">A</a>"
            << "<a href=\"http://www.example.com/errata\">E</a><a "
               "href=\"/home/reader/docs/bentley.html\">A</a>";
        QTest::newRow("link that no longer exists") << "<a href=\"ordolink://12/9\">x</a>"
                                                    << "<a href=\"12/9\">x</a>";
        QTest::newRow("link without closing quote ends at the end")
            << "<a href=\"ordolink://12/2\">x</a> <a href=ordolink://12/5>y"
            << "<a href=\"/home/reader/docs/bentley.html\">x</a> <a href=12/5>y";
        QTest::newRow("bare scheme at the very end") << "x ordolink://"
                                                     << "x ";
        QTest::newRow("repeated cover scheme") << "<a href=\"ordocover://ordocover://12.jpg\">"
                                               << "<a href=\"12.jpg\">";
        // Dropping the inner scheme text does not make a new one to drop.
        QTest::newRow("nested cover scheme") << "ordoordocover://cover://12.jpg"
                                             << "ordocover://12.jpg";
        QTest::newRow("link then cover, one pass") << "<a href=\"ordolink://12/2\">ordocover://x</a>"
                                                   << "<a href=\"/home/reader/docs/bentley.html\">x</a>";
        QTest::newRow("a path that is a link reference is not resolved again")
            << "<a href=\"ordolink://12/7\">loop</a>"
            << "<a href=\"ordolink://12/7\">loop</a>";
    }

    void rewriting()
    {
        QFETCH(QString, html);
        QFETCH(QString, expected);

        TestCatalog cat;
        cat.exec("INSERT INTO book (BookID, Title, EBookOnly) VALUES (12, 'T', 0)");
        cat.exec("INSERT INTO link (BookID, LinkID, Name, Path) VALUES (12, 2, 'A', "
                 "'/home/reader/docs/bentley.html')");
        cat.exec("INSERT INTO link (BookID, LinkID, Name, Path) VALUES (12, 5, 'E', "
                 "'http://www.example.com/errata')");
        cat.exec("INSERT INTO link (BookID, LinkID, Name, Path) VALUES (12, 7, 'Self', 'ordolink://12/7')");

        QCOMPARE(MakeHtmlExportText(html, kCss, &cat.connection()), wrapped(expected));
    }

    void rewriting_withoutCatalogueKeepsLinkNumbers()
    {
        QCOMPARE(MakeHtmlExportText("<a href=\"ordolink://3/1\">", kCss, nullptr),
                 wrapped("<a href=\"3/1\">"));
    }

    void writeExportFile_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("LF written as CR LF") << "<a>\n<b>\n" << QByteArray("<a>\r\n<b>\r\n");
        QTest::newRow("CR LF in the text stays one line end") << "a\r\nb\n" << QByteArray("a\r\nb\r\n");
        QTest::newRow("UTF-8 without byte-order mark")
            << QString::fromUtf8("Caf\u00e9 \U0001F600\n") << QByteArray("Caf\xc3\xa9 \xf0\x9f\x98\x80\r\n");
        QTest::newRow("empty text gives an empty file") << QString() << QByteArray();
    }

    void writeExportFile()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("out.htm");
        QVERIFY(WriteExportFile(path, text));
        QCOMPARE(readBytes(path), bytes);
    }

    void writeExportFile_replacesAnExistingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("out.xml");
        QVERIFY(WriteExportFile(path, "a much longer first text\n"));
        QVERIFY(WriteExportFile(path, "short\n"));
        QCOMPARE(readBytes(path), QByteArray("short\r\n"));
    }

    void writeExportFile_cannotOpen()
    {
        QTemporaryDir dir;
        QVERIFY(!WriteExportFile(dir.filePath("no/such/folder/out.htm"), "x\n"));
        QVERIFY(!QFile::exists(dir.filePath("no")));
        // A folder in place of the file.
        QVERIFY(QDir(dir.path()).mkdir("taken.htm"));
        QVERIFY(!WriteExportFile(dir.filePath("taken.htm"), "x\n"));
    }
};

QTEST_GUILESS_MAIN(HtmlExportTest)
#include "htmlexport_test.moc"
