#include "app/strings.h"
#include "catalog/loancommands.h"
#include "page/booktransform.h"
#include "page/bookxml.h"
#include "page/coverurl.h"
#include "pagetestbooks.h"
#include "testcatalog.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QUrl>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace PageTestBooks;

namespace {

const QString kXslHead = QStringLiteral("<?xml version=\"1.0\"?>\n"
                                        "<xsl:stylesheet version=\"1.0\" "
                                        "xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">\n"
                                        "<xsl:output method=\"html\"/>\n");
const QString kXslTail = QStringLiteral("</xsl:stylesheet>\n");
const QString kSmallXml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                         "<Ordoteca CreationDate=\"now\">\n<Book>\n<Title>T</Title>\n"
                                         "<EbookOnly>No</EbookOnly>\n</Book>\n</Ordoteca>\n");

bool writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) >= 0;
}

// A TCP port on 127.0.0.1 that accepts connections into its backlog without
// any event loop, so a test can tell afterwards whether anything knocked.
class LocalListener
{
public:
    LocalListener()
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_fd < 0 || ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), length) != 0 ||
            ::listen(m_fd, 8) != 0 ||
            ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&address), &length) != 0)
            qFatal("cannot listen on 127.0.0.1");
        m_port = ntohs(address.sin_port);
    }
    ~LocalListener() { ::close(m_fd); }
    LocalListener(const LocalListener &) = delete;
    LocalListener &operator=(const LocalListener &) = delete;

    QString url(const QString &path) const
    {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_port).arg(path);
    }
    bool wasContacted() const
    {
        pollfd p{m_fd, POLLIN, 0};
        return ::poll(&p, 1, 100) > 0;
    }

private:
    int m_fd = -1;
    int m_port = 0;
};

// What is written to file descriptor 2 while it lives.
class StderrCapture
{
public:
    StderrCapture()
    {
        m_file.open();
        std::fflush(stderr);
        m_saved = ::dup(2);
        ::dup2(m_file.handle(), 2);
    }
    QByteArray finish()
    {
        std::fflush(stderr);
        ::dup2(m_saved, 2);
        ::close(m_saved);
        m_file.seek(0);
        return m_file.readAll();
    }

private:
    QTemporaryFile m_file;
    int m_saved = -1;
};

// A language's label table of the page templates: key -> text.
QHash<QString, QString> labelTable(const QString &code)
{
    QHash<QString, QString> table;
    QFile file(QStringLiteral(ORDO_SOURCE_DIR "/data/Styles/labels/%1.txt").arg(code));
    if (!file.open(QIODevice::ReadOnly))
        return table;
    for (const QString &line : QString::fromUtf8(file.readAll()).split('\n')) {
        const int eq = line.indexOf('=');
        if (line.startsWith('#') || eq < 0)
            continue;
        table.insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return table;
}

} // namespace

class BookTransformTest : public QObject
{
    Q_OBJECT

private slots:
    void shippedTemplates_data()
    {
        QTest::addColumn<QString>("file");
        const QStringList files = QDir(TestCatalog::appDir() + "/Styles").entryList({"*.xsl"}, QDir::Files);
        QVERIFY2(files.size() >= 2, qPrintable(files.join(',')));
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << file;
    }

