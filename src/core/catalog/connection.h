#pragma once

#include "dberror.h"

#include <QString>
#include <memory>

struct sqlite3;
class Recordset;

// The one connection to an open catalogue file (an SQLite database).
// Shared by the document and everything that borrows it for a command.
class Connection
{
public:
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Opens an existing catalogue file for reading and writing, or for
    // reading only when the file or its folder cannot be written. A missing
    // file is never created; a file that is not a database is refused
    // unchanged; one locked by another program gives LockedMessage.
    static std::shared_ptr<Connection> open(const QString &path, DbError *error = nullptr);
    // A second, read-only connection to an open catalogue for one thread's
    // use only: the engine takes no lock around each call, which long reads
    // (the book list) feel. It sees what other connections have committed.
    static std::shared_ptr<Connection> openReader(const QString &path, DbError *error = nullptr);

    // Runs one SQL statement. Rows it returns come back as an open recordset on
    // its first row (an empty, closed one for statements without rows);
    // recordsAffected gets the rows inserted, changed or deleted. Null on error.
    std::unique_ptr<Recordset> execute(const QString &sql, qint64 *recordsAffected = nullptr,
                                       DbError *error = nullptr);

    // Turns foreign keys (and their cascades) back on, for instance after a
    // statement typed by the user switched them off. Does nothing inside a
    // transaction (the engine's rule).
    bool enforceForeignKeys(DbError *error = nullptr);
    bool foreignKeysEnforced() const;
    // Foreign keys on and the program's SQL functions (Unicode LIKE, ...) in
    // place again: "PRAGMA case_sensitive_like" typed by the user would
    // otherwise bring back the engine's A-Z-only LIKE for the session.
    void restoreProgramSettings();

    // Stops the statement running on this connection (from any thread): it
    // fails with SQLITE_INTERRUPT.
    void interrupt();

    // Groups statements so that they commit together (see Transaction).
    bool begin(DbError *error = nullptr);
    bool commit(DbError *error = nullptr);
    void rollback();
    bool inTransaction() const;

    QString path() const { return m_path; }
    bool isReadOnly() const { return m_readOnly; }
    // "<file> is in use by another program. ..."
    static QString LockedMessage(const QString &path);
    sqlite3 *handle() const { return m_db; }

    DbError lastError() const;

private:
    Connection() = default;
    bool run(const char *sql, DbError *error);

    sqlite3 *m_db = nullptr;
    QString m_path;
    bool m_readOnly = false;
};

// Commits on commit(), rolls back when destroyed without one. Nested guards on
// a connection that already has a transaction do nothing, so a caller's
// transaction simply includes the work of a function that opens its own.
class Transaction
{
public:
    explicit Transaction(Connection &connection);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    [[nodiscard]] bool isActive() const { return m_ok; }
    bool commit(DbError *error = nullptr);

private:
    Connection &m_connection;
    bool m_owner = false;
    bool m_ok = false;
    bool m_done = false;
};
