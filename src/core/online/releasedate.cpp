#include "releasedate.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>

namespace {

// 1-12 for an English month name or abbreviation ("Sept" too), else 0.
int monthNumber(const QString &name)
{
    static const char *const kMonths[] = {"january", "february", "march",     "april",   "may",      "june",
                                          "july",    "august",   "september", "october", "november", "december"};
    const QString lower = name.toLower();
    if (lower.size() < 3)
        return 0;
    for (int i = 0; i < 12; ++i) {
        const QLatin1String full(kMonths[i]);
        if (lower == full || (full.startsWith(lower) && lower.size() >= 3))
            return i + 1;
    }
    return 0;
}

QString format(int year, int month, int day)
{
    if (year < 1000 || year > 9999)
        return {};
    const QDate date(year, month, day);
    if (!date.isValid())
        return {};
    return QLocale::c().toString(date, QStringLiteral("MMM dd, yyyy"));
}

} // namespace

QString NormalizeReleaseDate(const QString &text)
{
    QString s = text.simplified();
    // Copyright and uncertainty marks around a year: "c2003", "c. 2003",
    // "©2003", "[2003]", "2003?".
    static const QRegularExpression kPrefix(QStringLiteral("^(?:c\\.?|ca\\.?|\\x{00A9}|copyright)\\s*(?=\\d)"),
                                            QRegularExpression::CaseInsensitiveOption);
    s.remove(kPrefix);
    s.remove(QLatin1Char('['));
    s.remove(QLatin1Char(']'));
    while (s.endsWith(QLatin1Char('?')) || s.endsWith(QLatin1Char('.')))
        s.chop(1);
    s = s.trimmed();
    if (s.isEmpty())
        return {};

    static const QRegularExpression kIso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})(?:[T ].*)?$"));
    static const QRegularExpression kSlashes(QStringLiteral("^(\\d{4})/(\\d{1,2})/(\\d{1,2})$"));
    static const QRegularExpression kYearMonth(QStringLiteral("^(\\d{4})-(\\d{1,2})$"));
    static const QRegularExpression kYear(QStringLiteral("^(\\d{4})$"));
    static const QRegularExpression kMonthDayYear(
        QStringLiteral("^([A-Za-z]+)\\.?\\s+(\\d{1,2})(?:st|nd|rd|th)?,?\\s+(\\d{4})$"));
    static const QRegularExpression kDayMonthYear(
        QStringLiteral("^(\\d{1,2})(?:st|nd|rd|th)?\\.?\\s+([A-Za-z]+)\\.?,?\\s+(\\d{4})$"));
    static const QRegularExpression kMonthYear(QStringLiteral("^([A-Za-z]+)\\.?,?\\s+(\\d{4})$"));

    QRegularExpressionMatch m;
    if ((m = kIso.match(s)).hasMatch() || (m = kSlashes.match(s)).hasMatch())
        return format(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if ((m = kYearMonth.match(s)).hasMatch())
        return format(m.captured(1).toInt(), m.captured(2).toInt(), 1);
    if ((m = kYear.match(s)).hasMatch())
        return format(m.captured(1).toInt(), 1, 1);
    if ((m = kMonthDayYear.match(s)).hasMatch()) {
        const int month = monthNumber(m.captured(1));
        return month ? format(m.captured(3).toInt(), month, m.captured(2).toInt()) : QString();
    }
    if ((m = kDayMonthYear.match(s)).hasMatch()) {
        const int month = monthNumber(m.captured(2));
        return month ? format(m.captured(3).toInt(), month, m.captured(1).toInt()) : QString();
    }
    if ((m = kMonthYear.match(s)).hasMatch()) {
        const int month = monthNumber(m.captured(1));
        return month ? format(m.captured(2).toInt(), month, 1) : QString();
    }
    return {};
}
