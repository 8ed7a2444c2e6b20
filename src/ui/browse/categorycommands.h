#pragma once

#include "catalog/bookid.h"

#include <QDateTime>
#include <QString>
#include <QVector>
#include <optional>

class Connection;

// The catalogue side of the category tree: every statement its commands run,
// kept free of widgets so it can be tested on its own. Functions that change
// the catalogue show a failed statement (the SQL, a line break, the engine's
// message) and return false.
class CCategoryCommands
{
public:
    // One category as the tree shows it, with its visible sub categories
    // sorted by name without regard to case (rows of equal names keep the
    // order the catalogue returned them in).
    struct Node
    {
        CategoryId catId = 0;
        QString name;
        QVector<Node> children;
    };

    // What the Edit Category sheet shows about a category.
    struct Details
    {
        QString name;
        QString notes;
        QString lastUpdated; // OperationDate in the user's locale, or "Invalid DateTime"
        QString summary;     // "3 books, 1 sub category"
    };

    // The categories under the top level (ParentID NULL), recursively. Rows 2,
    // 3 and 4 (Favorites, Search Results, Reading List) are never categories
    // here, and nothing stored under them is loaded. A failing query leaves
    // topLevel empty and returns false without a message.
    static bool LoadTree(Connection &connection, QVector<Node> &topLevel);

    // MAX(CatID) + 1, but never below 32: the ids under it are the root, the
    // special categories and reserved values. Nothing on a database error.
    [[nodiscard]] static std::optional<CategoryId> NewCategoryId(Connection &connection);

    [[nodiscard]] static bool InsertCategory(Connection &connection, CategoryId catId, const QString &name,
                                             CategoryId parentId, const QString &notes);
    // Reads name, notes and date of catId and counts its direct books and
    // direct sub categories. A missing category gives empty texts.
    [[nodiscard]] static bool ReadDetails(Connection &connection, CategoryId catId, Details &details);
    [[nodiscard]] static bool UpdateCategory(Connection &connection, CategoryId catId, const QString &name,
                                             const QString &notes);
    // One DELETE; sub categories and memberships go with the row through the
    // catalogue's cascading rules.
    [[nodiscard]] static bool DeleteCategory(Connection &connection, CategoryId catId);
    [[nodiscard]] static bool MoveCategory(Connection &connection, CategoryId catId, CategoryId newParentId);

    // The order of category items among their siblings.
    static bool NameLess(const QString &a, const QString &b);
    // OperationDate as the Last Updated line shows it.
    static QString FormatOperationDate(const QDateTime &when);
};
