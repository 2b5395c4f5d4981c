#pragma once

#include "textengine.h"

#include <string>
#include <vector>

namespace web {

// The page's text: captions measured and drawn by the browser's canvas in the
// font embedded in the page. Each distinct caption is measured once.
class BrowserText final : public TextEngine {
public:
    [[nodiscard]] controls::TextSize Measure(const controls::Font& font, std::string_view text) const override;
    [[nodiscard]] float Ascent(const controls::Font& font) const override;
    [[nodiscard]] std::string Family(const controls::Font& font) const override;
    [[nodiscard]] CaptionMask Draw(const controls::Font& font, std::string_view text, controls::TextSize box,
                                   double ratio) const override;

private:
    struct Entry {
        controls::Font font;
        std::string text;
        controls::TextSize size;
    };
    mutable std::vector<Entry> m_measured;
};

} // namespace web
