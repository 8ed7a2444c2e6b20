#include "catalog/bookid.h"
#include "page/booktransform.h"
#include "page/bookxml.h"
#include "pagetestbooks.h"
#include "recordingmessenger.h"
#include "testcatalog.h"

#include <QDateTime>
#include <QLocale>
#include <QTest>
#include <QXmlStreamReader>

using namespace PageTestBooks;

namespace {

const QString kDate = QStringLiteral("3/14/24 9:26 AM");

bool isWellFormed(const QString &xml, QString *error = nullptr)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError() && error)
        *error = reader.errorString();
    return !reader.hasError();
}

// The document read back through libxml2: "name=value" per leaf element.
QString readBack(const QString &xml)
{
    const TransformResult result = TransformBookXml(xml, goldenPath("values.xsl"));
    if (!result.ok())
        qWarning("read back failed: %s", qPrintable(result.errorText));
    return result.ok() ? result.html : QStringLiteral("<failed>");
}

} // namespace

class BookXmlTest : public QObject
{
    Q_OBJECT

private slots:
    void makeXmlElement_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");

        QTest::newRow("empty value leaves no line") << QString() << QString();
        QTest::newRow("plain") << "Dune"
                               << "<T>Dune</T>\n";
        QTest::newRow("ampersand and less-than escaped, greater-than kept")
            << "a & b < c > d"
            << "<T>a &amp; b &lt; c > d</T>\n";
        QTest::newRow("an entity text is escaped once") << "&lt;"
                                                        << "<T>&amp;lt;</T>\n";
        QTest::newRow("quotes and apostrophes pass") << "\"it's\""
                                                     << "<T>\"it's\"</T>\n";
        QTest::newRow("tab, LF and CR pass") << "a\tb\nc\rd"
                                             << "<T>a\tb\nc\rd</T>\n";
        QTest::newRow("other C0 controls dropped") << QString("a\x01"
                                                              "b\x08"
                                                              "c\x0B\x0C\x1F"
                                                              "d")
                                                   << "<T>abcd</T>\n";
        QTest::newRow("nothing but controls leaves no line") << QString("\x01\x02") << QString();
        QTest::newRow("CDATA end") << "x]]>y"
                                   << "<T>x]]&gt;y</T>\n";
        QTest::newRow("CDATA end after more brackets") << "]]]>"
                                                       << "<T>]]]&gt;</T>\n";
        QTest::newRow("separated brackets stay") << "] ]> ]>"
                                                 << "<T>] ]> ]></T>\n";
        QTest::newRow("CDATA end closed up by a dropped control") << QString("]]\x01>") << "<T>]]&gt;</T>\n";
        QTest::newRow("non-ASCII kept") << QString::fromUtf8("Caf\u00e9 \u4e2d\u6587")
                                        << QString::fromUtf8("<T>Caf\u00e9 \u4e2d\u6587</T>\n");
        QTest::newRow("surrogate pair kept")
            << QString::fromUtf8("\U0001F600") << QString::fromUtf8("<T>\U0001F600</T>\n");
        QTest::newRow("lone high surrogate dropped")
            << QString(QChar(0xD800)) + "x" + QChar(0xDBFF) << "<T>x</T>\n";
        QTest::newRow("lone low surrogate dropped") << "x" + QString(QChar(0xDC00)) << "<T>x</T>\n";
        QTest::newRow("reversed pair dropped") << QString(QChar(0xDC00)) + QChar(0xD800) << QString();
        QTest::newRow("non-characters FFFE and FFFF dropped, FFFD kept")
            << QString(QChar(0xFFFE)) + QChar(0xFFFD) + QChar(0xFFFF)
            << QString("<T>") + QChar(0xFFFD) + "</T>\n";
    }

    void makeXmlElement()
    {
        QFETCH(QString, value);
        QFETCH(QString, expected);
        const QString line = MakeXmlElement("T", value);
        QCOMPARE(line, expected);
        if (!line.isEmpty())
            QVERIFY(isWellFormed(line));
    }

    void buildBookXml_matchesGoldenFile_data()
    {
        QTest::addColumn<QVector<BookId>>("books");
        QTest::addColumn<QString>("golden");

        QTest::newRow("every field, links in LinkID order, covers") << QVector<BookId>{12} << "full.xml";
        QTest::newRow("title only: no empty lines, no links, no covers, no rating")
            << QVector<BookId>{3} << "minimal.xml";
        QTest::newRow("escaping and cleaning") << QVector<BookId>{7} << "special.xml";
        QTest::newRow("several books in selection order") << QVector<BookId>{3, 12} << "several.xml";
    }

    void buildBookXml_matchesGoldenFile()
    {
        QFETCH(QVector<BookId>, books);
        QFETCH(QString, golden);

        TestCatalog cat;
        addFullBook(cat);
        addMinimalBook(cat);
        addSpecialBook(cat);
        RecordingMessenger messenger;

        const QString xml = BuildBookXml(books, cat.connection(), imagesFolder(), kDate);
        QVERIFY(matchesGolden(xml, golden));
        QVERIFY(messenger.messages.isEmpty());

        QVERIFY(xml.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Ordoteca CreationDate=\"" +
                               kDate + "\">\n"));
        QVERIFY(xml.endsWith("</Book>\n</Ordoteca>\n"));
        QVERIFY(!xml.contains("\n\n"));
        QCOMPARE(xml.count("<Book>\n"), books.size());
        QCOMPARE(xml.count("<EbookOnly>"), books.size());
        QString error;
        QVERIFY2(isWellFormed(xml, &error), qPrintable(error));
        QVERIFY(readBack(xml).startsWith("Title="));
    }

    void buildBookXml_valuesReadBackThroughLibxml2()
    {
        TestCatalog cat;
        addSpecialBook(cat);
        const QString values = readBack(BuildBookXml({7}, cat.connection(), imagesFolder(), kDate));
        const QStringList expected = {
            "Title=Tom & Jerry <Cats> \"Quoted\" 'apos'",
            QString::fromUtf8("Subtitle=Caf\u00e9 Cr\u00e8me \u2013 \u4e2d\u6587 \U0001F600"),
            "Author=CtrlChar\tTab",
            "Publisher=Simon & Schuster",
            "EbookOnly=No",
            "Description=<p>x &amp; y</p>",
            "Notes=a ]]> b ]]]> c",
            "LinkID=7/1",
            "Title=Search <results>",
            "Path=http://www.example.com/?a=1&b=2",
        };
        QCOMPARE(values.split('\n', Qt::SkipEmptyParts), expected);
    }

    void buildBookXml_creationDateIsNowInTheUserLocale()
    {
        TestCatalog cat;
        addMinimalBook(cat);
        const QString before = QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
        const QString xml = BuildBookXml({3}, cat.connection(), imagesFolder());
        const QString after = QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
        const QString line = xml.section('\n', 1, 1);
        QVERIFY2(line == "<Ordoteca CreationDate=\"" + before + "\">" ||
                     line == "<Ordoteca CreationDate=\"" + after + "\">",
                 qPrintable(line));
    }

    void buildBookXml_creationDateCannotBreakTheAttribute()
    {
        TestCatalog cat;
        addMinimalBook(cat);
        const QString xml = BuildBookXml({3}, cat.connection(), imagesFolder(), "a\"b&c<d");
        QVERIFY(xml.contains("<Ordoteca CreationDate=\"a&quot;b&amp;c&lt;d\">\n"));
        QVERIFY(isWellFormed(xml));
    }

    void buildBookXml_databaseErrorIsShownOnceAndGivesNothing()
    {
        TestCatalog cat;
        addFullBook(cat);
        addMinimalBook(cat);
        cat.exec("DROP TABLE link");
        RecordingMessenger messenger;
        QVERIFY(BuildBookXml({12, 3}, cat.connection(), imagesFolder(), kDate).isEmpty());
        QCOMPARE(messenger.messages.size(), 1);
        // The links of the whole batch are read in one query.
        QVERIFY2(
            messenger.messages.first().startsWith("SELECT BookID, LinkID, Name, Path, Notes FROM link WHERE "
                                                  "BookID IN (12,3)"),
            qPrintable(messenger.messages.first()));
    }
};

QTEST_GUILESS_MAIN(BookXmlTest)
#include "bookxml_test.moc"
