#pragma once

#include <QAccessibleWidget>

class QAbstractButton;

namespace qtcontrols {

// What assistive technology sees of a check box, an option button or a push
// button, and how it works one: its Toggle or Press action clicks the button
// exactly as a person does. The toolkit's own Toggle only flips the checked
// state, without the click that the program's handlers answer, and does
// nothing at all on the option button already chosen, which a click still
// answers by clearing the memo.
class ButtonAccessible final : public QAccessibleWidget {
public:
    explicit ButtonAccessible(QAbstractButton* button);

    [[nodiscard]] QString text(QAccessible::Text t) const override;
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    [[nodiscard]] QAbstractButton* button() const;
};

} // namespace qtcontrols
