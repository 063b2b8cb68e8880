#pragma once

#include "design/WindowDesign.h"
#include "web/Page.h"

// The design as the page takes it (Page.h).
page::Font fontForPage(const FontDesign &font);
page::Control controlForPage(const ControlDesign &control);
page::SpeedBar speedBarForPage();
page::HoldNumbers holdNumbersForPage();
