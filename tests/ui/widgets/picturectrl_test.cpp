#include "app/strings.h"
#include "edit/bookcoverspage.h"
#include "gifwriter.h"
#include "online/picturecheck.h"
#include "picturebytes.h"
#include "widgets/opendlgex.h"
#include "widgets/picturectrl.h"

#include <QBuffer>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray png(int width, int height, QColor colour = Qt::darkRed)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// 4 x 4 frames: the whole screen red, then a green 2 x 2 square at (2, 2)
// with a disposal, then a blue 1 x 1 dot at (0, 0).
QByteArray disposalGif(int disposal)
{
    GifWriter gif(4, 4);
    gif.loop();
    gif.add({0, 0, 4, 4, QVector<int>(16, 1), 10, 1});
    gif.add({2, 2, 2, 2, QVector<int>(4, 2), 10, disposal});
    gif.add({0, 0, 1, 1, {3}, 10, 1});
    return gif.bytes();
}

} // namespace

class PictureCtrlTest : public QObject
{
    Q_OBJECT

private slots:
    void stillPicture_fitsTheFrameKeepingItsAspect_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("tall picture, wide area")
            << QSize(100, 200) << QRect(0, 0, 300, 100) << QRect(125, 0, 50, 100);
        QTest::newRow("wide picture, tall area")
            << QSize(400, 100) << QRect(10, 10, 200, 200) << QRect(10, 85, 200, 50);
        QTest::newRow("small picture grows")
            << QSize(15, 21) << QRect(0, 0, 150, 210) << QRect(0, 0, 150, 210);
        QTest::newRow("huge picture shrinks")
            << QSize(3000, 4300) << QRect(0, 0, 150, 215) << QRect(0, 0, 150, 215);
    }
    void stillPicture_fitsTheFrameKeepingItsAspect()
    {
        QFETCH(QSize, picture);
        QFETCH(QRect, area);
        QFETCH(QRect, expected);
        CPictureCtrl ctrl;
        ctrl.resize(320, 240);
        QVERIFY(ctrl.LoadFromMemory(png(picture.width(), picture.height())));
        QCOMPARE(ctrl.pictureSize(), picture);
        ctrl.SetDrawingRect(area);
        QVERIFY(ctrl.pictureRect().isEmpty()); // nothing shows before Draw
        QVERIFY(ctrl.Draw());
        QCOMPARE(ctrl.pictureRect(), expected);
        // The control keeps its own size whatever the picture's.
        QCOMPARE(ctrl.size(), QSize(320, 240));
        QVERIFY(!ctrl.isPlaying());

        // Painted: the picture's colour in the middle of where it goes.
        ctrl.show();
        const QImage shot = ctrl.grab().toImage();
        QCOMPARE(shot.pixelColor(expected.center()), QColor(Qt::darkRed));
    }

    void withoutDrawingRect_fillsTheInsideOfTheFrame()
    {
        CPictureCtrl ctrl;
        ctrl.setFrameShape(QFrame::Box);
        ctrl.setLineWidth(2);
        ctrl.resize(104, 104);
        QVERIFY(ctrl.LoadFromMemory(png(50, 50)));
        QVERIFY(ctrl.Draw());
        QCOMPARE(ctrl.pictureRect(), QRect(2, 2, 100, 100));
    }

    void badData_isRefused_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("not a picture at all");
        QTest::newRow("GIF without image") << GifWriter(10, 10).bytes();
        QTest::newRow("GIF header only") << QByteArray("GIF89a");
        QTest::newRow("PNG cut short") << png(40, 40).left(40);
        GifWriter huge(60000, 60000);
        huge.add({0, 0, 1, 1, {1}, 10, 0}).add({0, 0, 1, 1, {2}, 10, 0});
        QTest::newRow("animation on a huge screen") << huge.bytes();
        GifWriter hugeStill(60000, 60000);
        hugeStill.add({0, 0, 1, 1, {1}, -1, 0});
        QTest::newRow("still GIF on a huge screen") << hugeStill.bytes();
        GifWriter many(2, 2);
        for (int i = 0; i <= CPictureCtrl::kMaxFrames; ++i)
            many.add({0, 0, 1, 1, {i % 4}, 1, 0});
        QTest::newRow("more than 500 frames") << many.bytes();
    }
    void badData_isRefused()
    {
        QFETCH(QByteArray, data);
        CPictureCtrl ctrl;
        QVERIFY(ctrl.LoadFromMemory(png(10, 10)));
        QVERIFY(!ctrl.LoadFromMemory(data));
        QVERIFY(!ctrl.isLoaded());
        QVERIFY(!ctrl.Draw());
        QVERIFY(ctrl.pictureRect().isEmpty());
    }

    void exactlyFiveHundredFrames_play()
    {
        GifWriter many(2, 2);
        for (int i = 0; i < CPictureCtrl::kMaxFrames; ++i)
            many.add({0, 0, 1, 1, {i % 4}, 1, 0});
        CPictureCtrl ctrl;
        QVERIFY(ctrl.LoadFromMemory(many.bytes()));
        QCOMPARE(ctrl.frameCount(), CPictureCtrl::kMaxFrames);
    }

    void animation_followsTheFrameDelays()
    {
        GifWriter gif(8, 6);
        gif.loop();
        gif.add({0, 0, 8, 6, QVector<int>(48, 1), 0, 0});
        gif.add({0, 0, 8, 6, QVector<int>(48, 2), 3, 0});
        gif.add({0, 0, 8, 6, QVector<int>(48, 3), 50, 0});
        gif.add({0, 0, 8, 6, QVector<int>(48, 1), -1, 0});
        CPictureCtrl ctrl;
        ctrl.resize(80, 60);
        QVERIFY(ctrl.LoadFromMemory(gif.bytes()));
        QVERIFY(ctrl.isGif());
        QVERIFY(ctrl.isAnimated());
        QCOMPARE(ctrl.pictureSize(), QSize(8, 6));
        QCOMPARE(ctrl.frameDelaysMs(), QVector<int>({100, 100, 500, 100}));
        QVERIFY(!ctrl.isPlaying());
        QVERIFY(ctrl.Draw());
        QVERIFY(ctrl.isPlaying());
        QCOMPARE(ctrl.currentFrame(), 0);
        QCOMPARE(ctrl.currentDelayMs(), 100);
        QCOMPARE(ctrl.currentImage().pixelColor(1, 1), QColor(Qt::red));

        const QList<QColor> colours = {Qt::green, Qt::blue, Qt::red, Qt::red};
        const QList<int> delays = {100, 500, 100, 100};
        for (int step = 0; step < 4; ++step) {
            ctrl.AdvanceFrame();
            QCOMPARE(ctrl.currentFrame(), (step + 1) % 4);
            QCOMPARE(ctrl.currentDelayMs(), delays.at(step));
            QCOMPARE(ctrl.currentImage().pixelColor(1, 1), colours.at(step));
        }
        // The timer really drives it.
        QTRY_COMPARE_WITH_TIMEOUT(ctrl.currentFrame(), 1, 5000);

        // A second picture stops the animation first.
        QVERIFY(ctrl.LoadFromMemory(png(5, 5)));
        QVERIFY(!ctrl.isPlaying());
        QVERIFY(!ctrl.isAnimated());
        QVERIFY(ctrl.Draw());
        QVERIFY(!ctrl.isPlaying());
    }

    void animation_disposals_data()
    {
        QTest::addColumn<int>("disposal");
        QTest::addColumn<QColor>("square"); // the green square's place on frame 3
        QTest::newRow("none: the square stays") << 1 << QColor(Qt::green);
        QTest::newRow("restore to background") << 2 << QColor();
        QTest::newRow("restore previous") << 3 << QColor(Qt::red);
    }
    void animation_disposals()
    {
        QFETCH(int, disposal);
        QFETCH(QColor, square);
        CPictureCtrl ctrl;
        QVERIFY(ctrl.LoadFromMemory(disposalGif(disposal)));
        QVERIFY(ctrl.Draw());
        ctrl.AdvanceFrame();
        QCOMPARE(ctrl.currentImage().pixelColor(3, 3), QColor(Qt::green));
        QCOMPARE(ctrl.currentImage().pixelColor(1, 1), QColor(Qt::red));
        ctrl.AdvanceFrame();
        QCOMPARE(ctrl.currentImage().pixelColor(0, 0), QColor(Qt::blue));
        const QColor shown = ctrl.currentImage().pixelColor(3, 3);
        if (square.isValid())
            QCOMPARE(shown, square);
        else
            QVERIFY2(shown != QColor(Qt::green) && shown != QColor(Qt::red),
                     qPrintable(shown.name(QColor::HexArgb)));
        QCOMPARE(ctrl.currentImage().pixelColor(1, 1), QColor(Qt::red));
        // Round again: the first frame covers everything.
        ctrl.AdvanceFrame();
        QCOMPARE(ctrl.currentFrame(), 0);
        QCOMPARE(ctrl.currentImage().pixelColor(3, 3), QColor(Qt::red));
    }

    void singleFrameGif_isAStillPicture()
    {
        GifWriter gif(6, 9);
        gif.add({0, 0, 6, 9, QVector<int>(54, 3), 20, 0});
        CPictureCtrl ctrl;
        ctrl.resize(60, 60);
        QVERIFY(ctrl.LoadFromMemory(gif.bytes()));
        QVERIFY(ctrl.isGif());
        QVERIFY(!ctrl.isAnimated());
        QVERIFY(ctrl.Draw());
        QVERIFY(!ctrl.isPlaying());
        QCOMPARE(ctrl.pictureRect(), QRect(10, 0, 40, 60));
    }

    // The core refuses covers (downloaded, imported) by these same limits,
    // from the headers alone.
    void limits_sameAsTheCoreCheck_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("shown");
        QTest::newRow("small png") << TinyPng() << true;
        QTest::newRow("png of 30000 x 30000") << PngDeclaring(30000, 30000) << false;
        QTest::newRow("gif of 500 frames") << GifOfFrames(500) << true;
        QTest::newRow("gif of 501 frames") << GifOfFrames(501) << false;
        QTest::newRow("gif screen of 30000 x 30000") << GifOfFrames(1, 30000, 30000) << false;
    }

    void limits_sameAsTheCoreCheck()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, shown);
        QImageReader::setAllocationLimit(int(kMaxPictureBytes / (1024 * 1024))); // as the program does
        QCOMPARE(PictureCanBeShown(data), shown);
        CPictureCtrl ctrl;
        QCOMPARE(ctrl.LoadFromMemory(data), shown);
    }

    void filesAndThePlaceholder()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Обложка 封面.png");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(png(30, 40));
        file.close();
        CPictureCtrl ctrl;
        QVERIFY(ctrl.LoadFromFile(path));
        QCOMPARE(ctrl.pictureSize(), QSize(30, 40));
        QVERIFY(!ctrl.LoadFromFile(dir.filePath("missing.png")));
        QVERIFY(!ctrl.isLoaded());
        QVERIFY(!ctrl.LoadFromFile(QString()));

        // The built-in cover for books without one.
        QVERIFY(ctrl.LoadFromResource(CBookCoversPage::PlaceholderResource()));
        QVERIFY(ctrl.isGif());
        QCOMPARE(ctrl.pictureSize(), QSize(150, 215));
        QVERIFY(ctrl.Draw());
        QCOMPARE(ctrl.currentImage().pixelColor(75, 5), QColor(236, 233, 226));
    }

    void pictureChooser_previewsThePicture()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("cover.png");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(png(300, 600, Qt::darkBlue));
        file.close();
        COpenDlgEx dialog("All Pictures (*.jpg; *.png)|*.jpg;*.png|All Files (*)|*||");
        QCOMPARE(dialog.nameFilters(), QStringList({"All Pictures (*.jpg *.png)", "All Files (*)"}));
        QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFile);
        emit dialog.currentChanged(path);
        const QPixmap preview = dialog.preview();
        QVERIFY(!preview.isNull());
        QCOMPARE(preview.height(), 200);
        QCOMPARE(preview.width(), 100);
        emit dialog.currentChanged(dir.path());
        QVERIFY(dialog.preview().isNull());

        // The covers' filter: PNG pictures, both JPEG endings, and any file.
        COpenDlgEx covers(LoadStr(IDS_FILTER_PICTURES));
        QCOMPARE(covers.nameFilters(),
                 QStringList({"All Pictures (*.jpg *.jpeg *.gif *.bmp *.png)", "JPEG Files (*.jpg *.jpeg)",
                              "GIF Files (*.gif)", "Windows Bitmap (*.bmp)", "PNG Files (*.png)",
                              "All Files (*)"}));
    }
};

QTEST_MAIN(PictureCtrlTest)
#include "picturectrl_test.moc"
