#pragma once

#include <QString>

// Small text helpers used when tidying values read from the web. A "space"
// here is the single character U+0020.

QString FirstWord(const QString &text);
QString AllButFirstWord(const QString &text);
QString LastWord(const QString &text);
QString AllButLastWord(const QString &text);
QString FirstTwoWords(const QString &text);
// The part after the last "\" or "/" (trailing blanks removed first).
QString FileNameOfPath(const QString &path);
// Every occurrence found without regard to case replaced; a replacement is
// never searched again.
QString ReplaceNoCase(const QString &text, const QString &search, const QString &replacement);

// Removes white space at the start or the end only.
QString TrimLeft(const QString &text);
QString TrimRight(const QString &text);
