#include "bookimporter.h"

#include "catalog/catalogueupgrade.h"
#include "catalog/connection.h"
#include "catalog/crashpoint.h"
#include "catalog/loancommands.h"
#include "catalog/lookup.h"
#include "catalog/readinglog.h"
#include "catalog/recordset.h"
#include "catalog/sqlvalue.h"
#include "importcovers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace {

struct Column
{
    ImportField field;
    const char *column;
    int kind; // FormatSqlValue kind, or -1 for a lookup table
    const char *table;
};

// The book columns written by an import, in the order of the INSERT.
const Column kColumns[] = {
    {ImportField::Title, "Title", SqlText, nullptr},
    {ImportField::Subtitle, "Subtitle", SqlText, nullptr},
    {ImportField::URL, "URL", SqlText, nullptr},
    {ImportField::Author, "Author", SqlText, nullptr},
    {ImportField::Edition, "Edition", SqlText, nullptr},
    {ImportField::Publisher, "PublisherID", -1, "bookpublisher"},
    {ImportField::ISBN, "ISBN", SqlText, nullptr},
    {ImportField::PageCount, "PageCount", SqlInteger, nullptr},
    {ImportField::Language, "LanguageID", -1, "booklanguage"},
    {ImportField::Binding, "BindingID", -1, "bookbinding"},
    {ImportField::Dimension, "Dimension", SqlText, nullptr},
    {ImportField::Extras, "ExtrasID", -1, "bookextras"},
    {ImportField::ReleaseDate, "ReleaseDate", SqlText, nullptr},
    {ImportField::PurchaseDate, "PurchaseDate", SqlText, nullptr},
    {ImportField::Store, "StoreID", -1, "bookstore"},
    {ImportField::PurchasePrice, "PurchasePrice", SqlDecimal, nullptr},
    {ImportField::ListPrice, "ListPrice", SqlDecimal, nullptr},
    {ImportField::AmazonPrice, "AmazonPrice", SqlDecimal, nullptr},
    {ImportField::CurrentPage, "CurrentPage", SqlInteger, nullptr},
    {ImportField::EBookOnly, "EBookOnly", SqlInteger, nullptr},
    {ImportField::Location, "LocationID", -1, "booklocation"},
    {ImportField::Status, "StatusID", -1, "bookstatus"},
    {ImportField::AmazonRating, "AmazonRating", SqlDecimal, nullptr},
    {ImportField::NumOfReviews, "NumOfReviews", SqlInteger, nullptr},
    {ImportField::MyRating, "MyRating", SqlInteger, nullptr},
    {ImportField::UserText1, "UserText1", SqlText, nullptr},
    {ImportField::UserText2, "UserText2", SqlText, nullptr},
    {ImportField::Format, "FormatID", -1, "bookformat"},
    {ImportField::BookSize, "BookSize", SqlDecimal, nullptr},
    {ImportField::Description, "Description", SqlText, nullptr},
    {ImportField::Notes, "Notes", SqlText, nullptr},
    {ImportField::FrontCover, "FrontCover", SqlText, nullptr},
    {ImportField::BackCover, "BackCover", SqlText, nullptr},
    {ImportField::DateAdded, "DateAdded", SqlText, nullptr},
    {ImportField::Series, "SeriesID", -1, "bookseries"},
    {ImportField::SeriesNumber, "SeriesNumber", SqlText, nullptr},
};

// A statement that failed: ends the import.
struct DbFailure
{
    QString sql;
    DbError error;
};

// SQL's NOCASE folds ASCII letters only; the caches must find what it finds.
QString asciiFolded(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + 32);
    }
    return out;
}

class ImportRun
{
public:
    ImportRun(Connection &connection, const CImportTable &table, const ImportMapping &mapping,
              const CImportOptions &options)
        : m_connection(connection), m_table(table), m_options(options),
          m_categoriesMapped(mapping.contains(ImportField::Categories)), m_covers(table, options)
    {
    }

