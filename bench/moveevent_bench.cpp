// Mouse-move events of a drag in a window on the offscreen platform: each
// with the repaint it causes (a frame apart, so that every move paints), and
// at full input rate, where the window paints once per frame of the screen;
// and the figure code of one step alone, with the lesson and without.

#include "desktop/form1window.h"

#include "figure/initialfigure.h"
#include "figure/movevertex.h"

#include <QApplication>
#include <QMouseEvent>
#include <QRadioButton>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

void Send(QWidget& window, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, window.mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &event);
}

// Moves one pixel left, then one right, and so on: A rocks about 74 degrees.
// With `framed`, each move comes a frame after the last, as from a slow hand,
// and is timed with the repaint it causes; without, moves come back to back.
void MoveEvent(benchmark::State& state, int width, int height, bool memo, bool framed)
{
    app::Form1Window window;
    window.resize(width, height);
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    if (memo)
        window.findChild<QRadioButton*>(QStringLiteral("Option1_1"))->click();
    QCoreApplication::processEvents();

    const QPointF start(width * 0.6, height * 0.5);
    Send(window, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    bool left = true;
    for (auto _ : state) {
        if (framed) {
            // Waits out a frame busily: asleep, the processor would slow
            // down and lose its caches, and the time measured would be theirs.
            state.PauseTiming();
            const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(20);
            while (std::chrono::steady_clock::now() < until) {
            }
            state.ResumeTiming();
        }
        const QPointF at = start + QPointF(left ? -1 : 0, left ? 0 : 7);
        Send(window, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        QCoreApplication::processEvents(); // the repaint the move asked for
        left = !left;
    }
    Send(window, QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
}

// A rocked a degree back and forth by MoveVertexA.
void Rock(benchmark::State& state, app::Form1& form)
{
    std::int64_t step = 1;
    for (auto _ : state) {
        form.State().AngleA += step;
        step = -step;
        figure::MoveVertexA(form.State(), form.Figure());
        benchmark::DoNotOptimize(form.Controls().Label4[1].Left);
    }
}

// MoveVertexA with its UpdateLengths, on the window's own controls.
void FigureStep(benchmark::State& state)
{
    app::Form1Window window;
    Rock(state, window.form());
}

// The same with the lesson's third step over the figure, whose numbers,
// arcs and panel are worked out again at every step of A (two sets of
// captions, measured once each).
void FigureStepWithLesson(benchmark::State& state)
{
    app::Form1Window window;
    window.form().SetLessonStep(3);
    Rock(state, window.form());
}

// ResetFigure as the reset button and every resize run it: the whole grid
// laid out again, B, C, A and all that follows.
void ResetWithGrid(benchmark::State& state)
{
    app::Form1Window window;
    app::Form1& form = window.form();
    for (auto _ : state) {
        figure::ResetFigure(form.State(), form.Figure());
        benchmark::DoNotOptimize(form.Controls().Line6[30].X1);
    }
}

} // namespace

BENCHMARK(ResetWithGrid)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(FigureStep)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(FigureStepWithLesson)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
#define MOVE_EVENT_BENCHMARK(name, ...)                                                            \
    BENCHMARK_CAPTURE(MoveEvent, name, __VA_ARGS__)                                                \
        ->Unit(benchmark::kMicrosecond)->Iterations(300)->Repetitions(5)->ReportAggregatesOnly(true)

MOVE_EVENT_BENCHMARK(move_repainted_900x541, 900, 541, false, true);
MOVE_EVENT_BENCHMARK(move_repainted_3840x2160, 3840, 2160, false, true);
MOVE_EVENT_BENCHMARK(memo_repainted_900x541, 900, 541, true, true);
MOVE_EVENT_BENCHMARK(memo_repainted_3840x2160, 3840, 2160, true, true);
MOVE_EVENT_BENCHMARK(move_full_rate_900x541, 900, 541, false, false);
MOVE_EVENT_BENCHMARK(move_full_rate_3840x2160, 3840, 2160, false, false);
