#include "bookrecord.h"

#include "cataloguecopy.h"

#include "app/messenger.h"
#include "app/registrykey.h"
#include "app/strings.h"
#include "cataloguecopy.h"
#include "catalogueupgrade.h"
#include "connection.h"
#include "coverfiles.h"
#include "crashpoint.h"
#include "lookup.h"
#include "recordset.h"
#include "seriesschema.h"
#include "sqlvalue.h"

#include <QCoreApplication>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <limits>
#include <memory>

namespace {

const QString kDefaultProductPageHost = QStringLiteral("www.amazon.com");
const QLatin1String kProductPagePath("/exec/obidos/tg/detail/-/");

QMutex g_hostMutex;
QString g_productPageHost = kDefaultProductPageHost;

// Columns read and written as plain text (the rest are lookups or integers).
struct TextColumn
{
    const char *column;
    QString CBookRecord::*member;
};

const TextColumn kTextColumns[] = {
    {"FrontCover", &CBookRecord::FrontCover},
    {"BackCover", &CBookRecord::BackCover},
    {"Title", &CBookRecord::Title},
    {"Subtitle", &CBookRecord::Subtitle},
    {"Author", &CBookRecord::Author},
    {"URL", &CBookRecord::URL},
    {"Edition", &CBookRecord::Edition},
    {"ReleaseDate", &CBookRecord::ReleaseDate},
    {"ISBN", &CBookRecord::ISBN},
    {"PageCount", &CBookRecord::PageCount},
    {"Dimension", &CBookRecord::Dimension},
    {"PurchaseDate", &CBookRecord::PurchaseDate},
    {"PurchasePrice", &CBookRecord::PurchasePrice},
    {"ListPrice", &CBookRecord::ListPrice},
    {"AmazonPrice", &CBookRecord::AmazonPrice},
    {"CurrentPage", &CBookRecord::CurrentPage},
    {"AmazonRating", &CBookRecord::AmazonRating},
    {"NumOfReviews", &CBookRecord::NumOfReviews},
    {"UserText1", &CBookRecord::UserText1},
    {"UserText2", &CBookRecord::UserText2},
    {"BookSize", &CBookRecord::BookSize},
    {"Description", &CBookRecord::Description},
    {"Notes", &CBookRecord::Notes},
    {"DateAdded", &CBookRecord::DateAdded},
    {"SeriesNumber", &CBookRecord::SeriesNumber},
};

// Lookup columns in the order their names are turned into ids on save.
struct LookupColumn
{
    const char *table;
    const char *idColumn;
    QString CBookRecord::*member;
};

const LookupColumn kLookups[] = {
    {"bookpublisher", "PublisherID", &CBookRecord::Publisher},
    {"booklanguage", "LanguageID", &CBookRecord::Language},
    {"bookbinding", "BindingID", &CBookRecord::Binding},
    {"bookextras", "ExtrasID", &CBookRecord::Extras},
    {"bookstore", "StoreID", &CBookRecord::Store},
    {"booklocation", "LocationID", &CBookRecord::Location},
    {"bookformat", "FormatID", &CBookRecord::Format},
    {"bookstatus", "StatusID", &CBookRecord::Status},
    {"bookseries", "SeriesID", &CBookRecord::Series},
};
enum LookupIndex { Publisher, Language, Binding, Extras, Store, Location, Format, Status, Series, LookupCount };

// The failed statement of an operation, shown once the transaction is gone.
struct Failure
{
    QString sql;
    DbError error;
    bool alreadyShown = false; // also set for a save conflict, which the caller asks about

