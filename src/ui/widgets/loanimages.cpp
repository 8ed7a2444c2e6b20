#include "loanimages.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

void drawBook(QPainter &p, const QColor &cover)
{
    p.setPen(QPen(cover.darker(170), 1));
    p.setBrush(cover);
    p.drawRect(QRectF(1.5, 2.5, 7, 11));
    p.fillRect(QRectF(2, 3, 1.5, 10), cover.darker(130)); // spine
    p.fillRect(QRectF(4.5, 5, 3, 1.5), QColor(240, 210, 90));
}

// An arrow along y = 8 from x0 to x1 with its head at x1.
void drawArrow(QPainter &p, double x0, double x1, const QColor &colour)
{
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::FlatCap));
    const double dir = x1 > x0 ? 1 : -1;
    p.drawLine(QPointF(x0, 9), QPointF(x1 - dir * 3, 9));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const QPointF head[] = {{x1, 9}, {x1 - dir * 4, 5.5}, {x1 - dir * 4, 12.5}};
    p.drawPolygon(head, 3);
}

} // namespace

void DrawLentBookImage(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    drawBook(p, QColor(40, 90, 170));
    drawArrow(p, 8, 15.5, QColor(30, 140, 60));
}

void DrawBorrowedBookImage(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    drawBook(p, QColor(150, 80, 160));
    drawArrow(p, 15.5, 8.5, QColor(200, 120, 0));
}

void DrawReturnBookImage(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    drawBook(p, QColor(40, 90, 170));
    const QColor colour(30, 110, 180);
    QPainterPath bend;
    bend.moveTo(10, 13.5);
    bend.cubicTo(16.5, 13.5, 16.5, 4.5, 12.5, 4.5);
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bend);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const QPointF head[] = {{8.5, 4.5}, {12.5, 1}, {12.5, 8}};
    p.drawPolygon(head, 3);
}
