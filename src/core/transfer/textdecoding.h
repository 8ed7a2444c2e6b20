#pragma once

#include <QByteArray>
#include <QString>

// Turns the bytes of an imported text file into text. A byte-order mark
// decides (UTF-8, UTF-16 LE/BE); without one, UTF-16 is recognised by its
// zero bytes, valid UTF-8 is UTF-8 and anything else is read as Latin-1.
// encoding (when given) gets the name of what was used.
QString DecodeImportText(const QByteArray &bytes, QString *encoding = nullptr);

// True when the bytes look like a binary file rather than text: NUL bytes
// outside UTF-16 or many control characters.
bool LooksBinary(const QByteArray &bytes);
