#pragma once

#include "dberror.h"
#include "fieldvalue.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

struct sqlite3_stmt;
struct PgRows;
class PgLink;
class Connection;

// A forward-only cursor over the rows of one SQL statement. After open() it
// stands on the first row (or at its end when there are none).
class Recordset
{
public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset &) = delete;
    Recordset &operator=(const Recordset &) = delete;

    // Prepares and runs the statement; false (with the error) when it fails.
    bool open(Connection &connection, const QString &sql, DbError *error = nullptr);
    void close();

    bool isOpen() const { return m_stmt != nullptr || m_pg != nullptr; }
    bool isEOF() const { return m_eof; }
    bool moveNext(DbError *error = nullptr);

    int fieldCount() const { return int(m_names.size()); }
    QString fieldName(int index) const { return m_names.value(index); }
    // Column position for a name compared without regard to case, -1 if none.
    int fieldIndex(const QString &name) const;

    FieldValue field(int index) const;
    // The kind of value the column is declared to hold (Null: undeclared).
    FieldValue::Kind fieldKind(int index) const
    {
        return index >= 0 && index < int(m_declared.size()) ? m_declared[size_t(index)] : FieldValue::Kind::Null;
    }
    FieldValue field(const QString &name) const { return field(fieldIndex(name)); }
    // FieldToText(field(index)), with text read straight from the row: the
    // book list reads hundreds of thousands of values at a time.
    QString fieldText(int index) const;

    // The whole 64-bit integer of a field: 0 for NULL or no row.
    qint64 int64Field(int index) const;

    // The field's text as UTF-8 bytes, valid until the next move; for readers
    // of many rows. Empty for NULL.
    QByteArrayView fieldUtf8(int index) const;
    // Whether the field holds a whole number (not NULL, not text).
    bool holdsInteger(int index) const;

    qint64 recordsAffected() const { return m_changes; }
    const DbError &lastError() const { return m_error; }

private:
    friend class Connection;
    bool step(DbError *error);
    bool openOnServer(PgLink &link, const QString &sql, DbError *error);
    FieldValue serverField(int index) const;

    Connection *m_connection = nullptr;
    sqlite3_stmt *m_stmt = nullptr;
    std::unique_ptr<PgRows> m_pg;
    QStringList m_names;
    std::vector<FieldValue::Kind> m_declared;
    bool m_eof = true;
    qint64 m_changes = 0;
    DbError m_error;
};
