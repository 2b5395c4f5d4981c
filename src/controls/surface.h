#pragma once

namespace controls {

// The window's drawing surface, the bottom layer beneath every line, label,
// shape and button. What is drawn on it exists only as its pixels.
class Surface {
public:
    virtual ~Surface() = default;

    // Erases everything drawn, filling the surface with the window's BackColor.
    virtual void Cls() = 0;

    // Draws a straight segment in the window's ForeColor, DrawWidth pixels wide
    // with round ends, so that consecutive segments join smoothly.
    virtual void Line(float x1, float y1, float x2, float y2) = 0;

    // Repaints the window and its controls at once.
    virtual void Refresh() = 0;
};

// A surface nothing shows on: for a figure built where there is no window,
// such as a worksheet written from the command line.
class BlankSurface final : public Surface {
public:
    void Cls() override {}
    void Line(float, float, float, float) override {}
    void Refresh() override {}
};

} // namespace controls
