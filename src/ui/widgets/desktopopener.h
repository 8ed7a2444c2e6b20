#pragma once

#include <QString>
#include <QUrl>

// Opens an address or a file with the desktop's application for its kind.
// On Linux the desktop's opener reports success as soon as it starts, even
// when nothing handles the address ("irc:", "smb:", a file type with no
// program): the desktop's default for the kind is looked up first, and an
// address nothing would open fails here instead of doing nothing.
bool OpenWithDesktop(const QUrl &url);

// True unless the desktop's database says no application takes url. Without
// the xdg-mime tool nothing can be said: true.
bool HasDesktopHandler(const QUrl &url);

// "Unable to open hyperlink:" with the address, as the hyperlink control says it.
QString UnableToOpenText(const QString &address);
