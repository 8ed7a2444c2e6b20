#include "treeimages.h"

#include "widgets/loanimages.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QVector>
#include <cmath>

namespace TreeImages {

namespace {

void drawFolder(QPainter &p, bool open)
{
    const QColor edge(150, 110, 20);
    p.setPen(QPen(edge, 1));
    p.setBrush(QColor(240, 200, 80));
    // Tab and back.
    p.drawRect(QRectF(1.5, 3.5, 5, 2));
    p.drawRect(QRectF(1.5, 4.5, 13, 9));
    if (open) {
        QPolygonF front;
        front << QPointF(3.5, 7.5) << QPointF(15.5, 7.5) << QPointF(13.5, 13.5) << QPointF(1.5, 13.5);
        p.setBrush(QColor(255, 225, 120));
        p.drawPolygon(front);
    } else {
        p.setPen(QPen(QColor(255, 235, 160), 1));
        p.drawLine(QPointF(2.5, 6.5), QPointF(13.5, 6.5));
    }
}

void drawBook(QPainter &p, const QRectF &r, const QColor &cover)
{
    p.setPen(QPen(cover.darker(160), 1));
    p.setBrush(cover);
    p.drawRect(r);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    p.drawLine(QPointF(r.left() + 1.5, r.top() + 2), QPointF(r.left() + 1.5, r.bottom() - 1));
}

void drawRoot(QPainter &p)
{
    // A shelf of three books.
    drawBook(p, QRectF(1.5, 3.5, 4, 10), QColor(60, 110, 200));
    drawBook(p, QRectF(5.5, 2.5, 4, 11), QColor(200, 70, 60));
    drawBook(p, QRectF(9.5, 4.5, 4, 9), QColor(70, 160, 80));
    p.setPen(QPen(QColor(110, 80, 40), 2));
    p.drawLine(QPointF(0, 15), QPointF(16, 15));
}

void drawStar(QPainter &p)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double radius = (i % 2) ? 3.0 : 7.2;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        star << QPointF(8 + radius * std::cos(angle), 8.4 + radius * std::sin(angle));
    }
    p.setPen(QPen(QColor(190, 120, 0), 1));
    p.setBrush(QColor(255, 200, 30));
    p.drawPolygon(star);
}

void drawMagnifier(QPainter &p)
{
    p.setPen(QPen(QColor(70, 70, 90), 2));
    p.setBrush(QColor(190, 225, 255));
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
    p.setPen(QPen(QColor(90, 60, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
}

void drawOpenBook(QPainter &p)
{
    p.setPen(QPen(QColor(60, 80, 140), 1));
    p.setBrush(Qt::white);
    QPainterPath left;
    left.moveTo(8, 4);
    left.quadTo(4.5, 2.5, 1, 3.5);
    left.lineTo(1, 13.5);
    left.quadTo(4.5, 12.5, 8, 14);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(8, 4);
    right.quadTo(11.5, 2.5, 15, 3.5);
    right.lineTo(15, 13.5);
    right.quadTo(11.5, 12.5, 8, 14);
    right.closeSubpath();
    p.drawPath(left);
    p.drawPath(right);
    p.setPen(QPen(QColor(150, 160, 190), 1));
    for (double y = 6.5; y < 12; y += 2) {
        p.drawLine(QPointF(2.5, y), QPointF(6.5, y + 0.5));
        p.drawLine(QPointF(9.5, y + 0.5), QPointF(13.5, y));
    }
    // Ribbon marker.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 40, 40));
    p.drawRect(QRectF(11, 3, 1.5, 6));
}

void drawAllBooks(QPainter &p)
{
    const QColor colours[] = {QColor(200, 70, 60), QColor(230, 170, 40), QColor(60, 110, 200),
                              QColor(70, 160, 80), QColor(140, 80, 170)};
    for (int i = 0; i < 5; ++i)
        drawBook(p, QRectF(0.5 + i * 3, 2.5 + (i % 2), 3, 12 - (i % 2)), colours[i]);
}

void drawRecycleBin(QPainter &p)
{
    const QColor edge(80, 90, 100);
    p.setPen(QPen(edge, 1));
    p.setBrush(QColor(200, 210, 220));
    QPolygonF can;
    can << QPointF(3.5, 4.5) << QPointF(12.5, 4.5) << QPointF(11.5, 15.5) << QPointF(4.5, 15.5);
    p.drawPolygon(can);
    p.drawRect(QRectF(2.5, 2.5, 11, 2));
    p.drawRect(QRectF(6.5, 0.5, 3, 2));
    p.setPen(QPen(edge.lighter(130), 1));
    for (double x = 6; x <= 10; x += 2)
        p.drawLine(QPointF(x, 6.5), QPointF(x, 13.5));
}

QPixmap draw(int index)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case Category:
        drawFolder(p, false);
        break;
    case CategorySelected:
        drawFolder(p, true);
        break;
    case RootCollection:
        drawRoot(p);
        break;
    case Favorites:
        drawStar(p);
        break;
    case SearchResults:
        drawMagnifier(p);
        break;
    case ReadingList:
        drawOpenBook(p);
        break;
    case AllBooks:
        drawAllBooks(p);
        break;
    case RecycleBin:
        drawRecycleBin(p);
        break;
    case OnLoan:
        DrawLentBookImage(p);
        break;
    case Borrowed:
        DrawBorrowedBookImage(p);
        break;
    default:
        break;
    }
    return pixmap;
}

} // namespace

QPixmap pixmap(int index)
{
    static QVector<QPixmap> cache;
    if (cache.isEmpty()) {
        for (int i = 0; i < Count; ++i)
            cache << draw(i);
    }
    return cache.value(index);
}

QIcon icon(int image, int selectedImage)
{
    static QHash<int, QIcon> cache;
    const int key = image * Count + selectedImage;
    auto it = cache.find(key);
    if (it == cache.end()) {
        QIcon made;
        made.addPixmap(pixmap(image), QIcon::Normal);
        made.addPixmap(pixmap(selectedImage), QIcon::Selected);
        it = cache.insert(key, made);
    }
    return *it;
}

} // namespace TreeImages
