#pragma once

#include "design/WindowDesign.h"

#include <windows.h>

#include <string_view>
#include <vector>

class ControlFonts;

// The window's 28 controls, made from the design as the platform's own: scroll bar, hidden
// edit fields, group boxes, radio buttons and owner-drawn push buttons. The captions have no
// window; they are painted on the picture. Each control's id is its place in the design, and
// Tab and the arrow keys visit them in the order of their tab indexes. The controls are laid
// out and drawn at one resolution: the monitor's times the zoom.
class NativeControls {
public:
    struct Control {
        const ControlDesign *design;
        HWND window; // null for a caption
    };

    NativeControls(HWND parent, HINSTANCE instance);
    NativeControls(const NativeControls &) = delete;
    NativeControls &operator=(const NativeControls &) = delete;

    const std::vector<Control> &all() const { return controls_; }
    // The control of that design name, or of that window; null when there is none.
    HWND operator[](std::string_view name) const;
    const Control *of(HWND window) const;

    // Places and sizes every control at this resolution and scroll position, with its font, and
    // draws it at that resolution from then on.
    void layOut(double dpi, POINT origin, const ControlFonts &fonts);
    double dpi() const { return dpi_; }

private:
    void orderForTabbing() const;

    double dpi_ = designDotsPerInch;
    std::vector<Control> controls_;
};
