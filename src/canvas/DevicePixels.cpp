#include "canvas/DevicePixels.h"

#include <algorithm>
#include <cmath>

int deviceLineWidth(int width, double scale) {
    return std::max(1, int(std::lround(std::max(width, 1) * scale)));
}

std::optional<PixelRect> deviceRun(double x1, double y1, double x2, double y2, double scale) {
    const auto whole = [](double v) { return v == std::floor(v); };
    if (!(x1 == x2 || y1 == y2) || !(whole(x1) && whole(y1) && whole(x2) && whole(y2)))
        return std::nullopt;
    const int thickness = deviceLineWidth(1, scale);
    const auto start = [scale](double v) { return int(std::lround(v * scale)); };
    const auto end = [&](double first, double last) {
        return std::max(start(last + 1), first == last ? start(first) + thickness : 0);
    };
    const double left = std::min(x1, x2), top = std::min(y1, y2);
    const double right = std::max(x1, x2), bottom = std::max(y1, y2);
    return PixelRect{start(left), start(top), end(left, right) - start(left),
                     end(top, bottom) - start(top)};
}
