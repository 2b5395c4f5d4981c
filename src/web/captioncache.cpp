#include "captioncache.h"

namespace web {

const CaptionMask& CaptionCache::Get(const controls::Font& font, std::string_view text, controls::TextSize box,
                                     double ratio)
{
    for (const Entry& entry : m_entries) {
        if (entry.ratio == ratio && entry.text == text && entry.font == font)
            return entry.mask;
    }
    constexpr std::size_t mostCaptions = 256; // far more than the program ever shows
    if (m_entries.size() == mostCaptions)
        m_entries.clear();
    m_entries.push_back(Entry{font, std::string(text), ratio, m_engine.Draw(font, text, box, ratio)});
    return m_entries.back().mask;
}

} // namespace web
