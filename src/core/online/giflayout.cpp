#include "giflayout.h"

namespace {

class CByteWalker
{
public:
    explicit CByteWalker(const QByteArray &data) : m_data(data) {}

    qsizetype pos() const { return m_pos; }
    bool has(qsizetype count) const { return count >= 0 && m_pos + count <= m_data.size(); }
    int byteAt(qsizetype offset) const { return static_cast<unsigned char>(m_data.at(m_pos + offset)); }
    int wordAt(qsizetype offset) const { return byteAt(offset) | (byteAt(offset + 1) << 8); }
    bool skip(qsizetype count)
    {
        if (!has(count))
            return false;
        m_pos += count;
        return true;
    }
    // A chain of length-prefixed sub-blocks ending with a zero length.
    bool skipSubBlocks()
    {
        for (;;) {
            if (!has(1))
                return false;
            const int length = byteAt(0);
            if (!skip(1 + length))
                return false;
            if (length == 0)
                return true;
        }
    }

private:
    const QByteArray &m_data;
    qsizetype m_pos = 0;
};

qsizetype colourTableSize(int packed)
{
    return (packed & 0x80) ? 3 * (qsizetype(1) << ((packed & 7) + 1)) : 0;
}

} // namespace

CGifLayout CGifLayout::Read(const QByteArray &data)
{
    CGifLayout layout;
    if (!data.startsWith("GIF") || data.size() < 13)
        return layout;
    CByteWalker walk(data);
    layout.isGif = true;
    layout.screenWidth = walk.wordAt(6);
    layout.screenHeight = walk.wordAt(8);
    if (!walk.skip(13 + colourTableSize(walk.byteAt(10))))
        return layout;

    CGifFrameInfo pending; // control values waiting for their image
    while (walk.has(1)) {
        const int introducer = walk.byteAt(0);
        if (introducer == 0x21) {
            if (!walk.has(2))
                break;
            const int label = walk.byteAt(1);
            if (label == 0xF9 && walk.has(8) && walk.byteAt(2) == 4) {
                pending.disposal = (walk.byteAt(3) >> 2) & 7;
                pending.delay = walk.wordAt(4);
                if (!walk.skip(8))
                    break;
                // A terminator that is not there belongs to the next block.
                continue;
            }
            qsizetype fixed = 2; // comments and unknown extensions
            if (label == 0x01)
                fixed = 15;
            else if (label == 0xFF)
                fixed = 14;
            if (!walk.skip(fixed) || !walk.skipSubBlocks())
                break;
        } else if (introducer == 0x2C) {
            if (!walk.has(10))
                break;
            CGifFrameInfo frame = pending;
            frame.left = walk.wordAt(1);
            frame.top = walk.wordAt(3);
            frame.width = walk.wordAt(5);
            frame.height = walk.wordAt(7);
            const qsizetype table = colourTableSize(walk.byteAt(9));
            // Descriptor, local colour table, minimum code size, image data.
            if (!walk.skip(10 + table + 1) || !walk.skipSubBlocks())
                break;
            layout.frames.append(frame);
            pending = CGifFrameInfo();
        } else {
            break; // the trailer 0x3B, or bytes that are not a GIF block
        }
    }
    return layout;
}

int GifFrameDelayMs(const CGifFrameInfo &frame)
{
    return frame.delay < 5 ? 100 : frame.delay * 10;
}
