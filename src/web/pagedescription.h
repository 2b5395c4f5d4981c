#pragma once

#include "form/form1controls.h"

#include <string>

namespace web {

// What the page needs to build itself around the figure, as JSON: the
// window's caption; the names assistive technology gives the figure and the
// option buttons' group, with the place of the teal panel the group covers;
// and each button control with its kind, name, caption, place, colours,
// font size in pixels, tab index and value, back to front. The page makes
// real HTML form controls of them.
[[nodiscard]] std::string PageDescription(const app::Form1Controls& c);

// The figure's menu as it now stands (form/figuremenu.h), as JSON: each
// entry's command (its number, for the page to hand back), its name
// ("save" and "print" are the page's own dialogs), its caption and whether
// it can be chosen.
[[nodiscard]] std::string PageMenu(const app::Form1Controls& c);

// The lesson's step control as the page shows it, in the same form: back,
// the step as text, on and the end, each with the name a screen reader
// gives it and its place; null while the lesson is off.
[[nodiscard]] std::string LessonStepsDescription(const figure::LessonStepControl& steps);

} // namespace web
