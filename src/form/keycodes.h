#pragma once

namespace app {

// Keys and shift states as the key handlers receive them: the classic
// virtual-key numbers and shift bits, so that every front end, whatever its
// own key names, maps onto the same few values.
inline constexpr int vbKeyEscape = 27;
inline constexpr int vbKeyPageUp = 33;
inline constexpr int vbKeyPageDown = 34;
inline constexpr int vbKeyHome = 36;
inline constexpr int vbKeyLeft = 37;
inline constexpr int vbKeyRight = 39;
inline constexpr int vbKeyS = 83;
inline constexpr int vbKeyF1 = 112;
inline constexpr int vbKeyF5 = 116;

inline constexpr int vbShiftMask = 1;
inline constexpr int vbCtrlMask = 2;
inline constexpr int vbAltMask = 4;

// The mouse buttons, as the mouse handlers number them.
inline constexpr int vbLeftButton = 1;
inline constexpr int vbRightButton = 2;
inline constexpr int vbMiddleButton = 4;

} // namespace app
