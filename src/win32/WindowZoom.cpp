#include "win32/WindowZoom.h"

#include <map>
#include <utility>

namespace {

// The zoom keys, on the main keys or the keypad.
std::optional<ZoomKey> zoomKeyOf(WPARAM key) {
    static const std::map<WPARAM, ZoomKeyName> names = {
        {VK_F11, ZoomKeyName::f11},         {VK_ESCAPE, ZoomKeyName::escape},
        {VK_OEM_PLUS, ZoomKeyName::plus},   {VK_ADD, ZoomKeyName::plus},
        {VK_OEM_MINUS, ZoomKeyName::minus}, {VK_SUBTRACT, ZoomKeyName::minus},
        {'0', ZoomKeyName::zero},           {VK_NUMPAD0, ZoomKeyName::zero},
    };
    const auto found = names.find(key);
    if (found == names.end())
        return std::nullopt;
    return zoomKeyOf(found->second, GetKeyState(VK_CONTROL) < 0);
}

} // namespace

WindowZoom::WindowZoom(HWND window, Rescaled rescaled)
    : window_(window),
      rescaled_(std::move(rescaled)), scale_{static_cast<int>(GetDpiForWindow(window))} {}

std::optional<Zoom> WindowZoom::askedBy(const MSG &message) const {
    if (message.message != WM_KEYDOWN ||
        (message.hwnd != window_ && !IsChild(window_, message.hwnd)))
        return std::nullopt;
    const std::optional<ZoomKey> key = zoomKeyOf(message.wParam);
    if (!key || (key == ZoomKey::leaveFullScreen && !zoom_.fullScreen))
        return std::nullopt;
    return zoomAfter(zoom_, *key);
}

// Entering and leaving full screen resize the window, which the window follows meanwhile.
void WindowZoom::set(const Zoom &zoom) {
    const bool wasFullScreen = std::exchange(zoom_, zoom).fullScreen;
    if (zoom.fullScreen && !wasFullScreen)
        fullScreen_.enter(window_);
    else if (!zoom.fullScreen && wasFullScreen)
        fullScreen_.leave(window_);
    scaleToWindow();
}

// Maximised, the form fills the window.
bool WindowZoom::followSize(bool maximised) {
    zoom_.fillsWindow = maximised;
    return scaleToWindow();
}

void WindowZoom::setMonitorDpi(int dpi) {
    rescale({dpi, scale_.zoom});
}

// The form at the zoom's factor: where it fills the window, the largest that fits it whole.
bool WindowZoom::scaleToWindow() {
    RECT client;
    GetClientRect(window_, &client);
    const double perDesignPixel = double(scale_.monitorDpi) / designDotsPerInch;
    const double factor =
        zoomFactor(zoom_, client.right / perDesignPixel, client.bottom / perDesignPixel);
    if (factor <= 0 || factor == scale_.zoom)
        return false;
    rescale({scale_.monitorDpi, factor});
    return true;
}

void WindowZoom::rescale(const WindowScale &scale) {
    const WindowScale before = std::exchange(scale_, scale);
    rescaled_(before);
}
