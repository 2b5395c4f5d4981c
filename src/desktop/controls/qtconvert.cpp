#include "qtconvert.h"

#include <QGuiApplication>
#include <QStringList>

namespace qtcontrols {

QFont ToQFont(const controls::Font& font)
{
    QFont result = font.Name.empty() ? QGuiApplication::font() : QFont(ToQString(font.Name));
    result.setPixelSize(font.PixelSize());
    result.setWeight(QFont::Weight(font.Weight));
    result.setItalic(font.Italic);
    result.setUnderline(font.Underline);
    result.setStrikeOut(font.Strikethrough);
    return result;
}

void InstallFontSubstitutes()
{
    const QStringList gothics{QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic"),
                              QStringLiteral("Noto Sans CJK JP")};
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), gothics);
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), gothics);
}

} // namespace qtcontrols
