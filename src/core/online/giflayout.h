#pragma once

#include <QByteArray>
#include <QVector>

// One image of a GIF together with the graphic control extension in front
// of it (if any).
struct CGifFrameInfo
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int delay = -1;   // hundredths of a second; -1 when the frame has no control extension
    int disposal = 0; // 0-7, from the control extension; 0 without one
};

// What a walk over the blocks of a GIF finds, without decoding any pixels.
// Qt decodes the frames; this supplies what Qt does not report the way the
// program plays animations (each frame's own delay and disposal).
struct CGifLayout
{
    bool isGif = false; // the data begins with "GIF" and holds a whole screen descriptor
    int screenWidth = 0;
    int screenHeight = 0;
    QVector<CGifFrameInfo> frames;

    // Reads data. Extensions other than the graphic control (comments,
    // application blocks, plain text) are skipped; an unknown block byte, the
    // trailer or a block running past the end stops the walk, keeping the
    // frames found so far.
    static CGifLayout Read(const QByteArray &data);
};

// How long a frame stays on screen, in milliseconds: delays of 0 to 4
// hundredths and frames without a delay show for 100 ms (browsers do the
// same: such files count on it), others for delay x 10 ms.
int GifFrameDelayMs(const CGifFrameInfo &frame);
