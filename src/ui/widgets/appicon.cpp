#include "appicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap drawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    // Pages seen from the side, then the cover over them.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 238, 220));
    p.drawRoundedRect(QRectF(8, 4, 20, 25), 2, 2);
    p.setPen(QPen(QColor(200, 190, 165), 0.8));
    for (int y = 8; y < 28; y += 3)
        p.drawLine(QPointF(24, y), QPointF(27.5, y));

    QLinearGradient cover(QPointF(4, 0), QPointF(26, 0));
    cover.setColorAt(0, QColor(120, 40, 30));
    cover.setColorAt(1, QColor(170, 70, 45));
    p.setPen(QPen(QColor(90, 30, 20), 1));
    p.setBrush(cover);
    p.drawRoundedRect(QRectF(4, 2, 20, 26), 2.5, 2.5);
    p.setPen(QPen(QColor(230, 190, 110), 1.2));
    p.drawLine(QPointF(8, 2.5), QPointF(8, 27.5));
    p.drawRect(QRectF(11, 8, 10, 6));

    QPainterPath ribbon;
    ribbon.moveTo(17, 26);
    ribbon.lineTo(21, 26);
    ribbon.lineTo(21, 31);
    ribbon.lineTo(19, 29.5);
    ribbon.lineTo(17, 31);
    ribbon.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 110, 170));
    p.drawPath(ribbon);
    return pixmap;
}

} // namespace

QIcon OrdotecaIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(drawIcon(size));
    return icon;
}
