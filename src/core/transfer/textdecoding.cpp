#include "textdecoding.h"

#include "app/windows1252.h"

#include <QStringDecoder>

namespace {

// UTF-16 without a mark: ASCII text has a zero in every other byte.
int utf16Guess(const QByteArray &bytes)
{
    const int n = int(qMin<qsizetype>(bytes.size(), 4096)) & ~1;
    if (n < 4)
        return 0;
    int evenZero = 0, oddZero = 0;
    for (int i = 0; i < n; i += 2) {
        evenZero += bytes.at(i) == 0;
        oddZero += bytes.at(i + 1) == 0;
    }
    const int pairs = n / 2;
    if (oddZero > pairs / 3 && evenZero == 0)
        return 1; // little-endian
    if (evenZero > pairs / 3 && oddZero == 0)
        return 2; // big-endian
    return 0;
}

QString decode(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

// Stray bytes are marked as U+DC00 + byte: a lone low surrogate, which
// decoding valid UTF-8 never yields.
constexpr char16_t kStrayMark = 0xDC00;

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// UTF-8 decoded by hand: every byte that starts no valid sequence (overlong
// forms, surrogates and code points past U+10FFFF included) is marked, the
// rest decodes as usual. sequences counts the valid multi-byte sequences.
QString decodeUtf8Marked(QByteArrayView bytes, qsizetype &sequences, qsizetype &invalid)
{
    QString out;
    out.reserve(bytes.size());
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char b0 = p[i];
        if (b0 < 0x80) {
            out += QChar(char16_t(b0));
            ++i;
            continue;
        }
        int length = 0;
        char32_t cp = 0;
        unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            length = 2;
            cp = b0 & 0x1F;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            length = 3;
            cp = b0 & 0x0F;
            if (b0 == 0xE0)
                low = 0xA0;
            else if (b0 == 0xED)
                high = 0x9F;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            length = 4;
            cp = b0 & 0x07;
            if (b0 == 0xF0)
                low = 0x90;
            else if (b0 == 0xF4)
                high = 0x8F;
        }
        bool valid = length > 0 && i + length <= n && p[i + 1] >= low && p[i + 1] <= high;
        for (int k = 2; valid && k < length; ++k)
            valid = isContinuation(p[i + k]);
        if (!valid) {
            out += QChar(char16_t(kStrayMark + b0));
            ++invalid;
            ++i;
            continue;
        }
        for (int k = 1; k < length; ++k)
            cp = (cp << 6) | (p[i + k] & 0x3F);
        if (cp > 0xFFFF) {
            out += QChar(QChar::highSurrogate(cp));
            out += QChar(QChar::lowSurrogate(cp));
        } else {
            out += QChar(char16_t(cp));
        }
        ++sequences;
        i += length;
    }
    return out;
}

} // namespace

QString DecodeImportText(const QByteArray &bytes, QString *encoding, bool *strayBytes)
{
    const auto setName = [encoding](const char *name) {
        if (encoding)
            *encoding = QString::fromLatin1(name);
    };
    if (strayBytes)
        *strayBytes = false;
    if (bytes.startsWith("\xFF\xFE")) {
        setName("UTF-16LE");
        return decode(QStringConverter::Utf16LE, QByteArrayView(bytes).sliced(2));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        setName("UTF-16BE");
        return decode(QStringConverter::Utf16BE, QByteArrayView(bytes).sliced(2));
    }
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    if (!bom) {
        switch (utf16Guess(bytes)) {
        case 1:
            setName("UTF-16LE");
            return decode(QStringConverter::Utf16LE, bytes);
        case 2:
            setName("UTF-16BE");
            return decode(QStringConverter::Utf16BE, bytes);
        default:
            break;
        }
    }
    const QByteArrayView body = QByteArrayView(bytes).sliced(bom ? 3 : 0);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(body);
    if (!utf8.hasError()) {
        setName("UTF-8");
        return text;
    }
    qsizetype sequences = 0, invalid = 0;
    text = decodeUtf8Marked(body, sequences, invalid);
    if (!bom && invalid > sequences) {
        setName("Windows-1252");
        return DecodeWindows1252(body.data(), body.size());
    }
    setName("UTF-8");
    if (strayBytes)
        *strayBytes = true;
    return text;
}

bool RepairStrayBytes(QString &text)
{
    bool any = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        // The second half of a real surrogate pair may fall in the range.
        if (u >= kStrayMark + 0x80 && u <= kStrayMark + 0xFF && !(i > 0 && text.at(i - 1).isHighSurrogate())) {
            text[i] = Windows1252Char(static_cast<unsigned char>(u - kStrayMark));
            any = true;
        }
    }
    return any;
}

bool LooksBinary(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || utf16Guess(bytes) != 0)
        return false;
    const int n = int(qMin<qsizetype>(bytes.size(), 8192));
    int control = 0;
    for (int i = 0; i < n; ++i) {
        const auto c = static_cast<unsigned char>(bytes.at(i));
        if (c == 0)
            return true;
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f')
            ++control;
    }
    return n > 0 && control * 20 > n; // more than 5% control bytes
}
