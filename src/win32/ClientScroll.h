#pragma once

#include <windows.h>

#include <functional>

// The window's client area where it does not fit the screen: a small screen, or a high
// resolution. The window is made no larger than the work area of its monitor; a scroll bar
// appears along each side where the client area does not fit, and its arrows, page areas and
// thumb, and the mouse wheel (with Shift, sideways), scroll the client area.
class ClientScroll {
public:
    // moved: the client area now shows its content from origin() on.
    ClientScroll(HWND window, int dpi, std::function<void()> moved);

    // Where the content shows from, in device pixels.
    POINT origin() const { return origin_; }

    // A new resolution, or zoom: the content is as large as the design at both.
    void setDpi(int dpi);
    void setZoom(double factor);
    SIZE contentSize() const;

    // The window that holds the whole client area, where it stands now.
    RECT windowForWholeClientArea() const;
    // Makes the window the wanted size, or as much of it as the work area of its monitor holds,
    // inside that work area.
    void fitWindow(const RECT &wanted);

    // The window's size changed: its scroll bars follow.
    void update();
    // A scroll code from the window's own scroll bar, SB_HORZ or SB_VERT.
    void scroll(int bar, UINT code, int position);
    void wheel(int delta, bool sideways);

private:
    int scaled(int designPixels) const;
    SIZE clientSizeWithoutScrollBars() const;
    void scrollBy(int dx, int dy);

    HWND window_;
    int dpi_;
    double zoom_ = 1;
    std::function<void()> moved_;
    POINT origin_{};
    bool updating_ = false;
};
