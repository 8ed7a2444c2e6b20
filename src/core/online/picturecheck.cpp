#include "picturecheck.h"

#include "giflayout.h"

namespace {

quint32 bigEndian(const QByteArray &d, qsizetype at, int bytes)
{
    quint32 v = 0;
    for (int i = 0; i < bytes; ++i)
        v = (v << 8) | quint8(d.at(at + i));
    return v;
}

quint32 littleEndian(const QByteArray &d, qsizetype at, int bytes)
{
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | quint8(d.at(at + i));
    return v;
}

bool readPng(const QByteArray &d, CPictureSize &size)
{
    // Signature, then the IHDR chunk: length, type, width, height.
    if (d.size() < 24 || d.mid(12, 4) != "IHDR")
        return false;
    const quint32 w = bigEndian(d, 16, 4);
    const quint32 h = bigEndian(d, 20, 4);
    if (w > 0x7fffffff || h > 0x7fffffff)
        return false;
    size = {int(w), int(h), 1};
    return true;
}

bool readJpeg(const QByteArray &d, CPictureSize &size)
{
    qsizetype at = 2;
    while (at + 3 < d.size()) {
        if (quint8(d.at(at)) != 0xFF)
            return false;
        const quint8 marker = quint8(d.at(at + 1));
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) { // no length
            at += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) // end, or scan data before any frame header
            return false;
        const quint32 length = bigEndian(d, at + 2, 2);
        const bool frameHeader = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
                                 marker != 0xCC;
        if (frameHeader) {
            if (length < 7 || at + 9 > d.size())
                return false;
            size = {int(bigEndian(d, at + 7, 2)), int(bigEndian(d, at + 5, 2)), 1};
            return true;
        }
        if (length < 2)
            return false;
        at += 2 + length;
    }
    return false;
}

bool readGif(const QByteArray &d, CPictureSize &size)
{
    const CGifLayout layout = CGifLayout::Read(d);
    if (!layout.isGif)
        return false;
    size = {layout.screenWidth, layout.screenHeight, int(qMin<qsizetype>(layout.frames.size(), 0x7fffffff))};
    return true;
}

bool readWebp(const QByteArray &d, CPictureSize &size)
{
    // RIFF chunks after "RIFF", the file size and "WEBP".
    qsizetype at = 12;
    int frames = 0;
    bool found = false;
    while (at + 8 <= d.size()) {
        const QByteArray type = d.mid(at, 4);
        const qint64 length = littleEndian(d, at + 4, 4);
        const qsizetype body = at + 8;
        if (type == "VP8X" && !found) {
            if (body + 10 > d.size())
                return false;
            size.width = int(littleEndian(d, body + 4, 3)) + 1;
            size.height = int(littleEndian(d, body + 7, 3)) + 1;
            found = true;
        } else if (type == "VP8 " && !found) {
            // A key frame: three bytes of frame tag, the start code, 14-bit sizes.
            if (body + 10 > d.size() || d.mid(body + 3, 3) != "\x9D\x01\x2A")
                return false;
            size.width = int(littleEndian(d, body + 6, 2) & 0x3FFF);
            size.height = int(littleEndian(d, body + 8, 2) & 0x3FFF);
            found = true;
        } else if (type == "VP8L" && !found) {
            if (body + 5 > d.size() || quint8(d.at(body)) != 0x2F)
                return false;
            const quint32 bits = littleEndian(d, body + 1, 4);
            size.width = int(bits & 0x3FFF) + 1;
            size.height = int((bits >> 14) & 0x3FFF) + 1;
            found = true;
        } else if (type == "ANMF") {
            ++frames;
        }
        at = body + length + (length & 1);
    }
    size.frames = qMax(frames, 1);
    return found;
}

} // namespace

bool ReadPictureSize(const QByteArray &data, CPictureSize &size)
{
    size = {};
    if (data.startsWith("\x89PNG\r\n\x1A\n"))
        return readPng(data, size);
    if (data.startsWith("\xFF\xD8\xFF"))
        return readJpeg(data, size);
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a"))
        return readGif(data, size);
    if (data.size() >= 12 && data.startsWith("RIFF") && data.mid(8, 4) == "WEBP")
        return readWebp(data, size);
    return false;
}

bool PictureCanBeShown(const QByteArray &data)
{
    CPictureSize size;
    if (!ReadPictureSize(data, size))
        return false;
    return size.width > 0 && size.height > 0 && size.frames > 0 && size.frames <= kMaxPictureFrames &&
           qint64(size.width) * size.height * 4 <= kMaxPictureBytes;
}
