#pragma once

#include <QPointF>
#include <Qt>

#include <algorithm>
#include <cstdint>

namespace stress {

// What the figure should do with the input, worked out from the program's
// rules alone: the storm compares the window against this after each event.
struct FigureModel {
    std::int64_t angle = 74;
    bool dragging = false;
    float lastX = 0;
    float lastY = 0;
    bool moveMode = true;   // Option1(0) selected; Option1(1) is memo mode
    int gridShown = 1;      // the flag the grid box goes by
    bool gridVisible = true;
    bool ticked[4] = {true, false, false, false}; // Check1..Check4
    int lesson = 0;         // the lesson's step
    // The press that started the drag, and whether it has moved nothing:
    // a right click that moved nothing opens the figure's menu.
    Qt::MouseButton pressButton = Qt::NoButton;
    bool pressStill = false;

    // The reset button, every resize, minimize and restore: A back at 74
    // degrees, the drag over, the whole grid shown. The flag and the boxes
    // stay as they are.
    void Rebuild()
    {
        angle = 74;
        dragging = false;
        gridVisible = true;
    }

    void Press(Qt::MouseButton button, float x, float y)
    {
        pressStill = !dragging;
        if (pressStill)
            pressButton = button;
        dragging = true;
        lastX = x;
        lastY = y;
    }

    // A move to the left turns A towards B, any other move towards C; in
    // memo mode it draws instead. Moves outside a drag, and reports at the
    // place of the last one, do nothing at all.
    void Move(float x, float y)
    {
        if (!dragging || (x == lastX && y == lastY))
            return;
        pressStill = false;
        if (moveMode)
            angle += x < lastX ? 1 : -1;
        lastX = x;
        lastY = y;
    }

    // Whether the release opens the figure's menu.
    bool Release(Qt::MouseButton button)
    {
        const bool click = dragging && pressStill && button == Qt::RightButton && pressButton == Qt::RightButton;
        dragging = false;
        pressStill = false;
        return click;
    }

    // The keys a presenter's remote sends, and the lesson's, which the
    // window takes wherever its focus is: F5 starts the lesson (Shift+F5
    // goes on where it is), Esc ends it, Page Down and Page Up step it
    // while it is on and turn A otherwise, in move mode, ten with Shift.
    void Key(Qt::Key key, bool shift)
    {
        const auto step = [this](int by) { lesson = std::clamp(lesson + by, 0, 9); };
        switch (key) {
        case Qt::Key_S: step(shift ? -1 : 1); break;
        case Qt::Key_F5: lesson = shift && lesson > 0 ? lesson : 1; break;
        case Qt::Key_Escape: lesson = 0; break;
        case Qt::Key_PageDown:
        case Qt::Key_PageUp:
            if (lesson > 0)
                step(key == Qt::Key_PageDown ? 1 : -1);
            else if (moveMode)
                angle += (key == Qt::Key_PageUp ? 1 : -1) * (shift ? 10 : 1);
            break;
        default: break;
        }
    }

    // The grid box goes by its flag, not by its tick.
    void ClickGridBox()
    {
        gridVisible = gridShown == 0;
        gridShown = gridShown == 0 ? 1 : 0;
    }
};

// Who has the mouse: the first button down picks the window, a visible label
// or a child widget, and it keeps the mouse until every button is up.
enum class Owner { None, Window, Label, Child };

// Which of the pointer events that reach the native window go on to the
// figure: only the window's own presses, moves and releases, and its moves
// only while a button is held.
class PointerModel {
public:
    explicit PointerModel(FigureModel& figure) : m_figure(figure) {}

    [[nodiscard]] Owner MouseOwner() const { return m_owner; }

    // `under` says what lies under the pointer, for a first button down.
    void Press(Qt::MouseButton button, Qt::MouseButtons held, QPointF at, Owner under)
    {
        if (held == button)
            m_owner = under;
        if (m_owner == Owner::Window)
            m_figure.Press(button, float(at.x()), float(at.y()));
    }

    void Move(Qt::MouseButtons held, QPointF at)
    {
        if (held != Qt::NoButton && m_owner == Owner::Window)
            m_figure.Move(float(at.x()), float(at.y()));
    }

    // Whether the release opens the figure's menu.
    bool Release(Qt::MouseButton button, Qt::MouseButtons held)
    {
        const bool menu = m_owner == Owner::Window && m_figure.Release(button) && held == Qt::NoButton;
        if (held == Qt::NoButton)
            m_owner = Owner::None;
        return menu;
    }

    // A window with no width or height is hidden by the toolkit, which then
    // forgets who had the mouse: the buttons come up without anyone seeing.
    void Forget() { m_owner = Owner::None; }

private:
    FigureModel& m_figure;
    Owner m_owner = Owner::None;
};

} // namespace stress
