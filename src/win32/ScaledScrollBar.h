#pragma once

#include "design/ColourProfiles.h"
#include "design/WindowDesign.h"
#include "win32/WindowScale.h"

#include <windows.h>

// Makes a horizontal scroll bar control draw itself, and take the mouse, at the scale as it is
// then: its arrows and thumb grow with the zoom, as its height does, which the platform's scroll
// bar, whose arrows keep the monitor's size, does not do. Its range, position, keyboard
// and accessible object stay the platform's; it sends its parent the same WM_HSCROLL codes. It is
// drawn in the colours shown as they are then: in the desktop's look, or flat in their own.
void scaleScrollBar(HWND bar, const ControlDesign &design, const WindowScale &scale,
                    const ShownColours &colours);
