#pragma once

#include <QString>

// Windows-1252 is what most "Latin-1" files really are: it puts curly quotes,
// dashes, "…" and "€" where ISO-8859-1 has invisible control codes
// (0x80-0x9F). Text that went through the wrong conversion carries those
// control codes; these functions give the intended characters back.

// The character a Windows-1252 byte stands for. The five bytes the code page
// leaves undefined keep their ISO-8859-1 meaning.
QChar Windows1252Char(unsigned char byte);

// Bytes read as Windows-1252.
QString DecodeWindows1252(const char *bytes, qsizetype size);

// Replaces C1 control characters (U+0080-U+009F) by the Windows-1252
// characters of the same byte value. True when anything changed.
bool RepairC1Controls(QString &text);
