#include "windows1252.h"

#include <algorithm>

namespace {

// 0x80-0x9F; zero where the code page defines nothing.
const char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

QChar Windows1252Char(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0)
        return QChar(kHighControls[byte - 0x80]);
    return QChar(char16_t(byte));
}

QString DecodeWindows1252(const char *bytes, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < size; ++i)
        out[i] = Windows1252Char(static_cast<unsigned char>(bytes[i]));
    return text;
}

bool RepairC1Controls(QString &text)
{
    const auto isC1 = [](QChar c) { return c.unicode() >= 0x80 && c.unicode() <= 0x9F; };
    const auto first = std::find_if(text.cbegin(), text.cend(), isC1);
    if (first == text.cend())
        return false; // the common case: nothing to detach or copy
    bool changed = false;
    for (qsizetype i = first - text.cbegin(); i < text.size(); ++i) {
        if (!isC1(text.at(i)))
            continue;
        const QChar repaired = Windows1252Char(static_cast<unsigned char>(text.at(i).unicode()));
        changed = changed || repaired != text.at(i);
        text[i] = repaired;
    }
    return changed;
}
