#pragma once

#include <QImage>
#include <QPainter>
#include <QVector>

// The main toolbar's commands in button order, 0 standing for a separator.
const QVector<int> &MainToolbarCommands();

// The 16x16 images of the main toolbar's commands side by side, drawn by the
// program on the mask colour RGB 192,192,192 (24-bit style strip).
QImage DrawMainToolbarStrip();

// Draws one 16x16 toolbar image.
using ToolbarPainter = void (*)(QPainter &);

// Draws each painter's image on a tile of its own and flattens the tiles side
// by side onto the mask colour (24-bit style strip).
QImage DrawToolbarStrip(const QVector<ToolbarPainter> &painters);

// Images shared by several toolbars.
void DrawCutImage(QPainter &p);
void DrawCopyImage(QPainter &p);
void DrawPasteImage(QPainter &p);
