#pragma once

#include "online/picturecheck.h"

#include <QBuffer>
#include <QByteArray>
#include <QFrame>
#include <QImage>
#include <QTimer>
#include <QVector>
#include <memory>

class QImageReader;

// Shows one picture: a still picture in any format Qt reads, or an animated
// GIF played frame by frame. The picture is scaled to fit the drawing
// rectangle with its aspect kept and centred there; the control never
// changes its own size.
//
// Use: Load..., SetDrawingRect (optional: the whole control otherwise),
// Draw. Loading again first unloads, which stops a running animation.
//
// Animations run on a timer of the user-interface thread. Qt decodes the
// frames one at a time as they are shown (a long animation never sits in
// memory whole); each frame's delay comes from the file's own blocks. A
// picture whose decoded size would pass Qt's allocation limit, or a GIF of
// more than kMaxFrames frames, is refused.
class CPictureCtrl : public QFrame
{
    Q_OBJECT

public:
    static constexpr int kMaxFrames = kMaxPictureFrames;

    explicit CPictureCtrl(QWidget *parent = nullptr);
    ~CPictureCtrl() override;

    bool LoadFromFile(const QString &path);
    // name: a Qt resource path such as ":/pictures/nocover.gif".
    bool LoadFromResource(const QString &name);
    bool LoadFromMemory(const QByteArray &data);

    // Where the picture goes, in control coordinates; empty = inside the
    // control's frame, following its size.
    void SetDrawingRect(const QRect &rect);
    QRect drawingRect() const { return m_drawingRect; }

    // Shows the loaded picture; an animation starts playing. False when
    // nothing is loaded.
    bool Draw();
    // Ends a running animation (the frame shown stays).
    void Stop();
    // Stops and forgets the picture.
    void UnLoad();

    bool isLoaded() const { return m_loaded; }
    bool isGif() const { return m_isGif; }
    bool isAnimated() const { return m_delaysMs.size() > 1; }
    bool isPlaying() const { return m_timer.isActive(); }
    // The picture's natural size (a GIF's logical screen).
    QSize pictureSize() const { return m_pictureSize; }
    // The rectangle the picture is painted into, empty while nothing is shown.
    QRect pictureRect() const;
    // The image painted now (the current frame of an animation).
    QImage currentImage() const { return m_image; }
    int frameCount() const { return int(m_delaysMs.size()); }
    int currentFrame() const { return m_current; }
    // The display time of each frame, in milliseconds.
    QVector<int> frameDelaysMs() const { return m_delaysMs; }
    // How long the current frame stays, as the running timer counts it.
    int currentDelayMs() const { return m_timer.interval(); }

public slots:
    // Shows the next frame (after the last, the first again) and schedules
    // the one after it. The timer runs this.
    void AdvanceFrame();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool loadAnimation(int frameCount);
    bool restartReader();
    bool readFrame();

    QRect m_drawingRect;
    QSize m_pictureSize;
    QImage m_image;
    bool m_loaded = false;
    bool m_isGif = false;
    bool m_drawn = false;

    // Animation: the file's bytes, a reader over them, the frame times.
    QByteArray m_data;
    QBuffer m_buffer;
    std::unique_ptr<QImageReader> m_reader;
    QVector<int> m_delaysMs;
    int m_current = 0;
    QTimer m_timer;
};
