#include "page/encodeutf8.h"

#include <QTest>

namespace {

QString units(std::initializer_list<char16_t> list)
{
    QString text;
    for (const char16_t unit : list)
        text.append(QChar(unit));
    return text;
}

const char16_t *data(const QString &text)
{
    return reinterpret_cast<const char16_t *>(text.utf16());
}

} // namespace

class EncodeUtf8Test : public QObject
{
    Q_OBJECT

private slots:
    void encode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected"); // hex

        QTest::newRow("empty") << QString() << QByteArray();
        QTest::newRow("ASCII") << "Az~\n" << QByteArray("417a7e0a");
        QTest::newRow("last one-byte") << units({0x7F}) << QByteArray("7f");
        QTest::newRow("first two-byte") << units({0x80}) << QByteArray("c280");
        QTest::newRow("e acute") << units({0xE9}) << QByteArray("c3a9");
        QTest::newRow("last two-byte") << units({0x7FF}) << QByteArray("dfbf");
        QTest::newRow("first three-byte") << units({0x800}) << QByteArray("e0a080");
        QTest::newRow("CJK") << units({0x4E2D}) << QByteArray("e4b8ad");
        QTest::newRow("last BMP") << units({0xFFFF}) << QByteArray("efbfbf");
        QTest::newRow("surrogate pair") << units({0xD83D, 0xDE00}) << QByteArray("f09f9880");
        QTest::newRow("highest code point") << units({0xDBFF, 0xDFFF}) << QByteArray("f48fbfbf");
        QTest::newRow("high surrogate at the end") << units({0x41, 0xD800}) << QByteArray("41eda080");
        QTest::newRow("high surrogate before ASCII") << units({0xD800, 0x41}) << QByteArray("eda08041");
        QTest::newRow("lone low surrogate") << units({0xDC00}) << QByteArray("edb080");
        QTest::newRow("reversed pair") << units({0xDC00, 0xD800}) << QByteArray("edb080eda080");
        QTest::newRow("two highs then a low")
            << units({0xD800, 0xD83D, 0xDE00}) << QByteArray("eda080f09f9880");
        QTest::newRow("mixed") << units({0x41, 0xE9, 0x4E2D, 0xD83D, 0xDE00})
                               << QByteArray("41c3a9e4b8adf09f9880");
    }

    void encode()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        const QByteArray bytes = QByteArray::fromHex(expected);
        const int length = int(text.size());

        QCOMPARE(EncodeUtf8(data(text), length, nullptr, 0), int(bytes.size()));

        QByteArray buffer(bytes.size() + 4, '\xAA');
        QCOMPARE(EncodeUtf8(data(text), length, buffer.data(), int(buffer.size())), int(bytes.size()));
        QCOMPARE(buffer.left(bytes.size()).toHex(), expected);
        QCOMPARE(buffer.mid(bytes.size()), QByteArray(4, '\xAA'));

        QCOMPARE(EncodeUtf8(text).toHex(), expected);
    }

    void encode_agreesWithQtForValidText()
    {
        const QString text = QString::fromUtf8("Caf\u00e9 \u4e2d\u6587 \U0001F600 \u2013 end");
        QCOMPARE(EncodeUtf8(text), text.toUtf8());
    }

    void bufferTooSmall_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("written"); // hex of what fitted before stopping

        QTest::newRow("two-byte sequence split") << units({0x41, 0xE9}) << 2 << QByteArray("41");
        QTest::newRow("three-byte sequence split") << units({0x4E2D}) << 2 << QByteArray();
        QTest::newRow("four-byte sequence split") << units({0x41, 0xD83D, 0xDE00}) << 4 << QByteArray("41");
        QTest::newRow("one byte short of ASCII") << "abc" << 2 << QByteArray("6162");
    }

    void bufferTooSmall()
    {
        QFETCH(QString, text);
        QFETCH(int, size);
        QFETCH(QByteArray, written);

        QByteArray buffer(size + 2, '\xAA');
        QCOMPARE(EncodeUtf8(data(text), int(text.size()), buffer.data(), size), 0);
        // Whole sequences only: nothing past the last one that fitted.
        QCOMPARE(buffer.left(written.size() / 2).toHex(), written);
        QCOMPARE(buffer.mid(written.size() / 2), QByteArray(buffer.size() - written.size() / 2, '\xAA'));
    }

    void exactFitAndLengthLimit()
    {
        const QString text = units({0x41, 0xD83D, 0xDE00, 0x42});
        QByteArray buffer(5, '\0');
        QCOMPARE(EncodeUtf8(data(text), 3, buffer.data(), 5), 5);
        QCOMPARE(buffer.toHex(), QByteArray("41f09f9880"));
        // A length that cuts a pair leaves a lone high surrogate.
        QCOMPARE(EncodeUtf8(data(text), 2, nullptr, 0), 4);
    }
};

QTEST_GUILESS_MAIN(EncodeUtf8Test)
#include "encodeutf8_test.moc"
