#pragma once

#include <QString>
#include <QUrl>
#include <functional>

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
// Web and mail addresses and existing files open at once; any other scheme
// is shown to the user first (a No is not a failure).
bool OpenPageTarget(const QString &target);
// OpenPageTarget, telling the user "Unable to open hyperlink" with the
// target when it fails (the sheet's covers, the editors' links).
void OpenPageTargetOrTell(const QString &target);
// What finally opens an address (tests record instead); null restores the
// desktop's.
void SetDesktopOpenerForTests(std::function<bool(const QUrl &)> opener);

// The text of a clicked address as the page's link rules read it: file URLs
// as local paths, anything else as its readable (decoded) form.
QString PageAddressText(const QUrl &url);
