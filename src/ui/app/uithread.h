#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

// Runs fn on the user-interface thread, waiting for it when called from a
// worker: widgets and message boxes may only be touched there.
template <typename Fn> void RunOnUiThread(Fn fn)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread())
        fn();
    else
        QMetaObject::invokeMethod(app, fn, Qt::BlockingQueuedConnection);
}
