#include "connection.h"

#include "pglink.h"
#include "recordset.h"
#include "serverschema.h"
#include "sqlfunctions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <sqlite3.h>
#include <optional>

namespace {

DbError errorOf(sqlite3 *db, int rc)
{
    DbError e;
    e.code = db ? sqlite3_extended_errcode(db) : rc;
    if (e.code == 0)
        e.code = rc;
    e.message = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    return e;
}

void setError(DbError *out, const DbError &e)
{
    if (out)
        *out = e;
}

// Whether the file and its folder take writes (the engine writes its journal
// beside the file). Tried rather than read from the permissions: root may
// write a 0444 file, nobody may write an immutable one or a read-only mount.
bool canWrite(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    file.close();
    QTemporaryFile probe(QFileInfo(path).absolutePath() + QStringLiteral("/.ordo-write-test-XXXXXX"));
    return probe.open();
}

bool isFile(const QFileInfo &info, DbError *error)
{
    if (info.exists() && info.isFile())
        return true;
    setError(error, {SQLITE_CANTOPEN, QCoreApplication::translate("Connection", "The file %1 does not exist.")
                                          .arg(QDir::toNativeSeparators(info.filePath()))});
    return false;
}

} // namespace

Connection::~Connection()
{
    if (m_db)
        sqlite3_close_v2(m_db);
}

std::shared_ptr<Connection> Connection::openServer(const QString &text, bool reader, DbError *error)
{
    QString message;
    const std::optional<ServerAddress> address = ServerAddress::parse(text, &message);
    if (!address) {
        setError(error, {-1, message});
        return nullptr;
    }
    std::shared_ptr<Connection> c(new Connection);
    c->m_path = address->toString();
    c->m_pg = PgLink::connect(*address, ServerPasswords::get(c->m_path), reader, error);
    if (!c->m_pg)
        return nullptr;
    if (reader) {
        c->m_readOnly = true;
        return c;
    }
    DbError probe;
    const int version = ServerSchemaVersion(*c, &probe);
    if (version < 0) {
        setError(error, probe);
        return nullptr;
    }
    if (version == 0) {
        setError(error, {DbErrorCode::NoCatalogue,
                         QCoreApplication::translate("Connection", "%1 holds no Ordoteca catalogue yet.")
                             .arg(address->displayName())});
        return nullptr;
    }
    if (version > kServerSchemaVersion) {
        setError(error, {DbErrorCode::SchemaNewer,
                         QCoreApplication::translate("Connection",
                                                     "The catalogue %1 was made by a newer version of "
                                                     "Ordoteca. Update the program to open it; nothing was "
                                                     "changed.")
                             .arg(address->displayName())});
        return nullptr;
    }
    // Users who may only read get the read-only mode of unwritable files.
    Recordset rights;
    c->m_readOnly =
        !rights.open(*c, QStringLiteral("SELECT has_table_privilege('book', 'INSERT') AND "
                                        "has_table_privilege('book', 'UPDATE') AND "
                                        "has_table_privilege('book', 'DELETE') AND "
                                        "has_table_privilege('book_category', 'INSERT')")) ||
        rights.isEOF() || !rights.field(0).toBool();
    return c;
}

bool Connection::createServerCatalogue(const QString &text, DbError *error)
{
    QString message;
    const std::optional<ServerAddress> address = ServerAddress::parse(text, &message);
    if (!address) {
        setError(error, {-1, message});
        return false;
    }
    const QString addressText = address->toString();
    std::unique_ptr<PgLink> link = PgLink::connect(*address, ServerPasswords::get(addressText), false, error);
    if (!link)
        return false;
    if (link->hasTable(QStringLiteral("ordo_meta")) || link->hasTable(QStringLiteral("book"))) {
        setError(error, {-1, QCoreApplication::translate("Connection",
                                                         "%1 already holds a catalogue; nothing was changed.")
                                 .arg(address->displayName())});
        return false;
    }
    // Two catalogues made at once would race to add the extensions.
    if (!link->run("BEGIN; SELECT pg_advisory_xact_lock(hashtext('ordoteca.create'))", error))
        return false;
    for (const QString &statement : ServerSchemaStatements(link->schema())) {
        if (!link->run(statement.toUtf8(), error)) {
            link->rollback();
            return false;
        }
    }
    return link->commit(error);
}

