#include "widgets/toolbarimageset.h"
#include "widgets/toolbarstrip.h"

#include <QTest>

class ToolbarImageSetTest : public QObject
{
    Q_OBJECT

private slots:
    void pixelFormulas_data()
    {
        QTest::addColumn<QRgb>("source");
        QTest::addColumn<QRgb>("disabled");
        QTest::addColumn<QRgb>("hot");
        QTest::newRow("mid grey") << qRgb(128, 128, 128) << qRgb(180, 180, 180) << qRgb(97, 97, 97);
        QTest::newRow("192 in one channel") << qRgb(192, 0, 0) << qRgb(120, 120, 120) << qRgb(171, 0, 0);
        QTest::newRow("white") << qRgb(255, 255, 255) << qRgb(255, 255, 255) << qRgb(255, 255, 255);
        QTest::newRow("black") << qRgb(0, 0, 0) << qRgb(0, 0, 0) << qRgb(0, 0, 0);
    }
    void pixelFormulas()
    {
        QFETCH(QRgb, source);
        QFETCH(QRgb, disabled);
        QFETCH(QRgb, hot);
        QCOMPARE(CToolbarImageSet::disabledPixel(source), disabled);
        QCOMPARE(CToolbarImageSet::hotPixel(source), hot);
    }

    void alpha_isKept()
    {
        QCOMPARE(qAlpha(CToolbarImageSet::disabledPixel(qRgba(128, 128, 128, 77))), 77);
        QCOMPARE(qAlpha(CToolbarImageSet::hotPixel(qRgba(10, 20, 30, 200))), 200);
    }

    void maskColour_staysTransparentInAllThreeImages()
    {
        QImage strip(32, 16, QImage::Format_RGB32);
        strip.fill(CToolbarImageSet::kMaskColour);
        strip.setPixel(3, 4, qRgb(128, 128, 128));
        CToolbarImageSet set;
        QVERIFY(set.Create(16, 16, true, 2));
        QVERIFY(set.Load(strip));
        QCOMPARE(set.count(), 2);
        QCOMPARE(set.depth(), 24);
        for (auto state : {CToolbarImageSet::Normal, CToolbarImageSet::Hot, CToolbarImageSet::Disabled}) {
            const QImage img = set.image(state, 0);
            QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(img.pixel(3, 4)), 255);
        }
        QCOMPARE(set.image(CToolbarImageSet::Disabled, 0).pixel(3, 4), qRgb(180, 180, 180));
        QCOMPARE(set.image(CToolbarImageSet::Hot, 0).pixel(3, 4), qRgb(97, 97, 97));
    }

    void thirtyTwoBitStrip_keepsItsAlpha()
    {
        QImage strip(16, 16, QImage::Format_ARGB32);
        strip.fill(qRgba(192, 192, 192, 255)); // not a mask at 32 bits
        strip.setPixel(1, 1, qRgba(0, 0, 0, 0));
        CToolbarImageSet set;
        QVERIFY(set.Create(16, 16, true, 1));
        QVERIFY(set.Load(strip));
        QCOMPARE(set.depth(), 32);
        QCOMPARE(qAlpha(set.image(CToolbarImageSet::Normal, 0).pixel(0, 0)), 255);
        QCOMPARE(qAlpha(set.image(CToolbarImageSet::Normal, 0).pixel(1, 1)), 0);
    }

    void load_withoutCreate_fails()
    {
        CToolbarImageSet set;
        QVERIFY(!set.Load(QImage(16, 16, QImage::Format_RGB32)));
    }

    void mainStrip_hasOneImagePerButton()
    {
        int buttons = 0;
        for (int id : MainToolbarCommands())
            buttons += id != 0;
        const QImage strip = DrawMainToolbarStrip();
        QCOMPARE(strip.width(), 16 * buttons);
        QCOMPARE(strip.height(), 16);
        // Every image draws something and leaves a transparent border.
        for (int i = 0; i < buttons; ++i) {
            int opaque = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    opaque += (strip.pixel(16 * i + x, y) | 0xFF000000) != CToolbarImageSet::kMaskColour;
            QVERIFY2(opaque > 20, qPrintable(QString("image %1 is nearly empty").arg(i)));
        }
    }
};

QTEST_MAIN(ToolbarImageSetTest)
#include "toolbarimageset_test.moc"
