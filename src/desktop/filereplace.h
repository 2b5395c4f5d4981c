#pragma once

#include <QByteArray>

namespace app {

// Puts `contents` into the file named `nativeName` (the name's bytes, as the
// file system takes them) in one step: written in full to a new file beside
// it, flushed to the disk, closed, then renamed over it. A file that was
// there keeps its permissions. Returns 0, or the system's error number of
// the step that failed; the file that was there is then as it was, and no
// other file is left behind.
[[nodiscard]] int ReplaceFileContents(const QByteArray& nativeName, const QByteArray& contents);

} // namespace app
