#pragma once

#include "form1controls.h"

namespace app {

// What the window paints over its surface: the middle layer, the lesson
// over the figure, and the list of keys over everything.
[[nodiscard]] controls::Layer WindowLayer(const Form1Controls& c);

// What a worksheet and a print show: the figure with the lesson, never the
// list of keys.
[[nodiscard]] controls::Layer WorksheetLayer(const Form1Controls& c);

// Where memo strokes lie over the lesson rather than beneath it: the
// panel's box while it is shown, else nothing. A teacher writes on the
// panel as on the figure's white.
[[nodiscard]] controls::PixelRect MemoOverLesson(const Form1Controls& c);

} // namespace app
