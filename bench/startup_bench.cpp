// Start-up to the first painted frame, timed as a whole process from fork to
// the moment the frame is painted, and the peak resident memory of the
// process. Runs on the offscreen platform, and also on X11 when there is
// a display (make bench provides one).

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Run {
    double seconds = 0;
    long peakKilobytes = 0;
    bool ok = false;
};

Run StartOnce(const char* platform)
{
    int painted[2];
    if (pipe(painted) != 0)
        return {};
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        close(painted[0]);
        setenv("QT_QPA_PLATFORM", platform, 1);
        setenv("ALTITUDE_FIRSTFRAME_FD", std::to_string(painted[1]).c_str(), 1);
        execl(ALTITUDE_FIRSTFRAME, ALTITUDE_FIRSTFRAME, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(painted[1]);
    char byte = 0;
    const bool framed = read(painted[0], &byte, 1) == 1;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    close(painted[0]);

    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return {elapsed.count(), usage.ru_maxrss, framed && WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

void StartupToFirstFrame(benchmark::State& state, const char* platform)
{
    if (std::strcmp(platform, "xcb") == 0 && !std::getenv("DISPLAY")) {
        state.SkipWithError("no X display");
        return;
    }
    long peak = 0;
    for (auto _ : state) {
        const Run run = StartOnce(platform);
        if (!run.ok) {
            state.SkipWithError("the program did not exit cleanly");
            return;
        }
        state.SetIterationTime(run.seconds);
        peak = std::max(peak, run.peakKilobytes);
    }
    state.counters["peak_rss_MB"] = double(peak) / 1024.0;
}

} // namespace

BENCHMARK_CAPTURE(StartupToFirstFrame, offscreen, "offscreen")
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(StartupToFirstFrame, xcb, "xcb")
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3)
    ->ReportAggregatesOnly(true);
