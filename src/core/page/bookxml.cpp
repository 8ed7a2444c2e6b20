#include "bookxml.h"

#include "app/strings.h"
#include "catalog/bookbatchloader.h"
#include "catalog/bookrecord.h"
#include "catalog/loancommands.h"
#include "catalog/sqlvalue.h"
#include "fragmentnormalizer.h"

#include <QDateTime>
#include <QLocale>
#include <algorithm>
#include <utility>

namespace {

bool isHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool isLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Appends value escaped for element content: "&" and "<" as entities, the
// ">" closing a "]]" as "&gt;", characters XML 1.0 does not allow (C0
// controls other than tab, LF and CR, unpaired surrogates, U+FFFE, U+FFFF)
// left out. Runs of plain characters are copied in one piece.
void appendEscaped(QString &out, const QString &value)
{
    const QChar *text = value.constData();
    const qsizetype length = value.size();
    qsizetype runStart = 0;
    int brackets = 0; // "]" characters written just before the current one

    auto flush = [&](qsizetype end) {
        if (end > runStart)
            out.append(text + runStart, end - runStart);
    };
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t c = text[i].unicode();
        const char *replacement = nullptr;
        bool drop = false;
        if (c == u']') {
            ++brackets;
            continue;
        }
        if (c >= 0x20 && c < 0xD800 && c != u'&' && c != u'<' && c != u'>') {
            brackets = 0;
            continue;
        }
        if (c == u'&') {
            replacement = "&amp;";
        } else if (c == u'<') {
            replacement = "&lt;";
        } else if (c == u'>') {
            if (brackets >= 2)
                replacement = "&gt;";
        } else if (c < 0x20) {
            drop = c != u'\t' && c != u'\n' && c != u'\r';
        } else if (isHighSurrogate(c)) {
            if (i + 1 < length && isLowSurrogate(text[i + 1].unicode()))
                ++i;
            else
                drop = true;
        } else if (isLowSurrogate(c) || c == 0xFFFE || c == 0xFFFF) {
            drop = true;
        }
        if (drop) {
            // A dropped character does not separate "]]" from ">": the
            // written text must not hold "]]>" either.
            flush(i);
            runStart = i + 1;
            continue;
        }
        brackets = 0;
        if (replacement) {
            flush(i);
            out.append(QLatin1String(replacement));
            runStart = i + 1;
        }
    }
    flush(length);
}

void appendElement(QString &out, QLatin1String tag, const QString &value)
{
    if (value.isEmpty())
        return;
    const qsizetype before = out.size();
    out.append(QLatin1Char('<')).append(tag).append(QLatin1Char('>'));
    const qsizetype contentStart = out.size();
    appendEscaped(out, value);
    if (out.size() == contentStart) {
        out.truncate(before); // nothing but characters XML cannot hold
        return;
    }
    out.append(QLatin1String("</")).append(tag).append(QLatin1String(">\n"));
}

QString coverPath(const QString &imagesFolder, const QString &fileName)
{
    return imagesFolder + QLatin1Char('/') + fileName;
}

// The book's loans, newest first. Current="1" marks the loan not yet over,
// Overdue="1" one past its due date today (templates cannot compare dates).
void appendLoans(QString &out, const QVector<LoanEntry> &loans, const QDate &today)
{
    if (loans.isEmpty())
        return;
    out.append(QLatin1String("<Loans>\n"));
    for (const LoanEntry &loan : loans) {
        out.append(loan.direction == LoanDirection::LentTo
                       ? QLatin1String("<Loan Direction=\"LentTo\"")
                       : QLatin1String("<Loan Direction=\"BorrowedFrom\""));
        if (loan.isOpen())
            out.append(QLatin1String(" Current=\"1\""));
        if (loan.isOverdue(today))
            out.append(QLatin1String(" Overdue=\"1\""));
        out.append(QLatin1String(">\n"));
        appendElement(out, QLatin1String("Borrower"), loan.borrower);
        appendElement(out, QLatin1String("LoanDate"), FormatCatalogDate(loan.loanDate));
        if (loan.dueDate.isValid())
            appendElement(out, QLatin1String("DueDate"), FormatCatalogDate(loan.dueDate));
        if (loan.returnDate.isValid())
            appendElement(out, QLatin1String("ReturnDate"), FormatCatalogDate(loan.returnDate));
        appendElement(out, QLatin1String("Note"), loan.note);
        out.append(QLatin1String("</Loan>\n"));
    }
    out.append(QLatin1String("</Loans>\n"));
}