    void shippedTemplates()
    {
        QFETCH(QString, file);
        // The menu shows the file title; its last three letters name the language.
        QVERIFY(QRegularExpression("[A-Z][a-z][a-z]\\.xsl$").match(file).hasMatch());

        TestCatalog cat;
        addFullBook(cat);
        addSpecialBook(cat);
        const QString xml = BuildBookXml({12, 7}, cat.connection(), imagesFolder(), "3/14/24 9:26 AM");
        const TransformResult result = TransformBookXml(xml, templatePath(file));
        QVERIFY2(result.ok(), qPrintable(result.errorText));
        QVERIFY2(result.errorText.isEmpty(), qPrintable(result.errorText));
        const QString &html = result.html;

        // What the program and Save As HTML rely on.
        QVERIFY(html.contains("<META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-16\">"));
        QVERIFY(html.contains("HREF=\"ordo.css\">"));
        QVERIFY(html.contains("<img src=\"file:///catalogs/My%20Books_images/12.jpg\""));
        QVERIFY(html.contains("<a href=\"ordocover:///catalogs/My Books_images/12.jpg\""));
        QVERIFY(html.contains("<a href=\"ordolink://12/2\""));
        QVERIFY(html.contains("<a href=\"ordolink://12/5\""));
        QVERIFY(html.contains("<a href=\"ordolink://7/1\""));
        QVERIFY(!html.contains("ordosrc"));
        QVERIFY(!html.contains("ordohref"));

        // Description and notes are HTML and show formatted.
        QVERIFY(html.contains("<p>Essays on <b>programming</b>.</p>"));
        QVERIFY(html.contains("<ul><li>Re-read column 8</li></ul>"));
        // Other values are text.
        QVERIFY(html.contains("Tom &amp; Jerry &lt;Cats&gt;"));
        QVERIFY(html.contains(QString::fromUtf8("Caf\u00e9 Cr\u00e8me \u2013 \u4e2d\u6587 \U0001F600")));
        QVERIFY(!html.contains("<Cats>"));

        // Every field with a value shows, with its label.
        const QStringList shown = {"Programming Pearls",
                                   "Second Edition",
                                   "Jon Bentley",
                                   "http://www.example.com/exec/obidos/tg/detail/-/0201657880",
                                   "2nd",
                                   "Addison-Wesley",
                                   "0201657880",
                                   "256",
                                   "English",
                                   "Paperback",
                                   "9.1 x 6.1 x 0.6 inches",
                                   "Floppy Disk",
                                   "Powell's Books",
                                   "Study, shelf 2",
                                   "In Collection",
                                   "120",
                                   "87",
                                   "Shelf A",
                                   "Signed copy",
                                   "Yes",
                                   "PDF",
                                   "Author page",
                                   "/home/reader/docs/bentley.html",
                                   "Errata",
                                   "http://www.example.com/errata",
                                   "Checked in 2004",
                                   "/catalogs/My Books_images/12b.jpg",
                                   "Simon &amp; Schuster",
                                   "Search &lt;results&gt;",
                                   "3/14/24 9:26 AM"};
        for (const QString &text : shown)
            QVERIFY2(html.contains(text), qPrintable(text));
        const QStringList labels = {
            "Publisher",  "ISBN",         "Pages",         "Language",    "Binding",     "Dimensions",
            "Extras",     "Purchased",    "Store",         "Price paid",  "List price",  "Amazon price",
            "Location",   "Current page", "Amazon rating", "Reviews",     "User text 1", "User text 2",
            "eBook only", "eBook format", "eBook size",    "Description", "Notes"};
        // In the template's own language, from the label table it was written with.
        const QString code = file.mid(file.size() - 7, 3);
        const QHash<QString, QString> english = labelTable("Enu");
        const QHash<QString, QString> own = labelTable(code);
        for (const QString &label : labels) {
            const QString shownLabel = own.value(english.key(label));
            QVERIFY2(!shownLabel.isEmpty(), qPrintable(label));
            QVERIFY2(html.contains(">" + shownLabel + "<"), qPrintable(shownLabel));
        }
        // Dates and numbers as the template's language writes them.
        const auto date = [&own](int day, int month, const QString &year) {
            QString text = own.value("datePattern");
            text.replace("%D", QString("%1").arg(day, 2, 10, QLatin1Char('0')));
            text.replace("%d", QString::number(day));
            text.replace("%n", QString::number(month));
            text.replace("%m", own.value(QString("month%1").arg(month)));
            return text.replace("%Y", year);
        };
        const QString point = own.value("decimalSeparator");
        for (const QString &text : {date(7, 10, "1999"), date(5, 1, "2004"), "24" + point + "99", "34" + point + "99",
                                    "29" + point + "50", "4" + point + "5", "1" + point + "25 MB"})
            QVERIFY2(html.contains(text), qPrintable(text));
        // My rating of 4 as stars.
        QVERIFY(html.contains("title=\"" + QString(own.value("starsOf5")).replace("{$lit}", "4") + "\""));
        QVERIFY(html.contains("<html lang=\"" + own.value("lang") + "\">"));
    }

