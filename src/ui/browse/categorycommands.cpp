#include "categorycommands.h"

#include "app/strings.h"
#include "catalog/connection.h"
#include "catalog/recordset.h"
#include "catalog/sqlvalue.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <algorithm>
#include <limits>

namespace {

bool isSpecialRow(CategoryId catId)
{
    return catId == 2 || catId == 3 || catId == 4;
}

struct Row
{
    CategoryId catId = 0;
    QString name;
};

// Builds the visible nodes of rows and their children from the rows grouped
// by parent. Only rows reached from the top level are visited, so a parent
// chain that loops without reaching the top can never recurse for ever.
void buildChildren(const QHash<CategoryId, QVector<Row>> &byParent, QVector<Row> rows,
                   QVector<CCategoryCommands::Node> &out)
{
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row &a, const Row &b) { return CCategoryCommands::NameLess(a.name, b.name); });
    out.reserve(rows.size());
    for (const Row &row : rows) {
        if (isSpecialRow(row.catId))
            continue;
        CCategoryCommands::Node node;
        node.catId = row.catId;
        node.name = row.name;
        buildChildren(byParent, byParent.value(row.catId), node.children);
        out << std::move(node);
    }
}

} // namespace

bool CCategoryCommands::NameLess(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

bool CCategoryCommands::LoadTree(Connection &connection, QVector<Node> &topLevel)
{
    topLevel.clear();
    // One query for the whole table: a query per level is far too slow for
    // catalogues with thousands of categories.
    Recordset rs;
    if (!rs.open(connection, QStringLiteral("SELECT CatID, Name, ParentID FROM category")))
        return false;
    // Top-level rows apart: every 64-bit value is a possible ParentID.
    QVector<Row> topRows;
    QHash<CategoryId, QVector<Row>> byParent;
    const int catIdField = rs.fieldIndex(QStringLiteral("CatID"));
    const int nameField = rs.fieldIndex(QStringLiteral("Name"));
    const int parentField = rs.fieldIndex(QStringLiteral("ParentID"));
    while (!rs.isEOF()) {
        const FieldValue parent = rs.field(parentField);
        const Row row{rs.field(catIdField).toInt64(), FieldToText(rs.field(nameField))};
        if (parent.isNull())
            topRows << row;
        else
            byParent[parent.toInt64()] << row;
        if (!rs.moveNext())
            return false;
    }
    buildChildren(byParent, topRows, topLevel);
    return true;
}

std::optional<CategoryId> CCategoryCommands::NewCategoryId(Connection &connection)
{
    const QString sql = QStringLiteral("SELECT MAX(CatID) from category");
    Recordset rs;
    if (!OpenRecordset(rs, connection, sql))
        return std::nullopt;
    const CategoryId highest = rs.int64Field(0);
    if (highest >= std::numeric_limits<CategoryId>::max()) {
        ShowDbError(sql, {1, QCoreApplication::translate(
                                 "Catalogue", "No new number is free: the highest one is already in use.")});
        return std::nullopt;
    }
    return highest < 31 ? 32 : highest + 1;
}

bool CCategoryCommands::InsertCategory(Connection &connection, CategoryId catId, const QString &name, CategoryId parentId,
                                       const QString &notes)
{
    const QString sql =
        QStringLiteral("INSERT INTO category (CatID, Name, ParentID, Notes) VALUES (%1, %2, %3, %4)")
            .arg(QString::number(catId), FormatSqlValue(name, SqlText), QString::number(parentId),
                 FormatSqlValue(notes, SqlText));
    return ExecuteSql(sql, true, connection);
}

QString CCategoryCommands::FormatOperationDate(const QDateTime &when)
{
    if (!when.isValid())
        return QCoreApplication::translate("COrdoTreeView", "Invalid DateTime");
    const QLocale locale = QLocale::system();
    QString text = locale.toString(when.date(), QLocale::ShortFormat);
    // A date without a time of day shows the date alone.
    if (when.time() != QTime(0, 0)) {
        QString timeFormat = locale.timeFormat(QLocale::LongFormat);
        timeFormat.remove(QLatin1Char('t')); // no time zone: the stored time has none
        text += QLatin1Char(' ') + locale.toString(when.time(), timeFormat.trimmed());
    }
    return text;
}

bool CCategoryCommands::ReadDetails(Connection &connection, CategoryId catId, Details &details)
{
    details = Details();
    QDateTime when;
    {
        Recordset rs;
        if (!OpenRecordset(rs, connection, QStringLiteral("SELECT * FROM category WHERE CatID=%1").arg(catId)))
            return false;
        if (!rs.isEOF()) {
            details.name = FieldToText(rs.field(QStringLiteral("Name")));
            details.notes = FieldToText(rs.field(QStringLiteral("Notes")));
            const FieldValue date = rs.field(QStringLiteral("OperationDate"));
            if (date.kind == FieldValue::Kind::Date)
                when = date.toDateTime();
        }
    }
    details.lastUpdated = FormatOperationDate(when);

    int counts[2] = {0, 0};
    const QString countSql[2] = {
        QStringLiteral("SELECT COUNT(*) FROM book_category WHERE CatID=%1").arg(catId),
        QStringLiteral("SELECT COUNT(*) FROM category WHERE ParentID=%1").arg(catId)};
    for (int i = 0; i < 2; ++i) {
        Recordset rs;
        if (!OpenRecordset(rs, connection, countSql[i]))
            return false;
        counts[i] = rs.isEOF() ? 0 : rs.field(0).toInt();
    }
    details.summary =
        LoadCountStr(IDS_CATEGORY_SUMMARY, counts[0]).arg(LoadCountStr(IDS_SUB_CATEGORY_COUNT, counts[1]));
    return true;
}

bool CCategoryCommands::UpdateCategory(Connection &connection, CategoryId catId, const QString &name,
                                       const QString &notes)
{
    // One arg() call: a name holding "%1" must not be substituted again.
    const QString sql =
        QStringLiteral("UPDATE category SET Name=%1,Notes=%2 WHERE CatID=%3")
            .arg(FormatSqlValue(name, SqlText), FormatSqlValue(notes, SqlText), QString::number(catId));
    return ExecuteSql(sql, true, connection);
}

bool CCategoryCommands::DeleteCategory(Connection &connection, CategoryId catId)
{
    return ExecuteSql(QStringLiteral("DELETE FROM category WHERE CatID=%1").arg(catId), true, connection);
}

bool CCategoryCommands::MoveCategory(Connection &connection, CategoryId catId, CategoryId newParentId)
{
    return ExecuteSql(
        QStringLiteral("UPDATE category SET ParentID=%1 WHERE CatID=%2").arg(newParentId).arg(catId), true,
        connection);
}
