#include "uithreadmessenger.h"

#include "app/uithread.h"

void CUiThreadMessenger::showMessage(const QString &text, Icon icon)
{
    RunOnUiThread([&] { installedMessenger().showMessage(text, icon); });
}

bool CUiThreadMessenger::askYesNo(const QString &text, Icon icon)
{
    bool yes = false;
    RunOnUiThread([&] { yes = installedMessenger().askYesNo(text, icon); });
    return yes;
}