    // The current loan in every shipped template and language: who has the
    // book, since when, until when; an overdue one marked in words and by
    // its class. Past loans are not on the page.
    void shippedTemplates_showTheCurrentLoan_data() { shippedTemplates_data(); }
    void shippedTemplates_showTheCurrentLoan()
    {
        QFETCH(QString, file);
        TestCatalog cat;
        addFullBook(cat);
        addSpecialBook(cat);
        QVERIFY(LendBooks(cat.connection(), {12},
                          {"Ζωή & Пётр", LoanDirection::LentTo, QDate(2020, 1, 5), {}, {}})
                    .ok);
        QVERIFY(ReturnBooks(cat.connection(), {12}, QDate(2020, 2, 1)).ok);
        QVERIFY(LendBooks(cat.connection(), {12},
                          {"陈静", LoanDirection::LentTo, QDate(2024, 10, 7), QDate(2024, 11, 5), {}})
                    .ok);
        QVERIFY(LendBooks(cat.connection(), {7},
                          {"Émile", LoanDirection::BorrowedFrom, QDate(2024, 1, 5), QDate(9999, 1, 5), {}})
                    .ok);

        const QString xml = BuildBookXml({12, 7}, cat.connection(), imagesFolder(), "now");
        QVERIFY(xml.contains(
            "<Loans>\n<Loan Direction=\"LentTo\" Current=\"1\" Overdue=\"1\">\n<Borrower>陈静</Borrower>\n"
            "<LoanDate>Oct 07, 2024</LoanDate>\n<DueDate>Nov 05, 2024</DueDate>\n</Loan>\n"
            "<Loan Direction=\"LentTo\">\n<Borrower>Ζωή &amp; Пётр</Borrower>\n"
            "<LoanDate>Jan 05, 2020</LoanDate>\n<ReturnDate>Feb 01, 2020</ReturnDate>\n</Loan>\n</Loans>\n"));
        QVERIFY(xml.contains("<Loan Direction=\"BorrowedFrom\" Current=\"1\">\n<Borrower>Émile</Borrower>"));

        const TransformResult result = TransformBookXml(xml, templatePath(file));
        QVERIFY2(result.ok(), qPrintable(result.errorText));
        const QString html = QString(result.html).replace(QRegularExpression("\\s+"), " ");
        const QHash<QString, QString> own = labelTable(file.mid(file.size() - 7, 3));
        QVERIFY(html.contains("<p class=\"loan overdue\">"));
        QVERIFY(html.contains(own.value("loanOverdue")));
        QVERIFY(html.contains(own.value("loanLentTo") + " <span class=\"borrower\">陈静</span> " +
                              own.value("loanSince")));
        QVERIFY(html.contains(own.value("loanDue")));
        QVERIFY(html.contains(own.value("loanBorrowedFrom") + " <span class=\"borrower\">Émile</span>"));
        QCOMPARE(html.count("class=\"loan"), 2);
        QCOMPARE(html.count("class=\"loan overdue\""), 1);
        QVERIFY(!html.contains("Пётр")); // returned: history only
    }

    // The series and what the reading log sums up show in every shipped
    // template, labelled in its own language.
    void shippedTemplates_showSeriesAndReadings_data() { shippedTemplates_data(); }
    void shippedTemplates_showSeriesAndReadings()
    {
        QFETCH(QString, file);
        TestCatalog cat;
        addFullBook(cat);
        cat.exec("INSERT INTO bookseries (SeriesID, Name) VALUES (4, 'Плоский мир & Ἑλλάς')");
        cat.exec("UPDATE book SET SeriesID=4, SeriesNumber='III' WHERE BookID=12");
        cat.exec("INSERT INTO reading (BookID, ReadingID, Started, Finished, Completed) VALUES "
                 "(12, 1, '2023-01-02', '2023-02-01', 1), (12, 2, '2025-03-01', '2025-03-20', 1)");

        const QString xml = BuildBookXml({12}, cat.connection(), imagesFolder(), "now");
        QVERIFY(xml.contains("<Series>Плоский мир &amp; Ἑλλάς</Series>\n<SeriesNumber>III</SeriesNumber>"));
        QVERIFY(xml.contains("<ReadingState>Read</ReadingState>\n<TimesRead>2</TimesRead>"));
        QVERIFY(xml.contains("<Readings>\n<Reading>"));

        const TransformResult result = TransformBookXml(xml, templatePath(file));
        QVERIFY2(result.ok(), qPrintable(result.errorText));
        const QString html = QString(result.html).replace(QRegularExpression("\\s+"), " ");
        const QHash<QString, QString> own = labelTable(file.mid(file.size() - 7, 3));
        QVERIFY(html.contains("Плоский мир &amp; Ἑλλάς"));
        QVERIFY(html.contains("III"));
        for (const char *label : {"labelSeries", "labelSeriesNumber", "labelTimesRead", "labelLastRead", "stateRead"})
            QVERIFY2(html.contains(own.value(label)), label);
        QVERIFY(html.contains("2025"));
    }

