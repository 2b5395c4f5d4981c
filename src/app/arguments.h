#pragma once

#include <QStringList>

#include <optional>

namespace app {

// The command line, after the toolkit has taken its own options (-platform,
// -display and the like) out of it. --help and --version print their text
// and give exit status 0; anything else the program does not know is
// reported on standard error with exit status 2. Returns no status when the
// program is to open its window.
[[nodiscard]] std::optional<int> HandleArguments(const QStringList& arguments);

} // namespace app
