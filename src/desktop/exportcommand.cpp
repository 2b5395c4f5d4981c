#include "exportcommand.h"

#include "form/form1.h"
#include "worksheet.h"
#include "worksheetfile.h"

#include "desktop/controls/qttextmetrics.h"
#include "controls/surface.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace app {

namespace {

QString Reason(const WriteResult& result, const QString& fileName)
{
    switch (result.Failure) {
    case WriteFailure::None:
        break;
    case WriteFailure::UnknownKind:
        return QStringLiteral("its name must end in .svg, .png or .pdf");
    case WriteFailure::Folder:
        return QStringLiteral("it is a folder");
    case WriteFailure::NoFolder:
        return QStringLiteral("there is no folder '%1'")
            .arg(QDir::toNativeSeparators(QFileInfo(fileName).absolutePath()));
    case WriteFailure::NotPermitted:
        return QStringLiteral("no file can be made in '%1' (%2)")
            .arg(QDir::toNativeSeparators(QFileInfo(fileName).absolutePath()), result.Detail);
    case WriteFailure::WriteFailed:
        return QStringLiteral("writing failed (%1)").arg(result.Detail);
    case WriteFailure::TooLarge:
        return QStringLiteral("a picture that large cannot be made");
    }
    return {};
}

} // namespace

int RunExport(const ExportRequest& request)
{
    controls::BlankSurface surface;
    const qtcontrols::QtTextMetrics metrics;
    Form1 form(surface, &metrics);
    PoseFigure(form, request.Pose);

    const WriteResult result = WriteWorksheet(request.File, WorksheetSource{form.Controls(), metrics, nullptr}, 1);
    if (result)
        return 0;
    std::fprintf(stderr, "altitude: could not write '%s': %s\n", qUtf8Printable(request.File),
                 qUtf8Printable(Reason(result, request.File)));
    return 2;
}

} // namespace app
