#pragma once

// Marks a step of a save after which an interruption (a crash, kill -9, a
// power cut) leaves the files and the catalogue in a state of its own. The
// crash tests install a hook that ends the process at one chosen step; in
// the program nothing is installed and a crash point costs one test.
using CrashPointHook = void (*)(const char *step);

void SetCrashPointHook(CrashPointHook hook);
void CrashPoint(const char *step);
