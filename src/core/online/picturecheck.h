#pragma once

#include <QByteArray>

// The limits within which the cover control shows a picture; a picture past
// them is refused there, so it is not worth storing either.
constexpr int kMaxPictureFrames = 500;
// The allocation limit the program gives Qt's image readers (at start-up,
// Qt 6.4's own default): a picture whose 32-bit pixels would need more is
// never decoded.
constexpr qint64 kMaxPictureBytes = qint64(128) * 1024 * 1024;

// What a picture's header declares, read without decoding any pixels.
struct CPictureSize
{
    int width = 0;
    int height = 0;
    int frames = 0;
};

// Reads the size (and for a GIF or an animated WebP the frame count) of a
// JPEG, PNG, GIF or WebP. False for anything else or a header cut short.
bool ReadPictureSize(const QByteArray &data, CPictureSize &size);

// True when the cover control can show data: a known format whose declared
// size and frame count stay within the limits above.
bool PictureCanBeShown(const QByteArray &data);