    // Every shipped style sheet sets an overdue loan apart.
    void shippedStyles_markOverdueLoans()
    {
        const QDir styles(TestCatalog::appDir() + "/Styles/CSS");
        const QStringList files = styles.entryList({"*.css"}, QDir::Files);
        QVERIFY(!files.isEmpty());
        for (const QString &name : files) {
            QFile css(styles.filePath(name));
            QVERIFY(css.open(QIODevice::ReadOnly));
            QVERIFY2(QString::fromUtf8(css.readAll())
                         .contains(QRegularExpression("\\.loan\\.overdue\\s*\\{[^}]*color")),
                     qPrintable(name));
        }
    }

    void failures_data()
    {
        QTest::addColumn<QString>("xsl"); // empty: no file
        QTest::addColumn<QString>("xml");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("messageId");

        const QString copy = kXslHead +
                             "<xsl:template match=\"/\"><p><xsl:value-of select=\"//Title\"/></p>"
                             "</xsl:template>" +
                             kXslTail;
        const int xslFailed = int(TransformStatus::XslLoadFailed);
        QTest::newRow("missing template file") << QString() << kSmallXml << xslFailed << 138;
        QTest::newRow("template not well-formed")
            << kXslHead + "<xsl:template match=\"/\">" << kSmallXml << xslFailed << 138;
        QTest::newRow("template not XSLT")
            << "<?xml version=\"1.0\"?><html><p/></html>" << kSmallXml << xslFailed << 138;
        QTest::newRow("template does not compile")
            << kXslHead + "<xsl:template match=\"/\"><xsl:value-of select=\"//[\"/></xsl:template>" + kXslTail
            << kSmallXml << xslFailed << 138;
        QTest::newRow("missing named template")
            << kXslHead + "<xsl:template match=\"/\"><xsl:call-template name=\"missing\"/></xsl:template>" +
                   kXslTail
            << kSmallXml << int(TransformStatus::TransformFailed) << 0;
        QTest::newRow("XML not well-formed")
            << copy << "<Ordoteca><Book></Ordoteca>" << int(TransformStatus::XmlLoadFailed) << 137;
        QTest::newRow("XML empty") << copy << QString() << int(TransformStatus::XmlLoadFailed) << 137;
        QTest::newRow("message terminates")
            << kXslHead +
                   "<xsl:template match=\"/\"><p>x</p><xsl:message terminate=\"yes\">stop here"
                   "</xsl:message></xsl:template>" +
                   kXslTail
            << kSmallXml << int(TransformStatus::TransformFailed) << 0;
        QTest::newRow("undefined variable at run time")
            << kXslHead +
                   "<xsl:template match=\"/\"><xsl:apply-templates select=\"//Title\"/></xsl:template>"
                   "<xsl:template match=\"Title\"><xsl:value-of select=\"$nothing\"/></xsl:template>" +
                   kXslTail
            << kSmallXml << int(TransformStatus::TransformFailed) << 0;
    }

    void failures()
    {
        QFETCH(QString, xsl);
        QFETCH(QString, xml);
        QFETCH(int, status);
        QFETCH(int, messageId);

        QTemporaryDir dir;
        const QString path = dir.filePath("t.xsl");
        if (!xsl.isEmpty())
            QVERIFY(writeFile(path, xsl));

        StderrCapture stderrCapture;
        const TransformResult result = TransformBookXml(xml, path);
        const QByteArray printed = stderrCapture.finish();

        QCOMPARE(int(result.status), status);
        QVERIFY(result.html.isEmpty());
        QVERIFY(!result.errorText.isEmpty());
        QVERIFY2(printed.isEmpty(), printed.constData());
        QCOMPARE(TransformMessageId(result.status), messageId);
        if (messageId)
            QVERIFY(!LoadStr(messageId).isEmpty());
    }

