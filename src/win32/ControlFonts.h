#pragma once

#include "design/WindowDesign.h"
#include "win32/GdiObjects.h"

#include <array>

// The fonts of the window's controls at one resolution, as designed: face, size, weight and the
// Central European character set. Where the designed face is not installed, its stand-in with
// the same metrics is used.
class ControlFonts {
public:
    // dpi: the resolution times the zoom.
    explicit ControlFonts(double dpi);

    HFONT get(ControlFont font) const { return fonts_[static_cast<std::size_t>(font)].get(); }

private:
    std::array<Font, fontCount> fonts_;
};

// A font of this design at this resolution (the resolution times the zoom), or its stand-in's.
HFONT createFont(const FontDesign &design, double dpi);
