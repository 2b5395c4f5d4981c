#include "buttonwidgets.h"

#include "qtconvert.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

namespace qtcontrols {

namespace {

// Places the widget and gives it its caption, font and opaque colours.
template <typename Widget>
Widget* Dress(Widget* widget, const controls::ButtonControl& control)
{
    widget->setText(ToQString(control.Caption));
    widget->setGeometry(QRectF(control.Left, control.Top, control.Width, control.Height).toRect());
    widget->setFont(ToQFont(control.Font));

    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(control.BackColor));
    palette.setColor(QPalette::Button, ToQColor(control.BackColor));
    if (control.ForeColor) {
        palette.setColor(QPalette::WindowText, ToQColor(*control.ForeColor));
        palette.setColor(QPalette::ButtonText, ToQColor(*control.ForeColor));
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    // Every press on a button is the button's, whatever the mouse button and
    // wherever on it: none may reach the window beneath and start a drag.
    widget->setAttribute(Qt::WA_NoMousePropagation);
    return widget;
}

// Return and Enter press the button while it has the focus, as Space does:
// outside a dialog the toolkit's push button leaves them to a default
// button that this window does not have.
class CommandButtonWidget final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

} // namespace

QCheckBox* MakeCheckBox(const controls::CheckBox& box, QWidget* parent)
{
    auto* widget = Dress(new QCheckBox(parent), box);
    widget->setChecked(box.Value != 0);
    return widget;
}

QRadioButton* MakeOptionButton(const controls::OptionButton& option, QWidget* parent)
{
    // Option buttons with the same parent form one exclusive group.
    auto* widget = Dress(new QRadioButton(parent), option);
    widget->setChecked(option.Value);
    return widget;
}

QPushButton* MakeCommandButton(const controls::CommandButton& button, QWidget* parent)
{
    auto* widget = Dress(new CommandButtonWidget(parent), button);
    // The graphical style: the face is the BackColor itself, flat, with a thin
    // raised edge that sinks while the button is down.
    const QColor face = ToQColor(button.BackColor);
    widget->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: %1; border: 2px outset %2; }"
        "QPushButton:pressed { border-style: inset; }"
        "QPushButton:focus { outline: none; border-color: %3; }")
                              .arg(face.name(), face.darker(130).name(), face.darker(170).name()));
    return widget;
}

} // namespace qtcontrols
