// Catalogues on a PostgreSQL server: the schema, values in every script,
// the failures a person meets (password, server down, TLS, a lost
// connection, a newer catalogue) and the rights of a reading role.
#include "catalog/connection.h"
#include "catalog/recordset.h"
#include "catalog/serveraddress.h"
#include "catalog/serverschema.h"
#include "catalog/sqlvalue.h"
#include "recordingmessenger.h"
#include "testserver.h"

#include <QTest>

class ServerCatalogueTest : public QObject
{
    Q_OBJECT

    QString scalar(Connection &c, const QString &sql)
    {
        Recordset rs;
        DbError error;
        if (!rs.open(c, sql, &error)) {
            qWarning("%s: %s", qPrintable(sql), qPrintable(error.message));
            return QStringLiteral("<error>");
        }
        return rs.isEOF() ? QString() : FieldToText(rs.field(0));
    }

private slots:
    void initTestCase()
    {
        if (!TestServer::available())
            QSKIP("no test server (ORDO_TEST_PGDIR)");
        // Nothing of the person running the tests may answer for us.
        qputenv("PGPASSFILE", "/nonexistent");
        qunsetenv("PGPASSWORD");
    }

    void addressesKeepEveryPartAndNoPassword()
    {
        const auto a = ServerAddress::parse(QStringLiteral("postgresql://Иван@книги.example:6543/библиотека?schema=家&sslmode=require"));
        QVERIFY(a);
        QCOMPARE(a->user, QStringLiteral("Иван"));
        QCOMPARE(a->port, 6543);
        QCOMPARE(a->database, QStringLiteral("библиотека"));
        QCOMPARE(a->schema, QStringLiteral("家"));
        QCOMPARE(a->sslMode, QStringLiteral("require"));
        QCOMPARE(ServerAddress::parse(a->toString())->toString(), a->toString());
        QString error;
        QVERIFY(!ServerAddress::parse(QStringLiteral("postgresql://u:secret@h/db"), &error));
        QVERIFY(error.contains(QStringLiteral("password")));
        QVERIFY(!ServerAddress::parse(QStringLiteral("postgresql://h/"), &error));
        QVERIFY(!ServerAddress::parse(QStringLiteral("postgresql://h/db?sslmode=always"), &error));
        QVERIFY(!ServerAddress::isServerAddress(QStringLiteral("/home/me/books.mdb")));
    }

    void newCatalogueHoldsTheFixedRows()
    {
        const QString address = TestServer::newCatalogue();
        auto c = TestServer::open(address);
        QVERIFY(c->isShared());
        QVERIFY(!c->isReadOnly());
        QCOMPARE(c->userName(), QStringLiteral("ordo_admin"));
        QCOMPARE(ServerSchemaVersion(*c), kServerSchemaVersion);
        QCOMPARE(scalar(*c, QStringLiteral("SELECT COUNT(*) FROM category")), QStringLiteral("4"));
        QCOMPARE(scalar(*c, QStringLiteral("SELECT Name FROM bookstatus WHERE StatusID=2")), QStringLiteral("Wish List"));
        QVERIFY(c->hasTable(QStringLiteral("Book")));
        QVERIFY(c->hasColumn(QStringLiteral("book"), QStringLiteral("SeriesNumber")));
        QVERIFY(!c->hasColumn(QStringLiteral("book"), QStringLiteral("NoSuchColumn")));

        // Making it twice is refused and changes nothing.
        DbError error;
        QVERIFY(!Connection::createServerCatalogue(address, &error));
        QCOMPARE(scalar(*c, QStringLiteral("SELECT COUNT(*) FROM category")), QStringLiteral("4"));
    }