    bool prepare();
    bool importBook(const CImportedBook &book, CImportSummary &summary);
    // Writes the rows gathered for the multi-row INSERTs.
    bool flush();
    // Writes every cover before the commit; false (with coverError) when
    // the import must stop.
    bool writeCovers() { return m_covers.write(coverError); }
    // Lends the books whose rows name a borrower and that are not out
    // already; a due date before the loan is dropped. Before the commit.
    bool writeLoans();
    // After the commit: pictures the books no longer name go.
    void finishCovers() { m_covers.finish(m_connection); }

    DbFailure failure;
    QString coverError;

private:
    bool exec(const QString &sql);
    bool queryId(const QString &sql, qint64 &value);
    bool lookupId(const char *table, const QString &name, QString &id);
    bool categoryIds(const CImportedBook &book, QVector<CategoryId> &ids);
    CategoryId childCategory(CategoryId parent, const QString &name);
    bool createCategory(CategoryId parent, const QString &name, CategoryId &id);
    bool sqlValue(const Column &c, const CImportedBook &book, QString &out);

    Connection &m_connection;
    const CImportTable &m_table;
    const CImportOptions &m_options;
    const bool m_categoriesMapped;
    CategoryId m_target = 1;
    BookId m_nextBookId = 1;
    CategoryId m_nextCatId = 32;
    QHash<QString, BookId> m_books;                // duplicate key -> BookID
    QHash<CategoryId, QHash<QString, CategoryId>> m_children; // parent -> folded name -> CatID
    QHash<QString, CategoryId> m_topLevel;             // folded name of categories 1 to 4 -> id
    QHash<QString, QHash<QString, QString>> m_lookups;
    const QString m_today = DateAddedToday();
    CImportCovers m_covers;
    // New rows wait here and go in a few hundred at a time: one statement
    // for many rows saves compiling the same INSERT (with its trigger and
    // key checks) for every book.
    QString m_bookColumns;
    QStringList m_bookRows;
    QStringList m_categoryRows;
    QStringList m_linkRows;
    QVector<std::pair<BookId, LoanRequest>> m_loans;
    QStringList m_readingRows; // whole statements, after the books they belong to
};

constexpr int kRowsPerInsert = 200;

bool ImportRun::flush()
{
    if (!m_bookRows.isEmpty() && !exec(QStringLiteral("INSERT INTO book (%1) VALUES %2")
                                           .arg(m_bookColumns, m_bookRows.join(QLatin1Char(',')))))
        return false;
    if (!m_linkRows.isEmpty() &&
        !exec(QStringLiteral("INSERT INTO link (BookID,LinkID,Name,Path,Notes) VALUES ") +
              m_linkRows.join(QLatin1Char(','))))
        return false;
    for (const QString &sql : std::as_const(m_readingRows)) {
        if (!exec(sql))
            return false;
    }
    if (!m_categoryRows.isEmpty() &&
        !exec(QStringLiteral("INSERT OR IGNORE INTO book_category (BookID, CatID) VALUES ") +
              m_categoryRows.join(QLatin1Char(','))))
        return false;
    m_bookRows.clear();
    m_linkRows.clear();
    m_readingRows.clear();
    m_categoryRows.clear();
    return true;
}

bool ImportRun::writeLoans()
{
    if (m_loans.isEmpty())
        return true;
    if (!HasLoanTables(m_connection)) {
        failure = {QStringLiteral("loan"), m_connection.lastError()};
        return false;
    }
    for (const auto &[bookId, request] : std::as_const(m_loans)) {
        // Inside the import's transaction: a failure rolls back everything.
        if (!LendBooks(m_connection, {bookId}, request).ok) {
            failure = {QStringLiteral("INSERT INTO loan"), m_connection.lastError()};
            return false;
        }
    }
    return true;
}

