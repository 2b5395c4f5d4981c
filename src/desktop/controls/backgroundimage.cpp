#include "backgroundimage.h"

namespace qtcontrols {

// A pixel more each way: at a fractional ratio the copy takes whole device
// pixels along the edges of its area, which the clip of a repaint of the
// area alone may have left out.
void BackgroundImage::Invalidate(const QRegion& area)
{
    for (const QRect& part : area)
        m_stale += part.adjusted(-1, -1, 1, 1);
}

bool BackgroundImage::Prepare(QSize size, qreal ratio)
{
    const QSize pixels = (QSizeF(size) * ratio).toSize().expandedTo(QSize(1, 1));
    if (m_size != size || m_image.size() != pixels || m_image.devicePixelRatio() != ratio) {
        m_image = QImage(pixels, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(ratio);
        m_size = size;
        m_stale = QRect(QPoint(), size);
    }
    return !m_stale.isEmpty();
}

// The source is in the image's own pixels, widened to whole ones at a
// fractional ratio; the target is that same rectangle in logical pixels,
// so every pixel lands where a repaint of the whole window puts it. At a
// ratio of 1 this is a plain copy of the rectangle.
void BackgroundImage::CopyArea(QPainter& painter, const QImage& image, const QRect& area)
{
    const qreal ratio = image.devicePixelRatio();
    const QRect source = QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio)
                             .toAlignedRect()
                             .intersected(image.rect());
    if (source.isEmpty())
        return;
    const QRectF target(source.x() / ratio, source.y() / ratio, source.width() / ratio, source.height() / ratio);
    painter.drawImage(target, image, QRectF(source));
}

} // namespace qtcontrols
