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

// The main() of a benchmark of the program's web views: offscreen, without
// the sandbox and the GPU (as the tests run them), the page's schemes known
// before the application object exists. registerSchemes is
// COrdoApp::RegisterUrlSchemes (the support library has no widgets).
template <typename App> int RunWebEngineBenchmarks(int argc, char **argv, void (*registerSchemes)())
{
    TuneMemoryAllocator(); // as the program starts
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    registerSchemes();
    App app(argc, argv);
    return RunBenchmarks(argc, argv);
}
