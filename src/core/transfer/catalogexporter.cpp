#include "catalogexporter.h"

#include "catalog/catalogueupgrade.h"
#include "catalog/connection.h"
#include "catalog/coverfiles.h"
#include "catalog/fileutil.h"
#include "catalog/loancommands.h"
#include "catalog/recordset.h"
#include "catalog/seriesschema.h"
#include "catalog/sqlvalue.h"
#include "categorypath.h"
#include "csvparser.h"
#include "page/bookxml.h"
#include "readingtransfer.h"
#include "tellicowriter.h"
#include "zipwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>

namespace {

// The query columns, in the order of ImportField (the
// Categories and Links fields are filled separately).
const char *const kSelect =
    "SELECT b.BookID, b.Title, b.Subtitle, b.Author, b.URL, b.Edition, b.ReleaseDate, p.Name, b.ISBN, "
    "b.PageCount, la.Name, bi.Name, b.Dimension, e.Name, b.PurchaseDate, s.Name, b.PurchasePrice, "
    "b.ListPrice, b.AmazonPrice, lo.Name, st.Name, b.CurrentPage, b.AmazonRating, b.NumOfReviews, "
    "b.MyRating, b.UserText1, b.UserText2, b.EBookOnly, f.Name, b.BookSize, b.Description, b.Notes, "
    "b.FrontCover, b.BackCover, %1, %2 FROM book b "
    "LEFT JOIN bookpublisher p ON p.PublisherID=b.PublisherID "
    "LEFT JOIN booklanguage la ON la.LanguageID=b.LanguageID "
    "LEFT JOIN bookbinding bi ON bi.BindingID=b.BindingID "
    "LEFT JOIN bookextras e ON e.ExtrasID=b.ExtrasID "
    "LEFT JOIN bookstore s ON s.StoreID=b.StoreID "
    "LEFT JOIN booklocation lo ON lo.LocationID=b.LocationID "
    "LEFT JOIN bookstatus st ON st.StatusID=b.StatusID "
    "LEFT JOIN bookformat f ON f.FormatID=b.FormatID "
    "ORDER BY b.BookID";

// Fields of the query after BookID, in select order.
const ImportField kSelected[] = {
    ImportField::Title,         ImportField::Subtitle,     ImportField::Author,
    ImportField::URL,           ImportField::Edition,      ImportField::ReleaseDate,
    ImportField::Publisher,     ImportField::ISBN,         ImportField::PageCount,
    ImportField::Language,      ImportField::Binding,      ImportField::Dimension,
    ImportField::Extras,        ImportField::PurchaseDate, ImportField::Store,
    ImportField::PurchasePrice, ImportField::ListPrice,    ImportField::AmazonPrice,
    ImportField::Location,      ImportField::Status,       ImportField::CurrentPage,
    ImportField::AmazonRating,  ImportField::NumOfReviews, ImportField::MyRating,
    ImportField::UserText1,     ImportField::UserText2,    ImportField::EBookOnly,
    ImportField::Format,        ImportField::BookSize,     ImportField::Description,
    ImportField::Notes,         ImportField::FrontCover,   ImportField::BackCover,
    ImportField::DateAdded,     ImportField::Series,       ImportField::SeriesNumber,
};

// A number with a point and no needless zeros: 24.95, 3, 0.5.
QString numberText(double v)
{
    QString t = QString::number(v, 'f', 6);
    while (t.endsWith(QLatin1Char('0')))
        t.chop(1);
    if (t.endsWith(QLatin1Char('.')))
        t.chop(1);
    return t == QLatin1String("-0") ? QStringLiteral("0") : t;
}

QString exportText(const FieldValue &v, ImportField field)
{
    using Kind = FieldValue::Kind;
    switch (v.kind) {
    case Kind::Null:
        return field == ImportField::EBookOnly ? QStringLiteral("No") : QString();
    case Kind::Bool:
        return v.toBool() ? QStringLiteral("Yes") : QStringLiteral("No");
    case Kind::Date:
        return v.toDateTime().date().toString(Qt::ISODate);
    case Kind::Currency:
    case Kind::Double:
    case Kind::Single:
        return numberText(v.toDouble());
    case Kind::Int16:
    case Kind::Int32:
    case Kind::Byte:
        if (field == ImportField::MyRating && v.toInt() == 0)
            return QString();
        return QString::number(v.toInt());
    case Kind::Int64:
        return QString::number(v.toInt64());
    case Kind::Text:
        return v.toString();
    }
    return QString();
}

bool readAll(Connection &connection, const QString &sql, QString &error,
             const std::function<void(const Recordset &)> &row)
{
    Recordset rs;
    DbError e;
    if (!rs.open(connection, sql, &e)) {
        error = sql + QLatin1Char('\n') + e.message;
        return false;
    }
    while (!rs.isEOF()) {
        row(rs);
        if (!rs.moveNext(&e) && e.isSet()) {
            error = sql + QLatin1Char('\n') + e.message;
            return false;
        }
    }
    return true;
}

QString linksJson(const QVector<CLinkEntry> &links)
{
    if (links.isEmpty())
        return QString();
    QJsonArray array;
    for (const CLinkEntry &l : links)
        array.append(QJsonObject{{QStringLiteral("name"), l.Name},
                                 {QStringLiteral("path"), l.Path},
                                 {QStringLiteral("notes"), l.Notes}});
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

bool writeOut(QSaveFile &file, const QByteArray &bytes, QString &error)
{
    if (file.write(bytes) == bytes.size())
        return true;
    error = QCoreApplication::translate("Export", "The file cannot be written: %1.").arg(file.errorString());
    return false;
}

bool openSaveFile(QSaveFile &file, QString &error)
{
    if (file.open(QIODevice::WriteOnly))
        return true;
    error = QCoreApplication::translate("Export", "Cannot open file for writing.") + QLatin1Char('\n') + file.errorString();
    return false;
}

bool commitSaveFile(QSaveFile &file, QString &error)
{
    if (file.commit())
        return true;
    error = QCoreApplication::translate("Export", "The file cannot be written: %1.").arg(file.errorString());
    return false;
}

} // namespace

CCatalogExporter::CCatalogExporter(Connection &connection, const QString &imagesFolder)
    : m_connection(connection), m_imagesFolder(imagesFolder)
{
}

bool CCatalogExporter::Collect(const CExportScope &scope, QString &error)
{
    m_books.clear();

    struct Category
    {
        QString name;
        CategoryId parent = 0; // 0: top level
    };
    QHash<CategoryId, Category> categories;
    if (!readAll(m_connection, QStringLiteral("SELECT CatID, Name, ParentID FROM category"), error,
                 [&](const Recordset &rs) {
                     categories.insert(rs.field(0).toInt64(), {rs.field(1).toString(),
                                                             rs.field(2).isNull() ? 0 : rs.field(2).toInt64()});
                 }))
        return false;
    QHash<CategoryId, QStringList> paths;
    const auto pathOf = [&](CategoryId id) {
        QStringList path;
        QSet<CategoryId> seen;
        for (CategoryId c = id; c != 0 && categories.contains(c) && !seen.contains(c);
             c = categories.value(c).parent) {
            seen.insert(c);
            path.prepend(categories.value(c).name);
        }
        return path;
    };

    QHash<BookId, QVector<CategoryId>> memberships;
    if (!readAll(m_connection,
                 QStringLiteral("SELECT BookID, CatID FROM book_category ORDER BY BookID, CatID"), error,
                 [&](const Recordset &rs) { memberships[rs.field(0).toInt64()] << rs.field(1).toInt64(); }))
        return false;

    // Which books the scope takes (all when wanted stays unset).
    bool all = scope.kind == CExportScope::WholeCatalogue ||
               (scope.kind == CExportScope::Category && scope.categoryId == 5);
    QSet<BookId> wanted;
    QHash<BookId, int> selectionOrder;
    if (scope.kind == CExportScope::Selection) {
        for (int i = 0; i < scope.bookIds.size(); ++i) {
            wanted.insert(scope.bookIds.at(i));
            selectionOrder.insert(scope.bookIds.at(i), i);
        }
    } else if (!all) {
        QSet<CategoryId> cats{scope.categoryId};
        if (scope.subCategories) {
            bool grew = true;
            while (grew) {
                grew = false;
                for (auto it = categories.cbegin(); it != categories.cend(); ++it) {
                    if (!cats.contains(it.key()) && cats.contains(it->parent)) {
                        cats.insert(it.key());
                        grew = true;
                    }
                }
            }
        }
        for (auto it = memberships.cbegin(); it != memberships.cend(); ++it) {
            for (CategoryId c : *it) {
                if (cats.contains(c))
                    wanted.insert(it.key());
            }
        }
    }
    const bool orphansOnly = scope.kind == CExportScope::Category && scope.categoryId == 6;

    QHash<BookId, int> index; // BookID -> position in m_books
    const QString select = QString::fromLatin1(kSelect).arg(DateAddedSelect(m_connection, QStringLiteral("b.")),
                                                            SeriesSelect(m_connection, QStringLiteral("b.")));
    if (!readAll(m_connection, select, error, [&](const Recordset &rs) {
            const BookId id = rs.field(0).toInt64();
            if (orphansOnly ? memberships.contains(id) : (!all && !orphansOnly && !wanted.contains(id)))
                return;
            CExportBook book;
            book.bookId = id;
            for (int i = 0; i < int(sizeof(kSelected) / sizeof(kSelected[0])); ++i)
                book.values[int(kSelected[i])] = exportText(rs.field(i + 1), kSelected[i]);
            for (CategoryId cat : memberships.value(id)) {
                auto it = paths.find(cat);
                if (it == paths.end())
                    it = paths.insert(cat, pathOf(cat));
                book.categories << *it;
            }
            index.insert(id, int(m_books.size()));
            m_books << book;
        }))
        return false;

    if (!readAll(m_connection,
                 QStringLiteral("SELECT BookID, Name, Path, Notes FROM link ORDER BY BookID, LinkID"), error,
                 [&](const Recordset &rs) {
                     const int at = index.value(rs.field(0).toInt64(), -1);
                     if (at >= 0)
                         m_books[at].links << CLinkEntry{QString(), rs.field(1).toString(),
                                                         rs.field(2).toString(), rs.field(3).toString()};
                 }))
        return false;

    // The current loan of each book lent out; books borrowed from others keep
    // theirs in the catalogue only.
    if (HasLoanTables(m_connection) &&
        !readAll(m_connection,
                 QStringLiteral("SELECT loan.BookID, borrower.Name, loan.LoanDate, loan.DueDate FROM loan "
                                "JOIN borrower ON borrower.BorrowerID = loan.BorrowerID "
                                "WHERE loan.ReturnDate IS NULL AND loan.Direction = 0"),
                 error, [&](const Recordset &rs) {
                     const int at = index.value(rs.field(0).toInt64(), -1);
                     if (at < 0)
                         return;
                     CExportBook &book = m_books[at];
                     book.values[int(ImportField::Borrower)] = rs.fieldText(1);
                     book.values[int(ImportField::LoanDate)] =
                         LoanDateFromField(rs.field(2)).toString(Qt::ISODate);
                     book.values[int(ImportField::DueDate)] =
                         LoanDateFromField(rs.field(3)).toString(Qt::ISODate);
                 }))
        return false;

    if (CatalogueHasTable(m_connection, QStringLiteral("reading")) &&
        !readAll(m_connection,
                 QStringLiteral("SELECT BookID, Started, Finished, Completed, Notes FROM reading ORDER BY BookID, "
                                "ReadingID"),
                 error, [&](const Recordset &rs) {
                     const int at = index.value(rs.field(0).toInt64(), -1);
                     if (at >= 0)
                         m_books[at].readings << CReading{CatalogDateToIso(FieldToText(rs.field(1))),
                                                          CatalogDateToIso(FieldToText(rs.field(2))),
                                                          rs.field(3).toBool(), rs.field(4).toString()};
                 }))
        return false;

    if (scope.kind == CExportScope::Selection)
        std::stable_sort(m_books.begin(), m_books.end(), [&](const CExportBook &a, const CExportBook &b) {
            return selectionOrder.value(a.bookId) < selectionOrder.value(b.bookId);
        });
    return true;
}

bool CCatalogExporter::copyCsvCovers(const QString &folder, QSet<QString> &covers, QString &error) const
{
    for (const CExportBook &b : m_books) {
        for (ImportField f : {ImportField::FrontCover, ImportField::BackCover}) {
            const QString &name = b.value(f);
            const QString source = m_imagesFolder + QLatin1Char('/') + name;
            if (!CCoverFiles::IsPlainFileName(name) || covers.contains(name) || !QFileInfo(source).isFile())
                continue;
            if (!QDir().mkpath(folder) || !LinkOrCopyFile(source, folder + QLatin1Char('/') + name)) {
                error = QCoreApplication::translate("Export", "The file cannot be written: %1.")
                            .arg(QDir::toNativeSeparators(folder + QLatin1Char('/') + name));
                return false;
            }
            covers.insert(name);
        }
    }
    return true;
}

bool CCatalogExporter::writeCsv(QIODevice &device, QString &error, const Progress &progress,
                                const QString &coverFolder, const QSet<QString> &covers) const
{
    QStringList header;
    for (ImportField f : AllImportFields())
        header << ImportFieldName(f);
    // The byte-order mark tells spreadsheets that the file is UTF-8.
    QByteArray out = "\xEF\xBB\xBF" + header.join(QLatin1Char(',')).toUtf8() + "\r\n";
    const int total = int(m_books.size());
    QString line;
    for (int i = 0; i < total; ++i) {
        if (i % 512 == 0) {
            if (progress && !progress(i, total))
                return false;
            // Written in pieces: a large catalogue never sits in memory twice.
            if (device.write(out) != out.size()) {
                error = QCoreApplication::translate("Export", "The file cannot be written: %1.").arg(device.errorString());
                return false;
            }
            out.clear();
        }
        const CExportBook &b = m_books.at(i);
        line.clear();
        for (int f = 0; f < int(ImportField::Count); ++f) {
            if (f > 0)
                line += QLatin1Char(',');
            const ImportField field = ImportField(f);
            if (field == ImportField::Categories)
                line += CCsvParser::Quote(JoinCategoryPaths(b.categories));
            else if (field == ImportField::Links)
                line += CCsvParser::Quote(linksJson(b.links));
            else if (field == ImportField::Readings)
                line += CCsvParser::Quote(ReadingLogJson(b.readings));
            else if (field == ImportField::FrontCover || field == ImportField::BackCover)
                line += covers.contains(b.values[f]) ? CCsvParser::Quote(coverFolder + QLatin1Char('/') + b.values[f])
                                                     : QString();
            else
                line += CCsvParser::Quote(GuardCsvFormula(b.values[f]));
        }
        line += QLatin1String("\r\n");
        out += line.toUtf8();
    }
    if (device.write(out) != out.size()) {
        error = QCoreApplication::translate("Export", "The file cannot be written: %1.").arg(device.errorString());
        return false;
    }
    return true;
}

bool CCatalogExporter::Write(Format format, const QString &path, QString &error, const Progress &progress)
{
    error.clear();
    if (format == BookXml)
        return writeBookXml(path, error, progress);

    QByteArray bytes;
    if (format == Csv) {
        // The covers go into a folder beside the file ("books_files" for
        // books.csv), which the file names relative to itself: the two move
        // together and import anywhere, and an import takes pictures only
        // from beside the file it reads.
        const QFileInfo info(path);
        const QString coverFolder = info.completeBaseName() + QLatin1String("_files");
        QSet<QString> covers;
        if (!copyCsvCovers(info.absolutePath() + QLatin1Char('/') + coverFolder, covers, error))
            return false;
        QSaveFile file(path);
        if (!openSaveFile(file, error) || !writeCsv(file, error, progress, coverFolder, covers))
            return false;
        if (progress)
            progress(int(m_books.size()), int(m_books.size()));
        return commitSaveFile(file, error);
    } else {
        if (progress && !progress(0, int(m_books.size())))
            return false;
        QHash<QString, QString> images;
        const QByteArray xml = CTellicoWriter::Build(m_books, m_imagesFolder, images);
        CZipWriter zip;
        if (!zip.add(QStringLiteral("tellico.xml"), xml)) {
            error = zip.errorText();
            return false;
        }
        int done = 0;
        for (auto it = images.cbegin(); it != images.cend(); ++it, ++done) {
            if (progress && !progress(done, int(images.size())))
                return false;
            QFile picture(it.value());
            if (!picture.open(QIODevice::ReadOnly))
                continue;
            // Pictures are compressed already.
            if (!zip.add(QStringLiteral("images/") + it.key(), picture.readAll(), true)) {
                error = zip.errorText();
                return false;
            }
        }
        bytes = zip.finish();
        if (bytes.isEmpty()) {
            error = zip.errorText();
            return false;
        }
    }
    QSaveFile file(path);
    if (!openSaveFile(file, error) || !writeOut(file, bytes, error))
        return false;
    if (progress)
        progress(int(m_books.size()), int(m_books.size()));
    return commitSaveFile(file, error);
}

bool CCatalogExporter::writeBookXml(const QString &path, QString &error, const Progress &progress)
{
    QSaveFile file(path);
    if (!openSaveFile(file, error))
        return false;
    const int total = int(m_books.size());
    const QString date = BookXmlCreationDate();
    const int chunk = 200;
    bool first = true;
    for (int start = 0; start < total || first; start += chunk) {
        if (progress && !progress(qMin(start, total), total))
            return false;
        QVector<BookId> ids;
        for (int i = start; i < total && i < start + chunk; ++i)
            ids << m_books.at(i).bookId;
        QString xml = BuildBookXml(ids, m_connection, m_imagesFolder, date);
        // Each part is a whole document: keep its head only in the first
        // part and its closing root tag only in the last.
        const bool last = start + chunk >= total;
        if (!first)
            xml.remove(0, xml.indexOf(QLatin1Char('\n'), xml.indexOf(QLatin1String("<Ordoteca"))) + 1);
        if (!last)
            xml.chop(QStringLiteral("</Ordoteca>\n").size());
        if (!writeOut(file, xml.toUtf8(), error))
            return false;
        first = false;
        if (last)
            break;
    }
    return commitSaveFile(file, error);
}
