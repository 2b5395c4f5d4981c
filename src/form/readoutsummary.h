#pragma once

#include "form1controls.h"

#include <string>

namespace app {

// The figure as a screen reader names it.
inline constexpr const char* FigureName = "直角三角形ABCと垂線AD";

// The group of the two option buttons, which choose what a drag does.
inline constexpr const char* OptionGroupName = "ドラッグの動作";

// In Japanese, what a pupil looking at the window can read of the lengths
// right now: each read-out that is shown and lies at least partly inside the
// client area, with its caption's own number, "BC ５cm、AB 4cm、AC 3cm";
// or that no length is shown. A screen reader speaks it as the figure's
// description, so a hidden read-out stays hidden from everyone alike.
[[nodiscard]] std::string ReadoutSummary(const Form1Controls& c);

// The figure's whole description: the read-outs as above, then what the
// lesson's panel says while the lesson is on, then the list of keys while
// it is shown.
[[nodiscard]] std::string FigureDescription(const Form1Controls& c);

} // namespace app
