#pragma once

#include "color.h"
#include "font.h"

#include <optional>
#include <string>

namespace controls {

// What the check boxes, option buttons and the push button share. The window
// shows these as real toolkit widgets; these values describe them and carry
// the state the program reads.
struct ButtonControl {
    std::string Caption;
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    Color BackColor{0xFFFFFF};
    std::optional<Color> ForeColor; // empty: the platform's button text colour
    controls::Font Font;
    int TabIndex = 0;
};

// Value 0 (cleared) or 1 (ticked); a click flips it before the click handler runs.
struct CheckBox : ButtonControl {
    int Value = 0;
};

// The elements of one option-button array form one group: selecting one clears the others.
struct OptionButton : ButtonControl {
    bool Value = false;
};

// A push button in the graphical style: its face shows BackColor.
struct CommandButton : ButtonControl {
};

} // namespace controls
