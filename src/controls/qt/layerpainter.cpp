#include "layerpainter.h"

#include "qtconvert.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace qtcontrols {

namespace {

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

QRect LineBounds(const controls::Line& line)
{
    const float margin = float(line.BorderWidth) / 2 + 2;
    const float left = std::min(line.X1, line.X2) - margin;
    const float top = std::min(line.Y1, line.Y2) - margin;
    const float right = std::max(line.X1, line.X2) + margin;
    const float bottom = std::max(line.Y1, line.Y2) + margin;
    return QRectF(QPointF(left, top), QPointF(right, bottom)).toAlignedRect();
}

QRect ShapeBounds(const controls::Shape& shape)
{
    return QRectF(shape.Left, shape.Top, shape.Width, shape.Height).toAlignedRect().adjusted(-1, -1, 1, 1);
}

void PaintLine(QPainter& painter, const controls::Line& line)
{
    // Wide pens have round ends, so the sides of the triangle meet cleanly.
    const Qt::PenCapStyle cap = line.BorderWidth > 1 ? Qt::RoundCap : Qt::FlatCap;
    painter.setPen(QPen(ToQColor(line.BorderColor), line.BorderWidth, Qt::SolidLine, cap, Qt::RoundJoin));
    painter.drawLine(QLineF(line.X1, line.Y1, line.X2, line.Y2));
}

void PaintLabel(QPainter& painter, const controls::Label& label)
{
    const QRect box = LabelBox(label);
    if (!label.Transparent)
        painter.fillRect(box, ToQColor(label.BackColor));
    painter.setPen(ToQColor(label.ForeColor));
    painter.setFont(ToQFont(label.Font));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine,
                     ToQString(label.Caption()));
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
    return QRect(int(std::lround(label.Left)), int(std::lround(label.Top)),
                 int(std::ceil(label.Width())), int(std::ceil(label.Height())));
}

QRect PaintedBounds(const controls::LayerItem& item)
{
    return std::visit(Overloaded{
                          [](const controls::Line* line) { return LineBounds(*line); },
                          // Glyphs may overhang their advance by a pixel or two.
                          [](const controls::Label* label) { return LabelBox(*label).adjusted(-2, -2, 2, 2); },
                          [](const controls::Shape* shape) { return ShapeBounds(*shape); },
                      },
                      item);
}

void Paint(QPainter& painter, const controls::LayerItem& item)
{
    if (!controls::IsVisible(item))
        return;
    std::visit(Overloaded{
                   [&](const controls::Line* line) { PaintLine(painter, *line); },
                   [&](const controls::Label* label) { PaintLabel(painter, *label); },
                   [&](const controls::Shape* shape) { PaintShape(painter, *shape); },
               },
               item);
}

void PaintLayer(QPainter& painter, const controls::Layer& layer, const QRect& area)
{
    for (const controls::LayerItem& item : layer) {
        if (controls::IsVisible(item) && PaintedBounds(item).intersects(area))
            Paint(painter, item);
    }
}

} // namespace qtcontrols
