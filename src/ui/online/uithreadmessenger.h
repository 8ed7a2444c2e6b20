#pragma once

#include "app/messenger.h"

// Hands every message and question of a worker thread to the installed
// messenger on the user-interface thread and waits for it there, so boxes
// (and a test's recording messenger) are only ever touched by that thread.
// The user-interface thread must keep its event loop running meanwhile.
class CUiThreadMessenger : public IMessenger
{
public:
    void showMessage(const QString &text, Icon icon = Icon::Warning) override;
    bool askYesNo(const QString &text, Icon icon = Icon::Question) override;
};
