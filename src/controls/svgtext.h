#pragma once

#include "color.h"

#include <string>
#include <string_view>

namespace controls {

// How values are spelled in an SVG document, whatever the user's locale:
// numbers always with a full stop, colours as #rrggbb, text escaped for XML.

// The shortest decimal that reads back as exactly `value`, with no exponent
// for the sizes a figure has, so that a coordinate written out and read in
// again is the coordinate the control held.
void AppendNumber(std::string& out, float value);

void AppendColor(std::string& out, Color color);

// `text` as character data or as an attribute value in double quotes: &, <,
// > and " become references, and the control characters XML 1.0 cannot
// carry are left out.
void AppendEscaped(std::string& out, std::string_view text);

} // namespace controls
