#include "worksheetfile.h"

#include "worksheet.h"

#include "desktop/controls/qtconvert.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace app {

namespace {

bool WriteSvg(QSaveFile& file, const WorksheetSource& source)
{
    const std::string svg = WorksheetSvg(source);
    return file.write(svg.data(), qint64(svg.size())) == qint64(svg.size());
}

// An A4 page turned the way the figure is, with even margins, so that the
// figure sits in the middle of the sheet.
bool WritePdf(QSaveFile& file, const WorksheetSource& source)
{
    const controls::Form& form = source.Controls.Form1;
    QPdfWriter pdf(&file);
    pdf.setTitle(qtcontrols::ToQString(form.Caption));
    pdf.setCreator(QStringLiteral("altitude"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), PageOrientation(form), QMarginsF(10, 10, 10, 10),
                                  QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    PaintWorksheetPage(painter, QRectF(0, 0, pdf.width(), pdf.height()), source);
    return painter.end();
}

} // namespace

WriteResult WriteWorksheet(const QString& fileName, const WorksheetSource& source, qreal devicePixelRatio)
{
    const std::optional<WorksheetFormat> format = FormatOf(fileName);
    if (!format)
        return {WriteFailure::UnknownKind, {}};
    const QFileInfo target(fileName);
    if (target.isDir())
        return {WriteFailure::Folder, {}};

    // Made and encoded before the file is opened, so that a picture too
    // large to make leaves nothing behind, and a full disk fails a plain
    // write: the PNG encoder, stopped half way by its output, leaks.
    QByteArray png;
    if (*format == WorksheetFormat::Png) {
        const QImage picture = WorksheetPicture(source, devicePixelRatio);
        QBuffer buffer(&png);
        if (picture.isNull() || !buffer.open(QIODevice::WriteOnly) || !QImageWriter(&buffer, "png").write(picture))
            return {WriteFailure::TooLarge, {}};
    }

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        const bool folderExists = QFileInfo(target.absolutePath()).isDir();
        return {folderExists ? WriteFailure::NotPermitted : WriteFailure::NoFolder, file.errorString()};
    }
    bool written = false;
    switch (*format) {
    case WorksheetFormat::Svg:
        written = WriteSvg(file, source);
        break;
    case WorksheetFormat::Png:
        written = file.write(png) == png.size();
        break;
    case WorksheetFormat::Pdf:
        written = WritePdf(file, source);
        break;
    }
    if (!written || !file.commit()) {
        const QString detail = file.errorString();
        file.cancelWriting();
        return {WriteFailure::WriteFailed, detail};
    }
    return {};
}

} // namespace app
