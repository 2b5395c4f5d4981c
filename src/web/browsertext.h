#pragma once

#include "textengine.h"

#include <cstdint>
#include <string>
#include <unordered_map>

namespace web {

// The page's text: captions measured and drawn by the browser's canvas in the
// font embedded in the page. The page measures a caption as the sum of its
// characters' advances; each character is measured once at each size and
// the sums made here, so that the read-outs, which change with every step
// of a drag, cost the page nothing to measure.
class BrowserText final : public TextEngine {
public:
    [[nodiscard]] controls::TextSize Measure(const controls::Font& font, std::string_view text) const override;
    [[nodiscard]] float Ascent(const controls::Font& font) const override;
    [[nodiscard]] std::string Family(const controls::Font& font) const override;
    [[nodiscard]] CaptionMask Draw(const controls::Font& font, std::string_view text, controls::TextSize box,
                                   double ratio) const override;

private:
    // A character's advance, or for no character the line's height, in
    // pixels at a pixel size.
    [[nodiscard]] float Measured(std::string_view character, int pixels) const;

    mutable std::unordered_map<std::uint64_t, float> m_measured; // by pixel size and character
};

} // namespace web
