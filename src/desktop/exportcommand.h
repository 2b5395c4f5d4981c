#pragma once

#include "form/worksheetpose.h"

#include <QString>

namespace app {

// `altitude --export FILE ...`: a worksheet written without a window.
struct ExportRequest {
    QString File;
    WorksheetPose Pose;
    // A handout for the pose's A in place of the figure; with Answers, its
    // answer sheet.
    bool Handout = false;
    bool Answers = false;
    bool TrueScale = false; // BC 5 cm long on paper
};

// Builds the figure as the request poses it and writes the file. Returns the
// exit status: 0 when written, 2 with one line on standard error when not,
// and then no file is left behind. Needs the application object, on any
// platform (the offscreen one needs no display).
[[nodiscard]] int RunExport(const ExportRequest& request);

} // namespace app
