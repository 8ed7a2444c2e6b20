#pragma once

#include <QImage>
#include <QVector>

// The main toolbar's commands in button order, 0 standing for a separator.
const QVector<int> &MainToolbarCommands();

// The 16x16 images of the main toolbar's commands side by side, drawn by the
// program on the mask colour RGB 192,192,192 (24-bit style strip).
QImage DrawMainToolbarStrip();
