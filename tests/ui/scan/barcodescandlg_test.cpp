#include "findcontrol.h"
#include "scan/barcodescandlg.h"
#include "scan/barcodescanner.h"

#include "barcodepictures.h"
#include "testsettings.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QVideoFrame>
#include <QVideoSink>

#include <atomic>

using namespace BarcodePictures;

namespace {

QImage frameOf(const std::vector<std::string> &eans)
{
    std::vector<Placement> codes;
    for (size_t i = 0; i < eans.size(); ++i) {
        Placement code;
        code.modules = Encode(ZXing::BarcodeFormat::EAN13, eans[i]);
        code.centre = QPointF(330 + 620 * double(i), 360);
        code.degrees = 4;
        codes.push_back(code);
    }
    return Noisy(Scene(QSize(1280, 720), codes), 10);
}

// A camera frame as a capture session delivers it.
QVideoFrame videoFrame(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    QVideoFrame frame(
        QVideoFrameFormat(image.size(), QVideoFrameFormat::pixelFormatFromImageFormat(image.format())));
    if (!frame.map(QVideoFrame::WriteOnly))
        qFatal("cannot map a video frame");
    for (int y = 0; y < image.height(); ++y)
        memcpy(frame.bits(0) + y * frame.bytesPerLine(0), image.constScanLine(y), size_t(image.width()) * 4);
    frame.unmap();
    return frame;
}

// Plays the camera: sends the frame again and again from its own thread, as
// a real camera does (faster than a frame can be read), until stopped.
class FakeCamera
{
public:
    FakeCamera(QVideoSink *sink, const QImage &picture) : m_frames{videoFrame(picture), videoFrame(picture)}
    {
        // Two frames in turn: a sink ignores a frame it already shows.
        m_thread.reset(QThread::create([this, sink] {
            for (int i = 0; !m_stop; ++i) {
                sink->setVideoFrame(m_frames[i % 2]);
                QThread::msleep(2);
            }
        }));
        m_thread->start();
    }
    ~FakeCamera()
    {
        m_stop = true;
        m_thread->wait();
    }

private:
    QVideoFrame m_frames[2];
    std::atomic<bool> m_stop{false};
    std::unique_ptr<QThread> m_thread;
};

QStringList listTexts(QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

const QString kBookA = QStringLiteral("0596000278"); // 9780596000271
const QString kBookB = QStringLiteral("9791032305690");

} // namespace

class BarcodeScanDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_settings = std::make_unique<TestSettings>(); }
    void cleanup() { m_settings.reset(); }

    void withoutCameraSaysSoAndOffersPictures();
    void cameraFramesAddEachIsbnOnceWithFlash();
    void refusedBarcodeIsExplainedNotListed();
    void removedIsbnIsNotAddedAgain();
    void picturesListFoundIsbnsAndNamePicturesWithout();
    void closingWhileTheCameraRunsIsSafe();

private:
    std::unique_ptr<TestSettings> m_settings;
};

void BarcodeScanDlgTest::withoutCameraSaysSoAndOffersPictures()
{
    CBarcodeScanDlg dialog(CBarcodeScanDlg::Source::Camera);
    if (dialog.hasCamera())
        QSKIP("this machine has a camera");
    dialog.show();
    auto *stack = FindControl<QStackedWidget>(&dialog, "stackSource");
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("pageNoCamera"));
    QVERIFY(FindControl<QLabel>(&dialog, "labelNoCamera")->isVisible());
    QVERIFY(FindControl<QLabel>(&dialog, "labelNoCamera")
                ->text()
                .startsWith(QStringLiteral("No camera was found.")));

    QTemporaryDir dir;
    const QString photo = dir.filePath(QStringLiteral("书.png"));
    QVERIFY(frameOf({"9780596000271"}).save(photo));
    QString filter;
    dialog.setOpenPicturesDialog([&](QWidget *, const QString &f) {
        filter = f;
        return QStringList{photo};
    });
    QSignalSpy done(&dialog, &CBarcodeScanDlg::pictureDone);
    auto *scanPictures = FindControl<QPushButton>(&dialog, "buttonScanPictures");
    QVERIFY(scanPictures->isVisible());
    scanPictures->click();
    QVERIFY(done.wait(10000));
    QVERIFY(filter.contains(QStringLiteral("*.png")) && filter.contains(QStringLiteral("*.jpg")));
    QCOMPARE(dialog.isbns(), QStringList{kBookA});
}

void BarcodeScanDlgTest::cameraFramesAddEachIsbnOnceWithFlash()
{
    CBarcodeScanDlg dialog(CBarcodeScanDlg::Source::Camera);
    dialog.show();
    QSignalSpy added(&dialog, &CBarcodeScanDlg::isbnAdded);
    {
        FakeCamera camera(dialog.videoSink(), frameOf({"9780596000271"}));
        QVERIFY(added.wait(10000));
        QVERIFY(dialog.isFlashing());
        // The same book stays in view for many more frames.
        QTest::qWait(300);
    }
    QCOMPARE(added.size(), 1);
    // Frames came faster than they could be read: some were dropped.
    QVERIFY(dialog.scanner()->framesDropped() > 0);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isFlashing(), 2000);
    {
        FakeCamera camera(dialog.videoSink(), frameOf({"9780596000271", "9791032305690"}));
        QTRY_COMPARE_WITH_TIMEOUT(added.size(), 2, 10000);
        QTest::qWait(200);
    }
    QCOMPARE(added.size(), 2);
    QCOMPARE(dialog.isbns(), (QStringList{kBookA, kBookB}));
    QCOMPARE(listTexts(FindControl<QListWidget>(&dialog, "listIsbns")), (QStringList{kBookA, kBookB}));
}

