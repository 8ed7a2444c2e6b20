#include "clipboardformats.h"

#include <QtEndian>
#include <algorithm>
#include <limits>

namespace {

constexpr qint32 kWideMarker = -1;

void appendInt(QByteArray &bytes, qint32 value)
{
    char le[4];
    qToLittleEndian<qint32>(value, le);
    bytes.append(le, 4);
}

void appendInt64(QByteArray &bytes, qint64 value)
{
    char le[8];
    qToLittleEndian<qint64>(value, le);
    bytes.append(le, 8);
}

qint32 intAt(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

qint64 int64At(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<qint64>(bytes.constData() + offset);
}

bool fits32(qint64 id)
{
    return id >= std::numeric_limits<qint32>::min() && id <= std::numeric_limits<qint32>::max();
}

} // namespace

QByteArray EncodeBookPayload(const QVector<BookId> &bookIds)
{
    const bool narrow = std::all_of(bookIds.cbegin(), bookIds.cend(), fits32);
    QByteArray bytes;
    if (narrow) {
        bytes.reserve(4 + 4 * bookIds.size());
        appendInt(bytes, qint32(bookIds.size()));
        for (BookId id : bookIds)
            appendInt(bytes, qint32(id));
        return bytes;
    }
    bytes.reserve(8 + 8 * bookIds.size());
    appendInt(bytes, kWideMarker);
    appendInt(bytes, qint32(bookIds.size()));
    for (BookId id : bookIds)
        appendInt64(bytes, id);
    return bytes;
}

bool DecodeBookPayload(const QByteArray &payload, QVector<BookId> &bookIds)
{
    if (payload.size() < 4)
        return false;
    const bool wide = intAt(payload, 0) == kWideMarker;
    const qsizetype head = wide ? 8 : 4;
    const qsizetype width = wide ? 8 : 4;
    if (payload.size() < head)
        return false;
    const qint32 count = intAt(payload, head - 4);
    if (count < 0 || payload.size() < head + width * qsizetype(count))
        return false;
    bookIds.clear();
    bookIds.reserve(count);
    for (qint32 i = 0; i < count; ++i) {
        const qsizetype at = head + width * qsizetype(i);
        bookIds << (wide ? int64At(payload, at) : BookId(intAt(payload, at)));
    }
    return true;
}

QByteArray EncodeCategoryPayload(CategoryId catId)
{
    QByteArray bytes;
    if (fits32(catId)) {
        appendInt(bytes, qint32(catId));
    } else {
        appendInt(bytes, kWideMarker);
        appendInt64(bytes, catId);
    }
    return bytes;
}

bool DecodeCategoryPayload(const QByteArray &payload, CategoryId &catId)
{
    if (payload.size() < 4)
        return false;
    if (intAt(payload, 0) == kWideMarker && payload.size() >= 12) {
        catId = int64At(payload, 4);
        return true;
    }
    catId = intAt(payload, 0);
    return true;
}