bool ImportRun::exec(const QString &sql)
{
    DbError error;
    if (m_connection.execute(sql, nullptr, &error))
        return true;
    failure = {sql, error};
    return false;
}

bool ImportRun::queryId(const QString &sql, qint64 &value)
{
    Recordset rs;
    DbError error;
    if (!rs.open(m_connection, sql, &error)) {
        failure = {sql, error};
        return false;
    }
    value = rs.isEOF() ? 0 : rs.int64Field(0);
    return true;
}

bool ImportRun::prepare()
{
    qint64 max = 0;
    if (!queryId(QStringLiteral("SELECT MAX(BookID) FROM book"), max))
        return false;
    m_nextBookId = max + 1;
    if (!queryId(QStringLiteral("SELECT MAX(CatID) FROM category"), max))
        return false;
    m_nextCatId = qMax<CategoryId>(max + 1, 32);

    QString sql = QStringLiteral("SELECT CatID, Name, ParentID FROM category");
    Recordset rs;
    DbError error;
    if (!rs.open(m_connection, sql, &error)) {
        failure = {sql, error};
        return false;
    }
    while (!rs.isEOF()) {
        const CategoryId id = rs.field(0).toInt64();
        const QString name = asciiFolded(rs.field(1).toString().trimmed());
        if (rs.field(2).isNull()) {
            if (id >= 1 && id <= 4)
                m_topLevel.insert(name, id);
        } else {
            m_children[rs.field(2).toInt64()].insert(name, id);
        }
        if (!rs.moveNext(&error) && error.isSet()) {
            failure = {sql, error};
            return false;
        }
    }

    sql = QStringLiteral("SELECT BookID, ISBN, Title, Author FROM book ORDER BY BookID");
    if (!rs.open(m_connection, sql, &error)) {
        failure = {sql, error};
        return false;
    }
    while (!rs.isEOF()) {
        const QString key =
            BookDuplicateKey(rs.field(1).toString(), rs.field(2).toString(), rs.field(3).toString());
        if (!key.isEmpty() && !m_books.contains(key))
            m_books.insert(key, rs.field(0).toInt64());
        if (!rs.moveNext(&error) && error.isSet()) {
            failure = {sql, error};
            return false;
        }
    }
    sql = QStringLiteral("SELECT FrontCover FROM book UNION SELECT BackCover FROM book");
    if (!rs.open(m_connection, sql, &error)) {
        failure = {sql, error};
        return false;
    }
    while (!rs.isEOF()) {
        m_covers.addUsedName(rs.field(0).toString());
        if (!rs.moveNext(&error) && error.isSet()) {
            failure = {sql, error};
            return false;
        }
    }
    rs.close();

    m_target = m_options.targetCategory;
    const QString newName = m_options.newCategoryName.trimmed();
    if (!newName.isEmpty()) {
        const CategoryId existing = childCategory(m_target, newName);
        if (existing > 0)
            m_target = existing;
        else if (!createCategory(m_target, newName, m_target))
            return false;
    }
    return true;
}

CategoryId ImportRun::childCategory(CategoryId parent, const QString &name)
{
    return m_children.value(parent).value(asciiFolded(name.trimmed()), 0);
}

bool ImportRun::createCategory(CategoryId parent, const QString &name, CategoryId &id)
{
    id = m_nextCatId++;
    // One pass over the arguments: a "%3" in the name stays text.
    if (!exec(QStringLiteral("INSERT INTO category (CatID, Name, ParentID, Notes) VALUES (%1, %2, %3, NULL)")
                  .arg(QString::number(id), FormatSqlValue(name, SqlText), QString::number(parent))))
        return false;
    m_children[parent].insert(asciiFolded(name.trimmed()), id);
    return true;
}

