#pragma once

#include "design/WindowDesign.h"

// The one scale the window shows the form at: its monitor's resolution times the zoom's factor.
// The controls, their fonts, the picture and the scrolled content are drawn at the product, the
// scaled resolution; the window's frame and its own scroll bars at the monitor's.
struct WindowScale {
    int monitorDpi = designDotsPerInch;
    double zoom = 1; // the zoom's factor

    // The scaled resolution, and the device pixels of a design pixel at it.
    double dpi() const { return monitorDpi * zoom; }
    double factor() const { return dpi() / designDotsPerInch; }
    // A length in design pixels, in device pixels at the scaled resolution.
    int toDevice(double designPixels) const { return atDotsPerInch(designPixels, dpi()); }
};
