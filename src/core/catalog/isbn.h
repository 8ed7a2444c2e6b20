#pragma once

#include <QString>

// ISBN-10 check: hyphens and surrounding blanks ignored, a final x accepted.
bool IsValidIsbn(const QString &text);

// A scanned EAN-13 (or EAN-13 with its 5-digit add-on) of a book, 978..., as
// an ISBN-10; anything else comes back unchanged.
QString EanToIsbn(const QString &text);

// ISBN-13 and the forms an ISBN can take in the online lookup.

// The ISBN without hyphens and blanks (anywhere), a final x upper-cased.
QString NormalizeIsbn(const QString &text);

// ISBN-13 check: 13 digits after NormalizeIsbn, prefix 978 or 979 (979-0 is
// sheet music, not a book), correct check digit.
bool IsValidIsbn13(const QString &text);

// True for a valid ISBN-10 or ISBN-13.
bool IsValidAnyIsbn(const QString &text);

// A valid ISBN-10 as ISBN-13 (978...), normalised; empty text otherwise.
QString Isbn10To13(const QString &text);

// A valid 978 ISBN-13 as ISBN-10, normalised; empty text otherwise (979
// numbers have no ISBN-10).
QString Isbn13To10(const QString &text);

// The other form of a valid ISBN (10 <-> 13), empty when there is none.
QString OtherIsbnForm(const QString &text);

// A valid ISBN as it is to be stored: form 10 gives ISBN-10 for 978 numbers
// and ISBN-13 for 979 ones, form 13 always ISBN-13, form 0 the text as given.
// Text that is not a valid ISBN comes back unchanged.
QString IsbnInForm(const QString &text, int form);
