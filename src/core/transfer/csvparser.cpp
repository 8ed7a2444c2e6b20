#include "csvparser.h"

#include <QCoreApplication>

namespace {

// Field counts of the first lines when split by delimiter.
QVector<int> fieldCounts(const QString &text, QChar delimiter, int maxLines)
{
    QVector<int> counts;
    int fields = 1;
    bool quoted = false;
    bool lineHasText = false;
    for (int i = 0; i < text.size() && counts.size() < maxLines; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            lineHasText = true;
        } else if (!quoted && c == delimiter) {
            ++fields;
            lineHasText = true;
        } else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r'))) {
            if (lineHasText)
                counts << fields;
            fields = 1;
            lineHasText = false;
        } else {
            lineHasText = true;
        }
    }
    if (lineHasText && counts.size() < maxLines)
        counts << fields;
    return counts;
}

} // namespace

QChar CCsvParser::DetectDelimiter(const QString &text)
{
    const QChar candidates[] = {QLatin1Char(','), QLatin1Char('\t'), QLatin1Char(';'), QLatin1Char('|')};
    QChar best = QLatin1Char(',');
    int bestScore = 0;
    for (const QChar d : candidates) {
        const QVector<int> counts = fieldCounts(text, d, 20);
        if (counts.isEmpty() || counts.first() < 2)
            continue;
        int same = 0;
        for (int n : counts)
            same += n == counts.first();
        // Rows that agree with the header count most; wider rows break ties.
        const int score = same * 1000 + counts.first();
        if (score > bestScore) {
            bestScore = score;
            best = d;
        }
    }
    return best;
}

bool CCsvParser::Parse(const QString &text, QChar delimiter, QVector<QStringList> &rows, QString &error,
                       QVector<int> *rowLines)
{
    QStringList row;
    int line = 1;
    int rowLine = 1;
    const QChar *const begin = text.constData();
    const QChar *p = begin;
    const QChar *const end = p + text.size();
    const QChar quote = QLatin1Char('"');
    const auto isBreak = [](QChar c) { return c == QLatin1Char('\n') || c == QLatin1Char('\r'); };

    while (p < end) {
        if (row.isEmpty())
            rowLine = line;
        // One field; p stands on its first character.
        QString field;
        if (*p == quote) {
            const int quoteLine = line;
            ++p;
            const QChar *start = p;
            bool closed = false;
            while (p < end) {
                if (*p == quote) {
                    field.append(start, p - start);
                    if (p + 1 < end && p[1] == quote) {
                        field += quote;
                        p += 2;
                        start = p;
                        continue;
                    }
                    ++p;
                    closed = true;
                    break;
                }
                if (*p == QLatin1Char('\n'))
                    ++line;
                ++p;
            }
            if (!closed) {
                error = QCoreApplication::translate("CCsvParser",
                                                    "A quoted field that starts on line %1 never ends.")
                            .arg(quoteLine);
                return false;
            }
            // Text after the closing quote belongs to the field as it is.
            const QChar *rest = p;
            while (p < end && *p != delimiter && !isBreak(*p))
                ++p;
            field.append(rest, p - rest);
        } else {
            // Unquoted: up to the delimiter or the line end; a stray quote
            // inside is kept as text.
            const QChar *start = p;
            while (p < end && *p != delimiter && !isBreak(*p))
                ++p;
            field = QString(start, p - start);
        }
        row << field;
        if (p < end && *p == delimiter) {
            ++p;
            if (p == end || isBreak(*p))
                row << QString(); // a delimiter at the line end leaves an empty last field
            else
                continue;
        }
        // End of a line (or of the text).
        if (p < end && *p == QLatin1Char('\r') && p + 1 < end && p[1] == QLatin1Char('\n'))
            ++p;
        if (p < end) {
            ++p;
            ++line;
        }
        if (!(row.size() == 1 && row.first().isEmpty())) {
            rows << row;
            if (rowLines)
                *rowLines << rowLine;
        }
        row.clear();
        // Blank lines between rows are skipped.
        while (p < end && isBreak(*p)) {
            if (*p == QLatin1Char('\n'))
                ++line;
            ++p;
        }
    }
    return true;
}

QString CCsvParser::Quote(const QString &field, QChar delimiter)
{
    if (field.isEmpty())
        return field;
    bool needs = field.front().isSpace() || field.back().isSpace();
    for (const QChar c : field) {
        if (needs)
            break;
        needs = c == delimiter || c == QLatin1Char('"') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
    }
    if (!needs)
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

namespace {

bool startsLikeFormula(const QString &text)
{
    if (text.isEmpty())
        return false;
    const QChar c = text.front();
    if (c != QLatin1Char('=') && c != QLatin1Char('+') && c != QLatin1Char('-') && c != QLatin1Char('@') &&
        c != QLatin1Char('\t') && c != QLatin1Char('\r'))
        return false;
    bool number = false;
    text.toDouble(&number);
    return !number;
}

} // namespace

QString GuardCsvFormula(const QString &text)
{
    return startsLikeFormula(text) ? QLatin1Char('\'') + text : text;
}

QString UnguardCsvFormula(const QString &text)
{
    if (text.startsWith(QLatin1Char('\'')) && startsLikeFormula(text.mid(1)))
        return text.mid(1);
    return text;
}
