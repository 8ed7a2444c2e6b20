#include "barcodeisbn.h"

#include "catalog/isbn.h"
#include "online/isbnlist.h"

#include <QRegularExpression>

namespace {

bool allDigits(const QString &text)
{
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return !text.isEmpty();
}

// The ISBN of a 13-digit EAN, or the reason there is none.
void isbnFromEan13(const QString &ean, CBarcodeIsbn &result)
{
    if (ean.startsWith(QLatin1String("977"))) {
        result.refusal = IsbnRefusal::Issn;
    } else if (ean.startsWith(QLatin1String("9790"))) {
        result.refusal = IsbnRefusal::SheetMusic;
    } else if (!ean.startsWith(QLatin1String("978")) && !ean.startsWith(QLatin1String("979"))) {
        result.refusal = IsbnRefusal::NotBook;
    } else if (!IsValidIsbn13(ean)) {
        result.refusal = IsbnRefusal::BadCheckDigit;
    } else {
        result.isbn = IsbnFromListLine(ean);
        if (!IsAcceptedIsbn(result.isbn)) {
            result.isbn.clear();
            result.refusal = IsbnRefusal::BadCheckDigit;
        }
    }
}

// A label such as "ISBN 0-596-00027-8" printed as Code 39 or Code 128.
void isbnFromLabel(const QString &text, CBarcodeIsbn &result)
{
    static const QRegularExpression prefix(QStringLiteral("^\\s*ISBN(-1[03])?\\s*:?\\s*"),
                                           QRegularExpression::CaseInsensitiveOption);
    QString isbn = text;
    isbn.remove(prefix);
    isbn = NormalizeIsbn(isbn);
    if (isbn.size() == 13 && allDigits(isbn)) {
        isbnFromEan13(isbn, result);
        return;
    }
    if (isbn.size() == 10 && IsValidIsbn(isbn)) {
        result.isbn = isbn;
        return;
    }
    result.refusal = IsbnRefusal::NotIsbnText;
}

} // namespace

CBarcodeIsbn IsbnFromBarcode(BarcodeKind kind, const QString &text, const QString &addOn)
{
    CBarcodeIsbn result;
    result.kind = kind;
    result.barcode = text;
    result.addOn = addOn;
    switch (kind) {
    case BarcodeKind::Ean13:
        if (text.size() == 13 && allDigits(text))
            isbnFromEan13(text, result);
        else
            result.refusal = IsbnRefusal::NotBook;
        break;
    case BarcodeKind::Code39:
    case BarcodeKind::Code128:
        isbnFromLabel(text, result);
        break;
    case BarcodeKind::Ean8:
    case BarcodeKind::UpcA:
        // Neither can hold an ISBN; a UPC-A on a paperback is the
        // distributor's product code, not the book's number.
        result.refusal = IsbnRefusal::NotBook;
        break;
    }
    return result;
}
