#pragma once

#include "importtable.h"

#include <QString>

// Reads a file to import and finds out what it is: delimited text (any
// delimiter; UTF-8 with or without BOM, UTF-16, Latin-1), a Goodreads or
// LibraryThing export, a Tellico .tc archive or Tellico XML. Nothing is
// written anywhere.
class CImportReader
{
public:
    // Larger files are refused before anything is read.
    static constexpr qint64 kMaxFileSize = 100 * 1024 * 1024;

    // False with a message for the user in error when the file cannot be
    // imported (missing, too large, binary, damaged, ragged rows, no books).
    static bool Read(const QString &path, CImportTable &table, QString &error);

    // The same for bytes already in memory (path only names the file).
    static bool ReadBytes(const QByteArray &bytes, const QString &path, CImportTable &table, QString &error);
};
