#pragma once

#include "controls/font.h"
#include "controls/label.h"
#include "controls/layer.h"
#include "controls/pixelrect.h"
#include "controls/shape.h"

#include <array>
#include <string>
#include <vector>

namespace controls {
struct Form;
class TextMetrics;
} // namespace controls

namespace app {

// The list of the window's keys that F1 shows over the figure, until any
// key or click closes it. It is the window's, never the figure's: no
// worksheet or print shows it.
struct KeyHelp {
    static constexpr int Rows = 9;

    bool Shown = false;
    controls::Shape Panel;
    controls::Label Title;
    std::array<controls::Label, Rows> Keys;
    std::array<controls::Label, Rows> Actions;

    KeyHelp();
};

// Writes the list's captions in `font`, measured by `metrics`, and places it
// in the middle of the client area, or beside or below the buttons
// (`keepout`) where the middle would lie under them; shows it.
void ShowKeyHelp(KeyHelp& help, const controls::Form& form, const std::vector<controls::PixelRect>& keepout,
                 const controls::Font& font, const controls::TextMetrics* metrics);
void HideKeyHelp(KeyHelp& help);

// The list in words: each key and what it does.
[[nodiscard]] std::string SpokenKeyHelp(const KeyHelp& help);

// Back to front: the panel, then its texts.
void AppendKeyHelpLayer(const KeyHelp& help, controls::Layer& layer);

} // namespace app
