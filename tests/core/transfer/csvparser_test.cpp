#include "transfer/csvparser.h"
#include "app/windows1252.h"
#include "transfer/textdecoding.h"

#include <QStringDecoder>
#include <QTest>

class CsvParserTest : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("delimiter");
        QTest::addColumn<QVector<QStringList>>("rows");

        QTest::newRow("plain, CRLF") << "a,b\r\nc,d\r\n"
                                     << "," << QVector<QStringList>{{"a", "b"}, {"c", "d"}};
        QTest::newRow("no final line break") << "a,b\nc,d"
                                             << "," << QVector<QStringList>{{"a", "b"}, {"c", "d"}};
        QTest::newRow("old Mac line ends") << "a;b\rc;d\r"
                                           << ";" << QVector<QStringList>{{"a", "b"}, {"c", "d"}};
        QTest::newRow("quoted delimiter, quote and line break")
            << "\"x, y\",\"say \"\"hi\"\"\",\"two\r\nlines\"\n"
            << "," << QVector<QStringList>{{"x, y", "say \"hi\"", "two\r\nlines"}};
        QTest::newRow("empty fields and blank lines")
            << "a,,\n\n,,c\n"
            << "," << QVector<QStringList>{{"a", "", ""}, {"", "", "c"}};
        QTest::newRow("spreadsheet-quoted formula text")
            << "\"=\"\"0439023483\"\"\",=\"\"\n"
            << "," << QVector<QStringList>{{"=\"0439023483\"", "=\"\""}};
        QTest::newRow("stray quote kept") << "5\" floppy,x\n"
                                          << "," << QVector<QStringList>{{"5\" floppy", "x"}};
        QTest::newRow("tabs, any language")
            << "Título\tΣυγγραφέας\n北方\tЖуков\n"
            << "\t" << QVector<QStringList>{{"Título", "Συγγραφέας"}, {"北方", "Жуков"}};
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, delimiter);
        QFETCH(QVector<QStringList>, rows);
        QVector<QStringList> got;
        QString error;
        QVERIFY2(CCsvParser::Parse(text, delimiter.at(0), got, error), qPrintable(error));
        QCOMPARE(got, rows);
    }

    void unterminatedQuote_isAnError()
    {
        QVector<QStringList> rows;
        QString error;
        QVERIFY(!CCsvParser::Parse("a,b\n1,\"open\n2,3\n", QLatin1Char(','), rows, error));
        QVERIFY(error.contains("line 2"));
    }

    void detectDelimiter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("delimiter");
        QTest::newRow("comma") << "a,b,c\n1,2,3\n"
                               << ",";
        QTest::newRow("semicolon with decimal commas") << "a;b;c\n1,5;2,5;3\n"
                                                       << ";";
        QTest::newRow("tab") << "a\tb\n\"x, y\"\t2\n"
                             << "\t";
        QTest::newRow("bar") << "a|b\n1|2\n"
                             << "|";
        QTest::newRow("single column") << "title\nx\n"
                                       << ",";
    }

    void detectDelimiter()
    {
        QFETCH(QString, text);
        QFETCH(QString, delimiter);
        QCOMPARE(CCsvParser::DetectDelimiter(text), delimiter.at(0));
    }

    void quote_roundTrips()
    {
        const QStringList fields = {"plain", "a,b", "say \"x\"", "two\nlines", " padded ", "", "Ωμέγα"};
        QStringList quoted;
        for (const QString &f : fields)
            quoted << CCsvParser::Quote(f);
        QCOMPARE(quoted.first(), QStringLiteral("plain"));
        QVector<QStringList> rows;
        QString error;
        QVERIFY(CCsvParser::Parse(quoted.join(',') + "\r\n", QLatin1Char(','), rows, error));
        QCOMPARE(rows.value(0), fields);
    }

    void decoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("encoding");
        const QString text = QStringLiteral("Título,Ελληνικά,Русский,中文\n");
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF") + text.toUtf8() << "UTF-8";
        QTest::newRow("UTF-8") << text.toUtf8() << "UTF-8";
        QStringEncoder le(QStringConverter::Utf16LE), be(QStringConverter::Utf16BE);
        QTest::newRow("UTF-16LE with BOM") << QByteArray("\xFF\xFE") + QByteArray(le(text)) << "UTF-16LE";
        QTest::newRow("UTF-16BE with BOM") << QByteArray("\xFE\xFF") + QByteArray(be(text)) << "UTF-16BE";
        QTest::newRow("UTF-16LE without BOM") << QByteArray(le(text)) << "UTF-16LE";
    }

    void decoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, encoding);
        QString used;
        QCOMPARE(DecodeImportText(bytes, &used), QStringLiteral("Título,Ελληνικά,Русский,中文\n"));
        QCOMPARE(used, encoding);
        QVERIFY(!LooksBinary(bytes));
    }

    void singleByteFiles_areReadAsWindows1252()
    {
        QString used;
        bool stray = true;
        // Curly quotes, an ellipsis and a dash sit where Latin-1 has controls.
        QCOMPARE(DecodeImportText(QByteArray("Caf\xe9;\x93Stra\xdf" "e\x94\x85 \x96 5\x80\n"), &used, &stray),
                 QStringLiteral("Café;“Straße”… – 5€\n"));
        QCOMPARE(used, QStringLiteral("Windows-1252"));
        QVERIFY(!stray);
    }

    void strayBytes_inUtf8_areMarkedAndRepairedAlone()
    {
        // Valid UTF-8 throughout but for one Latin-1 "é" in the second cell.
        const QByteArray bytes("Título,Ελληνικά\nCaf\xe9,Москва 中文\n");
        QString used;
        bool stray = false;
        QString text = DecodeImportText(bytes, &used, &stray);
        QCOMPARE(used, QStringLiteral("UTF-8"));
        QVERIFY(stray);
        QVERIFY(text.startsWith(QStringLiteral("Título,Ελληνικά\nCaf")));
        QVERIFY(text.endsWith(QStringLiteral(",Москва 中文\n")));
        QVERIFY(RepairStrayBytes(text));
        QCOMPARE(text, QStringLiteral("Título,Ελληνικά\nCafé,Москва 中文\n"));
        QVERIFY(!RepairStrayBytes(text));
    }

    void invalidSequences_areEachOneStrayByte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("repaired");
        // Each case sits among enough valid UTF-8 to stay UTF-8.
        QTest::newRow("lone continuation") << QByteArray("\xa9") << QStringLiteral("©");
        QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << QStringLiteral("À¯");
        QTest::newRow("encoded surrogate") << QByteArray("\xed\xa0\x80") << QStringLiteral("í\u00a0€");
        QTest::newRow("past U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << QStringLiteral("ô\u0090€€");
        QTest::newRow("cut short at the end") << QByteArray("\xe4\xb8") << QStringLiteral("ä¸");
        QTest::newRow("four-byte emoji stays") << QByteArray("\xf0\x9f\x93\x9a") << QStringLiteral("📚");
    }

    void invalidSequences_areEachOneStrayByte()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, repaired);
        const QByteArray valid("Ελληνικά Русский 中文 ");
        QString text = DecodeImportText(valid + bytes);
        RepairStrayBytes(text);
        QCOMPARE(text, QString::fromUtf8(valid) + repaired);
    }

    void c1Controls_fromServices_areRepaired()
    {
        QString text = QStringLiteral("\u0093Quoted\u0094 \u0085 caf\u00e9 \u0081");
        QVERIFY(RepairC1Controls(text));
        QCOMPARE(text, QStringLiteral("“Quoted” … café \u0081")); // 0x81 means nothing in 1252
        QString clean = QStringLiteral("Ελληνικά “ok”");
        QVERIFY(!RepairC1Controls(clean));
    }
};

QTEST_GUILESS_MAIN(CsvParserTest)
#include "csvparser_test.moc"
