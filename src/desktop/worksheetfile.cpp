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

WriteFailure FailureOf(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return WriteFailure::NoFolder;
    case EACCES:
    case EPERM:
        return WriteFailure::NotPermitted;
    case EROFS:
        return WriteFailure::ReadOnlyDisk;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return WriteFailure::NoRoom;
    case ENAMETOOLONG:
        return WriteFailure::NameTooLong;
    case EINVAL:
    case EILSEQ:
        return WriteFailure::InvalidName;
    case EISDIR:
        return WriteFailure::Folder;
    default:
        return WriteFailure::WriteFailed;
    }
}

// Root may write any file, but one that nobody may write was made read-only
// on purpose, and is left alone too.
bool MayReplace(const QFileInfo& file)
{
    return file.isWritable() && (file.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
}

// Puts `contents` in place under `fileName`: exactly that name or none, and
// through a link into the file it names.
WriteResult Store(const QString& fileName, const QByteArray& contents)
{
    const QByteArray nativeName = QFile::encodeName(fileName);
    if (nativeName.contains('\0') || QFile::decodeName(nativeName) != fileName)
        return {WriteFailure::InvalidName, {}};
    QFileInfo target(fileName);
    if (target.isDir())
        return {WriteFailure::Folder, {}};
    if (target.isSymLink())
        target.setFile(target.symLinkTarget());
    const bool existed = target.exists();
    if (existed && !MayReplace(target))
        return {WriteFailure::ReadOnlyFile, {}, true};
    const int error = ReplaceFileContents(QFile::encodeName(target.filePath()), contents);
    if (error == 0)
        return {};
    // A folder that is there but takes no new files (/proc) says it has none.
    if (FailureOf(error) == WriteFailure::NoFolder && QFileInfo(target.absolutePath()).isDir())
        return {WriteFailure::NotPermitted, {}, existed};
    return {FailureOf(error), QString::fromLocal8Bit(std::strerror(error)), existed};
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
