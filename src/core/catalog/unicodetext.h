#pragma once

#include <QString>
#include <string>

// Text comparison that works for every script, not only A-Z: case is folded
// by Unicode's simple case folding, and accents can be set aside by reducing
// a character to its base letter ("É" -> "e"). Used by the SQL functions of
// the program's connection and by the lookup names.

// One code point folded; with ignoreAccents also reduced to its base letter.
char32_t FoldCodePoint(char32_t c, bool ignoreAccents);

// The whole text folded the same way (code point by code point, so "_" in a
// LIKE pattern still stands for one character).
QString FoldText(const QString &text, bool ignoreAccents = false);

// Decodes UTF-8 into code points, folded as FoldCodePoint does. Invalid bytes
// become U+FFFD.
void DecodeFolded(const char *utf8, int bytes, bool ignoreAccents, std::u32string &out);

// The next code point of UTF-8 text s of n bytes from i, which it advances.
// A byte that cannot start a character, or a sequence cut short, gives
// U+FFFD; ASCII bytes and lead bytes are never taken into another character.
char32_t NextCodePoint(const unsigned char *s, int n, int &i);

// The folded form of every code point of the Basic Multilingual Plane, as
// FoldCodePoint gives it; 0 for a combining mark dropped with its accent.
const char16_t *FoldTable(bool ignoreAccents);
