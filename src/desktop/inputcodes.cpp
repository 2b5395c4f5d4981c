#include "inputcodes.h"

#include "form/keycodes.h"

namespace app {

int ButtonCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? vbLeftButton : 0) | (buttons & Qt::RightButton ? vbRightButton : 0)
        | (buttons & Qt::MiddleButton ? vbMiddleButton : 0);
}

int ShiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? vbShiftMask : 0) | (modifiers & Qt::ControlModifier ? vbCtrlMask : 0)
        | (modifiers & Qt::AltModifier ? vbAltMask : 0);
}

int KeyCode(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return vbKeyLeft;
    case Qt::Key_Right:
        return vbKeyRight;
    case Qt::Key_PageUp:
        return vbKeyPageUp;
    case Qt::Key_PageDown:
        return vbKeyPageDown;
    case Qt::Key_Home:
        return vbKeyHome;
    case Qt::Key_S:
        return vbKeyS;
    case Qt::Key_F1:
        return vbKeyF1;
    case Qt::Key_F5:
        return vbKeyF5;
    case Qt::Key_Escape:
        return vbKeyEscape;
    default:
        return 0;
    }
}

} // namespace app
