#pragma once

#include "web/textengine.h"

// Text of a fixed size, the design's 52 x 27 read-out box, drawn as a solid
// block over the first `inkWidth` pixels of each row, so that a test can see
// where a caption lands.
class BlockText final : public web::TextEngine {
public:
    [[nodiscard]] controls::TextSize Measure(const controls::Font&, std::string_view) const override
    {
        return {52, 27};
    }
    [[nodiscard]] float Ascent(const controls::Font&) const override { return 22; }
    [[nodiscard]] std::string Family(const controls::Font& font) const override { return font.Name; }
    [[nodiscard]] web::CaptionMask Draw(const controls::Font&, std::string_view, controls::TextSize box,
                                        double ratio) const override
    {
        ++draws;
        web::CaptionMask mask;
        mask.width = int(box.Width * ratio);
        mask.height = int(box.Height * ratio);
        mask.coverage.assign(std::size_t(mask.width * mask.height), 0);
        for (int y = 0; y < mask.height; ++y)
            for (int x = 0; x < std::min(inkWidth, mask.width); ++x)
                mask.coverage[std::size_t(y * mask.width + x)] = 255;
        return mask;
    }
    int inkWidth = 4;
    mutable int draws = 0;
};
