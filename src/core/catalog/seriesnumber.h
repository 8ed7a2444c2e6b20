#pragma once

#include <QString>
#include <optional>

// The number of a book within its series is kept as printed ("3", "3.5",
// "III", "Book 2", "#12", "1-3"); for ordering, its value where one can be
// read: the first number written in digits of any script (a decimal point or
// comma allowed), else a Roman numeral standing as a word of its own.
std::optional<double> SeriesNumberValue(const QString &number);

// Orders two numbers of the same series: by value, those without a value
// after those with one, then by their text.
int CompareSeriesNumbers(const QString &a, const QString &b);
