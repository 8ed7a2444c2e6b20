#include "importedbook.h"

#include "catalog/authornames.h"
#include "catalog/isbn.h"
#include "categorypath.h"
#include "readingtransfer.h"

#include <QCoreApplication>
#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// Digits with an optional sign and point: what FormatSqlValue reads whole
// (no exponents, no "inf").
bool isPlainNumber(const QString &text)
{
    bool digit = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digit = true;
        else if (!(c == QLatin1Char('.') || (i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+')))))
            return false;
    }
    return digit && text.count(QLatin1Char('.')) <= 1;
}

// A number as the catalogue stores it, or empty when the text is none.
QString cleanDecimal(QString text)
{
    text = text.trimmed();
    if (isPlainNumber(text)) // the common case: nothing to clean
        return text;
    // Currency signs and codes before or after the amount.
    static const QRegularExpression currency(QStringLiteral("^[^0-9+\\-.,]*|[^0-9.,]*$"));
    text.remove(currency);
    text.remove(QLatin1Char(' '));
    // 12,50 and 1.234,50 (decimal comma) as well as 1,234.50.
    const int comma = int(text.lastIndexOf(QLatin1Char(',')));
    const int dot = int(text.lastIndexOf(QLatin1Char('.')));
    if (comma > dot) {
        text.remove(QLatin1Char('.'));
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    } else {
        text.remove(QLatin1Char(','));
    }
    return isPlainNumber(text) ? text : QString();
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The first whole number in the text, or empty. "374 pages" gives 374, and
// a page count with its roman-numbered front matter ("xxxviii; 103") the
// arabic total, 103. Thousands may be grouped ("1,234", "1 234").
QString cleanInteger(const QString &text)
{
    int i = 0;
    while (i < text.size() && !isAsciiDigit(text.at(i)))
        ++i;
    if (i == text.size())
        return QString();
    QString number;
    if (i > 0 && text.at(i - 1) == QLatin1Char('-') && text.left(i - 1).trimmed().isEmpty())
        number += QLatin1Char('-');
    for (;;) {
        while (i < text.size() && isAsciiDigit(text.at(i)))
            number += text.at(i++);
        // A group separator counts only before exactly three digits.
        const bool grouped = i + 3 < text.size() && QStringLiteral(",. \u00A0").contains(text.at(i)) &&
                             isAsciiDigit(text.at(i + 1)) && isAsciiDigit(text.at(i + 2)) &&
                             isAsciiDigit(text.at(i + 3)) && (i + 4 == text.size() || !isAsciiDigit(text.at(i + 4)));
        if (!grouped)
            break;
        ++i;
    }
    return number;
}

bool isPlainInteger(const QString &text)
{
    int i = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')) ? 1 : 0;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i) {
        if (!isAsciiDigit(text.at(i)))
            return false;
    }
    return true;
}

QVector<CLinkEntry> parseLinks(const QString &text)
{
    QVector<CLinkEntry> links;
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8());
    if (doc.isArray()) {
        for (const QJsonValue &v : doc.array()) {
            CLinkEntry link;
            if (v.isObject()) {
                const QJsonObject o = v.toObject();
                link.Name = o.value(QLatin1String("name")).toString();
                link.Path = o.value(QLatin1String("path")).toString();
                link.Notes = o.value(QLatin1String("notes")).toString();
            } else if (v.isArray()) {
                const QJsonArray a = v.toArray();
                link.Name = a.at(0).toString();
                link.Path = a.at(1).toString();
                link.Notes = a.at(2).toString();
            } else {
                link.Path = link.Name = v.toString();
            }
            if (!link.Name.isEmpty() || !link.Path.isEmpty())
                links << link;
        }
        return links;
    }
    // Plain text: one address per line.
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        const QString path = line.trimmed();
        if (!path.isEmpty())
            links << CLinkEntry{QString(), path, path, QString()};
    }
    return links;
}

bool isYes(const QString &text)
{
    const QString t = text.trimmed().toLower();
    return !(t.isEmpty() || t == QLatin1String("0") || t == QLatin1String("no") || t == QLatin1String("n") ||
             t == QLatin1String("false") || t == QLatin1String("f"));
}

void merge(QString &slot, const QString &value, FieldKind kind)
{
    if (value.isEmpty())
        return;
    if (slot.isEmpty()) {
        slot = value;
    } else if (kind == FieldKind::Html) {
        slot += QLatin1String("<br>\n") + value;
    } else if (kind == FieldKind::Categories || kind == FieldKind::Links) {
        slot += QLatin1Char('\n') + value;
    }
}

