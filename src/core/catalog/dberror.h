#pragma once

#include <QString>

// A failed database call: the engine's result code and its message text.
struct DbError
{
    int code = 0;
    QString message;

    bool isSet() const { return code != 0; }
};
