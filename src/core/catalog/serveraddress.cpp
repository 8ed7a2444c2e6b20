#include "serveraddress.h"

#include <QCoreApplication>
#include <QHash>
#include <QMutex>
#include <QUrl>
#include <QUrlQuery>

namespace {

const QStringList kSslModes = {QStringLiteral("disable"), QStringLiteral("allow"), QStringLiteral("prefer"),
                               QStringLiteral("require"), QStringLiteral("verify-ca"),
                               QStringLiteral("verify-full")};


// One key=value pair of a libpq connection string, quoted as libpq wants:
// inside single quotes with backslashes and quotes escaped.
QByteArray pair(const char *key, const QString &value)
{
    QByteArray v = value.toUtf8();
    v.replace('\\', "\\\\");
    v.replace('\'', "\\'");
    return QByteArray(key) + "='" + v + "' ";
}

} // namespace

bool ServerAddress::isServerAddress(const QString &text)
{
    return text.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           text.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

std::optional<ServerAddress> ServerAddress::parse(const QString &text, QString *error)
{
    const auto fail = [error](const QString &message) -> std::optional<ServerAddress> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    if (!isServerAddress(text))
        return fail(QCoreApplication::translate("ServerAddress", "%1 is not a server catalogue address (postgresql://user@host:port/database).").arg(text));
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid())
        return fail(QCoreApplication::translate("ServerAddress", "%1 is not a valid address: %2").arg(text, url.errorString()));
    if (!url.password().isEmpty())
        return fail(QCoreApplication::translate("ServerAddress", "Addresses of server catalogues never hold a password; remove it from %1.")
                        .arg(url.toString(QUrl::RemovePassword)));
    ServerAddress a;
    if (!url.host().isEmpty())
        a.host = url.host();
    a.port = url.port(5432);
    if (a.port <= 0 || a.port > 65535)
        return fail(QCoreApplication::translate("ServerAddress", "The port must be a number from 1 to 65535."));
    a.database = url.path(QUrl::FullyDecoded).mid(1);
    if (a.database.isEmpty())
        return fail(QCoreApplication::translate("ServerAddress", "The address %1 names no database.").arg(text));
    a.user = url.userName(QUrl::FullyDecoded);
    const QUrlQuery query(url);
    a.schema = query.queryItemValue(QStringLiteral("schema"), QUrl::FullyDecoded);
    a.sslMode = query.queryItemValue(QStringLiteral("sslmode"), QUrl::FullyDecoded).toLower();
    if (!a.sslMode.isEmpty() && !kSslModes.contains(a.sslMode))
        return fail(QCoreApplication::translate("ServerAddress", "Unknown TLS mode \"%1\"; use disable, prefer, require or verify-full.").arg(a.sslMode));
    return a;
}

QString ServerAddress::toString() const
{
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    url.setHost(host);
    if (!user.isEmpty())
        url.setUserName(user);
    url.setPort(port);
    url.setPath(QLatin1Char('/') + database);
    QUrlQuery query;
    if (!sslMode.isEmpty())
        query.addQueryItem(QStringLiteral("sslmode"), sslMode);
    if (!schema.isEmpty())
        query.addQueryItem(QStringLiteral("schema"), schema);
    url.setQuery(query);
    return url.toString(QUrl::FullyEncoded);
}

QString ServerAddress::displayName() const
{
    const QString where = port == 5432 ? host : QStringLiteral("%1:%2").arg(host).arg(port);
    const QString what = schema.isEmpty() ? database : QStringLiteral("%1.%2").arg(database, schema);
    return QCoreApplication::translate("ServerAddress", "%1 on %2").arg(what, where);
}

QByteArray ServerAddress::conninfo(const QString &password, const QString &applicationName) const
{
    QByteArray info = pair("host", host) + pair("port", QString::number(port)) + pair("dbname", database);
    if (!user.isEmpty())
        info += pair("user", user);
    if (!password.isEmpty())
        info += pair("password", password);
    if (!sslMode.isEmpty())
        info += pair("sslmode", sslMode);
    info += pair("application_name", applicationName);
    // A server that does not answer must not freeze the program for minutes.
    info += pair("connect_timeout", QStringLiteral("10"));
    // Dead peers are found by the kernel within about a minute.
    info += pair("keepalives_idle", QStringLiteral("30"));
    info += pair("keepalives_interval", QStringLiteral("10"));
    info += pair("keepalives_count", QStringLiteral("3"));
    return info.trimmed();
}

namespace {
QMutex g_passwordsLock;
QHash<QString, QString> &passwords()
{
    static QHash<QString, QString> map;
    return map;
}
} // namespace

void ServerPasswords::set(const QString &address, const QString &password)
{
    QMutexLocker lock(&g_passwordsLock);
    passwords().insert(address, password);
}

QString ServerPasswords::get(const QString &address)
{
    QMutexLocker lock(&g_passwordsLock);
    return passwords().value(address);
}

void ServerPasswords::forget(const QString &address)
{
    QMutexLocker lock(&g_passwordsLock);
    passwords().remove(address);
}