    void failures_messageTextIsKept()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("t.xsl");
        QVERIFY(writeFile(path, kXslHead +
                                    "<xsl:template match=\"/\"><xsl:message terminate=\"yes\">stop here"
                                    "</xsl:message></xsl:template>" +
                                    kXslTail));
        const TransformResult result = TransformBookXml(kSmallXml, path);
        QVERIFY(result.errorText.contains("stop here"));
        QCOMPARE(TransformMessageId(TransformStatus::Ok), 0);
        QCOMPARE(TransformMessageId(TransformStatus::DomFailed), 136);
    }

    void templateIsReadAnewAtEachCall()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("t.xsl");
        QVERIFY(
            writeFile(path, kXslHead + "<xsl:template match=\"/\"><p>first</p></xsl:template>" + kXslTail));
        QVERIFY(TransformBookXml(kSmallXml, path).html.contains("first"));
        QVERIFY(
            writeFile(path, kXslHead + "<xsl:template match=\"/\"><p>second</p></xsl:template>" + kXslTail));
        QVERIFY(TransformBookXml(kSmallXml, path).html.contains("second"));
    }

    void relativeImportIsFoundBesideTheTemplate()
    {
        QTemporaryDir dir;
        QVERIFY(
            writeFile(dir.filePath("common.xsl"),
                      kXslHead + "<xsl:template name=\"hello\"><b>imported</b></xsl:template>" + kXslTail));
        QVERIFY(writeFile(dir.filePath("main.xsl"),
                          kXslHead.left(kXslHead.indexOf("<xsl:output")) +
                              "<xsl:import href=\"common.xsl\"/>" +
                              "<xsl:output method=\"html\"/><xsl:template match=\"/\"><p>"
                              "<xsl:call-template name=\"hello\"/></p></xsl:template>" +
                              kXslTail));
        const TransformResult result = TransformBookXml(kSmallXml, dir.filePath("main.xsl"));
        QVERIFY2(result.ok(), qPrintable(result.errorText));
        QVERIFY(result.html.contains("<b>imported</b>"));
    }

    void templateCannotReachTheNetwork_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("document()") << "document";
        QTest::newRow("xsl:import") << "import";
        QTest::newRow("xsl:include") << "include";
        QTest::newRow("DTD of the book XML") << "dtd";
        QTest::newRow("external entity in the template") << "entity";
    }

    void templateCannotReachTheNetwork()
    {
        QFETCH(QString, kind);
        LocalListener listener;
        const QString remote = listener.url("remote.xml");
        QString xsl = kXslHead + "<xsl:template match=\"/\"><p>done</p></xsl:template>" + kXslTail;
        QString xml = kSmallXml;
        if (kind == "document")
            xsl = kXslHead + "<xsl:template match=\"/\"><p><xsl:copy-of select=\"document('" + remote +
                  "')\"/>done</p></xsl:template>" + kXslTail;
        else if (kind == "import" || kind == "include")
            xsl = kXslHead.left(kXslHead.indexOf("<xsl:output")) + "<xsl:" + kind + " href=\"" + remote +
                  "\"/><xsl:template match=\"/\"><p>done</p></xsl:template>" + kXslTail;
        else if (kind == "dtd")
            xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE Ordoteca SYSTEM \"" + remote + "\">\n<Ordoteca/>\n";
        else if (kind == "entity")
            xsl = "<?xml version=\"1.0\"?>\n<!DOCTYPE xsl:stylesheet [<!ENTITY remote SYSTEM \"" + remote +
                  "\">]>\n" + kXslHead.mid(kXslHead.indexOf('\n') + 1) +
                  "<xsl:template match=\"/\"><p>&remote;done</p></xsl:template>" + kXslTail;

        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("t.xsl"), xsl));
        const TransformResult result = TransformBookXml(xml, dir.filePath("t.xsl"));
        QVERIFY2(!listener.wasContacted(), qPrintable(kind));
        if (kind == "import" || kind == "include")
            QCOMPARE(result.status, TransformStatus::XslLoadFailed);
        else
            QVERIFY2(result.ok() || result.status == TransformStatus::TransformFailed,
                     qPrintable(result.errorText));
    }

    void externalEntitiesAreNotLoaded()
    {
        QTemporaryDir dir;
        const QString secret = dir.filePath("secret.txt");
        QVERIFY(writeFile(secret, "TOP-SECRET"));
        const QString url = QUrl::fromLocalFile(secret).toString();

        // In the template.
        QVERIFY(
            writeFile(dir.filePath("t.xsl"), "<?xml version=\"1.0\"?>\n<!DOCTYPE xsl:stylesheet [<!ENTITY s "
                                             "SYSTEM \"" +
                                                 url + "\">]>\n" + kXslHead.mid(kXslHead.indexOf('\n') + 1) +
                                                 "<xsl:template match=\"/\"><p>&s;<xsl:value-of "
                                                 "select=\"//Title\"/></p></xsl:template>" +
                                                 kXslTail));
        TransformResult result = TransformBookXml(kSmallXml, dir.filePath("t.xsl"));
        QVERIFY(!result.html.contains("TOP-SECRET"));

        // In the book XML.
        QVERIFY(writeFile(dir.filePath("copy.xsl"), kXslHead +
                                                        "<xsl:template match=\"/\"><p><xsl:value-of "
                                                        "select=\"//Title\"/></p></xsl:template>" +
                                                        kXslTail));
        const QString xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE Ordoteca [<!ENTITY s SYSTEM \"" + url +
                            "\">]>\n<Ordoteca><Book><Title>&s;</Title></Book></Ordoteca>\n";
        result = TransformBookXml(xml, dir.filePath("copy.xsl"));
        QVERIFY(!result.html.contains("TOP-SECRET"));
    }

    void templateCannotWriteFiles_data()
    {
        QTest::addColumn<QString>("element");
        QTest::newRow("exsl:document") << "exsl";
        QTest::newRow("xsl:document") << "xsl";
    }

    void templateCannotWriteFiles()
    {
        QFETCH(QString, element);
        QTemporaryDir dir;
        const QString target = dir.filePath("written.html");
        const QString nested = dir.filePath("newdir/written.html");
        QString xsl;
        if (element == "exsl")
            xsl = "<?xml version=\"1.0\"?>\n<xsl:stylesheet version=\"1.0\" "
                  "xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" xmlns:exsl=\"http://exslt.org/common\" "
                  "extension-element-prefixes=\"exsl\"><xsl:template match=\"/\">"
                  "<exsl:document href=\"" +
                  target +
                  "\"><p>x</p></exsl:document>"
                  "<exsl:document href=\"" +
                  nested +
                  "\"><p>x</p></exsl:document><p>main</p>"
                  "</xsl:template></xsl:stylesheet>";
        else
            xsl = "<?xml version=\"1.0\"?>\n<xsl:stylesheet version=\"1.1\" "
                  "xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\"><xsl:template match=\"/\">"
                  "<xsl:document href=\"" +
                  target +
                  "\"><p>x</p></xsl:document>"
                  "<xsl:document href=\"" +
                  nested +
                  "\"><p>x</p></xsl:document><p>main</p>"
                  "</xsl:template></xsl:stylesheet>";
        QVERIFY(writeFile(dir.filePath("t.xsl"), xsl));

        StderrCapture stderrCapture;
        const TransformResult result = TransformBookXml(kSmallXml, dir.filePath("t.xsl"));
        const QByteArray printed = stderrCapture.finish();
        QVERIFY(!QFile::exists(target));
        QVERIFY(!QFile::exists(dir.filePath("newdir")));
        QVERIFY2(printed.isEmpty(), printed.constData());
        QVERIFY(!result.ok());
    }

    void rewritePageAttributes_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("expected");
        QTest::newRow("picture") << "<img ordosrc=\"/a/1.jpg\">"
                                 << "<img src=\"file:///a/1.jpg\">"; // a file URL: folders may hold # ? %
        QTest::newRow("link") << "<a ordohref=\"ordolink://1/2\">x</a>"
                              << "<a href=\"ordolink://1/2\">x</a>";
        QTest::newRow("every occurrence") << "<a ordohref=\"1\"></a><a ordohref=\"2\"></a>"
                                          << "<a href=\"1\"></a><a href=\"2\"></a>";
        QTest::newRow("case-sensitive") << "<IMG ordosrc=\"x\"><A ordohref=\"y\">"
                                        << "<IMG ordosrc=\"x\"><A ordohref=\"y\">";
        QTest::newRow("only as the first attribute") << "<img alt=\"\" ordosrc=\"x\">"
                                                     << "<img alt=\"\" ordosrc=\"x\">";
    }

    void rewritePageAttributes()
    {
        QFETCH(QString, html);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromUtf8(RewriteOrdoAttributes(html.toUtf8(), true)), expected);
    }
};

QTEST_GUILESS_MAIN(BookTransformTest)
#include "booktransform_test.moc"
