#pragma once

#include <QByteArray>
#include <QString>

// Converts length UTF-16 code units to UTF-8. A high surrogate followed by a
// low one becomes one four-byte sequence; any other code unit, an unpaired
// surrogate included, becomes the sequence of its own value (three bytes for
// a surrogate), so no input is ever lost or replaced.
//
// With no buffer (bufferSize 0) the result is the number of bytes needed.
// With a buffer the result is the number of bytes written, or 0 when the
// buffer was too small; the sequences that fitted before the first one that
// did not are written, and no sequence is ever written in part.
int EncodeUtf8(const char16_t *text, int length, char *buffer, int bufferSize);

// The whole text as UTF-8 by the same rules, no byte-order mark, no
// terminating zero.
QByteArray EncodeUtf8(const QString &text);
