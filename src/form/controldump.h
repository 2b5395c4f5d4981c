#pragma once

#include "form1.h"

#include <string>

namespace app {

// Every value the window holds, as text that compares exactly: the figure
// state, then every line, label, shape and button under its design name.
// Numbers are written as the bits of their single or double precision, so
// two builds of the same code agree on the text only if they agree on every
// bit. The same dump serves a script that inspects the page and the tests
// that hold one build against another.
void AppendControlDump(const Form1& form, std::string& out);

[[nodiscard]] std::string ControlDump(const Form1& form);

} // namespace app
