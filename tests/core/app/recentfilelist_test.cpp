#include "app/recentfilelist.h"
#include "app/registrykey.h"

#include "testsettings.h"

#include <QDir>
#include <QTest>

namespace {

QStringList storedValues()
{
    CRegistryKey key;
    QStringList values;
    if (!key.SetKey(CRecentFileList::keyPath(), false))
        return values;
    for (int i = 1; i <= 4; ++i)
        values << key.ReadString(QStringLiteral("File%1").arg(i), QString());
    return values;
}

} // namespace

class RecentFileListTest : public QObject
{
    Q_OBJECT

private slots:
    void addKeepsNewestFirstWithoutDuplicates_data()
    {
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one") << QStringList{"/c/a.mdb"} << QStringList{"/c/a.mdb"};
        QTest::newRow("newest first")
            << QStringList{"/c/a.mdb", "/c/b.mdb"} << QStringList{"/c/b.mdb", "/c/a.mdb"};
        QTest::newRow("at most four")
            << QStringList{"/c/1.mdb", "/c/2.mdb", "/c/3.mdb", "/c/4.mdb", "/c/5.mdb"}
            << QStringList{"/c/5.mdb", "/c/4.mdb", "/c/3.mdb", "/c/2.mdb"};
        QTest::newRow("again moves to the front")
            << QStringList{"/c/1.mdb", "/c/2.mdb", "/c/3.mdb", "/c/1.mdb"}
            << QStringList{"/c/1.mdb", "/c/3.mdb", "/c/2.mdb"};
        QTest::newRow("same file spelt differently")
            << QStringList{"/c/x/../a.mdb", "/c/a.mdb", "/c//a.mdb"} << QStringList{"/c/a.mdb"};
        QTest::newRow("case matters on this system")
            << QStringList{"/c/a.mdb", "/c/A.mdb"} << QStringList{"/c/A.mdb", "/c/a.mdb"};
        QTest::newRow("blank ignored") << QStringList{"/c/a.mdb", "  "} << QStringList{"/c/a.mdb"};
        QTest::newRow("full list, repeat of the oldest")
            << QStringList{"/c/1.mdb", "/c/2.mdb", "/c/3.mdb", "/c/4.mdb", "/c/1.mdb"}
            << QStringList{"/c/1.mdb", "/c/4.mdb", "/c/3.mdb", "/c/2.mdb"};
    }
    void addKeepsNewestFirstWithoutDuplicates()
    {
        QFETCH(QStringList, added);
        QFETCH(QStringList, expected);
        TestSettings settings;
        CRecentFileList list;
        for (const QString &path : added)
            list.Add(path);
        QCOMPARE(list.entries(), expected);

        // Every change is in the settings at once.
        CRecentFileList reread;
        reread.ReadList();
        QCOMPARE(reread.entries(), expected);
        QStringList stored = expected;
        while (stored.size() < 4)
            stored << QString();
        QCOMPARE(storedValues(), stored);
    }

    void relativePathsBecomeAbsolute()
    {
        TestSettings settings;
        CRecentFileList list;
        list.Add(QStringLiteral("books.mdb"));
        QCOMPARE(list.entry(0), QDir::current().absoluteFilePath(QStringLiteral("books.mdb")));
    }

    void removeDropsAnEntryAndClosesTheGap()
    {
        TestSettings settings;
        CRecentFileList list;
        for (const char *path : {"/c/1.mdb", "/c/2.mdb", "/c/3.mdb"})
            list.Add(QString::fromLatin1(path));
        list.Remove(1);
        QCOMPARE(list.entries(), QStringList({"/c/3.mdb", "/c/1.mdb"}));
        QVERIFY(list.Remove(QStringLiteral("/c/1.mdb")));
        QVERIFY(!list.Remove(QStringLiteral("/c/9.mdb")));
        list.Remove(7);
        list.Remove(-1);
        QCOMPARE(list.entries(), QStringList({"/c/3.mdb"}));
        QCOMPARE(storedValues(), QStringList({"/c/3.mdb", "", "", ""}));
    }

    void readSkipsBlankAndRepeatedValues()
    {
        TestSettings settings;
        CRegistryKey key;
        QVERIFY(key.SetKey(CRecentFileList::keyPath(), true));
        QVERIFY(key.WriteString(QStringLiteral("File1"), QStringLiteral("/c/a.mdb")));
        QVERIFY(key.WriteString(QStringLiteral("File2"), QString()));
        QVERIFY(key.WriteString(QStringLiteral("File3"), QStringLiteral("/c/a.mdb")));
        QVERIFY(key.WriteString(QStringLiteral("File4"), QStringLiteral("/c/b.mdb")));
        QVERIFY(key.WriteString(QStringLiteral("File5"), QStringLiteral("/c/e.mdb")));

        CRecentFileList list;
        list.ReadList();
        QCOMPARE(list.entries(), QStringList({"/c/a.mdb", "/c/b.mdb"}));
    }

    void emptySettingsGiveAnEmptyList()
    {
        TestSettings settings;
        CRecentFileList list;
        list.ReadList();
        QVERIFY(list.isEmpty());
        QCOMPARE(list.entry(0), QString());
    }
};

QTEST_GUILESS_MAIN(RecentFileListTest)
#include "recentfilelist_test.moc"
