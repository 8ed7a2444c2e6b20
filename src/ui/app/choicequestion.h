#pragma once

#include "app/messenger.h"

#include <QStringList>

// A messenger that can ask a question with buttons of its own (Overwrite,
// Reload, Cancel) besides Yes and No.
class IChoiceMessenger
{
public:
    virtual ~IChoiceMessenger() = default;
    // The index of the button chosen; the last one is what Escape picks.
    virtual int askChoice(const QString &text, const QStringList &buttons, IMessenger::Icon icon) = 0;
};

// Asks through the current messenger. One that cannot show buttons of its
// own hears the question and gets the last button (Cancel) as the answer.
int AskChoice(const QString &text, const QStringList &buttons,
              IMessenger::Icon icon = IMessenger::Icon::Question);
