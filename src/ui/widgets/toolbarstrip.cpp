#include "toolbarstrip.h"

#include "loanimages.h"

#include "app/commandids.h"
#include "toolbarimageset.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kSize = 16;

void drawPage(QPainter &p, QRectF r, const QColor &fill)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 4, r.top());
    path.lineTo(r.right(), r.top() + 4);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(QColor(70, 80, 95), 1));
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 4, r.top()), QPointF(r.right() - 4, r.top() + 4));
    p.drawLine(QPointF(r.right() - 4, r.top() + 4), QPointF(r.right(), r.top() + 4));
}

void drawNew(QPainter &p)
{
    drawPage(p, QRectF(3.5, 1.5, 10, 13), Qt::white);
    p.setPen(QPen(QColor(230, 170, 20), 1.5));
    p.drawLine(QPointF(3, 2), QPointF(3, 6));
    p.drawLine(QPointF(1, 4), QPointF(5, 4));
}

void drawOpen(QPainter &p)
{
    p.setPen(QPen(QColor(150, 105, 20), 1));
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(QRectF(1.5, 4.5, 12, 9));
    p.drawRect(QRectF(1.5, 3.5, 5, 2));
    QPolygonF flap{{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}};
    p.setBrush(QColor(252, 222, 130));
    p.drawPolygon(flap);
}

void drawSaveHtml(QPainter &p)
{
    p.setPen(QPen(QColor(30, 60, 120), 1));
    p.setBrush(QColor(70, 120, 200));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(40, 70, 130));
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
    p.setPen(QPen(QColor(40, 150, 70), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 3.5, 3.5);
}

void drawCut(QPainter &p)
{
    p.setPen(QPen(QColor(90, 90, 100), 1.3));
    p.drawLine(QPointF(4, 1), QPointF(10, 10));
    p.drawLine(QPointF(12, 1), QPointF(6, 10));
    p.setPen(QPen(QColor(200, 40, 40), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 12.5), 2.5, 2.5);
    p.drawEllipse(QPointF(11.5, 12.5), 2.5, 2.5);
}

void drawCopy(QPainter &p)
{
    drawPage(p, QRectF(1.5, 1.5, 8, 10), QColor(235, 240, 250));
    drawPage(p, QRectF(6.5, 4.5, 8, 10), Qt::white);
}

void drawPaste(QPainter &p)
{
    p.setPen(QPen(QColor(120, 80, 30), 1));
    p.setBrush(QColor(200, 150, 80));
    p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1.5, 1.5);
    p.setBrush(QColor(150, 150, 160));
    p.drawRect(QRectF(4.5, 1.5, 4, 2));
    drawPage(p, QRectF(7.5, 6.5, 7, 8), Qt::white);
}

void drawPrint(QPainter &p)
{
    drawPage(p, QRectF(4.5, 1.5, 7, 6), Qt::white);
    p.setPen(QPen(QColor(60, 60, 70), 1));
    p.setBrush(QColor(170, 175, 185));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.setPen(QColor(60, 200, 60));
    p.drawPoint(12, 8);
}

void drawHelp(QPainter &p)
{
    p.setPen(QPen(QColor(20, 60, 140), 1));
    p.setBrush(QColor(60, 120, 210));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    QFont f = p.font();
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
}

} // namespace

const QVector<int> &MainToolbarCommands()
{
    static const QVector<int> commands{
        Cmd::NewDatabase, Cmd::OpenDatabase, Cmd::SaveAsHtml,   0, Cmd::Cut,   Cmd::Copy,      Cmd::Paste, 0,
        Cmd::Lend,        Cmd::Return,       Cmd::BorrowedBook, 0, Cmd::Print, Cmd::HelpTopics};
    return commands;
}

QImage DrawMainToolbarStrip()
{
    return DrawToolbarStrip({drawNew, drawOpen, drawSaveHtml, drawCut, drawCopy, drawPaste, DrawLentBookImage,
                             DrawReturnBookImage, DrawBorrowedBookImage, drawPrint, drawHelp});
}

void DrawCutImage(QPainter &p)
{
    drawCut(p);
}

void DrawCopyImage(QPainter &p)
{
    drawCopy(p);
}

void DrawPasteImage(QPainter &p)
{
    drawPaste(p);
}

QImage DrawToolbarStrip(const QVector<ToolbarPainter> &painters)
{
    const int count = int(painters.size());
    QImage strip(kSize * count, kSize, QImage::Format_RGB32);
    strip.fill(CToolbarImageSet::kMaskColour);
    for (int i = 0; i < count; ++i) {
        // Each icon is drawn anti-aliased on its own transparent tile and then
        // flattened onto the mask colour with hard edges, so no blended pixel
        // turns into the mask colour by accident.
        QImage tile(kSize, kSize, QImage::Format_ARGB32);
        tile.fill(Qt::transparent);
        QPainter p(&tile);
        p.setRenderHint(QPainter::Antialiasing);
        painters[i](p);
        p.end();
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                const QRgb px = tile.pixel(x, y);
                if (qAlpha(px) < 96)
                    continue;
                QRgb solid = qRgb(qRed(px), qGreen(px), qBlue(px));
                if ((solid | 0xFF000000) == CToolbarImageSet::kMaskColour)
                    solid = qRgb(191, 191, 191);
                strip.setPixel(kSize * i + x, y, solid);
            }
        }
    }
    return strip;
}
