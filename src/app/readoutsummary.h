#pragma once

#include "form1controls.h"

#include <string>

namespace app {

// The figure as a screen reader names it.
inline constexpr const char* FigureName = "直角三角形ABCと垂線AD";

// The four lengths as the read-outs show them, whether or not they are
// shown: "AB 4cm, AC 3cm, AD 2.4cm, BD 3.2cm". A screen reader speaks it as
// the figure's description.
[[nodiscard]] std::string ReadoutSummary(const Form1Controls& c);

} // namespace app
