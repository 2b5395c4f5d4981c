// One mouse-move event of a drag, handled and repainted, in a window on the
// offscreen platform; and the figure code of one step alone.

#include "app/form1window.h"

#include "figure/movevertex.h"

#include <QApplication>
#include <QMouseEvent>
#include <QRadioButton>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace {

void Send(QWidget& window, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, window.mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &event);
}

// Moves one pixel left, then one right, and so on: A rocks about 74 degrees
// and every move repaints the figure.
void MoveEvent(benchmark::State& state, int width, int height, bool memo)
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
        const QPointF at = start + QPointF(left ? -1 : 0, left ? 0 : 7);
        Send(window, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        QCoreApplication::processEvents(); // the repaint the move asked for
        left = !left;
    }
    Send(window, QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
}

// MoveVertexA with its UpdateLengths, on the window's own controls.
void FigureStep(benchmark::State& state)
{
    app::Form1Window window;
    app::Form1& form = window.form();
    std::int64_t step = 1;
    for (auto _ : state) {
        form.State().AngleA += step;
        step = -step;
        figure::MoveVertexA(form.State(), form.Figure());
        benchmark::DoNotOptimize(form.Controls().Label4[1].Left);
    }
}

} // namespace

BENCHMARK(FigureStep)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(MoveEvent, move_900x541, 900, 541, false)
    ->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(MoveEvent, move_3840x2160, 3840, 2160, false)
    ->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(MoveEvent, memo_900x541, 900, 541, true)
    ->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(MoveEvent, memo_3840x2160, 3840, 2160, true)
    ->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
