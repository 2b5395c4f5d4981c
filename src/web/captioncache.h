#pragma once

#include "textengine.h"

#include "controls/font.h"

#include <string>
#include <string_view>
#include <vector>

namespace web {

// Captions drawn once and kept: the read-outs run through a few dozen texts
// while A is dragged, and asking the browser to draw the same text on every
// frame would be most of what painting costs.
class CaptionCache {
public:
    explicit CaptionCache(const TextEngine& engine) : m_engine(engine) {}

    // The caption as drawn at `ratio`; drawn now if it is new.
    [[nodiscard]] const CaptionMask& Get(const controls::Font& font, std::string_view text,
                                         controls::TextSize box, double ratio);

    // Forgets every caption, as when the device pixel ratio changes.
    void Clear() { m_entries.clear(); }

private:
    struct Entry {
        controls::Font font;
        std::string text;
        double ratio = 1;
        CaptionMask mask;
    };
    const TextEngine& m_engine;
    std::vector<Entry> m_entries;
};

} // namespace web
