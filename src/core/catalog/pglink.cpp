#include "pglink.h"

#include "pgdialect.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cstdlib>
#include <libpq-fe.h>

namespace {


void setError(DbError *out, const DbError &e)
{
    if (out)
        *out = e;
}

QByteArray quoted(const QString &identifier)
{
    return PgIdentifier(identifier).toUtf8();
}

// Statements that open or close transactions themselves run without the
// savepoint that guards every other statement inside a transaction.
bool controlsTransactions(const QString &sql)
{
    static const QRegularExpression control(
        QStringLiteral("^\\s*(BEGIN|COMMIT|END|ROLLBACK|SAVEPOINT|RELEASE|START\\s+TRANSACTION|ABORT|VACUUM)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return control.match(sql).hasMatch();
}

// Kinds of columns that belong to no table (COUNT(*), expressions), by type.
FieldValue::Kind kindOfType(Oid type)
{
    switch (type) {
    case 16: // bool
        return FieldValue::Kind::Bool;
    case 20: // int8
    case 21: // int2
    case 23: // int4
    case 26: // oid
        return FieldValue::Kind::Int32;
    case 700: // float4
    case 701: // float8
    case 1700: // numeric
        return FieldValue::Kind::Double;
    default:
        return FieldValue::Kind::Text;
    }
}

// The kind a declared column type names: the catalogue's own domains (yesno,
// currency, ordo_date) and the server's types.
FieldValue::Kind kindOfTypeName(const QByteArray &name)
{
    const QByteArray t = name.toLower();
    if (t == "yesno" || t == "bool")
        return FieldValue::Kind::Bool;
    if (t == "currency" || t == "money")
        return FieldValue::Kind::Currency;
    if (t == "ordo_date" || t == "date" || t.startsWith("timestamp"))
        return FieldValue::Kind::Date;
    if (t == "int2" || t == "int4" || t == "int8")
        return FieldValue::Kind::Int32;
    if (t == "float4" || t == "float8" || t == "numeric")
        return FieldValue::Kind::Double;
    return FieldValue::Kind::Text;
}

} // namespace

PgRows::~PgRows()
{
    if (result)
        PQclear(result);
}

PgLink::~PgLink()
{
    if (m_conn)
        PQfinish(m_conn);
}

DbError PgLink::connectionError(const QByteArray &libpqMessage)
{
    const QString detail = QString::fromUtf8(libpqMessage).trimmed();
    DbError e;
    e.code = -1;
    if (detail.contains(QLatin1String("no password supplied"))) {
        e.code = DbErrorCode::PasswordNeeded;
        e.message = QCoreApplication::translate("Connection", "The server asks for a password.");
    } else if (detail.contains(QLatin1String("password authentication failed")) ||
               detail.contains(QLatin1String("authentication failed"))) {
        e.code = DbErrorCode::PasswordWrong;
        e.message = QCoreApplication::translate("Connection", "The server refused the user name or password.");
    } else if (detail.contains(QLatin1String("SSL"), Qt::CaseInsensitive) ||
               detail.contains(QLatin1String("GSSAPI"))) {
        e.code = DbErrorCode::TlsRefused;
        e.message = QCoreApplication::translate("Connection", "No encrypted (TLS) connection could be made, and the chosen TLS mode requires one.");
    } else if (detail.contains(QLatin1String("Connection refused")) ||
               detail.contains(QLatin1String("could not connect")) ||
               detail.contains(QLatin1String("timeout expired")) ||
               detail.contains(QLatin1String("could not translate host name")) ||
               detail.contains(QLatin1String("No route to host")) ||
               detail.contains(QLatin1String("Network is unreachable"))) {
        e.code = DbErrorCode::ServerUnreachable;
        e.message = QCoreApplication::translate("Connection", "The server does not answer. Check that it is running and that the host and port are "
                       "right.");
    } else if (detail.contains(QLatin1String("does not exist"))) {
        e.message = QCoreApplication::translate("Connection", "The server has no such database or user.");
    } else {
        e.message = QCoreApplication::translate("Connection", "The server refused the connection.");
    }
    e.message += QLatin1Char('\n') + detail;
    return e;
}

std::unique_ptr<PgLink> PgLink::connect(const ServerAddress &address, const QString &password, bool reader,
                                        DbError *error)
{
    std::unique_ptr<PgLink> link(new PgLink);
    link->m_conninfo = address.conninfo(password, QStringLiteral("Ordoteca"));
    link->m_schema = address.schema.isEmpty() ? QStringLiteral("public") : address.schema;
    link->m_reader = reader;
    link->m_conn = PQconnectdb(link->m_conninfo.constData());
    if (!link->m_conn || PQstatus(link->m_conn) != CONNECTION_OK) {
        DbError e = connectionError(link->m_conn ? PQerrorMessage(link->m_conn) : "out of memory");
        if (e.code == DbErrorCode::PasswordWrong && password.isEmpty() && link->m_conn &&
            PQconnectionNeedsPassword(link->m_conn))
            e.code = DbErrorCode::PasswordNeeded;
        setError(error, e);
        return nullptr;
    }
    if (!link->setUp(error))
        return nullptr;
    return link;
}

bool PgLink::setUp(DbError *error)
{
    PQsetClientEncoding(m_conn, "UTF8");
    // The server's notices ("extension already exists") are not the user's business.
    PQsetNoticeProcessor(m_conn, [](void *, const char *) {}, nullptr);
    // The catalogue's schema first; the extensions live in public.
    QByteArray settings = "SET search_path TO " + quoted(m_schema) + ", public; "
                          "SET standard_conforming_strings TO on; SET DateStyle TO ISO; "
                          "SET extra_float_digits TO 1";
    if (!run(settings, error))
        return false;
    PGresult *user = exec("SELECT current_user", error);
    if (!user)
        return false;
    m_user = QString::fromUtf8(PQgetvalue(user, 0, 0));
    PQclear(user);
    if (!m_reader) {
        if (!run("LISTEN ordoteca", error))
            return false;
        m_listening = true;
    }
    m_columnKinds.clear();
    return true;
}

DbError PgLink::errorOf(PGresult *result) const
{
    DbError e;
    if (PQstatus(m_conn) == CONNECTION_BAD) {
        e.code = DbErrorCode::ConnectionLost;
        e.message = QCoreApplication::translate("Connection", "The connection to the server was lost. Nothing was changed by this step; try again "
                       "once the server is back.");
        return e;
    }
    const char *state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    e.code = state ? int(std::strtoll(state, nullptr, 36)) : -1;
    if (e.code == 0)
        e.code = -1;
    const char *primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    e.message = QString::fromUtf8(primary ? primary : PQerrorMessage(m_conn)).trimmed();
    if (state && qstrcmp(state, "42501") == 0)
        e.message = QCoreApplication::translate("Connection", "You have no right to do this on the server: %1").arg(e.message);
    return e;
}

PGresult *PgLink::exec(const QByteArray &sql, DbError *error)
{
    PGresult *result = PQexec(m_conn, sql.constData());
    const ExecStatusType status = result ? PQresultStatus(result) : PGRES_FATAL_ERROR;
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK || status == PGRES_EMPTY_QUERY)
        return result;
    m_lastError = errorOf(result);
    if (qEnvironmentVariableIsSet("ORDO_DEBUG_SQL"))
        qWarning("server SQL failed: %s\n  %s", sql.constData(), qPrintable(m_lastError.message));
    setError(error, m_lastError);
    if (result)
        PQclear(result);
    return nullptr;
}

bool PgLink::run(const QByteArray &sql, DbError *error)
{
    PGresult *result = exec(sql, error);
    if (result)
        PQclear(result);
    return result != nullptr;
}

std::unique_ptr<PgRows> PgLink::query(const QString &sql, qint64 *changes, DbError *error)
{
    QString unsupported;
    QString text = PragmaForPostgres(sql, m_schema, &unsupported);
    if (!unsupported.isEmpty()) {
        m_lastError = {-1, QCoreApplication::translate("Connection", "%1 has no meaning on a server catalogue.").arg(unsupported)};
        setError(error, m_lastError);
        return nullptr;
    }
    if (text.isEmpty())
        text = SqliteToPostgres(sql);
    if (text.trimmed().isEmpty()) {
        m_lastError = {-1, QCoreApplication::translate("Recordset", "The SQL text holds no statement.")};
        setError(error, m_lastError);
        return nullptr;
    }

    // A failed statement inside a transaction would spoil the whole
    // transaction on this engine; the savepoint undoes only the statement, as
    // the file engine does.
    const bool guard = inTransaction() && !controlsTransactions(text);
    if (guard && !run("SAVEPOINT ordo_statement", error))
        return nullptr;
    // One statement at a time, as on a file: the extended protocol refuses
    // a second one instead of running it unseen.
    PGresult *result = PQexecParams(m_conn, text.toUtf8().constData(), 0, nullptr, nullptr, nullptr, nullptr, 0);
    const ExecStatusType status = result ? PQresultStatus(result) : PGRES_FATAL_ERROR;
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK && status != PGRES_EMPTY_QUERY) {
        m_lastError = errorOf(result);
        if (result && qstrcmp(PQresultErrorField(result, PG_DIAG_SQLSTATE), "42601") == 0 &&
            QByteArray(PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY)).contains("multiple commands"))
            m_lastError.message =
                QCoreApplication::translate("Recordset", "Only one SQL statement can be run at a time.");
        if (qEnvironmentVariableIsSet("ORDO_DEBUG_SQL"))
            qWarning("server SQL failed: %s\n  %s", qPrintable(text), qPrintable(m_lastError.message));
        setError(error, m_lastError);
        if (result)
            PQclear(result);
        result = nullptr;
    }
    if (guard)
        run(result ? "RELEASE SAVEPOINT ordo_statement"
                   : "ROLLBACK TO SAVEPOINT ordo_statement; RELEASE SAVEPOINT ordo_statement",
            nullptr);
    if (!result)
        return nullptr;
    auto rows = std::make_unique<PgRows>();
    rows->result = result;
    if (PQresultStatus(result) == PGRES_TUPLES_OK) {
        rows->rows = PQntuples(result);
        resolveKinds(*rows);
    }
    if (changes) {
        const char *n = PQcmdTuples(result);
        *changes = n && *n && PQresultStatus(result) == PGRES_COMMAND_OK ? std::strtoll(n, nullptr, 10) : 0;
    }
    return rows;
}

