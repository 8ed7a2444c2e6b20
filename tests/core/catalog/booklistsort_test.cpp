// The order of the book list: the user's collation, case ignored, numbers by
// value, equal texts kept in their order; the first load uses the same order.
#include "catalog/booklistquery.h"
#include "catalog/booklistsort.h"
#include "catalog/sqlvalue.h"
#include "testcatalog.h"

#include <QTest>

namespace {

BookListRows rowsOf(const QStringList &titles)
{
    BookListRows rows;
    for (int i = 0; i < titles.size(); ++i) {
        BookListRow row;
        row.bookId = i + 1;
        row.title = titles.at(i);
        row.author = titles.at(titles.size() - 1 - i);
        rows.append(row);
    }
    return rows;
}

QStringList titlesOf(const BookListRows &rows)
{
    QStringList titles;
    for (qsizetype row = 0; row < rows.size(); ++row)
        titles << rows.text(row, 0).toString();
    return titles;
}

} // namespace

class BookListSortTest : public QObject
{
    Q_OBJECT

private slots:
    void ascending_followsTheLocaleCollation_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("French accents among their letters")
            << "fr_FR"
            << QStringList{"Zazie dans le métro", "apprendre", "À la recherche du temps perdu", "Bonjour"}
            << QStringList{"À la recherche du temps perdu", "apprendre", "Bonjour", "Zazie dans le métro"};
        QTest::newRow("numbers by value") << "en_US" << QStringList{"Book 10", "Book 2", "Book 1", "Book 100"}
                                          << QStringList{"Book 1", "Book 2", "Book 10", "Book 100"};
        QTest::newRow("case ignored, equal texts keep their order")
            << "en_US" << QStringList{"banana", "Apple", "BANANA", "apple"}
            << QStringList{"Apple", "apple", "banana", "BANANA"};
        QTest::newRow("German umlaut with its letter")
            << "de_DE" << QStringList{"Zucker", "Öl", "Ofen", "Pause"}
            << QStringList{"Ofen", "Öl", "Pause", "Zucker"};
        QTest::newRow("Russian") << "ru_RU" << QStringList{"Яблоко", "ёлка", "Арбуз", "война"}
                                 << QStringList{"Арбуз", "война", "ёлка", "Яблоко"};
        QTest::newRow("Greek") << "el_GR" << QStringList{"Ωμέγα", "άλφα", "Βήτα"}
                               << QStringList{"άλφα", "Βήτα", "Ωμέγα"};
        QTest::newRow("no locale set (C) is still alphabetical")
            << "C" << QStringList{"Zazie", "apprendre", "Book 10", "Book 2"}
            << QStringList{"apprendre", "Book 2", "Book 10", "Zazie"};
    }

    void ascending_followsTheLocaleCollation()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, titles);
        QFETCH(QStringList, expected);
        BookListRows rows = rowsOf(titles);
        SortBookListRows(rows, 0, true, QLocale(locale));
        QCOMPARE(titlesOf(rows), expected);
    }

    void descending_isTheReverseButEqualTextsKeepTheirOrder()
    {
        const BookListRows rows = rowsOf({"b", "A", "B", "a", "Book 10", "Book 9"});
        QCOMPARE(BookListSortOrder(rows, 0, false, QLocale("en_US")), (QVector<int>{4, 5, 0, 2, 1, 3}));
        // Other columns sort the same way; a column out of range keeps the order.
        QCOMPARE(BookListSortOrder(rows, 1, true, QLocale("en_US")), (QVector<int>{2, 4, 3, 5, 0, 1}));
        QCOMPARE(BookListSortOrder(rows, 7, true, QLocale("en_US")), (QVector<int>{0, 1, 2, 3, 4, 5}));
    }

    void firstLoad_usesTheSameCollation()
    {
        QLocale::setDefault(QLocale("fr_FR"));
        TestCatalog cat;
        const QStringList titles = {"Zazie dans le métro", "apprendre", "À la recherche du temps perdu",
                                    "Tome 10", "Tome 2"};
        for (int i = 0; i < titles.size(); ++i)
            cat.exec(QStringLiteral("INSERT INTO book (BookID, Title) VALUES (%1, %2)")
                         .arg(i + 1)
                         .arg(FormatSqlValue(titles.at(i), SqlText)));
        BookListRows rows;
        QCOMPARE(LoadBookListRows(cat.connection(), 5, rows), BookListLoad::Loaded);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(titlesOf(rows), (QStringList{"À la recherche du temps perdu", "apprendre", "Tome 2",
                                              "Tome 10", "Zazie dans le métro"}));
    }
};

QTEST_GUILESS_MAIN(BookListSortTest)
#include "booklistsort_test.moc"
