#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

// One field of a recordset row. The kind comes from the column's declared type
// in the catalogue (INTEGER, YESNO, CURRENCY, DOUBLE, DATE, TEXT), so a field
// reads back as the kind of value the program stored in it.
struct FieldValue
{
    enum class Kind { Null, Int16, Bool, Int32, Single, Double, Currency, Date, Text, Byte };

    Kind kind = Kind::Null;
    QVariant value; // qint32, bool, double, QDateTime or QString by kind

    bool isNull() const { return kind == Kind::Null; }
    int toInt() const { return value.toInt(); }
    bool toBool() const;
    double toDouble() const { return value.toDouble(); }
    QString toString() const { return value.toString(); }
    QDateTime toDateTime() const { return value.toDateTime(); }
};