// The reading log, with what templates sum up from it: the state (Reading or
// Read; nothing for a book never read), completed readings and the last day
// one finished.
void appendReadings(QString &out, const CReadingLog &log, const QString &yes, const QString &no)
{
    if (log.isEmpty())
        return;
    appendElement(out, QLatin1String("ReadingState"),
                  ReadingStateOf(log) == ReadingState::Read ? QStringLiteral("Read") : QStringLiteral("Reading"));
    appendElement(out, QLatin1String("TimesRead"), QString::number(CompletedReadings(log)));
    const QDate last = LastFinished(log);
    if (last.isValid())
        appendElement(out, QLatin1String("LastRead"), FormatCatalogDate(last));
    out.append(QLatin1String("<Readings>\n"));
    for (const CReading &r : log) {
        out.append(QLatin1String("<Reading>\n"));
        appendElement(out, QLatin1String("Started"), r.Started);
        appendElement(out, QLatin1String("Finished"), r.Finished);
        appendElement(out, QLatin1String("Completed"), r.Completed ? yes : no);
        appendElement(out, QLatin1String("Notes"), r.Notes);
        out.append(QLatin1String("</Reading>\n"));
    }
    out.append(QLatin1String("</Readings>\n"));
}

void appendBook(QString &out, const CBookRecord &book, const QString &imagesFolder, const QString &yes,
                const QString &no, const QVector<LoanEntry> &loans, const QDate &today)
{
    out.append(QLatin1String("<Book>\n"));
    appendElement(out, QLatin1String("Title"), book.Title);
    appendElement(out, QLatin1String("Subtitle"), book.Subtitle);
    appendElement(out, QLatin1String("Author"), book.Author);
    appendElement(out, QLatin1String("URL"), book.URL);
    appendElement(out, QLatin1String("Edition"), book.Edition);
    appendElement(out, QLatin1String("Series"), book.Series);
    appendElement(out, QLatin1String("SeriesNumber"), book.SeriesNumber);
    appendElement(out, QLatin1String("ReleaseDate"), book.ReleaseDate);
    appendElement(out, QLatin1String("Publisher"), book.Publisher);
    appendElement(out, QLatin1String("ISBN"), book.ISBN);
    appendElement(out, QLatin1String("PageCount"), book.PageCount);
    appendElement(out, QLatin1String("Language"), book.Language);
    appendElement(out, QLatin1String("Binding"), book.Binding);
    appendElement(out, QLatin1String("Dimension"), book.Dimension);
    appendElement(out, QLatin1String("Extras"), book.Extras);
    appendElement(out, QLatin1String("PurchaseDate"), book.PurchaseDate);
    appendElement(out, QLatin1String("DateAdded"), book.DateAdded);
    appendElement(out, QLatin1String("Store"), book.Store);
    appendElement(out, QLatin1String("PurchasePrice"), book.PurchasePrice);
    appendElement(out, QLatin1String("ListPrice"), book.ListPrice);
    appendElement(out, QLatin1String("AmazonPrice"), book.AmazonPrice);
    appendElement(out, QLatin1String("Location"), book.Location);
    appendElement(out, QLatin1String("Status"), book.Status);
    appendElement(out, QLatin1String("CurrentPage"), book.CurrentPage);
    appendElement(out, QLatin1String("AmazonRating"), book.AmazonRating);
    appendElement(out, QLatin1String("NumOfReviews"), book.NumOfReviews);
    if (book.MyRating != 0)
        appendElement(out, QLatin1String("MyRating"), QString::number(book.MyRating));
    appendElement(out, QLatin1String("UserText1"), book.UserText1);
    appendElement(out, QLatin1String("UserText2"), book.UserText2);
    appendElement(out, QLatin1String("EbookOnly"), book.EBookOnly ? yes : no);
    appendElement(out, QLatin1String("Format"), book.Format);
    appendElement(out, QLatin1String("BookSize"), book.BookSize);
    // Balanced here, once, for the page and every export alike: one broken
    // description must not swallow or restyle the books after it.
    appendElement(out, QLatin1String("Description"), NormalizeHtmlFragment(book.Description));
    appendElement(out, QLatin1String("Notes"), NormalizeHtmlFragment(book.Notes));

    if (!book.links.isEmpty()) {
        const QString bookPrefix = QString::number(book.BookID) + QLatin1Char('/');
        out.append(QLatin1String("<Links>\n"));
        for (const CLinkEntry &link : book.links) {
            out.append(QLatin1String("<Link>\n"));
            appendElement(out, QLatin1String("LinkID"), bookPrefix + link.LinkID);
            appendElement(out, QLatin1String("Title"), link.Name);
            appendElement(out, QLatin1String("Path"), link.Path);
            appendElement(out, QLatin1String("Notes"), link.Notes);
            out.append(QLatin1String("</Link>\n"));
        }
        out.append(QLatin1String("</Links>\n"));
    }
    appendLoans(out, loans, today);
    appendReadings(out, book.readings, yes, no);
    if (!book.FrontCover.isEmpty())
        appendElement(out, QLatin1String("FrontCover"), coverPath(imagesFolder, book.FrontCover));
    if (!book.BackCover.isEmpty())
        appendElement(out, QLatin1String("BackCover"), coverPath(imagesFolder, book.BackCover));
    out.append(QLatin1String("</Book>\n"));
}

