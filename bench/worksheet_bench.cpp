// Worksheets of the initial figure with every read-out shown: the SVG, the
// PNG picture and the PDF page made in the process, and `altitude --export`
// as a whole process, from its start to its exit, for each kind of file.

#include "form/form1.h"
#include "desktop/worksheet.h"
#include "form/worksheetpose.h"

#include "desktop/controls/qttextmetrics.h"
#include "controls/surface.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>

namespace {

struct Figure {
    Figure() { app::PoseFigure(form, app::WorksheetPose{.AngleA = {}, .Lengths = true}); }
    app::WorksheetSource Source() const { return {form.Controls(), metrics, nullptr}; }

    controls::BlankSurface surface;
    qtcontrols::QtTextMetrics metrics;
    app::Form1 form{surface, &metrics};
};

void WorksheetSvg(benchmark::State& state)
{
    const Figure figure;
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string svg = app::WorksheetSvg(figure.Source());
        size = svg.size();
        benchmark::DoNotOptimize(svg.data());
    }
    state.counters["bytes"] = double(size);
}

void WorksheetPng(benchmark::State& state)
{
    const Figure figure;
    qint64 size = 0;
    for (auto _ : state) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        app::WorksheetPicture(figure.Source(), 1).save(&buffer, "PNG");
        size = png.size();
    }
    state.counters["bytes"] = double(size);
}

void WorksheetPdf(benchmark::State& state)
{
    const Figure figure;
    qint64 size = 0;
    for (auto _ : state) {
        QByteArray pdf;
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            QPainter painter(&writer);
            app::PaintWorksheetPage(painter, QRectF(0, 0, writer.width(), writer.height()), figure.Source());
        }
        size = pdf.size();
    }
    state.counters["bytes"] = double(size);
}

// The program run once as `altitude --export FILE --lengths`, timed from the
// fork to its exit; false when it failed.
bool ExportOnce(const std::string& file, double& seconds, long& peakKilobytes)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(ALTITUDE_PROGRAM, ALTITUDE_PROGRAM, "--export", file.c_str(), "--lengths", static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    peakKilobytes = usage.ru_maxrss;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void ExportProcess(benchmark::State& state, const char* extension)
{
    const QTemporaryDir folder;
    const std::string file = folder.filePath(QStringLiteral("figure.%1").arg(QLatin1String(extension))).toStdString();
    long peak = 0;
    for (auto _ : state) {
        double seconds = 0;
        long kilobytes = 0;
        if (!ExportOnce(file, seconds, kilobytes)) {
            state.SkipWithError("the export failed");
            return;
        }
        state.SetIterationTime(seconds);
        peak = std::max(peak, kilobytes);
    }
    state.counters["peak_rss_MB"] = double(peak) / 1024.0;
}

} // namespace

BENCHMARK(WorksheetSvg)->Unit(benchmark::kMicrosecond);
BENCHMARK(WorksheetPng)->Unit(benchmark::kMillisecond);
BENCHMARK(WorksheetPdf)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportProcess, svg, "svg")
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(ExportProcess, png, "png")
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(ExportProcess, pdf, "pdf")
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3)->ReportAggregatesOnly(true);
