#pragma once

#include "form1controls.h"

#include "figure/figurecontrols.h"
#include "figure/figurestate.h"

namespace controls {
class Surface;
class TextMetrics;
} // namespace controls

namespace app {

// The main window as the program sees it: its controls, the figure state and
// the event handlers. It knows no toolkit; the on-screen window feeds it
// events and paints what it holds.
class Form1 {
public:
    // `metrics` sizes the labels to their captions; null keeps the design sizes.
    Form1(controls::Surface& surface, const controls::TextMetrics* metrics);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    [[nodiscard]] Form1Controls& Controls() { return m_controls; }
    [[nodiscard]] const Form1Controls& Controls() const { return m_controls; }
    [[nodiscard]] figure::FigureState& State() { return m_state; }
    [[nodiscard]] const figure::FigureState& State() const { return m_state; }

    // Runs once, before the window is first shown.
    void Form_Load();

    // The read-out boxes, after a click has flipped their Value.
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();

private:
    Form1Controls m_controls;
    figure::FigureState m_state;
    figure::FigureControls m_figure;
    controls::Surface& m_surface;
};

} // namespace app
