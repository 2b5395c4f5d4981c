#pragma once

#include "form/form1controls.h"

#include <QPageLayout>
#include <QtGlobal>

#include <optional>
#include <string>

class QImage;
class QPainter;
class QPrinter;
class QRectF;
class QString;

namespace controls {
class TextMetrics;
} // namespace controls

namespace app {

struct Handout;

// The figure of a worksheet, as the window shows it now: the controls as
// they stand and the drawing surface beneath them; or, given a handout,
// that sheet in place of the figure.
struct WorksheetSource {
    const Form1Controls& Controls;
    const controls::TextMetrics& Metrics;
    const QImage* Surface = nullptr; // null when there is none to show
    const Handout* Sheet = nullptr;
    // The figure true to scale (TrueScaleMillimetres), or 0 to fit the page.
    double MillimetresPerPixel = 0;
};

enum class WorksheetFormat { Svg, Png, Pdf };

// The kind of file a name asks for, by its extension in any case.
[[nodiscard]] std::optional<WorksheetFormat> FormatOf(const QString& fileName);

// The figure as an SVG drawing; the memo strokes, if any, as a picture
// beneath it.
[[nodiscard]] std::string WorksheetSvg(const WorksheetSource& source);

// The figure as a picture of twice the client area's device pixels (the
// window's `devicePixelRatio`) on the window's white; a handout as a picture
// of the sheet at HandoutDotsPerInch. Null when a picture that large cannot
// be had. Its resolution is set so that it prints at the window's size on
// screen, true to scale, or as an A4 sheet.
[[nodiscard]] QImage WorksheetPicture(const WorksheetSource& source, qreal devicePixelRatio);

// The way a page is turned to give the figure the most room: landscape for a
// client area wider than high.
[[nodiscard]] QPageLayout::Orientation PageOrientation(const controls::Form& form);

// The page of a PDF: A4 turned the way the figure is, with even margins, or
// for a handout the whole A4 sheet upright, its margins its own.
[[nodiscard]] QPageLayout PdfPageLayout(const WorksheetSource& source);

// Paints the figure into `page` (the painter's coordinates), as large as
// fits with its proportions kept, centred, and nothing outside it; true to
// scale, the figure's middle in the middle of the page. A handout fills
// `page` as the sheet does.
void PaintWorksheetPage(QPainter& painter, const QRectF& page, const WorksheetSource& source);

// Prints the figure, as vectors, on one page of `printer`, fitted to the
// printable area; a handout on the whole paper, upright, so that A4 paper
// takes it at 100 %. False when the printer could not be started.
[[nodiscard]] bool PrintWorksheet(QPrinter& printer, const WorksheetSource& source);

} // namespace app
