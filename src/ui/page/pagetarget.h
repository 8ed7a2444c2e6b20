#pragma once

#include <QString>
#include <QUrl>

// What the book page hands to the desktop when a link is clicked: the text
// ResolvePageLink computed (a web address, a file path, a cover picture or a
// related link's path).

// The address to open for target: addresses with a scheme as they are,
// "www." names as web addresses, absolute paths of existing files or folders
// as file URLs. Invalid for anything else, such as a missing file or the
// "12/3" left of a related link that no longer exists, so the user is told
// instead of a browser being sent to a made-up host.
QUrl PageTargetUrl(const QString &target);

// Opens target with the desktop's default action; false when it cannot be.
bool OpenPageTarget(const QString &target);

// The text of a clicked address as the page's link rules read it: file URLs
// as local paths, anything else as its readable (decoded) form.
QString PageAddressText(const QUrl &url);
