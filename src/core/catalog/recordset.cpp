#include "recordset.h"

#include "sqlvalue.h"

#include "connection.h"
#include "pglink.h"

#include <QCoreApplication>
#include <cstdlib>
#include <libpq-fe.h>
#include <sqlite3.h>
#include <limits>

namespace {

using Kind = FieldValue::Kind;

// Which kind a column holds, from its declared type; Null means "no declared
// type" (an expression such as COUNT(*)), read by the stored value instead.
Kind kindOfDeclaredType(const char *decl)
{
    if (!decl)
        return Kind::Null;
    const QByteArray t = QByteArray(decl).toUpper();
    if (t.contains("YESNO") || t.contains("BOOL") || t == "BIT")
        return Kind::Bool;
    if (t.contains("CURRENCY") || t.contains("MONEY"))
        return Kind::Currency;
    if (t.contains("DATE") || t.contains("TIME"))
        return Kind::Date;
    if (t.contains("SMALLINT"))
        return Kind::Int16;
    if (t.contains("TINYINT") || t == "BYTE")
        return Kind::Byte;
    if (t.contains("INT"))
        return Kind::Int32;
    if (t.contains("SINGLE"))
        return Kind::Single;
    if (t.contains("DOUB") || t.contains("REAL") || t.contains("FLOA") || t.contains("NUMERIC") ||
        t.contains("DECIMAL"))
        return Kind::Double;
    return Kind::Text;
}

QDateTime parseStoredDate(const QString &text)
{
    if (text.size() == 10) {
        const QDate d = QDate::fromString(text, Qt::ISODate);
        return d.isValid() ? QDateTime(d, QTime(0, 0)) : QDateTime();
    }
    QString iso = text;
    if (iso.size() > 10 && iso.at(10) == QLatin1Char(' '))
        iso[10] = QLatin1Char('T');
    return QDateTime::fromString(iso, Qt::ISODate);
}

QString columnText(sqlite3_stmt *stmt, int i)
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(stmt, i));
    return QString::fromUtf8(p, sqlite3_column_bytes(stmt, i));
}

// Prepares exactly one statement: text after the first one is refused rather
// than silently ignored.
int prepareOne(sqlite3 *db, const QString &sql, sqlite3_stmt **stmt, DbError *error)
{
    const QByteArray utf8 = sql.toUtf8();
    const char *tail = nullptr;
    int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), stmt, &tail);
    if (rc != SQLITE_OK) {
        if (error)
            *error = {sqlite3_extended_errcode(db), QString::fromUtf8(sqlite3_errmsg(db))};
        return rc;
    }
    if (!*stmt) {
        if (error)
            *error = {SQLITE_MISUSE,
                      QCoreApplication::translate("Recordset", "The SQL text holds no statement.")};
        return SQLITE_MISUSE;
    }
    if (tail && *tail) {
        sqlite3_stmt *next = nullptr;
        const char *rest = nullptr;
        const int rc2 = sqlite3_prepare_v2(db, tail, -1, &next, &rest);
        if (rc2 != SQLITE_OK || next) {
            sqlite3_finalize(next);
            sqlite3_finalize(*stmt);
            *stmt = nullptr;
            if (error)
                *error = {SQLITE_MISUSE, QCoreApplication::translate(
                                             "Recordset", "Only one SQL statement can be run at a time.")};
            return SQLITE_MISUSE;
        }
    }
    return SQLITE_OK;
}

} // namespace

bool FieldValue::toBool() const
{
    if (value.typeId() == QMetaType::QString)
        return !value.toString().isEmpty() && value.toString() != QLatin1String("0");
    return value.toBool();
}

Recordset::Recordset() = default;

Recordset::~Recordset()
{
    close();
}

bool Recordset::openOnServer(PgLink &link, const QString &sql, DbError *error)
{
    m_pg = link.query(sql, &m_changes, &m_error);
    if (!m_pg) {
        if (error)
            *error = m_error;
        return false;
    }
    const int n = m_pg->result ? PQnfields(m_pg->result) : 0;
    m_names.reserve(n);
    for (int i = 0; i < n; ++i)
        m_names << QString::fromUtf8(PQfname(m_pg->result, i));
    m_declared = m_pg->kinds;
    m_eof = m_pg->rows == 0;
    return true;
}

