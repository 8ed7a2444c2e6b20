#pragma once

#include "bookid.h"

#include <QString>
#include <optional>

class Connection;

// The special category that Basic Search fills.
constexpr int kSearchResultsCategory = 3;

// What Basic Search looks for. Every criterion given must hold; an empty
// keyword or series and a year of 0 are not criteria.
struct BasicSearchCriteria
{
    // Found in Title, Author, ISBN, Description, Notes, UserText1, UserText2
    // or a borrower's name; used as typed, blanks included.
    QString keyword;
    // Part of the series name, by the keyword's rules.
    QString series;
    // A reading started, went on or finished in that year.
    int readInYear = 0;
    bool ignoreAccents = false;

    bool isEmpty() const { return keyword.isEmpty() && series.trimmed().isEmpty() && readInYear == 0; }
};

// Puts every book whose Title, Author, ISBN, Description, Notes, UserText1 or
// UserText2 contains keyword (LIKE rules: case-insensitive in every script,
// % and _ are wildcards) into Search Results, emptying that category first
// when clearFirst is set. The keyword is used as typed, blanks included.
// With ignoreAccents, "etranger" also finds "L'Étranger".
//
// Returns the number of rows the search found; books that were already in
// Search Results are counted again. nullopt after a database error, which has
// been shown (the SQL text, a line break, the engine's message); the
// memberships added before the error are kept.
[[nodiscard]] std::optional<int> RunBasicSearch(Connection &connection, const QString &keyword,
                                                bool clearFirst, bool ignoreAccents = false);
[[nodiscard]] std::optional<int> RunBasicSearch(Connection &connection, const BasicSearchCriteria &criteria,
                                                bool clearFirst);

// The SELECT that RunBasicSearch runs for keyword. With borrowers, books whose
// borrower (now or before) has the keyword in their name are found too.
QString BasicSearchSql(const QString &keyword, bool ignoreAccents = false, bool borrowers = true);
// The same for all criteria. Without series (a read-only older catalogue
// lacks the series list and the reading log), a series or year finds nothing.
QString BasicSearchSql(const BasicSearchCriteria &criteria, bool borrowers = true, bool series = true);

// The year typed in any digits ("2025", "２０２５", "٢٠٢٥"), blanks around it
// allowed; 0 when the text is not a year from 1 to 9999.
int ParseSearchYear(const QString &text);

// What the main window does after a search.
enum class BasicSearchOutcome {
    Failed,              // error shown already; leave everything as it is
    NoResults,           // show NoSearchResultsText(); leave the display as it is
    NoResultsReloadList, // the same, but Search Results is shown: reload the list
    ReloadList,          // Search Results is the current category: reload the list
    SelectSearchResults, // select Search Results in the tree (reloads the list)
};

BasicSearchOutcome BasicSearchFollowUp(const std::optional<int> &found, CategoryId currentCategory);

// "No search results found."
QString NoSearchResultsText();

// The whole command after the dialog: runs the search, shows "No search
// results found." when nothing was found, and says what the window must do.
[[nodiscard]] BasicSearchOutcome BasicSearch(Connection &connection, const QString &keyword, bool clearFirst,
                                             CategoryId currentCategory, bool ignoreAccents = false);
[[nodiscard]] BasicSearchOutcome BasicSearch(Connection &connection, const BasicSearchCriteria &criteria,
                                             bool clearFirst, CategoryId currentCategory);
