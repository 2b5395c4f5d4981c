#pragma once

#include <QWidget>

namespace controls {
struct Shape;
} // namespace controls

namespace qtcontrols {

// The parent of the option buttons of one array: buttons with one parent
// form one exclusive group, and assistive technology sees them as a group,
// "1 of 2", whose extent is the panel behind them. It paints nothing, and a
// press on it outside the buttons is not its own: it goes on to the window
// beneath, as a press on the panel always has.
class OptionGroup final : public QWidget {
    Q_OBJECT

public:
    // It starts at the parent's origin and reaches to the panel's far
    // corner, so that the buttons keep the positions of the description.
    OptionGroup(const controls::Shape& panel, QWidget* parent);

    // The panel, in this widget's coordinates (which are the parent's).
    [[nodiscard]] QRect Panel() const { return m_panel; }

private:
    QRect m_panel;
};

} // namespace qtcontrols