bool ImportRun::categoryIds(const CImportedBook &book, QVector<CategoryId> &ids)
{
    // Our own export restores its tree: a book it wrote without categories
    // was in none, and goes back to none.
    if (m_table.ownExport && m_options.subCategories && m_categoriesMapped && book.categories.isEmpty())
        return true;
    if (!m_options.subCategories || book.categories.isEmpty()) {
        ids << m_target;
        return true;
    }
    for (const QStringList &path : book.categories) {
        CategoryId parent = m_target;
        int start = 0;
        // A path that begins with the root collection or a special category
        // (as the export writes them) is found from the top of the tree.
        const CategoryId top = m_topLevel.value(asciiFolded(path.first()), 0);
        if (top > 0 && (m_target == 1 || top != 1)) {
            parent = top;
            start = 1;
        }
        for (int i = start; i < path.size(); ++i) {
            CategoryId id = childCategory(parent, path.at(i));
            if (id == 0 && !createCategory(parent, path.at(i), id))
                return false;
            parent = id;
        }
        if (!ids.contains(parent))
            ids << parent;
    }
    return true;
}

bool ImportRun::lookupId(const char *table, const QString &name, QString &id)
{
    const QString key = asciiFolded(name.trimmed());
    if (key.isEmpty()) {
        id = QStringLiteral("NULL");
        return true;
    }
    QHash<QString, QString> &cache = m_lookups[QLatin1String(table)];
    auto it = cache.constFind(key);
    if (it != cache.constEnd()) {
        id = *it;
        return true;
    }
    if (!GetOrInsertLookupId(QLatin1String(table), name, m_connection, id)) {
        failure = {QStringLiteral("SELECT ... FROM %1").arg(QLatin1String(table)), m_connection.lastError()};
        return false;
    }
    cache.insert(key, id);
    return true;
}

bool ImportRun::sqlValue(const Column &c, const CImportedBook &book, QString &out)
{
    const QString &v = book.value(c.field);
    if (c.kind < 0)
        return lookupId(c.table, v, out);
    if (c.field == ImportField::MyRating && v == QLatin1String("0"))
        out = QStringLiteral("NULL");
    else
        out = FormatSqlValue(v, c.kind);
    return true;
}

