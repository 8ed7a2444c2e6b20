#include "online/releasedate.h"

#include <QLocale>
#include <QTest>

class ReleaseDateTest : public QObject
{
    Q_OBJECT

private slots:
    void normalize_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("date");
        QTest::newRow("iso") << "2003-06-01" << "Jun 01, 2003";
        QTest::newRow("iso with time") << "2003-06-01T12:00:00Z" << "Jun 01, 2003";
        QTest::newRow("slashes") << "2003/6/1" << "Jun 01, 2003";
        QTest::newRow("month day year") << "June 1, 2003" << "Jun 01, 2003";
        QTest::newRow("abbreviated") << "Jun. 1 2003" << "Jun 01, 2003";
        QTest::newRow("already stored form") << "Dec 31, 1999" << "Dec 31, 1999";
        QTest::newRow("sept") << "Sept 9, 2010" << "Sep 09, 2010";
        QTest::newRow("day month year") << "1 June 2003" << "Jun 01, 2003";
        QTest::newRow("ordinal") << "21st March, 2004" << "Mar 21, 2004";
        QTest::newRow("year month") << "2011-09" << "Sep 01, 2011";
        QTest::newRow("month year") << "September 2011" << "Sep 01, 2011";
        QTest::newRow("year") << "2003" << "Jan 01, 2003";
        QTest::newRow("copyright") << "c2003" << "Jan 01, 2003";
        QTest::newRow("copyright dot") << "c. 1898" << "Jan 01, 1898";
        QTest::newRow("copyright sign") << "©1975" << "Jan 01, 1975";
        QTest::newRow("brackets") << "[1984?]" << "Jan 01, 1984";
        QTest::newRow("blanks") << "  2003  " << "Jan 01, 2003";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("words") << "sometime soon" << "";
        QTest::newRow("season") << "Summer 2003" << "";
        QTest::newRow("no such day") << "2003-02-30" << "";
        QTest::newRow("no such month") << "2003-13" << "";
        QTest::newRow("two-digit year") << "03" << "";
        QTest::newRow("decade") << "199-" << "";
        QTest::newRow("foreign month") << "1 juin 2003" << "";
        QTest::newRow("cyrillic") << "1 июня 2003" << "";
    }

    void normalize()
    {
        QFETCH(QString, text);
        QFETCH(QString, date);
        QCOMPARE(NormalizeReleaseDate(text), date);
    }

    void normalize_ignoresTheUserLocale()
    {
        const QLocale old;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString date = NormalizeReleaseDate(QStringLiteral("2003-03-01"));
        QLocale::setDefault(old);
        QCOMPARE(date, QString("Mar 01, 2003"));
    }
};

QTEST_GUILESS_MAIN(ReleaseDateTest)
#include "releasedate_test.moc"
