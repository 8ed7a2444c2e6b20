#pragma once

#include "dberror.h"

#include <QString>
#include <memory>

struct sqlite3;
class Recordset;
class PgLink;

// The one connection to an open catalogue: a file (an SQLite database) or a
// catalogue on a PostgreSQL server, named by its postgresql:// address. The
// two engines live behind this class and Recordset; nothing else knows which
// one it talks to. Shared by the document and everything that borrows it.
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
    // An address (ServerAddress::isServerAddress) opens the catalogue on the
    // server instead, with the session's password (ServerPasswords) or
    // ~/.pgpass; DbErrorCode tells the failures apart.
    static std::shared_ptr<Connection> open(const QString &path, DbError *error = nullptr);
    // A second, read-only connection to an open catalogue for one thread's
    // use only: the engine takes no lock around each call, which long reads
    // (the book list) feel. It sees what other connections have committed.
    static std::shared_ptr<Connection> openReader(const QString &path, DbError *error = nullptr);
    // Makes a catalogue in the empty database or schema an address names
    // (ServerAddress): its tables, fixed rows and what sharing needs, in one
    // transaction. A database that already holds one is left alone.
    static bool createServerCatalogue(const QString &address, DbError *error = nullptr);

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

    // The file's absolute path, or the server catalogue's address.
    QString path() const { return m_path; }
    // A file that cannot be written, or a server user without the right to
    // change books.
    bool isReadOnly() const { return m_readOnly; }

    // Several people use this catalogue at once (it lives on a server): saves
    // check row versions, changes by others arrive as notifications, and
    // pictures are kept in the catalogue itself rather than in a folder.
    bool isShared() const { return m_pg != nullptr; }
    // The name the server knows this user by; empty for a file.
    QString userName() const;
    // Whether the catalogue has a table, or a table has a column (any case).
    bool hasTable(const QString &table);
    bool hasColumn(const QString &table, const QString &column);

    // Runs sql, which holds one "?" standing for bytes (a picture).
    bool writeBytes(const QString &sql, const QByteArray &bytes, DbError *error = nullptr);
    // The first column of the first row of sql as bytes; found is false when
    // there is no row.
    QByteArray readBytes(const QString &sql, bool *found = nullptr, DbError *error = nullptr);

    // A socket that becomes readable when others change the catalogue; -1
    // when none does (a file). takeChanges() then names the tables changed
    // by other connections since the last call (each once).
    int changeSocket() const;
    QStringList takeChanges();
    // The server went away; calls fail until reconnect() succeeds.
    bool isConnectionLost() const;
    bool reconnect(DbError *error = nullptr);
    // "<file> is in use by another program. ..."
    static QString LockedMessage(const QString &path);
    sqlite3 *handle() const { return m_db; }

    DbError lastError() const;

private:
    Connection() = default;
    bool run(const char *sql, DbError *error);
    friend class Recordset;

    static std::shared_ptr<Connection> openServer(const QString &address, bool reader, DbError *error);

    sqlite3 *m_db = nullptr;
    std::unique_ptr<PgLink> m_pg;
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
