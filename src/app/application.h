#pragma once

#include <optional>

namespace app {

// Where the toolkit would find no display to open a window on, says so in one
// line on standard error and gives the exit status; otherwise nothing.
[[nodiscard]] std::optional<int> RefuseWithoutDisplay(int argc, char** argv);

// What must be set before the application object exists: every mouse move
// is delivered, none merged, since each one turns A by a degree.
void PrepareToolkit();

// What must be set after the application object exists and before the window:
// the style and the Japanese Gothic that stands in for the design's face.
void ConfigureApplication();

} // namespace app
