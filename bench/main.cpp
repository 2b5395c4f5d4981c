// The benchmarks share one application object on the offscreen platform, as
// the in-process window benchmarks need one; the start-up benchmark launches
// whole processes of its own.

#include "desktop/application.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app::PrepareToolkit();
    QApplication application(argc, argv);
    app::ConfigureApplication();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
