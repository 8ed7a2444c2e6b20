#pragma once

#include "bookid.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <atomic>

class Connection;

// Which books the statistics count.
struct StatsScope
{
    enum Kind { WholeCatalogue, Category, Selection };
    Kind kind = WholeCatalogue;
    // Category: this one and every category under it. All Books counts the
    // whole catalogue, the Recycle Bin the books in no category, On Loan and
    // Borrowed the books out now in that direction.
    CategoryId category = 1;
    QVector<BookId> books; // Selection
};

// One bar or slice: its label and how many books (or readings, loans) it
// counts. An empty label stands for "not given" (no language, no binding).
struct StatsCount
{
    QString label;
    qint64 count = 0;
    bool operator==(const StatsCount &o) const { return label == o.label && count == o.count; }
};
using StatsSeries = QVector<StatsCount>;

// The sum of one price column over the books that carry a price in one
// currency. Prices stored as plain numbers (what the book sheet writes)
// have an empty currency; amounts written with a sign or code ("€12,50",
// "USD 9.40", left by older catalogues or typed SQL) are summed per code.
struct PriceTotal
{
    QString currency;
    double amount = 0;
    qint64 books = 0;
};

struct CollectionStats
{
    bool ok = false;
    QString error; // why !ok (a failed query); empty when cancelled

    qint64 books = 0;
    qint64 authors = 0;    // distinct names, each name of a multi-author field counted
    qint64 publishers = 0; // distinct publisher names
    qint64 pages = 0;
    QVector<PriceTotal> purchaseValue; // by currency, the plain numbers first
    QVector<PriceTotal> listValue;

    // By count, largest first (equal counts by label), unless said otherwise.
    StatsSeries categories;   // books directly in each category
    StatsSeries topAuthors;   // at most kTopCount
    StatsSeries topPublishers; // at most kTopCount
    StatsSeries languages;
    StatsSeries bindings;
    StatsSeries decades;      // "1990" for 1990-1999, in time order
    StatsSeries addedPerYear; // Date Added "2024", in time order
    StatsSeries readPerMonth; // readings with a Finished day, "2024-03", in time order
    StatsSeries readPerYear;  // "2024", in time order
    StatsSeries loansPerBorrower; // loans to each borrower, past and current

    // The SQL run, in order (for comparing with other tools).
    QStringList statements;

    static constexpr int kTopCount = 20;
};

// The numbers come from two independent sets of queries: one pass over the
// book table (books, pages, prices, languages, bindings, decades) and the
// rest (authors, publishers, Date Added, categories, readings, loans), read
// from indexes and small tables. Two connections can count them at once.
enum class StatsPart { All, BookTable, Others };

// Counts the scope's books with SQL aggregates on connection, which should
// be one of the caller's thread only (Connection::openReader). Tables an
// older catalogue lacks (the reading log, the loans, Date Added) give empty
// series. cancel, when set during the run, stops it between queries (ok
// false, no error); Connection::interrupt stops a running query too.
CollectionStats ComputeCollectionStats(Connection &connection, const StatsScope &scope,
                                       const std::atomic_bool *cancel = nullptr, StatsPart part = StatsPart::All);

// The whole from a BookTable and an Others count of the same scope.
CollectionStats MergeCollectionStats(CollectionStats bookTable, CollectionStats others);

// The currency code of a price written with a sign or code ("€12,50" ->
// "EUR", "12.50 usd" -> "USD"), empty for a plain number.
QString PriceCurrency(const QString &price);
