#pragma once

#include <array>
#include <string>
#include <vector>

// SQL LIKE with case folded in every script (and accents set aside when
// asked): "%" any run, "_" one character, escape (0 for none) makes the next
// pattern character literal. Pattern and texts are UTF-8. One matcher is
// made per pattern and tried on many texts.
//
// The search box's patterns ("%word%", "%two%words%") are found by scanning
// the bytes for the first character of each word and decoding only from
// there; any other pattern is matched on the whole text decoded and folded.
class LikeMatcher
{
public:
    LikeMatcher(const char *pattern, int bytes, char32_t escape, bool ignoreAccents);

    bool matches(const char *text, int bytes);
    // The same answer by decoding the whole text, whatever the pattern.
    bool matchesDecoded(const char *text, int bytes);

private:
    // One literal run of a "%...%...%" pattern and the bytes its first
    // character can start with in the text.
    struct Word
    {
        std::u32string chars;
        std::array<bool, 256> start{};
        // The start bytes but F0-F4 (tested as a range), for scanning
        // sixteen bytes at once; empty when there are too many of them.
        std::vector<unsigned char> startList;
    };

    void prepareWords();
    // Byte offset just after the first place of word in text from byte from,
    // or -1.
    int find(const Word &word, const unsigned char *text, int bytes, int from) const;
    // Byte offset just after word when it begins at byte at; kNotHere, or
    // kTextEnded when no later place can hold it either.
    enum : int { kNotHere = -1, kTextEnded = -2 };
    int matchAt(const Word &word, const unsigned char *text, int bytes, int at) const;

    std::u32string m_pattern;
    std::u32string m_buffer;
    const char16_t *m_fold;
    bool m_ignoreAccents;
    std::vector<Word> m_words; // empty: decode the whole text
};
