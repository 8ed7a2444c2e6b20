#pragma once

// Pictures of barcodes for the scanner's tests and benchmark. The bars come
// from zxing-cpp's writer; the EAN add-ons (which the writer does not make)
// are built here from the published EAN-2/EAN-5 symbol layout.

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTransform>

#include <string>
#include <vector>

namespace BarcodePictures {

using Modules = std::vector<bool>; // true = a dark bar module

// The symbol's modules, quiet zones not included.
inline Modules Encode(ZXing::BarcodeFormat format, const std::string &text)
{
    const ZXing::BitMatrix matrix = ZXing::MultiFormatWriter(format).setMargin(0).encode(text, 1, 1);
    Modules modules(size_t(matrix.width()));
    for (int x = 0; x < matrix.width(); ++x)
        modules[size_t(x)] = matrix.get(x, 0);
    return modules;
}

// An EAN-2 or EAN-5 add-on symbol for digits.
inline Modules EncodeAddOn(const std::string &digits)
{
    static const char *const oddCodes[10] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                                             "0110001", "0101111", "0111011", "0110111", "0001011"};
    static const char *const evenCodes[10] = {"0100111", "0110011", "0011011", "0100001", "0011101",
                                              "0111001", "0000101", "0010001", "0001001", "0010111"};
    static const char *const fiveParity[10] = {"GGLLL", "GLGLL", "GLLGL", "GLLLG", "LGGLL",
                                               "LLGGL", "LLLGG", "LGLGL", "LGLLG", "LLGLG"};
    std::string parity;
    if (digits.size() == 5) {
        const int d[5] = {digits[0] - '0', digits[1] - '0', digits[2] - '0', digits[3] - '0',
                          digits[4] - '0'};
        parity = fiveParity[(3 * (d[0] + d[2] + d[4]) + 9 * (d[1] + d[3])) % 10];
    } else {
        static const char *const twoParity[4] = {"LL", "LG", "GL", "GG"};
        parity = twoParity[std::stoi(digits) % 4];
    }
    std::string bits = "1011";
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0)
            bits += "01";
        bits += (parity[i] == 'L' ? oddCodes : evenCodes)[digits[i] - '0'];
    }
    Modules modules;
    for (const char c : bits)
        modules.push_back(c == '1');
    return modules;
}

// The main symbol, the usual gap of 9 light modules, then the add-on.
inline Modules WithAddOn(Modules main, const std::string &addOn)
{
    main.insert(main.end(), 9, false);
    const Modules extra = EncodeAddOn(addOn);
    main.insert(main.end(), extra.begin(), extra.end());
    return main;
}

struct Placement
{
    Modules modules;
    QPointF centre;
    qreal moduleWidth = 3;
    qreal height = 120;
    qreal degrees = 0;
};

// Draws the bars with their quiet zones on a light label.
inline void DrawBarcode(QPainter &painter, const Placement &code, const QColor &dark = Qt::black,
                        const QColor &light = Qt::white)
{
    const qreal quiet = 11 * code.moduleWidth;
    const qreal width = qreal(code.modules.size()) * code.moduleWidth;
    painter.save();
    painter.translate(code.centre);
    painter.rotate(code.degrees);
    // Whole pixels, so that an upright code's bars start on a pixel edge.
    painter.translate(-qRound(width / 2), -qRound(code.height / 2));
    painter.fillRect(QRectF(-quiet, -quiet / 2, width + 2 * quiet, code.height + quiet), light);
    for (size_t i = 0; i < code.modules.size(); ++i)
        if (code.modules[i])
            painter.fillRect(QRectF(qreal(i) * code.moduleWidth, 0, code.moduleWidth, code.height), dark);
    painter.restore();
}

// A picture of the given size with the barcodes on a plain background.
inline QImage Scene(const QSize &size, const std::vector<Placement> &codes,
                    const QColor &background = QColor(200, 190, 170), const QColor &dark = Qt::black,
                    const QColor &light = Qt::white)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Placement &code : codes)
        DrawBarcode(painter, code, dark, light);
    return image;
}

// Softens the picture like an out-of-focus camera (shrink, then grow smoothly).
inline QImage Blurred(const QImage &image, int factor)
{
    return image.scaled(image.size() / factor, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Adds sensor noise of up to +-amount on every channel, the same every run.
inline QImage Noisy(const QImage &image, int amount, quint32 seed = 23)
{
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int n = int(random.bounded(2 * amount + 1)) - amount;
            line[x] = qRgb(qBound(0, qRed(line[x]) + n, 255), qBound(0, qGreen(line[x]) + n, 255),
                           qBound(0, qBlue(line[x]) + n, 255));
        }
    }
    return out;
}

} // namespace BarcodePictures
