#pragma once

#include <QString>

// Every message and question the program shows goes through one messenger.
// The GUI installs one that shows message boxes; tests install a recording one.
// Core code never opens a window itself.
class IMessenger
{
public:
    enum class Icon { Information, Warning, Error, Question };

    virtual ~IMessenger() = default;
    virtual void showMessage(const QString &text, Icon icon = Icon::Warning) = 0;
    // True for Yes.
    virtual bool askYesNo(const QString &text, Icon icon = Icon::Question) = 0;
};

// The installed messenger; a quiet default (stderr, answers No) until one is set.
IMessenger &messenger();
// Installs a messenger (not owned); nullptr restores the default.
void setMessenger(IMessenger *instance);
