#include "clipboardformats.h"

#include <QtEndian>

namespace {

void appendInt(QByteArray &bytes, int value)
{
    char le[4];
    qToLittleEndian<qint32>(value, le);
    bytes.append(le, 4);
}

int intAt(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<qint32>(bytes.constData() + offset);
}

} // namespace

QByteArray EncodeBookPayload(const QVector<int> &bookIds)
{
    QByteArray bytes;
    bytes.reserve(4 + 4 * bookIds.size());
    appendInt(bytes, int(bookIds.size()));
    for (int id : bookIds)
        appendInt(bytes, id);
    return bytes;
}

bool DecodeBookPayload(const QByteArray &payload, QVector<int> &bookIds)
{
    if (payload.size() < 4)
        return false;
    const int count = intAt(payload, 0);
    if (count < 0 || payload.size() < 4 + 4 * qsizetype(count))
        return false;
    bookIds.clear();
    bookIds.reserve(count);
    for (int i = 0; i < count; ++i)
        bookIds << intAt(payload, 4 + 4 * qsizetype(i));
    return true;
}

QByteArray EncodeCategoryPayload(int catId)
{
    QByteArray bytes;
    appendInt(bytes, catId);
    return bytes;
}

bool DecodeCategoryPayload(const QByteArray &payload, int &catId)
{
    if (payload.size() < 4)
        return false;
    catId = intAt(payload, 0);
    return true;
}
