#include "buttonaccessible.h"

#include <QCheckBox>
#include <QRadioButton>

namespace qtcontrols {

namespace {

QAccessible::Role RoleOf(const QAbstractButton* button)
{
    if (qobject_cast<const QCheckBox*>(button))
        return QAccessible::CheckBox;
    if (qobject_cast<const QRadioButton*>(button))
        return QAccessible::RadioButton;
    return QAccessible::Button;
}

} // namespace

ButtonAccessible::ButtonAccessible(QAbstractButton* button) : QAccessibleWidget(button, RoleOf(button))
{
}

QAbstractButton* ButtonAccessible::button() const
{
    return static_cast<QAbstractButton*>(widget());
}

QString ButtonAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return button()->text();
    return QAccessibleWidget::text(t);
}

QAccessible::State ButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (button()->isCheckable()) {
        state.checkable = true;
        state.checked = button()->isChecked();
    }
    state.pressed = button()->isDown();
    return state;
}

QStringList ButtonAccessible::actionNames() const
{
    QStringList names;
    if (widget()->isEnabled())
        names << (button()->isCheckable() ? toggleAction() : pressAction());
    return names + QAccessibleWidget::actionNames();
}

void ButtonAccessible::doAction(const QString& actionName)
{
    if (actionName == toggleAction() || actionName == pressAction()) {
        if (widget()->isEnabled())
            button()->click();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

} // namespace qtcontrols
