#include "gifwriter.h"
#include "online/giflayout.h"

#include <QTest>

class GifLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void framesWithTheirDelaysAndDisposals()
    {
        GifWriter gif(20, 30);
        gif.loop();
        gif.add({0, 0, 20, 30, {}, 0, 1});
        gif.add({2, 3, 4, 5, {}, 3, 2, true});
        gif.add({5, 6, 7, 8, {}, 50, 3});
        gif.add({1, 1, 2, 2, {}, -1, 0});
        const CGifLayout layout = CGifLayout::Read(gif.bytes());
        QVERIFY(layout.isGif);
        QCOMPARE(layout.screenWidth, 20);
        QCOMPARE(layout.screenHeight, 30);
        QCOMPARE(layout.frames.size(), 4);
        QCOMPARE(layout.frames.at(0).delay, 0);
        QCOMPARE(layout.frames.at(0).disposal, 1);
        QCOMPARE(layout.frames.at(1).delay, 3);
        QCOMPARE(layout.frames.at(1).disposal, 2);
        QCOMPARE(layout.frames.at(1).left, 2);
        QCOMPARE(layout.frames.at(1).top, 3);
        QCOMPARE(layout.frames.at(1).width, 4);
        QCOMPARE(layout.frames.at(1).height, 5);
        QCOMPARE(layout.frames.at(2).delay, 50);
        QCOMPARE(layout.frames.at(2).disposal, 3);
        // A frame without a control extension does not inherit the one before.
        QCOMPARE(layout.frames.at(3).delay, -1);
        QCOMPARE(layout.frames.at(3).disposal, 0);
    }

    void delayRule_data()
    {
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("ms");
        QTest::newRow("none") << -1 << 100;
        QTest::newRow("0") << 0 << 100;
        QTest::newRow("3") << 3 << 100;
        QTest::newRow("4") << 4 << 100;
        QTest::newRow("5") << 5 << 50;
        QTest::newRow("50") << 50 << 500;
        QTest::newRow("largest") << 65535 << 655350;
    }
    void delayRule()
    {
        QFETCH(int, delay);
        QFETCH(int, ms);
        CGifFrameInfo frame;
        frame.delay = delay;
        QCOMPARE(GifFrameDelayMs(frame), ms);
    }

    void brokenData_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("isGif");
        QTest::addColumn<int>("frames");
        GifWriter two(4, 4);
        two.add({0, 0, 4, 4, {}, 10, 0}).add({0, 0, 4, 4, {}, 10, 0});
        const QByteArray full = two.bytes();
        QTest::newRow("not a GIF") << QByteArray("\x89PNG\r\n\x1a\n", 8) << false << 0;
        QTest::newRow("header only") << QByteArray("GIF89a") << false << 0;
        QTest::newRow("no image block") << GifWriter(4, 4).bytes() << true << 0;
        QTest::newRow("comment only")
            << QByteArray(GifWriter(4, 4).unterminated() + "\x21\xfe\x02hi\x00;") << true << 0;
        QTest::newRow("second frame cut") << full.left(full.size() - 6) << true << 1;
        QTest::newRow("no trailer") << two.unterminated() << true << 2;
        QTest::newRow("garbage after first frame")
            << QByteArray(GifWriter(4, 4).add({0, 0, 4, 4, {}, 10, 0}).unterminated() + "\x99\x2c\x00")
            << true << 1;
        QByteArray table = GifWriter(4, 4).bytes();
        table[10] = char(0x87); // a global table of 256 colours that is not there
        QTest::newRow("colour table past the end") << table << true << 0;
    }
    void brokenData()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, isGif);
        QFETCH(int, frames);
        const CGifLayout layout = CGifLayout::Read(data);
        QCOMPARE(layout.isGif, isGif);
        QCOMPARE(layout.frames.size(), frames);
    }

    void everyTruncationAndCorruption_isReadSafely()
    {
        GifWriter gif(9, 7);
        gif.loop();
        gif.add({0, 0, 9, 7, QVector<int>(63, 1), 10, 2, true});
        gif.add({1, 1, 3, 3, QVector<int>(9, 2), 0, 3});
        const QByteArray full = gif.bytes();
        for (qsizetype size = 0; size <= full.size(); ++size) {
            const CGifLayout layout = CGifLayout::Read(full.left(size));
            QVERIFY(layout.frames.size() <= 2);
        }
        // Every byte set to each of a few values that mean something to the walk.
        for (qsizetype at = 0; at < full.size(); ++at) {
            for (char value : {'\x00', '\x21', '\x2c', '\x3b', '\xf9', '\xff'}) {
                QByteArray bent = full;
                bent[at] = value;
                const CGifLayout layout = CGifLayout::Read(bent);
                for (const CGifFrameInfo &frame : layout.frames)
                    QVERIFY(frame.disposal >= 0 && frame.disposal <= 7);
            }
        }
    }

    void screenSizeUpToSixteenBits()
    {
        GifWriter gif(65535, 40000);
        gif.add({0, 0, 1, 1, {}, -1, 0});
        const CGifLayout layout = CGifLayout::Read(gif.bytes());
        QCOMPARE(layout.screenWidth, 65535);
        QCOMPARE(layout.screenHeight, 40000);
        QCOMPARE(layout.frames.size(), 1);
    }
};

QTEST_APPLESS_MAIN(GifLayoutTest)
#include "giflayout_test.moc"
