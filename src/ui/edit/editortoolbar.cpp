#include "editortoolbar.h"

#include "widgets/toolbarstrip.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kInk(40, 45, 60);
const QColor kLine(90, 95, 110);

void letter(QPainter &p, const QString &text, bool bold, bool italic, bool underline,
            const QColor &colour = kInk)
{
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(13);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(QRectF(0, 0, 16, 15), Qt::AlignCenter, text);
}

// Four text lines; each pair is the start and length of one line.
void lines(QPainter &p, const std::initializer_list<std::pair<double, double>> &spans, double top = 2.5)
{
    p.setPen(QPen(kLine, 1.4));
    double y = top;
    for (const auto &span : spans) {
        p.drawLine(QPointF(span.first, y), QPointF(span.first + span.second, y));
        y += 3.5;
    }
}

void drawDelete(QPainter &p)
{
    p.setPen(QPen(QColor(200, 30, 30), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
}

void drawBold(QPainter &p)
{
    letter(p, QStringLiteral("B"), true, false, false);
}

void drawUnderline(QPainter &p)
{
    letter(p, QStringLiteral("U"), false, false, true);
}

void drawItalic(QPainter &p)
{
    letter(p, QStringLiteral("I"), false, true, false);
}

void drawFont(QPainter &p)
{
    letter(p, QStringLiteral("A"), true, false, false, QColor(30, 70, 160));
    p.setPen(QPen(QColor(200, 40, 40), 2));
    p.drawLine(QPointF(2, 14.5), QPointF(14, 14.5));
}

void drawBackgroundColour(QPainter &p)
{
    p.fillRect(QRectF(1, 10, 14, 5), QColor(255, 220, 40));
    QFont f = p.font();
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(kInk);
    p.drawText(QRectF(0, 0, 16, 10), Qt::AlignCenter, QStringLiteral("ab"));
}

void drawLeft(QPainter &p)
{
    lines(p, {{1.5, 13}, {1.5, 9}, {1.5, 13}, {1.5, 7}});
}

void drawCenter(QPainter &p)
{
    lines(p, {{1.5, 13}, {3.5, 9}, {1.5, 13}, {4.5, 7}});
}

void drawRight(QPainter &p)
{
    lines(p, {{1.5, 13}, {5.5, 9}, {1.5, 13}, {7.5, 7}});
}

void drawOrderedList(QPainter &p)
{
    QFont f = p.font();
    f.setPixelSize(6);
    p.setFont(f);
    p.setPen(kInk);
    for (int i = 0; i < 3; ++i)
        p.drawText(QRectF(0, 1 + i * 5, 5, 5), Qt::AlignCenter, QString::number(i + 1));
    p.setPen(QPen(kLine, 1.4));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(6.5, 3.5 + i * 5), QPointF(15, 3.5 + i * 5));
}

void drawUnorderedList(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(2.5, 3.5 + i * 5), 1.5, 1.5);
    p.setPen(QPen(kLine, 1.4));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(6.5, 3.5 + i * 5), QPointF(15, 3.5 + i * 5));
}

void drawArrow(QPainter &p, bool right)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 110, 200));
    if (right)
        p.drawPolygon(QPolygonF{{1, 5}, {5, 8}, {1, 11}});
    else
        p.drawPolygon(QPolygonF{{5, 5}, {1, 8}, {5, 11}});
}

void drawOutdent(QPainter &p)
{
    lines(p, {{1.5, 13}, {7.5, 7}, {7.5, 7}, {1.5, 13}});
    drawArrow(p, false);
}

void drawIndent(QPainter &p)
{
    lines(p, {{1.5, 13}, {7.5, 7}, {7.5, 7}, {1.5, 13}});
    drawArrow(p, true);
}

void drawHorizontalLine(QPainter &p)
{
    p.setPen(QPen(kLine, 1));
    p.drawLine(QPointF(3, 3.5), QPointF(13, 3.5));
    p.drawLine(QPointF(3, 12.5), QPointF(13, 12.5));
    p.setPen(QPen(kInk, 2.2));
    p.drawLine(QPointF(1, 8), QPointF(15, 8));
}

void drawHyperlink(QPainter &p)
{
    p.setPen(QPen(QColor(30, 90, 180), 1.8));
    p.setBrush(Qt::NoBrush);
    p.save();
    p.translate(8, 8);
    p.rotate(-45);
    p.drawRoundedRect(QRectF(-7, -2.5, 8, 5), 2.5, 2.5);
    p.drawRoundedRect(QRectF(-1, -2.5, 8, 5), 2.5, 2.5);
    p.restore();
}

void drawImage(QPainter &p)
{
    p.setPen(QPen(kLine, 1));
    p.setBrush(QColor(210, 235, 255));
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 150, 70));
    p.drawPolygon(QPolygonF{{2, 13}, {6.5, 7}, {9, 10}, {11, 8}, {14, 13}});
    p.setBrush(QColor(240, 190, 30));
    p.drawEllipse(QPointF(11, 5.5), 1.5, 1.5);
}

void drawSwitchMode(QPainter &p)
{
    // An eye: the page as it will be read.
    QPainterPath eye;
    eye.moveTo(1, 8);
    eye.quadTo(8, 1, 15, 8);
    eye.quadTo(8, 15, 1, 8);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(eye);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 110, 190));
    p.drawEllipse(QPointF(8, 8), 2.6, 2.6);
}

} // namespace

const QVector<int> &EditorToolbarCommands()
{
    using namespace EditorCmd;
    static const QVector<int> commands{Cut,         Copy,           Paste,           Delete,
                                       0,           Bold,           Underline,       Italic,
                                       0,           Font,           BackgroundColor, 0,
                                       LeftJustify, Center,         RightJustify,    0,
                                       OrderedList, UnorderedList,  Outdent,         Indent,
                                       0,           HorizontalLine, AddHyperlink,    InsertImage,
                                       0,           SwitchMode};
    return commands;
}

QImage DrawEditorToolbarStrip()
{
    return DrawToolbarStrip({DrawCutImage,    DrawCopyImage,      DrawPasteImage,
                             drawDelete,      drawBold,           drawUnderline,
                             drawItalic,      drawFont,           drawBackgroundColour,
                             drawLeft,        drawCenter,         drawRight,
                             drawOrderedList, drawUnorderedList,  drawOutdent,
                             drawIndent,      drawHorizontalLine, drawHyperlink,
                             drawImage,       drawSwitchMode});
}