// The ISBN without the dashes, blanks and wrappers that exports and
// spreadsheets put around it ("ISBN 0-201-...", "[0201...]", ="0201...").
QString bareIsbn(const QString &text)
{
    QString t = text.trimmed();
    if (t.startsWith(QLatin1String("isbn"), Qt::CaseInsensitive))
        t.remove(0, 4);
    QString out;
    for (const QChar c : std::as_const(t)) {
        if (c.isDigit() || c == QLatin1Char('X') || c == QLatin1Char('x'))
            out += c.isDigit() ? QChar(QLatin1Char(char('0' + c.digitValue()))) : QChar(QLatin1Char('X'));
        else if (!(c.isSpace() || c == QLatin1Char('-') || c == QLatin1Char(':') || c == QLatin1Char('[') ||
                   c == QLatin1Char(']') || c == QLatin1Char('=') || c == QLatin1Char('"')))
            return QString(); // an exponent form, a word: no ISBN
    }
    return out;
}

// The ISBN of a cell as stored, or empty. A cell may list several ISBNs (the
// first valid one wins); an ISBN-10 that lost its leading zero in a
// spreadsheet comes back when its check digit confirms it.
QString validIsbnIn(const QString &cell, bool &zeroRestored)
{
    zeroRestored = false;
    static const QRegularExpression separators(QStringLiteral("[,;|/\\n]+"));
    QStringList candidates{cell};
    if (cell.contains(separators))
        candidates << cell.split(separators, Qt::SkipEmptyParts);
    else if (cell.trimmed().contains(QLatin1Char(' ')))
        candidates << cell.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &candidate : std::as_const(candidates)) {
        const QString isbn = bareIsbn(candidate);
        if ((isbn.size() == 10 || isbn.size() == 13) && IsValidAnyIsbn(isbn))
            return isbn;
        if (isbn.size() == 9 && IsValidIsbn(QLatin1Char('0') + isbn)) {
            zeroRestored = true;
            return QLatin1Char('0') + isbn;
        }
    }
    return QString();
}

// Chooses the book's ISBN among the cells mapped to it. Text that holds no
// valid ISBN is not stored as one: it goes to the notes, to be seen.
template <typename Where>
void pickIsbn(CImportedBook &book, const QVector<QPair<int, QString>> &cells, const Where &where)
{
    QStringList rejected;
    for (const auto &[col, text] : cells) {
        bool zeroRestored = false;
        const QString isbn = validIsbnIn(text, zeroRestored);
        if (isbn.isEmpty()) {
            rejected << text;
            book.problems << QCoreApplication::translate("Import", "%1: \"%2\" is not a valid ISBN; kept in the notes.")
                                 .arg(where(col), text);
            continue;
        }
        if (zeroRestored)
            book.problems << QCoreApplication::translate("Import", "%1: \"%2\" had lost its leading zero; stored as %3.")
                                 .arg(where(col), text, isbn);
        if (book.values[int(ImportField::ISBN)].isEmpty())
            book.values[int(ImportField::ISBN)] = isbn;
    }
    for (const QString &text : std::as_const(rejected))
        merge(book.values[int(ImportField::Notes)],
              QCoreApplication::translate("Import", "ISBN in the imported file: %1").arg(text.toHtmlEscaped()),
              FieldKind::Html);
}

} // namespace

QString NormalizeImportDate(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return t;
    // Already ISO (what our own export writes): keep it when it is a date.
    if (t.size() == 10 && t.at(4) == QLatin1Char('-') && t.at(7) == QLatin1Char('-') &&
        QDate::fromString(t, Qt::ISODate).isValid())
        return t;
    static const QRegularExpression iso(
        QStringLiteral("^(\\d{4})[-/.](\\d{1,2})[-/.](\\d{1,2})(?:[T ].*)?$"));
    static const QRegularExpression dmy(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})$"));
    static const QRegularExpression mdy(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    QDate date;
    QRegularExpressionMatch m = iso.match(t);
    if (m.hasMatch()) {
        date = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    } else if ((m = dmy.match(t)).hasMatch()) {
        date = QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    } else if ((m = mdy.match(t)).hasMatch()) {
        date = QDate(m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt());
    } else {
        const QLocale c = QLocale::c();
        for (const char *format :
             {"MMM dd, yyyy", "MMM d, yyyy", "MMMM d, yyyy", "d MMM yyyy", "d MMMM yyyy"}) {
            date = c.toDate(t, QLatin1String(format));
            if (date.isValid())
                break;
        }
    }
    return date.isValid() ? date.toString(Qt::ISODate) : t;
}

QString BookDuplicateKey(const QString &isbn, const QString &title, const QString &author)
{
    const QString normal = NormalizeIsbn(isbn).toUpper();
    if (!normal.isEmpty()) {
        const QString ten = Isbn13To10(normal);
        return QLatin1String("i:") + (ten.isEmpty() ? normal : ten);
    }
    if (title.trimmed().isEmpty())
        return QString();
    return QLatin1String("t:") + title.trimmed().toCaseFolded() + QLatin1Char('\x1f') +
           author.trimmed().toCaseFolded();
}

QString CImportedBook::duplicateKey() const
{
    return BookDuplicateKey(value(ImportField::ISBN), value(ImportField::Title), value(ImportField::Author));
}

