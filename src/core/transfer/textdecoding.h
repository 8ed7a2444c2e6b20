#pragma once

#include <QByteArray>
#include <QString>

// Turns the bytes of an imported text file into text. A byte-order mark
// decides (UTF-8, UTF-16 LE/BE); without one, UTF-16 is recognised by its
// zero bytes. Otherwise the file is read as UTF-8, and a file with more
// invalid bytes than valid UTF-8 sequences as Windows-1252 throughout.
//
// A UTF-8 file with a few stray bytes of another encoding (one "é" pasted
// from a Latin-1 source) keeps its UTF-8: each stray byte comes back as the
// lone surrogate U+DC00 + byte, which no decoded text contains, so that the
// caller can find the cells it spoils and mend them with RepairStrayBytes.
// encoding (when given) gets the name of what was used; strayBytes whether
// the text holds such marks.
QString DecodeImportText(const QByteArray &bytes, QString *encoding = nullptr, bool *strayBytes = nullptr);

// Replaces the marks of stray bytes by the Windows-1252 characters of those
// bytes. True when the text held any.
bool RepairStrayBytes(QString &text);

// True when the bytes look like a binary file rather than text: NUL bytes
// outside UTF-16 or many control characters.
bool LooksBinary(const QByteArray &bytes);
