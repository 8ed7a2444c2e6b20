#include "catalog/bookid.h"
#include "app/apppaths.h"
#include "app/strings.h"
#include "filebytes.h"
#include "page/bookpage.h"
#include "page/bookxml.h"
#include "page/encodeutf8.h"
#include "pagetestbooks.h"
#include "recordingmessenger.h"
#include "testcatalog.h"

#include <QTemporaryDir>
#include <QTest>

using namespace PageTestBooks;

namespace {

const QString kDate = QStringLiteral("3/14/24 9:26 AM");

// Every LF of the file is part of a CR LF.
bool hasOnlyCrLf(const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return false;
    return bytes.contains("\r\n");
}

} // namespace

class BookPageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { SetAppFolder(TestCatalog::appDir() + "/"); }

    void paths()
    {
        QCOMPARE(CBookPage::TemplatePath("DetailsEnu"), TestCatalog::appDir() + "/Styles/DetailsEnu.xsl");
        QCOMPARE(CBookPage::StyleSheetPath("Night"), TestCatalog::appDir() + "/Styles/CSS/Night.css");
        QVERIFY(QFile::exists(CBookPage::StyleSheetPath("Classic")));
    }

    void update_showsTheSelectedBooks()
    {
        TestCatalog cat;
        addFullBook(cat);
        addMinimalBook(cat);
        RecordingMessenger messenger;
        CBookPage page;
        page.SetCreationDate(kDate);

        QVERIFY(
            page.Update({12, 3}, &cat.connection(), imagesFolder(), CBookPage::TemplatePath("DetailsEnu")));
        QCOMPARE(page.Xml(), BuildBookXml({12, 3}, cat.connection(), imagesFolder(), kDate));
        QVERIFY(page.Html().contains("Programming Pearls"));
        QVERIFY(page.Html().indexOf("Untitled Notes") > page.Html().indexOf("Programming Pearls"));
        QCOMPARE(page.LastStatus(), TransformStatus::Ok);
        QVERIFY(messenger.messages.isEmpty());
    }

    void update_failureEmptiesBothTexts_data()
    {
        QTest::addColumn<QVector<BookId>>("books");
        QTest::addColumn<QString>("xsl"); // file contents; empty for a missing file
        QTest::addColumn<QString>("message");

        QTest::newRow("no selection: welcome page, no message") << QVector<BookId>{} << QString() << QString();
        QTest::newRow("missing template") << QVector<BookId>{12} << QString() << LoadStr(IDS_LOAD_XSL_FAILED);
        QTest::newRow("broken template")
            << QVector<BookId>{12} << "<xsl:stylesheet" << LoadStr(IDS_LOAD_XSL_FAILED);
        QTest::newRow("transformation error: no message")
            << QVector<BookId>{12}
            << "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
               "<xsl:template match=\"/\"><xsl:message terminate=\"yes\">no</xsl:message></xsl:template>"
               "</xsl:stylesheet>"
            << QString();
    }

    void update_failureEmptiesBothTexts()
    {
        QFETCH(QVector<BookId>, books);
        QFETCH(QString, xsl);
        QFETCH(QString, message);

        TestCatalog cat;
        addFullBook(cat);
        QTemporaryDir dir;
        const QString path = dir.filePath("t.xsl");
        if (!xsl.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(xsl.toUtf8());
        }
        RecordingMessenger messenger;
        CBookPage page;
        // A page that showed books before.
        QVERIFY(
            page.Update({12}, &cat.connection(), imagesFolder(), CBookPage::TemplatePath("ListEnu")));
        QVERIFY(!page.Html().isEmpty());

        QVERIFY(!page.Update(books, &cat.connection(), imagesFolder(), path));
        QVERIFY(page.Xml().isEmpty());
        QVERIFY(page.Html().isEmpty());
        QCOMPARE(messenger.messages, message.isEmpty() ? QStringList() : QStringList{message});
    }

    void update_withoutCatalogue()
    {
        CBookPage page;
        QVERIFY(!page.Update({1}, nullptr, imagesFolder(), CBookPage::TemplatePath("DetailsEnu")));
        QVERIFY(page.Html().isEmpty());
    }

    void saveAsXml_writesUtf8WithCrLf()
    {
        TestCatalog cat;
        addFullBook(cat);
        addSpecialBook(cat);
        CBookPage page;
        page.SetCreationDate(kDate);
        QVERIFY(
            page.Update({12, 7}, &cat.connection(), imagesFolder(), CBookPage::TemplatePath("DetailsEnu")));

        QTemporaryDir dir;
        const QString path = dir.filePath("books.xml");
        QVERIFY(page.SaveAsXml(path));
        const QByteArray bytes = FileBytes(path);
        QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Ordoteca"));
        QVERIFY(hasOnlyCrLf(bytes));
        QVERIFY(bytes.contains("Caf\xc3\xa9 Cr\xc3\xa8me"));
        QCOMPARE(bytes, EncodeUtf8(page.Xml()).replace("\n", "\r\n"));
    }

    void saveAsHtml_writesTheStandAlonePage()
    {
        TestCatalog cat;
        addFullBook(cat);
        CBookPage page;
        QVERIFY(page.Update({12}, &cat.connection(), imagesFolder(), CBookPage::TemplatePath("DetailsEnu")));
        // A link deleted after the page was shown: the export resolves
        // references against the catalogue as it is now.
        cat.exec("DELETE FROM link WHERE LinkID=5");

        QTemporaryDir dir;
        const QString path = dir.filePath("books.htm");
        const QString css = CBookPage::StyleSheetPath("Night");
        QVERIFY(page.SaveAsHtml(path, css, &cat.connection()));
        const QByteArray bytes = FileBytes(path);
        const QString text = QString::fromUtf8(bytes);

        QVERIFY(bytes.startsWith("<HTML>\r\n<html lang=\"en\">"));
        QVERIFY(bytes.endsWith("</html>\r\n</HTML>\r\n"));
        QVERIFY(hasOnlyCrLf(bytes));
        QVERIFY(text.contains("<META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">"));
        QVERIFY(!text.contains("charset=UTF-16"));
        QVERIFY(text.contains("HREF=\"" + css + "\">"));
        QVERIFY(!text.contains("ordocover://"));
        QVERIFY(!text.contains("ordolink://"));
        QVERIFY(text.contains("<a href=\"/home/reader/docs/bentley.html\""));
        QVERIFY(text.contains("<a href=\"12/5\""));
        QVERIFY(text.contains("<a href=\"/catalogs/My Books_images/12.jpg\""));
        QVERIFY(text.contains("<img src=\"file:///catalogs/My%20Books_images/12.jpg\""));
        // The page's own text is unchanged.
        QVERIFY(page.Html().contains("ordolink://12/5"));
    }

    void saveAs_emptyPageWritesNothing()
    {
        QTemporaryDir dir;
        RecordingMessenger messenger;
        CBookPage page;
        QVERIFY(page.SaveAsXml(dir.filePath("a.xml")));
        QVERIFY(page.SaveAsHtml(dir.filePath("a.htm"), "x.css", nullptr));
        QVERIFY(!QFile::exists(dir.filePath("a.xml")));
        QVERIFY(!QFile::exists(dir.filePath("a.htm")));
        QVERIFY(messenger.messages.isEmpty());
    }

    void saveAs_cannotOpenFileShowsTheMessage()
    {
        TestCatalog cat;
        addMinimalBook(cat);
        CBookPage page;
        QVERIFY(page.Update({3}, &cat.connection(), imagesFolder(), CBookPage::TemplatePath("DetailsEnu")));
        QTemporaryDir dir;
        RecordingMessenger messenger;

        QVERIFY(!page.SaveAsXml(dir.filePath("missing/a.xml")));
        QVERIFY(!page.SaveAsHtml(dir.filePath("missing/a.htm"), "x.css", &cat.connection()));
        QCOMPARE(messenger.messages, QStringList(2, "Cannot open file for writing."));
        QVERIFY(!page.Xml().isEmpty());
    }
};

QTEST_GUILESS_MAIN(BookPageTest)
#include "bookpage_test.moc"
