#include "figurewidget.h"

#include "inputcodes.h"
#include "form/readoutsummary.h"

#include <QKeyEvent>
#include <QPainter>

namespace app {

namespace {

// Wide enough to see from the back of a classroom, narrow enough to leave
// the grid's edge cells readable.
constexpr int FrameWidth = 3;

} // namespace

FigureWidget::FigureWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Figure"));
    // Tab only: a press on the figure is a drag, and leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(QString::fromUtf8(FigureName));
}

QRegion FigureWidget::FocusFrame() const
{
    return QRegion(rect()) - QRegion(rect().adjusted(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth));
}

void FigureWidget::PaintFocusFrame(QPainter& painter) const
{
    const QColor colour = palette().color(QPalette::Highlight);
    for (const QRect& band : FocusFrame())
        painter.fillRect(band, colour);
}

void FigureWidget::keyPressEvent(QKeyEvent* event)
{
    const int code = KeyCode(event->key());
    if (code == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit keyDown(code, ShiftCode(event->modifiers()), event->isAutoRepeat());
}

void FigureWidget::keyReleaseEvent(QKeyEvent* event)
{
    if (KeyCode(event->key()) == 0) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        emit keyUp();
}

void FigureWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    emit focusChanged();
}

void FigureWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    emit focusChanged();
}

} // namespace app
