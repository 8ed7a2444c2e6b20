#include "textdecoding.h"

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

} // namespace

QString DecodeImportText(const QByteArray &bytes, QString *encoding)
{
    const auto setName = [encoding](const char *name) {
        if (encoding)
            *encoding = QString::fromLatin1(name);
    };
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        setName("UTF-8");
        return decode(QStringConverter::Utf8, QByteArrayView(bytes).sliced(3));
    }
    if (bytes.startsWith("\xFF\xFE")) {
        setName("UTF-16LE");
        return decode(QStringConverter::Utf16LE, QByteArrayView(bytes).sliced(2));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        setName("UTF-16BE");
        return decode(QStringConverter::Utf16BE, QByteArrayView(bytes).sliced(2));
    }
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
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        setName("UTF-8");
        return text;
    }
    setName("ISO-8859-1");
    return QString::fromLatin1(bytes);
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
