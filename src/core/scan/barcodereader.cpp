#include "barcodereader.h"

#include <ZXing/ReadBarcode.h>

#include <QTransform>

#include <algorithm>

namespace {

enum class Search { Thorough, QuickLook };

ZXing::DecodeHints bookHints(Search search)
{
    using ZXing::BarcodeFormat;
    ZXing::DecodeHints hints;
    hints.setFormats(BarcodeFormat::EAN13 | BarcodeFormat::EAN8 | BarcodeFormat::UPCA |
                     BarcodeFormat::Code39 | BarcodeFormat::Code128);
    hints.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Read);
    hints.setTryHarder(search == Search::Thorough);
    hints.setTryRotate(true);
    // Off: zxing-cpp 1.4 asserts when it merges a linear code found again
    // in its downscaled copy, and linear codes gain nothing from it.
    hints.setTryDownscale(false);
    return hints;
}

bool kindOf(ZXing::BarcodeFormat format, BarcodeKind &kind)
{
    switch (format) {
    case ZXing::BarcodeFormat::EAN13:
        kind = BarcodeKind::Ean13;
        return true;
    case ZXing::BarcodeFormat::EAN8:
        kind = BarcodeKind::Ean8;
        return true;
    case ZXing::BarcodeFormat::UPCA:
        kind = BarcodeKind::UpcA;
        return true;
    case ZXing::BarcodeFormat::Code39:
        kind = BarcodeKind::Code39;
        return true;
    case ZXing::BarcodeFormat::Code128:
        kind = BarcodeKind::Code128;
        return true;
    default:
        return false;
    }
}

// zxing-cpp returns an EAN with its add-on as "<main> <add-on>".
void splitAddOn(BarcodeKind kind, const QString &text, QString &main, QString &addOn)
{
    main = text;
    addOn.clear();
    if (kind != BarcodeKind::Ean13 && kind != BarcodeKind::UpcA && kind != BarcodeKind::Ean8)
        return;
    const int space = text.indexOf(QLatin1Char(' '));
    if (space > 0) {
        main = text.left(space);
        addOn = text.mid(space + 1);
    }
}

void decodeInto(const QImage &gray, QVector<CBarcodeIsbn> &found, Search search = Search::Thorough)
{
    static const ZXing::DecodeHints thorough = bookHints(Search::Thorough);
    static const ZXing::DecodeHints quick = bookHints(Search::QuickLook);
    const ZXing::DecodeHints &hints = search == Search::Thorough ? thorough : quick;
    const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(), ZXing::ImageFormat::Lum,
                                int(gray.bytesPerLine()));
    for (const ZXing::Result &result : ZXing::ReadBarcodes(view, hints)) {
        BarcodeKind kind;
        if (!result.isValid() || !kindOf(result.format(), kind))
            continue;
        QString main, addOn;
        splitAddOn(kind, QString::fromStdString(result.text()), main, addOn);
        const bool known = std::any_of(found.cbegin(), found.cend(), [&](const CBarcodeIsbn &code) {
            return code.kind == kind && code.barcode == main;
        });
        if (!known)
            found << IsbnFromBarcode(kind, main, addOn);
    }
}

QImage inverted(const QImage &gray)
{
    QImage copy = gray.copy();
    copy.invertPixels();
    return copy;
}

QImage turned(const QImage &gray, qreal degrees)
{
    // The corners the turn uncovers are filled white: a quiet zone, not bars.
    QImage image = gray.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image = image.transformed(QTransform().rotate(degrees), Qt::FastTransformation);
    QImage out(image.size(), QImage::Format_Grayscale8);
    out.fill(Qt::white);
    for (int y = 0; y < image.height(); ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        uchar *dst = out.scanLine(y);
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(src[x]) != 0)
                dst[x] = uchar(qGray(src[x]));
    }
    return out;
}

} // namespace

QVector<CBarcodeIsbn> CBarcodeReader::read(const QImage &image) const
{
    QVector<CBarcodeIsbn> found;
    if (image.isNull())
        return found;
    const QImage gray = image.format() == QImage::Format_Grayscale8
                            ? image
                            : image.convertToFormat(QImage::Format_Grayscale8);
    // Right angles are tried by the decoder itself; inverted and oblique
    // pictures only when the plain one gives nothing, so a frame with a
    // barcode is done quickly.
    decodeInto(gray, found);
    // A half-size copy evens out noise and bars that fall between pixels; it
    // is cheap, and read also when the full size found one code of several.
    const QImage half = gray.scaled(gray.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    decodeInto(half, found);
    if (!found.isEmpty())
        return found;
    // Light bars on a dark ground are rare on books: a camera frame, which
    // must be done before the next one comes, looks for them on fewer rows
    // (the next frames look again); a picture looks everywhere.
    const QImage negative = inverted(gray);
    decodeInto(negative, found, m_effort == Effort::Frame ? Search::QuickLook : Search::Thorough);
    if (!found.isEmpty() || m_effort == Effort::Frame)
        return found;
    decodeInto(inverted(half), found);
    if (!found.isEmpty())
        return found;
    for (const qreal angle : {45.0, -45.0}) {
        for (const QImage *source : {&gray, &negative}) {
            decodeInto(turned(*source, angle), found);
            if (!found.isEmpty())
                return found;
        }
    }
    return found;
}
