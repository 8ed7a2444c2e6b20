#pragma once

#include "catalog/serveraddress.h"
#include "server/passwordprompt.h"

#include <QFile>
#include <QStringList>
#include <QUuid>
#include <QVector>

// The private test server (scripts/pg-test-server), when CTest started one.
namespace ServerFixture {

inline QString folder()
{
    return qEnvironmentVariable("ORDO_TEST_PGDIR");
}

inline int port()
{
    QFile file(folder() + QStringLiteral("/port"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readAll().trimmed().toInt();
}

// An address of the test database in a schema no other test uses.
inline ServerAddress freshAddress(const QString &user = QStringLiteral("ordo_admin"))
{
    ServerAddress a;
    a.host = QStringLiteral("127.0.0.1");
    a.port = port();
    a.database = QStringLiteral("ordotest");
    a.user = user;
    a.sslMode = QStringLiteral("disable");
    a.schema = QStringLiteral("ui_") + QUuid::createUuid().toString(QUuid::Id128).left(12);
    return a;
}

} // namespace ServerFixture

#define SKIP_WITHOUT_SERVER()                                                                                   \
    do {                                                                                                        \
        if (ServerFixture::folder().isEmpty() || ServerFixture::port() == 0)                                    \
            QSKIP("no test server (ORDO_TEST_PGDIR)");                                                          \
    } while (false)

// Answers password questions from a script and remembers what was asked.
class ScriptedPrompt : public IPasswordPrompt
{
public:
    struct Answer
    {
        bool ok = true;
        QString password;
        bool remember = false;
    };

    bool ask(const QString &where, const QString &user, const QString &note, QString *password,
             bool *remember) override
    {
        asked << where;
        users << user;
        notes << note;
        if (answers.isEmpty())
            return false;
        const Answer a = answers.takeFirst();
        *password = a.password;
        *remember = a.remember;
        return a.ok;
    }

    QVector<Answer> answers;
    QStringList asked;
    QStringList users;
    QStringList notes;
};
