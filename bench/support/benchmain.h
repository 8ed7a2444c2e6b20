#pragma once

#include "app/memorytuning.h"

#include <QByteArray>
#include <QtGlobal>
#include <benchmark/benchmark.h>

// The main() of a benchmark without a Qt application object, with the
// program's own allocator settings.
inline int RunBenchmarks(int argc, char **argv)
{
    TuneMemoryAllocator();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The main() of a benchmark that needs a Qt application object (App is
// QCoreApplication, or QApplication for benchmarks of widgets, which then run
// offscreen unless a platform is chosen).
template <typename App> int RunBenchmarksWithApp(int argc, char **argv)
{
    TuneMemoryAllocator(); // before the application starts any thread
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    App app(argc, argv);
    return RunBenchmarks(argc, argv);
}
