#pragma once

#include <QString>

// What a book's related link points at. The type is not stored with the
// link; it is worked out from the path whenever a link is edited.
enum class LinkType { Url = 0, File = 1, Folder = 2, Other = 3 };

// True when text starts with a scheme ("http:", "ftp:", "mailto:" ...: a
// letter, then letters, digits, "+", "-" or ".", then a colon) and contains a
// ".". A one-letter scheme is a drive letter, not an address.
bool IsWebAddress(const QString &text);

// URL for a web address, else File for an existing file, Folder for an
// existing folder, Other for anything else.
LinkType GuessLinkType(const QString &path);

// The number of a link added to a list: one more than both the highest number
// (shown or given before) and the number of rows, so a number is never given
// twice even when the numbers read from the catalogue were not 1..n.
int NextLinkNumber(int highestNumber, int rowCount);
