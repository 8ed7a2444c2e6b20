#pragma once

#include "barcodeisbn.h"

#include <QImage>
#include <QObject>
#include <QStringList>

#include <atomic>
#include <functional>

class QThread;

// Reads barcodes on its own worker thread, away from the user-interface
// thread. Camera frames are taken only while the worker is idle: a frame
// that arrives while one is being read is dropped, never queued, so the
// scanner always works on a recent picture. Picture files are all read, in
// the order given. Results come back as signals on the scanner's own thread.
class CBarcodeScanner : public QObject
{
    Q_OBJECT

public:
    explicit CBarcodeScanner(QObject *parent = nullptr);
    // Skips the pictures still waiting and waits for the current read.
    ~CBarcodeScanner() override;

    // Safe from any thread (a camera delivers frames on its own). The frame
    // is turned into an image on the worker, so a costly conversion does not
    // hold up the caller. False when the frame was dropped.
    bool offerFrame(std::function<QImage()> frame);
    bool offerFrame(const QImage &image);

    // Reads each file in turn (JPEG, PNG and whatever Qt's image plugins
    // read); one pictureScanned for each, in order.
    void scanPictures(const QStringList &paths);

    int framesRead() const { return m_framesRead; }
    int framesDropped() const { return m_framesDropped; }

signals:
    void frameScanned(const QVector<CBarcodeIsbn> &codes);
    // readable is false when the file could not be read as a picture.
    void pictureScanned(const QString &path, const QVector<CBarcodeIsbn> &codes, bool readable);

private:
    QThread *m_thread = nullptr;
    QObject *m_worker = nullptr;
    std::atomic<bool> m_frameBusy{false};
    std::atomic<bool> m_stopping{false};
    std::atomic<int> m_framesRead{0};
    std::atomic<int> m_framesDropped{0};
};
