#include "likematcher.h"

#include "unicodetext.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

enum : char32_t { kAnyRun = 0x110000, kAnyOne = 0x110001, kReplacement = 0xFFFD };

// The pattern as folded literals and the two wildcards.
void compilePattern(const char *pattern, int bytes, char32_t escape, bool ignoreAccents, std::u32string &out)
{
    out.clear();
    const auto *s = reinterpret_cast<const unsigned char *>(pattern);
    int i = 0;
    while (i < bytes) {
        char32_t c = NextCodePoint(s, bytes, i);
        if (escape != 0 && c == escape) {
            if (i >= bytes)
                break; // a trailing escape stands for nothing
            c = NextCodePoint(s, bytes, i);
        } else if (c == U'%') {
            if (out.empty() || out.back() != kAnyRun)
                out.push_back(kAnyRun);
            continue;
        } else if (c == U'_') {
            out.push_back(kAnyOne);
            continue;
        }
        const char32_t f = FoldCodePoint(c, ignoreAccents);
        if (f != 0)
            out.push_back(f);
    }
}

// Classic wildcard matching with one backtrack point: linear for the usual
// "%word%" patterns.
bool matchFolded(const std::u32string &p, const std::u32string &t)
{
    size_t pi = 0, ti = 0;
    size_t starP = std::u32string::npos, starT = 0;
    while (ti < t.size()) {
        if (pi < p.size() && p[pi] == kAnyRun) {
            starP = pi++;
            starT = ti;
        } else if (pi < p.size() && (p[pi] == kAnyOne || p[pi] == t[ti])) {
            ++pi;
            ++ti;
        } else if (starP != std::u32string::npos) {
            pi = starP + 1;
            ti = ++starT;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == kAnyRun)
        ++pi;
    return pi == p.size();
}

// The UTF-8 lead byte of a code point of the Basic Multilingual Plane.
unsigned char leadByte(char32_t c)
{
    if (c < 0x80)
        return static_cast<unsigned char>(c);
    if (c < 0x800)
        return static_cast<unsigned char>(0xC0 | (c >> 6));
    return static_cast<unsigned char>(0xE0 | (c >> 12));
}

} // namespace

LikeMatcher::LikeMatcher(const char *pattern, int bytes, char32_t escape, bool ignoreAccents)
    : m_fold(FoldTable(ignoreAccents)), m_ignoreAccents(ignoreAccents)
{
    compilePattern(pattern, bytes, escape, ignoreAccents, m_pattern);
    prepareWords();
}

void LikeMatcher::prepareWords()
{
    // Only "%w1%w2%...%": with "%" at both ends, each word found after the
    // one before is a match, so the leftmost places are enough.
    if (m_pattern.size() < 3 || m_pattern.front() != kAnyRun || m_pattern.back() != kAnyRun)
        return;
    std::vector<Word> words;
    Word word;
    for (size_t i = 1; i < m_pattern.size(); ++i) {
        const char32_t c = m_pattern[i];
        // A text's invalid bytes fold to U+FFFD from wherever they are read;
        // such a word is left to the whole-text path.
        if (c == kAnyOne || c == 0 || c == kReplacement)
            return;
        if (c != kAnyRun) {
            word.chars.push_back(c);
            continue;
        }
        words.push_back(std::move(word));
        word = Word();
    }

    for (Word &w : words) {
        const char32_t first = w.chars.front();
        for (int b = 0; b < 0x80; ++b)
            w.start[b] = m_fold[b] == first;
        for (char32_t c = 0x80; c <= 0xFFFF; ++c) {
            if (m_fold[c] == first)
                w.start[leadByte(c)] = true;
        }
        // Overlong forms can decode to any character below what their lead
        // byte normally starts; characters beyond the plane are folded one by
        // one. Rare in texts; their places are checked like the others.
        for (int b : {0xC0, 0xC1, 0xE0, 0xF0, 0xF1, 0xF2, 0xF3, 0xF4})
            w.start[b] = true;
        for (int b = 0; b < 0xF0; ++b) {
            if (w.start[b])
                w.startList.push_back(static_cast<unsigned char>(b));
        }
    }
    m_words = std::move(words);
}

int LikeMatcher::matchAt(const Word &word, const unsigned char *text, int bytes, int at) const
{
    const char32_t *chars = word.chars.data();
    const size_t length = word.chars.size();
    int j = at;
    size_t k = 0;
    while (k < length && j < bytes) {
        const char32_t c = NextCodePoint(text, bytes, j);
        const char32_t f = c <= 0xFFFF ? char32_t(m_fold[c]) : FoldCodePoint(c, m_ignoreAccents);
        if (f == 0 && c != 0)
            continue; // a combining mark that went with its accent
        if (f != chars[k])
            break;
        ++k;
    }
    if (k == length)
        return j;
    // The text ran out: a later place has even fewer characters left.
    return j >= bytes && k > 0 ? kTextEnded : kNotHere;
}

int LikeMatcher::find(const Word &word, const unsigned char *text, int bytes, int from) const
{
    // Continuation bytes are never starts, so every place tried begins a
    // character as decoding from the beginning of the text would read it.
    int i = from;
#ifdef __SSE2__
    constexpr size_t kMaxListed = 8;
    if (!word.startList.empty() && word.startList.size() <= kMaxListed) {
        __m128i listed[kMaxListed];
        const size_t count = word.startList.size();
        for (size_t k = 0; k < count; ++k)
            listed[k] = _mm_set1_epi8(static_cast<char>(word.startList[k]));
        const __m128i f0 = _mm_set1_epi8(static_cast<char>(0xF0));
        const __m128i four = _mm_set1_epi8(4);
        for (; i + 16 <= bytes; i += 16) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text + i));
            // F0 to F4: the difference from F0, as unsigned, is at most 4.
            const __m128i fromF0 = _mm_sub_epi8(block, f0);
            __m128i hits = _mm_cmpeq_epi8(_mm_min_epu8(fromF0, four), fromF0);
            for (size_t k = 0; k < count; ++k)
                hits = _mm_or_si128(hits, _mm_cmpeq_epi8(block, listed[k]));
            for (unsigned mask = unsigned(_mm_movemask_epi8(hits)); mask != 0; mask &= mask - 1) {
                const int end = matchAt(word, text, bytes, i + __builtin_ctz(mask));
                if (end >= 0)
                    return end;
                if (end == kTextEnded)
                    return -1;
            }
        }
    }
#endif
    for (; i < bytes; ++i) {
        if (!word.start[text[i]])
            continue;
        const int end = matchAt(word, text, bytes, i);
        if (end >= 0)
            return end;
        if (end == kTextEnded)
            return -1;
    }
    return -1;
}

bool LikeMatcher::matches(const char *text, int bytes)
{
    if (m_words.empty())
        return matchesDecoded(text, bytes);
    const auto *s = reinterpret_cast<const unsigned char *>(text);
    int at = 0;
    for (const Word &word : m_words) {
        at = find(word, s, bytes, at);
        if (at < 0)
            return false;
    }
    return true;
}

bool LikeMatcher::matchesDecoded(const char *text, int bytes)
{
    DecodeFolded(text, bytes, m_ignoreAccents, m_buffer);
    return matchFolded(m_pattern, m_buffer);
}
