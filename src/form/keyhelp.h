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
// worksheet or print shows it. In memo mode it lists only the keys that act
// there, in its first rows; the others are hidden.
struct KeyHelp {
    static constexpr int Rows = 11;

    bool Shown = false;
    int Count = 0; // the rows shown
    controls::Shape Panel;
    controls::Label Title;
    std::array<controls::Label, Rows> Keys;
    std::array<controls::Label, Rows> Actions;

    KeyHelp();
};

// Writes the list's captions in `font`, measured by `metrics`, the keys of
// memo mode alone when `memo`, and places it in the middle of the client
// area, or as near it as it lies clear of the buttons (`keepout`) and
// inside the client area; where it fits nowhere, in smaller type (14, then
// 12 pixels for the 16 of the buttons). Shows it.
void ShowKeyHelp(KeyHelp& help, const controls::Form& form, const std::vector<controls::PixelRect>& keepout,
                 const controls::Font& font, const controls::TextMetrics* metrics, bool memo);
void HideKeyHelp(KeyHelp& help);

// The list in words: each key and what it does.
[[nodiscard]] std::string SpokenKeyHelp(const KeyHelp& help);

// Back to front: the panel, then its texts.
void AppendKeyHelpLayer(const KeyHelp& help, controls::Layer& layer);

} // namespace app
