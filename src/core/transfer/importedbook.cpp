#include "importedbook.h"

#include "catalog/isbn.h"
#include "categorypath.h"

#include <QCoreApplication>
#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>

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

// The leading whole number of the text ("374 pages" gives 374), or empty.
QString cleanInteger(const QString &text)
{
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    const int start = i;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        ++i;
    const int digits = i;
    while (i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'))
        ++i;
    return i > digits ? text.mid(start, i - start) : QString();
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

void merge(QString &slot, const QString &value, FieldKind kind, ImportField field)
{
    if (value.isEmpty())
        return;
    if (slot.isEmpty()) {
        slot = value;
    } else if (field == ImportField::Author) {
        slot += QLatin1String("; ") + value;
    } else if (kind == FieldKind::Html) {
        slot += QLatin1String("<br>\n") + value;
    } else if (kind == FieldKind::Categories || kind == FieldKind::Links) {
        slot += QLatin1Char('\n') + value;
    }
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
    return QCoreApplication::translate("Import", "Line %1").arg(row + 2);
}

CImportedBook BuildImportedBook(const CImportTable &table, int row, const ImportMapping &mapping)
{
    CImportedBook book;
    book.row = row;
    const QStringList &cells = table.rows.at(row);
    QVector<int> order;
    for (const QString &name : table.preferredColumns) {
        const int col = int(table.columns.indexOf(name));
        if (col >= 0)
            order << col;
    }
    for (int col = 0; col < cells.size(); ++col) {
        if (!order.contains(col))
            order << col;
    }
    for (const int col : std::as_const(order)) {
        if (col >= cells.size() || col >= mapping.size())
            continue;
        const ImportField field = mapping.at(col);
        if (field == ImportField::None)
            continue;
        const FieldKind kind = ImportFieldKind(field);
        QString value = cells.at(col).trimmed();
        if (kind == FieldKind::Text || kind == FieldKind::Lookup)
            value.replace(QLatin1Char('\n'), QLatin1String("; "));
        merge(book.values[int(field)], value, kind, field);
    }

    for (int i = 0; i < int(ImportField::Count) && book.refusal.isEmpty(); ++i) {
        QString &v = book.values[i];
        if (v.isEmpty())
            continue;
        const ImportField field = ImportField(i);
        switch (ImportFieldKind(field)) {
        case FieldKind::Integer: {
            const QString n = cleanInteger(v);
            if (n.isEmpty())
                book.refusal = QCoreApplication::translate("Import", "%1 is not a number: \"%2\".").arg(ImportFieldLabel(field), v);
            v = n;
            break;
        }
        case FieldKind::Decimal: {
            const QString n = cleanDecimal(v);
            if (n.isEmpty())
                book.refusal = QCoreApplication::translate("Import", "%1 is not a number: \"%2\".").arg(ImportFieldLabel(field), v);
            v = n;
            break;
        }
        case FieldKind::Rating: {
            const QString n = cleanDecimal(v);
            const double rating = n.toDouble();
            if (n.isEmpty() || rating < 0 || rating > 1000)
                book.refusal = QCoreApplication::translate("Import", "%1 is not a rating: \"%2\".").arg(ImportFieldLabel(field), v);
            v = QString::number(int(std::lround(rating)));
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
    if (book.refusal.isEmpty() && book.value(ImportField::Title).isEmpty() &&
        book.value(ImportField::ISBN).isEmpty())
        book.refusal = QCoreApplication::translate("Import", "The row has neither a title nor an ISBN.");
    return book;
}
