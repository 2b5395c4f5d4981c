#pragma once

#include "desktop/form1window.h"
#include "desktop/controls/layerpainter.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QString>
#include <QStringList>
#include <QWindow>

#include <array>
#include <cstdint>
#include <iterator>
#include <random>
#include <vector>

namespace stress {

// The window's button widgets, by object name.
inline const QStringList ButtonNames{"Command1", "Option1_0", "Option1_1", "Check1", "Check2", "Check3", "Check4"};

// Every label the window paints, and so every label that takes presses.
[[nodiscard]] inline std::array<const controls::Label*, 10> Labels(const app::Form1Controls& c)
{
    return {&c.Label1[0], &c.Label1[1], &c.Label1[2], &c.Label1[3], &c.Label2,
            &c.Label3[0], &c.Label3[1], &c.Label3[2], &c.Label4[0], &c.Label4[1]};
}

enum class Kind { Move, Press, Release, Click, ClickButton, Resize, Minimize, Restore, RunEventLoop, Key };

// The keys the window takes wherever its focus is, as a presenter's remote
// and the lesson send them.
inline const Qt::Key WindowKeys[] = {Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_S, Qt::Key_F5, Qt::Key_Escape};

struct Action {
    Kind kind = Kind::Move;
    Qt::MouseButton button = Qt::NoButton;
    QPoint at;      // in the window, for the mouse
    QSize size;     // for a resize
    QString target; // the button widget to click
    Qt::Key key = Qt::Key_unknown;
    bool shift = false; // held with the key
};

inline QString Describe(const Action& a)
{
    // Qt Test sends an event for (0, 0) to the middle of the window.
    const QString at = QStringLiteral("(%1, %2)%3").arg(a.at.x()).arg(a.at.y())
                           .arg(a.at.isNull() ? QStringLiteral(", the middle") : QString());
    const QLatin1String button(a.button == Qt::LeftButton ? "left" : a.button == Qt::RightButton ? "right" : "middle");
    switch (a.kind) {
    case Kind::Move: return QStringLiteral("move to %1").arg(at);
    case Kind::Press: return QStringLiteral("press %1 at %2").arg(button, at);
    case Kind::Release: return QStringLiteral("release %1 at %2").arg(button, at);
    case Kind::Click: return QStringLiteral("click %1 at %2").arg(button, at);
    case Kind::ClickButton: return QStringLiteral("click on %1").arg(a.target);
    case Kind::Resize: return QStringLiteral("resize to %1 x %2").arg(a.size.width()).arg(a.size.height());
    case Kind::Minimize: return QStringLiteral("minimize");
    case Kind::Restore: return QStringLiteral("restore");
    case Kind::RunEventLoop: return QStringLiteral("run the event loop");
    case Kind::Key: return QStringLiteral("key %1%2").arg(a.shift ? QStringLiteral("Shift+") : QString(),
                                                          QKeySequence(a.key).toString());
    }
    return {};
}

// Picks the next event from the seed alone and what the window shows, so
// that a seed replays the same storm.
class Generator {
public:
    explicit Generator(std::uint64_t seed) : m_rng(seed) {}

    Action Next(const app::Form1Window& window, Qt::MouseButtons held)
    {
        Action a;
        int pick = Uniform(0, 999);
        // A window with no width or height is hidden: nothing to point at
        // or click on, only resizes, minimize, restore and the event loop.
        if (!window.windowHandle()->isVisible())
            pick = 900 + pick % 65;
        const Qt::MouseButton free = Button(~held), down = Button(held);
        if (pick < 520) {
            a.at = Point(window);
        } else if (pick < 800 && (down == Qt::NoButton || (pick < 660 && free != Qt::NoButton))) {
            a.kind = Kind::Press;
            a.button = free;
            a.at = Point(window);
        } else if (pick < 800) {
            a.kind = Kind::Release;
            a.button = down;
            a.at = Point(window);
        } else if (pick < 840 && free != Qt::NoButton) {
            a.kind = Kind::Click;
            a.button = free;
            a.at = Point(window);
        } else if (pick < 900) {
            a.kind = Kind::ClickButton;
            a.target = ButtonNames[Uniform(0, int(ButtonNames.size()) - 1)];
        } else if (pick < 925) {
            a.kind = Kind::Resize;
            a.size = Size();
        } else if (pick < 935) {
            a.kind = pick < 930 ? Kind::Minimize : Kind::Restore;
        } else if (pick < 965) {
            a.kind = Kind::RunEventLoop;
        } else if (pick < 990) {
            a.kind = Kind::Key;
            a.key = WindowKeys[Uniform(0, int(std::size(WindowKeys)) - 1)];
            a.shift = Uniform(0, 3) == 0;
        } else {
            a.at = Point(window);
        }
        return a;
    }

private:
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, std::max(low, high))(m_rng); }

    // One of `buttons`, or none.
    Qt::MouseButton Button(Qt::MouseButtons buttons)
    {
        std::vector<Qt::MouseButton> choice;
        for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            if (buttons & b)
                choice.push_back(b);
        }
        return choice.empty() ? Qt::NoButton : choice[std::size_t(Uniform(0, int(choice.size()) - 1))];
    }

    QPoint Point(const app::Form1Window& window)
    {
        const int w = window.width(), h = window.height();
        const int pick = Uniform(0, 99);
        if (pick < 35) {
            m_last += QPoint(Uniform(-12, 12), Uniform(-6, 6)); // the small steps of a drag
        } else if (pick < 60) {
            m_last = QPoint(Uniform(0, w - 1), Uniform(0, h - 1));
        } else if (pick < 70) {
            const int edge = Uniform(0, 3);
            const QPoint across(Uniform(-1, w), Uniform(-1, h));
            m_last = edge == 0 ? QPoint(0, across.y()) : edge == 1 ? QPoint(w - 1 + Uniform(0, 1), across.y())
                   : edge == 2 ? QPoint(across.x(), 0) : QPoint(across.x(), h - 1 + Uniform(0, 1));
        } else if (pick < 78) {
            m_last = QPoint(Uniform(-20000, 20000), Uniform(-20000, 20000));
        } else if (pick < 90) {
            const auto buttons = window.findChildren<QAbstractButton*>();
            const QRect on = buttons[Uniform(0, int(buttons.size()) - 1)]->geometry();
            m_last = QPoint(Uniform(on.left(), on.right()), Uniform(on.top(), on.bottom()));
        } else {
            const auto labels = Labels(window.form().Controls());
            const QRect on = qtcontrols::LabelBox(*labels[std::size_t(Uniform(0, int(labels.size()) - 1))]);
            m_last = QPoint(Uniform(on.left(), on.right()), Uniform(on.top(), on.bottom()));
        }
        return m_last;
    }

    QSize Size()
    {
        const int pick = Uniform(0, 199);
        if (pick == 0)
            return {8000, 6000};
        if (pick < 20)
            return {1, 1};
        if (pick < 45)
            return {Uniform(0, 1600), 0}; // no height at all
        if (pick < 70)
            return {Uniform(1, 30), Uniform(200, 1200)};
        if (pick < 110) {
            const int h = Uniform(1, 400);
            return {Uniform(3 * h + 1, 3 * h + 2000), h};
        }
        if (pick < 150)
            return {Uniform(600, 1200), Uniform(400, 800)};
        return {Uniform(1, 1600), Uniform(1, 1000)};
    }

    std::mt19937_64 m_rng;
    QPoint m_last{600, 300};
};

} // namespace stress
