#include "sqlvalue.h"

#include "app/messenger.h"
#include "connection.h"
#include "recordset.h"

#include <QDebug>
#include <QLocale>
#include <limits>

namespace {

int leadingInteger(const QString &text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        negative = text.at(i++) == QLatin1Char('-');
    qint64 value = 0;
    while (i < n && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9')) {
        value = value * 10 + (text.at(i++).unicode() - '0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            value = qint64(std::numeric_limits<int>::max()) + 1; // saturate, keep scanning
    }
    if (negative)
        value = -value;
    return int(qBound(qint64(std::numeric_limits<int>::min()), value, qint64(std::numeric_limits<int>::max())));
}

// The longest prefix that reads as a decimal number: sign, digits, point,
// digits, exponent. No number gives 0.
double leadingDecimal(const QString &text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && text.at(i).isSpace())
        ++i;
    const int start = i;
    auto digitAt = [&](int k) { return k < n && text.at(k) >= QLatin1Char('0') && text.at(k) <= QLatin1Char('9'); };
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        ++i;
    bool any = false;
    while (digitAt(i)) {
        ++i;
        any = true;
    }
    if (i < n && text.at(i) == QLatin1Char('.')) {
        ++i;
        while (digitAt(i)) {
            ++i;
            any = true;
        }
    }
    if (!any)
        return 0.0;
    int end = i;
    if (i < n && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        int k = i + 1;
        if (k < n && (text.at(k) == QLatin1Char('+') || text.at(k) == QLatin1Char('-')))
            ++k;
        if (digitAt(k)) {
            while (digitAt(k))
                ++k;
            end = k;
        }
    }
    bool ok = false;
    const double v = QLocale::c().toDouble(text.mid(start, end - start).replace(QLatin1Char('+'), QString()), &ok);
    return ok ? v : 0.0;
}

QString moneyText(double amount)
{
    // A plain decimal rendering with at most four places and no trailing zeros.
    QString s = QString::number(amount, 'f', 4);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

} // namespace

QString FormatSqlValue(const QString &text, int kind)
{
    QString value = text;
    // The engine stops reading a statement at a NUL: a text holding one
    // could never be saved (nor the book edited again) otherwise.
    value.remove(QChar(0));
    value = value.trimmed();
    if (value.isEmpty())
        return QStringLiteral("NULL");
    switch (kind) {
    case SqlText: {
        QString quoted = value;
        quoted.replace(QLatin1Char('\''), QLatin1String("''"));
        return QLatin1Char('\'') + quoted + QLatin1Char('\'');
    }
    case SqlInteger:
        return QString::number(leadingInteger(value));
    case SqlDecimal: {
        const QString rest = value.startsWith(QLatin1Char('$')) ? value.mid(1) : value;
        return QString::number(leadingDecimal(rest), 'f', 6);
    }
    default:
        return value;
    }
}

QString FormatCatalogDate(const QDate &date)
{
    return QLocale::c().toString(date, QStringLiteral("MMM dd, yyyy"));
}

QString CatalogDateToIso(const QString &text)
{
    const QDate date = QLocale::c().toDate(text.trimmed(), QStringLiteral("MMM dd, yyyy"));
    return date.isValid() ? date.toString(Qt::ISODate) : text;
}

QString FieldToText(const FieldValue &v)
{
    using Kind = FieldValue::Kind;
    switch (v.kind) {
    case Kind::Null:
        return {};
    case Kind::Bool:
        return v.value.toBool() ? QStringLiteral("-1") : QStringLiteral("0");
    case Kind::Int16:
    case Kind::Int32:
    case Kind::Byte:
        return QString::number(v.value.toInt());
    case Kind::Int64:
        return QString::number(v.value.toLongLong());
    case Kind::Single:
        return QString::number(v.value.toDouble(), 'f', 2);
    case Kind::Double:
        return QString::number(v.value.toDouble(), 'f', 6);
    case Kind::Currency:
        return moneyText(v.value.toDouble());
    case Kind::Date:
        return FormatCatalogDate(v.value.toDateTime().date());
    case Kind::Text:
        return v.value.toString();
    }
    return {};
}

void ShowDbError(const QString &sql, const DbError &error)
{
    // A statement can carry a whole description: the box shows its start,
    // the log keeps all of it.
    constexpr int kShownSqlLength = 2000;
    QString shown = sql;
    if (shown.size() > kShownSqlLength) {
        qWarning().noquote() << "Database error in:" << sql << "\n" << error.message;
        shown.truncate(kShownSqlLength);
        shown += QLatin1String("...");
    }
    messenger().showMessage(shown + QLatin1Char('\n') + error.message, IMessenger::Icon::Error);
}

bool ExecuteSql(const QString &sql, bool showError, Connection &connection)
{
    DbError error;
    if (connection.execute(sql, nullptr, &error))
        return true;
    if (showError)
        ShowDbError(sql, error);
    return false;
}

bool OpenRecordset(Recordset &rs, Connection &connection, const QString &sql)
{
    DbError error;
    if (rs.open(connection, sql, &error))
        return true;
    ShowDbError(sql, error);
    return false;
}

QString EscapeLikePattern(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('%'), QLatin1String("\\%"))
        .replace(QLatin1Char('_'), QLatin1String("\\_"));
    return escaped;
}
