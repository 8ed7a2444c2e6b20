#include "barcodescanner.h"

#include "barcodereader.h"

#include <QImageReader>
#include <QThread>

CBarcodeScanner::CBarcodeScanner(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<CBarcodeIsbn>();
    qRegisterMetaType<QVector<CBarcodeIsbn>>();
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("BarcodeScanner"));
    m_worker = new QObject;
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread->start();
}

CBarcodeScanner::~CBarcodeScanner()
{
    m_stopping = true;
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
}

bool CBarcodeScanner::offerFrame(std::function<QImage()> frame)
{
    bool idle = false;
    if (m_stopping || !m_frameBusy.compare_exchange_strong(idle, true)) {
        ++m_framesDropped;
        return false;
    }
    QMetaObject::invokeMethod(
        m_worker,
        [this, frame = std::move(frame)] {
            QVector<CBarcodeIsbn> codes;
            if (!m_stopping)
                codes = CBarcodeReader(CBarcodeReader::Effort::Frame).read(frame());
            ++m_framesRead;
            // Free for the next frame before the results travel back.
            m_frameBusy = false;
            QMetaObject::invokeMethod(
                this, [this, codes] { emit frameScanned(codes); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    return true;
}

bool CBarcodeScanner::offerFrame(const QImage &image)
{
    return offerFrame([image] { return image; });
}

void CBarcodeScanner::scanPictures(const QStringList &paths)
{
    for (const QString &path : paths) {
        QMetaObject::invokeMethod(
            m_worker,
            [this, path] {
                if (m_stopping)
                    return;
                QImageReader reader(path);
                // Phone photos are often stored sideways with an orientation tag.
                reader.setAutoTransform(true);
                const QImage image = reader.read();
                const QVector<CBarcodeIsbn> codes =
                    CBarcodeReader(CBarcodeReader::Effort::Picture).read(image);
                const bool readable = !image.isNull();
                QMetaObject::invokeMethod(
                    this, [this, path, codes, readable] { emit pictureScanned(path, codes, readable); },
                    Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
    }
}
