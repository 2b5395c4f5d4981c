#include "worksheet.h"
#include "form/handout.h"
#include "form/windowlayers.h"
#include "form/worksheetsvg.h"

#include "desktop/controls/layerpainter.h"
#include "desktop/controls/qtconvert.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace app {

namespace {

// Whether anything is drawn on the surface: a blank one is left out of the
// SVG, which would otherwise carry a picture of nothing.
bool HasDrawing(const QImage* surface, controls::Color back)
{
    if (!surface || surface->isNull())
        return false;
    const QImage pixels = surface->convertToFormat(QImage::Format_RGB32);
    const QRgb blank = qtcontrols::ToQColor(back).rgb();
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            if (row[x] != blank)
                return true;
        }
    }
    return false;
}

QString DataUri(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
}

// The client area in whole pixels, as the window paints it.
QRect ClientArea(const controls::Form& form)
{
    return QRect(0, 0, int(std::ceil(form.ScaleWidth)), int(std::ceil(form.ScaleHeight)));
}

// The memo strokes over the lesson's panel, as the screen lays them: the
// surface multiplied, its white leaving the panel as it is and its strokes
// darkening it like ink. A picture is multiplied so; a PDF or a printer has
// no blend mode, so the panel's part is multiplied here, in a picture of
// the surface's pixels, and laid over the panel as far as ink covers it.
void PaintInkOverLesson(QPainter& painter, const WorksheetSource& source)
{
    const QRect panel = qtcontrols::ToQRect(MemoOverLesson(source.Controls)).intersected(ClientArea(source.Controls.Form1));
    if (panel.isEmpty())
        return;
    const QImage& surface = *source.Surface;
    const qreal ratio = surface.devicePixelRatio();
    const QRectF pixels(QPointF(panel.topLeft()) * ratio, QSizeF(panel.size()) * ratio);
    if (painter.paintEngine()->type() == QPaintEngine::Raster) {
        painter.save();
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        painter.drawImage(QRectF(panel), surface, pixels);
        painter.restore();
        return;
    }
    const QImage ink = surface.copy(pixels.toAlignedRect()).convertToFormat(QImage::Format_ARGB32);
    QImage inked(ink.size(), QImage::Format_ARGB32);
    inked.setDevicePixelRatio(ratio);
    {
        QPainter under(&inked);
        under.translate(-QPointF(panel.topLeft()));
        under.drawImage(QRectF(panel), ink, QRectF(QPointF(), ink.size()));
        qtcontrols::PaintLayer(under, WorksheetLayer(source.Controls), QRegion(panel));
        under.setCompositionMode(QPainter::CompositionMode_Multiply);
        under.drawImage(QRectF(panel), ink, QRectF(QPointF(), ink.size()));
    }
    // As opaque as the stroke is dark: the surface's white (the window's
    // background) covers nothing, a stroke's middle covers all.
    const int back = qGray(qtcontrols::ToQColor(source.Controls.Form1.BackColor).rgb());
    for (int y = 0; y < inked.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(inked.scanLine(y));
        const auto* strokes = reinterpret_cast<const QRgb*>(ink.constScanLine(y));
        for (int x = 0; x < inked.width(); ++x) {
            const int darkest = std::min({qRed(strokes[x]), qGreen(strokes[x]), qBlue(strokes[x])});
            const int alpha = back > 0 ? std::clamp(255 - darkest * 255 / back, 0, 255) : 255;
            row[x] = qRgba(qRed(row[x]), qGreen(row[x]), qBlue(row[x]), alpha);
        }
    }
    // As exact as the picture is: a PDF would otherwise keep it as a JPEG.
    painter.save();
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(QRectF(panel), inked);
    painter.restore();
}

// Paints in the client area's pixels: the window's background, the memo
// strokes, then the figure, back to front, with the window's own painter,
// and the strokes again over the lesson's panel.
void PaintFigure(QPainter& painter, const WorksheetSource& source)
{
    const controls::Form& form = source.Controls.Form1;
    const QRectF area(0, 0, form.ScaleWidth, form.ScaleHeight);
    painter.fillRect(area, qtcontrols::ToQColor(form.BackColor));
    const bool drawn = HasDrawing(source.Surface, form.BackColor);
    if (drawn)
        painter.drawImage(area, *source.Surface);
    qtcontrols::PaintLayer(painter, WorksheetLayer(source.Controls), QRegion(ClientArea(form)));
    if (drawn)
        PaintInkOverLesson(painter, source);
}

// The sheet in its own units, on white.
void PaintSheet(QPainter& painter, const Handout& sheet)
{
    const QRect area(0, 0, int(std::ceil(sheet.Width)), int(std::ceil(sheet.Height)));
    painter.fillRect(area, Qt::white);
    qtcontrols::PaintLayer(painter, HandoutLayer(sheet), QRegion(area));
}

// Pixels of a picture to the metre, for `millimetres` to its pixel on paper.
int DotsPerMeter(double millimetres)
{
    return int(std::lround(1000 / millimetres));
}

} // namespace

