#pragma once

#include "app/windows1252.h"

#include <QJsonArray>
#include <QJsonValue>
#include <QString>

// Reading the values of a service's JSON answer as text.

// A string (trimmed; control characters left over from Windows-1252
// repaired first, so that a final "…" is not trimmed away as a line break)
// or a number as text; empty for anything else.
inline QString JsonText(const QJsonValue &value)
{
    if (value.isString()) {
        QString text = value.toString();
        RepairC1Controls(text);
        return text.trimmed();
    }
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 15);
    return {};
}

// The first element of an array value; undefined for anything else.
inline QJsonValue JsonFirst(const QJsonValue &value)
{
    const QJsonArray array = value.toArray();
    return array.isEmpty() ? QJsonValue(QJsonValue::Undefined) : array.at(0);
}

// The first element of an array, or the value itself, as text.
inline QString JsonFirstText(const QJsonValue &value)
{
    return value.isArray() ? JsonText(JsonFirst(value)) : JsonText(value);
}
