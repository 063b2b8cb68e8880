#pragma once

#include <windows.h>

// A window's full screen: the whole monitor it is on, without a frame; leaving gives it back the
// place, state and frame it had before.
class FullScreen {
public:
    void enter(HWND window) {
        GetWindowPlacement(window, &before_);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
        setStyle(window, WS_OVERLAPPEDWINDOW, WS_POPUP);
        const RECT &screen = monitor.rcMonitor;
        SetWindowPos(window, HWND_TOP, screen.left, screen.top, screen.right - screen.left,
                     screen.bottom - screen.top, SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    }

    void leave(HWND window) const {
        setStyle(window, WS_POPUP, WS_OVERLAPPEDWINDOW);
        SetWindowPlacement(window, &before_);
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    }

private:
    static void setStyle(HWND window, DWORD without, DWORD with) {
        const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
        SetWindowLongPtrW(window, GWL_STYLE, (style & ~LONG_PTR(without)) | LONG_PTR(with));
    }

    WINDOWPLACEMENT before_{sizeof(WINDOWPLACEMENT), 0, 0, {}, {}, {}};
};
