#pragma once

#include <QString>
#include <QStringList>

// The ISBN list of the Add Book dialog: one entry per line, typed, pasted,
// scanned or read from a text file.

// One line of the list as the lookup takes it: blanks around it removed, a
// scanned EAN-13 with its 5-digit add-on (joined or separated) cut to its 13
// digits, and a 978 barcode turned into the ISBN form the settings ask for.
// Hyphens typed by the user stay.
QString IsbnFromListLine(const QString &line);

// True for an ISBN-10 or an ISBN-13 of a book (978, or 979 but not 979-0),
// hyphens and surrounding blanks ignored.
bool IsAcceptedIsbn(const QString &isbn);

// Outcome of reading an ISBN list file.
enum class IsbnFileRead { Ok, CannotOpen, TooLarge };

// Larger files are not ISBN lists; refusing them keeps a wrong pick from
// filling the edit with megabytes of text.
constexpr qint64 kMaxIsbnFileSize = 1024 * 1024;

// Reads path: blank lines dropped, every other line trimmed and ended by
// CR LF, the whole trimmed. text is set only on Ok.
[[nodiscard]] IsbnFileRead ReadIsbnListFile(const QString &path, QString &text);

// Writes text with every line ended by CR LF. False when the file cannot be
// created or written.
[[nodiscard]] bool WriteIsbnListFile(const QString &path, const QString &text);
