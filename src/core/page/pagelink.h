#pragma once

#include <QString>

class Connection;

// What a click on address in the book page opens instead of navigating:
// - "ordocover://..." gives imagesFolder + "/" + the file name after the last
//   "/" or "\" (trimmed, one trailing "/" dropped first), so only pictures of
//   the catalogue's own images folder are ever opened this way; empty text
//   when that name is empty, "." or "..";
// - "ordolink://B/L" gives the path of link L of book B, or "B/L" when there
//   is no such link or no connection;
// - anything else (web addresses, file paths) is returned unchanged.
QString ResolvePageLink(const QString &address, const QString &imagesFolder, Connection *connection);

// An ordolink reference without its scheme ("12/3", white space allowed
// around it) resolved to the link's path; the trimmed reference itself when
// the link does not exist or connection is null.
QString ResolveLinkReference(const QString &reference, Connection *connection);

// The two private schemes of the page, as written by the templates.
inline constexpr char kCoverScheme[] = "ordocover://";
inline constexpr char kLinkScheme[] = "ordolink://";
