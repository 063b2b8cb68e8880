#pragma once

#include "canvas/Colour.h"

// Coordinate units of the drawing surface.
enum class ScaleMode : int { twips = 1, pixels = 3 };

// Design data is in twips; fifteen of them make one pixel.
inline constexpr int twipsPerPixel = 15;

// A coordinate in the pen's scale unit, in pixels.
constexpr float pixelsOf(ScaleMode mode, float value) {
    return mode == ScaleMode::twips ? value / twipsPerPixel : value;
}

// How circles are filled.
enum class FillStyle : int { solid = 0, transparent = 1 };

// The window's pen: kept between drawing calls and between runs. A run sets every part it
// uses before it draws with it, except the foreground colour, which is the window's own.
struct PenState {
    ScaleMode scaleMode = ScaleMode::twips;
    int drawWidth = 1;
    Colour fillColor = colour::black;
    FillStyle fillStyle = FillStyle::transparent;
    Colour foreColor = colour::buttonText;

    friend bool operator==(const PenState &, const PenState &) = default;
};

inline float pixelsOf(const PenState &pen, float value) {
    return pixelsOf(pen.scaleMode, value);
}
