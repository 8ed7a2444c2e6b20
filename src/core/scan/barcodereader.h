#pragma once

#include "barcodeisbn.h"

#include <QImage>
#include <QVector>

// Reads the book barcodes in a picture: EAN-13 (with or without its 2- or
// 5-digit add-on), EAN-8, UPC-A, and ISBN labels in Code 39 or Code 128.
// Tries the picture turned and inverted (light bars on a dark cover). Safe to
// use from any thread; holds no state between calls.
class CBarcodeReader
{
public:
    // A camera frame must be done before the next one arrives; a photo may
    // take longer and is also tried at oblique angles.
    enum class Effort { Frame, Picture };

    explicit CBarcodeReader(Effort effort = Effort::Picture) : m_effort(effort) {}

    // Every different barcode found, each with its ISBN or the reason it has
    // none. Empty for a null picture or one without a readable barcode.
    QVector<CBarcodeIsbn> read(const QImage &image) const;

private:
    Effort m_effort;
};
