#include "exportcommand.h"

#include "failuretext.h"
#include "form/form1.h"
#include "form/handout.h"
#include "worksheet.h"
#include "worksheetfile.h"

#include "desktop/controls/qttextmetrics.h"
#include "controls/surface.h"

#include <cstdio>
#include <optional>

namespace app {

int RunExport(const ExportRequest& request)
{
    controls::BlankSurface surface;
    const qtcontrols::QtTextMetrics metrics;
    Form1 form(surface, &metrics);
    PoseFigure(form, request.Pose);
    std::optional<Handout> handout;
    if (request.Handout)
        handout = MakeHandout({request.Pose.AngleA, request.Answers, request.TrueScale}, &metrics);

    const WorksheetSource source{form.Controls(), metrics, nullptr, handout ? &*handout : nullptr,
                                 request.TrueScale ? TrueScaleMillimetres(form.State()) : 0};
    const WriteResult result = WriteWorksheet(request.File, source, 1);
    if (result)
        return 0;
    std::fprintf(stderr, "altitude: %s\n", qUtf8Printable(DescribeFailure(result, request.File, Audience::CommandLine)));
    return 2;
}

} // namespace app
