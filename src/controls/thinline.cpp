#include "thinline.h"

namespace controls {

PixelRect ThinLinePixels(const Line& line)
{
    const int left = WholePixels(std::floor(std::min(line.X1, line.X2)));
    const int top = WholePixels(std::floor(std::min(line.Y1, line.Y2)));
    return {left, top, std::max(left + 1, WholePixels(std::floor(std::max(line.X1, line.X2)))),
            std::max(top + 1, WholePixels(std::floor(std::max(line.Y1, line.Y2))))};
}

PixelRect ThinLineDevicePixels(const Line& line, DeviceAxis x, DeviceAxis y)
{
    const PixelRect pixels = ThinLinePixels(line);
    const auto edge = [](DeviceAxis axis, int pixel) { return WholePixels(std::round(pixel * axis.scale + axis.offset)); };
    PixelRect device{edge(x, pixels.left), edge(y, pixels.top), edge(x, pixels.right), edge(y, pixels.bottom)};
    if (line.X1 == line.X2)
        device.right = device.left + ThinLineDeviceWidth(x.scale);
    else
        device.bottom = device.top + ThinLineDeviceWidth(y.scale);
    return device;
}

} // namespace controls