std::shared_ptr<Connection> Connection::open(const QString &path, DbError *error)
{
    if (ServerAddress::isServerAddress(path))
        return openServer(path, false, error);
    const QFileInfo info(path);
    if (!isFile(info, error))
        return nullptr;

    std::shared_ptr<Connection> c(new Connection);
    c->m_path = info.absoluteFilePath();
    // No SQLITE_OPEN_CREATE: opening must never make a file appear.
    c->m_readOnly = !canWrite(c->m_path);
    const int rc = sqlite3_open_v2(QFile::encodeName(c->m_path).constData(), &c->m_db,
                                   c->m_readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        setError(error, errorOf(c->m_db, rc));
        return nullptr;
    }
    sqlite3_extended_result_codes(c->m_db, 1);
    sqlite3_busy_timeout(c->m_db, 3000);

    // Reading the schema is the cheapest test that this is a database at all;
    // it reads the header and writes nothing.
    DbError probe;
    if (!c->run("SELECT count(*) FROM sqlite_master", &probe)) {
        if ((probe.code & 0xff) == SQLITE_NOTADB)
            probe.message = QCoreApplication::translate(
                                "Connection", "%1 is not an Ordoteca catalogue: the file is not a database.")
                                .arg(QDir::toNativeSeparators(c->m_path));
        else if ((probe.code & 0xff) == SQLITE_BUSY || (probe.code & 0xff) == SQLITE_LOCKED)
            probe.message = LockedMessage(c->m_path);
        setError(error, probe);
        return nullptr;
    }
    if (!c->run("PRAGMA foreign_keys = ON", error))
        return nullptr;
    c->m_readOnly = c->m_readOnly || sqlite3_db_readonly(c->m_db, "main") == 1;
    // Case-insensitive LIKE for every script, on this connection only: the
    // file itself needs nothing the stock shell lacks.
    if (!RegisterSqlFunctions(c->m_db)) {
        setError(error, errorOf(c->m_db, sqlite3_errcode(c->m_db)));
        return nullptr;
    }
    return c;
}

std::shared_ptr<Connection> Connection::openReader(const QString &path, DbError *error)
{
    if (ServerAddress::isServerAddress(path))
        return openServer(path, true, error);
    const QFileInfo info(path);
    if (!isFile(info, error))
        return nullptr;
    std::shared_ptr<Connection> c(new Connection);
    c->m_path = info.absoluteFilePath();
    c->m_readOnly = true;
    const int rc = sqlite3_open_v2(QFile::encodeName(c->m_path).constData(), &c->m_db,
                                   SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK || !RegisterSqlFunctions(c->m_db)) {
        setError(error, errorOf(c->m_db, rc != SQLITE_OK ? rc : sqlite3_errcode(c->m_db)));
        return nullptr;
    }
    sqlite3_extended_result_codes(c->m_db, 1);
    sqlite3_busy_timeout(c->m_db, 3000);
    return c;
}

QString Connection::LockedMessage(const QString &path)
{
    return QCoreApplication::translate("Connection",
                                       "%1 is in use by another program. Close it there and try again.")
        .arg(QDir::toNativeSeparators(path));
}

bool Connection::run(const char *sql, DbError *error)
{
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        setError(error, errorOf(m_db, rc));
        return false;
    }
    return true;
}

QString Connection::userName() const
{
    return m_pg ? m_pg->user() : QString();
}

bool Connection::hasTable(const QString &table)
{
    if (m_pg)
        return m_pg->hasTable(table);
    Recordset rs;
    return rs.open(*this, QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name='%1' COLLATE NOCASE")
                              .arg(QString(table).replace(QLatin1Char('\''), QStringLiteral("''")))) &&
           !rs.isEOF();
}

