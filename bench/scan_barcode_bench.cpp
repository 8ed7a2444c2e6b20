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
#include <ctime>

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

// CPU time of this thread: on a machine shared with other work, wall time
// also counts the time the reader waited for a core.
double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double oursMs(const QImage &frame, int runs, bool expectIsbn, double &cpuMs)
{
    const CBarcodeReader reader(CBarcodeReader::Effort::Frame);
    QElapsedTimer timer;
    const double cpuStart = threadCpuMs();
    timer.start();
    for (int i = 0; i < runs; ++i)
        if (reader.read(frame).isEmpty() == expectIsbn)
            std::printf("unexpected result\n");
    cpuMs += (threadCpuMs() - cpuStart) / runs;
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
    double ours = 0, oursCpu = 0, reference = 0;
    int runs = 0;
    for (auto _ : state) {
        ours += oursMs(frame, 10, expectIsbn, oursCpu);
        reference += zxingMs(frame, 10);
        ++runs;
    }
    ours /= runs;
    oursCpu /= runs;
    reference /= runs;
    state.counters["ours_ms"] = ours;
    state.counters["ours_cpu_ms"] = oursCpu;
    state.counters["zxing_ms"] = reference;
    std::printf(
        "1280x720 frame %s: ours %.1f ms (%.1f ms CPU), zxing-cpp ReadBarcode (default hints) %.1f ms, "
        "ratio %.2f\n",
        what, ours, oursCpu, reference, ours / reference);
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
