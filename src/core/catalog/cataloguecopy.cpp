#include "cataloguecopy.h"

#include "connection.h"
#include "coverfiles.h"
#include "imagesfolder.h"
#include "recordset.h"
#include "serveraddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <optional>

namespace {


void setError(DbError *out, const DbError &e)
{
    if (out)
        *out = e;
}

// Parents before children. Categories go in without their parents first and
// get them once all are in, so that no order of the rows can break the link.
const char *const kTables[] = {"bookpublisher", "booklanguage", "bookbinding", "bookextras", "bookstore",
                               "booklocation",  "bookstatus",   "bookformat",  "bookseries", "category",
                               "book",          "book_category", "link",       "reading",    "borrower",
                               "loan"};
constexpr int kRowsPerInsert = 200;

QString literal(const QByteArrayView text)
{
    QString t = QString::fromUtf8(text);
    t.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + t + QLatin1Char('\'');
}

bool isNumberKind(FieldValue::Kind kind)
{
    using Kind = FieldValue::Kind;
    return kind == Kind::Int16 || kind == Kind::Int32 || kind == Kind::Int64 || kind == Kind::Byte ||
           kind == Kind::Bool || kind == Kind::Single || kind == Kind::Double || kind == Kind::Currency;
}

bool isWholeKind(FieldValue::Kind kind)
{
    using Kind = FieldValue::Kind;
    return kind == Kind::Int16 || kind == Kind::Int32 || kind == Kind::Int64 || kind == Kind::Byte ||
           kind == Kind::Bool;
}

// The columns of a table as the target has them, with their kinds.
struct TargetColumns
{
    QStringList names;
    QVector<FieldValue::Kind> kinds;
    int indexOf(const QString &name) const
    {
        for (int i = 0; i < names.size(); ++i) {
            if (names.at(i).compare(name, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    }
};

std::optional<TargetColumns> targetColumns(Connection &to, const QString &table, DbError *error)
{
    Recordset rs;
    if (!rs.open(to, QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(table), error))
        return std::nullopt;
    TargetColumns columns;
    for (int i = 0; i < rs.fieldCount(); ++i) {
        columns.names << rs.fieldName(i);
        columns.kinds << rs.fieldKind(i);
    }
    return columns;
}

qint64 countRows(Connection &connection, const QString &table)
{
    Recordset rs;
    return rs.open(connection, QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)) && !rs.isEOF()
               ? rs.int64Field(0)
               : 0;
}

QStringList coverNames(Connection &from)
{
    QStringList names;
    Recordset rs;
    if (!rs.open(from, QStringLiteral("SELECT FrontCover, BackCover FROM book")))
        return names;
    for (; !rs.isEOF(); rs.moveNext()) {
        for (int i = 0; i < 2; ++i) {
            const QString name = rs.fieldText(i);
            if (!name.isEmpty() && !names.contains(name))
                names << name;
        }
    }
    return names;
}

} // namespace

bool CatalogueCopy::run(DbError *error)
{
    problems.clear();
    cancelled = false;
    if (!from || !to) {
        setError(error, {-1, QCoreApplication::translate("CatalogueCopy", "Nothing to copy from or to.")});
        return false;
    }
    qint64 total = 0;
    for (const char *table : kTables) {
        if (from->hasTable(QLatin1String(table)))
            total += countRows(*from, QLatin1String(table));
    }
    const QStringList pictures = from->isShared() ? QStringList() : coverNames(*from);
    qint64 pictureRows = 0;
    if (from->isShared()) {
        pictureRows = countRows(*from, QStringLiteral("picture"));
        total += pictureRows;
    } else {
        total += pictures.size();
    }
    qint64 done = 0;
    const auto step = [&](qint64 n) {
        done += n;
        if (progress && !progress(done, total))
            cancelled = true;
        return !cancelled;
    };

    Transaction transaction(*to);
    if (!transaction.isActive()) {
        setError(error, to->lastError());
        return false;
    }
    const auto fail = [&](const DbError &e) {
        setError(error, e);
        return false;
    };
    const auto cancel = [&]() {
        setError(error, {-1, QCoreApplication::translate("CatalogueCopy", "The copy was cancelled; nothing was kept.")});
        return false;
    };
    DbError e;
    // The target's fixed rows make way for the source's.
    for (auto it = std::rbegin(kTables); it != std::rend(kTables); ++it) {
        if (to->hasTable(QLatin1String(*it)) && !to->execute(QStringLiteral("DELETE FROM %1").arg(QLatin1String(*it)), nullptr, &e))
            return fail(e);
    }
    if (to->isShared() && !to->execute(QStringLiteral("DELETE FROM picture"), nullptr, &e))
        return fail(e);

    for (const char *tableName : kTables) {
        const QString table = QLatin1String(tableName);
        if (!from->hasTable(table))
            continue;
        if (!to->hasTable(table)) {
            problems << QCoreApplication::translate("CatalogueCopy", "The table %1 has no place in the copy and was left out.").arg(table);
            continue;
        }
        const std::optional<TargetColumns> target = targetColumns(*to, table, &e);
        if (!target)
            return fail(e);
        Recordset rs;
        if (!rs.open(*from, QStringLiteral("SELECT * FROM %1").arg(table), &e))
            return fail(e);
        // Source column -> target column; columns the target lacks are named once.
        QVector<int> map;
        QVector<FieldValue::Kind> kinds; // the target's kind of each mapped column
        QStringList columns;
        int parentColumn = -1;
        for (int i = 0; i < rs.fieldCount(); ++i) {
            const int t = target->indexOf(rs.fieldName(i));
            if (t < 0) {
                problems << QCoreApplication::translate("CatalogueCopy", "The column %1.%2 has no place in the copy and was left out.")
                                .arg(table, rs.fieldName(i));
                continue;
            }
            if (table == QLatin1String("category") && rs.fieldName(i).compare(QLatin1String("ParentID"), Qt::CaseInsensitive) == 0)
                parentColumn = i;
            map << i;
            kinds << target->kinds.at(t);
            columns << target->names.at(t);
        }
        QStringList parents; // "UPDATE category SET ParentID=.. WHERE CatID=.."
        QStringList rows;
        const auto flush = [&]() {
            if (rows.isEmpty())
                return true;
            const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
                                    .arg(table, columns.join(QLatin1Char(',')), rows.join(QLatin1Char(',')));
            const qint64 n = rows.size();
            rows.clear();
            return bool(to->execute(sql, nullptr, &e)) && step(n);
        };
        for (; !rs.isEOF(); rs.moveNext(&e)) {
            QStringList values;
            for (int m = 0; m < map.size(); ++m) {
                const int i = map.at(m);
                const FieldValue::Kind kind = kinds.at(m);
                const FieldValue value = rs.field(i);
                QString v;
                if (value.isNull()) {
                    v = QStringLiteral("NULL");
                } else if (i == parentColumn) {
                    parents << QStringLiteral("UPDATE category SET ParentID=%1 WHERE CatID=%2")
                                   .arg(rs.int64Field(i))
                                   .arg(rs.int64Field(0));
                    v = QStringLiteral("NULL");
                } else if (isNumberKind(kind)) {
                    bool ok = false;
                    const QString text = QString::fromUtf8(rs.fieldUtf8(i)).trimmed();
                    if (isWholeKind(kind)) {
                        text.toLongLong(&ok);
                        if (!ok && value.kind == FieldValue::Kind::Bool)
                            v = value.toBool() ? QStringLiteral("1") : QStringLiteral("0"), ok = true;
                    } else {
                        const double d = text.toDouble(&ok);
                        if (ok)
                            v = QString::number(d, 'g', 17);
                    }
                    if (ok && v.isEmpty())
                        v = text;
                    if (!ok) {
                        problems << QCoreApplication::translate("CatalogueCopy", "%1 %2: \"%3\" in %4 is not a number and was left empty.")
                                        .arg(table, QString::fromUtf8(rs.fieldUtf8(0)), text, rs.fieldName(i));
                        v = QStringLiteral("NULL");
                    }
                } else {
                    v = literal(rs.fieldUtf8(i));
                }
                values << v;
            }
            rows << QLatin1Char('(') + values.join(QLatin1Char(',')) + QLatin1Char(')');
            if (rows.size() >= kRowsPerInsert && !flush())
                return cancelled ? cancel() : fail(e);
        }
        if (e.isSet())
            return fail(e);
        if (!flush())
            return cancelled ? cancel() : fail(e);
        for (const QString &sql : parents) {
            if (!to->execute(sql, nullptr, &e))
                return fail(e);
        }
    }

    // Pictures: from a folder into the catalogue, or the other way.
    QStringList written;
    const auto removeWritten = [&]() {
        for (const QString &name : written)
            QFile::remove(QDir(toImages).filePath(name));
    };
    if (!from->isShared() && to->isShared()) {
        for (const QString &name : pictures) {
            const QString file = QDir(fromImages).filePath(name);
            if (!CCoverFiles::IsPlainFileName(name) || !QFileInfo(file).isFile()) {
                problems << QCoreApplication::translate("CatalogueCopy", "The cover picture %1 is missing from %2 and was not copied.")
                                .arg(name, QDir::toNativeSeparators(fromImages));
            } else if (!StoreServerPictures(*to, fromImages, {name}, &e)) {
                return fail(e);
            }
            if (!step(1))
                return cancel();
        }
    } else if (from->isShared()) {
        Recordset rs;
        if (!rs.open(*from, QStringLiteral("SELECT Name FROM picture ORDER BY Name"), &e))
            return fail(e);
        QDir().mkpath(toImages);
        for (; !rs.isEOF(); rs.moveNext()) {
            const QString name = rs.fieldText(0);
            const QString escaped = QString(name).replace(QLatin1Char('\''), QStringLiteral("''"));
            const QByteArray bytes =
                from->readBytes(QStringLiteral("SELECT Data FROM picture WHERE Name='%1'").arg(escaped), nullptr, &e);
            if (e.isSet()) {
                removeWritten();
                return fail(e);
            }
            if (to->isShared()) {
                if (!to->writeBytes(QStringLiteral("INSERT INTO picture (Name, Data) VALUES ('%1', ?)").arg(escaped),
                                    bytes, &e))
                    return fail(e);
            } else if (!CCoverFiles::IsPlainFileName(name)) {
                problems << QCoreApplication::translate("CatalogueCopy", "The picture name %1 cannot be a file name and was not copied.").arg(name);
            } else {
                QSaveFile file(QDir(toImages).filePath(name));
                if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
                    removeWritten();
                    return fail({-1, QCoreApplication::translate("CatalogueCopy", "Unable to write the picture %1.").arg(QDir::toNativeSeparators(file.fileName()))});
                }
                written << name;
            }
            if (!step(1)) {
                removeWritten();
                return cancel();
            }
        }
    }

