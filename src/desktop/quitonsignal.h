#pragma once

class QWidget;

namespace app {

// Closes `window` when the process receives SIGINT or SIGTERM (Ctrl+C in the
// terminal that started it, or a session ending), so that the program ends
// the same clean way as when the window is closed.
void CloseOnTerminationSignals(QWidget& window);

} // namespace app
