#include "win32/SystemColours.h"

COLORREF toColorRef(Colour colour) {
    if (colour::isSystemColour(colour))
        return GetSysColor(colour::systemColourIndex(colour));
    return static_cast<COLORREF>(colour);
}
