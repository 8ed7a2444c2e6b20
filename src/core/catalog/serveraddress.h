#pragma once

#include <QString>
#include <optional>

// Where a catalogue on a PostgreSQL server lives, written as
// postgresql://user@host:port/database?sslmode=...&schema=... (never with a
// password). The recent list, the command line and the document's path hold
// this text where a file catalogue holds its path.
struct ServerAddress
{
    QString host = QStringLiteral("localhost");
    int port = 5432;
    QString database;
    QString user;
    // Empty: the database's default schema ("public").
    QString schema;
    // disable, prefer, require or verify-full; empty means libpq's default.
    QString sslMode;

    // Whether text is a server address rather than a file path.
    static bool isServerAddress(const QString &text);
    // Null (with a message) when text is not a usable address.
    static std::optional<ServerAddress> parse(const QString &text, QString *error = nullptr);

    QString toString() const;
    // "books on shelf.example.org" for titles and messages.
    QString displayName() const;
    // libpq's key=value connection string; an empty password leaves libpq to
    // look in ~/.pgpass and PGPASSWORD as every PostgreSQL client does.
    QByteArray conninfo(const QString &password, const QString &applicationName) const;

    bool operator==(const ServerAddress &other) const { return toString() == other.toString(); }
};

// Passwords typed in this session, by address, so that the program's second
// connections (list reader, page, statistics) need not ask again. Kept in
// memory only; remembering across sessions is the keyring's business.
namespace ServerPasswords {
void set(const QString &address, const QString &password);
QString get(const QString &address);
void forget(const QString &address);
} // namespace ServerPasswords
