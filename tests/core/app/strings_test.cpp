#include "app/strings.h"

#include <QTest>

class StringsTest : public QObject
{
    Q_OBJECT

private slots:
    void knownIdsGiveTheirEnglishText()
    {
        QCOMPARE(LoadStr(IDS_ENGLISH), QString("English"));
        QCOMPARE(LoadStr(IDS_PAGE_TITLE), QString("Ordoteca Book Information"));
        QCOMPARE(LoadStr(IDS_IDLE_MESSAGE), QString("For Help, press F1"));
        QVERIFY(LoadStr(IDS_WELCOME_PAGE).contains("Welcome to Ordoteca"));
        QCOMPARE(LoadStr(99999), QString());
    }

    void argumentReplacesTheFirstPlaceholder()
    {
        QCOMPARE(LoadStr(IDS_CANNOT_CREATE_FILE, "/x/y.mdb"), QString("Cannot create file:\n/x/y.mdb"));
    }

    // Without a language file the count is filled into the English text as
    // written; the plural forms come from the translators.
    void countFillsTheNumber()
    {
        QCOMPARE(LoadCountStr(IDS_DUPLICATES_NOT_SAVED, 3), QString("3 duplicate(s) are not saved."));
        QCOMPARE(LoadCountStr(IDS_SUB_CATEGORY_COUNT, 1), QString("1 sub category(ies)"));
        QCOMPARE(LoadCountStr(99999, 1), QString());
    }
};

QTEST_GUILESS_MAIN(StringsTest)
#include "strings_test.moc"
