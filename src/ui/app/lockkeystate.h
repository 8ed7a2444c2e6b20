#pragma once

#include <optional>

// Whether Caps Lock, Num Lock and Scroll Lock are on.
struct LockKeyState
{
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// Reads the lock state from the X keyboard extension of the X display the
// program runs on. Nothing when the program does not run on X (Wayland,
// offscreen) or the server has no keyboard extension.
std::optional<LockKeyState> ReadX11LockState();

// The same from a given X display (a Display *), for tests.
std::optional<LockKeyState> ReadX11LockState(void *display);
