#include "catalog/lookup.h"
#include "recordingmessenger.h"
#include "testcatalog.h"

#include <QTest>

class LookupTest : public QObject
{
    Q_OBJECT

private slots:
    void getOrInsert_findsExistingNameWithoutRegardToCase()
    {
        TestCatalog cat;
        QString id;
        QVERIFY(GetOrInsertLookupId("bookbinding", " paperback ", cat.connection(), id));
        QCOMPARE(id, QString("2"));
        QCOMPARE(cat.count("SELECT COUNT(*) FROM bookbinding"), 3);
    }

    void getOrInsert_blankNameIsNullAndAddsNothing()
    {
        TestCatalog cat;
        QString id = "untouched";
        QVERIFY(GetOrInsertLookupId("bookpublisher", "   ", cat.connection(), id));
        QCOMPARE(id, QString("NULL"));
        QCOMPARE(cat.count("SELECT COUNT(*) FROM bookpublisher"), 0);
    }

    void getOrInsert_allocatesOneThenMaxPlusOne()
    {
        TestCatalog cat;
        QString id;
        QVERIFY(GetOrInsertLookupId("bookpublisher", "Children's Press", cat.connection(), id));
        QCOMPARE(id, QString("1"));
        QCOMPARE(cat.scalar("SELECT Name FROM bookpublisher WHERE PublisherID=1"), QString("Children's Press"));
        QVERIFY(GetOrInsertLookupId("bookpublisher", "children's press", cat.connection(), id));
        QCOMPARE(id, QString("1"));

        cat.exec("INSERT INTO bookpublisher (PublisherID, Name) VALUES (2, 'B')");
        cat.exec("INSERT INTO bookpublisher (PublisherID, Name) VALUES (7, 'C')");
        QVERIFY(GetOrInsertLookupId("bookpublisher", "O'Reilly", cat.connection(), id));
        QCOMPARE(id, QString("8"));
    }

    void getOrInsert_noIdLeftIsAnErrorAndAddsNothing_data()
    {
        QTest::addColumn<QString>("highest");
        QTest::newRow("2^31-1") << "2147483647";
        QTest::newRow("2^31 (would wrap)") << "2147483648";
        QTest::newRow("2^32 (would wrap to 0)") << "4294967296";
    }

    // Run SQL can store the largest id there is, or larger; the next one
    // would not fit and must not wrap.
    void getOrInsert_noIdLeftIsAnErrorAndAddsNothing()
    {
        QFETCH(QString, highest);
        TestCatalog cat;
        RecordingMessenger m;
        cat.exec("INSERT INTO bookpublisher (PublisherID, Name) VALUES (" + highest + ", 'Last')");
        QString id = "5";
        QVERIFY(!GetOrInsertLookupId("bookpublisher", "New House", cat.connection(), id));
        QCOMPARE(id, QString("5"));
        QCOMPARE(cat.count("SELECT COUNT(*) FROM bookpublisher"), 1);
        QCOMPARE(m.messages.size(), 1);
        QVERIFY(m.messages.first().startsWith("SELECT MAX(publisherID) FROM bookpublisher\n"));
    }

    void getOrInsert_errorIsShownAndIdKept()
    {
        TestCatalog cat;
        RecordingMessenger m;
        QString id = "5";
        QVERIFY(!GetOrInsertLookupId("booknothing", "x", cat.connection(), id));
        QCOMPARE(id, QString("5"));
        QCOMPARE(m.messages.size(), 1);
        QVERIFY(m.messages.first().startsWith("SELECT nothingID FROM booknothing WHERE Name='x'\n"));
    }

    void lookupName_emptyMissingAndFound()
    {
        TestCatalog cat;
        QString name = "keep";
        QVERIFY(LookupName("bookstatus", "", cat.connection(), name));
        QVERIFY(name.isEmpty());
        name = "keep";
        QVERIFY(!LookupName("bookstatus", "99", cat.connection(), name));
        QCOMPARE(name, QString("keep"));
        QVERIFY(LookupName("bookstatus", "2", cat.connection(), name));
        QCOMPARE(name, QString("Wish List"));
    }

    void readLookupNames_appendsInDatabaseOrder()
    {
        TestCatalog cat;
        QStringList names{"already"};
        QVERIFY(ReadLookupNames("bookstatus", cat.connection(), names));
        QCOMPARE(names, QStringList({"already", "In Collection", "Wish List", "Reference Only", "For Sale"}));
    }
};

QTEST_GUILESS_MAIN(LookupTest)
#include "lookup_test.moc"
