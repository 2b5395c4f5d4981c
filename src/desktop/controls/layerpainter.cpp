#include "layerpainter.h"

#include "qtconvert.h"

#include "controls/overloaded.h"
#include "controls/paintedarea.h"
#include "controls/thinline.h"

#include <QPainter>
#include <QStaticText>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace qtcontrols {

namespace {

// A level or upright 1-pixel line, such as a grid line, as the device
// pixels it fills (controls/thinline.h): one width for every line at any
// scale, 125 % and 150 % included.
QRectF ThinLineRect(const QPainter& painter, const controls::Line& line)
{
    const QTransform toDevice = painter.deviceTransform();
    if (toDevice.type() > QTransform::TxScale)
        return QRectF(ToQRect(controls::ThinLinePixels(line)));
    const controls::PixelRect device = controls::ThinLineDevicePixels(line, {toDevice.m11(), toDevice.dx()},
                                                                      {toDevice.m22(), toDevice.dy()});
    // Mapped back, the corners lie within rounding of whole device pixels,
    // which the painter rounds to the same pixels.
    return toDevice.inverted().mapRect(QRectF(ToQRect(device)));
}

void FillThinLine(QPainter& painter, const controls::Line& line)
{
    painter.fillRect(ThinLineRect(painter, line), ToQColor(line.BorderColor));
}

// The same line only where it crosses `area`: the painter follows a fill
// row by row through a clip of many rectangles, so a grid line across the
// whole window costs its whole length however little of it is to be
// painted. Each piece reaches a pixel beyond the rectangle it crosses, so
// that no rounding at any scale leaves a pixel of the area out; the clip
// keeps the piece within the area, and the rows it rounds to at its cut
// ends are rows the whole line fills.
void FillThinLine(QPainter& painter, const controls::Line& line, const QRegion& area)
{
    const QRectF whole = ThinLineRect(painter, line);
    const QColor colour = ToQColor(line.BorderColor);
    for (const QRect& part : area) {
        const QRectF piece = whole.intersected(QRectF(part.adjusted(-1, -1, 1, 1)));
        if (!piece.isEmpty())
            painter.fillRect(piece, colour);
    }
}

void PaintLine(QPainter& painter, const controls::Line& line)
{
    // Filled as a rectangle, a grid line costs a fraction of a stroke to clip.
    if (controls::IsThinLine(line)) {
        FillThinLine(painter, line);
        return;
    }
    // Wide pens have round ends, so the sides of the triangle meet cleanly.
    const Qt::PenCapStyle cap = line.BorderWidth > 1 ? Qt::RoundCap : Qt::FlatCap;
    painter.setPen(QPen(ToQColor(line.BorderColor), line.BorderWidth, Qt::SolidLine, cap, Qt::RoundJoin));
    painter.drawLine(QLineF(line.X1, line.Y1, line.X2, line.Y2));
}

// A caption laid out once in its font. The read-outs run through a few dozen
// captions while A is dragged; shaping the same text again on every repaint
// would be most of what painting a label costs.
struct PreparedCaption {
    controls::Font font;
    std::string caption;
    QFont qfont;
    QStaticText text;
};

const PreparedCaption& Prepare(const controls::Label& label)
{
    // Painting happens on the one GUI thread only.
    static std::vector<PreparedCaption> prepared;
    for (const PreparedCaption& entry : prepared) {
        if (entry.caption == label.Caption() && entry.font == label.Font)
            return entry;
    }
    constexpr std::size_t mostCaptions = 256; // far more than the program ever shows
    if (prepared.size() == mostCaptions)
        prepared.clear();
    PreparedCaption entry{label.Font, label.Caption(), ToQFont(label.Font), QStaticText(ToQString(label.Caption()))};
    entry.text.setTextFormat(Qt::PlainText);
    entry.text.prepare(QTransform(), entry.qfont);
    prepared.push_back(std::move(entry));
    return prepared.back();
}

void PaintLabel(QPainter& painter, const controls::Label& label)
{
    const QRect box = LabelBox(label);
    if (!label.Transparent)
        painter.fillRect(box, ToQColor(label.BackColor));
    const PreparedCaption& caption = Prepare(label);
    painter.setPen(ToQColor(label.ForeColor));
    painter.setFont(caption.qfont);
    painter.drawStaticText(box.topLeft(), caption.text);
}

void PaintShape(QPainter& painter, const controls::Shape& shape)
{
    // The corners are rounded by a sixth of the shorter side.
    const qreal radius = std::min(shape.Width, shape.Height) / 6.0;
    painter.setPen(QPen(ToQColor(shape.BorderColor), 1));
    painter.setBrush(ToQColor(shape.BackColor));
    painter.drawRoundedRect(QRectF(shape.Left, shape.Top, shape.Width - 1, shape.Height - 1), radius, radius);
    painter.setBrush(Qt::NoBrush);
}

} // namespace

QRect LabelBox(const controls::Label& label)
{
    return ToQRect(controls::PaintedBox(label));
}

void Paint(QPainter& painter, const controls::LayerItem& item)
{
    if (!controls::IsVisible(item))
        return;
    std::visit(controls::Overloaded{
                   [&](const controls::Line* line) { PaintLine(painter, *line); },
                   [&](const controls::Label* label) { PaintLabel(painter, *label); },
                   [&](const controls::Shape* shape) { PaintShape(painter, *shape); },
               },
               item);
}

void PaintLayer(QPainter& painter, std::span<const controls::LayerItem> items, const QRegion& area)
{
    for (const controls::LayerItem& item : items) {
        if (!controls::IsVisible(item) || !area.intersects(ToQRect(controls::PaintedBounds(item))))
            continue;
        const auto* line = std::get_if<const controls::Line*>(&item);
        if (line && controls::IsThinLine(**line))
            FillThinLine(painter, **line, area);
        else
            Paint(painter, item);
    }
}

} // namespace qtcontrols