    bool fail(const QString &statement, const DbError &e)
    {
        sql = statement;
        error = e;
        return false;
    }
    void show() const
    {
        if (!alreadyShown)
            ShowDbError(sql, error);
    }
};

qint64 readRowVersion(BookId bookId, Connection &connection)
{
    Recordset rs;
    return rs.open(connection, QStringLiteral("SELECT Version FROM book_version WHERE BookID=%1").arg(bookId)) &&
                   !rs.isEOF()
               ? rs.int64Field(0)
               : 0;
}

bool execute(Connection &connection, const QString &sql, Failure &failure)
{
    CrashPoint("statement");
    DbError error;
    if (!connection.execute(sql, nullptr, &error))
        return failure.fail(sql, error);
    return true;
}

// Leading integer of a field's text; 0 for NULL or no digits.
int leadingInt(const QString &text)
{
    const QString literal = FormatSqlValue(text, SqlInteger);
    return literal == QLatin1String("NULL") ? 0 : literal.toInt();
}

bool isPlainInteger(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// On a shared catalogue: whether the book is still as Load found it. The
// writers' lock taken by the transaction keeps it so until the commit.
bool checkRowVersion(const CBookRecord &r, Connection &connection, Failure &failure)
{
    const QString sql =
        QStringLiteral("SELECT Version, ChangedBy, ChangedAt, (SELECT COUNT(*) FROM book WHERE BookID=%1) "
                       "FROM book_version WHERE BookID=%1")
            .arg(r.BookID);
    Recordset rs;
    DbError error;
    if (!rs.open(connection, sql, &error))
        return failure.fail(sql, error);
    if (rs.isEOF())
        return true; // never saved through a shared catalogue's triggers
    auto &conflict = const_cast<CBookRecord &>(r).conflict;
    conflict.changedBy = rs.fieldText(1);
    conflict.changedAt = rs.field(2).toDateTime();
    if (!conflict.changedAt.isValid())
        conflict.changedAt = QDateTime::fromString(rs.fieldText(2).left(19).replace(QLatin1Char(' '), QLatin1Char('T')),
                                                   Qt::ISODate);
    if (rs.int64Field(3) == 0)
        conflict.code = DbErrorCode::RowDeleted;
    else if (!r.overwrite && rs.int64Field(0) != r.loadedVersion)
        conflict.code = DbErrorCode::Conflict;
    if (conflict.code == 0)
        return true;
    failure.alreadyShown = true;
    return failure.fail(sql, {conflict.code, QString()});
}

// The database part of saving a book; covers gets what the files need.
bool writeBook(const CBookRecord &r, bool isNew, CategoryId categoryId, const QString &imagesFolder,
               Connection &connection, std::unique_ptr<CCoverFiles> &covers, Failure &failure)
{
    BookId bookId = r.BookID;
    if (isNew) {
        // MAX alone (NULL, read as 0, for an empty table) gives the same id as
        // counting first, without counting 100,000 rows on every save.
        // Only the last 64-bit number leaves no next one.
        const QString sql = QStringLiteral("SELECT MAX(BookID) FROM book");
        Recordset rs;
        DbError error;
        if (!rs.open(connection, sql, &error))
            return failure.fail(sql, error);
        const qint64 max = rs.int64Field(0);
        rs.close();
        if (max >= std::numeric_limits<BookId>::max())
            return failure.fail(
                sql, {1, QCoreApplication::translate(
                             "Catalogue", "No new number is free: the highest one is already in use.")});
        bookId = max + 1;
    }

    // A record that was never read from the catalogue has no version to compare.
    if (!isNew && connection.isShared() && r.loadedVersion > 0 && !checkRowVersion(r, connection, failure))
        return false;

    // The pictures are copied before the book row is written: one that
    // cannot be copied leaves its cover as it was, so the catalogue never
    // names a file that is not there.
    covers = std::make_unique<CCoverFiles>(imagesFolder, bookId);
    covers->plan(0, r.newFrontCoverSource, r.FrontCover, QString(), isNew);
    covers->plan(1, r.newBackCoverSource, r.BackCover, QStringLiteral("b"), isNew);
    covers->prepare();
    if (connection.isShared()) {
        // The other computers see the pictures only through the catalogue.
        QStringList folderNames;
        QStringList storedNames;
        for (int i = 0; i < CCoverFiles::Count; ++i) {
            const CCoverFiles::Plan &plan = covers->at(i);
            if (plan.source.isEmpty() || plan.name.isEmpty())
                continue;
            folderNames << (plan.staged.isEmpty() || plan.early ? plan.name : plan.staged); // staged: a full path
            storedNames << plan.name;
        }
        DbError error;
        if (!StoreServerPictures(connection, imagesFolder, folderNames, &error, storedNames))
            return failure.fail(QStringLiteral("INSERT INTO picture"), error);
    }

    QStringList categories;
    if (isNew) {
        categories << QString::number(categoryId);
        // Links and memberships may outlive their book when it was deleted
        // outside the program (foreign keys off); the new book takes the
        // freed number and must not inherit them.
        for (const char *table : {"link", "book_category", "reading"}) {
            if (!execute(
                    connection,
                    QStringLiteral("DELETE FROM %1 WHERE BookID=%2").arg(QLatin1String(table)).arg(bookId),
                    failure))
                return false;
        }
    } else {
        const QString sql = QStringLiteral("SELECT CatID FROM book_category WHERE BookID=%1").arg(bookId);
        Recordset rs;
        DbError error;
        if (!rs.open(connection, sql, &error))
            return failure.fail(sql, error);
        while (!rs.isEOF()) {
            categories << FieldToText(rs.field(0));
            if (!rs.moveNext(&error) && error.isSet())
                return failure.fail(sql, error);
        }
        rs.close();
        // Its links and memberships go with it and are written again below.
        if (!execute(connection, QStringLiteral("DELETE FROM book WHERE BookID=%1").arg(bookId), failure))
            return false;
    }

    QString ids[LookupCount];
    for (int i = 0; i < LookupCount; ++i) {
        if (!GetOrInsertLookupId(QLatin1String(kLookups[i].table), r.*kLookups[i].member, connection,
                                 ids[i])) {
            failure.alreadyShown = true;
            return false;
        }
    }

    const auto text = [](const QString &v) { return FormatSqlValue(v, SqlText); };
    const auto integer = [](const QString &v) { return FormatSqlValue(v, SqlInteger); };
    const auto decimal = [](const QString &v) { return FormatSqlValue(v, SqlDecimal); };
    const QString rating = r.MyRating != 0 ? QString::number(r.MyRating) : QString();
    const QStringList values = {QString::number(bookId),
                                text(r.Title),
                                text(r.Subtitle),
                                text(r.URL),
                                text(r.Author),
                                text(r.Edition),
                                ids[Publisher],
                                text(r.ISBN),
                                integer(r.PageCount),
                                ids[Language],
                                ids[Binding],
                                text(r.Dimension),
                                ids[Extras],
                                text(r.ReleaseDate),
                                text(r.PurchaseDate),
                                ids[Store],
                                decimal(r.PurchasePrice),
                                decimal(r.ListPrice),
                                decimal(r.AmazonPrice),
                                integer(r.CurrentPage),
                                QString::number(r.EBookOnly),
                                ids[Location],
                                ids[Status],
                                decimal(r.AmazonRating),
                                integer(r.NumOfReviews),
                                integer(rating),
                                text(r.UserText1),
                                text(r.UserText2),
                                ids[Format],
                                decimal(r.BookSize),
                                text(r.Description),
                                text(r.Notes),
                                text(covers->at(0).name),
                                text(covers->at(1).name),
                                text(isNew && r.DateAdded.isEmpty() ? DateAddedToday()
                                                                    : CatalogDateToIso(r.DateAdded)),
                                ids[Series],
                                text(r.SeriesNumber)};
    const QString insert =
        QStringLiteral(
            "INSERT INTO Book (BookID,Title,Subtitle,URL,Author,Edition,PublisherID,ISBN,PageCount,"
            "LanguageID,BindingID,Dimension,ExtrasID,ReleaseDate,PurchaseDate,StoreID,PurchasePrice,"
            "ListPrice,AmazonPrice,CurrentPage,EBookOnly,LocationID,StatusID,AmazonRating,"
            "NumOfReviews,MyRating,UserText1,UserText2,FormatID,BookSize,Description,Notes,"
            "FrontCover,BackCover,DateAdded,SeriesID,SeriesNumber) VALUES(") +
        values.join(QLatin1Char(',')) + QLatin1Char(')');
    if (!execute(connection, insert, failure))
        return false;

    for (int p = 0; p < r.links.size(); ++p) {
        const CLinkEntry &link = r.links.at(p);
        // The user's texts go in last, in one pass, so a "%1" in them stays text.
        const QString sql =
            QStringLiteral("INSERT INTO link (BookID,LinkID,Name,Path,Notes) VALUES (%1,%2,%3,%4,%5)")
                .arg(bookId)
                .arg(p + 1)
                .arg(text(link.Name), text(link.Path), text(link.Notes));
        if (!execute(connection, sql, failure))
            return false;
    }
    for (const QString &sql : ReadingInsertStatements(bookId, r.readings)) {
        if (!execute(connection, sql, failure))
            return false;
    }
    for (const QString &category : std::as_const(categories)) {
        const QString sql = QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (%1, %2)")
                                .arg(bookId)
                                .arg(category);
        if (!execute(connection, sql, failure))
            return false;
    }
    return true;
}

} // namespace

CBookRecord::TemporaryFiles::~TemporaryFiles()
{
    for (const QString &path : std::as_const(*this))
        QFile::remove(path);
}

CBookRecord::CBookRecord() : productPageBaseUrl(ProductPageBaseUrl()), statusText(LoadStr(IDS_IDLE_MESSAGE))
{
}

QString CBookRecord::ProductPageBaseUrl()
{
    QMutexLocker lock(&g_hostMutex);
    return QLatin1String("http://") + g_productPageHost + kProductPagePath;
}

void CBookRecord::SetProductPageHost(const QString &host)
{
    QMutexLocker lock(&g_hostMutex);
    g_productPageHost = host.isEmpty() ? kDefaultProductPageHost : host;
}

void CBookRecord::ResetToDefaults()
{
    for (const TextColumn &c : kTextColumns)
        (this->*c.member).clear();
    for (const LookupColumn &c : kLookups)
        (this->*c.member).clear();
    MyRating = 0;
    EBookOnly = 0;
    readings.clear();
    newFrontCoverSource.clear();
    newBackCoverSource.clear();

    CRegistryKey key;
    if (!key.SetKey(QStringLiteral("Software\\Quenlow\\Ordo\\Settings\\Default"), false))
        return;
    const QString none;
    Language = key.ReadString(QStringLiteral("Language"), none);
    Extras = key.ReadString(QStringLiteral("Extras"), none);
    Store = key.ReadString(QStringLiteral("Store"), none);
    Location = key.ReadString(QStringLiteral("Location"), none);
    UserText1 = key.ReadString(QStringLiteral("UserText1"), none);
    UserText2 = key.ReadString(QStringLiteral("UserText2"), none);
    Format = key.ReadString(QStringLiteral("Format"), none);
    PurchaseDate = key.ReadString(QStringLiteral("PurchaseDate"), none);
    // "Today" in Options: the day the book is added.
    if (key.ReadInt(QStringLiteral("PurchaseDateToday"), 0) != 0)
        PurchaseDate = FormatCatalogDate(QDate::currentDate());
    Status = key.ReadString(QStringLiteral("Status"), none);
    EBookOnly = key.ReadInt(QStringLiteral("EbookOnly"), 0) != 0 ? 1 : 0;
}

bool CBookRecord::Load(BookId bookId, Connection &connection)
{
    BookID = bookId;
    conflict = {};
    overwrite = false;
    loadedVersion = connection.isShared() ? readRowVersion(bookId, connection) : 0;
    QString sql = QStringLiteral("SELECT * FROM book WHERE BookID=%1").arg(bookId);
    Recordset rs;
    if (!OpenRecordset(rs, connection, sql))
        return false;
    if (rs.isEOF())
        return true;

    for (const TextColumn &c : kTextColumns)
        this->*c.member = FieldToText(rs.field(QLatin1String(c.column)));
    MyRating = leadingInt(FieldToText(rs.field(QStringLiteral("MyRating"))));
    EBookOnly = rs.field(QStringLiteral("EBookOnly")).toBool() ? 1 : 0;

    for (const LookupColumn &c : kLookups) {
        const FieldValue id = rs.field(QLatin1String(c.idColumn));
        if (id.isNull()) {
            (this->*c.member).clear();
            continue;
        }
        // Ids are integers; anything else (text left by Run SQL) has no row
        // and must not become part of the statement.
        if (!id.isInteger())
            continue;
        const QString idText = FieldToText(id);
        // Same query as LookupName, but a failure must end the load while a
        // missing row only leaves the field as it was.
        sql = QStringLiteral("SELECT * FROM %1 WHERE %2=%3")
                  .arg(QLatin1String(c.table), LookupIdColumn(QLatin1String(c.table)), idText);
        Recordset name;
        if (!OpenRecordset(name, connection, sql))
            return false;
        if (!name.isEOF())
            this->*c.member = FieldToText(name.field(QStringLiteral("Name")));
    }
    rs.close();

    if (!LoadReadingLog(connection, bookId, readings))
        return false;

    sql = QStringLiteral("SELECT * FROM link WHERE BookID=%1 ORDER BY LinkID ASC").arg(bookId);
    if (!OpenRecordset(rs, connection, sql))
        return false;
    const int linkId = rs.fieldIndex(QStringLiteral("LinkID"));
    const int name = rs.fieldIndex(QStringLiteral("Name"));
    const int path = rs.fieldIndex(QStringLiteral("Path"));
    const int notes = rs.fieldIndex(QStringLiteral("Notes"));
    DbError error;
    while (!rs.isEOF()) {
        links.append({FieldToText(rs.field(linkId)), FieldToText(rs.field(name)), FieldToText(rs.field(path)),
                      FieldToText(rs.field(notes))});
        if (!rs.moveNext(&error) && error.isSet()) {
            ShowDbError(sql, error);
            return false;
        }
    }
    return true;
}

bool CBookRecord::RowReader::ReadAll(Connection &connection)
{
    m_names.clear();
    for (const LookupColumn &c : kLookups) {
        const QString table = QLatin1String(c.table);
        // An older catalogue opened read-only has no series yet.
        if (c.member == &CBookRecord::Series && !CatalogueHasTable(connection, table)) {
            m_names.append(QHash<qint64, QString>());
            continue;
        }
        const QString sql = QStringLiteral("SELECT %1, Name FROM %2").arg(LookupIdColumn(table), table);
        Recordset rs;
        if (!OpenRecordset(rs, connection, sql))
            return false;
        QHash<qint64, QString> names;
        DbError error;
        while (!rs.isEOF()) {
            const FieldValue id = rs.field(0);
            if (id.isInteger())
                names.insert(id.toInt64(), FieldToText(rs.field(1)));
            if (!rs.moveNext(&error) && error.isSet()) {
                ShowDbError(sql, error);
                return false;
            }
        }
        m_names.append(std::move(names));
    }
    return true;
}

void CBookRecord::RowReader::SetColumns(const Recordset &rs)
{
    m_textColumns.clear();
    for (const TextColumn &c : kTextColumns)
        m_textColumns.append(rs.fieldIndex(QLatin1String(c.column)));
    m_lookupColumns.clear();
    for (const LookupColumn &c : kLookups)
        m_lookupColumns.append(rs.fieldIndex(QLatin1String(c.idColumn)));
    m_ratingColumn = rs.fieldIndex(QStringLiteral("MyRating"));
    m_ebookColumn = rs.fieldIndex(QStringLiteral("EBookOnly"));
}

void CBookRecord::RowReader::Read(const Recordset &rs, CBookRecord &book) const
{
    for (qsizetype i = 0; i < m_textColumns.size(); ++i)
        book.*kTextColumns[i].member = FieldToText(rs.field(m_textColumns[i]));
    book.MyRating = leadingInt(FieldToText(rs.field(m_ratingColumn)));
    book.EBookOnly = rs.field(m_ebookColumn).toBool() ? 1 : 0;
    for (qsizetype i = 0; i < m_lookupColumns.size(); ++i) {
        const FieldValue id = rs.field(m_lookupColumns[i]);
        QString &name = book.*kLookups[i].member;
        if (id.isNull())
            name.clear();
        else if (id.isInteger() && i < m_names.size())
            name = m_names[i].value(id.toInt64(), name); // no row: left as it was, as Load does
    }
}

bool CBookRecord::Save(bool isNew, CategoryId categoryId, const QString &imagesFolder, Connection &connection)
{
    conflict = {};
    Failure failure;
    std::unique_ptr<CCoverFiles> covers;
    bool saved = false;
    {
        // An edit is a delete followed by an insert: both, with the links,
        // memberships and new lookup rows, commit together or not at all.
        Transaction transaction(connection);
        if (!transaction.isActive()) {
            ShowDbError(QStringLiteral("BEGIN IMMEDIATE"), connection.lastError());
            return false;
        }
        DbError error;
        if (writeBook(*this, isNew, categoryId, imagesFolder, connection, covers, failure)) {
            CrashPoint("before commit");
            saved = transaction.commit(&error);
            if (!saved)
                failure.fail(QStringLiteral("COMMIT"), error);
        }
    }
    if (!saved) {
        covers.reset(); // the prepared files go with the rolled back rows
        failure.show();
        return false;
    }
    CrashPoint("committed");

    // Old pictures go only now that the catalogue holds the new names.
    covers->finish();
    FrontCover = covers->at(0).name;
    BackCover = covers->at(1).name;
    overwrite = false;
    if (connection.isShared() && !isNew)
        loadedVersion = readRowVersion(BookID, connection);
    return true;
}

bool CBookRecord::AddBooksToCategory(const QVector<BookId> &bookIds, CategoryId categoryId, Connection &connection)
{
    return AddBooksToCategory(int(bookIds.size()), bookIds.constData(), categoryId, connection);
}

bool CBookRecord::AddBooksToCategory(int count, const BookId *bookIds, CategoryId categoryId, Connection &connection)
{
    Failure failure;
    int duplicates = 0;
    {
        // One transaction for speed only: rows added before a failure stay.
        Transaction transaction(connection);
        if (!transaction.isActive()) {
            ShowDbError(QStringLiteral("BEGIN IMMEDIATE"), connection.lastError());
            return false;
        }
        bool ok = true;
        for (int i = 0; ok && i < count; ++i) {
            const QString sql = QStringLiteral("SELECT * FROM book_category WHERE BookID=%1 AND CatID=%2")
                                    .arg(bookIds[i])
                                    .arg(categoryId);
            Recordset rs;
            DbError error;
            if (!rs.open(connection, sql, &error)) {
                ok = failure.fail(sql, error);
            } else if (rs.isEOF()) {
                rs.close();
                ok = execute(connection,
                             QStringLiteral("INSERT INTO book_category (bookID, CatID) VALUES (%1, %2)")
                                 .arg(bookIds[i])
                                 .arg(categoryId),
                             failure);
            } else {
                ++duplicates;
            }
        }
        DbError error;
        const bool committed = transaction.commit(&error);
        if (!ok) {
            failure.show();
            return false;
        }
        if (!committed) {
            ShowDbError(QStringLiteral("COMMIT"), error);
            return false;
        }
    }
    if (duplicates > 0)
        messenger().showMessage(LoadCountStr(IDS_DUPLICATES_NOT_SAVED, duplicates),
                                IMessenger::Icon::Information);
    return true;
}

bool CBookRecord::GetLinkPath(const QString &bookIdText, const QString &linkIdText, Connection &connection,
                              QString &path)
{
    // The numbers come from an address inside page content: never let them
    // become anything but numbers in the statement.
    const QString book = bookIdText.trimmed();
    const QString link = linkIdText.trimmed();
    if (!isPlainInteger(book) || !isPlainInteger(link))
        return false;
    const QString sql = QStringLiteral("SELECT Path FROM link WHERE BookID=%1 AND LinkID=%2").arg(book, link);
    Recordset rs;
    if (!OpenRecordset(rs, connection, sql))
        return false;
    if (rs.isEOF())
        return false;
    path = FieldToText(rs.field(0));
    return true;
}
