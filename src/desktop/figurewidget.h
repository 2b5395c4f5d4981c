#pragma once

#include <QWidget>

class QPainter;

namespace app {

// The figure as a control of its own: it takes the keyboard focus after the
// check boxes, receives the keys that move A, and is what assistive
// technology sees of the figure. It covers the client area beneath the
// buttons but paints nothing and lets every mouse event through: the window
// goes on painting the whole client area in one pass and keeps the mouse, so
// the figure's painting and dragging are the same with it as without it.
class FigureWidget final : public QWidget {
    Q_OBJECT

public:
    explicit FigureWidget(QWidget* parent);

    // A band along the edges of the client area that shows the keyboard
    // focus. The window paints it over the memo surface and under the lines
    // and labels, so it lies only on blank surface: it moves and recolours
    // nothing of the figure.
    [[nodiscard]] QRegion FocusFrame() const;
    void PaintFocusFrame(QPainter& painter) const;

signals:
    // A key that Form1's key handler has a code for; `repeated` while the key
    // is held down and repeats.
    void keyDown(int KeyCode, int Shift, bool repeated);
    // The key is up again: no more repeats follow.
    void keyUp();
    void focusChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace app