bool Recordset::open(Connection &connection, const QString &sql, DbError *error)
{
    close();
    m_connection = &connection;
    m_error = {};
    m_changes = 0;
    if (connection.m_pg)
        return openOnServer(*connection.m_pg, sql, error);
    if (prepareOne(connection.handle(), sql, &m_stmt, &m_error) != SQLITE_OK) {
        if (error)
            *error = m_error;
        return false;
    }
    const int n = sqlite3_column_count(m_stmt);
    m_names.reserve(n);
    m_declared.reserve(n);
    for (int i = 0; i < n; ++i) {
        m_names << QString::fromUtf8(sqlite3_column_name(m_stmt, i));
        m_declared.push_back(kindOfDeclaredType(sqlite3_column_decltype(m_stmt, i)));
    }
    m_changes = 0;
    // The engine keeps the count of the last INSERT, UPDATE or DELETE until
    // the next one; only a statement that changed rows itself may report it.
    const sqlite3_int64 before = sqlite3_total_changes64(connection.handle());
    if (!step(error)) {
        close();
        return false;
    }
    if (sqlite3_total_changes64(connection.handle()) != before)
        m_changes = sqlite3_changes64(connection.handle());
    return true;
}

qint64 Recordset::int64Field(int index) const
{
    if (m_pg)
        return m_eof || index < 0 || index >= fieldCount() ? 0
                                                           : std::strtoll(PQgetvalue(m_pg->result, m_pg->row, index),
                                                                      nullptr, 10);
    if (!m_stmt || m_eof || index < 0 || index >= fieldCount())
        return 0;
    return sqlite3_column_int64(m_stmt, index);
}

void Recordset::close()
{
    if (m_stmt)
        sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
    m_pg.reset();
    m_names.clear();
    m_declared.clear();
    m_eof = true;
}

bool Recordset::step(DbError *error)
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) {
        m_eof = false;
        return true;
    }
    m_eof = true;
    if (rc == SQLITE_DONE)
        return true;
    sqlite3 *db = sqlite3_db_handle(m_stmt);
    m_error = {sqlite3_extended_errcode(db), QString::fromUtf8(sqlite3_errmsg(db))};
    if (error)
        *error = m_error;
    return false;
}

bool Recordset::moveNext(DbError *error)
{
    if (m_pg) {
        if (m_eof)
            return false;
        m_eof = ++m_pg->row >= m_pg->rows;
        return true;
    }
    if (!m_stmt || m_eof)
        return false;
    return step(error);
}

