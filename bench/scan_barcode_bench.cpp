// Reading one 1280x720 camera frame, with a book barcode on it and without
// one (the common case while the user moves the next book into view, and
// the slowest: every fallback is tried). Target: under 30 ms a frame, so
// the scanner keeps up with the camera.
// As a reference, zxing-cpp's own ReadBarcode with its default hints on the
// same picture; the ratio says what our extra passes cost.
#define ZX_USE_UTF8
#include "barcodepictures.h"
#include "benchmain.h"
#include "scan/barcodereader.h"

#include <ZXing/ReadBarcode.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

using namespace BarcodePictures;

QImage frameWithBook()
{
    Placement code;
    code.modules = Encode(ZXing::BarcodeFormat::EAN13, "9780596000271");
    code.centre = QPointF(600, 380);
    code.degrees = 7;
    return Noisy(Blurred(Scene(QSize(1280, 720), {code}), 2), 15);
}

QImage frameWithoutBook()
{
    return Noisy(Scene(QSize(1280, 720), {}), 15);
}

double oursMs(const QImage &frame, int runs, bool expectIsbn)
{
    const CBarcodeReader reader(CBarcodeReader::Effort::Frame);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        if (reader.read(frame).isEmpty() == expectIsbn)
            std::printf("unexpected result\n");
    return double(timer.nsecsElapsed()) / 1e6 / runs;
}

double zxingMs(const QImage &frame, int runs)
{
    const QImage rgb = frame.convertToFormat(QImage::Format_RGB32);
    const ZXing::ImageView view(rgb.constBits(), rgb.width(), rgb.height(), ZXing::ImageFormat::BGRX,
                                int(rgb.bytesPerLine()));
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        benchmark::DoNotOptimize(ZXing::ReadBarcode(view));
    return double(timer.nsecsElapsed()) / 1e6 / runs;
}

void report(const char *what, const QImage &frame, bool expectIsbn, benchmark::State &state)
{
    double ours = 0, reference = 0;
    int runs = 0;
    for (auto _ : state) {
        ours += oursMs(frame, 10, expectIsbn);
        reference += zxingMs(frame, 10);
        ++runs;
    }
    ours /= runs;
    reference /= runs;
    state.counters["ours_ms"] = ours;
    state.counters["zxing_ms"] = reference;
    std::printf(
        "1280x720 frame %s: ours %.1f ms, zxing-cpp ReadBarcode (default hints) %.1f ms, ratio %.2f\n", what,
        ours, reference, ours / reference);
}

void BM_Scan_FrameWithBarcode(benchmark::State &state)
{
    report("with a barcode", frameWithBook(), true, state);
}
BENCHMARK(BM_Scan_FrameWithBarcode)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_Scan_FrameWithoutBarcode(benchmark::State &state)
{
    report("without a barcode", frameWithoutBook(), false, state);
}
BENCHMARK(BM_Scan_FrameWithoutBarcode)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksWithApp<QCoreApplication>(argc, argv);
}
