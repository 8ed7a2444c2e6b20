// Pictures the cover control could never show are recognised from their
// headers, without decoding them.
#include "online/picturecheck.h"
#include "picturebytes.h"

#include <QTest>

class PictureCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void declaredSizes_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("width"); // 0: not read
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("frames");
        QTest::addColumn<bool>("shown");

        QTest::newRow("tiny png") << TinyPng() << 1 << 1 << 1 << true;
        QTest::newRow("png 4096 x 8192, at the limit") << PngDeclaring(4096, 8192) << 4096 << 8192 << 1 << true;
        QTest::newRow("png 4097 x 8192") << PngDeclaring(4097, 8192) << 4097 << 8192 << 1 << false;
        QTest::newRow("png 30000 x 30000") << PngDeclaring(30000, 30000) << 30000 << 30000 << 1 << false;
        QTest::newRow("png 0 x 10") << PngDeclaring(0, 10) << 0 << 10 << 1 << false;
        QTest::newRow("png cut in its header") << TinyPng().left(20) << 0 << 0 << 0 << false;
        QTest::newRow("jpeg 600 x 900") << JpegDeclaring(600, 900) << 600 << 900 << 1 << true;
        QTest::newRow("jpeg 65000 x 65000") << JpegDeclaring(65000, 65000) << 65000 << 65000 << 1 << false;
        QTest::newRow("jpeg without a frame header") << QByteArray("\xFF\xD8\xFF\xD9", 4) << 0 << 0 << 0 << false;
        QTest::newRow("webp 400 x 600") << WebpDeclaring(400, 600) << 400 << 600 << 1 << true;
        QTest::newRow("webp 16000 x 16000") << WebpDeclaring(16000, 16000) << 16000 << 16000 << 1 << false;
        QTest::newRow("gif of 3 frames") << GifOfFrames(3) << 1 << 1 << 3 << true;
        QTest::newRow("gif of 500 frames") << GifOfFrames(500) << 1 << 1 << 500 << true;
        QTest::newRow("gif of 501 frames") << GifOfFrames(501) << 1 << 1 << 501 << false;
        QTest::newRow("gif of 100000 frames") << GifOfFrames(100000) << 1 << 1 << 100000 << false;
        QTest::newRow("gif screen 30000 x 30000") << GifOfFrames(1, 30000, 30000) << 30000 << 30000 << 1 << false;
        QTest::newRow("gif without frames") << GifOfFrames(0) << 1 << 1 << 0 << false;
        QTest::newRow("text") << QByteArray("just some text, no picture") << 0 << 0 << 0 << false;
    }

    void declaredSizes()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, frames);
        QFETCH(bool, shown);
        CPictureSize size;
        const bool read = ReadPictureSize(data, size);
        if (read || width > 0) {
            QVERIFY(read);
            QCOMPARE(size.width, width);
            QCOMPARE(size.height, height);
            QCOMPARE(size.frames, frames);
        }
        QCOMPARE(PictureCanBeShown(data), shown);
    }
};

QTEST_GUILESS_MAIN(PictureCheckTest)
#include "picturecheck_test.moc"
