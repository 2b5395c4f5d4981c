#pragma once

namespace controls {
class TextMetrics;
} // namespace controls

namespace web {

// The height of the page's window, in pixels, on a viewport of `width` x
// `height` pixels. The window fills the viewport, unless the figure built
// for it would cut off a letter (on a viewport held upright or nearly
// square, the letters of B and C need more room beside BC than there is).
// Then it takes the upright layout: the full width at the window's designed
// proportions, at the top, with the form's white below, if that fits. The
// letters are measured by `metrics` as the window measures its labels.
[[nodiscard]] int WindowHeight(int width, int height, const controls::TextMetrics& metrics);

} // namespace web
