#include "catalog/seriesnumber.h"
#include "catalog/seriestext.h"

#include <QTest>
#include <algorithm>

class SeriesNumberTest : public QObject
{
    Q_OBJECT

private slots:
    void value_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<double>("value"); // -1: none
        QTest::newRow("plain") << "3" << 3.0;
        QTest::newRow("decimal point") << "3.5" << 3.5;
        QTest::newRow("decimal comma") << "3,5" << 3.5;
        QTest::newRow("hash") << "#12" << 12.0;
        QTest::newRow("word before") << "Book 2" << 2.0;
        QTest::newRow("range takes its start") << "1-3" << 1.0;
        QTest::newRow("roman") << "III" << 3.0;
        QTest::newRow("roman lower case") << "xiv" << 14.0;
        QTest::newRow("roman after a word") << "Tome IV" << 4.0;
        QTest::newRow("full-width digits") << "第３卷" << 3.0;
        QTest::newRow("arabic-indic digits") << "٧" << 7.0;
        QTest::newRow("a word of numeral letters") << "Mix" << -1.0;
        QTest::newRow("not canonical roman") << "IIII" << -1.0;
        QTest::newRow("no number") << "Prequel" << -1.0;
        QTest::newRow("empty") << "" << -1.0;
        QTest::newRow("point without fraction") << "3." << 3.0;
    }
    void value()
    {
        QFETCH(QString, number);
        QFETCH(double, value);
        const auto v = SeriesNumberValue(number);
        if (value < 0)
            QVERIFY2(!v, qPrintable(QString::number(v.value_or(0))));
        else
            QCOMPARE(v.value_or(-1), value);
    }

    // As printed, in the order of the series: numbers by value, the ones
    // without a value last.
    void order()
    {
        QStringList numbers{"Prequel", "10", "III", "2", "1.5", "Book 1", "#11", "Omnibus"};
        std::sort(numbers.begin(), numbers.end(),
                  [](const QString &a, const QString &b) { return CompareSeriesNumbers(a, b) < 0; });
        QCOMPARE(numbers, (QStringList{"Book 1", "1.5", "2", "III", "10", "#11", "Omnibus", "Prequel"}));
    }

    void titleSplit_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("rest"); // empty: not split
        QTest::addColumn<QString>("series");
        QTest::addColumn<QString>("number");
        QTest::newRow("goodreads") << "The Colour of Magic (Discworld, #1)" << "The Colour of Magic" << "Discworld" << "1";
        QTest::newRow("without comma") << "Mort (Discworld #4)" << "Mort" << "Discworld" << "4";
        QTest::newRow("decimal") << "Novella (Saga, #3.5)" << "Novella" << "Saga" << "3.5";
        QTest::newRow("omnibus") << "The First Three (Saga, #1-3)" << "The First Three" << "Saga" << "1-3";
        QTest::newRow("roman") << "Dune Messiah (Dune, #II)" << "Dune Messiah" << "Dune" << "II";
        QTest::newRow("book word") << "Title (Chronicles, Book 2)" << "Title" << "Chronicles" << "2";
        QTest::newRow("parentheses in the title") << "Harry (and Sally) (Stories, #2)" << "Harry (and Sally)" << "Stories" << "2";
        QTest::newRow("parentheses in the series") << "Tome (Saga (Revised), #2)" << "Tome" << "Saga (Revised)" << "2";
        QTest::newRow("several series") << "Mort (Discworld, #4; Death, #1)" << "Mort" << "Discworld" << "4";
        QTest::newRow("cyrillic") << "Пикник (Миры, #3)" << "Пикник" << "Миры" << "3";
        QTest::newRow("greek") << "Ὀδύσσεια (Ἔπη, #2)" << "Ὀδύσσεια" << "Ἔπη" << "2";
        QTest::newRow("chinese") << "三体 (地球往事, #1)" << "三体" << "地球往事" << "1";
        QTest::newRow("edition") << "Python (Second Edition)" << "" << "" << "";
        QTest::newRow("volume without series") << "Les Misérables (Tome 1)" << "" << "" << "";
        QTest::newRow("series without number") << "Mort (Discworld)" << "" << "" << "";
        QTest::newRow("hash inside a word") << "C# (Learn C#)" << "" << "" << "";
        QTest::newRow("only the series") << "(Discworld, #1)" << "" << "" << "";
        QTest::newRow("unclosed") << "Mort (Discworld, #4" << "" << "" << "";
    }
    void titleSplit()
    {
        QFETCH(QString, title);
        QFETCH(QString, rest);
        QFETCH(QString, series);
        QFETCH(QString, number);
        const auto split = SplitSeriesFromTitle(title);
        if (rest.isEmpty()) {
            QVERIFY2(!split, qPrintable(split ? split->series.series : QString()));
            return;
        }
        QVERIFY(split);
        QCOMPARE(split->title, rest);
        QCOMPARE(split->series.series, series);
        QCOMPARE(split->series.number, number);
        // Written back the same way, it splits the same.
        const auto again = SplitSeriesFromTitle(TitleWithSeries(rest, split->series));
        QVERIFY(again);
        QCOMPARE(again->series.number, number);
    }

    void seriesCell_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("series");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QStringList>("others");
        QTest::newRow("librarything") << "Discworld (1)" << "Discworld" << "1" << QStringList();
        QTest::newRow("several") << "Discworld (4); Death (1)" << "Discworld" << "4" << QStringList{"Death (1)"};
        QTest::newRow("bar") << "Discworld | Death" << "Discworld" << "" << QStringList{"Death"};
        QTest::newRow("library semicolon") << "Nevermoor ; 1" << "Nevermoor" << "1" << QStringList();
        QTest::newRow("library volume") << "Discworld series ; v. 3" << "Discworld series" << "3" << QStringList();
        QTest::newRow("double dash") << "Discworld -- 12" << "Discworld" << "12" << QStringList();
        QTest::newRow("roman after semicolon") << "Histoire ; viii" << "Histoire" << "viii" << QStringList();
        QTest::newRow("hash") << "Discworld, #5" << "Discworld" << "5" << QStringList();
        QTest::newRow("bare name") << "Visual QuickPro guide" << "Visual QuickPro guide" << "" << QStringList();
        QTest::newRow("name with a word in parentheses") << "Saga (Revised)" << "Saga (Revised)" << "" << QStringList();
        QTest::newRow("chinese") << "哈利波特 (3)" << "哈利波特" << "3" << QStringList();
        QTest::newRow("empty") << "  " << "" << "" << QStringList();
    }
    void seriesCell()
    {
        QFETCH(QString, cell);
        QFETCH(QString, series);
        QFETCH(QString, number);
        QFETCH(QStringList, others);
        QStringList found;
        const CSeriesMention m = ParseSeriesCell(cell, &found);
        QCOMPARE(m.series, series);
        QCOMPARE(m.number, number);
        QCOMPARE(found, others);
    }
};

QTEST_GUILESS_MAIN(SeriesNumberTest)
#include "seriesnumber_test.moc"
