#pragma once

#include "design/ColourProfiles.h"
#include "win32/WindowScale.h"

#include <windows.h>

#include <commctrl.h>

// The look the window was designed in, at the resolution the controls are drawn at: the window's
// scaled one. Push buttons and frames keep the classic look whatever the desktop's theme: push
// buttons with their faces (the window's background, in the design's colours) and a raised edge,
// and frames of an etched line with the caption on its top line, breaking it. Option buttons keep
// the desktop's look in the design's colours, their round marks drawn at the zoom as their
// captions are, and marks of their own in other colours. All take their faces and text colours
// from the parent window's WM_CTLCOLORSTATIC answer, as static controls do, and their edges from
// the colours shown.

// Paints an owner-drawn push button.
void paintClassicButton(const DRAWITEMSTRUCT &item, const ShownColours &colours, double dpi);

// Makes a group box paint itself as a classic frame, at the scale and in the colours as they
// are when it paints.
void paintAsClassicFrame(HWND frame, const WindowScale &scale, const ShownColours &colours);

// Answers an option button's custom-draw notification: paints it whole, at dpi.
LRESULT paintOption(const NMCUSTOMDRAW &draw, const ShownColours &colours, double dpi);
