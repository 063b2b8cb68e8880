#pragma once

#include "canvas/Colour.h"

#include <windows.h>

// The colour to paint for a colour value: an &HBBGGRR value as it stands (the layout of a
// COLORREF), or a system colour as Windows has it now.
COLORREF toColorRef(Colour colour);