bool ImportRun::importBook(const CImportedBook &book, CImportSummary &summary)
{
    const QString key = book.duplicateKey();
    const BookId existing = key.isEmpty() ? 0 : m_books.value(key, 0);
    if (existing > 0 && !m_options.updateDuplicates) {
        ++summary.skipped;
        return true;
    }

    CImportedBook b = book;
    const BookId bookId = existing > 0 ? existing : m_nextBookId;
    // A book the file does not date is added today, like one added by hand.
    if (existing == 0 && b.value(ImportField::DateAdded).isEmpty())
        b.values[int(ImportField::DateAdded)] = m_today;
    const QString rowLabel = ImportRowLabel(m_table, book.row);
    b.values[int(ImportField::FrontCover)] =
        m_covers.take(book.value(ImportField::FrontCover), QString::number(bookId), rowLabel, summary.warnings);
    b.values[int(ImportField::BackCover)] = m_covers.take(book.value(ImportField::BackCover),
                                                          QString::number(bookId) + QLatin1Char('b'), rowLabel,
                                                          summary.warnings);

    QVector<CategoryId> categories;
    if (!categoryIds(b, categories))
        return false;

    if (!b.value(ImportField::Borrower).trimmed().isEmpty()) {
        LoanRequest loan;
        loan.borrower = b.value(ImportField::Borrower).trimmed();
        loan.loanDate = QDate::fromString(b.value(ImportField::LoanDate), Qt::ISODate);
        if (!loan.loanDate.isValid())
            loan.loanDate = QDate::fromString(m_today, Qt::ISODate);
        loan.dueDate = QDate::fromString(b.value(ImportField::DueDate), Qt::ISODate);
        if (loan.dueDate.isValid() && loan.dueDate < loan.loanDate)
            loan.dueDate = QDate();
        m_loans.append({bookId, loan});
    }

    if (existing > 0) {
        // The book may be one of the rows still waiting.
        if (!flush())
            return false;
        // A stored picture the file replaces goes after the commit.
        {
            const QString sql =
                QStringLiteral("SELECT FrontCover, BackCover FROM book WHERE BookID=%1").arg(bookId);
            Recordset rs;
            DbError error;
            if (!rs.open(m_connection, sql, &error)) {
                failure = {sql, error};
                return false;
            }
            const ImportField fields[] = {ImportField::FrontCover, ImportField::BackCover};
            for (int i = 0; i < 2 && !rs.isEOF(); ++i) {
                const QString old = rs.field(i).toString();
                if (!b.value(fields[i]).isEmpty() && !old.isEmpty() && old != b.value(fields[i]))
                    m_covers.retire(old);
            }
        }
        // Fields the file gives replace the stored ones; the rest stay.
        QStringList sets;
        for (const Column &c : kColumns) {
            if (b.value(c.field).isEmpty())
                continue;
            QString v;
            if (!sqlValue(c, b, v))
                return false;
            sets << QLatin1String(c.column) + QLatin1Char('=') + v;
        }
        if (!sets.isEmpty() && !exec(QStringLiteral("UPDATE book SET %1 WHERE BookID=%2")
                                         .arg(sets.join(QLatin1Char(',')), QString::number(bookId))))
            return false;
        if (!b.links.isEmpty() && !exec(QStringLiteral("DELETE FROM link WHERE BookID=%1").arg(bookId)))
            return false;
        // A file that logs readings gives the whole log; one that does not
        // leaves the stored log alone.
        if (!b.readings.isEmpty() && !exec(QStringLiteral("DELETE FROM reading WHERE BookID=%1").arg(bookId)))
            return false;
        ++summary.updated;
    } else {
        if (m_bookColumns.isEmpty()) {
            QStringList names{QStringLiteral("BookID")};
            for (const Column &c : kColumns)
                names << QLatin1String(c.column);
            m_bookColumns = names.join(QLatin1Char(','));
        }
        QStringList values{QString::number(bookId)};
        for (const Column &c : kColumns) {
            QString v;
            if (!sqlValue(c, b, v))
                return false;
            values << (c.field == ImportField::EBookOnly && v == QLatin1String("NULL") ? QStringLiteral("0")
                                                                                       : v);
        }
        m_bookRows << QLatin1Char('(') + values.join(QLatin1Char(',')) + QLatin1Char(')');
        ++m_nextBookId;
        if (!key.isEmpty())
            m_books.insert(key, bookId);
        ++summary.added;
    }

    for (int p = 0; p < b.links.size(); ++p) {
        const CLinkEntry &link = b.links.at(p);
        m_linkRows << QStringLiteral("(%1,%2,%3,%4,%5)")
                          .arg(bookId)
                          .arg(p + 1)
                          .arg(FormatSqlValue(link.Name, SqlText), FormatSqlValue(link.Path, SqlText),
                               FormatSqlValue(link.Notes, SqlText));
    }
    m_readingRows << ReadingInsertStatements(bookId, b.readings);
    for (CategoryId cat : std::as_const(categories))
        m_categoryRows << QStringLiteral("(%1, %2)").arg(bookId).arg(cat);
    if (existing > 0 || m_bookRows.size() >= kRowsPerInsert) {
        if (!flush())
            return false;
    }
    summary.bookIds << bookId;
    summary.isbns << b.value(ImportField::ISBN);
    return true;
}

} // namespace

