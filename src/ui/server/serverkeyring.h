#pragma once

#include <QString>

// Passwords the user asked to remember, in the desktop's keyring (service
// "Ordoteca", keyed by the catalogue's address), never in the settings.
// Any failure of the keyring (none running, locked, refused) is silent: a
// password not found is simply asked for.
namespace ServerKeyring {
QString read(const QString &address);
void store(const QString &address, const QString &password);
void forget(const QString &address);
// Off: the keyring is left alone (tests that must not touch the desktop's).
void setEnabled(bool enabled);
} // namespace ServerKeyring
