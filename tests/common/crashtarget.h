#pragma once

// For the crash tests' child processes: the process kills itself (SIGKILL,
// like kill -9) when it reaches its Nth crash point.
#include "catalog/crashpoint.h"

#include <csignal>
#include <unistd.h>

namespace crashtarget {
inline int g_target = 0;
inline int g_reached = 0;

inline void dieAtTarget(const char *)
{
    if (++g_reached == g_target)
        ::kill(::getpid(), SIGKILL);
}
} // namespace crashtarget

// n counts from 1; 0 never dies.
inline void DieAtCrashPoint(int n)
{
    crashtarget::g_target = n;
    crashtarget::g_reached = 0;
    SetCrashPointHook(crashtarget::dieAtTarget);
}
