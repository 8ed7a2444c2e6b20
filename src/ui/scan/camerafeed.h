#pragma once

#include <QCameraDevice>
#include <QMediaCaptureSession>
#include <QObject>

#include <memory>

class CBarcodeScanner;
class QCamera;
class QVideoSink;
class QVideoWidget;

// Shows one camera in a video widget and hands its frames to the barcode
// scanner straight from the thread that delivers them, so the user-interface
// thread never converts or reads a frame.
class CCameraFeed : public QObject
{
    Q_OBJECT

public:
    CCameraFeed(QVideoWidget *preview, CBarcodeScanner *scanner, QObject *parent = nullptr);
    // Stops the camera; no frame reaches the scanner after this.
    ~CCameraFeed() override;

    static QList<QCameraDevice> cameras();

    // Switches to device (a null device stops the camera).
    void start(const QCameraDevice &device);
    bool isActive() const;

    // Where the frames arrive, from the camera or from a test.
    QVideoSink *videoSink() const;

signals:
    void cameraError(const QString &text);

private:
    struct Gate;

    QMediaCaptureSession m_session;
    std::unique_ptr<QCamera> m_camera;
    QVideoWidget *m_preview = nullptr;
    std::shared_ptr<Gate> m_gate;
};
