#include "surfaceimage.h"

#include "backgroundimage.h"
#include "qtconvert.h"
#include "repaintpacer.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace qtcontrols {

SurfaceImage::SurfaceImage(QWidget& window, RepaintPacer& pacer) : m_window(window), m_pacer(pacer)
{
}

void SurfaceImage::SetPens(controls::Color back, controls::Color fore, int drawWidth)
{
    m_back = back;
    m_fore = fore;
    m_drawWidth = drawWidth;
}

void SurfaceImage::Resize(QSize size, qreal devicePixelRatio)
{
    const QSize pixels = (QSizeF(size) * devicePixelRatio).toSize().expandedTo(QSize(1, 1));
    if (m_size == size && m_image.size() == pixels && m_image.devicePixelRatio() == devicePixelRatio)
        return;
    // Moved to a screen of another pixel density: the strokes stay, redrawn
    // at the new density. The logical size is kept apart: at a fractional
    // ratio the image's pixels divided by the ratio need not give it back
    // (676 rows at 1.25 are 540.8 logical rows, not 541).
    if (!m_image.isNull() && m_size == size) {
        m_image = m_image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_image.setDevicePixelRatio(devicePixelRatio);
        m_changed = true;
        return;
    }
    m_size = size;
    m_changed = true;
    // A client area without height still gets a surface, of one pixel row,
    // so that drawing on it never needs a special case.
    m_image = QImage(pixels, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(devicePixelRatio);
    m_image.fill(ToQColor(m_back));
}

void SurfaceImage::Cls()
{
    m_image.fill(ToQColor(m_back));
    m_changed = true;
    m_pacer.Update(m_window.rect());
}

void SurfaceImage::Line(float x1, float y1, float x2, float y2)
{
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return;
    QPainter painter(&m_image);
    painter.setPen(QPen(ToQColor(m_fore), m_drawWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QLineF segment(x1, y1, x2, y2);
    painter.drawLine(segment);

    const qreal reach = m_drawWidth / 2.0 + 2;
    const QRect changed = QRectF(segment.p1(), segment.p2()).normalized()
                              .adjusted(-reach, -reach, reach, reach).toAlignedRect();
    m_changed = true;
    m_pacer.Update(changed);
}

void SurfaceImage::Refresh()
{
    m_window.repaint();
}

void SurfaceImage::PaintOn(QPainter& painter, const QRect& area) const
{
    BackgroundImage::CopyArea(painter, m_image, area);
}

bool SurfaceImage::TakeChanged()
{
    return std::exchange(m_changed, false);
}

} // namespace qtcontrols
