#include "form/Zoom.h"

#include "design/WindowDesign.h"

#include <algorithm>
#include <iterator>

std::optional<ZoomKey> zoomKeyOf(ZoomKeyName key, bool control) {
    switch (key) {
    case ZoomKeyName::f11:
        return ZoomKey::toggleFullScreen;
    case ZoomKeyName::escape:
        return ZoomKey::leaveFullScreen;
    case ZoomKeyName::plus:
        return control ? std::optional(ZoomKey::zoomIn) : std::nullopt;
    case ZoomKeyName::minus:
        return control ? std::optional(ZoomKey::zoomOut) : std::nullopt;
    case ZoomKeyName::zero:
        return control ? std::optional(ZoomKey::actualSize) : std::nullopt;
    }
    return std::nullopt;
}

Zoom zoomAfter(Zoom zoom, ZoomKey key) {
    if (key == ZoomKey::toggleFullScreen || key == ZoomKey::leaveFullScreen) {
        zoom.fullScreen = key == ZoomKey::toggleFullScreen && !zoom.fullScreen;
        return zoom;
    }
    if (zoom.fullScreen || zoom.fillsWindow)
        return zoom;
    const int *const first = std::begin(zoomSteps);
    const int *const last = std::end(zoomSteps);
    if (key == ZoomKey::actualSize)
        zoom.percent = zoomMinimum;
    else if (key == ZoomKey::zoomIn)
        zoom.percent = *std::min(std::upper_bound(first, last, zoom.percent), last - 1);
    else if (const int *below = std::lower_bound(first, last, zoom.percent); below != first)
        zoom.percent = *(below - 1);
    return zoom;
}

double zoomFactor(const Zoom &zoom, double areaWidth, double areaHeight) {
    if (!zoom.fullScreen && !zoom.fillsWindow)
        return zoom.percent / 100.0;
    const ClientSize form = clientAreaSize();
    return std::max(std::min(areaWidth / form.width, areaHeight / form.height), 0.0);
}
