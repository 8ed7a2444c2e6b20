// Several people on one server catalogue: saves that meet, notifications of
// others' changes, many clients editing the same books at once.
#include "app/messenger.h"
#include "catalog/bookrecord.h"
#include "catalog/cataloguecopy.h"
#include "catalog/connection.h"
#include "catalog/recordset.h"
#include "catalog/sqlvalue.h"
#include "recordingmessenger.h"
#include "testserver.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <sys/select.h>
#include <thread>

namespace {

// Waits until the connection's change socket has something, at most ms.
QStringList waitForChanges(Connection &c, int ms)
{
    QElapsedTimer timer;
    timer.start();
    QStringList tables;
    while (timer.elapsed() < ms) {
        fd_set read;
        FD_ZERO(&read);
        FD_SET(c.changeSocket(), &read);
        timeval wait{0, 50000};
        select(c.changeSocket() + 1, &read, nullptr, nullptr, &wait);
        tables << c.takeChanges();
        if (!tables.isEmpty())
            return tables;
    }
    return tables;
}

QString scalar(Connection &c, const QString &sql)
{
    Recordset rs;
    return rs.open(c, sql) && !rs.isEOF() ? FieldToText(rs.field(0)) : QString();
}

} // namespace

class SharingTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_images;

private slots:
    void initTestCase()
    {
        if (!TestServer::available())
            QSKIP("no test server (ORDO_TEST_PGDIR)");
    }

    void theSecondSaveOfOneBookIsToldWhoAndWhen()
    {
        RecordingMessenger messages;
        const QString address = TestServer::newCatalogue(QStringLiteral("ordo_editor"));
        auto anna = TestServer::open(address);
        auto boris = TestServer::open(address);

        CBookRecord book;
        book.Title = QStringLiteral("Мастер и Маргарита");
        QVERIFY(book.Save(true, 1, m_images.path(), *anna));
        CBookRecord mine;
        CBookRecord theirs;
        QVERIFY(mine.Load(1, *anna));
        QVERIFY(theirs.Load(1, *boris));
        QVERIFY(mine.loadedVersion > 0);

        mine.Notes = QStringLiteral("Anna's note");
        QVERIFY(mine.Save(false, 1, m_images.path(), *anna));
        theirs.Notes = QStringLiteral("Boris's note");
        QVERIFY(!theirs.Save(false, 1, m_images.path(), *boris));
        QCOMPARE(theirs.conflict.code, DbErrorCode::Conflict);
        QCOMPARE(theirs.conflict.changedBy, QStringLiteral("ordo_editor"));
        QVERIFY(theirs.conflict.changedAt.isValid());
        QVERIFY(qAbs(theirs.conflict.changedAt.secsTo(QDateTime::currentDateTime())) < 120);
        QVERIFY2(messages.messages.isEmpty(), "a conflict is the caller's to ask about");
        QCOMPARE(scalar(*anna, QStringLiteral("SELECT Notes FROM book WHERE BookID=1")), QStringLiteral("Anna's note"));

        // Overwriting is a choice, made once.
        theirs.overwrite = true;
        QVERIFY(theirs.Save(false, 1, m_images.path(), *boris));
        QVERIFY(!theirs.overwrite);
        QCOMPARE(scalar(*anna, QStringLiteral("SELECT Notes FROM book WHERE BookID=1")), QStringLiteral("Boris's note"));
        // The saver's own next save needs no overwrite.
        theirs.Notes = QStringLiteral("again");
        QVERIFY(theirs.Save(false, 1, m_images.path(), *boris));

        // A deleted book cannot be saved over nothing; as a new book it can.
        QVERIFY(mine.Load(1, *anna));
        QVERIFY(boris->execute(QStringLiteral("DELETE FROM book WHERE BookID=1")));
        QVERIFY(!mine.Save(false, 1, m_images.path(), *anna));
        QCOMPARE(mine.conflict.code, DbErrorCode::RowDeleted);
        QCOMPARE(scalar(*anna, QStringLiteral("SELECT COUNT(*) FROM book")), QStringLiteral("0"));
        QVERIFY(mine.Save(true, 1, m_images.path(), *anna));
        QCOMPARE(scalar(*anna, QStringLiteral("SELECT Title FROM book")), QStringLiteral("Мастер и Маргарита"));
    }

    // The server goes away in the middle of a save: the book is then either
    // saved whole or not at all, and the record still holds every edit, so
    // that saving again after reconnecting loses nothing.
    void aConnectionCutMidSaveLosesNothing()
    {
        RecordingMessenger messages;
        const QString address = TestServer::newCatalogue();
        auto c = TestServer::open(address);
        auto admin = TestServer::open(address);
        CBookRecord book;
        book.Title = QStringLiteral("Before");
        QVERIFY(book.Save(true, 1, m_images.path(), *c));
        QVERIFY(book.Load(1, *c));
        // Writing a link of this book takes a second: long enough to cut the
        // connection half way through the save.
        QVERIFY(admin->execute(QStringLiteral(
            "CREATE FUNCTION slow_link() RETURNS trigger LANGUAGE plpgsql AS $f$ BEGIN PERFORM pg_sleep(1); "
            "RETURN NEW; END $f$")));
        QVERIFY(admin->execute(QStringLiteral(
            "CREATE TRIGGER slow_link BEFORE INSERT ON link FOR EACH ROW EXECUTE FUNCTION slow_link()")));
        book.Title = QStringLiteral("After — Après — После");
        book.links.append(CLinkEntry{});
        book.links.last().Name = QStringLiteral("Link");
        book.links.last().Path = QStringLiteral("https://example.org/");
        // Only this connection: other tests use the server at the same time.
        const QString pid = scalar(*c, QStringLiteral("SELECT pg_backend_pid()"));
        std::thread cutter([&] {
            QThread::msleep(400);
            DbError ignored;
            auto killer = Connection::open(address, &ignored);
            if (killer)
                killer->execute(QStringLiteral("SELECT pg_terminate_backend(%1)").arg(pid));
        });
        const bool saved = book.Save(false, 1, m_images.path(), *c);
        cutter.join();
        QVERIFY(!saved);
        QVERIFY(c->isConnectionLost());
        QVERIFY(!messages.messages.isEmpty());
        QVERIFY(messages.messages.last().contains(QStringLiteral("connection to the server was lost")));
        QCOMPARE(scalar(*admin, QStringLiteral("SELECT Title FROM book WHERE BookID=1")), QStringLiteral("Before"));
        QCOMPARE(book.Title, QStringLiteral("After — Après — После"));

        QVERIFY(admin->execute(QStringLiteral("DROP TRIGGER slow_link ON link")));
        QVERIFY(c->reconnect());
        QVERIFY(book.Save(false, 1, m_images.path(), *c));
        QCOMPARE(scalar(*admin, QStringLiteral("SELECT Title FROM book WHERE BookID=1")), book.Title);
        QCOMPARE(scalar(*admin, QStringLiteral("SELECT Path FROM link WHERE BookID=1")), QStringLiteral("https://example.org/"));
    }

    // A cover saved on one computer reaches the others through the catalogue.
    void aSavedCoverIsStoredForTheOthers()
    {
        const QString address = TestServer::newCatalogue();
        auto anna = TestServer::open(address);
        QTemporaryDir annaImages;
        QTemporaryDir borisImages;
        QByteArray picture("\x89PNG\r\n\x1a\n");
        picture.append(QByteArray(3000, 'x'));
        const QString source = annaImages.filePath(QStringLiteral("scan.png"));
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(picture) == picture.size());
        file.close();

        CBookRecord book;
        book.Title = QStringLiteral("封面");
        book.newFrontCoverSource = source;
        QVERIFY(book.Save(true, 1, annaImages.path(), *anna));
        const QString name = scalar(*anna, QStringLiteral("SELECT FrontCover FROM book WHERE BookID=1"));
        QVERIFY(!name.isEmpty());
        QCOMPARE(anna->readBytes(QStringLiteral("SELECT Data FROM picture WHERE Name='%1'").arg(name)), picture);

        auto boris = TestServer::open(address);
        QCOMPARE(FetchServerPictures(*boris, borisImages.path()), 1);
        QFile fetched(borisImages.filePath(name));
        QVERIFY(fetched.open(QIODevice::ReadOnly));
        QCOMPARE(fetched.readAll(), picture);
        // Already there: nothing to fetch again.
        QCOMPARE(FetchServerPictures(*boris, borisImages.path()), 0);
    }

    void othersChangesArriveWithinTwoSeconds()
    {
        const QString address = TestServer::newCatalogue();
        auto watcher = TestServer::open(address);
        auto editor = TestServer::open(address);
        QVERIFY(watcher->changeSocket() >= 0);
        QVERIFY(watcher->takeChanges().isEmpty());

        QElapsedTimer timer;
        timer.start();
        QVERIFY(editor->execute(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (1, 'Новая')")));
        QStringList tables = waitForChanges(*watcher, 2000);
        QVERIFY2(timer.elapsed() < 2000, "a change took longer than 2 s to arrive");
        QCOMPARE(tables, QStringList{QStringLiteral("book")});

        QVERIFY(editor->execute(QStringLiteral("INSERT INTO category (CatID, Name, ParentID) VALUES (10, '新', 1)")));
        QVERIFY(editor->execute(QStringLiteral("INSERT INTO book_category (BookID, CatID) VALUES (1, 10)")));
        tables = waitForChanges(*watcher, 2000);
        QTest::qWait(100);
        tables << watcher->takeChanges();
        QVERIFY(tables.contains(QStringLiteral("category")));
        QVERIFY(tables.contains(QStringLiteral("book_category")));

        // One's own changes are no news.
        QVERIFY(watcher->execute(QStringLiteral("UPDATE book SET Notes = 'mine'")));
        QVERIFY(waitForChanges(*watcher, 300).isEmpty());
        // Another catalogue on the same server is no news either.
        auto other = TestServer::open(TestServer::newCatalogue());
        QVERIFY(other->execute(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (1, 'x')")));
        QVERIFY(waitForChanges(*watcher, 300).isEmpty());
    }

    void manyClientsEditingLoseNothing_data()
    {
        QTest::addColumn<int>("clients");
        QTest::addColumn<int>("savesEach");
        QTest::newRow("two clients") << 2 << 400;
        QTest::newRow("eight clients") << 8 << 100;
    }

    // Every client appends its mark to books picked at random. A save that
    // succeeds was built on the newest version, so every mark of a
    // successful save must be in the book at the end; a conflict is counted
    // and its mark must not be there.
    void manyClientsEditingLoseNothing()
    {
        QFETCH(int, clients);
        QFETCH(int, savesEach);
        constexpr int books = 1000;
        const QString address = TestServer::newCatalogue(QStringLiteral("ordo_editor"));
        {
            auto c = TestServer::open(address);
            QVERIFY(c->begin());
            for (int first = 1; first <= books; first += 250) {
                QStringList rows;
                for (int id = first; id < first + 250; ++id)
                    rows << QStringLiteral("(%1, 'Book %1', '')").arg(id);
                QVERIFY(c->execute(QStringLiteral("INSERT INTO book (BookID, Title, UserText1) VALUES ") +
                                   rows.join(QLatin1Char(','))));
            }
            QVERIFY(c->commit());
        }
        struct Outcome
        {
            QVector<QPair<int, QString>> saved;
            QVector<QPair<int, QString>> conflicts;
            int failures = 0;
        };
        QVector<Outcome> outcomes(clients);
        std::vector<std::thread> threads;
        for (int k = 0; k < clients; ++k) {
            threads.emplace_back([&, k]() {
                DbError error;
                auto c = Connection::open(address, &error);
                if (!c) {
                    outcomes[k].failures = savesEach;
                    return;
                }
                QRandomGenerator random(quint32(k + 1));
                for (int n = 0; n < savesEach; ++n) {
                    const int id = 1 + int(random.bounded(books / 4)); // a quarter, so that saves meet
                    CBookRecord book;
                    if (!book.Load(id, *c)) {
                        ++outcomes[k].failures;
                        continue;
                    }
                    const QString mark = QStringLiteral("[%1.%2]").arg(k).arg(n);
                    book.UserText1 += mark;
                    if (book.Save(false, 1, m_images.path(), *c))
                        outcomes[k].saved.append({id, mark});
                    else if (book.conflict.code == DbErrorCode::Conflict)
                        outcomes[k].conflicts.append({id, mark});
                    else
                        ++outcomes[k].failures;
                }
            });
        }
        for (std::thread &t : threads)
            t.join();

        auto c = TestServer::open(address);
        QHash<int, QString> finalText;
        Recordset rs;
        QVERIFY(rs.open(*c, QStringLiteral("SELECT BookID, UserText1 FROM book")));
        for (; !rs.isEOF(); rs.moveNext())
            finalText.insert(rs.field(0).toInt(), rs.fieldText(1));
        QCOMPARE(finalText.size(), books);
        int saved = 0;
        int conflicts = 0;
        for (const Outcome &o : outcomes) {
            QCOMPARE(o.failures, 0);
            for (const auto &[id, mark] : o.saved)
                QVERIFY2(finalText.value(id).contains(mark), qPrintable(QStringLiteral("book %1 lost %2").arg(id).arg(mark)));
            for (const auto &[id, mark] : o.conflicts)
                QVERIFY(!finalText.value(id).contains(mark));
            saved += o.saved.size();
            conflicts += o.conflicts.size();
        }
        QCOMPARE(saved + conflicts, clients * savesEach);
        qInfo("%d saves, %d conflicts reported", saved, conflicts);
    }
};

QTEST_GUILESS_MAIN(SharingTest)
#include "sharing_test.moc"
