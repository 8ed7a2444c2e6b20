#include "typednumber.h"

#include <QRegularExpression>
#include <limits>

namespace {

bool isGroupSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F) || c == QChar(0x2009) ||
           c == QLatin1Char('\'') || c == QChar(0x2019);
}

// Takes a currency mark off one end: a symbol ("€", "$", "US$", "R$", "kr")
// or a three-letter code ("EUR"), with the blanks beside it.
QString stripCurrency(QString t, const QLocale &locale)
{
    static const QRegularExpression leading(
        QStringLiteral("^(?:[A-Za-z]{0,3}\\p{Sc}|[A-Z]{3}(?![A-Za-z]))\\s*"));
    static const QRegularExpression trailing(
        QStringLiteral("\\s*(?:[A-Za-z]{0,3}\\p{Sc}|(?<![A-Za-z])[A-Z]{3})$"));
    const QString own = locale.currencySymbol(QLocale::CurrencySymbol);
    if (!own.isEmpty()) {
        if (t.startsWith(own))
            return t.mid(own.size()).trimmed();
        if (t.endsWith(own))
            return t.left(t.size() - own.size()).trimmed();
    }
    QRegularExpressionMatch m = leading.match(t);
    if (m.hasMatch())
        return t.mid(m.capturedLength()).trimmed();
    m = trailing.match(t);
    if (m.hasMatch())
        return t.left(m.capturedStart()).trimmed();
    return t;
}

// Digits of an integer part written with one kind of grouping: "1.234.567",
// "1 234", "12". Empty when the groups are not of three.
QString ungroup(const QString &part, QChar group)
{
    if (group.isNull())
        return part;
    const QStringList groups = part.split(group);
    for (int i = 0; i < groups.size(); ++i) {
        const qsizetype n = groups.at(i).size();
        if (n == 0 || n > 3 || (i > 0 && n != 3))
            return {};
    }
    return groups.join(QString());
}

} // namespace

std::optional<QString> ParsePriceText(const QString &text, const QLocale &locale)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return QString();
    t = stripCurrency(t, locale);

    // Digits of any script become ASCII; what is left may only be
    // separators.
    QString s;
    for (const QChar c : std::as_const(t)) {
        if (c.isDigit())
            s += QChar(u'0' + c.digitValue());
        else if (c == QLatin1Char('.') || c == QLatin1Char(',') || c == QChar(0x066B) || c == QChar(0x066C) ||
                 isGroupSpace(c))
            s += c == QChar(0x066B) ? QLatin1Char('.') : c == QChar(0x066C) ? QLatin1Char(',') : c;
        else
            return std::nullopt;
    }
    if (s.isEmpty() || !s.at(0).isDigit())
        return std::nullopt;

    // The decimal separator: the last of "." and "," when both appear; a
    // single one is decimal unless it is the locale's grouping mark followed
    // by exactly three digits ("1.234" in German, "1,234" in English).
    const qsizetype lastPoint = s.lastIndexOf(QLatin1Char('.'));
    const qsizetype lastComma = s.lastIndexOf(QLatin1Char(','));
    qsizetype decimalAt = -1;
    if (lastPoint >= 0 && lastComma >= 0) {
        decimalAt = qMax(lastPoint, lastComma);
    } else if (lastPoint >= 0 || lastComma >= 0) {
        const qsizetype at = qMax(lastPoint, lastComma);
        const QChar mark = s.at(at);
        const bool single = s.count(mark) == 1;
        const bool threeAfter = s.size() - at - 1 == 3;
        const bool localeGroups =
            locale.groupSeparator() == QString(mark) && locale.decimalPoint() != QString(mark);
        if (single && !(threeAfter && localeGroups))
            decimalAt = at;
    }

    QString integer = decimalAt >= 0 ? s.left(decimalAt) : s;
    const QString fraction = decimalAt >= 0 ? s.mid(decimalAt + 1) : QString();
    for (const QChar c : fraction) {
        if (!c.isDigit())
            return std::nullopt;
    }

    // The integer part holds at most one kind of grouping mark.
    QChar group;
    for (const QChar c : std::as_const(integer)) {
        if (c.isDigit())
            continue;
        if (!group.isNull() && !(isGroupSpace(group) && isGroupSpace(c)) && c != group)
            return std::nullopt;
        group = c;
    }
    if (isGroupSpace(group)) {
        for (QChar &c : integer) {
            if (isGroupSpace(c))
                c = QLatin1Char(' ');
        }
        group = QLatin1Char(' ');
    }
    const QString digits = ungroup(integer, group);
    if (digits.isEmpty())
        return std::nullopt;
    return fraction.isEmpty() ? digits : digits + QLatin1Char('.') + fraction;
}

std::optional<QString> ParseCountText(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return QString();
    qint64 value = 0;
    for (const QChar c : t) {
        if (!c.isDigit())
            return std::nullopt;
        value = value * 10 + c.digitValue();
        if (value > std::numeric_limits<int>::max())
            return std::nullopt;
    }
    return QString::number(value);
}
