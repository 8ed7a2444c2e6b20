#include "scan/barcodescanner.h"

#include "barcodepictures.h"

#include <QSemaphore>
#include <QTemporaryDir>
#include <QtTest>

using namespace BarcodePictures;

namespace {

QImage bookFrame(const std::string &ean)
{
    Placement code;
    code.modules = Encode(ZXing::BarcodeFormat::EAN13, ean);
    code.centre = QPointF(640, 360);
    return Scene(QSize(1280, 720), {code});
}

} // namespace

class BarcodeScannerTest : public QObject
{
    Q_OBJECT

private slots:
    void readsFramesOnTheWorkerAndDropsThemWhileBusy();
    void readsEveryPictureInOrder();
    void destroyingWhilePicturesWaitDoesNotHang();
};

void BarcodeScannerTest::readsFramesOnTheWorkerAndDropsThemWhileBusy()
{
    CBarcodeScanner scanner;
    QSignalSpy scanned(&scanner, &CBarcodeScanner::frameScanned);
    QSemaphore started, release;
    QThread *readingThread = nullptr;
    const QImage frame = bookFrame("9780596000271");

    // The first frame holds the worker until the test lets it go.
    QVERIFY(scanner.offerFrame([&] {
        readingThread = QThread::currentThread();
        started.release();
        release.acquire();
        return frame;
    }));
    started.acquire();
    for (int i = 0; i < 5; ++i)
        QVERIFY(!scanner.offerFrame(frame));
    QCOMPARE(scanner.framesDropped(), 5);
    release.release();

    QVERIFY(scanned.wait(5000));
    QVERIFY(readingThread != nullptr && readingThread != QThread::currentThread());
    const auto codes = scanned.at(0).at(0).value<QVector<CBarcodeIsbn>>();
    QCOMPARE(codes.size(), 1);
    QCOMPARE(codes[0].isbn, QStringLiteral("0596000278"));

    // The worker frees itself before it sends the results: idle again.
    QVERIFY(scanner.offerFrame(bookFrame("9791032305690")));
    QTRY_COMPARE_WITH_TIMEOUT(scanned.size(), 2, 5000);
    QCOMPARE(scanned.at(1).at(0).value<QVector<CBarcodeIsbn>>().value(0).isbn,
             QStringLiteral("9791032305690"));
    QCOMPARE(scanner.framesRead(), 2);
}

void BarcodeScannerTest::readsEveryPictureInOrder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // Photo names in any language.
    const QString book = dir.filePath(QStringLiteral("Libro de cocina é.png"));
    const QString plain = dir.filePath(QStringLiteral("Фото без кода.jpg"));
    const QString notPicture = dir.filePath(QStringLiteral("βιβλίο 书.png"));
    const QString missing = dir.filePath(QStringLiteral("gone.png"));
    QVERIFY(bookFrame("9780596000271").save(book));
    QImage blank(800, 600, QImage::Format_RGB32);
    blank.fill(QColor(230, 220, 200));
    QVERIFY(blank.save(plain, "JPG"));
    QFile junk(notPicture);
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();

    CBarcodeScanner scanner;
    QSignalSpy scanned(&scanner, &CBarcodeScanner::pictureScanned);
    scanner.scanPictures({book, plain, notPicture, missing});
    QTRY_COMPARE_WITH_TIMEOUT(scanned.size(), 4, 10000);

    QCOMPARE(scanned.at(0).at(0).toString(), book);
    QCOMPARE(scanned.at(0).at(1).value<QVector<CBarcodeIsbn>>().value(0).isbn, QStringLiteral("0596000278"));
    QVERIFY(scanned.at(0).at(2).toBool());
    QCOMPARE(scanned.at(1).at(0).toString(), plain);
    QVERIFY(scanned.at(1).at(1).value<QVector<CBarcodeIsbn>>().isEmpty());
    QVERIFY(scanned.at(1).at(2).toBool());
    QCOMPARE(scanned.at(2).at(0).toString(), notPicture);
    QVERIFY(!scanned.at(2).at(2).toBool());
    QCOMPARE(scanned.at(3).at(0).toString(), missing);
    QVERIFY(!scanned.at(3).at(2).toBool());
}

void BarcodeScannerTest::destroyingWhilePicturesWaitDoesNotHang()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.png"));
    QVERIFY(bookFrame("9780596000271").save(path));
    QElapsedTimer timer;
    timer.start();
    {
        CBarcodeScanner scanner;
        scanner.scanPictures(QStringList(50, path));
    }
    // The waiting pictures are skipped, not read.
    QVERIFY(timer.elapsed() < 3000);
}

QTEST_GUILESS_MAIN(BarcodeScannerTest)
#include "barcodescanner_test.moc"
