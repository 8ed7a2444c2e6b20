#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// Clipboard and drag payloads between the tree and the list. Both are little-
// endian 32-bit integers: OrdoBook = a count N followed by N BookIDs,
// OrdoCategory = one CatID.
inline const QString kOrdoBookMime = QStringLiteral("application/x-ordobook");
inline const QString kOrdoCategoryMime = QStringLiteral("application/x-ordocategory");

QByteArray EncodeBookPayload(const QVector<int> &bookIds);
// False for a payload that is too short or whose count does not match its size.
bool DecodeBookPayload(const QByteArray &payload, QVector<int> &bookIds);

QByteArray EncodeCategoryPayload(int catId);
bool DecodeCategoryPayload(const QByteArray &payload, int &catId);
