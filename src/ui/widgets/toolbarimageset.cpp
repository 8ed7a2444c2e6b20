#include "toolbarimageset.h"

#include <QPixmap>
#include <cmath>

namespace {

// At depth 24 the mask colour marks transparent pixels; turn those into alpha.
QImage withTransparency(const QImage &image, int depth)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    if (depth != 24)
        return out;
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] | 0xFF000000) == CToolbarImageSet::kMaskColour)
                line[x] = 0;
        }
    }
    return out;
}

QImage mapPixels(const QImage &source, int depth, QRgb (*fn)(QRgb))
{
    QImage out = source;
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (depth == 24 && (line[x] | 0xFF000000) == CToolbarImageSet::kMaskColour)
                continue;
            line[x] = fn(line[x]);
        }
    }
    return out;
}

} // namespace

QRgb CToolbarImageSet::disabledPixel(QRgb pixel)
{
    const double l = 0.299 * qRed(pixel) + 0.587 * qGreen(pixel) + 0.114 * qBlue(pixel);
    const int grey = int(std::floor(255.0 * std::sqrt(l / 255.0)));
    return qRgba(grey, grey, grey, qAlpha(pixel));
}

QRgb CToolbarImageSet::hotPixel(QRgb pixel)
{
    auto darken = [](int c) { return int(std::floor(255.0 * std::pow(c / 255.0, 1.4))); };
    return qRgba(darken(qRed(pixel)), darken(qGreen(pixel)), darken(qBlue(pixel)), qAlpha(pixel));
}

bool CToolbarImageSet::Create(int width, int height, bool trueColour, int imageCount)
{
    m_normal.clear();
    m_hot.clear();
    m_disabled.clear();
    if (width <= 0 || height <= 0 || imageCount < 0)
        return false;
    // Qt always draws with an alpha channel, so true colour means 32 bits; the
    // 4-bit path of old displays has no counterpart here and uses 24.
    m_depth = trueColour ? 32 : 24;
    m_width = width;
    m_height = height;
    m_normal.reserve(imageCount);
    return true;
}

bool CToolbarImageSet::Load(const QImage &strip)
{
    if (m_width <= 0 || strip.isNull() || strip.height() < m_height)
        return false;
    // A strip without alpha is handled at 24 bits with the mask colour.
    const int depth = (m_depth == 32 && strip.hasAlphaChannel()) ? 32 : 24;
    m_depth = depth;
    const QImage pixels = strip.convertToFormat(QImage::Format_ARGB32);
    for (int x = 0; x + m_width <= pixels.width(); x += m_width) {
        const QImage source = pixels.copy(x, 0, m_width, m_height);
        m_normal << source;
        m_disabled << mapPixels(source, depth, &disabledPixel);
        m_hot << mapPixels(source, depth, &hotPixel);
    }
    return true;
}

QImage CToolbarImageSet::image(State state, int index) const
{
    const QVector<QImage> &list = state == Hot ? m_hot : state == Disabled ? m_disabled : m_normal;
    if (index < 0 || index >= list.size())
        return {};
    return withTransparency(list.at(index), m_depth);
}

QIcon CToolbarImageSet::icon(int index) const
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(image(Normal, index)), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(image(Hot, index)), QIcon::Active);
    icon.addPixmap(QPixmap::fromImage(image(Disabled, index)), QIcon::Disabled);
    return icon;
}
