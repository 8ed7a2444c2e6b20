#pragma once

// Something that can serve commands: a pane, the frame or the application.
// The router asks the active pane first, then the frame and the application,
// then the other panes in the order tree, list, page view; the first target
// that serves a command owns it, enable check included.
class ICommandTarget
{
public:
    virtual ~ICommandTarget() = default;

    // True when this target has a handler for the command.
    virtual bool servesCommand(int id) const = 0;
    // Enable check; only asked of the target that serves the command.
    virtual bool isCommandEnabled(int id) const = 0;
    // Check mark (style and template menus, bar toggles).
    virtual bool isCommandChecked(int id) const { (void)id; return false; }
    virtual void runCommand(int id) = 0;
};
