#include "paintedarea.h"

#include "overloaded.h"

namespace controls {

PixelRect detail::LineBounds(double x1, double y1, double x2, double y2, int width)
{
    const double margin = double(width) / 2 + 2;
    return {WholePixels(std::floor(std::min(x1, x2) - margin)), WholePixels(std::floor(std::min(y1, y2) - margin)),
            WholePixels(std::ceil(std::max(x1, x2) + margin)), WholePixels(std::ceil(std::max(y1, y2) + margin))};
}

PixelRect PaintedBounds(const LayerItem& item)
{
    return std::visit(
        Overloaded{
            [](const Line* line) {
                return detail::LineBounds(line->X1, line->Y1, line->X2, line->Y2, line->BorderWidth);
            },
            // Glyphs may overhang their advance by a pixel or two, and a
            // browser's antialiasing by one more on the right.
            [](const Label* label) {
                const PixelRect box = PaintedBox(*label);
                return PixelRect{box.left - 2, box.top - 2, box.right + 4, box.bottom + 2};
            },
            [](const Shape* shape) {
                return PixelRect{WholePixels(std::floor(shape->Left)) - 1, WholePixels(std::floor(shape->Top)) - 1,
                                 WholePixels(std::ceil(shape->Left + shape->Width)) + 1,
                                 WholePixels(std::ceil(shape->Top + shape->Height)) + 1};
            },
        },
        item);
}

} // namespace controls
