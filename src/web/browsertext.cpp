#include "browsertext.h"

#include <cmath>

// Implemented by the page (library.js): the canvas measures and draws.
extern "C" {
void altitude_measure_text(const char* text, int length, int pixels, float* size);
float altitude_text_ascent(int pixels);
void altitude_draw_text(const char* text, int length, int pixels, double ratio, int width, int height,
                        unsigned char* coverage);
}

namespace web {

controls::TextSize BrowserText::Measure(const controls::Font& font, std::string_view text) const
{
    for (const Entry& entry : m_measured) {
        if (entry.text == text && entry.font == font)
            return entry.size;
    }
    float size[2] = {0, 0};
    altitude_measure_text(text.data(), int(text.size()), font.PixelSize(), size);
    // Whole pixels, as the desktop sizes its labels: the advance of the text
    // and the font's ascent and descent, each rounded up.
    const controls::TextSize measured{std::isfinite(size[0]) ? std::ceil(size[0]) : 0.0f,
                                      std::isfinite(size[1]) ? std::ceil(size[1]) : 0.0f};
    // The lesson's panel brings new texts at every degree; kept without end,
    // they would make every look-up slower and the memory larger.
    constexpr std::size_t mostTexts = 512;
    if (m_measured.size() == mostTexts)
        m_measured.clear();
    m_measured.push_back(Entry{font, std::string(text), measured});
    return measured;
}

float BrowserText::Ascent(const controls::Font& font) const
{
    const float ascent = altitude_text_ascent(font.PixelSize());
    return std::isfinite(ascent) ? ascent : 0.0f;
}

// The page draws with a cut-down copy of IPAPGothic, which may not carry the
// original's name; a drawing made here names the face it comes from, which a
// reader's machine may have.
std::string BrowserText::Family(const controls::Font&) const
{
    return "IPAPGothic";
}

CaptionMask BrowserText::Draw(const controls::Font& font, std::string_view text, controls::TextSize box,
                              double ratio) const
{
    // Room for glyphs that overhang their advance on the right.
    constexpr float overhang = 4;
    CaptionMask mask;
    mask.width = std::max(1, int(std::ceil((box.Width + overhang) * ratio)));
    mask.height = std::max(1, int(std::ceil(box.Height * ratio)));
    mask.coverage.assign(std::size_t(mask.width) * std::size_t(mask.height), 0);
    altitude_draw_text(text.data(), int(text.size()), font.PixelSize(), ratio, mask.width, mask.height,
                       mask.coverage.data());
    return mask;
}

} // namespace web
