#include "accessibility.h"

#include "figurewidget.h"
#include "form1window.h"

#include "desktop/controls/buttonaccessible.h"
#include "desktop/controls/optiongroup.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

namespace app {

namespace {

// The top-level window. Its name is its caption. A point is looked up from
// the top of the stack down: the figure lies under everything else and
// would otherwise answer for the whole client area.
class WindowAccessible final : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = childCount() - 1; i >= 0; --i) {
            QAccessibleInterface* child = this->child(i);
            if (child && child->isValid() && child->rect().contains(x, y))
                return child;
        }
        return nullptr;
    }
};

// The option buttons' group, as large as the panel behind them.
class GroupAccessible final : public QAccessibleWidget {
public:
    explicit GroupAccessible(qtcontrols::OptionGroup* group) : QAccessibleWidget(group, QAccessible::Grouping) {}

    [[nodiscard]] QRect rect() const override
    {
        const auto* group = static_cast<const qtcontrols::OptionGroup*>(widget());
        return QRect(group->mapToGlobal(group->Panel().topLeft()), group->Panel().size());
    }
};

// Only the window's own buttons: the toolkit's dialogs and message boxes
// keep the toolkit's accessible buttons, with their accelerators and default
// state, and names without the mnemonic markers.
bool IsOurs(const QObject* object)
{
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget && qobject_cast<const Form1Window*>(widget->window());
}

QAccessibleInterface* Interface(const QString& className, QObject* object)
{
    if (className == QLatin1String(Form1Window::staticMetaObject.className()))
        return new WindowAccessible(static_cast<QWidget*>(object));
    if (className == QLatin1String(FigureWidget::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    if (className == QLatin1String(qtcontrols::OptionGroup::staticMetaObject.className()))
        return new GroupAccessible(static_cast<qtcontrols::OptionGroup*>(object));
    if ((className == QLatin1String("QCheckBox") || className == QLatin1String("QRadioButton")
         || className == QLatin1String("QPushButton"))
        && IsOurs(object))
        return new qtcontrols::ButtonAccessible(static_cast<QAbstractButton*>(object));
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(Interface);
}

} // namespace app
