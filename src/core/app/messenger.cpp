#include "messenger.h"

#include <QTextStream>
#include <atomic>

namespace {

class StderrMessenger : public IMessenger
{
public:
    void showMessage(const QString &text, Icon) override
    {
        QTextStream(stderr) << text << '\n';
    }
    bool askYesNo(const QString &text, Icon) override
    {
        QTextStream(stderr) << text << " [answered No]\n";
        return false;
    }
};

StderrMessenger g_default;
std::atomic<IMessenger *> g_current{&g_default};
thread_local IMessenger *t_scoped = nullptr;

} // namespace

IMessenger &messenger()
{
    return t_scoped ? *t_scoped : *g_current.load();
}

IMessenger &installedMessenger()
{
    return *g_current.load();
}

CThreadMessengerScope::CThreadMessengerScope(IMessenger *instance) : m_previous(t_scoped)
{
    t_scoped = instance;
}

CThreadMessengerScope::~CThreadMessengerScope()
{
    t_scoped = m_previous;
}

void setMessenger(IMessenger *instance)
{
    g_current.store(instance ? instance : &g_default);
}
