#pragma once

#include "bookid.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// Clipboard and drag payloads between the tree and the list, little-endian.
// Numbers that all fit 32 bits are written as before, so older versions read
// them: OrdoBook = a 32-bit count N and N 32-bit BookIDs, OrdoCategory = one
// 32-bit CatID. Any larger number makes the whole payload the wide layout:
// a 32-bit -1 (which older versions refuse as a count), then OrdoBook = a
// 32-bit count N and N 64-bit BookIDs, OrdoCategory = one 64-bit CatID.
inline const QString kOrdoBookMime = QStringLiteral("application/x-ordobook");
inline const QString kOrdoCategoryMime = QStringLiteral("application/x-ordocategory");

QByteArray EncodeBookPayload(const QVector<BookId> &bookIds);
// False for a payload that is too short or whose count does not match its size.
bool DecodeBookPayload(const QByteArray &payload, QVector<BookId> &bookIds);

QByteArray EncodeCategoryPayload(CategoryId catId);
bool DecodeCategoryPayload(const QByteArray &payload, CategoryId &catId);
