#pragma once

#include <cmath>

// Whether every coordinate of the figure's lines and labels is finite, for
// anything that holds them under their window names (Form1's controls, or a
// test's own set).
template <typename Controls>
[[nodiscard]] bool AllCoordinatesFinite(const Controls& c)
{
    bool finite = true;
    for (const auto* lines : {&c.Line1, &c.Line2, &c.Line3, &c.Line5, &c.Line6}) {
        for (const auto& line : *lines)
            finite = finite && std::isfinite(line.X1) && std::isfinite(line.Y1) && std::isfinite(line.X2)
                && std::isfinite(line.Y2);
    }
    for (const auto* labels : {&c.Label1, &c.Label3, &c.Label4}) {
        for (const auto& label : *labels)
            finite = finite && std::isfinite(label.Left) && std::isfinite(label.Top);
    }
    return finite;
}
