#include "win32/FormWindow.h"

#include <algorithm>
#include <optional>

// The zoom: the keys, full screen, and the form scaled to it.

namespace {

// What a key asks of the zoom: F11 and Esc, and Ctrl with Plus (or =, which Plus shares a key
// with), Minus or 0, on the main keys or the keypad.
std::optional<ZoomKey> zoomKeyOf(WPARAM key) {
    const bool control = GetKeyState(VK_CONTROL) < 0;
    switch (key) {
    case VK_F11:
        return ZoomKey::toggleFullScreen;
    case VK_ESCAPE:
        return ZoomKey::leaveFullScreen;
    case VK_OEM_PLUS:
    case VK_ADD:
        return control ? std::optional(ZoomKey::zoomIn) : std::nullopt;
    case VK_OEM_MINUS:
    case VK_SUBTRACT:
        return control ? std::optional(ZoomKey::zoomOut) : std::nullopt;
    case '0':
    case VK_NUMPAD0:
        return control ? std::optional(ZoomKey::actualSize) : std::nullopt;
    default:
        return std::nullopt;
    }
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
void FormWindow::applyZoom() {
    RECT client;
    GetClientRect(window_, &client);
    const double perDesignPixel = double(dpi_) / designDotsPerInch;
    const double factor =
        zoomFactor(zoom_, client.right / perDesignPixel, client.bottom / perDesignPixel);
    if (factor <= 0 || factor == factor_)
        return;
    factor_ = factor;
    rescale();
}

// The fonts, the picture and the controls at the resolution times the zoom.
void FormWindow::rescale() {
    auto fonts = std::make_unique<ControlFonts>(dpi_ * factor_);
    surface_->changeResolution(dpi_ * factor_, *fonts);
    std::swap(fonts_, fonts);
    scroll_->setZoom(factor_);
    scroll_->update();
    showScrolled();
}
