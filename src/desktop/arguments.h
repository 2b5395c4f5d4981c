#pragma once

#include "exportcommand.h"

#include <QStringList>

#include <optional>

namespace app {

// What the command line asks for.
struct CommandLine {
    // End at once with this exit status: --help, --version, or a mistake.
    std::optional<int> Status;
    // Write a worksheet file and open no window.
    std::optional<ExportRequest> Export;
    // Open the window at this pose (--angle, --lengths, --no-grid, --lesson).
    std::optional<WorksheetPose> Open;
};

// The command line, after the toolkit has taken its own options (-platform,
// -display and the like) out of it. --help and --version print their text
// and give exit status 0; anything else the program does not know is
// reported on standard error with exit status 2, as is a value of the export
// options that cannot be used (in one line). With neither a status nor an
// export, the program is to open its window, at the pose asked for if any.
[[nodiscard]] CommandLine HandleArguments(const QStringList& arguments);

// Whether the command line asks for --export, with a value or not. Decided
// before the application object exists, since an export needs no display.
[[nodiscard]] bool AsksForExport(int argc, char** argv);

// A file name for --export that the toolkit would read as another name (its
// bytes are not UTF-8) is refused in one line on standard error: the exit
// status. Null when the name can be written as given.
[[nodiscard]] std::optional<int> RefuseNameNotAsGiven(int argc, char** argv);

} // namespace app
