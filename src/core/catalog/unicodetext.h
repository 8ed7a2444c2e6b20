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

// SQL LIKE with case folded (and accents ignored when asked), in two steps
// so that one pattern is compiled once for many texts: "%" any run, "_" one
// character, escape (0 for none) makes the next pattern character literal.
// Pattern and text are UTF-8; buffer is scratch space.
void CompileLikePattern(const char *pattern, int bytes, char32_t escape, bool ignoreAccents,
                        std::u32string &out);
bool UnicodeLikeCompiled(const std::u32string &compiledPattern, const char *text, int textBytes,
                         bool ignoreAccents, std::u32string &buffer);
