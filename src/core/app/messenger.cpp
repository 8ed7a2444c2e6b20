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

} // namespace

IMessenger &messenger()
{
    return *g_current.load();
}

void setMessenger(IMessenger *instance)
{
    g_current.store(instance ? instance : &g_default);
}
