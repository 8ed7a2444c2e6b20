#include "choicequestion.h"

int AskChoice(const QString &text, const QStringList &buttons, IMessenger::Icon icon)
{
    IMessenger &current = messenger();
    if (auto *choice = dynamic_cast<IChoiceMessenger *>(&current))
        return choice->askChoice(text, buttons, icon);
    current.askYesNo(text, icon);
    return int(buttons.size()) - 1;
}
