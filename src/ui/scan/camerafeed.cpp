#include "camerafeed.h"

#include "scan/barcodescanner.h"
#include "videoframeluma.h"

#include <QCamera>
#include <QMediaDevices>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>

#include <cstdlib>
#include <mutex>

// Frames arrive on the camera's thread while the feed may be going away on
// the user-interface thread; the gate lets the last frame finish first.
struct CCameraFeed::Gate
{
    std::mutex mutex;
    CBarcodeScanner *scanner = nullptr;
};

namespace {

// Barcodes need sharp bars more than a large picture: a format near 1280x720
// keeps every frame quick to read.
QCameraFormat scanningFormat(const QCameraDevice &device)
{
    QCameraFormat best;
    long bestScore = -1;
    for (const QCameraFormat &format : device.videoFormats()) {
        const QSize size = format.resolution();
        const long score = std::labs(long(size.width()) * size.height() - 1280L * 720L) +
                           (size.width() > 1920 ? 100000000L : 0L);
        if (bestScore < 0 || score < bestScore) {
            best = format;
            bestScore = score;
        }
    }
    return best;
}

} // namespace

CCameraFeed::CCameraFeed(QVideoWidget *preview, CBarcodeScanner *scanner, QObject *parent)
    : QObject(parent), m_preview(preview), m_gate(std::make_shared<Gate>())
{
    m_gate->scanner = scanner;
    m_session.setVideoOutput(m_preview);
    connect(
        videoSink(), &QVideoSink::videoFrameChanged, this,
        [gate = m_gate](const QVideoFrame &frame) {
            std::lock_guard<std::mutex> lock(gate->mutex);
            if (gate->scanner && frame.isValid())
                gate->scanner->offerFrame([frame] { return LumaImage(frame); });
        },
        Qt::DirectConnection);
}

CCameraFeed::~CCameraFeed()
{
    start(QCameraDevice());
    std::lock_guard<std::mutex> lock(m_gate->mutex);
    m_gate->scanner = nullptr;
}

QList<QCameraDevice> CCameraFeed::cameras()
{
    return QMediaDevices::videoInputs();
}

void CCameraFeed::start(const QCameraDevice &device)
{
    if (m_camera) {
        m_camera->stop();
        m_session.setCamera(nullptr);
        m_camera.reset();
    }
    if (device.isNull())
        return;
    m_camera = std::make_unique<QCamera>(device);
    const QCameraFormat format = scanningFormat(device);
    if (!format.isNull())
        m_camera->setCameraFormat(format);
    // Books are held close to the lens.
    if (m_camera->isFocusModeSupported(QCamera::FocusModeAutoNear))
        m_camera->setFocusMode(QCamera::FocusModeAutoNear);
    connect(m_camera.get(), &QCamera::errorOccurred, this, [this](QCamera::Error error, const QString &text) {
        if (error != QCamera::NoError)
            emit cameraError(text);
    });
    m_session.setCamera(m_camera.get());
    m_camera->start();
}

bool CCameraFeed::isActive() const
{
    return m_camera && m_camera->isActive();
}

QVideoSink *CCameraFeed::videoSink() const
{
    return m_preview->videoSink();
}
