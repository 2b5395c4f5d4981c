#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>

namespace qtcontrols {

// The back of a window kept ready to copy: an image at the screen's device
// pixel ratio of what lies beneath the controls that move (the surface, and
// the grid over it while A is dragged). A repaint copies it in one piece,
// where a fill per grid line and a copy of the surface per rectangle of the
// repainted region cost many times more: the toolkit clips every one of
// them to the region row by row. The window says where the back changed;
// the image is painted again there before it is next copied.
class BackgroundImage {
public:
    // `area` (logical pixels) of the back is to be painted again.
    void Invalidate(const QRegion& area);

    // Copies `area` (logical pixels) of the back onto `painter`, after
    // `paintBack(painter, region)` has brought the image, of `size` logical
    // pixels at `ratio`, up to date within `region`.
    template <typename PaintBack>
    void CopyOnto(QPainter& painter, const QRect& area, QSize size, qreal ratio, PaintBack&& paintBack)
    {
        if (Prepare(size, ratio)) {
            QPainter back(&m_image);
            back.setClipRegion(m_stale);
            paintBack(back, m_stale);
            m_stale = QRegion();
        }
        CopyArea(painter, m_image, area);
    }

    // Copies the part of `image` (at its device pixel ratio) under `area`
    // (logical pixels) onto `painter`, pixel for pixel where a repaint of
    // the whole window puts it.
    static void CopyArea(QPainter& painter, const QImage& image, const QRect& area);

private:
    // Makes the image `size` at `ratio`, all of it stale if it was not;
    // whether any of it is stale.
    [[nodiscard]] bool Prepare(QSize size, qreal ratio);

    QImage m_image;
    QSize m_size; // logical pixels
    QRegion m_stale;
};

} // namespace qtcontrols
