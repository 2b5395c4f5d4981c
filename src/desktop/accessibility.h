#pragma once

namespace app {

// Makes assistive technology see the window as a frame named by its caption,
// the figure as a graphic, the option buttons as one group, and lets it work
// every button as a click does. Runs before the window is built; once is
// enough, more times do no harm.
void InstallAccessibility();

} // namespace app
