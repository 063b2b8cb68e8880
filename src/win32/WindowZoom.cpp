#include "win32/FormWindow.h"

#include <algorithm>
#include <map>
#include <optional>

// The zoom: the keys, full screen, a new resolution, and the form scaled and placed at them.

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

void FormWindow::setZoom(const Zoom &zoom) {
    const Zoom before = zoom_;
    zoom_ = zoom;
    if (zoom.fullScreen != before.fullScreen)
        showFullScreen(zoom.fullScreen);
    applyZoom();
    if (zoom.percent != before.percent && !zoom.fullScreen && !zoom.fillsWindow)
        scroll_->fitWindow(scroll_->windowForWholeClientArea());
}

bool FormWindow::handleZoomKey(const MSG &message) {
    if (message.message != WM_KEYDOWN ||
        (message.hwnd != window_ && !IsChild(window_, message.hwnd)))
        return false;
    const std::optional<ZoomKey> key = zoomKeyOf(message.wParam);
    if (!key || (key == ZoomKey::leaveFullScreen && !zoom_.fullScreen))
        return false;
    setZoom(zoomAfter(zoom_, *key));
    return true;
}

// Full screen is the monitor the window is on, without a frame; leaving it gives the window back
// its place and frame.
void FormWindow::showFullScreen(bool fullScreen) {
    const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    if (fullScreen) {
        GetWindowPlacement(window_, &placementBeforeFullScreen_);
        placementBeforeFullScreen_.length = sizeof(placementBeforeFullScreen_);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor);
        SetWindowLongPtrW(window_, GWL_STYLE, (style & ~LONG_PTR(WS_OVERLAPPEDWINDOW)) | WS_POPUP);
        const RECT &screen = monitor.rcMonitor;
        SetWindowPos(window_, HWND_TOP, screen.left, screen.top, screen.right - screen.left,
                     screen.bottom - screen.top, SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    } else {
        SetWindowLongPtrW(window_, GWL_STYLE, (style & ~LONG_PTR(WS_POPUP)) | WS_OVERLAPPEDWINDOW);
        SetWindowPlacement(window_, &placementBeforeFullScreen_);
        SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    }
}

// The form at the zoom's factor: where it fills the window, the largest that fits it whole.
bool FormWindow::applyZoom() {
    RECT client;
    GetClientRect(window_, &client);
    const double perDesignPixel = double(dpi_) / designDotsPerInch;
    const double factor =
        zoomFactor(zoom_, client.right / perDesignPixel, client.bottom / perDesignPixel);
    if (factor <= 0 || factor == factor_)
        return false;
    factor_ = factor;
    rescale();
    return true;
}

// The fonts, the picture and the controls at the resolution times the zoom.
void FormWindow::rescale() {
    auto fonts = std::make_unique<ControlFonts>(scaledDpi());
    surface_->changeResolution(scaledDpi(), *fonts);
    std::swap(fonts_, fonts);
    scroll_->setZoom(factor_);
    scroll_->update();
    showScrolled();
}

// Where the client area shows the form from: scrolled where it is larger, centred where it is
// smaller.
POINT FormWindow::shownFrom() const {
    RECT client;
    GetClientRect(window_, &client);
    const SIZE content = scroll_->contentSize();
    const POINT scrolled = scroll_->origin();
    return {scrolled.x - std::max(LONG(0), (client.right - content.cx) / 2),
            scrolled.y - std::max(LONG(0), (client.bottom - content.cy) / 2)};
}

// On a monitor of another resolution the zoom stays: both multiply.
void FormWindow::OnDpiChanged(int dpi, const RECT &suggested) {
    scroll_->setDpi(dpi);
    dpi_ = dpi;
    rescale();
    scroll_->fitWindow(suggested);
}
