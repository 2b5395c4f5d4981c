#pragma once

#include <Qt>

namespace app {

// The toolkit's mouse buttons, shift keys and keys as Form1's handlers
// number them. A key the handlers have no code for is 0.
[[nodiscard]] int ButtonCode(Qt::MouseButtons buttons);
[[nodiscard]] int ShiftCode(Qt::KeyboardModifiers modifiers);
[[nodiscard]] int KeyCode(int key);

} // namespace app
