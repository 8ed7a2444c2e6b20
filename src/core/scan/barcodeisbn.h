#pragma once

#include <QMetaType>
#include <QString>
#include <QVector>

// The barcode symbologies the scanner reads.
enum class BarcodeKind { Ean13, Ean8, UpcA, Code39, Code128 };

// Why a barcode that was read gives no ISBN.
enum class IsbnRefusal {
    None,
    Issn,          // 977: a periodical
    SheetMusic,    // 979-0: an ISMN
    NotBook,       // another EAN-13, an EAN-8 or a UPC-A: a product code
    BadCheckDigit, // a book number whose check digit does not match
    NotIsbnText    // a Code 39/128 label that holds no ISBN
};

// One barcode read from a picture and what it means for the ISBN list.
struct CBarcodeIsbn
{
    BarcodeKind kind = BarcodeKind::Ean13;
    QString barcode; // the digits or text as read, without the add-on
    QString addOn;   // 2 or 5 digits printed beside an EAN, else empty
    QString isbn;    // as the ISBN list takes it; empty when refused
    IsbnRefusal refusal = IsbnRefusal::None;

    bool isIsbn() const { return refusal == IsbnRefusal::None; }
};
Q_DECLARE_METATYPE(CBarcodeIsbn)
Q_DECLARE_METATYPE(QVector<CBarcodeIsbn>)

// Turns a barcode into an ISBN the way a typed line is turned into one: a 978
// EAN becomes an ISBN-10, a 979 EAN stays an ISBN-13, an add-on (the price)
// is dropped. Anything that is not a book number is refused with a reason.
CBarcodeIsbn IsbnFromBarcode(BarcodeKind kind, const QString &text, const QString &addOn = {});
