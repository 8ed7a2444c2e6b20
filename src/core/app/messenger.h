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

// For its lifetime, messenger() on the calling thread returns instance
// instead of the installed one (not owned). A worker uses it to collect the
// messages of its steps or to hand them to the user-interface thread.
class CThreadMessengerScope
{
public:
    explicit CThreadMessengerScope(IMessenger *instance);
    ~CThreadMessengerScope();
    CThreadMessengerScope(const CThreadMessengerScope &) = delete;
    CThreadMessengerScope &operator=(const CThreadMessengerScope &) = delete;

private:
    IMessenger *m_previous;
};

// The installed messenger, whatever the calling thread's scope says.
IMessenger &installedMessenger();
