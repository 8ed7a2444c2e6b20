#include "importreader.h"

#include "csvparser.h"
#include "importfield.h"
#include "tellicoreader.h"
#include "textdecoding.h"
#include "zipreader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

int columnOf(const CImportTable &table, const char *name)
{
    return int(table.columns.indexOf(QLatin1String(name)));
}

template <typename F> void mendColumn(CImportTable &table, const char *name, F mend)
{
    const int col = columnOf(table, name);
    if (col < 0)
        return;
    for (QStringList &row : table.rows)
        row[col] = mend(row.at(col).trimmed());
}

QString splitList(const QString &cell)
{
    QStringList parts = cell.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (QString &p : parts)
        p = p.trimmed();
    parts.removeAll(QString());
    return parts.join(QLatin1Char('\n'));
}

// Goodreads writes 2019/03/14; ISO is what every date field reads.
QString slashDateToIso(const QString &cell)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{4})/(\\d{1,2})/(\\d{1,2})$"));
    const QRegularExpressionMatch m = re.match(cell);
    if (!m.hasMatch())
        return cell;
    return QStringLiteral("%1-%2-%3")
        .arg(m.captured(1))
        .arg(m.captured(2).toInt(), 2, 10, QLatin1Char('0'))
        .arg(m.captured(3).toInt(), 2, 10, QLatin1Char('0'));
}

void mendGoodreads(CImportTable &table)
{
    // ISBNs come as ="0439023483" so that spreadsheets keep the zeros.
    const auto unwrap = [](const QString &cell) {
        QString v = cell;
        if (v.startsWith(QLatin1Char('=')))
            v.remove(0, 1);
        if (v.size() >= 2 && v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"')))
            v = v.mid(1, v.size() - 2);
        return v.trimmed();
    };
    mendColumn(table, "ISBN", unwrap);
    mendColumn(table, "ISBN13", unwrap);
    mendColumn(table, "Bookshelves", splitList);
    mendColumn(table, "Additional Authors", splitList);
    mendColumn(table, "Date Read", slashDateToIso);
    mendColumn(table, "Date Added", slashDateToIso);
    mendColumn(table, "Original Purchase Date", slashDateToIso);
}

void mendLibraryThing(CImportTable &table)
{
    mendColumn(table, "ISBN", [](const QString &cell) {
        QString v = cell;
        if (v.startsWith(QLatin1Char('[')) && v.endsWith(QLatin1Char(']')))
            v = v.mid(1, v.size() - 2);
        return v.trimmed();
    });
    mendColumn(table, "Tags", splitList);
    mendColumn(table, "Secondary Author", [](const QString &cell) {
        QStringList names = cell.split(QLatin1Char('|'), Qt::SkipEmptyParts);
        for (QString &n : names)
            n = n.trimmed();
        return names.join(QLatin1Char('\n'));
    });
    // "Publisher (2008), Edition: 1, Paperback, 374 pages": the publisher.
    mendColumn(table, "Publication", [](const QString &cell) {
        const int paren = int(cell.indexOf(QLatin1String(" (")));
        return paren > 0 ? cell.left(paren).trimmed() : cell;
    });
}

// Tellico's yes/no "gift" says nothing by itself; as a word it can go to the
// notes, where the book shows it (its default mapping).
void mendTellico(CImportTable &table)
{
    mendColumn(table, "gift", [](const QString &cell) {
        return cell.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0
                   ? QCoreApplication::translate("Import", "Gift")
                   : QString();
    });
}

// Our own CSV export guards values that look like formulas; its header is
// the list of field names (in files of older versions, the list up to the
// back cover).
void mendOwnExport(CImportTable &table)
{
    QStringList own;
    for (ImportField f : AllImportFields())
        own << ImportFieldName(f);
    const int oldestLength = int(ImportField::BackCover) + 1;
    if (table.columns.size() < oldestLength || table.columns != own.mid(0, table.columns.size()))
        return;
    table.ownExport = true;
    for (QStringList &row : table.rows) {
        for (QString &cell : row)
            cell = UnguardCsvFormula(cell);
    }
}

// Rows whose field count differs from the header's are left out one by one;
// a file where most rows differ is not the table its header says.
bool dropRaggedRows(CImportTable &table, QString &error)
{
    const int width = int(table.columns.size());
    int ragged = 0;
    int firstRagged = -1;
    for (int i = 0; i < table.rows.size(); ++i) {
        if (table.rows.at(i).size() != width) {
            ++ragged;
            if (firstRagged < 0)
                firstRagged = i;
        }
    }
    if (ragged == 0)
        return true;
    const auto fieldsText = [&table, width](int i) {
        return QCoreApplication::translate("Import", "Line %1 has %2 fields where the header row has %3")
            .arg(table.lines.value(i))
            .arg(table.rows.at(i).size())
            .arg(width);
    };
    if (ragged * 2 > table.rows.size()) {
        error = fieldsText(firstRagged) + QLatin1String(". ") +
                QCoreApplication::translate("Import", "Most rows disagree with the header: the file is damaged or "
                                                      "not delimited the same way throughout.");
        return false;
    }
    QVector<QStringList> rows;
    QVector<int> lines;
    rows.reserve(table.rows.size() - ragged);
    lines.reserve(rows.capacity());
    for (int i = 0; i < table.rows.size(); ++i) {
        if (table.rows.at(i).size() == width) {
            rows << std::move(table.rows[i]);
            lines << table.lines.at(i);
        } else {
            table.refusedRows << fieldsText(i) + QLatin1Char('.');
        }
    }
    table.rows = std::move(rows);
    table.lines = std::move(lines);
    return true;
}

// Mends the cells that held stray bytes and notes where they were.
void repairStrayBytes(CImportTable &table)
{
    for (QString &c : table.columns)
        RepairStrayBytes(c);
    for (int r = 0; r < table.rows.size(); ++r) {
        QStringList &row = table.rows[r];
        for (int c = 0; c < row.size(); ++c) {
            if (RepairStrayBytes(row[c]))
                table.repairedCells << QCoreApplication::translate("Import", "Line %1, %2")
                                           .arg(table.lines.value(r))
                                           .arg(table.columns.value(c));
        }
    }
}

bool readDelimited(const QByteArray &bytes, CImportTable &table, QString &error)
{
    if (LooksBinary(bytes)) {
        error = QCoreApplication::translate("Import", "The file is neither delimited text nor a Tellico collection.");
        return false;
    }
    bool strayBytes = false;
    const QString text = DecodeImportText(bytes, &table.encoding, &strayBytes);
    const QChar delimiter = CCsvParser::DetectDelimiter(text);
    QVector<QStringList> rows;
    QVector<int> lines;
    if (!CCsvParser::Parse(text, delimiter, rows, error, &lines))
        return false;
    if (rows.size() < 2) {
        error = QCoreApplication::translate("Import", "The file holds no books: it needs a header row and at least one row of data.");
        return false;
    }
    table.columns = rows.takeFirst();
    lines.removeFirst();
    for (QString &c : table.columns)
        c = c.trimmed();
    table.rows = std::move(rows);
    table.lines = std::move(lines);
    if (!dropRaggedRows(table, error))
        return false;
    if (strayBytes)
        repairStrayBytes(table);
    const auto has = [&table](const char *name) { return table.columns.contains(QLatin1String(name)); };
    if (has("Book Id") && has("Exclusive Shelf") && has("Bookshelves")) {
        table.format = ImportFormat::Goodreads;
        mendGoodreads(table);
    } else if (has("Primary Author") && has("Title")) {
        // LibraryThing writes the same columns tab- or comma-separated.
        table.format = ImportFormat::LibraryThing;
        mendLibraryThing(table);
    } else {
        table.format = ImportFormat::Csv;
        mendOwnExport(table);
    }
    return true;
}

bool isXml(const QByteArray &bytes)
{
    const QString head = DecodeImportText(bytes.left(4096)).trimmed();
    for (const char *start : {"<?xml", "<tellico", "<!DOCTYPE tellico", "<bookcase", "<!DOCTYPE bookcase"}) {
        if (head.startsWith(QLatin1String(start)))
            return true;
    }
    return false;
}

} // namespace

