#pragma once

#include "canvas/Colour.h"
#include "form/ColourChoice.h"

#include <windows.h>

// The colour to paint for a plain &HBBGGRR colour, which has the layout of a COLORREF.
COLORREF toColorRef(Colour colour);

// The system's colours as they are now, each by its index of GetSysColor (systemColourNames()).
SystemColours readSystemColours();

// Whether a contrast theme is on (SPI_GETHIGHCONTRAST). Windows asks for no more contrast short
// of a contrast theme.
SystemContrast readSystemContrast();
