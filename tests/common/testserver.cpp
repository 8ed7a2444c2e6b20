#include "testserver.h"

#include "catalog/recordset.h"
#include "catalog/serveraddress.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

namespace {

QString folder()
{
    return qEnvironmentVariable("ORDO_TEST_PGDIR");
}

} // namespace

bool TestServer::available()
{
    return !folder().isEmpty() && QFile::exists(folder() + QStringLiteral("/port"));
}

int TestServer::port()
{
    QFile file(folder() + QStringLiteral("/port"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no test server port in %s", qPrintable(folder()));
    return file.readAll().trimmed().toInt();
}

QString TestServer::address(const QString &user, const QString &schema, const QString &sslMode)
{
    ServerAddress a;
    a.host = QStringLiteral("127.0.0.1");
    a.port = port();
    a.database = QStringLiteral("ordotest");
    a.user = user;
    a.schema = schema;
    a.sslMode = sslMode;
    const QString text = a.toString();
    ServerPasswords::set(text, user + QStringLiteral("-pw"));
    return text;
}

QString TestServer::newCatalogue(const QString &user)
{
    static QAtomicInt counter;
    const QString schema = QStringLiteral("t%1_%2_%3")
                               .arg(QCoreApplication::applicationPid())
                               .arg(counter.fetchAndAddRelaxed(1))
                               .arg(QRandomGenerator::global()->bounded(100000));
    DbError error;
    if (!Connection::createServerCatalogue(address(QStringLiteral("ordo_admin"), schema), &error))
        qFatal("cannot make a server catalogue: %s", qPrintable(error.message));
    if (user != QLatin1String("ordo_admin")) {
        auto admin = open(address(QStringLiteral("ordo_admin"), schema));
        const bool reader = user == QLatin1String("ordo_reader");
        const QString rights = reader ? QStringLiteral("SELECT") : QStringLiteral("SELECT, INSERT, UPDATE, DELETE");
        for (const QString &sql : {QStringLiteral("GRANT USAGE ON SCHEMA %1 TO %2").arg(schema, user),
                                   QStringLiteral("GRANT %3 ON ALL TABLES IN SCHEMA %1 TO %2").arg(schema, user, rights),
                                   QStringLiteral("GRANT SELECT ON ALL SEQUENCES IN SCHEMA %1 TO %2").arg(schema, user)}) {
            if (!admin->execute(sql, nullptr, &error))
                qFatal("cannot grant: %s", qPrintable(error.message));
        }
    }
    return address(user, schema);
}

QString TestServer::schemaOf(const QString &text)
{
    const auto a = ServerAddress::parse(text);
    return a ? a->schema : QString();
}

std::shared_ptr<Connection> TestServer::open(const QString &text)
{
    DbError error;
    auto c = Connection::open(text, &error);
    if (!c)
        qFatal("cannot open %s: %s", qPrintable(text), qPrintable(error.message));
    return c;
}
