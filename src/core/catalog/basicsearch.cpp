#include "basicsearch.h"

#include "app/messenger.h"
#include "catalogueupgrade.h"
#include "connection.h"
#include "recordset.h"
#include "seriesschema.h"
#include "sqlvalue.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVector>
#include <algorithm>

namespace {

QString containsPattern(const QString &text)
{
    // Deliberately not escaped: the user's own % and _ stay wildcards.
    return FormatSqlValue(QLatin1Char('%') + text + QLatin1Char('%'), SqlText);
}

QString keywordCondition(const QString &keyword, bool ignoreAccents, bool borrowers)
{
    const QString pattern = containsPattern(keyword);
    // One call per row tries every column: seven calls cost more than the
    // matching itself.
    QString sql = QStringLiteral("%1(%2, Title, Author, ISBN, Description, Notes, UserText1, UserText2)")
                      .arg(ignoreAccents ? QStringLiteral("unaccented_like_any") : QStringLiteral("like_any"),
                           pattern);
    if (borrowers)
        sql += QStringLiteral(" OR BookID IN (SELECT loan.BookID FROM loan JOIN borrower ON "
                              "borrower.BorrowerID = loan.BorrowerID WHERE %1(%2, borrower.Name))")
                   .arg(ignoreAccents ? QStringLiteral("unaccented_like") : QStringLiteral("like"), pattern);
    return sql;
}

// Days are stored as ISO text, whole ("2025-03-01") or in part ("2025"), so
// text order is time order. A reading with one day known lies on that day; one
// with both touches the year when it started before its end and finished
// after its start. A day of a year alone is stored as a number (the columns
// take numbers), so both sides are compared as text.
QString readInYearCondition(int year)
{
    const QString first = QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
    return QStringLiteral("BookID IN (SELECT BookID FROM reading WHERE "
                          "COALESCE(NULLIF(CAST(Started AS TEXT), ''), CAST(Finished AS TEXT)) <= '%1-12-31' AND "
                          "COALESCE(NULLIF(CAST(Finished AS TEXT), ''), CAST(Started AS TEXT)) >= '%1')")
        .arg(first);
}

} // namespace

QString BasicSearchSql(const QString &keyword, bool ignoreAccents, bool borrowers)
{
    return QStringLiteral("SELECT BookID FROM book WHERE ") + keywordCondition(keyword, ignoreAccents, borrowers);
}

QString BasicSearchSql(const BasicSearchCriteria &criteria, bool borrowers, bool series)
{
    const QString like = criteria.ignoreAccents ? QStringLiteral("unaccented_like") : QStringLiteral("like");
    QStringList conditions;
    if (!criteria.keyword.isEmpty())
        conditions << keywordCondition(criteria.keyword, criteria.ignoreAccents, borrowers);
    if (!criteria.series.trimmed().isEmpty())
        conditions << (series ? QStringLiteral("SeriesID IN (SELECT SeriesID FROM bookseries WHERE %1(%2, Name))")
                                    .arg(like, containsPattern(criteria.series.trimmed()))
                              : QStringLiteral("0"));
    if (criteria.readInYear > 0)
        conditions << (series ? readInYearCondition(criteria.readInYear) : QStringLiteral("0"));
    if (conditions.isEmpty())
        return QStringLiteral("SELECT BookID FROM book WHERE 0");
    if (conditions.size() > 1)
        for (QString &condition : conditions)
            condition = QLatin1Char('(') + condition + QLatin1Char(')');
    return QStringLiteral("SELECT BookID FROM book WHERE ") + conditions.join(QStringLiteral(" AND "));
}

int ParseSearchYear(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 4)
        return 0;
    int year = 0;
    for (const QChar c : trimmed) {
        const int digit = c.digitValue();
        if (digit < 0)
            return 0;
        year = year * 10 + digit;
    }
    return year;
}

std::optional<int> RunBasicSearch(Connection &connection, const QString &keyword, bool clearFirst,
                                  bool ignoreAccents)
{
    return RunBasicSearch(connection, BasicSearchCriteria{keyword, QString(), 0, ignoreAccents}, clearFirst);
}

std::optional<int> RunBasicSearch(Connection &connection, const BasicSearchCriteria &criteria, bool clearFirst)
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

    // The books found are read first and stored afterwards, a few hundred
    // per statement: one statement per book costs more than the search. The
    // books read before an error while reading are stored all the same.
    // A read-only catalogue of an older version has no borrowers, series or
    // readings to search.
    const QString sql = BasicSearchSql(criteria, HasLoanTables(connection),
                                       CatalogueHasTable(connection, QStringLiteral("reading")));
    QVector<BookId> foundIds;
    Recordset rs;
    bool readOk = ok;
    if (ok) {
        failedSql = sql;
        readOk = rs.open(connection, sql, &error);
    }
    while (readOk && !rs.isEOF()) {
        foundIds.append(rs.int64Field(0));
        readOk = rs.moveNext(&error) || !error.isSet();
    }
    rs.close();

    // A membership that exists already is refused by the key and the book
    // still counts as found; any other failure means the results were not
    // stored, and a count of books nobody can see would be a lie.
    constexpr int kRowsPerInsert = 500;
    for (qsizetype first = 0; ok && first < foundIds.size(); first += kRowsPerInsert) {
        QString insert = QStringLiteral("INSERT OR IGNORE INTO book_category(BookID,CatID) VALUES ");
        const qsizetype last = std::min(foundIds.size(), first + kRowsPerInsert);
        for (qsizetype i = first; i < last; ++i) {
            if (i > first)
                insert += QLatin1Char(',');
            insert += QStringLiteral("(%1,%2)").arg(foundIds[i]).arg(kSearchResultsCategory);
        }
        DbError insertError;
        if (!connection.execute(insert, nullptr, &insertError)) {
            // The first failure is the one shown.
            if (readOk) {
                failedSql = insert;
                error = insertError;
            }
            ok = false;
        }
    }
    ok = ok && readOk;
    const int found = int(foundIds.size());

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
    return BasicSearch(connection, BasicSearchCriteria{keyword, QString(), 0, ignoreAccents}, clearFirst,
                       currentCategory);
}

BasicSearchOutcome BasicSearch(Connection &connection, const BasicSearchCriteria &criteria, bool clearFirst,
                               CategoryId currentCategory)
{
    const BasicSearchOutcome outcome =
        BasicSearchFollowUp(RunBasicSearch(connection, criteria, clearFirst), currentCategory);
    if (outcome == BasicSearchOutcome::NoResults || outcome == BasicSearchOutcome::NoResultsReloadList)
        messenger().showMessage(NoSearchResultsText(), IMessenger::Icon::Information);
    return outcome;
}