    if (!transaction.commit(&e)) {
        removeWritten();
        return fail(e);
    }
    return true;
}

QString ImagesFolderForCatalogue(const QString &pathOrAddress)
{
    if (!ServerAddress::isServerAddress(pathOrAddress))
        return ImagesFolderForCatalog(pathOrAddress);
    const std::optional<ServerAddress> a = ServerAddress::parse(pathOrAddress);
    QString key = a ? QStringLiteral("%1_%2_%3_%4").arg(a->host).arg(a->port).arg(a->database, a->schema)
                    : pathOrAddress;
    for (QChar &c : key) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('.') && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    }
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/Ordoteca/servers/") + key;
}

int FetchServerPictures(Connection &connection, const QString &folder, DbError *error)
{
    if (!connection.isShared())
        return 0;
    if (!QDir().mkpath(folder)) {
        setError(error, {-1, QCoreApplication::translate("CatalogueCopy", "Unable to create the folder %1.").arg(QDir::toNativeSeparators(folder))});
        return -1;
    }
    Recordset rs;
    if (!rs.open(connection, QStringLiteral("SELECT Name, length(Data) FROM picture"), error))
        return -1;
    int written = 0;
    for (; !rs.isEOF(); rs.moveNext()) {
        const QString name = rs.fieldText(0);
        if (!CCoverFiles::IsPlainFileName(name))
            continue;
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).size() == rs.int64Field(1))
            continue;
        DbError e;
        const QByteArray bytes = connection.readBytes(
            QStringLiteral("SELECT Data FROM picture WHERE Name='%1'").arg(QString(name).replace(QLatin1Char('\''), QStringLiteral("''"))),
            nullptr, &e);
        if (e.isSet()) {
            setError(error, e);
            return -1;
        }
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
            ++written;
    }
    return written;
}

bool StoreServerPictures(Connection &connection, const QString &folder, const QStringList &fileNames,
                         DbError *error, const QStringList &storedNames)
{
    if (!connection.isShared())
        return true;
    for (int i = 0; i < fileNames.size(); ++i) {
        QFile file(QDir(folder).filePath(fileNames.at(i)));
        if (!file.open(QIODevice::ReadOnly)) {
            setError(error, {-1, QCoreApplication::translate("CatalogueCopy", "Unable to read the picture %1.").arg(QDir::toNativeSeparators(file.fileName()))});
            return false;
        }
        const QString name = i < storedNames.size() ? storedNames.at(i) : fileNames.at(i);
        const QString escaped = QString(name).replace(QLatin1Char('\''), QStringLiteral("''"));
        if (!connection.execute(QStringLiteral("DELETE FROM picture WHERE Name='%1'").arg(escaped), nullptr, error) ||
            !connection.writeBytes(QStringLiteral("INSERT INTO picture (Name, Data) VALUES ('%1', ?)").arg(escaped),
                                   file.readAll(), error))
            return false;
    }
    return true;
}