bool CImportReader::Read(const QString &path, CImportTable &table, QString &error)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        error = QCoreApplication::translate("Import", "The file %1 does not exist.").arg(path);
        return false;
    }
    if (info.size() > kMaxFileSize) {
        error = QCoreApplication::translate("Import", "The file is too large to import (%1 MB; at most %2 MB).")
                    .arg(info.size() / (1024 * 1024))
                    .arg(kMaxFileSize / (1024 * 1024));
        return false;
    }
    if (info.size() == 0) {
        error = QCoreApplication::translate("Import", "The file is empty.");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QCoreApplication::translate("Import", "The file cannot be read: %1.").arg(file.errorString());
        return false;
    }
    QByteArray head = file.peek(4);
    if (head.startsWith("PK")) {
        file.close();
        table = {};
        table.path = path;
        CZipReader zip;
        if (!zip.open(path)) {
            error = zip.errorText();
            return false;
        }
        // Archives of Tellico's earlier versions hold bookcase.xml.
        const QString member = !zip.contains(QStringLiteral("tellico.xml")) &&
                                       zip.contains(QStringLiteral("bookcase.xml"))
                                   ? QStringLiteral("bookcase.xml")
                                   : QStringLiteral("tellico.xml");
        QByteArray xml;
        if (!zip.read(member, kMaxFileSize, xml)) {
            error = zip.errorText() + QLatin1Char(' ') + QCoreApplication::translate("Import", "It is not a Tellico collection.");
            return false;
        }
        if (!CTellicoReader::Read(xml, table, error))
            return false;
        table.format = ImportFormat::TellicoZip;
        table.imagesInZip = true;
        mendTellico(table);
        if (table.rows.isEmpty()) {
            error = QCoreApplication::translate("Import", "The collection holds no books.");
            return false;
        }
        return true;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() != info.size()) {
        error = QCoreApplication::translate("Import", "The file cannot be read: %1.").arg(file.errorString());
        return false;
    }
    return ReadBytes(bytes, path, table, error);
}

bool CImportReader::ReadBytes(const QByteArray &bytes, const QString &path, CImportTable &table,
                              QString &error)
{
    table = {};
    table.path = path;
    if (bytes.startsWith("PK\x03\x04")) {
        error = QCoreApplication::translate("Import", "The archive cannot be read.");
        return false;
    }
    if (isXml(bytes)) {
        if (!CTellicoReader::Read(bytes, table, error))
            return false;
        table.format = ImportFormat::TellicoXml;
        mendTellico(table);
        if (table.rows.isEmpty()) {
            error = QCoreApplication::translate("Import", "The collection holds no books.");
            return false;
        }
        return true;
    }
    return readDelimited(bytes, table, error);
}
