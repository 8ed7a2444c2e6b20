#pragma once

#include "dberror.h"
#include "fieldvalue.h"
#include "serveraddress.h"

#include <QHash>
#include <QStringList>
#include <memory>
#include <vector>

struct pg_conn;
struct pg_result;

// The rows of one statement on a server catalogue, fetched whole.
struct PgRows
{
    ~PgRows();
    pg_result *result = nullptr;
    int row = 0;
    int rows = 0;
    std::vector<FieldValue::Kind> kinds;
};

// The PostgreSQL engine behind Connection: one libpq connection and what the
// program needs of it (the SQLite dialect it writes, statement-level
// rollback inside transactions, change notifications, reconnecting).
class PgLink
{
public:
    ~PgLink();

    static std::unique_ptr<PgLink> connect(const ServerAddress &address, const QString &password, bool reader,
                                           DbError *error);

    // Runs one statement written in the program's SQL; null with the error on
    // failure. Inside a transaction a failed statement undoes only itself.
    std::unique_ptr<PgRows> query(const QString &sql, qint64 *changes, DbError *error);
    // Runs server SQL as it stands, outside the statement-level rollback.
    bool run(const QByteArray &sql, DbError *error);

    bool begin(DbError *error);
    bool commit(DbError *error);
    void rollback();
    bool inTransaction() const;
    void cancel();

    bool writeBytes(const QString &sql, const QByteArray &bytes, DbError *error);
    QByteArray readBytes(const QString &sql, bool *found, DbError *error);

    int socket() const;
    QStringList takeChanges();
    bool isLost() const;
    bool reconnect(DbError *error);

    QString user() const { return m_user; }
    // The schema the catalogue lives in.
    QString schema() const { return m_schema; }
    bool hasTable(const QString &table);
    bool hasColumn(const QString &table, const QString &column);

    DbError lastError() const { return m_lastError; }

    // The message of a failed connection attempt, sorted by DbErrorCode.
    static DbError connectionError(const QByteArray &libpqMessage);

private:
    PgLink() = default;
    bool setUp(DbError *error);
    pg_result *exec(const QByteArray &sql, DbError *error);
    DbError errorOf(pg_result *result) const;
    void resolveKinds(PgRows &rows);
    // Whether sql (server SQL, run as it stands) gives at least one row.
    bool returnsRows(const QString &sql);

    pg_conn *m_conn = nullptr;
    QByteArray m_conninfo;
    QString m_user;
    QString m_schema;
    bool m_reader = false;
    bool m_listening = false;
    QStringList m_changes;
    DbError m_lastError;
    // (table oid, column number) -> the column's declared kind.
    QHash<quint64, FieldValue::Kind> m_columnKinds;
};
