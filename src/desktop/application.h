#pragma once

#include <optional>

namespace app {

// The name the desktop knows the program by: its desktop entry, icon and
// metainfo carry it.
inline constexpr const char* ApplicationId = "org.altitude.altitude";

// Whether the toolkit will find a display to open a window on: a platform
// chosen on the command line or in QT_QPA_PLATFORM, an X display or a
// Wayland compositor.
[[nodiscard]] bool HasDisplay(int argc, char** argv);

// Says in one line on standard error that there is no display, and how to
// run the program without one; returns the exit status.
[[nodiscard]] int RefuseWithoutDisplay();

// Makes the toolkit draw off screen, for work that shows no window (a
// worksheet written from the command line): no display is needed.
void UseOffscreenPlatform();

// What must be set before the application object exists: the program's name
// and version.
void PrepareToolkit();

// What must be set after the application object exists and before the window:
// every mouse move delivered, none merged, since each one turns A by a degree;
// the style; and the Japanese Gothic that stands in for the design's face.
void ConfigureApplication();

// Gives the program's windows its icon: the one installed in the icon theme,
// or else the one built in.
void UseProgramIcon();

} // namespace app
