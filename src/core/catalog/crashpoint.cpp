#include "crashpoint.h"

#include <atomic>

namespace {
std::atomic<CrashPointHook> g_hook{nullptr};
}

void SetCrashPointHook(CrashPointHook hook)
{
    g_hook = hook;
}

void CrashPoint(const char *step)
{
    if (const CrashPointHook hook = g_hook.load())
        hook(step);
}