std::optional<WorksheetFormat> FormatOf(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("svg"))
        return WorksheetFormat::Svg;
    if (suffix == QLatin1String("png"))
        return WorksheetFormat::Png;
    if (suffix == QLatin1String("pdf"))
        return WorksheetFormat::Pdf;
    return std::nullopt;
}

std::string WorksheetSvg(const WorksheetSource& source)
{
    if (source.Sheet)
        return HandoutSvg(*source.Sheet, source.Metrics);
    const controls::Form& form = source.Controls.Form1;
    const std::string surface = HasDrawing(source.Surface, form.BackColor)
        ? DataUri(*source.Surface).toStdString() : std::string();
    return app::WorksheetSvg(source.Controls, source.Metrics, surface, source.MillimetresPerPixel);
}

QImage WorksheetPicture(const WorksheetSource& source, qreal devicePixelRatio)
{
    if (source.Sheet) {
        const SheetPixels size = HandoutPicturePixels();
        QImage picture(size.Width, size.Height, QImage::Format_RGB32);
        if (picture.isNull())
            return picture;
        const int dotsPerMeter = DotsPerMeter(25.4 / HandoutDotsPerInch);
        picture.setDotsPerMeterX(dotsPerMeter);
        picture.setDotsPerMeterY(dotsPerMeter);
        QPainter painter(&picture);
        const qreal scale = HandoutPictureRatio(*source.Sheet);
        painter.scale(scale, scale);
        PaintSheet(painter, *source.Sheet);
        return picture;
    }
    const qreal ratio = 2 * devicePixelRatio;
    const QRect area = ClientArea(source.Controls.Form1);
    QImage picture((QSizeF(area.size()) * ratio).toSize(), QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    picture.setDevicePixelRatio(ratio);
    // Printed or placed in a document, it takes the window's size on screen,
    // or true to scale, BC 5 cm long.
    const int dotsPerMeter = source.MillimetresPerPixel > 0 ? DotsPerMeter(source.MillimetresPerPixel / ratio)
                                                            : int(std::lround(ratio * 96 / 0.0254));
    picture.setDotsPerMeterX(dotsPerMeter);
    picture.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&picture);
    PaintFigure(painter, source);
    return picture;
}

void PaintWorksheetPage(QPainter& painter, const QRectF& page, const WorksheetSource& source)
{
    if (source.Sheet) {
        const Handout& sheet = *source.Sheet;
        if (!(sheet.Width > 0 && sheet.Height > 0) || page.isEmpty())
            return;
        const qreal scale = std::min(page.width() / sheet.Width, page.height() / sheet.Height);
        painter.save();
        painter.translate(page.center() - QPointF(sheet.Width * scale / 2, sheet.Height * scale / 2));
        painter.scale(scale, scale);
        PaintSheet(painter, sheet);
        painter.restore();
        return;
    }
    const controls::Form& form = source.Controls.Form1;
    if (!(form.ScaleWidth > 0 && form.ScaleHeight > 0) || page.isEmpty())
        return;
    // True to scale, the page's own resolution says how many of its units
    // make a millimetre; a figure larger than the page is cut to it.
    const qreal scale = source.MillimetresPerPixel > 0 && painter.device()
        ? source.MillimetresPerPixel * painter.device()->logicalDpiX() / 25.4
        : std::min(page.width() / form.ScaleWidth, page.height() / form.ScaleHeight);
    const QSizeF size(form.ScaleWidth * scale, form.ScaleHeight * scale);
    const QPointF corner = page.center() - QPointF(size.width() / 2, size.height() / 2);
    painter.save();
    painter.translate(corner);
    painter.scale(scale, scale);
    // Grid lines reach past the client area; the page shows what the window
    // does, and no more of it than the page holds.
    const QRectF onPage((page.left() - corner.x()) / scale, (page.top() - corner.y()) / scale,
                        page.width() / scale, page.height() / scale);
    painter.setClipRect(QRectF(0, 0, form.ScaleWidth, form.ScaleHeight).intersected(onPage));
    PaintFigure(painter, source);
    painter.restore();
}

QPageLayout::Orientation PageOrientation(const controls::Form& form)
{
    return form.ScaleWidth > form.ScaleHeight ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QPageLayout PdfPageLayout(const WorksheetSource& source)
{
    if (source.Sheet)
        return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    // An A4 page turned the way the figure is, with even margins, so that
    // the figure sits in the middle of the sheet.
    return QPageLayout(QPageSize(QPageSize::A4), PageOrientation(source.Controls.Form1), QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

bool PrintWorksheet(QPrinter& printer, const WorksheetSource& source)
{
    // The printer keeps its settings for the next figure.
    const bool fullPage = printer.fullPage();
    const QPageLayout::Orientation orientation = printer.pageLayout().orientation();
    if (source.Sheet) {
        printer.setFullPage(true);
        printer.setPageOrientation(QPageLayout::Portrait);
    }
    QPainter painter;
    bool printed = painter.begin(&printer);
    if (printed) {
        PaintWorksheetPage(painter, QRectF(0, 0, printer.width(), printer.height()), source);
        printed = painter.end();
    }
    printer.setFullPage(fullPage);
    printer.setPageOrientation(orientation);
    return printed;
}

} // namespace app
