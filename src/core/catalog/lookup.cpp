#include "lookup.h"

#include "connection.h"
#include "recordset.h"
#include "sqlvalue.h"

#include <QCoreApplication>
#include <limits>

QString LookupIdColumn(const QString &table)
{
    return table.mid(4) + QLatin1String("ID");
}

bool ReadLookupNames(const QString &table, Connection &connection, QStringList &names)
{
    const QString sql = QStringLiteral("SELECT * FROM %1").arg(table);
    Recordset rs;
    if (!OpenRecordset(rs, connection, sql))
        return false;
    const int name = rs.fieldIndex(QStringLiteral("Name"));
    DbError error;
    while (!rs.isEOF()) {
        names << FieldToText(rs.field(name));
        if (!rs.moveNext(&error) && error.isSet()) {
            ShowDbError(sql, error);
            return false;
        }
    }
    return true;
}

bool LookupName(const QString &table, const QString &idText, Connection &connection, QString &name)
{
    if (idText.isEmpty()) {
        name.clear();
        return true;
    }
    const QString sql = QStringLiteral("SELECT * FROM %1 WHERE %2=%3").arg(table, LookupIdColumn(table), idText);
    Recordset rs;
    if (!OpenRecordset(rs, connection, sql))
        return false;
    if (rs.isEOF())
        return false;
    name = FieldToText(rs.field(QStringLiteral("Name")));
    return true;
}

bool GetOrInsertLookupId(const QString &table, const QString &name, Connection &connection,
                         QString &idText)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) {
        idText = QStringLiteral("NULL");
        return true;
    }
    const QString idColumn = LookupIdColumn(table);
    const QString literal = FormatSqlValue(trimmed, SqlText);
    DbError error;

    // The column's own comparison (an index lookup) folds A-Z only; a name
    // that differs in the case of other letters ("Éditions" and "éditions")
    // is then found by the connection's LIKE, which folds every script. The
    // name's own % and _ are escaped so that they match only themselves.
    const QString escaped = EscapeLikePattern(trimmed);
    const QString conditions[] = {
        QStringLiteral("Name=%1").arg(literal),
        QStringLiteral("Name LIKE %1 ESCAPE '\\'").arg(FormatSqlValue(escaped, SqlText)),
    };
    QString sql;
    for (const QString &condition : conditions) {
        sql = QStringLiteral("SELECT %1 FROM %2 WHERE %3").arg(idColumn, table, condition);
        Recordset rs;
        if (!OpenRecordset(rs, connection, sql))
            return false;
        if (!rs.isEOF()) {
            idText = QString::number(rs.field(0).toInt64());
            return true;
        }
    }

    int newId = 1;
    sql = QStringLiteral("SELECT COUNT(*) FROM %1").arg(table);
    {
        Recordset rs;
        if (!OpenRecordset(rs, connection, sql))
            return false;
        if (rs.field(0).toInt() != 0) {
            sql = QStringLiteral("SELECT MAX(%1) FROM %2").arg(idColumn, table);
            Recordset max;
            if (!OpenRecordset(max, connection, sql))
                return false;
            const qint64 highest = max.int64Field(0);
            if (highest >= std::numeric_limits<int>::max()) {
                ShowDbError(
                    sql, {1, QCoreApplication::translate(
                                 "Catalogue", "No new number is free: the highest one is already in use.")});
                return false;
            }
            newId = int(highest + 1);
        }
    }

    sql = QStringLiteral("INSERT INTO %1 (%2, Name) VALUES (%3, %4)").arg(table, idColumn).arg(newId).arg(literal);
    if (!connection.execute(sql, nullptr, &error)) {
        ShowDbError(sql, error);
        return false;
    }
    idText = QString::number(newId);
    return true;
}
