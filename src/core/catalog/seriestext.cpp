#include "seriestext.h"

#include "bookrecord.h"

#include <QRegularExpression>

namespace {

// "Discworld, #1", "Discworld #1", "Discworld, #1-3", "Discworld, Book 2".
std::optional<CSeriesMention> numberedSeries(const QString &text)
{
    static const QRegularExpression numbered(
        QStringLiteral("^(.*?\\S)\\s*(?:,\\s*#|\\s#|,\\s*(?:Book|Vol\\.?|Volume)\\s+)\\s*(\\S.*)$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch m = numbered.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    return CSeriesMention{m.captured(1).trimmed(), m.captured(2).trimmed()};
}

// Where the parenthesis that closes at the text's end opens; -1 if none.
qsizetype trailingGroupStart(const QString &text)
{
    if (!text.endsWith(QLatin1Char(')')))
        return -1;
    int depth = 0;
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        if (text.at(i) == QLatin1Char(')'))
            ++depth;
        else if (text.at(i) == QLatin1Char('(') && --depth == 0)
            return i;
    }
    return -1;
}

} // namespace

std::optional<CTitleSeries> SplitSeriesFromTitle(const QString &title)
{
    const QString t = title.trimmed();
    const qsizetype open = trailingGroupStart(t);
    if (open <= 0)
        return std::nullopt;
    const QString inside = t.mid(open + 1, t.size() - open - 2);
    const QStringList parts = inside.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return std::nullopt;
    const auto first = numberedSeries(parts.first());
    if (!first)
        return std::nullopt;
    CTitleSeries split{t.left(open).trimmed(), *first, {}};
    if (split.title.isEmpty())
        return std::nullopt;
    for (qsizetype i = 1; i < parts.size(); ++i)
        split.others << parts.at(i).trimmed();
    return split;
}

CSeriesMention ParseSeriesCell(const QString &cell, QStringList *others)
{
    static const QRegularExpression separator(QStringLiteral("\\s*\\|\\s*|\\)\\s*;\\s*"));
    QString text = cell.trimmed();
    // "A (1); B (2)": a semicolon after a closing parenthesis starts a series.
    QStringList all;
    qsizetype from = 0;
    QRegularExpressionMatchIterator it = separator.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const bool keepsParenthesis = m.captured(0).startsWith(QLatin1Char(')'));
        all << text.mid(from, m.capturedStart() - from + (keepsParenthesis ? 1 : 0)).trimmed();
        from = m.capturedEnd();
    }
    all << text.mid(from).trimmed();
    all.removeAll(QString());
    if (all.isEmpty())
        return {};
    if (others)
        *others = all.mid(1);
    const QString first = all.first();

    static const QRegularExpression inParentheses(QStringLiteral("^(.*\\S)\\s*\\(\\s*([^()]*\\d[^()]*|[IVXLCM]+)\\s*\\)$"));
    // Library catalogues: "Discworld ; 1", "Discworld -- 1", "Discworld ; v. 3".
    static const QRegularExpression afterSemicolon(
        QStringLiteral("^(.*\\S)\\s*(?:;|\\s--)\\s*(?:(?:tome|t|book|bk|volume|vol|v|no|Band|Bd|том|т|книга|кн|τόμος|τ)(?:\\.\\s*|\\s+))?(\\S.*)$"),
        QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatch m = inParentheses.match(first);
    if (m.hasMatch())
        return {m.captured(1).trimmed(), m.captured(2).trimmed()};
    if (const auto numbered = numberedSeries(first))
        return *numbered;
    m = afterSemicolon.match(first);
    if (m.hasMatch())
        return {m.captured(1).trimmed(), m.captured(2).trimmed()};
    return {first, QString()};
}

QString TitleWithSeries(const QString &title, const CSeriesMention &series)
{
    if (series.series.trimmed().isEmpty())
        return title;
    if (series.number.trimmed().isEmpty())
        return QStringLiteral("%1 (%2)").arg(title, series.series);
    return QStringLiteral("%1 (%2, #%3)").arg(title, series.series, series.number);
}

void SetRecordSeries(CBookRecord &record, const QString &statement, const QString &number)
{
    const CSeriesMention mention = ParseSeriesCell(statement);
    if (mention.series.isEmpty())
        return;
    record.Series = mention.series;
    record.SeriesNumber = number.trimmed().isEmpty() ? mention.number : number.trimmed();
}