QString CImportSummary::text(int shown) const
{
    QStringList lines;
    if (cancelled)
        return QCoreApplication::translate("Import", "The import was cancelled; the catalogue is unchanged.");
    if (!error.isEmpty())
        return QCoreApplication::translate("Import", "The import failed; the catalogue is unchanged.") + QLatin1Char('\n') + error;
    lines << QCoreApplication::translate("Import", "Added: %1").arg(added) << QCoreApplication::translate("Import", "Updated: %1").arg(updated)
          << QCoreApplication::translate("Import", "Skipped as duplicates: %1").arg(skipped) << QCoreApplication::translate("Import", "Refused: %1").arg(refused.size());
    const auto list = [&lines, shown](const QStringList &items) {
        for (int i = 0; i < items.size() && (shown < 0 || i < shown); ++i)
            lines << QStringLiteral("  ") + items.at(i);
        if (shown >= 0 && items.size() > shown)
            lines << QCoreApplication::translate("Import", "  ... and %1 more").arg(items.size() - shown);
    };
    list(refused);
    if (!mended.isEmpty()) {
        lines << QCoreApplication::translate("Import", "Values repaired or left out: %1").arg(mended.size());
        list(mended);
    }
    if (!warnings.isEmpty()) {
        lines << QCoreApplication::translate("Import", "Covers: %1").arg(warnings.size());
        list(warnings);
    }
    return lines.join(QLatin1Char('\n'));
}

CBookImporter::CBookImporter(Connection &connection, const CImportTable &table, const ImportMapping &mapping,
                             const CImportOptions &options)
    : m_connection(connection), m_table(table), m_mapping(mapping), m_options(options)
{
}

QVector<CImportedBook> CBookImporter::Preview(int count) const
{
    QVector<CImportedBook> books;
    for (int row = 0; row < m_table.rows.size() && row < count; ++row)
        books << BuildImportedBook(m_table, row, m_mapping);
    return books;
}

bool CBookImporter::Run(CImportSummary &summary, const Progress &progress)
{
    summary = {};
    summary.refused = m_table.refusedRows;
    for (const QString &cell : m_table.repairedCells)
        summary.mended << QCoreApplication::translate("Import", "%1: text that was not UTF-8 read as Windows-1252.").arg(cell);
    ImportRun run(m_connection, m_table, m_mapping, m_options);
    const int total = int(m_table.rows.size());
    // A large page cache keeps the whole import in memory until it commits;
    // the setting belongs to this connection only and is put back after.
    int cacheSize = -2000;
    {
        Recordset rs;
        if (rs.open(m_connection, QStringLiteral("PRAGMA cache_size")) && !rs.isEOF())
            cacheSize = rs.field(0).toInt();
    }
    m_connection.execute(QStringLiteral("PRAGMA cache_size=-131072"));
    struct RestoreCache
    {
        Connection &connection;
        int size;
        ~RestoreCache() { connection.execute(QStringLiteral("PRAGMA cache_size=%1").arg(size)); }
    } restore{m_connection, cacheSize};
    {
        Transaction transaction(m_connection);
        if (!transaction.isActive()) {
            summary.error = m_connection.lastError().message;
            return false;
        }
        bool ok = run.prepare();
        for (int row = 0; ok && row < total; ++row) {
            if (progress && row % 64 == 0 && !progress(row, total)) {
                summary = {};
                summary.cancelled = true;
                return false; // the transaction rolls back
            }
            const CImportedBook book = BuildImportedBook(m_table, row, m_mapping);
            summary.mended << book.problems;
            if (!book.refusal.isEmpty()) {
                summary.refused << ImportRowLabel(m_table, row) + QLatin1String(": ") + book.refusal;
                continue;
            }
            ok = run.importBook(book, summary);
        }
        ok = ok && run.flush() && run.writeLoans() && run.writeCovers();
        CrashPoint("import before commit");
        DbError error;
        if (ok && !transaction.commit(&error))
            run.failure = {QStringLiteral("COMMIT"), error};
        else if (ok) {
            CrashPoint("import committed");
            run.finishCovers();
            if (progress)
                progress(total, total);
            return true;
        }
    }
    const CImportSummary partial = summary;
    summary = {};
    summary.refused = partial.refused;
    summary.mended = partial.mended;
    summary.error = !run.coverError.isEmpty() ? run.coverError
                                               : run.failure.sql + QLatin1Char('\n') + run.failure.error.message;
    return false;
}
