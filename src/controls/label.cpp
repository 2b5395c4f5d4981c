#include "label.h"

#include "textmetrics.h"

#include <cmath>

namespace controls {

Label::Label(std::string_view caption, float left, float top, float width, float height)
    : Left(left), Top(top), m_caption(caption), m_width(width), m_height(height)
{
}

void Label::SetCaption(std::string_view caption)
{
    m_caption.assign(caption.data(), caption.size());
    FitToCaption();
}

void Label::SetMetrics(const TextMetrics* metrics)
{
    m_metrics = metrics;
    FitToCaption();
}

bool operator==(const Label& a, const Label& b)
{
    return a.Left == b.Left && a.Top == b.Top && a.Visible == b.Visible && a.AutoSize == b.AutoSize
        && a.Transparent == b.Transparent && a.BackColor == b.BackColor && a.ForeColor == b.ForeColor
        && a.Font == b.Font && a.TabIndex == b.TabIndex && a.m_caption == b.m_caption
        && a.m_width == b.m_width && a.m_height == b.m_height;
}

void Label::FitToCaption()
{
    if (!AutoSize || !m_metrics)
        return;
    const TextSize size = m_metrics->Measure(Font, m_caption);
    m_width = size.Width;
    m_height = size.Height;
}

PixelRect PaintedBox(const Label& label)
{
    const int left = WholePixels(std::round(label.Left));
    const int top = WholePixels(std::round(label.Top));
    return {left, top, left + WholePixels(std::ceil(label.Width())), top + WholePixels(std::ceil(label.Height()))};
}

} // namespace controls
