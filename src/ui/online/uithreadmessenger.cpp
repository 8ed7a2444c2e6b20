#include "uithreadmessenger.h"

#include <QCoreApplication>
#include <QThread>

namespace {

template <typename Fn> void onUiThread(Fn fn)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread())
        fn();
    else
        QMetaObject::invokeMethod(app, fn, Qt::BlockingQueuedConnection);
}

} // namespace

void CUiThreadMessenger::showMessage(const QString &text, Icon icon)
{
    onUiThread([&] { installedMessenger().showMessage(text, icon); });
}

bool CUiThreadMessenger::askYesNo(const QString &text, Icon icon)
{
    bool yes = false;
    onUiThread([&] { yes = installedMessenger().askYesNo(text, icon); });
    return yes;
}
