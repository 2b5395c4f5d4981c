#include "label.h"

#include "textmetrics.h"

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

void Label::FitToCaption()
{
    if (!AutoSize || !m_metrics)
        return;
    const TextSize size = m_metrics->Measure(Font, m_caption);
    m_width = size.Width;
    m_height = size.Height;
}

} // namespace controls
