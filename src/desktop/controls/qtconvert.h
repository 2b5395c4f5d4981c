#pragma once

#include "controls/color.h"
#include "controls/font.h"
#include "controls/pixelrect.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <string_view>

namespace qtcontrols {

[[nodiscard]] inline QColor ToQColor(controls::Color color)
{
    return QColor(color.Red(), color.Green(), color.Blue());
}

[[nodiscard]] inline QRect ToQRect(const controls::PixelRect& rect)
{
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

[[nodiscard]] inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The toolkit font for a stored font, sized in pixels so that it keeps its
// size whatever the screen's DPI setting.
[[nodiscard]] QFont ToQFont(const controls::Font& font);

// Makes the toolkit draw the design's face, which Linux systems do not have,
// with a proportional Japanese Gothic: the first of IPAPGothic, VL PGothic and
// Noto Sans CJK JP that is installed. Call before any widget is created.
void InstallFontSubstitutes();

} // namespace qtcontrols
