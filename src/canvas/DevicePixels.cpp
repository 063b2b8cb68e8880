#include "canvas/DevicePixels.h"

#include <algorithm>
#include <cmath>

int deviceLineWidth(int width, double scale) {
    return std::max(1, int(std::lround(std::max(width, 1) * scale)));
}

PixelRect deviceRect(const PixelRect &area, double scale) {
    const auto at = [scale](int v) { return int(std::lround(v * scale)); };
    const int left = at(area.left), top = at(area.top);
    return {left, top, at(area.left + area.width) - left, at(area.top + area.height) - top};
}

std::optional<PixelRect> deviceRun(double x1, double y1, double x2, double y2, double scale) {
    const auto whole = [](double v) { return v == std::floor(v); };
    if (!(x1 == x2 || y1 == y2) || !(whole(x1) && whole(y1) && whole(x2) && whole(y2)))
        return std::nullopt;
    const int left = int(std::min(x1, x2)), top = int(std::min(y1, y2));
    PixelRect run = deviceRect(
        {left, top, int(std::max(x1, x2)) - left + 1, int(std::max(y1, y2)) - top + 1}, scale);
    const int thickness = deviceLineWidth(1, scale);
    run.width = std::max(run.width, thickness);
    run.height = std::max(run.height, thickness);
    return run;
}
