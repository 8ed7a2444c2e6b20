#pragma once

#include <QImage>

class QVideoFrame;

// The picture of a camera frame as the barcode reader wants it. Cameras
// mostly deliver YUV, whose Y plane already is the grey picture: it is copied
// as it is, which is much cheaper than a conversion to colour and back. Other
// formats are converted by Qt. A null image when the frame cannot be read.
QImage LumaImage(const QVideoFrame &frame);
