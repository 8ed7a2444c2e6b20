#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

// One field of a recordset row. The kind comes from the column's declared type
// in the catalogue (INTEGER, YESNO, CURRENCY, DOUBLE, DATE, TEXT), so a field
// reads back as the kind of value the program stored in it.
struct FieldValue
{
    // An INTEGER column gives Int32 while the value fits 32 bits (callers
    // compare kinds) and Int64 beyond, so that no number is ever cut short.
    enum class Kind { Null, Int16, Bool, Int32, Single, Double, Currency, Date, Text, Byte, Int64 };

    Kind kind = Kind::Null;
    QVariant value; // qint32, qint64, bool, double, QDateTime or QString by kind

    bool isNull() const { return kind == Kind::Null; }
    int toInt() const { return value.toInt(); }
    qint64 toInt64() const { return value.toLongLong(); }
    bool isInteger() const { return kind == Kind::Int32 || kind == Kind::Int64; }
    bool toBool() const;
    double toDouble() const { return value.toDouble(); }
    QString toString() const { return value.toString(); }
    QDateTime toDateTime() const { return value.toDateTime(); }
};
