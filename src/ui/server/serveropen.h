#pragma once

#include <QString>

class COrdoDoc;
class IPasswordPrompt;

// Opening a catalogue on a server, the one way the dialog, the recent list
// and the command line all take. The server may want a password: the
// session's, the keyring's or, failing both, one the user types (asked
// again after a refusal, until Cancel). A database without a catalogue is
// offered one. Every failure has been shown when these return false.
namespace ServerOpen {

// Opens address as doc's catalogue.
bool open(COrdoDoc &doc, const QString &address, IPasswordPrompt &prompt);
// Makes a catalogue at address, then opens it.
bool create(COrdoDoc &doc, const QString &address, IPasswordPrompt &prompt);
// Makes a catalogue at address and leaves it closed (a copy goes there
// first); the password it took stays with the session.
bool make(const QString &address, IPasswordPrompt &prompt);

} // namespace ServerOpen
