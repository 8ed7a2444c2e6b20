#pragma once

#include <QByteArray>
#include <QVector>

// Builds small GIF files byte by byte for tests. The image data is LZW
// without compression: a clear code after every two pixels keeps the code
// width at its minimum, which every decoder reads.
class GifWriter
{
public:
    struct Frame
    {
        int left = 0;
        int top = 0;
        int width = 1;
        int height = 1;
        QVector<int> pixels; // colour indexes 0-3, row by row; empty = all colour 0
        int delay = -1;      // hundredths; -1 writes no graphic control extension
        int disposal = 0;
        bool extraComment = false; // a comment extension in front of the frame
    };

    // A screen of width x height with a global table of four colours.
    GifWriter(int width, int height, const QVector<unsigned> &rgb = {0xffffff, 0xff0000, 0x00ff00, 0x0000ff})
    {
        m_data = "GIF89a";
        word(width);
        word(height);
        m_data.append(char(0x81)); // global table of 2^(1+1) = 4 entries
        m_data.append(char(0));    // background colour index
        m_data.append(char(0));
        for (int i = 0; i < 4; ++i) {
            const unsigned c = i < rgb.size() ? rgb.at(i) : 0;
            m_data.append(char((c >> 16) & 0xff));
            m_data.append(char((c >> 8) & 0xff));
            m_data.append(char(c & 0xff));
        }
    }

    // The looping block browsers and Qt expect in animations.
    GifWriter &loop()
    {
        m_data.append("\x21\xff\x0b"
                      "NETSCAPE2.0"
                      "\x03\x01\x00\x00\x00",
                      19);
        return *this;
    }

    GifWriter &add(const Frame &f)
    {
        if (f.extraComment) {
            m_data.append("\x21\xfe\x05hello\x00", 9);
        }
        if (f.delay >= 0) {
            m_data.append(char(0x21));
            m_data.append(char(0xf9));
            m_data.append(char(4));
            m_data.append(char((f.disposal & 7) << 2));
            word(f.delay);
            m_data.append(char(0));
            m_data.append(char(0));
        }
        m_data.append(char(0x2c));
        word(f.left);
        word(f.top);
        word(f.width);
        word(f.height);
        m_data.append(char(0)); // no local table
        m_data.append(char(2)); // minimum code size: 4 colours

        QByteArray codes;
        int bits = 0;
        int used = 0;
        const auto put = [&](int code) {
            bits |= code << used;
            used += 3;
            while (used >= 8) {
                codes.append(char(bits & 0xff));
                bits >>= 8;
                used -= 8;
            }
        };
        const int count = f.width * f.height;
        for (int i = 0; i < count; ++i) {
            if (i % 2 == 0)
                put(4); // clear
            put(i < f.pixels.size() ? (f.pixels.at(i) & 3) : 0);
        }
        put(5); // end of information
        if (used > 0)
            codes.append(char(bits & 0xff));
        for (qsizetype at = 0; at < codes.size(); at += 255) {
            const QByteArray chunk = codes.mid(at, 255);
            m_data.append(char(chunk.size()));
            m_data.append(chunk);
        }
        m_data.append(char(0));
        return *this;
    }

    // The file with its trailer.
    QByteArray bytes() const { return m_data + QByteArray(1, ';'); }
    // Without the trailer (a file cut short).
    QByteArray unterminated() const { return m_data; }

private:
    void word(int value)
    {
        m_data.append(char(value & 0xff));
        m_data.append(char((value >> 8) & 0xff));
    }

    QByteArray m_data;
};
