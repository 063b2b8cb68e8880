#pragma once

#include "win32/GdiObjects.h"
#include "win32/WindowScale.h"

#include <windows.h>

#include <string_view>

// A held run's notice over the picture, for the back row of a class to read: large, bold, white
// on near-black, at the window's scale. It is a static control of its own above the picture,
// so that the picture's bitmap is never drawn on and showing or hiding it repaints its own
// area only; screen readers find its text among the window's children.
class NoticeWindow {
public:
    NoticeWindow(HWND parent, HINSTANCE instance);
    NoticeWindow(const NoticeWindow &) = delete;
    NoticeWindow &operator=(const NoticeWindow &) = delete;

    void show(std::string_view text);
    void hide();

    // The window shows the form at this scale, from this point of its client area on.
    void layOut(const WindowScale &scale, POINT shownFrom);

    // Colours the notice, should the control be it: its background's brush, or null.
    HBRUSH colour(HWND control, HDC dc) const;

private:
    void place() const;

    HWND window_;
    Font font_;
    Brush background_;
    WindowScale scale_;
    POINT shownFrom_{};
};
