#include "lockkeystate.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>

namespace {

// The display the lock state is read from, opened once and kept for the run:
// Qt's own connection is XCB and does not offer the Xlib calls we need.
Display *programDisplay()
{
    static Display *display = [] {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            return static_cast<Display *>(nullptr);
        return XOpenDisplay(nullptr);
    }();
    return display;
}

// The indicator's state, or nothing when the server does not know it.
std::optional<bool> indicator(Display *display, const char *name)
{
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None)
        return std::nullopt;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return std::nullopt;
    return on != False;
}

} // namespace

std::optional<LockKeyState> ReadX11LockState()
{
    return ReadX11LockState(programDisplay());
}

std::optional<LockKeyState> ReadX11LockState(void *opaque)
{
    auto *display = static_cast<Display *>(opaque);
    if (!display)
        return std::nullopt;
    int opcode = 0, event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    if (!XkbQueryExtension(display, &opcode, &event, &error, &major, &minor))
        return std::nullopt;
    const std::optional<bool> caps = indicator(display, "Caps Lock");
    const std::optional<bool> num = indicator(display, "Num Lock");
    if (!caps && !num)
        return std::nullopt;
    LockKeyState state;
    state.caps = caps.value_or(false);
    state.num = num.value_or(false);
    state.scroll = indicator(display, "Scroll Lock").value_or(false);
    return state;
}
