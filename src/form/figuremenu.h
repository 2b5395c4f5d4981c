#pragma once

#include "form1controls.h"

#include <array>

namespace app {

// The figure's own small menu, for a class without a keyboard: a right
// click that moved nothing, or a finger or pen held still on the figure,
// opens it. Every front end shows these entries, in this order, and runs
// the chosen one through Form1::Menu_Click, or with its own dialogs where
// Form1 leaves the command to it (saving and printing).
enum class FigureCommand { StartLesson, EndLesson, ShowKeys, Save, Print };

struct FigureMenuEntry {
    FigureCommand Command;
    const char* Caption;
    bool Enabled;
};

inline constexpr int FigureMenuEntries = 4;

// How long a finger or pen must rest on the figure, unmoved, to open the menu.
inline constexpr int LongPressMilliseconds = 600;

// The entries as the window stands: the lesson's to start it, or to end it
// while it is on; the list of keys; saving and printing the worksheet.
[[nodiscard]] std::array<FigureMenuEntry, FigureMenuEntries> FigureMenu(const Form1Controls& c);

} // namespace app
