#include "catalog/connection.h"
#include "catalog/ordodoc.h"
#include "catalog/serveraddress.h"
#include "recordingmessenger.h"
#include "server/serverkeyring.h"
#include "server/serveropen.h"
#include "serverfixture.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTest>

namespace {

// A port on this machine where nothing listens.
int closedPort()
{
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost))
        return 1;
    const int port = server.serverPort();
    server.close();
    return port;
}

const QString kRefused = QStringLiteral("The server refused the user name or password.");

} // namespace

class ServerOpenTest : public QObject
{
    Q_OBJECT

private slots:
    void unreachableServerIsSaidAndAsksNoPassword()
    {
        // No keyring runs here either: that must cost nothing and say nothing.
        ServerKeyring::setEnabled(true);
        RecordingMessenger messages;
        ScriptedPrompt prompt;
        COrdoDoc doc;
        const QString address =
            QStringLiteral("postgresql://reader@127.0.0.1:%1/books?sslmode=disable").arg(closedPort());
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!ServerOpen::open(doc, address, prompt));
        QVERIFY(clock.elapsed() < 15000);
        QVERIFY(prompt.asked.isEmpty());
        QCOMPARE(messages.messages.size(), 1);
        QVERIFY(!messages.messages.constFirst().isEmpty());
        QCOMPARE(messages.icons.constFirst(), IMessenger::Icon::Error);
        QVERIFY(!doc.hasConnection());
    }

    void unusableAddressIsSaid()
    {
        RecordingMessenger messages;
        ScriptedPrompt prompt;
        COrdoDoc doc;
        QVERIFY(!ServerOpen::open(doc, QStringLiteral("postgresql://u@localhost:5432/"), prompt));
        QCOMPARE(messages.messages.size(), 1);
        QVERIFY(messages.messages.constFirst().contains(QLatin1String("names no database")));
        QVERIFY(prompt.asked.isEmpty());
    }

    void wrongPasswordIsAskedAgainUntilRight()
    {
        SKIP_WITHOUT_SERVER();
        ServerKeyring::setEnabled(false);
        RecordingMessenger messages;
        messages.answer = true; // create a catalogue there
        const ServerAddress where = ServerFixture::freshAddress();
        const QString address = where.toString();
        ScriptedPrompt prompt;
        prompt.answers = {{true, QStringLiteral("wrong"), false}, {true, QStringLiteral("ordo_admin-pw"), false}};
        COrdoDoc doc;
        QVERIFY(ServerOpen::open(doc, address, prompt));
        QCOMPARE(prompt.notes, (QStringList{QString(), kRefused}));
        QCOMPARE(prompt.users.constFirst(), QStringLiteral("ordo_admin"));
        QCOMPARE(prompt.asked.constFirst(), where.displayName());
        // The empty schema was offered a catalogue, which was made and opened.
        QCOMPARE(messages.questions.size(), 1);
        QVERIFY(messages.questions.constFirst().contains(QLatin1String("holds no Ordoteca catalogue yet")));
        QCOMPARE(messages.messages, QStringList());
        QVERIFY(doc.hasConnection());
        QVERIFY(doc.connection()->isShared());
        QCOMPARE(doc.path(), address);
        // The session keeps the password: a second open asks nothing.
        COrdoDoc second;
        ScriptedPrompt silent;
        QVERIFY(ServerOpen::open(second, address, silent));
        QVERIFY(silent.asked.isEmpty());
        ServerPasswords::forget(address);
    }

    void cancelStopsQuietly()
    {
        SKIP_WITHOUT_SERVER();
        ServerKeyring::setEnabled(false);
        RecordingMessenger messages;
        const QString address = ServerFixture::freshAddress().toString();
        ScriptedPrompt prompt;
        prompt.answers = {{true, QStringLiteral("wrong"), false}, {false, QString(), false}};
        COrdoDoc doc;
        QVERIFY(!ServerOpen::open(doc, address, prompt));
        QCOMPARE(prompt.asked.size(), 2);
        QCOMPARE(messages.messages, QStringList());
        QCOMPARE(messages.questions, QStringList());
        QVERIFY(!doc.hasConnection());
        // The refused password is not kept for the next try.
        QVERIFY(ServerPasswords::get(address).isEmpty());
    }

    void declinedCatalogueOpensNothing()
    {
        SKIP_WITHOUT_SERVER();
        ServerKeyring::setEnabled(false);
        RecordingMessenger messages;
        messages.answer = false;
        const QString address = ServerFixture::freshAddress().toString();
        ServerPasswords::set(address, QStringLiteral("ordo_admin-pw"));
        ScriptedPrompt prompt;
        COrdoDoc doc;
        QVERIFY(!ServerOpen::open(doc, address, prompt));
        QCOMPARE(messages.questions.size(), 1);
        QVERIFY(!doc.hasConnection());
        DbError error;
        QVERIFY(!Connection::open(address, &error));
        QCOMPARE(error.code, DbErrorCode::NoCatalogue);
        ServerPasswords::forget(address);
    }

    void newServerCatalogueIsMadeAndOpened()
    {
        SKIP_WITHOUT_SERVER();
        ServerKeyring::setEnabled(false);
        RecordingMessenger messages;
        const QString address = ServerFixture::freshAddress().toString();
        ScriptedPrompt prompt;
        prompt.answers = {{true, QStringLiteral("ordo_admin-pw"), false}};
        COrdoDoc doc;
        QVERIFY(ServerOpen::create(doc, address, prompt));
        QCOMPARE(prompt.asked.size(), 1);
        QCOMPARE(messages.questions, QStringList());
        QCOMPARE(messages.messages, QStringList());
        QVERIFY(doc.hasConnection());
        QVERIFY(!doc.isReadOnly());
        ServerPasswords::forget(address);
    }
};

QTEST_MAIN(ServerOpenTest)
#include "serveropen_test.moc"
