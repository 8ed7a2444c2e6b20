// Prices and counts as people type them into the book sheet.
#include "catalog/sqlvalue.h"
#include "catalog/typednumber.h"

#include <QTest>

class TypedNumberTest : public QObject
{
    Q_OBJECT

private slots:
    void price_acceptsCommonForms_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("comma decimal, English user") << "en_US"
                                                     << "9,40"
                                                     << "9.40";
        QTest::newRow("point decimal, English user") << "en_US"
                                                     << "9.40"
                                                     << "9.40";
        QTest::newRow("comma decimal, French user") << "fr_FR"
                                                    << "9,40"
                                                    << "9.40";
        QTest::newRow("point decimal, French user") << "fr_FR"
                                                    << "9.40"
                                                    << "9.40";
        QTest::newRow("euro before") << "fr_FR"
                                     << "€12,50"
                                     << "12.50";
        QTest::newRow("euro after with space") << "de_DE"
                                               << "12,50 €"
                                               << "12.50";
        QTest::newRow("euro after, no-break space")
            << "de_DE" << QString::fromUtf8("12,50\u00a0€") << "12.50";
        QTest::newRow("dollar") << "en_US"
                                << "$9.40"
                                << "9.40";
        QTest::newRow("dollar with space") << "en_US"
                                           << "$ 10"
                                           << "10";
        QTest::newRow("pound") << "en_GB"
                               << "£7.99"
                               << "7.99";
        QTest::newRow("yen") << "ja_JP"
                             << "¥1,500"
                             << "1500";
        QTest::newRow("rupee sign") << "en_IN"
                                    << "₹499"
                                    << "499";
        QTest::newRow("US$") << "en_US"
                             << "US$ 10.00"
                             << "10.00";
        QTest::newRow("code before") << "en_US"
                                     << "EUR 12.50"
                                     << "12.50";
        QTest::newRow("code after") << "de_DE"
                                    << "12,50 EUR"
                                    << "12.50";
        QTest::newRow("German thousands") << "de_DE"
                                          << "1.234,50"
                                          << "1234.50";
        QTest::newRow("English thousands") << "en_US"
                                           << "1,234.50"
                                           << "1234.50";
        QTest::newRow("German thousands, English user") << "en_US"
                                                        << "1.234,50"
                                                        << "1234.50";
        QTest::newRow("space thousands") << "fr_FR"
                                         << "1 234,50"
                                         << "1234.50";
        QTest::newRow("narrow space thousands")
            << "fr_FR" << QString::fromUtf8("1\u202f234,50 €") << "1234.50";
        QTest::newRow("Swiss apostrophe") << "de_CH"
                                          << "1'234.50"
                                          << "1234.50";
        QTest::newRow("group mark of the locale") << "de_DE"
                                                  << "1.234"
                                                  << "1234";
        QTest::newRow("decimal mark of the locale") << "en_US"
                                                    << "1.234"
                                                    << "1.234";
        QTest::newRow("several groups") << "en_US"
                                        << "1,234,567"
                                        << "1234567";
        QTest::newRow("whole number") << "en_US"
                                      << "12"
                                      << "12";
        QTest::newRow("blanks around") << "en_US"
                                       << "  9.40  "
                                       << "9.40";
        QTest::newRow("blank is no price") << "en_US"
                                           << "   "
                                           << "";
        QTest::newRow("Arabic-Indic digits") << "ar_EG" << QString::fromUtf8("١٢٫٥٠") << "12.50";
    }

    void price_acceptsCommonForms()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        const std::optional<QString> price = ParsePriceText(typed, QLocale(locale));
        QVERIFY2(price.has_value(), qPrintable(typed));
        QCOMPARE(*price, stored);
    }

    void price_refusesWhatIsNoPrice_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("word") << "cheap";
        QTest::newRow("Cyrillic word") << "дёшево";
        QTest::newRow("Chinese word") << "九块四";
        QTest::newRow("number and word") << "9 euros";
        QTest::newRow("two numbers") << "9.40 / 12.00";
        QTest::newRow("range") << "9-12";
        QTest::newRow("negative") << "-5";
        QTest::newRow("mixed groups") << "1,23,4";
        QTest::newRow("short group") << "1.23.45";
        QTest::newRow("two decimal marks") << "9.4.0";
        QTest::newRow("only a symbol") << "€";
        QTest::newRow("leading mark") << ",50";
        QTest::newRow("letters inside") << "12a50";
    }

    void price_refusesWhatIsNoPrice()
    {
        QFETCH(QString, typed);
        for (const char *locale : {"en_US", "de_DE", "fr_FR"})
            QVERIFY2(!ParsePriceText(typed, QLocale(locale)).has_value(), locale);
    }

    // What the sheet stores goes through FormatSqlValue unchanged.
    void price_storedFormFeedsTheDecimalLiteral()
    {
        QCOMPARE(FormatSqlValue(*ParsePriceText("1.234,50", QLocale("de_DE")), SqlDecimal),
                 QString("1234.500000"));
        QCOMPARE(FormatSqlValue(*ParsePriceText("9,40", QLocale("en_US")), SqlDecimal), QString("9.400000"));
        QCOMPARE(FormatSqlValue(*ParsePriceText("", QLocale("en_US")), SqlDecimal), QString("NULL"));
    }

    void count_acceptsDigitsOnly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored"); // "refused" when refused
        QTest::newRow("digits") << "340"
                                << "340";
        QTest::newRow("blanks around") << " 340 "
                                       << "340";
        QTest::newRow("leading zeros") << "007"
                                       << "7";
        QTest::newRow("blank") << "  "
                               << "";
        QTest::newRow("largest") << "2147483647"
                                 << "2147483647";
        QTest::newRow("too large") << "2147483648"
                                   << "refused";
        QTest::newRow("roman front matter") << "xii, 340"
                                            << "refused";
        QTest::newRow("unit") << "340 p."
                              << "refused";
        QTest::newRow("negative") << "-3"
                                  << "refused";
        QTest::newRow("decimal") << "3.5"
                                 << "refused";
        QTest::newRow("Devanagari digits") << QString::fromUtf8("३४०") << "340";
    }

    void count_acceptsDigitsOnly()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        const std::optional<QString> count = ParseCountText(typed);
        if (stored == QLatin1String("refused")) {
            QVERIFY(!count.has_value());
        } else {
            QVERIFY(count.has_value());
            QCOMPARE(*count, stored);
        }
    }
};

QTEST_GUILESS_MAIN(TypedNumberTest)
#include "typednumber_test.moc"
