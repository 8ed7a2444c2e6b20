#include "catalog/bookrecord.h"
#include "online/batchfill.h"
#include "testsettings.h"

#include <QTest>

class BatchFillTest : public QObject
{
    Q_OBJECT

private slots:
    void fill_takesOnlyWhatIsMissing()
    {
        TestSettings settings;
        CBookRecord stored;
        stored.Title = "Мой заголовок";
        stored.Publisher = "  ";
        stored.FrontCover = "7.jpg";
        stored.newFrontCoverSource = "/images/7.jpg";
        CBookRecord found;
        found.Title = "Their title";
        found.Publisher = "Ψ Press";
        found.PageCount = "300";
        found.Description = "<p>从网上</p>";
        found.newFrontCoverSource = "/tmp/Ordo123.jpg";
        found.newBackCoverSource = "/tmp/Ordo124.jpg";
        FillEmptyFields(stored, found);
        QCOMPARE(stored.Title, QStringLiteral("Мой заголовок"));
        QCOMPARE(stored.Publisher, QStringLiteral("Ψ Press"));
        QCOMPARE(stored.PageCount, QStringLiteral("300"));
        QCOMPARE(stored.Description, QStringLiteral("<p>从网上</p>"));
        QCOMPARE(stored.newFrontCoverSource, QStringLiteral("/images/7.jpg")); // has a cover already
        QCOMPARE(stored.newBackCoverSource, QStringLiteral("/tmp/Ordo124.jpg"));
    }
};

QTEST_GUILESS_MAIN(BatchFillTest)
#include "batchfill_test.moc"
