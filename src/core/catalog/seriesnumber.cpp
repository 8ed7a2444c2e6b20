#include "seriesnumber.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

std::optional<double> digitsValue(const QString &text)
{
    int i = 0;
    while (i < text.size() && text.at(i).digitValue() < 0)
        ++i;
    if (i == text.size())
        return std::nullopt;
    double value = 0;
    for (; i < text.size() && text.at(i).digitValue() >= 0; ++i)
        value = value * 10 + text.at(i).digitValue();
    // "3.5" and "3,5": a fraction only when a digit follows the mark.
    if (i + 1 < text.size() && (text.at(i) == QLatin1Char('.') || text.at(i) == QLatin1Char(',')) &&
        text.at(i + 1).digitValue() >= 0) {
        double scale = 0.1;
        for (++i; i < text.size() && text.at(i).digitValue() >= 0; ++i, scale /= 10)
            value += text.at(i).digitValue() * scale;
    }
    return value;
}

int romanDigit(QChar c)
{
    switch (c.toUpper().unicode()) {
    case 'I': return 1;
    case 'V': return 5;
    case 'X': return 10;
    case 'L': return 50;
    case 'C': return 100;
    case 'D': return 500;
    case 'M': return 1000;
    default: return 0;
    }
}

// A Roman numeral in canonical form ("IV", not "IIII"), so that words made
// of the same letters ("Mix", "Did") are not read as numbers.
std::optional<double> romanValue(const QString &word)
{
    static const QRegularExpression canonical(
        QStringLiteral("^M{0,3}(CM|CD|D?C{0,3})(XC|XL|L?X{0,3})(IX|IV|V?I{0,3})$"),
        QRegularExpression::CaseInsensitiveOption);
    if (word.isEmpty() || !canonical.match(word).hasMatch())
        return std::nullopt;
    // Mixed case ("Mix") is a word; "iii" and "III" are numerals.
    if (word != word.toUpper() && word != word.toLower())
        return std::nullopt;
    int total = 0;
    for (int i = 0; i < word.size(); ++i) {
        const int v = romanDigit(word.at(i));
        const int next = i + 1 < word.size() ? romanDigit(word.at(i + 1)) : 0;
        total += v < next ? -v : v;
    }
    return total;
}

} // namespace

std::optional<double> SeriesNumberValue(const QString &number)
{
    if (const auto digits = digitsValue(number))
        return digits;
    static const QRegularExpression separators(QStringLiteral("[\\s#.,:;()\\-]+"));
    for (const QString &word : number.split(separators, Qt::SkipEmptyParts)) {
        if (const auto roman = romanValue(word))
            return roman;
    }
    return std::nullopt;
}

int CompareSeriesNumbers(const QString &a, const QString &b)
{
    const auto va = SeriesNumberValue(a);
    const auto vb = SeriesNumberValue(b);
    if (va && vb && *va != *vb)
        return *va < *vb ? -1 : 1;
    if (va.has_value() != vb.has_value())
        return va ? -1 : 1;
    return a.compare(b, Qt::CaseInsensitive);
}
