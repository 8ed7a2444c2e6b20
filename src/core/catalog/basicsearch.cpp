#include "basicsearch.h"

#include "app/messenger.h"
#include "catalogueupgrade.h"
#include "connection.h"
#include "recordset.h"
#include "sqlvalue.h"

#include <QCoreApplication>
#include <sqlite3.h>

QString BasicSearchSql(const QString &keyword, bool ignoreAccents, bool borrowers)
{
    // The keyword is deliberately not escaped: its own % and _ stay wildcards.
    const QString pattern = FormatSqlValue(QLatin1Char('%') + keyword + QLatin1Char('%'), SqlText);
    QString sql;
    if (ignoreAccents)
        sql = QStringLiteral("SELECT BookID FROM book WHERE unaccented_like(%1, Title) OR "
                             "unaccented_like(%1, Author) OR unaccented_like(%1, ISBN) OR "
                             "unaccented_like(%1, Description) OR unaccented_like(%1, Notes) OR "
                             "unaccented_like(%1, UserText1) OR unaccented_like(%1, UserText2)");
    else
        sql = QStringLiteral(
            "SELECT BookID FROM book WHERE Title LIKE %1 OR Author LIKE %1 OR ISBN LIKE %1 "
            "OR Description LIKE %1 OR Notes LIKE %1 OR UserText1 LIKE %1 OR UserText2 LIKE %1");
    if (borrowers)
        sql += ignoreAccents
                   ? QStringLiteral(" OR BookID IN (SELECT loan.BookID FROM loan JOIN borrower ON "
                                    "borrower.BorrowerID = loan.BorrowerID WHERE "
                                    "unaccented_like(%1, borrower.Name))")
                   : QStringLiteral(" OR BookID IN (SELECT loan.BookID FROM loan JOIN borrower ON "
                                    "borrower.BorrowerID = loan.BorrowerID WHERE borrower.Name LIKE %1)");
    return sql.arg(pattern);
}

std::optional<int> RunBasicSearch(Connection &connection, const QString &keyword, bool clearFirst,
                                  bool ignoreAccents)
{
    // One transaction for the clearing and all memberships: thousands of
    // single-row inserts would otherwise each wait for their own disk sync.
    // It is committed on failure too, so whatever was done before an error stays.
    Transaction transaction(connection);
    if (!transaction.isActive()) {
        // A catalogue that cannot be written cannot hold search results.
        ShowDbError(QStringLiteral("BEGIN IMMEDIATE"), connection.lastError());
        return std::nullopt;
    }

    QString failedSql;
    DbError error;
    bool ok = true;
    if (clearFirst) {
        failedSql = QStringLiteral("DELETE FROM book_category WHERE CatID=%1").arg(kSearchResultsCategory);
        ok = bool(connection.execute(failedSql, nullptr, &error));
    }

    // A read-only catalogue of an older version has no borrowers to search.
    const QString sql = BasicSearchSql(keyword, ignoreAccents, HasLoanTables(connection));
    Recordset rs;
    int found = 0;
    if (ok) {
        failedSql = sql;
        ok = rs.open(connection, sql, &error);
    }
    while (ok && !rs.isEOF()) {
        const BookId bookId = rs.field(0).toInt64();
        // A membership that exists already is refused by the key; the book
        // still counts as found. Any other refusal means the result was not
        // stored, and a count of books nobody can see would be a lie.
        const QString insert = QStringLiteral("INSERT INTO book_category(BookID,CatID) VALUES(%1,%2)")
                                   .arg(bookId)
                                   .arg(kSearchResultsCategory);
        DbError insertError;
        if (!connection.execute(insert, nullptr, &insertError) &&
            (insertError.code & 0xff) != SQLITE_CONSTRAINT) {
            failedSql = insert;
            error = insertError;
            ok = false;
            break;
        }
        ++found;
        failedSql = sql;
        ok = rs.moveNext(&error) || !error.isSet();
    }
    rs.close();

    DbError commitError;
    const bool committed = transaction.commit(&commitError);
    if (!ok) {
        ShowDbError(failedSql, error);
        return std::nullopt;
    }
    if (!committed) {
        ShowDbError(QStringLiteral("COMMIT"), commitError);
        return std::nullopt;
    }
    return found;
}

BasicSearchOutcome BasicSearchFollowUp(const std::optional<int> &found, CategoryId currentCategory)
{
    if (!found)
        return BasicSearchOutcome::Failed;
    if (*found == 0)
        // Search Results on screen may just have been emptied: the list must
        // not keep showing the old rows.
        return currentCategory == kSearchResultsCategory ? BasicSearchOutcome::NoResultsReloadList
                                                         : BasicSearchOutcome::NoResults;
    return currentCategory == kSearchResultsCategory ? BasicSearchOutcome::ReloadList
                                                     : BasicSearchOutcome::SelectSearchResults;
}

QString NoSearchResultsText()
{
    return QCoreApplication::translate("BasicSearch", "No search results found.");
}

BasicSearchOutcome BasicSearch(Connection &connection, const QString &keyword, bool clearFirst,
                               CategoryId currentCategory, bool ignoreAccents)
{
    const BasicSearchOutcome outcome =
        BasicSearchFollowUp(RunBasicSearch(connection, keyword, clearFirst, ignoreAccents), currentCategory);
    if (outcome == BasicSearchOutcome::NoResults || outcome == BasicSearchOutcome::NoResultsReloadList)
        messenger().showMessage(NoSearchResultsText(), IMessenger::Icon::Information);
    return outcome;
}
