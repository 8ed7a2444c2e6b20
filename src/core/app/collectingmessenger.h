#pragma once

#include "messenger.h"

#include <QStringList>

// Keeps the messages of a piece of work instead of showing them, so the
// caller decides what the user sees (a batch writes a failure into its list
// rather than opening a box per book). Questions are answered No. Used by
// one thread at a time, typically through a CThreadMessengerScope.
class CCollectingMessenger : public IMessenger
{
public:
    void showMessage(const QString &text, Icon icon = Icon::Warning) override
    {
        messages << text;
        icons << icon;
    }
    bool askYesNo(const QString &text, Icon icon = Icon::Question) override
    {
        showMessage(text, icon);
        return false;
    }

    QStringList messages;
    QList<Icon> icons;
};
