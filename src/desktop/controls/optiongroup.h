#pragma once

#include <QWidget>

namespace controls {
struct Shape;
} // namespace controls

namespace qtcontrols {

// The parent of the option buttons of one array: buttons with one parent
// form one exclusive group, and assistive technology sees them as a group,
// "1 of 2", whose extent is the panel behind them. It paints nothing and
// holds only its buttons' area: a press anywhere else, on the panel beside
// them too, goes to the window beneath as if the group were not there.
class OptionGroup final : public QWidget {
    Q_OBJECT

public:
    // It starts at the parent's origin and reaches to the panel's far
    // corner, so that the buttons keep the positions of the description.
    OptionGroup(const controls::Shape& panel, QWidget* parent);

    // The panel, in this widget's coordinates (which are the parent's).
    [[nodiscard]] QRect Panel() const { return m_panel; }

    // Shrinks what it holds to its buttons; call once they are in place.
    void FitToButtons();

private:
    QRect m_panel;
};

} // namespace qtcontrols
