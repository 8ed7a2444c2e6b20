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

bool CCsvParser::Parse(const QString &text, QChar delimiter, QVector<QStringList> &rows, QString &error)
{
    QStringList row;
    QString field;
    bool quoted = false;     // inside a quoted field
    bool wasQuoted = false;  // the current field started with a quote
    bool rowHasText = false; // anything but a line break since the last row
    int line = 1;
    int quoteLine = 0;
    const QChar *p = text.constData();
    const QChar *end = p + text.size();

    const auto endRow = [&] {
        if (rowHasText) {
            row << field;
            rows << row;
        }
        row.clear();
        field.clear();
        wasQuoted = false;
        rowHasText = false;
    };

    for (; p < end; ++p) {
        const QChar c = *p;
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (p + 1 < end && p[1] == QLatin1Char('"')) {
                    field += c;
                    ++p;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == delimiter) {
            row << field;
            field.clear();
            wasQuoted = false;
            rowHasText = true;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && p + 1 < end && p[1] == QLatin1Char('\n'))
                ++p;
            ++line;
            endRow();
        } else if (c == QLatin1Char('"') && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
            rowHasText = true;
            quoteLine = line;
        } else {
            // A stray quote inside an unquoted field is kept as text.
            field += c;
            rowHasText = true;
        }
    }
    if (quoted) {
        error = QCoreApplication::translate("CCsvParser", "A quoted field that starts on line %1 never ends.")
                    .arg(quoteLine);
        return false;
    }
    endRow();
    return true;
}

QString CCsvParser::Quote(const QString &field, QChar delimiter)
{
    bool needs = field.contains(delimiter) || field.contains(QLatin1Char('"')) ||
                 field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r'));
    if (!needs && !field.isEmpty())
        needs = field.front().isSpace() || field.back().isSpace();
    if (!needs)
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
