#include "exportcommand.h"

#include "failuretext.h"
#include "form/form1.h"
#include "worksheet.h"
#include "worksheetfile.h"

#include "desktop/controls/qttextmetrics.h"
#include "controls/surface.h"

#include <cstdio>

namespace app {

int RunExport(const ExportRequest& request)
{
    controls::BlankSurface surface;
    const qtcontrols::QtTextMetrics metrics;
    Form1 form(surface, &metrics);
    PoseFigure(form, request.Pose);

    const WriteResult result = WriteWorksheet(request.File, WorksheetSource{form.Controls(), metrics, nullptr}, 1);
    if (result)
        return 0;
    std::fprintf(stderr, "altitude: %s\n", qUtf8Printable(DescribeFailure(result, request.File, Audience::CommandLine)));
    return 2;
}

} // namespace app