void PgLink::resolveKinds(PgRows &rows)
{
    const int n = PQnfields(rows.result);
    rows.kinds.resize(size_t(n));
    for (int i = 0; i < n; ++i) {
        const Oid table = PQftable(rows.result, i);
        const int column = PQftablecol(rows.result, i);
        if (table == InvalidOid || column <= 0) {
            rows.kinds[size_t(i)] = kindOfType(PQftype(rows.result, i));
            continue;
        }
        const quint64 key = (quint64(table) << 16) | quint64(column);
        auto found = m_columnKinds.constFind(key);
        if (found == m_columnKinds.constEnd()) {
            // Every column of that table at once: the next statement on it
            // costs nothing.
            PGresult *types = exec(QByteArray("SELECT a.attnum, t.typname FROM pg_attribute a JOIN pg_type t "
                                              "ON t.oid = a.atttypid WHERE a.attnum > 0 AND a.attrelid = ") +
                                       QByteArray::number(table),
                                   nullptr);
            for (int r = 0; types && r < PQntuples(types); ++r) {
                const quint64 k = (quint64(table) << 16) | quint64(std::strtoll(PQgetvalue(types, r, 0), nullptr, 10));
                m_columnKinds.insert(k, kindOfTypeName(PQgetvalue(types, r, 1)));
            }
            if (types)
                PQclear(types);
            found = m_columnKinds.constFind(key);
        }
        rows.kinds[size_t(i)] = found != m_columnKinds.constEnd() ? *found : kindOfType(PQftype(rows.result, i));
    }
}

