#include "booklistsort.h"

#include "seriesnumber.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <algorithm>
#include <numeric>
#include <vector>

QVector<int> BookListSortOrder(const BookListRows &rows, int column, bool ascending,
                               const QLocale &locale)
{
    QVector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    if (column < 0 || column >= BookListRows::ColumnCount)
        return order;

    // The C locale collates by code units ("Zazie" before "apprendre"); with
    // no language set the letters still go in alphabetical order.
    QCollator collator(locale.language() == QLocale::C ? QLocale(QLocale::English) : locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    collator.setIgnorePunctuation(false);

    // By series: the series' names in the language's order, then the numbers
    // by their value ("2" before "10", "III" before "IV"); books in no series
    // last either way round.
    if (column == BookListRows::SeriesColumn || column == BookListRows::SeriesNumberColumn) {
        std::vector<QCollatorSortKey> names;
        names.reserve(size_t(rows.size()));
        for (qsizetype row = 0; row < rows.size(); ++row)
            names.push_back(collator.sortKey(rows.text(row, BookListRows::SeriesColumn).toString()));
        const auto before = [&](int a, int b) {
            const bool noneA = rows.text(a, BookListRows::SeriesColumn).isEmpty();
            const bool noneB = rows.text(b, BookListRows::SeriesColumn).isEmpty();
            if (noneA != noneB)
                return noneB;
            int c = 0;
            if (column == BookListRows::SeriesColumn)
                c = names[size_t(a)].compare(names[size_t(b)]);
            if (c == 0)
                c = CompareSeriesNumbers(rows.text(a, BookListRows::SeriesNumberColumn).toString(),
                                         rows.text(b, BookListRows::SeriesNumberColumn).toString());
            return ascending ? c < 0 : c > 0;
        };
        std::stable_sort(order.begin(), order.end(), before);
        return order;
    }

    // Rows usually come in nearly this order already (the list's query sorts
    // titles by code units): one pass over neighbours, which stops at the
    // first difference of each pair, spares building a key per row.
    bool ordered = true;
    for (qsizetype i = 1; i < rows.size() && ordered; ++i) {
        const int c = collator.compare(rows.text(i - 1, column), rows.text(i, column));
        ordered = ascending ? c <= 0 : c >= 0;
    }
    if (ordered)
        return order;

    // One key per row: comparing keys is a byte comparison, where comparing
    // the texts would run the whole collation again for every pair.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(rows.size()));
    for (qsizetype row = 0; row < rows.size(); ++row)
        keys.push_back(collator.sortKey(rows.text(row, column).toString()));

    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return ascending ? keys[size_t(a)].compare(keys[size_t(b)]) < 0
                         : keys[size_t(b)].compare(keys[size_t(a)]) < 0;
    });
    return order;
}

void SortBookListRows(BookListRows &rows, int column, bool ascending, const QLocale &locale)
{
    rows.reorder(BookListSortOrder(rows, column, ascending, locale));
}
