#include "catalog/serveraddress.h"
#include "recordingmessenger.h"
#include "server/serverdialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

class ServerDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void defaultsAreTheUsualOnes()
    {
        qputenv("USER", "marta");
        CServerDialog dialog(CServerDialog::Purpose::Open);
        QCOMPARE(dialog.hostEdit()->text(), QStringLiteral("localhost"));
        QCOMPARE(dialog.portEdit()->text(), QStringLiteral("5432"));
        QCOMPARE(dialog.userEdit()->text(), QStringLiteral("marta"));
        QCOMPARE(dialog.tlsCombo()->currentData().toString(), QStringLiteral("prefer"));
        QCOMPARE(dialog.tlsCombo()->count(), 4);
    }

    void namesInAnyScriptComeBackFromTheAddress_data()
    {
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("schema");
        QTest::newRow("cyrillic") << QStringLiteral("Библиотека") << QStringLiteral("Пётр") << QString();
        QTest::newRow("chinese") << QStringLiteral("藏书") << QStringLiteral("王小明") << QStringLiteral("家里");
        QTest::newRow("url characters") << QStringLiteral("a/b?c#d") << QStringLiteral("x@y:z")
                                        << QStringLiteral("s&t=u");
    }

    void namesInAnyScriptComeBackFromTheAddress()
    {
        QFETCH(QString, database);
        QFETCH(QString, user);
        QFETCH(QString, schema);
        CServerDialog dialog(CServerDialog::Purpose::Create);
        dialog.hostEdit()->setText(QStringLiteral(" books.example.org "));
        dialog.portEdit()->setText(QStringLiteral("6543"));
        dialog.databaseEdit()->setText(database);
        dialog.userEdit()->setText(user);
        dialog.schemaEdit()->setText(schema);
        dialog.tlsCombo()->setCurrentIndex(dialog.tlsCombo()->findData(QStringLiteral("verify-full")));

        QString problem;
        const std::optional<ServerAddress> address = dialog.address(&problem);
        QVERIFY2(address, qPrintable(problem));
        // What the recent list and the command line keep must read back as
        // the same place.
        const std::optional<ServerAddress> again = ServerAddress::parse(address->toString());
        QVERIFY(again);
        QCOMPARE(again->host, QStringLiteral("books.example.org"));
        QCOMPARE(again->port, 6543);
        QCOMPARE(again->database, database);
        QCOMPARE(again->user, user);
        QCOMPARE(again->schema, schema);
        QCOMPARE(again->sslMode, QStringLiteral("verify-full"));
        QVERIFY(!address->toString().contains(QLatin1Char(' ')));
    }

    void badPortsAreRefused_data()
    {
        QTest::addColumn<QString>("port");
        QTest::newRow("zero") << QStringLiteral("0");
        QTest::newRow("too big") << QStringLiteral("65536");
        QTest::newRow("negative") << QStringLiteral("-5");
        QTest::newRow("words") << QStringLiteral("postgres");
        QTest::newRow("empty") << QString();
    }

    void badPortsAreRefused()
    {
        QFETCH(QString, port);
        RecordingMessenger messages;
        CServerDialog dialog(CServerDialog::Purpose::Open);
        dialog.databaseEdit()->setText(QStringLiteral("books"));
        dialog.portEdit()->setText(port);
        QVERIFY(!dialog.address());
        dialog.show();
        dialog.accept();
        // Said, and the dialog stays for the user to correct it.
        QCOMPARE(messages.messages, QStringList{QStringLiteral("The port must be a number from 1 to 65535.")});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void highestPortIsTaken()
    {
        CServerDialog dialog(CServerDialog::Purpose::Open);
        dialog.databaseEdit()->setText(QStringLiteral("books"));
        dialog.portEdit()->setText(QStringLiteral("65535"));
        const std::optional<ServerAddress> address = dialog.address();
        QVERIFY(address);
        QCOMPARE(address->port, 65535);
    }

    void databaseIsRequired()
    {
        RecordingMessenger messages;
        CServerDialog dialog(CServerDialog::Purpose::Open);
        dialog.databaseEdit()->setText(QStringLiteral("   "));
        dialog.show();
        dialog.accept();
        QVERIFY(dialog.isVisible());
        QCOMPARE(messages.messages.size(), 1);
        dialog.databaseEdit()->setText(QStringLiteral("books"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void emptySchemaMeansTheDefaultOne()
    {
        CServerDialog dialog(CServerDialog::Purpose::Open);
        dialog.databaseEdit()->setText(QStringLiteral("books"));
        const std::optional<ServerAddress> address = dialog.address();
        QVERIFY(address);
        QVERIFY(address->schema.isEmpty());
        QVERIFY(!address->toString().contains(QLatin1String("schema")));
    }

    void anEarlierAddressFillsTheFields()
    {
        const std::optional<ServerAddress> earlier =
            ServerAddress::parse(QStringLiteral("postgresql://ana@db.local:5500/libri?sslmode=require&schema=casa"));
        QVERIFY(earlier);
        CServerDialog dialog(CServerDialog::Purpose::Open);
        dialog.setAddress(*earlier);
        const std::optional<ServerAddress> address = dialog.address();
        QVERIFY(address);
        QCOMPARE(address->toString(), earlier->toString());
    }
};

QTEST_MAIN(ServerDialogTest)
#include "serverdialog_test.moc"
