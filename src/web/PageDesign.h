#pragma once

#include "design/ColourProfiles.h"
#include "design/WindowDesign.h"
#include "web/Page.h"

// The design as the page takes it (Page.h).
page::Font fontForPage(const FontDesign &font);
page::Control controlForPage(const ControlDesign &control);
page::SpeedBar speedBarForPage();
page::HoldNumbers holdNumbersForPage();
// Shows the window and each of its controls in these colours.
void colourPage(const ShownColours &colours);
