#pragma once

#include <cstdint>

// A colour as the drawing operations take it: 24 bits with red in the low byte and blue in
// the high byte (written &HBBGGRR), or, with the top bit set, the index of a system colour.
using Colour = std::uint32_t;

namespace colour {

inline constexpr Colour systemColourFlag = 0x80000000u;

inline constexpr Colour black = 0x000000;
inline constexpr Colour white = 0xFFFFFF;
inline constexpr Colour green = 0x00FF00;
inline constexpr Colour darkGrey = 0x404040;
// The window's background and the colour of the band that erases the drawing area.
inline constexpr Colour lightGrey = 0xC0C0C0;

// System colours by index.
inline constexpr Colour titleBarText = systemColourFlag | 9;
inline constexpr Colour buttonText = systemColourFlag | 18;

constexpr bool isSystemColour(Colour c) {
    return (c & systemColourFlag) != 0;
}
constexpr int systemColourIndex(Colour c) {
    return static_cast<int>(c & ~systemColourFlag);
}

constexpr int redOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

} // namespace colour
