#include "readinglog.h"

#include "connection.h"
#include "recordset.h"
#include "seriesschema.h"
#include "sqlvalue.h"

#include <QLocale>
#include <algorithm>
#include <functional>

namespace {

CReading readingOf(const Recordset &rs, int first)
{
    return {FieldToText(rs.field(first)), FieldToText(rs.field(first + 1)), rs.field(first + 2).toBool(),
            FieldToText(rs.field(first + 3))};
}

QString dateLiteral(const QString &text)
{
    return FormatSqlValue(CatalogDateToIso(text.trimmed()), SqlText);
}

bool readRows(Connection &connection, const QString &sql, const std::function<void(const Recordset &)> &row)
{
    Recordset rs;
    if (!OpenRecordset(rs, connection, sql))
        return false;
    DbError error;
    while (!rs.isEOF()) {
        row(rs);
        if (!rs.moveNext(&error) && error.isSet()) {
            ShowDbError(sql, error);
            return false;
        }
    }
    return true;
}

// Changes each book's log with change, in one transaction.
bool changeLogs(Connection &connection, const QVector<BookId> &books, const std::function<void(CReadingLog &)> &change)
{
    Transaction transaction(connection);
    if (!transaction.isActive()) {
        ShowDbError(QStringLiteral("BEGIN IMMEDIATE"), connection.lastError());
        return false;
    }
    for (const BookId id : books) {
        CReadingLog log;
        if (!LoadReadingLog(connection, id, log))
            return false;
        change(log);
        QStringList statements{QStringLiteral("DELETE FROM reading WHERE BookID=%1").arg(id)};
        statements << ReadingInsertStatements(id, log);
        for (const QString &sql : std::as_const(statements)) {
            DbError error;
            if (!connection.execute(sql, nullptr, &error)) {
                ShowDbError(sql, error);
                return false;
            }
        }
    }
    DbError error;
    if (!transaction.commit(&error)) {
        ShowDbError(QStringLiteral("COMMIT"), error);
        return false;
    }
    return true;
}

} // namespace

ReadingState ReadingStateOf(const CReadingLog &log)
{
    if (log.isEmpty())
        return ReadingState::Unread;
    return log.last().Completed ? ReadingState::Read : ReadingState::Reading;
}

int CompletedReadings(const CReadingLog &log)
{
    return int(std::count_if(log.cbegin(), log.cend(), [](const CReading &r) { return r.Completed; }));
}

QDate LastFinished(const CReadingLog &log)
{
    QDate last;
    for (const CReading &r : log) {
        const QDate day = QDate::fromString(CatalogDateToIso(r.Finished), Qt::ISODate);
        if (r.Completed && day.isValid() && (!last.isValid() || day > last))
            last = day;
    }
    return last;
}

bool LoadReadingLog(Connection &connection, BookId bookId, CReadingLog &log)
{
    log.clear();
    if (!CatalogueHasTable(connection, QStringLiteral("reading")))
        return true;
    return readRows(connection,
                    QStringLiteral("SELECT Started, Finished, Completed, Notes FROM reading WHERE BookID=%1 "
                                   "ORDER BY ReadingID")
                        .arg(bookId),
                    [&](const Recordset &rs) { log.append(readingOf(rs, 0)); });
}

bool LoadReadingLogs(Connection &connection, const QString &idList, QHash<BookId, CReadingLog> &logs)
{
    if (!CatalogueHasTable(connection, QStringLiteral("reading")))
        return true;
    return readRows(connection,
                    QStringLiteral("SELECT BookID, Started, Finished, Completed, Notes FROM reading WHERE BookID "
                                   "IN (%1) ORDER BY BookID, ReadingID")
                        .arg(idList),
                    [&](const Recordset &rs) { logs[rs.field(0).toInt64()].append(readingOf(rs, 1)); });
}

QStringList ReadingInsertStatements(BookId bookId, const CReadingLog &log)
{
    QStringList statements;
    for (int i = 0; i < log.size(); ++i) {
        const CReading &r = log.at(i);
        // The note goes in last, in one pass, so a "%1" in it stays text.
        statements << QStringLiteral("INSERT INTO reading (BookID,ReadingID,Started,Finished,Completed,Notes) "
                                     "VALUES (%1,%2,%3,%4,%5,%6)")
                          .arg(bookId)
                          .arg(i + 1)
                          .arg(dateLiteral(r.Started), dateLiteral(r.Finished),
                               r.Completed ? QStringLiteral("1") : QStringLiteral("0"),
                               FormatSqlValue(r.Notes, SqlText));
    }
    return statements;
}

bool StartReading(Connection &connection, const QVector<BookId> &books, const QDate &day)
{
    return changeLogs(connection, books, [&](CReadingLog &log) {
        if (ReadingStateOf(log) != ReadingState::Reading)
            log.append({FormatCatalogDate(day), QString(), false, QString()});
    });
}

bool FinishReading(Connection &connection, const QVector<BookId> &books, const QDate &day)
{
    return changeLogs(connection, books, [&](CReadingLog &log) {
        if (ReadingStateOf(log) == ReadingState::Reading) {
            log.last().Finished = FormatCatalogDate(day);
            log.last().Completed = true;
        } else {
            log.append({QString(), FormatCatalogDate(day), true, QString()});
        }
    });
}
