#pragma once

#include <QString>

// ISBN-10 check: hyphens and surrounding blanks ignored, a final x accepted.
bool IsValidIsbn(const QString &text);

// A scanned EAN-13 (or EAN-13 with its 5-digit add-on) of a book, 978..., as
// an ISBN-10; anything else comes back unchanged.
QString EanToIsbn(const QString &text);
