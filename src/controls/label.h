#pragma once

#include "color.h"
#include "font.h"
#include "pixelrect.h"

#include <string>
#include <string_view>

namespace controls {

class TextMetrics;

// A text box that cannot take focus. With AutoSize its Width and Height are
// always those of its caption in its font: writing the caption resizes the
// label about its top-left corner, and a caller may read the new size back at
// once. A label fills its box with BackColor unless it is transparent.
class Label {
public:
    float Left = 0;
    float Top = 0;
    bool Visible = true;
    bool AutoSize = true;
    bool Transparent = false;
    Color BackColor{0xFFFFFF};
    Color ForeColor;
    controls::Font Font;
    int TabIndex = 0; // labels hold one but never take focus

    Label() = default;
    Label(std::string_view caption, float left, float top, float width, float height);

    [[nodiscard]] const std::string& Caption() const { return m_caption; }
    void SetCaption(std::string_view caption);

    [[nodiscard]] float Width() const { return m_width; }
    [[nodiscard]] float Height() const { return m_height; }

    // From now on the label measures its text with `metrics`, and fits its
    // present caption at once. Null keeps the size as it stands.
    void SetMetrics(const TextMetrics* metrics);

    // Labels are equal when they look and act alike, whatever measures them.
    friend bool operator==(const Label& a, const Label& b);

private:
    void FitToCaption();

    std::string m_caption;
    float m_width = 0;
    float m_height = 0;
    const TextMetrics* m_metrics = nullptr;
};

// The box a label is painted in, in pixels: its corner on the nearest whole
// pixel and its size rounded up, as the original platform placed labels.
// Every front end paints and writes labels in this box.
[[nodiscard]] PixelRect PaintedBox(const Label& label);

} // namespace controls
