#include "browsertext.h"

#include <algorithm>
#include <cmath>

// Implemented by the page (library.js): the canvas measures and draws.
extern "C" {
void altitude_measure_text(const char* text, int length, int pixels, float* size);
float altitude_text_ascent(int pixels);
void altitude_draw_text(const char* text, int length, int pixels, double ratio, int width, int height,
                        unsigned char* coverage);
}

namespace web {

namespace {

// The bytes of the UTF-8 character that starts with `lead`.
std::size_t CharacterLength(unsigned char lead)
{
    return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// A number for up to four bytes, distinct for every length.
std::uint64_t Bytes(std::string_view character)
{
    std::uint64_t value = 1;
    for (const char byte : character)
        value = value << 8 | std::uint8_t(byte);
    return value;
}

} // namespace

float BrowserText::Measured(std::string_view character, int pixels) const
{
    // Up to four bytes and their count take 40 bits; the size goes above them.
    const std::uint64_t key = std::uint64_t(std::uint16_t(pixels)) << 48 | Bytes(character);
    const auto found = m_measured.find(key);
    if (found != m_measured.end())
        return found->second;
    float size[2] = {0, 0};
    altitude_measure_text(character.data(), int(character.size()), pixels, size);
    const float value = character.empty() ? size[1] : size[0];
    m_measured.emplace(key, value);
    return value;
}

// Whole pixels, as the desktop sizes its labels: the advance of the text
// and the font's ascent and descent, each rounded up. Advances are whole
// 64ths of a pixel, so their sum is exact in any order, as the page's is.
controls::TextSize BrowserText::Measure(const controls::Font& font, std::string_view text) const
{
    const int pixels = font.PixelSize();
    double width = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = std::min(CharacterLength(std::uint8_t(text[at])), text.size() - at);
        width += Measured(text.substr(at, length), pixels);
        at += length;
    }
    const float advance = float(width);
    const float height = Measured({}, pixels);
    return {std::isfinite(advance) ? std::ceil(advance) : 0.0f, std::isfinite(height) ? std::ceil(height) : 0.0f};
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
