// The application folder, wherever it was given from.
#include "app/apppaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class AppPathsTest : public QObject
{
    Q_OBJECT

private slots:
    // The page links its style sheets by file address: a folder given as a
    // relative path (a script run from the source tree) must still name the
    // same files from anywhere.
    void relativeFolder_becomesAbsolute()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("build/bin/Styles"));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const QString expected = QDir::currentPath() + "/build/bin/";
        SetAppFolder("build/bin");
        QCOMPARE(AppFolder(), expected);
        SetAppFolder("build/bin/");
        QCOMPARE(AppFolder(), expected);
        QVERIFY(QDir::setCurrent(previous));
        QVERIFY(QFileInfo(AppFolder() + "Styles").isDir());
    }

    void executableFolder_holdingTheTemplate_isTheApplicationFolder()
    {
        QTemporaryDir dir;
        QFile dbt(dir.filePath("ordo.dbt"));
        QVERIFY(dbt.open(QIODevice::WriteOnly));
        dbt.close();
        QCOMPARE(LocateAppFolder(dir.path()), QDir(dir.path()).absolutePath() + "/");
    }
};

QTEST_GUILESS_MAIN(AppPathsTest)
#include "apppaths_test.moc"
