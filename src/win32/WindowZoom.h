#pragma once

#include "form/Zoom.h"
#include "win32/FullScreen.h"
#include "win32/WindowScale.h"

#include <windows.h>

#include <functional>
#include <optional>

// The zoom of the program's window: what the command line, the zoom keys and the window's state
// ask (a window of its own size, maximised, or full screen on its monitor), and the window's one
// scale, the monitor's resolution times the zoom's factor. On a monitor of another resolution the
// zoom stays: both multiply. Whoever shows the form hears of each new scale.
class WindowZoom {
public:
    // rescaled: the form is to be shown at scale() now, where it was at the scale before.
    using Rescaled = std::function<void(const WindowScale &before)>;
    WindowZoom(HWND window, Rescaled rescaled);

    const Zoom &zoom() const { return zoom_; }
    const WindowScale &scale() const { return scale_; }

    // The zoom a key of the window's, wherever the focus is, asks for; none for other messages.
    std::optional<Zoom> askedBy(const MSG &message) const;
    // Shows the window at a zoom: full screen entered or left, and the form scaled to the window.
    void set(const Zoom &zoom);
    // The window's size changed, and it is maximised or not: whether the form was scaled anew.
    bool followSize(bool maximised);
    void setMonitorDpi(int dpi);

private:
    bool scaleToWindow();
    void rescale(const WindowScale &scale);

    HWND window_;
    Rescaled rescaled_;
    Zoom zoom_;
    WindowScale scale_;
    FullScreen fullScreen_;
};
