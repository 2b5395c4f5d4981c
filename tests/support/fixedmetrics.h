#pragma once

#include "controls/textmetrics.h"

// Measures every text as one fixed box, such as the design size of the
// read-outs (52 x 27), so that label positions can be checked exactly.
class FixedMetrics final : public controls::TextMetrics {
public:
    explicit FixedMetrics(float width = 52, float height = 27) : m_size{width, height} {}

    void SetSize(float width, float height) { m_size = {width, height}; }

    [[nodiscard]] controls::TextSize Measure(const controls::Font&, std::string_view) const override
    {
        return m_size;
    }
    [[nodiscard]] float Ascent(const controls::Font&) const override { return m_size.Height * 0.8f; }
    [[nodiscard]] std::string Family(const controls::Font& font) const override { return font.Name; }

private:
    controls::TextSize m_size;
};
