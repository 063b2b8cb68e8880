#pragma once

#include "design/ColourProfiles.h"
#include "design/WindowDesign.h"
#include "form/SpeedBar.h"
#include "win32/WindowScale.h"

#include <windows.h>

#include <optional>
#include <string_view>
#include <vector>

class ControlFonts;

// The window's 28 controls, made from the design as the platform's own: scroll bar, hidden
// edit fields, group boxes, radio buttons and owner-drawn push buttons. The captions have no
// window; they are painted on the picture. Each control's id is its place in the design, and
// Tab and the arrow keys visit them in the order of their tab indexes. The controls are laid
// out and drawn at the window's scale, in the colours shown, which they read as they paint.
class NativeControls {
public:
    struct Control {
        const ControlDesign *design;
        HWND window; // null for a caption
    };

    NativeControls(HWND parent, HINSTANCE instance, const WindowScale &scale,
                   const ShownColours &colours);
    NativeControls(const NativeControls &) = delete;
    NativeControls &operator=(const NativeControls &) = delete;

    const std::vector<Control> &all() const { return controls_; }
    // The control of that design name, or of that window; null when there is none.
    HWND operator[](std::string_view name) const;
    const Control *of(HWND window) const;
    // Checks the option of that name and clears the others of its frame: it alone of them is a
    // tab stop.
    void check(std::string_view option) const;

    // Places and sizes every control at the window's scale and this scroll position, with its
    // font.
    void layOut(POINT origin, const ControlFonts &fonts) const;
    // Has every control paint itself again: in new colours, say.
    void repaint() const;

private:
    void orderForTabbing() const;

    const WindowScale &scale_;
    std::vector<Control> controls_;
};

// What a scroll code of the speed bar asks of it; a drag in progress asks nothing, its end asks
// for the thumb's place.
std::optional<SpeedBarMove> speedBarMoveOf(UINT code);
