#include "pgdialect.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// A GLOB pattern as a SIMILAR TO pattern: both are case-sensitive and match
// the whole text; only the wildcards and SIMILAR TO's own specials differ.
QString globToSimilar(const QString &glob)
{
    QString out;
    for (qsizetype i = 0; i < glob.size(); ++i) {
        const QChar c = glob.at(i);
        if (c == QLatin1Char('*')) {
            out += QLatin1Char('%');
        } else if (c == QLatin1Char('?')) {
            out += QLatin1Char('_');
        } else if (c == QLatin1Char('[')) {
            const qsizetype end = glob.indexOf(QLatin1Char(']'), i + 2);
            if (end < 0) {
                out += QStringLiteral("\\[");
                continue;
            }
            QString set = glob.mid(i + 1, end - i - 1);
            if (set.startsWith(QLatin1Char('^')))
                set[0] = QLatin1Char('^');
            out += QLatin1Char('[') + set + QLatin1Char(']');
            i = end;
        } else if (QStringLiteral("%_|()+{}\\.").contains(c)) {
            out += QLatin1Char('\\');
            out += c;
        } else {
            out += c;
        }
    }
    return out;
}

// Splits sql into pieces that are either quoted ('text', "name") or plain;
// only plain pieces are rewritten.
struct Piece
{
    QString text;
    bool quoted;
};

