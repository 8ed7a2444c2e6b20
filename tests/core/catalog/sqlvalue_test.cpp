#include "catalog/recordset.h"
#include "catalog/sqlvalue.h"
#include "recordingmessenger.h"
#include "testcatalog.h"

#include <QRegularExpression>
#include <QTest>

class SqlValueTest : public QObject
{
    Q_OBJECT

private slots:
    void formatSqlValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("expected");

        QTest::newRow("apostrophe doubled, trimmed") << "  O'Reilly  " << int(SqlText) << "'O''Reilly'";
        QTest::newRow("only apostrophes escaped") << "a\"b\\c%" << int(SqlText) << "'a\"b\\c%'";
        QTest::newRow("empty text is NULL") << "" << int(SqlText) << "NULL";
        QTest::newRow("blank integer is NULL") << "   " << int(SqlInteger) << "NULL";
        QTest::newRow("blank decimal is NULL") << " " << int(SqlDecimal) << "NULL";
        QTest::newRow("integer with words after") << "12 pages" << int(SqlInteger) << "12";
        QTest::newRow("integer from letters") << "abc" << int(SqlInteger) << "0";
        QTest::newRow("leading zeros") << "007" << int(SqlInteger) << "7";
        QTest::newRow("negative integer") << "-42x" << int(SqlInteger) << "-42";
        QTest::newRow("huge integer saturates") << "99999999999" << int(SqlInteger) << "2147483647";
        QTest::newRow("dollar price") << "$24.95" << int(SqlDecimal) << "24.950000";
        QTest::newRow("dollar then blank") << "$ 10" << int(SqlDecimal) << "10.000000";
        QTest::newRow("dollar not first") << "US$ 10" << int(SqlDecimal) << "0.000000";
        QTest::newRow("decimal stops at comma") << "1,5" << int(SqlDecimal) << "1.000000";
        QTest::newRow("decimal fraction only") << ".5" << int(SqlDecimal) << "0.500000";
        QTest::newRow("other kind is trimmed text") << " NULL " << 7 << "NULL";
        QTest::newRow("other kind keeps digits") << " 12 " << 3 << "12";
        QTest::newRow("NUL dropped from text")
            << QString("Ab") + QChar(0) + "c" + QChar(0) << int(SqlText) << "'Abc'";
        QTest::newRow("only NULs and blanks is NULL")
            << QString(" ") + QChar(0) + " " << int(SqlText) << "NULL";
        QTest::newRow("NUL inside a number") << QString("1") + QChar(0) + "2" << int(SqlInteger) << "12";
    }
    void formatSqlValue()
    {
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(QString, expected);
        QCOMPARE(FormatSqlValue(text, kind), expected);
    }

    void fieldToText_readsEveryKindFromTheCatalogue()
    {
        TestCatalog cat;
        cat.exec("INSERT INTO book (BookID, Title, PageCount, EBookOnly, ListPrice, AmazonRating, ReleaseDate) "
                 "VALUES (1, 'Ærø – ünïcode ✓ 𝄞', 350, 1, 24.95, 4.5, 'Jan 05, 2004')");
        Recordset rs;
        QVERIFY(rs.open(cat.connection(), "SELECT * FROM book WHERE BookID=1"));
        QCOMPARE(FieldToText(rs.field("bookid")), QString("1"));
        QCOMPARE(FieldToText(rs.field("Title")), QString("Ærø – ünïcode ✓ 𝄞"));
        QCOMPARE(FieldToText(rs.field("PageCount")), QString("350"));
        QCOMPARE(FieldToText(rs.field("EBookOnly")), QString("-1"));
        QCOMPARE(FieldToText(rs.field("ListPrice")), QString("24.95"));
        QCOMPARE(FieldToText(rs.field("AmazonRating")), QString("4.500000"));
        QCOMPARE(FieldToText(rs.field("ReleaseDate")), QString("Jan 05, 2004"));
        QCOMPARE(FieldToText(rs.field("Subtitle")), QString());
        QCOMPARE(rs.field("ReleaseDate").kind, FieldValue::Kind::Date);
        QCOMPARE(rs.field("EBookOnly").kind, FieldValue::Kind::Bool);
        QCOMPARE(rs.field("ListPrice").kind, FieldValue::Kind::Currency);
        QCOMPARE(rs.field("PageCount").kind, FieldValue::Kind::Int32);
    }

    void fieldToText_wholeMoneyHasNoDecimals()
    {
        FieldValue v;
        v.kind = FieldValue::Kind::Currency;
        v.value = 30.0;
        QCOMPARE(FieldToText(v), QString("30"));
        v.kind = FieldValue::Kind::Single;
        v.value = 4.5;
        QCOMPARE(FieldToText(v), QString("4.50"));
    }

    void executeSql_reportsStatementAndEngineMessage()
    {
        TestCatalog cat;
        RecordingMessenger m;
        QVERIFY(!ExecuteSql("INSERT INTO nosuchtable VALUES (1)", true, cat.connection()));
        QCOMPARE(m.messages.size(), 1);
        QVERIFY(m.messages.first().startsWith("INSERT INTO nosuchtable VALUES (1)\n"));
        QVERIFY(m.messages.first().contains("no such table"));

        QVERIFY(!ExecuteSql("INSERT INTO category (CatID, Name) VALUES (2, 'x')", false, cat.connection()));
        QCOMPARE(m.messages.size(), 1); // quiet: the duplicate key is expected
        QVERIFY(ExecuteSql("UPDATE category SET Notes='n' WHERE CatID=1", true, cat.connection()));
    }

    // A statement carrying a long description would give a box taller than
    // any screen: it shows the first 2,000 characters and the log has it all.
    void dbError_longStatementIsCutInTheBox()
    {
        TestCatalog cat;
        RecordingMessenger m;
        const QString sql = "INSERT INTO nosuchtable VALUES ('" + QString(5000, QChar(0x4E66)) + "')";
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Database error in:.*nosuchtable"));
        QVERIFY(!ExecuteSql(sql, true, cat.connection()));
        QCOMPARE(m.messages.size(), 1);
        QVERIFY(m.messages.first().startsWith(sql.left(2000) + "...\n"));
        QVERIFY(m.messages.first().contains("no such table"));
        QVERIFY(m.messages.first().size() < 2100);
    }
};

QTEST_GUILESS_MAIN(SqlValueTest)
#include "sqlvalue_test.moc"
