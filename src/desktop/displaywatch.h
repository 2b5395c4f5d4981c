#pragma once

namespace app {

// Makes a display that cannot be opened, or one that goes away while the
// window is open, an ordinary error: one line on standard error that says
// what was tried and what to do, and exit status 1. Left to itself, the
// toolkit aborts with a core dump and advice to reinstall the program when
// it finds no display, and exits without a word of ours when the display
// goes away.
//
// Call WatchDisplay before the application object is made and DisplayOpened
// right after it. The toolkit's messages in between are held back; once the
// display is open they are passed on as the toolkit would have shown them.
void WatchDisplay();
void DisplayOpened();

} // namespace app