int Recordset::fieldIndex(const QString &name) const
{
    for (int i = 0; i < m_names.size(); ++i) {
        if (m_names.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QByteArrayView Recordset::fieldUtf8(int index) const
{
    if (m_eof || index < 0 || index >= fieldCount())
        return {};
    if (m_pg)
        return QByteArrayView(PQgetvalue(m_pg->result, m_pg->row, index),
                              PQgetlength(m_pg->result, m_pg->row, index));
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, index));
    return QByteArrayView(text, text ? sqlite3_column_bytes(m_stmt, index) : 0);
}

bool Recordset::holdsInteger(int index) const
{
    if (m_eof || index < 0 || index >= fieldCount())
        return false;
    if (m_pg)
        return !PQgetisnull(m_pg->result, m_pg->row, index) && m_declared[size_t(index)] == Kind::Int32;
    return sqlite3_column_type(m_stmt, index) == SQLITE_INTEGER;
}

FieldValue Recordset::serverField(int index) const
{
    FieldValue v;
    if (PQgetisnull(m_pg->result, m_pg->row, index))
        return v;
    const QByteArrayView bytes(PQgetvalue(m_pg->result, m_pg->row, index),
                               PQgetlength(m_pg->result, m_pg->row, index));
    const QString text = QString::fromUtf8(bytes);
    Kind kind = m_declared[size_t(index)];
    // A sum or an average of whole numbers comes back as a decimal number;
    // the file engine gives an integer for those.
    if (kind == Kind::Double && PQftype(m_pg->result, index) == 1700 && !bytes.contains('.'))
        kind = Kind::Int32;
    bool ok = true;
    switch (kind) {
    case Kind::Date: {
        const QDateTime dt = parseStoredDate(text);
        v.kind = dt.isValid() ? Kind::Date : Kind::Text;
        v.value = dt.isValid() ? QVariant(dt) : QVariant(text);
        return v;
    }
    case Kind::Bool:
        v.kind = Kind::Bool;
        v.value = !(text == QLatin1String("0") || text == QLatin1String("f"));
        return v;
    case Kind::Int16:
    case Kind::Byte:
    case Kind::Int32:
    case Kind::Int64: {
        const qint64 n = text.toLongLong(&ok);
        if (!ok)
            break;
        if (n >= std::numeric_limits<qint32>::min() && n <= std::numeric_limits<qint32>::max()) {
            v.kind = Kind::Int32;
            v.value = qint32(n);
        } else {
            v.kind = Kind::Int64;
            v.value = n;
        }
        return v;
    }
    case Kind::Single:
    case Kind::Double:
    case Kind::Currency: {
        const double d = text.toDouble(&ok);
        if (!ok)
            break;
        v.kind = kind;
        v.value = d;
        return v;
    }
    default:
        break;
    }
    v.kind = Kind::Text;
    v.value = text;
    return v;
}

QString Recordset::fieldText(int index) const
{
    if (m_pg && !m_eof && index >= 0 && index < int(m_declared.size()) &&
        m_declared[size_t(index)] == Kind::Text)
        return QString::fromUtf8(fieldUtf8(index));
    if (m_stmt && !m_eof && index >= 0 && index < int(m_declared.size()) &&
        sqlite3_column_type(m_stmt, index) == SQLITE_TEXT) {
        const Kind kind = m_declared[size_t(index)];
        if (kind == Kind::Text || kind == Kind::Null)
            return columnText(m_stmt, index);
    }
    return FieldToText(field(index));
}

FieldValue Recordset::field(int index) const
{
    if (m_pg)
        return m_eof || index < 0 || index >= int(m_declared.size()) ? FieldValue() : serverField(index);
    FieldValue v;
    if (!m_stmt || m_eof || index < 0 || index >= int(m_declared.size()))
        return v;
    const int stored = sqlite3_column_type(m_stmt, index);
    if (stored == SQLITE_NULL)
        return v;
    Kind kind = m_declared[size_t(index)];
    if (kind == Kind::Null) // no declared type: go by what is stored
        kind = stored == SQLITE_INTEGER ? Kind::Int32 : stored == SQLITE_FLOAT ? Kind::Double : Kind::Text;
    const bool storedNumber = stored == SQLITE_INTEGER || stored == SQLITE_FLOAT;

    switch (kind) {
    case Kind::Date: {
        const QString text = columnText(m_stmt, index);
        const QDateTime dt = storedNumber ? QDateTime() : parseStoredDate(text);
        if (dt.isValid()) {
            v.kind = Kind::Date;
            v.value = dt;
        } else {
            v.kind = Kind::Text; // keep what is there rather than lose it
            v.value = text;
        }
        return v;
    }
    case Kind::Text:
        v.kind = Kind::Text;
        v.value = columnText(m_stmt, index);
        return v;
    default:
        break;
    }
    if (!storedNumber) { // text in a numeric column: show it as it is
        v.kind = Kind::Text;
        v.value = columnText(m_stmt, index);
        return v;
    }
    v.kind = kind;
    switch (kind) {
    case Kind::Bool:
        v.value = sqlite3_column_int64(m_stmt, index) != 0;
        break;
    case Kind::Int16:
        v.value = qint32(qint16(sqlite3_column_int(m_stmt, index)));
        break;
    case Kind::Byte:
        v.value = qint32(quint8(sqlite3_column_int(m_stmt, index)));
        break;
    case Kind::Int32: {
        const qint64 n = sqlite3_column_int64(m_stmt, index);
        if (n >= std::numeric_limits<qint32>::min() && n <= std::numeric_limits<qint32>::max()) {
            v.value = qint32(n);
        } else {
            v.kind = Kind::Int64;
            v.value = n;
        }
        break;
    }
    default: // Single, Double, Currency
        v.value = sqlite3_column_double(m_stmt, index);
        break;
    }
    return v;
}
