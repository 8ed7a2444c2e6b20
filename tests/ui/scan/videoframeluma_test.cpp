#include "scan/barcodereader.h"
#include "scan/videoframeluma.h"

#include "barcodepictures.h"

#include <QVideoFrame>
#include <QtTest>

using namespace BarcodePictures;

namespace {

QImage grayBook()
{
    Placement code;
    code.modules = Encode(ZXing::BarcodeFormat::EAN13, "9780596000271");
    code.centre = QPointF(320, 240);
    return Scene(QSize(640, 480), {code}).convertToFormat(QImage::Format_Grayscale8);
}

// A camera frame in format whose luma is gray; the chroma is left neutral.
QVideoFrame yuvFrame(const QImage &gray, QVideoFrameFormat::PixelFormat format)
{
    QVideoFrame frame(QVideoFrameFormat(gray.size(), format));
    if (!frame.map(QVideoFrame::WriteOnly))
        qFatal("cannot map a video frame");
    for (int plane = 0; plane < frame.planeCount(); ++plane)
        std::memset(frame.bits(plane), 128, size_t(frame.mappedBytes(plane)));
    for (int y = 0; y < gray.height(); ++y) {
        uchar *line = frame.bits(0) + y * frame.bytesPerLine(0);
        const uchar *in = gray.constScanLine(y);
        for (int x = 0; x < gray.width(); ++x) {
            switch (format) {
            case QVideoFrameFormat::Format_YUYV:
                line[2 * x] = in[x];
                break;
            case QVideoFrameFormat::Format_UYVY:
                line[2 * x + 1] = in[x];
                break;
            default:
                line[x] = in[x];
            }
        }
    }
    frame.unmap();
    return frame;
}

} // namespace

class VideoFrameLumaTest : public QObject
{
    Q_OBJECT

private slots:
    void takesTheLumaOfYuvFrames_data();
    void takesTheLumaOfYuvFrames();
    void convertsOtherFormats();
};

void VideoFrameLumaTest::takesTheLumaOfYuvFrames_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("NV12") << int(QVideoFrameFormat::Format_NV12);
    QTest::newRow("YUV420P") << int(QVideoFrameFormat::Format_YUV420P);
    QTest::newRow("YUYV") << int(QVideoFrameFormat::Format_YUYV);
    QTest::newRow("UYVY") << int(QVideoFrameFormat::Format_UYVY);
}

void VideoFrameLumaTest::takesTheLumaOfYuvFrames()
{
    QFETCH(int, format);
    const QImage gray = grayBook();
    const QImage luma = LumaImage(yuvFrame(gray, QVideoFrameFormat::PixelFormat(format)));
    QCOMPARE(luma.format(), QImage::Format_Grayscale8);
    QCOMPARE(luma, gray);
    QCOMPARE(CBarcodeReader(CBarcodeReader::Effort::Frame).read(luma).value(0).isbn,
             QStringLiteral("0596000278"));
}

void VideoFrameLumaTest::convertsOtherFormats()
{
    const QImage rgb = grayBook().convertToFormat(QImage::Format_RGB32);
    QVideoFrame frame(
        QVideoFrameFormat(rgb.size(), QVideoFrameFormat::pixelFormatFromImageFormat(rgb.format())));
    QVERIFY(frame.map(QVideoFrame::WriteOnly));
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(frame.bits(0) + y * frame.bytesPerLine(0), rgb.constScanLine(y), size_t(rgb.width()) * 4);
    frame.unmap();
    const QImage image = LumaImage(frame);
    QCOMPARE(image.size(), rgb.size());
    QCOMPARE(CBarcodeReader(CBarcodeReader::Effort::Frame).read(image).value(0).isbn,
             QStringLiteral("0596000278"));
    QVERIFY(LumaImage(QVideoFrame()).isNull());
}

QTEST_MAIN(VideoFrameLumaTest)
#include "videoframeluma_test.moc"
