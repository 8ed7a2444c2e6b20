#pragma once

#include <QString>

// A failed database call: the engine's result code and its message text.
struct DbError
{
    int code = 0;
    QString message;

    bool isSet() const { return code != 0; }
};

// Codes of failures that callers tell apart whichever engine reported them.
// Negative, so that they never meet an engine's own result codes.
namespace DbErrorCode {
constexpr int PasswordNeeded = -1001;  // the server asks for a password and none was given
constexpr int PasswordWrong = -1002;   // the server refused the user name or password
constexpr int ServerUnreachable = -1003; // nothing answers at that host and port
constexpr int TlsRefused = -1004;      // an encrypted connection was required and not had
constexpr int ConnectionLost = -1005;  // the server went away during the session
constexpr int SchemaNewer = -1006;     // made by a newer version of the program
constexpr int NoCatalogue = -1007;     // the database holds no catalogue yet
constexpr int Conflict = -1010;        // someone else saved the same row first
constexpr int RowDeleted = -1011;      // someone else deleted the row being saved
} // namespace DbErrorCode