    void valuesReadBackAsOnAFile()
    {
        auto c = TestServer::open(TestServer::newCatalogue());
        for (const QString &title : {QStringLiteral("L'Étranger"), QStringLiteral("Война и мир"),
                                     QStringLiteral("Οδύσσεια"), QStringLiteral("紅樓夢")}) {
            QVERIFY(c->execute(QStringLiteral("INSERT INTO book (BookID, Title, ReleaseDate, PurchasePrice, "
                                              "EBookOnly, PageCount) VALUES ((SELECT COALESCE(MAX(BookID),0)+1 "
                                              "FROM book), %1, 'Jan 05, 2004', 12.5, 1, 300)")
                                   .arg(FormatSqlValue(title, SqlText))));
        }
        // Text compares without regard to case, in every script.
        QCOMPARE(scalar(*c, QStringLiteral("SELECT COUNT(*) FROM book WHERE Title = 'война И МИР'")), QStringLiteral("1"));
        QCOMPARE(scalar(*c, QStringLiteral("SELECT COUNT(*) FROM book WHERE Title LIKE '%ΟΔΎΣ%'")), QStringLiteral("1"));
        QCOMPARE(scalar(*c, QStringLiteral("SELECT COUNT(*) FROM book WHERE Title LIKE '%étr%'")), QStringLiteral("1"));
        QCOMPARE(scalar(*c, QStringLiteral("SELECT COUNT(*) FROM book WHERE Title GLOB '*樓*'")), QStringLiteral("1"));
        QCOMPARE(scalar(*c, QStringLiteral("SELECT COUNT(*) FROM book WHERE unaccented_like_any('%etranger%', Title, Author)")),
                 QStringLiteral("1"));

        Recordset rs;
        QVERIFY(rs.open(*c, QStringLiteral("SELECT ReleaseDate, PurchasePrice, EBookOnly, PageCount, COUNT(*) OVER () "
                                           "FROM book WHERE BookID = 1")));
        QCOMPARE(rs.field(0).kind, FieldValue::Kind::Date);
        QCOMPARE(FieldToText(rs.field(0)), QStringLiteral("Jan 05, 2004"));
        QCOMPARE(rs.fieldText(0), QStringLiteral("Jan 05, 2004"));
        QCOMPARE(rs.field(1).kind, FieldValue::Kind::Currency);
        QCOMPARE(rs.field(1).toDouble(), 12.5);
        QCOMPARE(rs.field(2).kind, FieldValue::Kind::Bool);
        QVERIFY(rs.field(2).toBool());
        QCOMPARE(rs.field(3).kind, FieldValue::Kind::Int32);
        QCOMPARE(rs.field(4).toInt(), 1);
        QCOMPARE(scalar(*c, QStringLiteral("SELECT SUM(PageCount) FROM book")), QStringLiteral("1200"));

        // INSERT OR IGNORE and a failed statement inside a transaction undo
        // only themselves.
        QVERIFY(c->begin());
        QVERIFY(c->execute(QStringLiteral("INSERT OR IGNORE INTO book_category (BookID, CatID) VALUES (1, 1)")));
        QVERIFY(c->execute(QStringLiteral("INSERT OR IGNORE INTO book_category (BookID, CatID) VALUES (1, 1)")));
        QVERIFY(!c->execute(QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (1, 1)")));
        QVERIFY(c->execute(QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (2, 1)")));
        QVERIFY(c->commit());
        QCOMPARE(scalar(*c, QStringLiteral("SELECT COUNT(*) FROM book_category")), QStringLiteral("2"));
        qint64 changed = 0;
        QVERIFY(c->execute(QStringLiteral("UPDATE book SET Notes = 'x' WHERE BookID <= 3"), &changed));
        QCOMPARE(changed, qint64(3));
        // Deleting a book takes its memberships with it.
        QVERIFY(c->execute(QStringLiteral("DELETE FROM book WHERE BookID = 1")));
        QCOMPARE(scalar(*c, QStringLiteral("SELECT COUNT(*) FROM book_category")), QStringLiteral("1"));
    }

    void picturesAreStoredAsBytes()
    {
        auto c = TestServer::open(TestServer::newCatalogue());
        QByteArray bytes;
        for (int i = 0; i < 70000; ++i)
            bytes.append(char(i * 7));
        QVERIFY(c->writeBytes(QStringLiteral("INSERT INTO picture (Name, Data) VALUES ('1.jpg', ?)"), bytes));
        bool found = false;
        QCOMPARE(c->readBytes(QStringLiteral("SELECT Data FROM picture WHERE Name = '1.jpg'"), &found), bytes);
        QVERIFY(found);
        c->readBytes(QStringLiteral("SELECT Data FROM picture WHERE Name = '2.jpg'"), &found);
        QVERIFY(!found);
    }

    void passwordsAreAskedForAndChecked()
    {
        const QString address = TestServer::newCatalogue();
        ServerPasswords::forget(address);
        DbError error;
        QVERIFY(!Connection::open(address, &error));
        QCOMPARE(error.code, DbErrorCode::PasswordNeeded);
        ServerPasswords::set(address, QStringLiteral("wrong"));
        QVERIFY(!Connection::open(address, &error));
        QCOMPARE(error.code, DbErrorCode::PasswordWrong);
        QVERIFY(error.message.contains(QStringLiteral("refused the user name or password")));
        ServerPasswords::set(address, QStringLiteral("ordo_admin-pw"));
        QVERIFY(Connection::open(address, &error));
    }

    void aServerThatIsNotThereIsSaidPlainly()
    {
        // Nothing listens on port 1 of this machine.
        ServerAddress a;
        a.host = QStringLiteral("127.0.0.1");
        a.port = 1;
        a.database = QStringLiteral("ordotest");
        a.user = QStringLiteral("ordo_admin");
        DbError error;
        QVERIFY(!Connection::open(a.toString(), &error));
        QCOMPARE(error.code, DbErrorCode::ServerUnreachable);
        QVERIFY(error.message.contains(QStringLiteral("does not answer")));
    }

    void tlsRequiredButRefused()
    {
        const QString schema = TestServer::schemaOf(TestServer::newCatalogue());
        DbError error;
        QVERIFY(!Connection::open(TestServer::address(QStringLiteral("ordo_admin"), schema, QStringLiteral("require")), &error));
        QCOMPARE(error.code, DbErrorCode::TlsRefused);
    }

    void anEmptySchemaOrANewerCatalogueIsRefusedUnchanged()
    {
        DbError error;
        QVERIFY(!Connection::open(TestServer::address(QStringLiteral("ordo_admin"), QStringLiteral("nothing_here")), &error));
        QCOMPARE(error.code, DbErrorCode::NoCatalogue);

        const QString address = TestServer::newCatalogue();
        auto c = TestServer::open(address);
        QVERIFY(c->execute(QStringLiteral("UPDATE ordo_meta SET Value = '%1' WHERE Key = 'schema_version'")
                               .arg(kServerSchemaVersion + 1)));
        QVERIFY(c->execute(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (1, 'Kept')")));
        QVERIFY(!Connection::open(address, &error));
        QCOMPARE(error.code, DbErrorCode::SchemaNewer);
        QVERIFY(error.message.contains(QStringLiteral("newer version")));
        QCOMPARE(scalar(*c, QStringLiteral("SELECT Title FROM book")), QStringLiteral("Kept"));
    }

    void aReadingRoleGetsReadOnlyMode()
    {
        const QString address = TestServer::newCatalogue(QStringLiteral("ordo_reader"));
        auto c = TestServer::open(address);
        QVERIFY(c->isReadOnly());
        QCOMPARE(scalar(*c, QStringLiteral("SELECT COUNT(*) FROM category")), QStringLiteral("4"));
        DbError error;
        QVERIFY(!c->execute(QStringLiteral("DELETE FROM category"), nullptr, &error));
        QVERIFY2(error.message.contains(QStringLiteral("no right")), qPrintable(error.message));

        auto editor = TestServer::open(TestServer::newCatalogue(QStringLiteral("ordo_editor")));
        QVERIFY(!editor->isReadOnly());
        QVERIFY(editor->execute(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (1, 'Mine')")));
    }

    void aDroppedConnectionIsReportedAndReconnects()
    {
        const QString address = TestServer::newCatalogue();
        auto c = TestServer::open(address);
        auto admin = TestServer::open(address);
        // Only this connection: other tests use the server at the same time.
        const QString pid = scalar(*c, QStringLiteral("SELECT pg_backend_pid()"));
        QVERIFY(admin->execute(QStringLiteral("SELECT pg_terminate_backend(%1)").arg(pid)));
        DbError error;
        QVERIFY(!c->execute(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (1, 'x')"), nullptr, &error));
        QCOMPARE(error.code, DbErrorCode::ConnectionLost);
        QVERIFY(c->isConnectionLost());
        QVERIFY(c->reconnect(&error));
        QVERIFY(c->execute(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (1, 'x')")));
        QCOMPARE(scalar(*c, QStringLiteral("SELECT Title FROM book WHERE BookID = 1")), QStringLiteral("x"));
    }

    void pragmasHaveServerAnswers()
    {
        auto c = TestServer::open(TestServer::newCatalogue());
        QCOMPARE(scalar(*c, QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
        QCOMPARE(scalar(*c, QStringLiteral("PRAGMA foreign_key_check")), QString());
        const QString before = scalar(*c, QStringLiteral("PRAGMA data_version"));
        QVERIFY(c->execute(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (1, 'x')")));
        QVERIFY(scalar(*c, QStringLiteral("PRAGMA data_version")) != before);
        DbError error;
        QVERIFY(!c->execute(QStringLiteral("PRAGMA journal_mode = WAL; x"), nullptr, &error));
    }
};

QTEST_GUILESS_MAIN(ServerCatalogueTest)
#include "servercatalogue_test.moc"
