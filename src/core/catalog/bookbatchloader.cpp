#include "bookbatchloader.h"

#include "recordset.h"
#include "sqlvalue.h"

#include <QHash>

namespace {

QString idListText(const BookId *ids, int count)
{
    QString text;
    text.reserve(count * 7);
    for (int i = 0; i < count; ++i) {
        if (i)
            text += QLatin1Char(',');
        text += QString::number(ids[i]);
    }
    return text;
}

} // namespace

bool CBookBatchLoader::Load(const BookId *ids, int count, QVector<CBookRecord> &books)
{
    books.clear();
    if (count <= 0)
        return true;
    if (!m_namesRead) {
        if (!m_reader.ReadAll(m_connection))
            return false;
        m_namesRead = true;
    }
    books.resize(count);
    // An id may be asked for twice; every position gets the book.
    QHash<BookId, int> firstRow;
    for (int i = 0; i < count; ++i) {
        books[i].BookID = ids[i];
        firstRow.insert(ids[i], i);
    }
    for (int start = 0; start < count; start += kBatchSize) {
        const QString idList = idListText(ids + start, std::min(kBatchSize, count - start));
        QHash<BookId, CReadingLog> logs;
        if (!readBooks(idList, firstRow, books) || !readLinks(idList, firstRow, books) ||
            !LoadReadingLogs(m_connection, idList, logs))
            return false;
        for (auto log = logs.cbegin(); log != logs.cend(); ++log) {
            const auto row = firstRow.constFind(log.key());
            if (row != firstRow.cend())
                books[*row].readings = log.value();
        }
    }
    for (int i = 0; i < count; ++i) {
        const int first = firstRow.value(ids[i]);
        if (first != i)
            books[i] = books[first];
    }
    return true;
}

bool CBookBatchLoader::readBooks(const QString &idList, QHash<BookId, int> &rowOf, QVector<CBookRecord> &books)
{
    const QString sql = QStringLiteral("SELECT * FROM book WHERE BookID IN (%1)").arg(idList);
    Recordset rs;
    if (!OpenRecordset(rs, m_connection, sql))
        return false;
    m_reader.SetColumns(rs);
    const int idColumn = rs.fieldIndex(QStringLiteral("BookID"));
    DbError error;
    while (!rs.isEOF()) {
        const auto row = rowOf.constFind(rs.field(idColumn).toInt64());
        if (row != rowOf.cend())
            m_reader.Read(rs, books[*row]);
        if (!rs.moveNext(&error) && error.isSet()) {
            ShowDbError(sql, error);
            return false;
        }
    }
    return true;
}

bool CBookBatchLoader::readLinks(const QString &idList, const QHash<BookId, int> &rowOf,
                                 QVector<CBookRecord> &books)
{
    const QString sql =
        QStringLiteral(
            "SELECT BookID, LinkID, Name, Path, Notes FROM link WHERE BookID IN (%1) ORDER BY BookID, "
            "LinkID ASC")
            .arg(idList);
    Recordset rs;
    if (!OpenRecordset(rs, m_connection, sql))
        return false;
    DbError error;
    while (!rs.isEOF()) {
        const auto row = rowOf.constFind(rs.field(0).toInt64());
        if (row != rowOf.cend())
            books[*row].links.append({FieldToText(rs.field(1)), FieldToText(rs.field(2)),
                                      FieldToText(rs.field(3)), FieldToText(rs.field(4))});
        if (!rs.moveNext(&error) && error.isSet()) {
            ShowDbError(sql, error);
            return false;
        }
    }
    return true;
}
