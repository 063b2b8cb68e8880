#pragma once

#include <windows.h>

// The classic look the window was designed in, whatever the desktop's theme: push buttons with
// faces in the window's background and a raised edge, and frames of an etched line with the
// caption on its top line, breaking it. Both take their colours from the parent window's
// WM_CTLCOLORSTATIC answer, as static controls do.

// Paints an owner-drawn push button.
void paintClassicButton(const DRAWITEMSTRUCT &item);

// Makes a group box paint itself as a classic frame.
void paintAsClassicFrame(HWND frame);
