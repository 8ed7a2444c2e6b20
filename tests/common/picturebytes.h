#pragma once

// Small picture files made byte by byte for tests, some of them declaring
// sizes no decoder would ever be asked to allocate.
#include "gifwriter.h"

#include <QByteArray>
#include <zlib.h>

// A real 1x1 PNG.
inline QByteArray TinyPng()
{
    return QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQV"
                                  "R42mP8z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg==");
}

// The 1x1 PNG with its header patched to declare width x height (with the
// header's checksum made right again).
inline QByteArray PngDeclaring(quint32 width, quint32 height)
{
    QByteArray png = TinyPng();
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = char((width >> (24 - 8 * i)) & 0xff);
        png[20 + i] = char((height >> (24 - 8 * i)) & 0xff);
    }
    const uLong crc = crc32(0, reinterpret_cast<const Bytef *>(png.constData() + 12), 17);
    for (int i = 0; i < 4; ++i)
        png[29 + i] = char((crc >> (24 - 8 * i)) & 0xff);
    return png;
}

// The start of a baseline JPEG: an APP0 segment, then the frame header.
inline QByteArray JpegDeclaring(int width, int height)
{
    QByteArray jpeg("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 20);
    jpeg += QByteArray("\xFF\xC0\x00\x11\x08", 5);
    jpeg += char(height >> 8);
    jpeg += char(height & 0xff);
    jpeg += char(width >> 8);
    jpeg += char(width & 0xff);
    jpeg += QByteArray("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 10);
    jpeg += QByteArray("\xFF\xD9", 2);
    return jpeg;
}

// An extended WebP header (VP8X) of a width x height canvas.
inline QByteArray WebpDeclaring(int width, int height)
{
    QByteArray chunk("VP8X\x0a\x00\x00\x00\x00\x00\x00\x00", 12);
    for (int v : {width - 1, height - 1}) {
        chunk += char(v & 0xff);
        chunk += char((v >> 8) & 0xff);
        chunk += char((v >> 16) & 0xff);
    }
    QByteArray webp("RIFF\x00\x00\x00\x00WEBP", 12);
    webp += chunk;
    return webp;
}

// A GIF of frames 1x1 frames on a width x height screen.
inline QByteArray GifOfFrames(int frames, int width = 1, int height = 1)
{
    GifWriter gif(width, height);
    gif.loop();
    for (int i = 0; i < frames; ++i)
        gif.add({0, 0, 1, 1, {}, 10, 0});
    return gif.bytes();
}
