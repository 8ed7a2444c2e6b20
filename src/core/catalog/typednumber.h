#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// Numbers as people type them into the book sheet, turned into the plain
// form the catalogue's SQL values expect ("1234.50", "340").

// A price: the user's locale or the common forms ("9,40", "9.40", "€12,50",
// "12,50 €", "$9.40", "EUR 12.50", "1.234,50", "1,234.50", "1 234,50").
// Returns the amount with a point and no grouping ("1234.50"), the empty text
// for blank input, nullopt for text that is not a price (letters, several
// numbers, a minus sign, misplaced grouping).
std::optional<QString> ParsePriceText(const QString &text, const QLocale &locale = QLocale());

// A count (pages, current page): decimal digits only, at most 2147483647.
// Returns the number without leading zeros, the empty text for blank input,
// nullopt otherwise ("xii, 340", "340 p.", "-3").
std::optional<QString> ParseCountText(const QString &text);
