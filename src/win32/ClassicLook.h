#pragma once

#include "win32/WindowScale.h"

#include <windows.h>

#include <commctrl.h>

// The look the window was designed in, at the resolution the controls are drawn at: the window's
// scaled one. Push buttons and frames keep the classic look whatever the
// desktop's theme: push buttons with faces in the window's background and a raised edge, and
// frames of an etched line with the caption on its top line, breaking it. Option buttons keep
// the desktop's look, their round marks drawn at the zoom as their captions are. All take their
// colours from the parent window's WM_CTLCOLORSTATIC answer, as static controls do.

// Paints an owner-drawn push button.
void paintClassicButton(const DRAWITEMSTRUCT &item, double dpi);

// Makes a group box paint itself as a classic frame, at the scale as it is when it paints.
void paintAsClassicFrame(HWND frame, const WindowScale &scale);

// Answers an option button's custom-draw notification: paints it whole, at dpi.
LRESULT paintOption(const NMCUSTOMDRAW &draw, double dpi);
