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

// The figure of a worksheet, as the window shows it now: the controls as
// they stand and the drawing surface beneath them.
struct WorksheetSource {
    const Form1Controls& Controls;
    const controls::TextMetrics& Metrics;
    const QImage* Surface = nullptr; // null when there is none to show
};

enum class WorksheetFormat { Svg, Png, Pdf };

// The kind of file a name asks for, by its extension in any case.
[[nodiscard]] std::optional<WorksheetFormat> FormatOf(const QString& fileName);

// The figure as an SVG drawing; the memo strokes, if any, as a picture
// beneath it.
[[nodiscard]] std::string WorksheetSvg(const WorksheetSource& source);

// The figure as a picture of twice the client area's device pixels (the
// window's `devicePixelRatio`) on the window's white. Null when a picture
// that large cannot be had.
[[nodiscard]] QImage WorksheetPicture(const WorksheetSource& source, qreal devicePixelRatio);

// The way a page is turned to give the figure the most room: landscape for a
// client area wider than high.
[[nodiscard]] QPageLayout::Orientation PageOrientation(const controls::Form& form);

// Paints the figure into `page` (the painter's coordinates), as large as
// fits with its proportions kept, centred, and nothing outside it.
void PaintWorksheetPage(QPainter& painter, const QRectF& page, const WorksheetSource& source);

// Prints the figure, as vectors, on one page of `printer`, fitted to the
// printable area. False when the printer could not be started.
[[nodiscard]] bool PrintWorksheet(QPrinter& printer, const WorksheetSource& source);

} // namespace app