bool Connection::hasColumn(const QString &table, const QString &column)
{
    if (m_pg)
        return m_pg->hasColumn(table, column);
    Recordset rs;
    if (!rs.open(*this, QStringLiteral("PRAGMA table_info(\"%1\")").arg(QString(table).remove(QLatin1Char('"')))))
        return false;
    for (; !rs.isEOF(); rs.moveNext()) {
        if (rs.fieldText(1).compare(column, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool Connection::writeBytes(const QString &sql, const QByteArray &bytes, DbError *error)
{
    if (m_pg)
        return m_pg->writeBytes(sql, bytes, error);
    sqlite3_stmt *stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    int rc = sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &stmt, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_bind_blob64(stmt, 1, bytes.constData(), sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(stmt);
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE) {
        setError(error, errorOf(m_db, rc));
        return false;
    }
    return true;
}

QByteArray Connection::readBytes(const QString &sql, bool *found, DbError *error)
{
    if (found)
        *found = false;
    if (m_pg)
        return m_pg->readBytes(sql, found, error);
    sqlite3_stmt *stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    QByteArray bytes;
    int rc = sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &stmt, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW) {
        if (found)
            *found = true;
        bytes = QByteArray(static_cast<const char *>(sqlite3_column_blob(stmt, 0)), sqlite3_column_bytes(stmt, 0));
    } else if (rc != SQLITE_DONE) {
        setError(error, errorOf(m_db, rc));
    }
    sqlite3_finalize(stmt);
    return bytes;
}

int Connection::changeSocket() const
{
    return m_pg ? m_pg->socket() : -1;
}

QStringList Connection::takeChanges()
{
    return m_pg ? m_pg->takeChanges() : QStringList();
}

bool Connection::isConnectionLost() const
{
    return m_pg && m_pg->isLost();
}

bool Connection::reconnect(DbError *error)
{
    return !m_pg || m_pg->reconnect(error);
}

std::unique_ptr<Recordset> Connection::execute(const QString &sql, qint64 *recordsAffected, DbError *error)
{
    auto rs = std::make_unique<Recordset>();
    if (!rs->open(*this, sql, error))
        return nullptr;
    if (recordsAffected)
        *recordsAffected = rs->recordsAffected();
    if (rs->fieldCount() == 0)
        rs->close();
    return rs;
}

bool Connection::enforceForeignKeys(DbError *error)
{
    if (m_pg)
        return true; // the server always enforces them
    return run("PRAGMA foreign_keys = ON", error);
}

void Connection::restoreProgramSettings()
{
    if (m_pg)
        return;
    enforceForeignKeys();
    RegisterSqlFunctions(m_db);
}

bool Connection::foreignKeysEnforced() const
{
    if (m_pg)
        return true;
    sqlite3_stmt *stmt = nullptr;
    bool on = false;
    if (sqlite3_prepare_v2(m_db, "PRAGMA foreign_keys", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        on = sqlite3_column_int(stmt, 0) != 0;
    sqlite3_finalize(stmt);
    return on;
}

void Connection::interrupt()
{
    if (m_pg)
        m_pg->cancel();
    if (m_db)
        sqlite3_interrupt(m_db);
}

bool Connection::begin(DbError *error)
{
    if (m_pg)
        return m_pg->begin(error);
    return run("BEGIN IMMEDIATE", error);
}

bool Connection::commit(DbError *error)
{
    if (m_pg)
        return m_pg->commit(error);
    return run("COMMIT", error);
}

void Connection::rollback()
{
    if (m_pg)
        return m_pg->rollback();
    if (inTransaction())
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

bool Connection::inTransaction() const
{
    if (m_pg)
        return m_pg->inTransaction();
    return m_db && sqlite3_get_autocommit(m_db) == 0;
}

DbError Connection::lastError() const
{
    if (m_pg)
        return m_pg->lastError();
    return errorOf(m_db, sqlite3_errcode(m_db));
}

Transaction::Transaction(Connection &connection) : m_connection(connection)
{
    if (connection.inTransaction()) {
        m_ok = true; // part of the caller's transaction
        return;
    }
    m_owner = m_ok = connection.begin();
}

Transaction::~Transaction()
{
    if (m_owner && !m_done)
        m_connection.rollback();
}

bool Transaction::commit(DbError *error)
{
    if (!m_ok || m_done)
        return m_ok;
    m_done = true;
    if (!m_owner)
        return true;
    if (!m_connection.commit(error)) {
        m_connection.rollback();
        return false;
    }
    return true;
}
