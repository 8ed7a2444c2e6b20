#include "unicodetext.h"

#include <QChar>
#include <array>
#include <memory>
#include <mutex>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Folding a code point through Qt costs a table walk; the Basic Search runs
// it on every character of every description, so the Basic Multilingual
// Plane is folded once into two flat tables.
struct FoldTables
{
    std::array<char16_t, 0x10000> fold{};
    std::array<char16_t, 0x10000> plain{};
};

char32_t baseLetter(char32_t c)
{
    // Letters whose stroke is not a combining mark have no decomposition.
    switch (c) {
    case 0x0142:
        return U'l'; // ł
    case 0x00F8:
        return U'o'; // ø
    case 0x0111:
        return U'd'; // đ
    case 0x0127:
        return U'h'; // ħ
    case 0x0131:
        return U'i'; // dotless i
    case 0x0167:
        return U't'; // ŧ
    default:
        break;
    }
    // Follow canonical decompositions to the first character: é -> e + ́,
    // ǻ -> å + ́ -> a. Compatibility forms (ligatures, full-width) stay.
    for (int depth = 0; depth < 4; ++depth) {
        if (c > 0xFFFF || QChar::decompositionTag(c) != QChar::Canonical)
            break;
        const QString d = QChar::decomposition(c);
        if (d.isEmpty())
            break;
        const char32_t first = d.at(0).isHighSurrogate() && d.size() > 1
                                   ? QChar::surrogateToUcs4(d.at(0), d.at(1))
                                   : d.at(0).unicode();
        if (first == c)
            break;
        c = first;
    }
    return c;
}

const FoldTables &tables()
{
    static std::unique_ptr<FoldTables> instance;
    static std::once_flag once;
    std::call_once(once, [] {
        auto t = std::make_unique<FoldTables>();
        for (char32_t c = 0; c < 0x10000; ++c) {
            const char32_t folded = QChar::toCaseFolded(c);
            t->fold[c] = folded <= 0xFFFF ? char16_t(folded) : char16_t(c);
        }
        for (char32_t c = 0; c < 0x10000; ++c) {
            // Strip the accent, then fold again: "Ǻ" -> "Å" -> "A" -> "a".
            const char32_t base = baseLetter(t->fold[c]);
            const char32_t folded = base <= 0xFFFF ? t->fold[base] : base;
            // A combining mark on its own (decomposed input) disappears.
            const bool mark = QChar::category(c) == QChar::Mark_NonSpacing;
            t->plain[c] = mark ? char16_t(0) : char16_t(folded);
        }
        instance = std::move(t);
    });
    return *instance;
}

} // namespace

char32_t NextCodePoint(const unsigned char *s, int n, int &i)
{
    const unsigned char b = s[i++];
    if (b < 0x80)
        return b;
    int extra = 0;
    char32_t c = 0;
    if ((b & 0xE0) == 0xC0) {
        extra = 1;
        c = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        extra = 2;
        c = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        extra = 3;
        c = b & 0x07;
    } else {
        return kReplacement;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= n || (s[i] & 0xC0) != 0x80)
            return kReplacement;
        c = (c << 6) | (s[i++] & 0x3F);
    }
    return c;
}

const char16_t *FoldTable(bool ignoreAccents)
{
    const FoldTables &t = tables();
    return ignoreAccents ? t.plain.data() : t.fold.data();
}

char32_t FoldCodePoint(char32_t c, bool ignoreAccents)
{
    if (c <= 0xFFFF) {
        const FoldTables &t = tables();
        return ignoreAccents ? t.plain[c] : t.fold[c];
    }
    return QChar::toCaseFolded(c);
}

QString FoldText(const QString &text, bool ignoreAccents)
{
    const QByteArray utf8 = text.toUtf8();
    std::u32string folded;
    DecodeFolded(utf8.constData(), int(utf8.size()), ignoreAccents, folded);
    return QString::fromUcs4(folded.data(), qsizetype(folded.size()));
}

void DecodeFolded(const char *utf8, int bytes, bool ignoreAccents, std::u32string &out)
{
    out.clear();
    if (!utf8)
        return;
    out.reserve(size_t(bytes));
    const auto *s = reinterpret_cast<const unsigned char *>(utf8);
    const FoldTables &t = tables();
    const auto &table = ignoreAccents ? t.plain : t.fold;
    int i = 0;
    while (i < bytes) {
        const char32_t c = NextCodePoint(s, bytes, i);
        const char32_t f = c <= 0xFFFF ? char32_t(table[c]) : QChar::toCaseFolded(c);
        if (f != 0 || c == 0)
            out.push_back(f);
    }
}
