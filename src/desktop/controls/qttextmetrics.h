#pragma once

#include "controls/textmetrics.h"

#include <string>
#include <vector>

namespace qtcontrols {

// Measures captions with the toolkit's font metrics, in whole pixels. Each
// distinct text is measured once and remembered: the read-outs cycle through a
// few dozen captions while A is dragged, and a drag should not allocate.
class QtTextMetrics final : public controls::TextMetrics {
public:
    [[nodiscard]] controls::TextSize Measure(const controls::Font& font,
                                             std::string_view text) const override;
    [[nodiscard]] float Ascent(const controls::Font& font) const override;
    [[nodiscard]] std::string Family(const controls::Font& font) const override;

private:
    struct Entry {
        controls::Font font;
        std::string text;
        controls::TextSize size;
    };
    mutable std::vector<Entry> m_measured;
};

} // namespace qtcontrols