bool PgLink::begin(DbError *error)
{
    if (!run("BEGIN", error))
        return false;
    if (m_reader)
        return true;
    // Writers of one catalogue take turns, as they do on a file: new numbers
    // (the highest plus one) stay unique when two people add books at once.
    if (!run("SELECT pg_advisory_xact_lock(hashtext('ordoteca.' || current_schema()))", error)) {
        rollback();
        return false;
    }
    return true;
}

bool PgLink::commit(DbError *error)
{
    return run("COMMIT", error);
}

void PgLink::rollback()
{
    if (inTransaction())
        run("ROLLBACK", nullptr);
}

bool PgLink::inTransaction() const
{
    const PGTransactionStatusType s = PQtransactionStatus(m_conn);
    return s == PQTRANS_INTRANS || s == PQTRANS_INERROR || s == PQTRANS_ACTIVE;
}

void PgLink::cancel()
{
    if (PGcancel *c = PQgetCancel(m_conn)) {
        char buffer[256];
        PQcancel(c, buffer, sizeof buffer);
        PQfreeCancel(c);
    }
}

bool PgLink::writeBytes(const QString &sql, const QByteArray &bytes, DbError *error)
{
    QString text = SqliteToPostgres(sql);
    text.replace(QLatin1Char('?'), QStringLiteral("$1::bytea"));
    const char *values[1] = {bytes.constData()};
    const int lengths[1] = {int(bytes.size())};
    const int formats[1] = {1};
    const bool guard = inTransaction();
    if (guard && !run("SAVEPOINT ordo_statement", error))
        return false;
    PGresult *result = PQexecParams(m_conn, text.toUtf8().constData(), 1, nullptr, values, lengths, formats, 0);
    const bool ok = result && PQresultStatus(result) == PGRES_COMMAND_OK;
    if (!ok) {
        m_lastError = errorOf(result);
        setError(error, m_lastError);
    }
    if (result)
        PQclear(result);
    if (guard)
        run(ok ? "RELEASE SAVEPOINT ordo_statement"
               : "ROLLBACK TO SAVEPOINT ordo_statement; RELEASE SAVEPOINT ordo_statement",
            nullptr);
    return ok;
}

