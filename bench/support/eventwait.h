#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>

// Runs the event loop until done() holds; false when timeoutMs passed first.
// Between events the thread sleeps, as the program's own loop does: a loop
// that spins would take a core from the workers being timed.
inline bool WaitForEvents(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    // Wakes the loop now and then to look at done() and the clock.
    QTimer wake;
    wake.start(1);
    QEventLoop loop;
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}
