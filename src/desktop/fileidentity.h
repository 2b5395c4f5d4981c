#pragma once

#include <sys/stat.h>

namespace app {

// Gives the new file open as `to` what makes the old one, open as `from`
// and described by `was`, the file its users know: its owner and group,
// every extended attribute it has (its ACL among them, and the `user.`
// notes put on it), and its mode, and takes away any attribute the new file
// got that the old one has not (a folder's default ACL). False as soon as
// any of it cannot be given: another owner that only root may set, say.
[[nodiscard]] bool GiveIdentity(int from, const struct stat& was, int to);

} // namespace app
