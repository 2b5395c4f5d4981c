#include "exportcommand.h"

#include "form/form1.h"
#include "form/handout.h"
#include "worksheet.h"
#include "worksheetfile.h"

#include "desktop/controls/qttextmetrics.h"
#include "controls/surface.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <optional>

namespace app {

namespace {

QString Reason(const WriteResult& result, const QString& fileName)
{
    const QString folder = QDir::toNativeSeparators(QFileInfo(fileName).absolutePath());
    const QString detail = result.Detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(result.Detail);
    QString reason;
    switch (result.Failure) {
    case WriteFailure::None:
        break;
    case WriteFailure::UnknownKind:
        reason = QStringLiteral("its name must end in .svg, .png or .pdf");
        break;
    case WriteFailure::InvalidName:
        reason = QStringLiteral("the file system does not take that name as it is");
        break;
    case WriteFailure::NameTooLong:
        reason = QStringLiteral("the name is too long for the file system");
        break;
    case WriteFailure::Folder:
        reason = QStringLiteral("it is a folder");
        break;
    case WriteFailure::NoFolder:
        reason = QStringLiteral("there is no folder '%1'").arg(folder);
        break;
    case WriteFailure::NotPermitted:
        reason = QStringLiteral("no file may be made in '%1'%2").arg(folder, detail);
        break;
    case WriteFailure::ReadOnlyFile:
        reason = QStringLiteral("the file is read-only");
        break;
    case WriteFailure::ReadOnlyDisk:
        reason = QStringLiteral("'%1' is on a read-only file system").arg(folder);
        break;
    case WriteFailure::NoRoom:
        reason = QStringLiteral("the disk is full, or a quota or a limit on file size was reached%1").arg(detail);
        break;
    case WriteFailure::WriteFailed:
        reason = QStringLiteral("writing failed%1").arg(detail);
        break;
    case WriteFailure::TooLarge:
        reason = QStringLiteral("a picture that large cannot be made");
        break;
    }
    if (result.Existed)
        reason += QStringLiteral("; the file there is unchanged");
    return reason;
}

} // namespace

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
    std::fprintf(stderr, "altitude: could not write '%s': %s\n", qUtf8Printable(request.File),
                 qUtf8Printable(Reason(result, request.File)));
    return 2;
}

} // namespace app
