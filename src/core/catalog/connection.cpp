#include "connection.h"

#include "recordset.h"
#include "sqlfunctions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <sqlite3.h>

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

std::shared_ptr<Connection> Connection::open(const QString &path, DbError *error)
{
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
    return run("PRAGMA foreign_keys = ON", error);
}

void Connection::restoreProgramSettings()
{
    enforceForeignKeys();
    RegisterSqlFunctions(m_db);
}

bool Connection::foreignKeysEnforced() const
{
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
    if (m_db)
        sqlite3_interrupt(m_db);
}

bool Connection::begin(DbError *error)
{
    return run("BEGIN IMMEDIATE", error);
}

bool Connection::commit(DbError *error)
{
    return run("COMMIT", error);
}

void Connection::rollback()
{
    if (inTransaction())
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

bool Connection::inTransaction() const
{
    return m_db && sqlite3_get_autocommit(m_db) == 0;
}

DbError Connection::lastError() const
{
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