QString ImportRowLabel(const CImportTable &table, int row)
{
    if (table.format == ImportFormat::TellicoZip || table.format == ImportFormat::TellicoXml)
        return QCoreApplication::translate("Import", "Entry %1").arg(row + 1);
    return QCoreApplication::translate("Import", "Line %1").arg(row < table.lines.size() ? table.lines.at(row) : row + 2);
}

CImportedBook BuildImportedBook(const CImportTable &table, int row, const ImportMapping &mapping)
{
    CImportedBook book;
    book.row = row;
    const QStringList &cells = table.rows.at(row);
    int sourceColumn[int(ImportField::Count)];
    std::fill(std::begin(sourceColumn), std::end(sourceColumn), -1);
    QStringList authors;
    QVector<QPair<int, QString>> isbns; // column, text
    QVector<int> order;
    order.reserve(cells.size());
    for (const QString &name : table.preferredColumns) {
        const int col = int(table.columns.indexOf(name));
        if (col >= 0)
            order << col;
    }
    const qsizetype preferred = order.size();
    for (int col = 0; col < cells.size(); ++col) {
        if (preferred == 0 || !order.sliced(0, preferred).contains(col))
            order << col;
    }
    for (const int col : std::as_const(order)) {
        if (col >= cells.size() || col >= mapping.size())
            continue;
        const ImportField field = mapping.at(col);
        if (field == ImportField::None)
            continue;
        QString value = cells.at(col).trimmed();
        if (value.isEmpty())
            continue;
        if (sourceColumn[int(field)] < 0)
            sourceColumn[int(field)] = col;
        if (field == ImportField::Author) {
            for (const QString &line : value.split(QLatin1Char('\n')))
                authors << SplitAuthorNames(line);
            continue;
        }
        if (field == ImportField::ISBN) {
            isbns.append({col, value});
            continue;
        }
        const FieldKind kind = ImportFieldKind(field);
        if (kind == FieldKind::Text || kind == FieldKind::Lookup)
            value.replace(QLatin1Char('\n'), QLatin1String("; "));
        merge(book.values[int(field)], value, kind);
    }
    book.values[int(ImportField::Author)] = JoinAuthorNames(authors);
    const auto where = [&](int col) {
        return ImportRowLabel(table, row) + QLatin1String(", ") + table.columns.value(col);
    };
    pickIsbn(book, isbns, where);

    for (int i = 0; i < int(ImportField::Count); ++i) {
        QString &v = book.values[i];
        if (v.isEmpty())
            continue;
        const ImportField field = ImportField(i);
        const QString given = v;
        switch (ImportFieldKind(field)) {
        case FieldKind::Integer:
            v = cleanInteger(given);
            if (v.isEmpty())
                book.problems << QCoreApplication::translate("Import", "%1: \"%2\" is not a number; left empty.")
                                     .arg(where(sourceColumn[i]), given);
            else if (!isPlainInteger(given))
                book.problems << QCoreApplication::translate("Import", "%1: \"%2\" read as %3.")
                                     .arg(where(sourceColumn[i]), given, v);
            break;
        case FieldKind::Decimal:
            v = cleanDecimal(given);
            if (v.isEmpty())
                book.problems << QCoreApplication::translate("Import", "%1: \"%2\" is not a number; left empty.")
                                     .arg(where(sourceColumn[i]), given);
            break;
        case FieldKind::Rating: {
            const QString n = cleanDecimal(given);
            const double rating = n.toDouble();
            if (n.isEmpty() || rating < 0 || rating > 1000) {
                v.clear();
                book.problems << QCoreApplication::translate("Import", "%1: \"%2\" is not a rating; left empty.")
                                     .arg(where(sourceColumn[i]), given);
            } else {
                v = QString::number(int(std::lround(rating)));
            }
            break;
        }
        case FieldKind::Date:
            v = NormalizeImportDate(v);
            break;
        case FieldKind::YesNo:
            v = isYes(v) ? QStringLiteral("1") : QStringLiteral("0");
            break;
        case FieldKind::Categories: {
            // The same shelf from two columns (Goodreads lists the exclusive
            // shelf among the others) is one category.
            QStringList seen;
            for (const QStringList &path : SplitCategoryPaths(v)) {
                const QString key = path.join(QLatin1Char('/')).toCaseFolded();
                if (!seen.contains(key)) {
                    seen << key;
                    book.categories << path;
                }
            }
            break;
        }
        case FieldKind::Links:
            book.links = parseLinks(v);
            break;
        default:
            break;
        }
    }
    ApplySeriesAndReadings(book, table, [&](ImportField f) { return where(sourceColumn[int(f)]); });
    if (book.value(ImportField::Title).isEmpty() && book.value(ImportField::ISBN).isEmpty())
        book.refusal = QCoreApplication::translate("Import", "The row has neither a title nor an ISBN.");
    return book;
}
