#pragma once

#include "importtable.h"

#include <QByteArray>
#include <QString>

// Reads a Tellico collection document (tellico.xml, or bookcase.xml of its
// earlier versions) into a table: one row per entry, one column per field
// element name, in order of first appearance.
// Several values of a field come on separate lines; the rows of a table
// field come as a JSON array of arrays of column texts. Embedded images
// (base64 inside <image>) land in table.images. The parser never loads
// anything from the network or external entities.
class CTellicoReader
{
public:
    static bool Read(const QByteArray &xml, CImportTable &table, QString &error);
};
