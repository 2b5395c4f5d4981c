#pragma once

#include "controls/buttons.h"

class QCheckBox;
class QPushButton;
class QRadioButton;
class QWidget;

namespace qtcontrols {

// Toolkit widgets for the button controls, placed, coloured and lettered as
// described, as children of `parent`. Each takes its own mouse presses and
// keyboard focus; the caller wires their clicks. The push button answers
// Return and Enter as well as Space.
[[nodiscard]] QCheckBox* MakeCheckBox(const controls::CheckBox& box, QWidget* parent);
[[nodiscard]] QRadioButton* MakeOptionButton(const controls::OptionButton& option, QWidget* parent);
[[nodiscard]] QPushButton* MakeCommandButton(const controls::CommandButton& button, QWidget* parent);

} // namespace qtcontrols
