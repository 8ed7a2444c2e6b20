#pragma once

#include "booklistrows.h"

#include <QLocale>
#include <QVector>

// The order people expect in the book list: the user's locale collation,
// case ignored, digits compared as numbers ("Book 2" before "Book 10",
// "À la recherche" among the A's). Rows that compare equal keep their order.
// Returns the old row index of each new row.
QVector<int> BookListSortOrder(const BookListRows &rows, int column, bool ascending,
                               const QLocale &locale = QLocale());

// Rearranges rows by BookListSortOrder.
void SortBookListRows(BookListRows &rows, int column, bool ascending,
                      const QLocale &locale = QLocale());