// The date goes into an attribute value: keep it well-formed whatever the
// locale's format holds.
QString attributeText(const QString &text)
{
    QString escaped;
    appendEscaped(escaped, text);
    escaped.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    return escaped;
}

} // namespace

QString MakeXmlElement(const QString &tag, const QString &value)
{
    QString line;
    appendElement(line, QLatin1String(tag.toLatin1()), value);
    return line;
}

QString BookXmlCreationDate()
{
    return QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
}

QString BuildBookXml(const QVector<BookId> &bookIds, Connection &connection, const QString &imagesFolder,
                     const QString &creationDate)
{
    return BuildBookXml(bookIds, connection, imagesFolder, creationDate, BookXmlControl());
}

QString BuildBookXml(const QVector<BookId> &bookIds, Connection &connection, const QString &imagesFolder,
                     const QString &creationDate, const BookXmlControl &control)
{
    const QString yes = LoadStr(IDS_YES);
    const QString no = LoadStr(IDS_NO);

    QString xml;
    xml.reserve(128 + bookIds.size() * 1024);
    xml.append(QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Ordoteca CreationDate=\""));
    xml.append(attributeText(creationDate.isNull() ? BookXmlCreationDate() : creationDate));
    xml.append(QLatin1String("\">\n"));

    CBookBatchLoader loader(connection);
    QVector<CBookRecord> books;
    const QDate today = QDate::currentDate();
    const int total = int(bookIds.size());
    for (int start = 0; start < total; start += CBookBatchLoader::kBatchSize) {
        if (control.cancel && control.cancel->load(std::memory_order_relaxed))
            return QString();
        const int count = std::min(CBookBatchLoader::kBatchSize, total - start);
        // A database error has been shown once; carrying on would show it
        // again for every remaining batch.
        if (!loader.Load(bookIds.constData() + start, count, books))
            return QString();
        const auto loans = LoansOfBooks(connection, bookIds.mid(start, count));
        if (!loans)
            return QString();
        for (const CBookRecord &book : std::as_const(books))
            appendBook(xml, book, imagesFolder, yes, no, loans->value(book.BookID), today);
        if (control.progress)
            control.progress(start + count, total);
    }
    xml.append(QLatin1String("</Ordoteca>\n"));
    return xml;
}
