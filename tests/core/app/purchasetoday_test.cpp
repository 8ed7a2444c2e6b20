// The "Today" default purchase date: each new book gets the day it is added,
// and settings written before the choice existed read as they always did.
#include "app/defaultvalues.h"
#include "app/registrykey.h"
#include "catalog/bookrecord.h"
#include "catalog/sqlvalue.h"
#include "testsettings.h"

#include <QTest>

class PurchaseTodayTest : public QObject
{
    Q_OBJECT

private slots:
    void olderSettings_keepTheirFixedDate()
    {
        TestSettings settings;
        CRegistryKey key;
        QVERIFY(key.SetKey("Software\\Quenlow\\Ordo\\Settings\\Default", true));
        key.WriteString("PurchaseDate", "Mar 02, 2003");
        const DefaultValues v = ReadDefaultValues();
        QVERIFY(!v.purchaseToday);
        QCOMPARE(v.purchaseDate, QDate(2003, 3, 2));
        CBookRecord r;
        r.ResetToDefaults();
        QCOMPARE(r.PurchaseDate, QString("Mar 02, 2003"));
    }

    void today_givesEachNewBookTheDayItIsAdded()
    {
        TestSettings settings;
        DefaultValues v;
        v.purchaseDate = QDate(2003, 3, 2);
        v.purchaseToday = true;
        v.store = "Librería Ñandú";
        WriteDefaultValues(v);

        const DefaultValues back = ReadDefaultValues();
        QVERIFY(back.purchaseToday);
        QCOMPARE(back.store, v.store);
        // The plain date stays readable for a program that knows no "Today".
        CRegistryKey key;
        QVERIFY(key.SetKey("Software\\Quenlow\\Ordo\\Settings\\Default", false));
        QCOMPARE(key.ReadString("PurchaseDate", QString()), QString("Mar 02, 2003"));
        QCOMPARE(key.ReadInt("PurchaseDateToday", 0), 1);

        CBookRecord r;
        r.ResetToDefaults();
        QCOMPARE(r.PurchaseDate, FormatCatalogDate(QDate::currentDate()));

        v.purchaseToday = false;
        WriteDefaultValues(v);
        r.ResetToDefaults();
        QCOMPARE(r.PurchaseDate, QString("Mar 02, 2003"));
    }
};

QTEST_GUILESS_MAIN(PurchaseTodayTest)
#include "purchasetoday_test.moc"
