#include "booklistsort.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <algorithm>
#include <numeric>
#include <vector>

QVector<int> BookListSortOrder(const QVector<BookListRow> &rows, int column, bool ascending,
                               const QLocale &locale)
{
    QVector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    if (column < 0 || column > 4)
        return order;

    // The C locale collates by code units ("Zazie" before "apprendre"); with
    // no language set the letters still go in alphabetical order.
    QCollator collator(locale.language() == QLocale::C ? QLocale(QLocale::English) : locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    collator.setIgnorePunctuation(false);

    // Rows usually come in nearly this order already (the list's query sorts
    // titles by code units): one pass over neighbours, which stops at the
    // first difference of each pair, spares building a key per row.
    bool ordered = true;
    for (qsizetype i = 1; i < rows.size() && ordered; ++i) {
        const int c = collator.compare(rows[i - 1].text(column), rows[i].text(column));
        ordered = ascending ? c <= 0 : c >= 0;
    }
    if (ordered)
        return order;

    // One key per row: comparing keys is a byte comparison, where comparing
    // the texts would run the whole collation again for every pair.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(rows.size()));
    for (const BookListRow &row : rows)
        keys.push_back(collator.sortKey(row.text(column)));

    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return ascending ? keys[size_t(a)].compare(keys[size_t(b)]) < 0
                         : keys[size_t(b)].compare(keys[size_t(a)]) < 0;
    });
    return order;
}

void SortBookListRows(QVector<BookListRow> &rows, int column, bool ascending, const QLocale &locale)
{
    const QVector<int> order = BookListSortOrder(rows, column, ascending, locale);
    QVector<BookListRow> sorted;
    sorted.reserve(rows.size());
    for (int old : order)
        sorted.append(std::move(rows[old]));
    rows = std::move(sorted);
}
