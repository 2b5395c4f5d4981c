#include "worksheetfile.h"

#include "filereplace.h"
#include "worksheet.h"

#include "desktop/controls/qtconvert.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <cerrno>
#include <cstring>
#include <optional>

namespace app {

namespace {

std::optional<QByteArray> Pdf(const QPageLayout& layout, int resolution, const QString& title,
                              const WorksheetSource& source)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("altitude"));
    writer.setPageLayout(layout);
    writer.setResolution(resolution);
    QPainter painter;
    if (!painter.begin(&writer))
        return std::nullopt;
    PaintWorksheetPage(painter, QRectF(0, 0, writer.width(), writer.height()), source);
    if (!painter.end())
        return std::nullopt;
    return pdf;
}

// What an error number means depends on the step that met it: no
// permission to open the file there is a read-only file, no permission to
// make one is a folder that takes none.
WriteFailure FailureOf(Replacement::Step step, int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return WriteFailure::NoFolder;
    case EACCES:
    case EPERM:
        return step == Replacement::Step::Open ? WriteFailure::ReadOnlyFile : WriteFailure::NotPermitted;
    case EROFS:
        return WriteFailure::ReadOnlyDisk;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return WriteFailure::NoRoom;
    case ENAMETOOLONG:
        return WriteFailure::NameTooLong;
    case ELOOP:
        return WriteFailure::LinkLoop;
    case EINVAL:
    case EILSEQ:
        return step == Replacement::Step::Open || step == Replacement::Step::Create ? WriteFailure::InvalidName
                                                                                      : WriteFailure::WriteFailed;
    case EISDIR:
        return WriteFailure::Folder;
    default:
        return WriteFailure::WriteFailed;
    }
}

// Puts `contents` in place under `fileName`: exactly that name or none, and
// through a link into the file it names.
WriteResult Store(const QString& fileName, const QByteArray& contents)
{
    const QByteArray nativeName = QFile::encodeName(fileName);
    if (nativeName.contains('\0') || QFile::decodeName(nativeName) != fileName)
        return {WriteFailure::InvalidName, {}};
    const Replacement done = ReplaceFileContents(nativeName, contents);
    if (done.Failed == Replacement::Step::None)
        return {};
    WriteResult result{FailureOf(done.Failed, done.Error), QString::fromLocal8Bit(std::strerror(done.Error)),
                       done.Existed && done.KeptCopy.isEmpty()};
    result.Folder = QFileInfo(QFile::decodeName(done.Target.isEmpty() ? nativeName : done.Target)).absolutePath();
    result.KeptCopy = QFile::decodeName(done.KeptCopy);
    // A folder that is there but takes no new files (/proc) says it has none.
    if (result.Failure == WriteFailure::NoFolder && done.Failed == Replacement::Step::Create &&
        QFileInfo(result.Folder).isDir())
        result.Failure = WriteFailure::NotPermitted;
    return result;
}

} // namespace

WriteResult WriteWorksheet(const QString& fileName, const WorksheetSource& source, qreal devicePixelRatio)
{
    const std::optional<WorksheetFormat> format = FormatOf(fileName);
    if (!format)
        return {WriteFailure::UnknownKind, {}};
    switch (*format) {
    case WorksheetFormat::Svg: {
        const std::string svg = WorksheetSvg(source);
        return Store(fileName, QByteArray(svg.data(), qsizetype(svg.size())));
    }
    case WorksheetFormat::Png: {
        const QImage picture = WorksheetPicture(source, devicePixelRatio);
        QByteArray png;
        QBuffer buffer(&png);
        if (picture.isNull() || !buffer.open(QIODevice::WriteOnly) || !QImageWriter(&buffer, "png").write(picture))
            return {WriteFailure::TooLarge, {}};
        return Store(fileName, png);
    }
    case WorksheetFormat::Pdf: {
        const std::optional<QByteArray> pdf = Pdf(PdfPageLayout(source), 1200,
                                                  qtcontrols::ToQString(source.Controls.Form1.Caption), source);
        return pdf ? Store(fileName, *pdf) : WriteResult{WriteFailure::WriteFailed, {}};
    }
    }
    return {WriteFailure::UnknownKind, {}};
}

WriteResult PrintToFile(const QPrinter& printer, const WorksheetSource& source)
{
    // A handout takes the paper whole and upright, whatever the figure had.
    const QPageLayout layout = source.Sheet
        ? QPageLayout(printer.pageLayout().pageSize(), QPageLayout::Portrait, QMarginsF())
        : printer.pageLayout();
    const std::optional<QByteArray> pdf = Pdf(layout, printer.resolution(), printer.docName(), source);
    return pdf ? Store(printer.outputFileName(), *pdf) : WriteResult{WriteFailure::WriteFailed, {}};
}

} // namespace app
