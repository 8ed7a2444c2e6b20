#include "picturectrl.h"

#include "online/giflayout.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace {

// Whether an image of size in 32-bit pixels stays within Qt's allocation
// limit (megabytes; 0 means none).
bool withinAllocationLimit(const QSize &size)
{
    const int limitMb = QImageReader::allocationLimit();
    if (limitMb <= 0)
        return true;
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    return bytes <= qint64(limitMb) * 1024 * 1024;
}

} // namespace

CPictureCtrl::CPictureCtrl(QWidget *parent) : QFrame(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CPictureCtrl::AdvanceFrame);
}

CPictureCtrl::~CPictureCtrl()
{
    UnLoad();
}

bool CPictureCtrl::LoadFromFile(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        UnLoad();
        return false;
    }
    return LoadFromMemory(file.readAll());
}

bool CPictureCtrl::LoadFromResource(const QString &name)
{
    return LoadFromFile(name);
}

bool CPictureCtrl::LoadFromMemory(const QByteArray &data)
{
    UnLoad();
    if (data.startsWith("GIF")) {
        const CGifLayout layout = CGifLayout::Read(data);
        if (layout.frames.isEmpty() || layout.frames.size() > kMaxFrames ||
            !withinAllocationLimit(QSize(layout.screenWidth, layout.screenHeight)))
            return false;
        m_data = data;
        for (const CGifFrameInfo &frame : layout.frames)
            m_delaysMs << GifFrameDelayMs(frame);
        if (!restartReader() || !readFrame()) {
            UnLoad();
            return false;
        }
        m_pictureSize = QSize(layout.screenWidth, layout.screenHeight);
        if (layout.frames.size() == 1) {
            // One frame is a still picture: nothing to keep for later.
            m_reader.reset();
            m_buffer.close();
            m_data.clear();
        }
        m_isGif = true;
    } else {
        QImage image;
        if (!image.loadFromData(data) || image.isNull())
            return false;
        m_image = image;
        m_pictureSize = image.size();
    }
    m_loaded = true;
    return true;
}

bool CPictureCtrl::restartReader()
{
    m_reader.reset();
    m_buffer.close();
    m_buffer.setBuffer(&m_data);
    if (!m_buffer.open(QIODevice::ReadOnly))
        return false;
    m_reader = std::make_unique<QImageReader>(&m_buffer, QByteArrayLiteral("gif"));
    m_current = 0;
    return true;
}

bool CPictureCtrl::readFrame()
{
    QImage frame;
    if (!m_reader || !m_reader->read(&frame) || frame.isNull())
        return false;
    m_image = frame;
    return true;
}

void CPictureCtrl::SetDrawingRect(const QRect &rect)
{
    m_drawingRect = rect;
    update();
}

bool CPictureCtrl::Draw()
{
    if (!m_loaded)
        return false;
    m_drawn = true;
    update();
    if (isAnimated() && !m_timer.isActive()) {
        m_timer.start(m_delaysMs.value(m_current, 100));
    }
    return true;
}

void CPictureCtrl::AdvanceFrame()
{
    if (!m_loaded || !isAnimated())
        return;
    int next = m_current + 1;
    bool ok = next < m_delaysMs.size() && readFrame();
    if (!ok) {
        // After the last frame, or a frame Qt cannot decode: from the start.
        ok = restartReader() && readFrame();
        next = 0;
    }
    if (!ok) {
        Stop();
        return;
    }
    m_current = next;
    update();
    m_timer.start(m_delaysMs.value(m_current, 100));
}

void CPictureCtrl::Stop()
{
    m_timer.stop();
}

void CPictureCtrl::UnLoad()
{
    Stop();
    m_reader.reset();
    m_buffer.close();
    m_data.clear();
    m_delaysMs.clear();
    m_image = QImage();
    m_pictureSize = QSize();
    m_drawingRect = QRect();
    m_loaded = false;
    m_isGif = false;
    m_drawn = false;
    m_current = 0;
    update();
}

QRect CPictureCtrl::pictureRect() const
{
    if (!m_loaded || !m_drawn || m_pictureSize.isEmpty())
        return {};
    const QRect area = m_drawingRect.isEmpty() ? contentsRect() : m_drawingRect;
    const QSize size = m_pictureSize.scaled(area.size(), Qt::KeepAspectRatio);
    return QRect(area.topLeft() +
                     QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2),
                 size);
}

void CPictureCtrl::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    const QRect target = pictureRect();
    if (target.isEmpty() || m_image.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Frames are as large as the GIF's screen; a still image may differ from
    // pictureSize only for GIFs whose frames Qt crops.
    painter.drawImage(target, m_image);
}
