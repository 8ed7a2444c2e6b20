// Run SQL: a statement that runs for long can be stopped.
#include "browse/sqlrunprogress.h"
#include "catalog/connection.h"
#include "recordingmessenger.h"
#include "testcatalog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <sqlite3.h>

namespace {

QProgressDialog *visibleProgress()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *p = qobject_cast<QProgressDialog *>(w); p && p->isVisible())
            return p;
    }
    return nullptr;
}

} // namespace

class SqlRunProgressTest : public QObject
{
    Q_OBJECT

private slots:
    void quickStatement_showsNoProgress()
    {
        TestCatalog cat;
        bool shown = false;
        QTimer probe;
        QObject::connect(&probe, &QTimer::timeout, [&] { shown = shown || visibleProgress(); });
        probe.start(10);
        const SqlRunResult r =
            CSqlRunProgress::Run(cat.connection(), "UPDATE category SET Notes='Σημείωση'", nullptr);
        QVERIFY(r.ok);
        QVERIFY(r.recordsAffected > 0);
        QVERIFY(!shown);
    }

    void longStatement_offersStopAfterASecond()
    {
        TestCatalog cat;
        bool shownEarly = false;
        bool stopped = false;
        QElapsedTimer clock;
        clock.start();
        QTimer probe;
        QObject::connect(&probe, &QTimer::timeout, [&] {
            QProgressDialog *p = visibleProgress();
            if (p && clock.elapsed() < CSqlRunProgress::kShowAfterMs - 50)
                shownEarly = true;
            if (p && clock.elapsed() > 1300 && !stopped) {
                stopped = true;
                QVERIFY(p->findChild<QPushButton *>());
                QCOMPARE(p->findChild<QPushButton *>()->text(), QString("Stop"));
                p->findChild<QPushButton *>()->click();
            }
        });
        probe.start(20);
        const SqlRunResult r = CSqlRunProgress::Run(
            cat.connection(),
            "WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x+1 FROM c) SELECT COUNT(*) FROM c", nullptr);
        QVERIFY(stopped);
        QVERIFY(!shownEarly);
        QVERIFY(!r.ok);
        QCOMPARE(r.error.code & 0xff, SQLITE_INTERRUPT);
        QVERIFY(!visibleProgress());
        // The catalogue goes on working.
        QVERIFY(CSqlRunProgress::Run(cat.connection(), "SELECT COUNT(*) FROM book", nullptr).ok);
    }
};

QTEST_MAIN(SqlRunProgressTest)
#include "sqlrunprogress_test.moc"
