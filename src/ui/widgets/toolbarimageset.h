#pragma once

#include <QIcon>
#include <QImage>
#include <QVector>

// Turns one strip of toolbar images into three image lists: normal, hot
// (pointer over the button: darkened) and disabled (grey by luminance). Strips
// with an alpha channel keep it (depth 32); others use RGB 192,192,192 as the
// transparent mask colour (depth 24), which the computed images keep too.
class CToolbarImageSet
{
public:
    enum State { Normal = 0, Hot = 1, Disabled = 2 };

    static constexpr QRgb kMaskColour = 0xFFC0C0C0;

    // Clears any previous images and sets the image size.
    bool Create(int width, int height, bool trueColour, int imageCount);
    // Adds the images of a strip (side by side); false when Create was not run
    // or the strip is empty.
    bool Load(const QImage &strip);

    int depth() const { return m_depth; }
    int count() const { return int(m_normal.size()); }
    int width() const { return m_width; }
    int height() const { return m_height; }
    // The image of a state with transparency applied.
    QImage image(State state, int index) const;
    // Normal, Active (hot) and Disabled modes in one icon.
    QIcon icon(int index) const;

    // Per-pixel formulas, exposed for their own sake.
    static QRgb disabledPixel(QRgb pixel);
    static QRgb hotPixel(QRgb pixel);

private:
    QVector<QImage> m_normal;
    QVector<QImage> m_hot;
    QVector<QImage> m_disabled;
    int m_depth = 0;
    int m_width = -1;
    int m_height = -1;
};
