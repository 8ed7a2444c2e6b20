#include "sqlrunprogress.h"

#include "catalog/connection.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

SqlRunResult CSqlRunProgress::Run(Connection &connection, const QString &statement, QWidget *parent)
{
    SqlRunResult result;
    QThread *worker = QThread::create([&] { result = RunSql(connection, statement); });
    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();

    // The first second: the window repaints but takes no input, so nothing
    // else reaches the catalogue while the statement runs.
    QTimer::singleShot(kShowAfterMs, &loop, &QEventLoop::quit);
    if (!worker->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (!worker->isFinished()) {
        QProgressDialog progress(parent);
        progress.setLabelText(QCoreApplication::translate("CSqlRunProgress", "Running the SQL statement..."));
        progress.setCancelButtonText(QCoreApplication::translate("CSqlRunProgress", "Stop"));
        progress.setRange(0, 0);
        progress.setWindowModality(Qt::ApplicationModal);
        progress.setAutoClose(false);
        progress.setAutoReset(false);
        QObject::connect(&progress, &QProgressDialog::canceled, &progress, [&connection, &progress] {
            progress.setLabelText(QCoreApplication::translate("CSqlRunProgress", "Stopping..."));
            connection.interrupt();
        });
        progress.show();
        if (!worker->isFinished())
            loop.exec();
        progress.hide();
    }
    worker->wait();
    delete worker;
    return result;
}
