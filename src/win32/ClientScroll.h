#pragma once

#include "win32/WindowScale.h"

#include <windows.h>

#include <functional>

// The window's client area where it does not fit the screen: a small screen, or a high
// resolution. The window is made no larger than the work area of its monitor; a scroll bar
// appears along each side where the client area does not fit, and its arrows, page areas and
// thumb, and the mouse wheel (with Shift, sideways), scroll the client area. The content is the
// form at the window's scale; the window's frame and scroll bars are at its monitor's resolution.
class ClientScroll {
public:
    // moved: the client area now shows its content from origin() on.
    ClientScroll(HWND window, const WindowScale &scale, std::function<void()> moved);

    // Where the content is scrolled to, in device pixels.
    POINT origin() const { return origin_; }
    // Where the client area shows the content from: scrolled where the content is larger,
    // centred where it is smaller.
    POINT shownFrom() const;

    // The window's scale is new: the content shows from the same place in it as at the scale
    // before.
    void rescaled(const WindowScale &before);
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
    UINT monitorDpi() const { return static_cast<UINT>(scale_.monitorDpi); }
    SIZE clientSizeWithoutScrollBars() const;
    void scrollBy(int dx, int dy);

    HWND window_;
    const WindowScale &scale_;
    std::function<void()> moved_;
    POINT origin_{};
    bool updating_ = false;
};
