#include "videoframeluma.h"

#include <QVideoFrame>

#include <cstring>

namespace {

// Byte offset of the first Y sample in a packed 4:2:2 pixel pair, or -1.
int packedLumaOffset(QVideoFrameFormat::PixelFormat format)
{
    switch (format) {
    case QVideoFrameFormat::Format_YUYV:
        return 0;
    case QVideoFrameFormat::Format_UYVY:
        return 1;
    default:
        return -1;
    }
}

bool hasLumaPlane(QVideoFrameFormat::PixelFormat format)
{
    switch (format) {
    case QVideoFrameFormat::Format_NV12:
    case QVideoFrameFormat::Format_NV21:
    case QVideoFrameFormat::Format_YUV420P:
    case QVideoFrameFormat::Format_YUV422P:
    case QVideoFrameFormat::Format_YV12:
    case QVideoFrameFormat::Format_IMC1:
    case QVideoFrameFormat::Format_IMC2:
    case QVideoFrameFormat::Format_IMC3:
    case QVideoFrameFormat::Format_IMC4:
    case QVideoFrameFormat::Format_Y8:
        return true;
    default:
        return false;
    }
}

} // namespace

QImage LumaImage(const QVideoFrame &source)
{
    QVideoFrame frame(source);
    const QVideoFrameFormat::PixelFormat format = frame.pixelFormat();
    const int packed = packedLumaOffset(format);
    if ((!hasLumaPlane(format) && packed < 0) || frame.handleType() != QVideoFrame::NoHandle)
        return frame.toImage();
    if (!frame.map(QVideoFrame::ReadOnly))
        return {};
    const int width = frame.width();
    const int height = frame.height();
    QImage gray(width, height, QImage::Format_Grayscale8);
    const uchar *bits = frame.bits(0);
    const int stride = frame.bytesPerLine(0);
    const bool fits =
        bits && stride >= (packed < 0 ? width : 2 * width) &&
        frame.mappedBytes(0) >= qsizetype(stride) * (height - 1) + (packed < 0 ? width : 2 * width);
    if (!gray.isNull() && fits) {
        for (int y = 0; y < height; ++y) {
            const uchar *line = bits + qsizetype(y) * stride;
            uchar *out = gray.scanLine(y);
            if (packed < 0) {
                std::memcpy(out, line, size_t(width));
            } else {
                for (int x = 0; x < width; ++x)
                    out[x] = line[2 * x + packed];
            }
        }
    } else {
        gray = QImage();
    }
    frame.unmap();
    return gray;
}