QList<Piece> split(const QString &sql)
{
    QList<Piece> pieces;
    QString plain;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            if (!plain.isEmpty())
                pieces.append({plain, false});
            plain.clear();
            qsizetype j = i + 1;
            while (j < sql.size()) {
                if (sql.at(j) == c) {
                    if (j + 1 < sql.size() && sql.at(j + 1) == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            pieces.append({sql.mid(i, j - i + 1), true});
            i = j;
        } else if (c == QLatin1Char('-') && i + 1 < sql.size() && sql.at(i + 1) == QLatin1Char('-')) {
            const qsizetype end = sql.indexOf(QLatin1Char('\n'), i);
            plain += sql.mid(i, end < 0 ? -1 : end - i);
            if (end < 0)
                break;
            i = end - 1;
        } else {
            plain += c;
        }
    }
    if (!plain.isEmpty())
        pieces.append({plain, false});
    return pieces;
}

QString unquote(const QString &literal)
{
    return literal.mid(1, literal.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
}

} // namespace

QString PgIdentifier(const QString &name)
{
    QString n = name;
    return QLatin1Char('"') + n.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString PgLiteral(const QString &text)
{
    QString t = text;
    return QLatin1Char('\'') + t.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

QString SqliteToPostgres(const QString &input)
{
    QString sql = input.trimmed();
    while (sql.endsWith(QLatin1Char(';')))
        sql.chop(1);

    static const QRegularExpression insertOrIgnore(QStringLiteral("\\bINSERT\\s+OR\\s+IGNORE\\s+INTO\\b"),
                                                   QRegularExpression::CaseInsensitiveOption);
    bool ignoreConflicts = false;

    static const QRegularExpression like(QStringLiteral("\\bLIKE\\b"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression charCall(QStringLiteral("\\bchar\\s*\\("),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression collate(QStringLiteral("\\s+COLLATE\\s+(NOCASE|BINARY|RTRIM)\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression globTail(QStringLiteral("([\\w.]+)\\s+(NOT\\s+)?GLOB\\s*$"),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression binaryEquals(QStringLiteral("([\\w.]+)\\s*=\\s*$"));

    QList<Piece> pieces = split(sql);
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        Piece &p = pieces[i];
        if (p.quoted)
            continue;
        static const QRegularExpression likeCall(QStringLiteral("\\blike\\s*\\("),
                                                 QRegularExpression::CaseInsensitiveOption);
        p.text.replace(likeCall, QStringLiteral("ordo_like("));
        if (!ignoreConflicts && p.text.contains(insertOrIgnore)) {
            p.text.replace(insertOrIgnore, QStringLiteral("INSERT INTO"));
            ignoreConflicts = true;
        }
        p.text.replace(like, QStringLiteral("ILIKE"));
        p.text.replace(charCall, QStringLiteral("chr("));
        static const QRegularExpression tempSchema(QStringLiteral("\\btemp\\."),
                                                   QRegularExpression::CaseInsensitiveOption);
        p.text.replace(tempSchema, QStringLiteral("pg_temp."));
        // x GLOB 'pattern' -> x::text SIMILAR TO 'pattern'
        if (const auto m = globTail.match(p.text);
            m.hasMatch() && i + 1 < pieces.size() && pieces[i + 1].quoted &&
            pieces[i + 1].text.startsWith(QLatin1Char('\''))) {
            p.text = p.text.left(m.capturedStart()) + m.captured(1) + QStringLiteral("::text ") + m.captured(2) +
                     QStringLiteral("SIMILAR TO ");
            pieces[i + 1].text = PgLiteral(globToSimilar(unquote(pieces[i + 1].text)));
        }
        // x = 'text' COLLATE BINARY -> x::text = 'text' (case counts)
        if (i + 2 < pieces.size() && pieces[i + 1].quoted) {
            static const QRegularExpression binaryNext(QStringLiteral("^\\s+COLLATE\\s+BINARY\\b"),
                                                       QRegularExpression::CaseInsensitiveOption);
            const auto next = binaryNext.match(pieces[i + 2].text);
            const auto m = binaryEquals.match(p.text);
            if (next.hasMatch() && m.hasMatch()) {
                p.text = p.text.left(m.capturedStart()) + m.captured(1) + QStringLiteral("::text = ");
                pieces[i + 2].text.remove(0, next.capturedEnd());
            }
        }
        p.text.replace(collate, QString());
        // "WHERE 0" finds nothing on a file; the server wants a truth value.
        static const QRegularExpression constantCondition(QStringLiteral("\\b(WHERE|AND|OR)\\s+([01])\\s*(?=$|\\)|\\b(AND|OR|ORDER|LIMIT|GROUP)\\b)"),
                                                          QRegularExpression::CaseInsensitiveOption);
        for (auto m = constantCondition.match(p.text); m.hasMatch(); m = constantCondition.match(p.text, m.capturedStart() + 1))
            p.text.replace(m.capturedStart(2), 1, m.captured(2) == QLatin1String("1") ? QStringLiteral("true") : QStringLiteral("false"));
    }
    QString out;
    for (const Piece &p : pieces)
        out += p.text;
    if (ignoreConflicts)
        out += QStringLiteral(" ON CONFLICT DO NOTHING");
    return out;
}

QString PragmaForPostgres(const QString &sql, const QString &schema, QString *unsupported)
{
    static const QRegularExpression pragma(
        QStringLiteral("^\\s*PRAGMA\\s+(\\w+)\\s*(?:=\\s*([^;]*?)|\\(\\s*([\\w\"]+)\\s*\\))?\\s*;?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression anyPragma(QStringLiteral("^\\s*PRAGMA\\b"),
                                              QRegularExpression::CaseInsensitiveOption);
    const auto m = pragma.match(sql);
    if (!m.hasMatch()) {
        if (anyPragma.match(sql).hasMatch() && unsupported)
            *unsupported = sql.trimmed();
        return anyPragma.match(sql).hasMatch() ? QStringLiteral("SELECT 1 WHERE false") : QString();
    }
    const QString name = m.captured(1).toLower();
    const bool setting = !m.captured(2).isEmpty();
    if (name == QLatin1String("data_version"))
        return QStringLiteral("SELECT last_value AS data_version FROM ordo_changes");
    if (name == QLatin1String("integrity_check") || name == QLatin1String("quick_check"))
        return QStringLiteral("SELECT 'ok' AS %1").arg(name);
    if (name == QLatin1String("foreign_key_check"))
        return QStringLiteral("SELECT NULL AS \"table\", NULL AS rowid, NULL AS parent, NULL AS fkid WHERE false");
    if (name == QLatin1String("table_info")) {
        QString table = m.captured(3);
        table.remove(QLatin1Char('"'));
        return QStringLiteral("SELECT ordinal_position - 1 AS cid, column_name AS name, "
                              "COALESCE(domain_name, data_type) AS type, "
                              "CASE WHEN is_nullable = 'NO' THEN 1 ELSE 0 END AS notnull, "
                              "column_default AS dflt_value, 0 AS pk FROM information_schema.columns "
                              "WHERE table_schema = %1 AND table_name = lower(%2) ORDER BY ordinal_position")
            .arg(PgLiteral(schema), PgLiteral(table));
    }
    if (setting)
        return QStringLiteral("SELECT 1 WHERE false");
    if (name == QLatin1String("foreign_keys"))
        return QStringLiteral("SELECT 1 AS foreign_keys");
    if (name == QLatin1String("cache_size"))
        return QStringLiteral("SELECT -2000 AS cache_size");
    if (unsupported)
        *unsupported = sql.trimmed();
    return QStringLiteral("SELECT 1 WHERE false");
}