void BarcodeScanDlgTest::refusedBarcodeIsExplainedNotListed()
{
    CBarcodeScanDlg dialog(CBarcodeScanDlg::Source::Camera);
    dialog.show();
    auto *status = FindControl<QLabel>(&dialog, "labelStatus");
    QSignalSpy added(&dialog, &CBarcodeScanDlg::isbnAdded);
    FakeCamera camera(dialog.videoSink(), frameOf({"9771234567003"}));
    QTRY_VERIFY_WITH_TIMEOUT(status->text().contains(QStringLiteral("ISSN")), 10000);
    QVERIFY(status->text().contains(QStringLiteral("9771234567003")));
    QCOMPARE(added.size(), 0);
    QVERIFY(dialog.isbns().isEmpty());
    QVERIFY(!dialog.isFlashing());
}

void BarcodeScanDlgTest::removedIsbnIsNotAddedAgain()
{
    CBarcodeScanDlg dialog(CBarcodeScanDlg::Source::Camera);
    dialog.show();
    QSignalSpy added(&dialog, &CBarcodeScanDlg::isbnAdded);
    FakeCamera camera(dialog.videoSink(), frameOf({"9780596000271", "9791032305690"}));
    QTRY_COMPARE_WITH_TIMEOUT(added.size(), 2, 10000);

    auto *list = FindControl<QListWidget>(&dialog, "listIsbns");
    list->item(dialog.isbns().indexOf(kBookA))->setSelected(true);
    FindControl<QPushButton>(&dialog, "buttonRemove")->click();
    QCOMPARE(dialog.isbns(), QStringList{kBookB});
    // Still in front of the camera: not listed again in this scan.
    QTest::qWait(300);
    QCOMPARE(dialog.isbns(), QStringList{kBookB});
}

void BarcodeScanDlgTest::picturesListFoundIsbnsAndNamePicturesWithout()
{
    QTemporaryDir dir;
    const QString twoBooks = dir.filePath(QStringLiteral("Étagère.jpg"));
    const QString nothing = dir.filePath(QStringLiteral("Фото.png"));
    const QString magazine = dir.filePath(QStringLiteral("περιοδικό.png"));
    const QString again = dir.filePath(QStringLiteral("again.png"));
    QVERIFY(frameOf({"9780596000271", "9791032305690"}).save(twoBooks, "JPG", 95));
    QVERIFY(Scene(QSize(640, 480), {}).save(nothing));
    QVERIFY(frameOf({"9771234567003"}).save(magazine));
    QVERIFY(frameOf({"9780596000271"}).save(again));

    CBarcodeScanDlg dialog(CBarcodeScanDlg::Source::Pictures);
    dialog.setOpenPicturesDialog([&](QWidget *, const QString &) {
        return QStringList{twoBooks, nothing, magazine, again};
    });
    dialog.show();
    QVERIFY(!FindControl<QStackedWidget>(&dialog, "stackSource")->isVisible());
    QSignalSpy done(&dialog, &CBarcodeScanDlg::pictureDone);
    QVERIFY(dialog.OnAddPictures());
    QTRY_COMPARE_WITH_TIMEOUT(done.size(), 4, 20000);

    QCOMPARE(dialog.isbns(), (QStringList{kBookA, kBookB}));
    const QStringList texts = listTexts(FindControl<QListWidget>(&dialog, "listIsbns"));
    QCOMPARE(texts.size(), 4);
    QCOMPARE(texts.at(2), QStringLiteral("Фото.png: No ISBN barcode found"));
    QVERIFY(texts.at(3).startsWith(QStringLiteral("περιοδικό.png: No ISBN barcode found")));
    QVERIFY(texts.at(3).contains(QStringLiteral("ISSN")));
    QVERIFY(!dialog.isFlashing());

    // A file that is no picture (or a HEIC photo without a reader) is named.
    const QString junk = dir.filePath(QStringLiteral("notes.txt"));
    QFile file(junk);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("0596000278") > 0);
    file.close();
    dialog.scanPictures({junk});
    QTRY_COMPARE_WITH_TIMEOUT(done.size(), 5, 10000);
    QCOMPARE(listTexts(FindControl<QListWidget>(&dialog, "listIsbns")).value(4),
             QStringLiteral("notes.txt: Cannot read this picture"));
    QVERIFY(!dialog.isReadingPictures());

    // Cancelling the file dialog reads nothing more.
    dialog.setOpenPicturesDialog([](QWidget *, const QString &) { return QStringList(); });
    QVERIFY(!dialog.OnAddPictures());
}

void BarcodeScanDlgTest::closingWhileTheCameraRunsIsSafe()
{
    auto dialog = std::make_unique<CBarcodeScanDlg>(CBarcodeScanDlg::Source::Camera);
    dialog->show();
    QSignalSpy added(dialog.get(), &CBarcodeScanDlg::isbnAdded);
    // Closed while the worker still reads a frame: the window waits for it
    // and its result is not delivered to a window that is gone.
    dialog->videoSink()->setVideoFrame(videoFrame(frameOf({"9780596000271"})));
    dialog.reset();
    QTest::qWait(100);
    QCOMPARE(added.size(), 0);
}

QTEST_MAIN(BarcodeScanDlgTest)
#include "barcodescandlg_test.moc"
