#pragma once

#include <QElapsedTimer>
#include <QRegion>
#include <QTimer>

class QWidget;

namespace qtcontrols {

// Repaints a widget at most once per frame of its screen. Input can come far
// faster than a screen shows it (a 1000 Hz mouse turns A a thousand times a
// second): every change is still made at once, but what accumulates within a
// frame is painted together. A change after a quiet spell paints at once.
class RepaintPacer {
public:
    explicit RepaintPacer(QWidget& widget);

    // Asks for `region` of the widget to be repainted.
    void Update(const QRegion& region);

private:
    void Flush();
    [[nodiscard]] int FrameMilliseconds() const;

    QWidget& m_widget;
    QRegion m_pending;
    QElapsedTimer m_sinceFlush;
    QTimer m_timer;
};

} // namespace qtcontrols
