#include "encodeutf8.h"

namespace {

bool isHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool isLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

int EncodeUtf8(const char16_t *text, int length, char *buffer, int bufferSize)
{
    const bool counting = buffer == nullptr || bufferSize <= 0;
    int written = 0;
    for (int i = 0; i < length; ++i) {
        char32_t code = text[i];
        if (isHighSurrogate(text[i]) && i + 1 < length && isLowSurrogate(text[i + 1])) {
            code = 0x10000 + ((char32_t(text[i]) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
            ++i;
        }
        const int size = code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
        if (counting) {
            written += size;
            continue;
        }
        if (written + size > bufferSize)
            return 0;
        auto *out = reinterpret_cast<unsigned char *>(buffer + written);
        switch (size) {
        case 1:
            out[0] = static_cast<unsigned char>(code);
            break;
        case 2:
            out[0] = static_cast<unsigned char>(0xC0 | (code >> 6));
            out[1] = static_cast<unsigned char>(0x80 | (code & 0x3F));
            break;
        case 3:
            out[0] = static_cast<unsigned char>(0xE0 | (code >> 12));
            out[1] = static_cast<unsigned char>(0x80 | ((code >> 6) & 0x3F));
            out[2] = static_cast<unsigned char>(0x80 | (code & 0x3F));
            break;
        default:
            out[0] = static_cast<unsigned char>(0xF0 | (code >> 18));
            out[1] = static_cast<unsigned char>(0x80 | ((code >> 12) & 0x3F));
            out[2] = static_cast<unsigned char>(0x80 | ((code >> 6) & 0x3F));
            out[3] = static_cast<unsigned char>(0x80 | (code & 0x3F));
            break;
        }
        written += size;
    }
    return written;
}

QByteArray EncodeUtf8(const QString &text)
{
    const auto *units = reinterpret_cast<const char16_t *>(text.utf16());
    const int length = int(text.size());
    // Without surrogates Qt's own encoder writes the same bytes, and much
    // faster: a page's XML is megabytes of mostly plain text.
    unsigned surrogates = 0;
    for (int i = 0; i < length; ++i)
        surrogates |= (units[i] & 0xF800u) == 0xD800u;
    if (!surrogates)
        return text.toUtf8();
    QByteArray bytes(EncodeUtf8(units, length, nullptr, 0), Qt::Uninitialized);
    if (!bytes.isEmpty())
        EncodeUtf8(units, length, bytes.data(), int(bytes.size()));
    return bytes;
}