QByteArray PgLink::readBytes(const QString &sql, bool *found, DbError *error)
{
    if (found)
        *found = false;
    const QByteArray text = SqliteToPostgres(sql).toUtf8();
    PGresult *result = PQexecParams(m_conn, text.constData(), 0, nullptr, nullptr, nullptr, nullptr, 1);
    QByteArray bytes;
    if (result && PQresultStatus(result) == PGRES_TUPLES_OK) {
        if (PQntuples(result) > 0 && PQnfields(result) > 0) {
            if (found)
                *found = true;
            if (!PQgetisnull(result, 0, 0))
                bytes = QByteArray(PQgetvalue(result, 0, 0), PQgetlength(result, 0, 0));
        }
    } else {
        m_lastError = errorOf(result);
        setError(error, m_lastError);
    }
    if (result)
        PQclear(result);
    return bytes;
}

int PgLink::socket() const
{
    return m_listening ? PQsocket(m_conn) : -1;
}

QStringList PgLink::takeChanges()
{
    QStringList tables = m_changes;
    m_changes.clear();
    if (!m_listening || !PQconsumeInput(m_conn))
        return tables;
    const int self = PQbackendPID(m_conn);
    const QString prefix = m_schema + QLatin1Char('.');
    while (PGnotify *note = PQnotifies(m_conn)) {
        const QString payload = QString::fromUtf8(note->extra);
        if (note->be_pid != self && payload.startsWith(prefix)) {
            const QString table = payload.mid(prefix.size());
            if (!tables.contains(table))
                tables << table;
        }
        PQfreemem(note);
    }
    return tables;
}

bool PgLink::isLost() const
{
    return PQstatus(m_conn) == CONNECTION_BAD;
}

bool PgLink::reconnect(DbError *error)
{
    PQreset(m_conn);
    if (PQstatus(m_conn) != CONNECTION_OK) {
        m_lastError = connectionError(PQerrorMessage(m_conn));
        setError(error, m_lastError);
        return false;
    }
    return setUp(error);
}

bool PgLink::returnsRows(const QString &sql)
{
    PGresult *result = exec(sql.toUtf8(), nullptr);
    const bool found = result && PQntuples(result) > 0;
    if (result)
        PQclear(result);
    return found;
}

bool PgLink::hasTable(const QString &table)
{
    return returnsRows(QStringLiteral("SELECT 1 FROM information_schema.tables WHERE table_schema = %1 "
                                      "AND table_name = lower(%2)")
                           .arg(PgLiteral(m_schema), PgLiteral(table)));
}

bool PgLink::hasColumn(const QString &table, const QString &column)
{
    return returnsRows(QStringLiteral("SELECT 1 FROM information_schema.columns WHERE table_schema = %1 AND "
                                      "table_name = lower(%2) AND column_name = lower(%3)")
                           .arg(PgLiteral(m_schema), PgLiteral(table), PgLiteral(column)));
}
